#pragma once
// What one threshold run leaves behind, and the assembly of the stored solution of a run from it: the
// chosen subgraph levels, the variant of every operation, the cycle count of every chain and, without
// unavailable resources, the start moment of every chain and the time of the whole graph.
#include "optimiser/path_problem.h"
#include "optimiser/solution_file.h"
#include "task/solver_input.h"

#include <cstdint>
#include <vector>

namespace zep {

// One path of a run: the traced choice of each element position reached and its cycle count (0 when the
// path did not converge).
struct PathRecord {
    std::vector<TracedChoice> trace;
    std::int32_t cycles = 0;
};

struct RunRecord {
    std::vector<PathRecord> paths;   // one per path of the (sub)graph, in order
    double total = 0;                // sum of the paths' optimal values less the base cost
    bool complete = false;           // every path converged and traced without a break
    bool failed = false;             // a path ended with an iteration code (the level is infeasible)
    bool traceBroken = false;        // a trace ended with code 1
    bool choseUnusableLevel = false; // the whole graph kept within T only through an unusable level
    std::int64_t maxPhaseStates = 0;
};

// Fills run k of `out` (choices, cycle counts, chain times and graph time) from the top-level run record
// and the subgraph runs at their chosen levels; `subgraphRuns[s][level]`.
void assemble_run(const SolverInput& in, const std::vector<std::vector<RunRecord>>& subgraphRuns,
                  const RunRecord& top, std::size_t k, Solution& out);

} // namespace zep
