#pragma once
// The spreadsheet export of the two views: the solution sheet of the shown variant and the task
// workbook of a task's input data (or of the task derived from a solution variant), as blocks of cell
// texts from A1, written as an .xlsx file.
//
// The task workbook is the layout the workbook import reads back, so that an exported task imported
// again is the same task. Its first sheet holds the task view's parameter rows, except where the view
// and the import's layout disagree; the import's layout holds there:
//  - a task with nested chains and unavailable resources: row 14 is the critical conversion mode,
//    which the view does not show for such a task;
//  - a task without nested chains with the time minimised: the view's row of the one-path flag (text
//    356) is left out, so that row 14 is the number of thresholds. In the second-level mode such a
//    task's thresholds are written as a list, which is all the import reads for it.
#include "common/shell_tables.h"
#include "optimiser/solution_file.h"
#include "task/task_record.h"
#include "views/chosen_variants.h"
#include "views/solution_view.h"
#include "views/task_view.h"

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace zep {

struct ExportSheet {
    std::string name;
    std::vector<std::vector<std::string>> cells; // rows of cell texts from A1
    // Background colours (0xRRGGBB) of whole rows over their first `colouredColumns` columns.
    std::vector<std::pair<int, std::uint32_t>> rowColours; // row index from 0, colour
    int colouredColumns = 0;
};

struct ExportWorkbook {
    std::vector<ExportSheet> sheets;
};

// The variant marks written for a derived task: an operation marked 2 or 3 keeps its mark; every other
// one is marked 1 on the variant the solution chose (none when it chose none).
std::vector<std::vector<VariantMark>> derived_marks(const TaskRecord& rec, const VariantChoices& choices);

ExportWorkbook solution_workbook(const SolutionViewContent& view);

// `marks` (per chain, per operation) replaces the task's own marks (a derived task); `view` is the task
// view's content, with the derived code and name in derived mode.
ExportWorkbook task_workbook(const TaskRecord& rec, const TaskViewContent& view, const ShellTables& shell,
                             char separator, const std::vector<std::vector<VariantMark>>* marks = nullptr);

class ExportError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Writes the workbook as an .xlsx file, through a temporary file beside it that takes its place at the
// end. Throws ExportError when it cannot be written; the file is then left as it was.
void write_workbook(const std::filesystem::path& path, const ExportWorkbook& book);

} // namespace zep
