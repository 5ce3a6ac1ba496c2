#pragma once
// Import of a task from a spreadsheet workbook laid out as the task's input data are exported: sheet 1
// the general parameters in column B, then (with unavailable resources) the availability intervals,
// the chains, the operations and the variants, each sheet under a heading row.
#include "task/task_record.h"
#include "task/workbook_reader.h"

#include <stdexcept>
#include <string_view>

namespace zep {

// A cell that does not hold what the layout expects there: a number that does not convert, a count
// outside what a task can hold, a missing sheet. The message names the sheet, the cell and the text
// found: "Sheet 2, cell C3: \"abc\" is not a whole number."
class WorkbookCellError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Steps 2 to 7 of `Button1Click`: the task the workbook describes, as a fresh record. The code and name
// come from the boxes when they are filled, else from the sheet (trimmed, cut to 6 and 70 characters).
// Integers are read by decimal conversion, reals with `separator`, texts cut to their capacities;
// thresholds are stored in tacts; variant marks 1 to 3 are taken, and an operation marked 2 or 3 keeps
// only its marked variant. Throws WorkbookCellError; nothing outside the returned record is touched.
TaskRecord read_task_workbook(const WorkbookReader& book, std::string_view codeBox, std::string_view nameBox,
                              char separator);

} // namespace zep
