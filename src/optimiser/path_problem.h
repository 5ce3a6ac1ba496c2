#pragma once
// One path optimisation problem and its result.
//
// A path is a sequence of elements; each element offers its variants, each with a weight (what the
// path minimises) and a discretised value in tacts (what the threshold limits). With temporarily
// unavailable resources a variant also names its resource category and whether its work may be
// suspended, and the value a variant consumes becomes the time it takes when started at a given moment
// (see elapsed_time.h).
//
// The method walks a graph of phase states (a, b): a = resource used so far (0 .. T), b = number of
// elements passed (0 .. E). Its states are numbered from the end towards the start (see
// phase_state_number) so that one relaxed value-iteration cycle visits every arc's target before the
// arc's own state.
#include "optimiser/run_parameters.h"

#include <cstdint>
#include <vector>

namespace zep {

struct PathVariant {
    double weight = 0;      // scaled cost, or scaled time when the time is minimised on a single path
    std::int32_t value = 0; // discretised value in tacts
    std::int32_t resourceCategory = 0; // 1-based; only read with unavailable resources
    std::int32_t noSuspend = 0;        // 1: the work may not be suspended while the resource is away
};

// One availability interval of a resource category, in tacts; `finish` < 0 has no end.
struct AvailabilityInterval {
    std::int32_t start = 0;
    std::int32_t finish = 0;
};

struct PathProblem {
    std::vector<std::vector<PathVariant>> elements; // element e (0-based) -> its variants in order
    std::int32_t threshold = 0;                     // T in tacts, >= 0
    bool hasUnavailableResources = false;
    // Category c (1-based) -> its intervals in file order, at index c - 1.
    std::vector<std::vector<AvailabilityInterval>> intervals;
};

// How a path optimisation ended. The iteration codes end the optimisation of the path; the trace codes
// come after convergence.
enum class PathCode : std::int32_t {
    Success = 0,
    NoRoute = 1,             // no route from the start state (iteration start or trace)
    NoAdmissibleVariant = 2, // a state on the way has no admissible variant (iteration or trace)
    IterationLimit = 3,      // ЛЧИ cycles passed without meeting КО
    ExceedsUpperBound = 4,   // the value found exceeds 1.1 × UB: the path cannot keep within T
};

// The pair stored for one element position by the trace.
struct TracedChoice {
    std::int32_t element = 0; // 1-based element number (0 for the terminal arc)
    std::int32_t variant = 0; // 1-based variant number; 0 for a special arc
    bool operator==(const TracedChoice&) const = default;
};

struct PathResult {
    std::int64_t phaseStates = 0;               // L = E × (T + 1) + 2
    double upperBound = 0;                      // UB: sum of each element's largest weight
    std::int32_t cycles = 0;                    // iteration cycles run
    PathCode iterationCode = PathCode::Success; // 0, 2, 3 or 4
    bool converged = false;                     // the cycles met КО (codes 0 and 4)
    double optimalValue = 0;                    // u after convergence (also set for code 4)

    // Trace, run only when the iteration ended with code 0.
    PathCode traceCode = PathCode::Success;           // 0, 1 or 2 (the last one met)
    std::vector<TracedChoice> trace;                  // one pair per element position reached
    std::int32_t brokenOption = 0;                    // code 1: the chosen option o (>= 0) met in the trace
    std::vector<std::int32_t> elementsWithoutVariant; // code 2 in the trace: element numbers, in order

    bool succeeded() const { return iterationCode == PathCode::Success && traceCode != PathCode::NoRoute; }
};

// Number of phase states of a path of E elements under threshold T.
inline std::int64_t phase_state_count(std::int64_t elements, std::int64_t threshold) {
    return elements * (threshold + 1) + 2;
}

// The number of state (a, b): 0 is the virtual state, 1 is (0, E), then (1, E) .. (T, E), (0, E - 1)
// and so on down to (T, 1); L - 1 is the start (0, 0).
inline std::int64_t phase_state_number(std::int64_t a, std::int64_t b, std::int64_t elements,
                                       std::int64_t threshold) {
    if (b == 0)
        return phase_state_count(elements, threshold) - 1;
    return 1 + (elements - b) * (threshold + 1) + a;
}

} // namespace zep
