#pragma once
// The second-level search: when the time is minimised on a graph of several paths, the threshold runs
// of the whole graph become probes of a time threshold between the graph's minimal and maximal time
// (T0, T1, in tacts), looking for the smallest threshold whose cost stays under the cost threshold.
//
// The first three probes halve the distance (D / 2, then moves of D / 4, D / 8, D / 16, each taken to
// the nearest integer with an exact half to the even neighbour); from the fourth on the probe walks by
// `thresholdStep` until the feasibility flips or a bound is reached, and gives up after
// `secondLevelIterations` probes.
#include <cstdint>

namespace zep {

class SecondLevelSearch {
public:
    enum class Step {
        NextProbe,           // probe again at current()
        ResultThisProbe,     // the probe just made is the result
        ResultPreviousProbe, // the previous probe kept is the result (none kept: no choices)
        LimitUsedUp,         // `secondLevelIterations` probes made; the probe just made is kept as previous
    };

    // `costLimit` is the scaled cost threshold L; a probe is feasible when L × 1.0001 exceeds its total.
    // The total is made of converged values, which reach the plan's cost only to within the stopping
    // criterion: the ten-thousandth lets a plan that costs L itself pass.
    SecondLevelSearch(std::int32_t lowest, std::int32_t highest, std::int32_t thresholdStep,
                      std::int32_t iterationLimit, double costLimit);

    std::int32_t current() const { return current_; }
    std::int32_t probes() const { return probes_; }

    // After a probe with its total. A probe that did not go through all its paths has no total worth
    // comparing and counts as infeasible. On NextProbe with keepAsPrevious set, the probe just made
    // becomes the previous probe (the caller copies its choices); LimitUsedUp also keeps it.
    struct Decision {
        Step step;
        bool keepAsPrevious;
    };
    Decision after_probe(double total, bool complete);

    bool feasible(double total) const { return costLimit_ * 1.0001 > total; }

private:
    std::int32_t lowest_, highest_, step_, limit_;
    double costLimit_;
    std::int32_t distance_;
    std::int32_t current_;
    std::int32_t probes_ = 0;
    bool feasibleSeen_ = false, infeasibleSeen_ = false;
};

} // namespace zep
