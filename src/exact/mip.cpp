#include "exact/mip.h"

#include <CbcEventHandler.hpp>
#include <CbcModel.hpp>
#include <CbcSolver.hpp>
#include <OsiClpSolverInterface.hpp>

#include <limits>

namespace zep::exact {
namespace {

// Asks at every event of the search whether the search is to stop, and stops it at the next chance when
// so. The solution events are left alone: a found plan is kept.
class StopOnRequest : public CbcEventHandler {
public:
    explicit StopOnRequest(const StopRequest& stop) : stop_(stop) {}
    CbcAction event(CbcEvent which) override {
        if (which == beforeSolution1 || which == beforeSolution2 || which == endSearch)
            return noAction;
        return stop_() ? stop : noAction;
    }
    CbcEventHandler* clone() const override { return new StopOnRequest(*this); }

private:
    const StopRequest& stop_;
};

struct Columns {
    std::vector<std::vector<int>> variant; // per network operation, per variant: its column
    std::vector<int> event;                // per event: its start-time column
};

Columns add_columns(OsiSolverInterface& m, const Network& net, MipGoal goal, double limit) {
    Columns c;
    for (const NetworkOperation& o : net.operations) {
        std::vector<int> cols;
        for (const OperationVariant& v : o.variants) {
            cols.push_back(m.getNumCols());
            const double objective = goal == MipGoal::CostUnderDeadline ? v.cost : 0.0;
            m.addCol(0, nullptr, nullptr, 0.0, 1.0, objective);
            m.setInteger(cols.back());
        }
        c.variant.push_back(std::move(cols));
    }
    for (int e = 0; e < net.eventCount; ++e) {
        c.event.push_back(m.getNumCols());
        double ub = e == net.source ? 0.0 : std::numeric_limits<double>::max();
        if (e == net.sink && goal == MipGoal::CostUnderDeadline)
            ub = limit;
        const double objective = e == net.sink && goal != MipGoal::CostUnderDeadline ? 1.0 : 0.0;
        m.addCol(0, nullptr, nullptr, 0.0, ub, objective);
    }
    return c;
}

double duration(const OperationVariant& v, MipGoal goal) {
    return goal == MipGoal::TimeUnderCostTacts ? v.time : static_cast<double>(v.timeTacts);
}

constexpr double kNoBound = std::numeric_limits<double>::max();

void add_rows(OsiSolverInterface& m, const Network& net, MipGoal goal, double limit, const Columns& c) {
    std::vector<int> budgetCols;
    std::vector<double> budgetCoefs;
    for (std::size_t i = 0; i < net.operations.size(); ++i) {
        const NetworkOperation& o = net.operations[i];
        std::vector<int> cols = c.variant[i];
        std::vector<double> ones(cols.size(), 1.0);
        m.addRow(static_cast<int>(cols.size()), cols.data(), ones.data(), 1.0, 1.0);
        // end - start - sum(duration × x) >= 0
        std::vector<double> coefs;
        for (const OperationVariant& v : o.variants)
            coefs.push_back(-duration(v, goal));
        cols.push_back(c.event[static_cast<std::size_t>(o.to)]);
        coefs.push_back(1.0);
        cols.push_back(c.event[static_cast<std::size_t>(o.from)]);
        coefs.push_back(-1.0);
        m.addRow(static_cast<int>(cols.size()), cols.data(), coefs.data(), 0.0, kNoBound);
        for (std::size_t v = 0; v < o.variants.size(); ++v) {
            budgetCols.push_back(c.variant[i][v]);
            budgetCoefs.push_back(goal == MipGoal::TimeUnderCostTacts ? o.variants[v].costTacts
                                                                      : o.variants[v].cost);
        }
    }
    if (goal != MipGoal::CostUnderDeadline)
        m.addRow(static_cast<int>(budgetCols.size()), budgetCols.data(), budgetCoefs.data(), -kNoBound,
                 limit);
}

Plan plan_of(const Network& net, const Columns& c, const double* x) {
    Plan plan;
    for (int n : net.opCounts)
        plan.emplace_back(static_cast<std::size_t>(n), 0);
    for (std::size_t i = 0; i < net.operations.size(); ++i) {
        const NetworkOperation& o = net.operations[i];
        for (std::size_t v = 0; v < c.variant[i].size(); ++v)
            if (x[c.variant[i][v]] > 0.5)
                plan[static_cast<std::size_t>(o.chain - 1)][static_cast<std::size_t>(o.op - 1)] =
                    static_cast<int>(v + 1);
    }
    return plan;
}

} // namespace

MipOutcome solve_mip(const Network& net, MipGoal goal, double limit, double timeLimitSeconds,
                     const StopRequest& stop) {
    if (stop && stop())
        throw SearchStopped();
    // The model as the solver's own command line sets it up: its defaults, then "solve".
    OsiClpSolverInterface lp;
    CbcModel model(lp);
    CbcSolverUsefulData data;
    CbcMain0(model, data);
    data.noPrinting_ = false;
    model.setLogLevel(0);
    model.setMaximumSeconds(timeLimitSeconds);
    const Columns c = add_columns(*model.solver(), net, goal, limit);
    add_rows(*model.solver(), net, goal, limit, c);
    if (stop) {
        StopOnRequest handler(stop);
        model.passInEventHandler(&handler);
    }
    const char* argv[] = {"zep", "-solve", "-quit"};
    CbcMain1(3, argv, model, nullptr, data);
    if (stop && stop())
        throw SearchStopped();

    MipOutcome out;
    out.proven = model.isProvenOptimal() || model.isProvenInfeasible();
    const double* x = model.bestSolution();
    if (!x || model.isProvenInfeasible())
        return out;
    out.plan = plan_of(net, c, x);
    out.feasible = is_complete(net, out.plan);
    out.value = model.getObjValue();
    out.bound = out.proven ? out.value : model.getBestPossibleObjValue();
    return out;
}

} // namespace zep::exact
