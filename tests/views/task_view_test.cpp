// The rows of the task view.
#include "shell/naming_shell.h"
#include "solved_tasks.h"
#include "views/task_view.h"

#include <gtest/gtest.h>

namespace zep {
namespace {

using test::op_of;

const ShellTables& shell() {
    static const ShellTables t = testing::naming_shell();
    return t;
}

const ListRow* row_with_key(const std::vector<ListRow>& rows, const std::string& key) {
    for (const ListRow& r : rows)
        if (r.key == key)
            return &r;
    return nullptr;
}

TEST(TaskView, ResourcesShowIntervalsWithAnEmptyUnboundedEndAndElevenColumns) {
    TaskRecord rec;
    rec.header.hasUnavailableResources = 1;
    rec.header.resourceCategoryCount = 2;
    rec.resourceIntervals = {{{0, 5, 0, 5}, {8, -1, 8, -1}}, {{1.5, 9, 2, 9}}};
    test::add_chain(rec, {op_of({{4, 1, 1, 1}, {2.5, 2, 2, 0}})});
    test::prepare(rec, 0);
    const TaskViewContent v = task_view(rec, shell(), ',');
    ASSERT_EQ(v.intervals.size(), 3u);
    EXPECT_EQ(v.intervals[0].cells, (std::vector<std::string>{"1", "1", "0", "5"}));
    EXPECT_EQ(v.intervals[1].cells, (std::vector<std::string>{"  1", "2", "8", ""}));
    EXPECT_EQ(v.intervals[2].cells, (std::vector<std::string>{"2", "1", "1,5", "9"}));
    ASSERT_EQ(v.columnLabels.size(), 11u);
    EXPECT_EQ(v.columnLabels[10], ""); // no marks: the mark column has no caption
    EXPECT_EQ(v.operations[0].cells,
              (std::vector<std::string>{"1", "chain 1", "1", "op", "1", "v", "1", "*", "4", "1", ""}));
    EXPECT_EQ(v.operations[1].cells,
              (std::vector<std::string>{"  1", "", "  1", "", "2", "v", "2", "", "2,5", "2", ""}));
    EXPECT_EQ(v.operations[2].kind, GridRowKind::Separator);
    EXPECT_EQ(v.operations[2].cells.size(), 11u);
    // Interval counts per category, the second row continuing under the first key.
    const auto& rows = v.taskRows;
    const ListRow* first = row_with_key(rows, "  T477 1");
    ASSERT_TRUE(first);
    EXPECT_EQ(first->value, "2");
    EXPECT_EQ(*(first + 1), (ListRow{"... 2", "1", true}));
}

TEST(TaskView, ThresholdRowsAreLabelledByTheMinimisedParameter) {
    for (int minimised : {0, 1}) {
        TaskRecord rec;
        rec.header.minimisedParam = minimised;
        rec.header.tact = 0.5;
        rec.header.thresholdCount = 2;
        test::add_chain(rec, {op_of({{2, 10}})});
        test::prepare(rec, 0);
        rec.thresholds = {7, 9};
        const TaskViewContent v = task_view(rec, shell(), ',');
        const ListRow* first = row_with_key(v.taskRows, minimised ? "  T151 <1>" : "  T149 <1>");
        ASSERT_TRUE(first) << minimised;
        EXPECT_EQ(first->value, "3,5");
        EXPECT_EQ(*(first + 1), (ListRow{"... <2>", "4,5", true}));
        EXPECT_EQ(v.taskRows[2].value, std::to_string(minimised));
    }
}

TEST(TaskView, ADerivedTaskShowsTheDerivedCodeAndName) {
    TaskRecord rec;
    test::add_chain(rec, {op_of({{2, 10}})});
    test::prepare(rec, 0);
    const TaskViewContent v = task_view(rec, shell(), ',', "CDEF.1", "TST001 Var.1. Test task");
    EXPECT_EQ(v.taskRows[0], (ListRow{"T486", "CDEF.1"}));
    EXPECT_EQ(v.taskRows[1], (ListRow{"T213", "TST001 Var.1. Test task"}));
}

} // namespace
} // namespace zep
