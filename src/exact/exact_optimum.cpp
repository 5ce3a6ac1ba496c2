#include "exact/exact_optimum.h"

#include "exact/mip.h"

#include <algorithm>
#include <cmath>

namespace zep::exact {
namespace {

ExactValue infeasible(bool proven) {
    ExactValue v;
    v.proven = proven;
    return v;
}

} // namespace

TaskGoal task_goal(const TaskRecord& rec) {
    const MinimisedParam minimised = minimised_parameter(rec.header);
    if (minimised == MinimisedParam::Cost)
        return TaskGoal::CostUnderDeadline;
    const DiscretisedParam d = discretised_parameter(minimised, top_level_path_count(rec));
    return d == DiscretisedParam::Cost ? TaskGoal::TimeUnderCostTacts : TaskGoal::SecondLevel;
}

ExactTask::ExactTask(const TaskRecord& rec, ExactOptions options)
    : options_(options), thresholds_(rec.thresholds), costThreshold_(rec.header.costThreshold),
      goal_(task_goal(rec)), net_(build_network(rec)) {
    costByDeadline_ = Reduction::reduce(net_, Objective::CostUnderDeadline);
    if (goal_ == TaskGoal::TimeUnderCostTacts)
        timeByBudget_ = Reduction::reduce(net_, Objective::TimeUnderBudget);
}

bool ExactTask::reduces() const {
    return goal_ == TaskGoal::TimeUnderCostTacts ? timeByBudget_.has_value() : costByDeadline_.has_value();
}

int ExactTask::variant_count() const {
    return goal_ == TaskGoal::SecondLevel ? 1 : static_cast<int>(thresholds_.size());
}

double ExactTask::threshold(int k) const {
    if (goal_ == TaskGoal::SecondLevel)
        return costThreshold_;
    return thresholds_.at(static_cast<std::size_t>(k)) * net_.tact;
}

bool ExactTask::cost_keeps_within(double cost) const {
    return costThreshold_ * 1.0001 > cost;
}

ExactValue ExactTask::optimum(int k) const {
    switch (goal_) {
    case TaskGoal::CostUnderDeadline:
        return least_cost(thresholds_.at(static_cast<std::size_t>(k)));
    case TaskGoal::TimeUnderCostTacts:
        return least_time_within_cost_tacts(thresholds_.at(static_cast<std::size_t>(k)));
    case TaskGoal::SecondLevel:
        return least_tacts_within_cost();
    }
    return {};
}

// The best plan within a bound: read off the reduction when the network reduces, else from the MIP.
ExactValue ExactTask::best_within(const std::optional<Reduction>& reduction, MipGoal goal, int bound,
                                  double (*value_of)(const Network&, const Plan&)) const {
    ExactValue out;
    if (reduction && !options_.forceMip) {
        if (reduction->function().at(bound) == kInfinite)
            return infeasible(true);
        out.plan = reduction->plan_at(bound);
        out.proven = true;
    } else {
        MipOutcome m = solve_mip(net_, goal, bound, options_.timeLimitSeconds, options_.stopRequested);
        if (!m.feasible)
            return infeasible(m.proven);
        out.plan = std::move(m.plan);
        out.proven = m.proven;
        out.bound = m.bound;
    }
    out.feasible = true;
    out.value = value_of(net_, out.plan);
    if (out.proven)
        out.bound = out.value;
    return out;
}

ExactValue ExactTask::least_cost(int deadlineTacts) const {
    return best_within(costByDeadline_, MipGoal::CostUnderDeadline, deadlineTacts, plan_cost);
}

ExactValue ExactTask::least_time_within_cost_tacts(int costTacts) const {
    return best_within(timeByBudget_, MipGoal::TimeUnderCostTacts, costTacts, plan_time);
}

ExactValue ExactTask::least_tacts_within_cost() const {
    ExactValue out;
    if (costByDeadline_ && !options_.forceMip) {
        const StepFunction& f = costByDeadline_->function();
        int x = f.lo;
        while (x <= f.hi() && !cost_keeps_within(f.at(x)))
            ++x;
        if (x > f.hi())
            return infeasible(true);
        out.plan = costByDeadline_->plan_at(x);
        out.proven = true;
    } else {
        // The search's feasibility is strict: the cost stays below the threshold × 1.0001. The MIP only
        // takes "at most", and within its own tolerance: a relative hair below the limit keeps a plan that
        // costs the limit itself out.
        const double limit = costThreshold_ * 1.0001;
        const double strict = limit - 1e-9 * std::max(1.0, std::fabs(limit));
        MipOutcome m = solve_mip(net_, MipGoal::TactsUnderCost, strict, options_.timeLimitSeconds,
                                 options_.stopRequested);
        if (!m.feasible)
            return infeasible(m.proven);
        out.plan = std::move(m.plan);
        out.proven = m.proven;
        // The MIP's bound on a whole number of tacts comes as a real that may lie a hair above it: that
        // hair must not round it up by a tact.
        out.bound = std::ceil(m.bound - 1e-6) * net_.tact;
    }
    out.feasible = true;
    out.value = plan_time_tacts(net_, out.plan) * net_.tact;
    if (out.proven)
        out.bound = out.value;
    return out;
}

MethodValue ExactTask::method_value(int k, const Plan& plan) const {
    MethodValue m;
    if (!is_complete(net_, plan))
        return m;
    m.present = true;
    switch (goal_) {
    case TaskGoal::CostUnderDeadline:
        m.value = plan_cost(net_, plan);
        m.withinThreshold = plan_time_tacts(net_, plan) <= thresholds_.at(static_cast<std::size_t>(k));
        break;
    case TaskGoal::TimeUnderCostTacts:
        m.value = plan_time(net_, plan);
        m.withinThreshold = plan_cost_tacts(net_, plan) <= thresholds_.at(static_cast<std::size_t>(k));
        break;
    case TaskGoal::SecondLevel:
        m.value = plan_time_tacts(net_, plan) * net_.tact;
        m.withinThreshold = cost_keeps_within(plan_cost(net_, plan));
        break;
    }
    return m;
}

std::vector<FrontierPoint> ExactTask::frontier() const {
    std::vector<FrontierPoint> points;
    if (costByDeadline_ && !options_.forceMip) {
        const StepFunction& f = costByDeadline_->function();
        for (int x : f.drops())
            points.push_back({x * net_.tact, f.at(x), true});
        return points;
    }
    // The epsilon-constraint walk: each point's graph time less one tact bounds the next solve.
    const int shortest = shortest_time_tacts(net_);
    for (int T = longest_time_tacts(net_); T >= shortest;) {
        const ExactValue v = least_cost(T);
        if (!v.feasible)
            break;
        const int t = plan_time_tacts(net_, v.plan);
        const FrontierPoint p{t * net_.tact, v.value, v.proven};
        if (!points.empty() && points.back().cost == p.cost)
            points.back() = p; // the same cost sooner
        else
            points.push_back(p);
        T = t - 1;
    }
    std::reverse(points.begin(), points.end());
    return points;
}

std::optional<double> gap_percent(const MethodValue& method, const ExactValue& exact) {
    if (!method.present || !exact.feasible)
        return std::nullopt;
    if (exact.value == 0)
        return method.value == 0 ? std::optional<double>(0.0) : std::nullopt;
    // The same plan summed in another order differs in its last bits: that is no gap.
    if (std::fabs(method.value - exact.value) <= 1e-12 * std::fabs(exact.value))
        return 0.0;
    return (method.value - exact.value) / exact.value * 100.0;
}

} // namespace zep::exact
