#pragma once
// The schedule of one computation variant of a solved task, recomputed from the stored choices: the
// start moment, actual duration, slack and latest start of every operation, the finish and cost of
// every chain, the graph time and the total cost.
//
// Without unavailable resources a chain's first operation starts at the chain time the solution
// stored (divided by the scaling coefficient), every next one when the one before it ends and no
// earlier than the finish of a nested chain entering the chain at the end of the one before it; the
// graph time is the stored one. With unavailable resources the moments come from the chains' unrolled
// paths (ResourceSchedule) and the graph time is the latest chain finish.
#include "optimiser/solution_file.h"
#include "views/slack_search.h"

#include <vector>

namespace zep {

struct OperationSchedule {
    int variant = 0;  // chosen variant from 1; 0 none
    double start = 0; // earliest start
    double slack = 0;
    double latestStart = 0; // start + slack
    double duration = 0;    // actual duration (with unavailable resources), else the variant's time
    double netTime = 0;     // the chosen variant's time
    double cost = 0;        // the chosen variant's cost
};

struct ChainSchedule {
    std::vector<OperationSchedule> operations;
    double finish = 0; // start of the last operation plus its duration
    double cost = 0;   // sum of the chosen variants' costs
    int cycles = 0;    // optimisation cycles of the chain's path (from the solution)
};

struct Schedule {
    std::vector<ChainSchedule> chains;
    double graphTime = 0;
    double totalCost = 0;
    double slackStep = 0;  // ε
    double completion = 0; // the undelayed completion moment the slack is measured against
};

// The schedule of run `run` (0-based) of `solution`. The solution must have the task's shape
// (read_solution_file checks it); a run index outside the solution gives std::out_of_range.
Schedule compute_schedule(const TaskRecord& rec, const Solution& solution, int run,
                          SlackMethod method = SlackMethod::Fast);

} // namespace zep
