#pragma once
// The reference method for one path, written as plainly as the method reads: a list of arc records per
// phase state, a lookup table of state numbers, and the relaxed value-iteration cycles walked state by
// state and arc by arc. The fast solver must agree with it bit for bit.
#include "optimiser/path_problem.h"

#include <cstdint>
#include <vector>

namespace zep::reference {

struct Arc {
    std::int64_t state = 0;    // owning state
    std::int32_t id = 0;       // -1, -2, .. in creation order within the state
    std::int32_t arcCount = 0; // held by the state's first arc
    std::int32_t element = 0;  // 1-based; 0 for the terminal arc
    std::int32_t variant = 0;  // 1-based; 0 for the self-arc and the terminal arc
    std::int64_t target = 0;
    double weight = 0;
};

struct LiteralOutcome {
    PathResult result;
    std::vector<std::int32_t> chosenOptions; // per state after the last cycle
    std::vector<double> values;              // V_new per state after the last cycle
    std::int64_t arcCount = 0;
};

LiteralOutcome solve_path_literally(const PathProblem& problem, const IterationParams& params);

} // namespace zep::reference
