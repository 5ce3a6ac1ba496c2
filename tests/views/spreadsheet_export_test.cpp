#include "shell/naming_shell.h"
#include "solved_tasks.h"
#include "views/spreadsheet_export.h"

#include <gtest/gtest.h>

namespace zep {
namespace {

TEST(DerivedMarks, KeepMarksTwoAndThreeAndMarkTheChosenVariantOtherwise) {
    TaskRecord rec;
    test::add_chain(rec, {test::op_of({{1, 1}, {2, 2}}), test::op_of({{1, 1}, {2, 2}}),
                          test::op_of({{1, 1}, {2, 2}}), test::op_of({{1, 1}, {2, 2}})});
    test::prepare(rec, 0);
    rec.marksPresent = 1;
    rec.chains[0].operations[0].mark = {0, 3}; // executed
    rec.chains[0].operations[1].mark = {1, 2}; // under execution
    rec.chains[0].operations[2].mark = {0, 1}; // chosen before: chosen anew
    const std::vector<std::vector<VariantMark>> marks = derived_marks(rec, {{2, 1, 2, 0}});
    EXPECT_EQ(marks[0], (std::vector<VariantMark>{{0, 3}, {1, 2}, {1, 1}, {}}));
}

// Row 14 of the parameter sheet is what the import reads there.
TEST(TaskWorkbook, RowFourteenIsTheImportsRow) {
    const ShellTables shell = testing::naming_shell();
    TaskRecord nestedResources;
    test::add_chain(nestedResources, {test::op_of({{1, 1, 1}}), test::op_of({{1, 1, 1}})});
    test::add_nested(nestedResources, {test::op_of({{1, 1, 1}})}, 1, 1, 2);
    nestedResources.header.hasUnavailableResources = 1;
    nestedResources.header.resourceCategoryCount = 1;
    nestedResources.header.criticalConversionMode = 2;
    nestedResources.resourceIntervals = {{{0, kUnboundedFinish, 0, kUnboundedFinishTacts}}};
    test::prepare(nestedResources, 1);
    ExportWorkbook book = task_workbook(nestedResources, task_view(nestedResources, shell, ','), shell, ',');
    EXPECT_EQ(book.sheets[0].cells[13][1], "2"); // the critical conversion mode
    EXPECT_EQ(book.sheets[0].cells[14][1], "1"); // the number of thresholds

    TaskRecord oneChainTime;
    test::add_chain(oneChainTime, {test::op_of({{1, 1}})});
    oneChainTime.header.minimisedParam = 1;
    test::prepare(oneChainTime, 0);
    const TaskViewContent view = task_view(oneChainTime, shell, ',');
    EXPECT_EQ(view.taskRows[13].key, shell.text(356)); // the view shows the one-path flag here
    book = task_workbook(oneChainTime, view, shell, ',');
    EXPECT_EQ(book.sheets[0].cells[13][0], shell.text(472));
    EXPECT_EQ(book.sheets[0].cells[13][1], "1");
}

} // namespace
} // namespace zep
