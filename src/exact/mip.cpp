#include "exact/mip.h"

#include <coin/Cbc_C_Interface.h>

#include <limits>
#include <memory>
#include <string>

namespace zep::exact {
namespace {

struct ModelDeleter {
    void operator()(Cbc_Model* m) const { Cbc_deleteModel(m); }
};

struct Columns {
    std::vector<std::vector<int>> variant; // per network operation, per variant: its column
    std::vector<int> event;                // per event: its start-time column
};

Columns add_columns(Cbc_Model* m, const Network& net, MipGoal goal, double limit) {
    Columns c;
    for (const NetworkOperation& o : net.operations) {
        std::vector<int> cols;
        for (const OperationVariant& v : o.variants) {
            cols.push_back(Cbc_getNumCols(m));
            const double objective = goal == MipGoal::CostUnderDeadline ? v.cost : 0.0;
            Cbc_addCol(m, "", 0.0, 1.0, objective, 1, 0, nullptr, nullptr);
        }
        c.variant.push_back(std::move(cols));
    }
    for (int e = 0; e < net.eventCount; ++e) {
        c.event.push_back(Cbc_getNumCols(m));
        double ub = e == net.source ? 0.0 : std::numeric_limits<double>::max();
        if (e == net.sink && goal == MipGoal::CostUnderDeadline)
            ub = limit;
        const double objective = e == net.sink && goal != MipGoal::CostUnderDeadline ? 1.0 : 0.0;
        Cbc_addCol(m, "", 0.0, ub, objective, 0, 0, nullptr, nullptr);
    }
    return c;
}

double duration(const OperationVariant& v, MipGoal goal) {
    return goal == MipGoal::TimeUnderCostTacts ? v.time : static_cast<double>(v.timeTacts);
}

void add_rows(Cbc_Model* m, const Network& net, MipGoal goal, double limit, const Columns& c) {
    std::vector<int> budgetCols;
    std::vector<double> budgetCoefs;
    for (std::size_t i = 0; i < net.operations.size(); ++i) {
        const NetworkOperation& o = net.operations[i];
        std::vector<int> cols = c.variant[i];
        std::vector<double> ones(cols.size(), 1.0);
        Cbc_addRow(m, "", static_cast<int>(cols.size()), cols.data(), ones.data(), 'E', 1.0);
        // end - start - sum(duration × x) >= 0
        std::vector<double> coefs;
        for (const OperationVariant& v : o.variants)
            coefs.push_back(-duration(v, goal));
        cols.push_back(c.event[static_cast<std::size_t>(o.to)]);
        coefs.push_back(1.0);
        cols.push_back(c.event[static_cast<std::size_t>(o.from)]);
        coefs.push_back(-1.0);
        Cbc_addRow(m, "", static_cast<int>(cols.size()), cols.data(), coefs.data(), 'G', 0.0);
        for (std::size_t v = 0; v < o.variants.size(); ++v) {
            budgetCols.push_back(c.variant[i][v]);
            budgetCoefs.push_back(goal == MipGoal::TimeUnderCostTacts ? o.variants[v].costTacts
                                                                      : o.variants[v].cost);
        }
    }
    if (goal != MipGoal::CostUnderDeadline)
        Cbc_addRow(m, "", static_cast<int>(budgetCols.size()), budgetCols.data(), budgetCoefs.data(), 'L',
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

MipOutcome solve_mip(const Network& net, MipGoal goal, double limit, double timeLimitSeconds) {
    std::unique_ptr<Cbc_Model, ModelDeleter> model(Cbc_newModel());
    Cbc_Model* m = model.get();
    Cbc_setLogLevel(m, 0);
    Cbc_setMaximumSeconds(m, timeLimitSeconds);
    const Columns c = add_columns(m, net, goal, limit);
    add_rows(m, net, goal, limit, c);
    Cbc_solve(m);

    MipOutcome out;
    out.proven = Cbc_isProvenOptimal(m) || Cbc_isProvenInfeasible(m);
    const double* x = Cbc_bestSolution(m);
    if (!x || Cbc_isProvenInfeasible(m))
        return out;
    out.plan = plan_of(net, c, x);
    out.feasible = is_complete(net, out.plan);
    out.value = Cbc_getObjValue(m);
    out.bound = out.proven ? out.value : Cbc_getBestPossibleObjValue(m);
    return out;
}

} // namespace zep::exact
