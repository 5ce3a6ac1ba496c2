#pragma once
// The MIP model of a task for networks that do not reduce: one binary per variant (exactly one per
// operation), a start time per event (the start of the graph at 0), and for every operation its end
// event no earlier than its start event plus the chosen variant's duration. Solved by CBC under a time
// limit; when the limit ends the search, the best plan found and the best bound are reported unproven.
#include "exact/network.h"

#include <exception>
#include <functional>

namespace zep::exact {

enum class MipGoal {
    CostUnderDeadline,  // least cost, graph time within `limit` tacts
    TimeUnderCostTacts, // least graph time in time units, the cost in tacts within `limit`
    TactsUnderCost,     // least graph time in tacts, the cost within `limit` (cost units)
};

struct MipOutcome {
    bool feasible = false; // a plan was found
    bool proven = false;   // optimal, or proven infeasible
    double value = 0;      // the objective of the plan found
    double bound = 0;      // the best bound (equal to value when proven)
    Plan plan;
};

// Asked now and then during a search (from the searching thread): true stops it.
using StopRequest = std::function<bool()>;

// A search stopped on request: nothing it found is reported.
struct SearchStopped : std::exception {
    const char* what() const noexcept override { return "the search was stopped"; }
};

// Throws SearchStopped when `stop` (if set) asks for it before, during or at the end of the search.
MipOutcome solve_mip(const Network& net, MipGoal goal, double limit, double timeLimitSeconds,
                     const StopRequest& stop = {});

} // namespace zep::exact
