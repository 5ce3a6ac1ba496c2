// The rows of the solution view and the derived task of an export.
#include "shell/naming_shell.h"
#include "solved_tasks.h"
#include "test_dir.h"
#include "views/derived_task.h"
#include "views/solution_view.h"
#include "views/solved_task_files.h"

#include "common/atomic_file.h"
#include "task/task_file.h"

#include <gtest/gtest.h>

namespace zep {
namespace {

using test::op_of;

const ShellTables& shell() {
    static const ShellTables t = testing::naming_shell();
    return t;
}

// Chain 1 of three operations, chain 2 nested on 1.2 with a single operation.
TaskRecord one_operation_nested(int subgraphNo) {
    TaskRecord rec;
    rec.header.minimisedParam = 0;
    test::add_chain(rec, {op_of({{2, 10}}), op_of({{3, 20}}), op_of({{4, 5}})});
    test::add_nested(rec, {op_of({{1, 7}, {2, 3}})}, 1, 2, 2, subgraphNo);
    rec.header.tact = 0.5;
    rec.header.thresholdCount = 2;
    test::prepare(rec, 1);
    rec.thresholds = {18, 20};
    return rec;
}

std::vector<std::string> column(const std::vector<GridRow>& rows, int col) {
    std::vector<std::string> out;
    for (const GridRow& r : rows)
        out.push_back(r.cells[col]);
    return out;
}

TEST(SolutionView, PositionRowsAreAddedUnderAOneOperationNestedChain) {
    for (int subgraphNo : {0, 1}) {
        const TaskRecord rec = one_operation_nested(subgraphNo);
        auto choices = test::first_variants(rec);
        choices[1][0] = 2;
        const SolutionViewContent v =
            solution_view(rec, test::solution_of(rec, choices, {0, 2}, 9), 0, shell(), ',');
        const std::string sep60(60, '-');
        std::vector<std::string> col0 = {"1", "  1", "  1", sep60, "2", "  2"};
        std::vector<std::string> col1 = {
            "chain 1", "", "", std::string(170, '-'), "chain 2", "[T175: (1;2), (1;2)]"};
        if (subgraphNo) {
            col0.push_back("  2");
            col1 = {"chain 1", "", "", std::string(170, '-'), "chain 2", "[T276: 1]", "[T175: (1;2), (1;2)]"};
        }
        col0.push_back(sep60);
        col1.push_back(std::string(170, '-'));
        EXPECT_EQ(column(v.grid, 0), col0) << subgraphNo;
        EXPECT_EQ(column(v.grid, 1), col1) << subgraphNo;
        const GridRow& nested = v.grid[4];
        EXPECT_EQ(nested.kind, GridRowKind::Operation);
        EXPECT_EQ(nested.cells, (std::vector<std::string>{"2", "chain 2", "4,00", "3,00", "0", "1", "op", "2",
                                                          "v", "2,0/3,0", "2,0", "3,00"}));
        EXPECT_EQ(v.grid[5].kind, GridRowKind::Position);
        EXPECT_EQ(v.grid[5].cells[5], "");
        const std::vector<int> lengths = {60, 170, 25, 21, 18, 18, 170, 34, 100, 28, 27, 22};
        for (int i = 0; i < 12; ++i)
            EXPECT_EQ(v.grid.back().cells[i], std::string(lengths[i], '-'));
    }
}

TEST(SolutionView, CostMinimisedListsGiveTheThresholdThenTimeThenCost) {
    const TaskRecord rec = one_operation_nested(0);
    const SolutionViewContent v =
        solution_view(rec, test::solution_of(rec, test::first_variants(rec), {0, 2}, 9), 1, shell(), ',');
    EXPECT_EQ(v.caption, "T381 \"Test task\"");
    EXPECT_EQ(v.tabs, (std::vector<std::string>{"T33 1", "T33 2"}));
    EXPECT_EQ(v.variantRows,
              (std::vector<ListRow>{
                  {"T34", "2"}, {"T150 (дни)", "10,00"}, {"T459 (дни)", "9,00"}, {"T198 (рубли)", "42,00"}}));
    EXPECT_EQ(v.columnLabels[2], "T207 (дни)");
    EXPECT_EQ(v.columnLabels[7], "T282");
    // Nested chains without decomposition: "0" for it and the conversion mode; no run count outside the
    // second-level mode.
    std::vector<std::string> keys;
    for (const ListRow& r : v.taskRows)
        keys.push_back(r.key);
    EXPECT_EQ(keys, (std::vector<std::string>{"T357",  "T486",     "T213",     "T204",     "T437",
                                              "T475",  "T472",     "T124",     "T123",     "T444",
                                              "T106",  "T192",     "T353",     "T355",     "T389",
                                              "T323:", "  - T186", "  - T183", "  - T347", "  - T302",
                                              "T321:", "  - T447", "  - T442", "  - T295", "T105"}));
    EXPECT_EQ(v.taskRows[10].value, "0,5");
}

TEST(SolutionView, AVariantWithoutSolutionShowsItsMessageAndNoGrid) {
    const TaskRecord rec = one_operation_nested(0);
    Solution sol = test::solution_of(rec, test::first_variants(rec), {0, 2}, 9);
    sol.status[0] = 0;
    sol.message[0] = std::string(109, 'a') + std::string(109, 'b') + "ccc";
    const SolutionViewContent v = solution_view(rec, sol, 0, shell(), '.');
    EXPECT_TRUE(v.grid.empty());
    EXPECT_FALSE(v.schedule);
    EXPECT_EQ(v.variantRows.size(), 2u);
    ASSERT_GE(v.taskRows.size(), 4u);
    EXPECT_EQ(v.taskRows[1], (ListRow{"T443", std::string(109, 'a')}));
    EXPECT_EQ(v.taskRows[2], (ListRow{"", std::string(109, 'b')}));
    EXPECT_EQ(v.taskRows[3], (ListRow{"", "ccc"}));
    EXPECT_EQ(v.taskRows[4].key, "T486");
}

TEST(SolutionView, WithResourcesTheVariantCellNamesCategoryAndSuspension) {
    TaskRecord rec;
    rec.header.hasUnavailableResources = 1;
    rec.header.resourceCategoryCount = 2;
    rec.resourceIntervals = {{{0, 5, 0, 5}, {8, 20, 8, 20}}, {{0, -1, 0, -1}}};
    test::add_chain(rec, {op_of({{4, 1, 2, 0}}), op_of({{3, 2, 1, 1}})});
    test::prepare(rec, 0);
    const SolutionViewContent v =
        solution_view(rec, test::solution_of(rec, test::first_variants(rec)), 0, shell(), '.');
    EXPECT_EQ(v.grid[0].cells[7], "1: 2");
    EXPECT_EQ(v.grid[1].cells[7], "1: 1*");
    EXPECT_EQ(v.grid[1].cells[9], "4.0/8.0"); // it waits for 8 anyway
    EXPECT_EQ(v.grid[1].cells[10], "7.0/3.0");
    EXPECT_EQ(v.columnLabels[10], "T462 (дни)");
}

TEST(DerivedTask, CodesAndNames) {
    const struct {
        const char *code, *derived;
    } codes[] = {
        {"ABCDEF", "CDEF.1"}, {"CDEF.1", "CDEF.2"}, {"CD.999", "D.1000"}, {"AB.X", "AB.1"}, {"A", ".1"}};
    for (const auto& c : codes)
        EXPECT_EQ(derived_task_code(c.code), c.derived) << c.code;
    EXPECT_EQ(derived_task_name("ABCDEF", 2, "  Bridge  "), "ABCDEF Var.2. Bridge");
    std::string ya80, ya53;
    for (int i = 0; i < 80; ++i)
        ya80 += "я";
    for (int i = 0; i < 53; ++i)
        ya53 += "я";
    // 14 characters of code and variant, 56 of the name make 70: kept whole; one more is cut.
    EXPECT_EQ(derived_task_name("ABCDEF", 1, ya80.substr(0, 2 * 56)),
              "ABCDEF Var.1. " + ya80.substr(0, 2 * 56));
    EXPECT_EQ(derived_task_name("ABCDEF", 1, ya80), "ABCDEF Var.1. " + ya53 + "...");
}

TEST(SolvedTaskFiles, AMissingOrDamagedFileGivesTheViewsWarning) {
    test::TempDir dir;
    Workspace ws{dir.path()};
    std::filesystem::create_directories(ws.data());
    try {
        read_solved_task(ws, "NONE01", shell());
        FAIL() << "no error";
    } catch (const ViewFilesError& e) {
        EXPECT_STREQ(e.what(), "T94.");
    }
    TaskRecord rec = one_operation_nested(0);
    rec.header.taskCode = "TASK01";
    write_file_atomically(task_file_path(ws, "TASK01"), encode_task_file(rec));
    EXPECT_THROW(read_solved_task(ws, "TASK01", shell()), ViewFilesError); // no solution
    write_file_atomically(stored_solution_path(ws, "TASK01"), std::vector<std::uint8_t>(300, 0));
    EXPECT_THROW(read_solved_task(ws, "TASK01", shell()), ViewFilesError); // the wrong size
    const Solution sol = test::solution_of(rec, test::first_variants(rec), {0, 2}, 9);
    write_solution_file(stored_solution_path(ws, "TASK01"), sol, solution_shape_of(rec));
    const SolvedTaskFiles f = read_solved_task(ws, "TASK01", shell());
    EXPECT_EQ(f.solution.variantChoice, sol.variantChoice);
    EXPECT_EQ(f.task.header.taskCode, "TASK01");
}

} // namespace
} // namespace zep
