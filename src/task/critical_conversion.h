#pragma once
// Conversion of ordinary operations into critical ones.
//
// The solver optimises every path on its own, so an operation that several paths share (one that lies
// before the last point where a nested chain leaves its chain, or after the first point where one
// enters it) must not leave a choice: it keeps one variant, its best one. The same holds inside every
// subgraph for the members' shared operations, and a subgraph shared that way must keep a single time
// level (it becomes critical).
#include "task/task_record.h"

namespace zep {

// (`modBase`) Makes the best variant of operation `opNo` of chain `chainNo` (numbers from 1) its first
// one by exchanging the two records: the smallest time when `criticalConversionMode` is 1, else the
// smallest cost; the first of equal ones. Only the variants already stored take part.
void move_best_variant_first(TaskRecord& rec, int chainNo, int opNo);

// Whether the current decomposition leaves shared operations of more than one variant, without
// changing an operation. As the check of a numbering does, the subgraphs found shared are made
// critical (one time level).
bool conversion_needed(TaskRecord& rec);

// (`ConvertToCritical`) Converts every shared operation of more than one variant: `move_best_variant_first`,
// then one variant; an operation whose `criticalMark` was 0 gets 1 and is counted. The critical flags are
// taken afresh from the current variant counts first. Returns the number counted.
int convert_shared_operations(TaskRecord& rec);
// The notice of converted operations is the wizard's: wizard/refusal_texts.h.

} // namespace zep
