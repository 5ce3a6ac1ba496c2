#pragma once
// Bounds of the network graph: the minimal and maximal possible time and cost of every top-level path
// and of the whole graph.
#include "task/prep_outcome.h"
#include "task/task_record.h"

namespace zep {

// The bounds (`CalcBounds`), after `unroll_paths` (and, with decomposition, `extract_subgraphs` and
// `bound_subgraphs`). Turns the top-level path elements into their decomposed form (a subgraph's span becomes
// one reference and covered elements), sums every top-level path (per chain: `pathTimeMin`, `pathTimeMax`,
// `pathCostMin`, `pathCostMax`), takes the graph's times as the largest path times and its costs as
// the sums of the path costs, gathers `baseCostTotal`, sets the counts of real operations and marks the
// bounds valid. The time of the graph is the time of its longest path; with unavailable resources
// every real operation takes its gross time from the two possible start moments the path's running
// sums give (see gross_duration). Refuses (TaskRefusal::UnboundedOperation, naming the operation) at the
// first element after which its path cannot be bounded; the bounds then stay invalid.
PrepOutcome compute_bounds(TaskRecord& rec);

} // namespace zep
