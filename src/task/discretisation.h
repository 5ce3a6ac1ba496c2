#pragma once
// Discretisation of the graph: the discretised parameter (the cost when `discretisedIsCost` is 1,
// else the time) brought to whole tacts, the estimate of the number of phase states, the time levels
// of the subgraphs and the candidate threshold values.
#include "task/prep_outcome.h"
#include "task/task_record.h"

#include <vector>

namespace zep {

// A candidate threshold value as the threshold step lists it (already rounded to two decimals), and
// whether it starts ticked (it equals a stored threshold once both are in tacts).
struct ThresholdCandidate {
    double value = 0;
    bool checked = false;
};

struct DiscretisationResult {
    PrepOutcome outcome;
    bool thresholdsDropped = false; // the tact changed, the stored thresholds went
    std::vector<ThresholdCandidate> candidates;
};

// The discretisation (`CalcDiscrete`), after `compute_bounds`, with the values typed for the tact (> 0) and
// the scaling coefficient. Sets `roundingType`; takes the tact and the coefficient rounded to two decimals (a
// tact that differs from the stored one by 0.0001 or more drops the stored thresholds); sets `boundLower` and
// `boundUpper` from the top-level paths, `maxPhaseStates`, `levelTact`, the subgraph time levels and
// the counts of references and covered elements; lists the candidate thresholds. Refuses
// (TaskRefusal::TooManyPhaseStates, the estimate and its limit) when the phase-state estimate passes 20000;
// the levels, counts and candidates are then not computed. Throws std::invalid_argument for a tact that
// rounds to 0 or less.
DiscretisationResult discretise(TaskRecord& rec, double tact, double scalingCoef, int roundingType);

// A chosen threshold value in whole tacts (the task's rounding type and tact).
int threshold_in_tacts(const TaskRecord& rec, double value);

// The threshold list from the ticked candidates, in list order; `thresholdCount` follows. (The
// threshold step refuses none and more than ten before it stores.)
void store_thresholds(TaskRecord& rec, const std::vector<double>& chosenValues);

// The second-level mode's two thresholds: the graph's minimal and maximal possible time in tacts, in
// this order; `thresholdCount` is 1.
void store_second_level_thresholds(TaskRecord& rec);

// Every availability interval in tacts: `startTacts`, and `finishTacts` (-1 for an unbounded one).
void store_interval_tacts(TaskRecord& rec);

} // namespace zep
