#pragma once
// Transfers between the wizard's operation and variant grids and the task record. The grids are plain
// tables of cell texts so that the wizard window and the command line share the same rules; a refusal
// comes back as a value (task/prep_outcome.h) with the row to put the focus on, never as a message box.
//
// A CellTable holds the grid's data rows only (no caption row), row r being operation or variant r+1;
// column 0 is the row number. A row or cell that the table lacks reads as blank.
#include "task/prep_outcome.h"
#include "task/task_record.h"

#include <string>
#include <vector>

namespace zep {

using CellTable = std::vector<std::vector<std::string>>;

// The text of a cell; a cell outside the table (a row or column the grid does not have) is blank.
const std::string& cell_text(const CellTable& grid, int row, int column);

// A refusal's `row` is the 0-based data row to scroll to and focus; restores_selectors says whether
// the chain and operation selectors go back to the operation being stored.
using GridTransferResult = Outcome<TaskRefusal>;

// Columns of the operation grid (`StringGrid2`).
inline constexpr int kOperationNameColumn = 1;
inline constexpr int kOperationVariantCountColumn = 2;

// Columns of the variant grid: `StringGrid` without unavailable resources, `StringGrid_a` with them.
struct VariantColumns {
    int essence, category, noSuspend, time, cost; // -1: no such column
};
inline constexpr VariantColumns kVariantColumnsPlain{1, -1, -1, 2, 3};
inline constexpr VariantColumns kVariantColumnsWithResources{1, 2, 3, 4, 5};
VariantColumns variant_columns(const TaskRecord& rec);

// (`SaveToRec1`) The operations of chain `chainIndex` (0-based) from the operation grid, one row per
// operation of the chain's `opCount`. Every row needs a non-blank name and a whole number of variants
// from 1 to 20; the first bad row refuses (the operation grid's kinds of TaskRefusal) and leaves the record
// unchanged. On success the chain's operations are resized to `opCount` (operations kept keep their variants)
// and get the names (cut to 100 characters) and variant counts. Throws std::invalid_argument for a chain
// index or an `opCount` out of range.
GridTransferResult store_operations(TaskRecord& rec, int chainIndex, const CellTable& grid);

// (`SaveToRec`) The variants of one operation from the variant grid, one row per variant of the
// operation's `variantCount`; the variant array is first resized to that count. Rows are stored in
// turn: essence trimmed and cut to 40 characters, numbers read with `separator`. An empty time or cost
// cell stores kUnsetValue, an empty category cell 0, any non-blank no-suspend cell 1. An empty essence
// refuses (BlankEssence); so does a non-empty cell that is not a number (CellNotANumber). Rows stored
// before the refused row stay stored; the refused row itself is not stored.
GridTransferResult store_variants(TaskRecord& rec, int chainIndex, int opIndex, const CellTable& grid,
                                  char separator);

// What `load_variant_grid` shows for one operation: the chain name above the grid, the operation name in the
// name box and the grid rows.
struct VariantGridView {
    std::string chainName;
    std::string operationName;
    CellTable rows;
};

// (`LoadFromRec`) One row per variant of the operation's `variantCount`: number from 1, essence, with
// unavailable resources the category (empty unless in 1..resourceCategoryCount) and "*" for
// `noSuspend` >= 1, then time and cost as shortest decimal text (empty when unset). When the operation
// has no variants stored yet, or a single variant with an empty essence, the grid is one empty row
// numbered "1".
VariantGridView load_variant_grid(const TaskRecord& rec, int chainIndex, int opIndex, char separator);

} // namespace zep
