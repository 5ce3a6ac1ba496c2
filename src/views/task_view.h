#pragma once
// The content of the task view: the task's parameters (`VarList`) and its operations, one row per
// implementation variant (`Table` without unavailable resources; with them the availability intervals
// `Grid1` and the operations `Grid2`).
#include "common/shell_tables.h"
#include "task/task_record.h"
#include "views/view_rows.h"

#include <string>
#include <vector>

namespace zep {

struct TaskViewContent {
    std::string caption;                     // text 378, " \"<task name>\""
    std::vector<ListRow> taskRows;           // `VarList`
    std::vector<std::string> columnLabels;   // `Table` (9) or `Grid2` (11)
    std::vector<GridRow> operations;         // `Table` or `Grid2`
    std::vector<std::string> intervalLabels; // `Grid1`, with unavailable resources
    std::vector<GridRow> intervals;          // `Grid1`
};

// `derivedCode` and `derivedName`, when not empty, take the place of the task's code and name (the
// view of a derived task).
TaskViewContent task_view(const TaskRecord& rec, const ShellTables& shell, char separator,
                          const std::string& derivedCode = {}, const std::string& derivedName = {});

} // namespace zep
