#pragma once
// The exact optimum of a task beside the optimiser's answer.
//
// The task is optimised as the optimiser optimises it:
// - the cost minimised: the least total cost with the graph time within the threshold (tacts);
// - the time minimised on a single top-level path: the least graph time with the cost in tacts within
//   the threshold;
// - the second-level mode: the least graph time in tacts whose least cost keeps within the cost
//   threshold, feasible exactly as the search's probes are (the threshold × 1.0001 above the cost).
// A series–parallel network is solved by its reduction (reduction.h), any other one by the MIP (mip.h)
// under the time limit. Values are in the task's own units: costs in cost units, times in time units
// (tacts × tact when the time counts in tacts).
#include "exact/mip.h"
#include "exact/network.h"
#include "exact/reduction.h"

#include <optional>
#include <vector>

namespace zep::exact {

enum class TaskGoal { CostUnderDeadline, TimeUnderCostTacts, SecondLevel };

TaskGoal task_goal(const TaskRecord& rec);

struct ExactOptions {
    double timeLimitSeconds = 10; // for each MIP solve
    bool forceMip = false;        // solve by the MIP even when the network reduces
    // Asked during the MIP's searches (on the computing thread); when it answers true the computation
    // ends with SearchStopped. The reductions are not asked: they take no time worth stopping.
    StopRequest stopRequested;
};

struct ExactValue {
    bool feasible = false;
    bool proven = false;
    double value = 0; // task units
    double bound = 0; // task units; equal to value when proven
    Plan plan;
};

struct MethodValue {
    bool present = false; // the run gave a plan for every operation
    double value = 0;
    bool withinThreshold = false;
};

struct FrontierPoint {
    double time = 0; // time units: tacts × tact
    double cost = 0;
    bool proven = true;
};

class ExactTask {
public:
    // Throws NetworkError when the task has no network (unavailable resources, a cycle).
    ExactTask(const TaskRecord& rec, ExactOptions options);
    ExactTask(const ExactTask&) = delete; // the reductions refer to the network held here
    ExactTask& operator=(const ExactTask&) = delete;

    TaskGoal goal() const { return goal_; }
    bool reduces() const;
    const Network& network() const { return net_; }

    // Computation variant k (0-based) of the task: its threshold in task units, the exact optimum
    // under it, and the optimiser's plan measured the same way.
    int variant_count() const;
    double threshold(int k) const;
    ExactValue optimum(int k) const;
    MethodValue method_value(int k, const Plan& plan) const;

    // Every Pareto point (graph time in tacts × tact, least cost), from the shortest graph time up to
    // the shortest time at which the least cost of all is reached.
    std::vector<FrontierPoint> frontier() const;

private:
    ExactValue best_within(const std::optional<Reduction>& reduction, MipGoal goal, int bound,
                           double (*value_of)(const Network&, const Plan&)) const;
    ExactValue least_cost(int deadlineTacts) const;
    ExactValue least_time_within_cost_tacts(int costTacts) const;
    ExactValue least_tacts_within_cost() const;
    bool cost_keeps_within(double cost) const;

    ExactOptions options_;
    std::vector<int> thresholds_; // in tacts, as stored
    double costThreshold_ = 0;
    TaskGoal goal_;
    Network net_;
    std::optional<Reduction> costByDeadline_; // for the cost and second-level goals and the frontier
    std::optional<Reduction> timeByBudget_;   // for the time minimised on a single path
};

// (method − exact) / exact × 100; empty when either is missing or the optimum is 0 and they differ.
std::optional<double> gap_percent(const MethodValue& method, const ExactValue& exact);

} // namespace zep::exact
