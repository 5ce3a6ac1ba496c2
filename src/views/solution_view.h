#pragma once
// The content of the solution view for one computation variant: the task's parameters and the run
// data (`VarList`), the variant's parameters (`VarList_1`), and the twelve-column grid of every chain
// and operation, with the schedule behind them.
#include "common/shell_tables.h"
#include "optimiser/solution_file.h"
#include "views/schedule.h"
#include "views/view_rows.h"

#include <optional>
#include <string>
#include <vector>

namespace zep {

inline constexpr int kSolutionGridColumns = 12;

struct SolutionViewContent {
    std::string caption;                   // text 381, " \"<task name>\""
    std::vector<std::string> tabs;         // text 33, a blank and the variant number
    std::vector<std::string> columnLabels; // twelve
    std::vector<ListRow> taskRows;         // `VarList`
    std::vector<ListRow> variantRows;      // `VarList_1`
    std::vector<GridRow> grid;             // `sgSolution`; empty when the variant has no solution
    int status = 0;                        // the variant's `solutionStatus`
    std::optional<Schedule> schedule;      // computed unless the status is 0
};

// Variant `run` (0-based) of a solution read for the task. `separator` is the user's decimal separator.
SolutionViewContent solution_view(const TaskRecord& rec, const Solution& solution, int run,
                                  const ShellTables& shell, char separator,
                                  SlackMethod method = SlackMethod::Fast);

} // namespace zep
