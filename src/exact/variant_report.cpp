#include "exact/variant_report.h"

#include <algorithm>

namespace zep::exact {

Plan method_plan(const Solution& s, std::size_t k) {
    if (k >= s.status.size() || run_status(s, k) == RunStatus::NotSolved || k >= s.variantChoice.size())
        return {};
    Plan plan;
    for (const auto& chain : s.variantChoice[k])
        plan.emplace_back(chain.begin(), chain.end());
    return plan;
}

VariantReport variant_report(const ExactTask& task, const Solution& solution, int k) {
    VariantReport r;
    r.variant = k + 1;
    r.threshold = task.threshold(k);
    r.method = task.method_value(k, method_plan(solution, static_cast<std::size_t>(k)));
    r.exact = task.optimum(k);
    r.gap = gap_percent(r.method, r.exact);
    return r;
}

int reported_variant_count(const ExactTask& task, const Solution& solution) {
    return std::min(task.variant_count(), static_cast<int>(solution.status.size()));
}

std::vector<MethodPoint> method_points(const ExactTask& task, const Solution& solution) {
    std::vector<MethodPoint> points;
    for (std::size_t k = 0; k < solution.status.size(); ++k) {
        const Plan plan = method_plan(solution, k);
        if (is_complete(task.network(), plan))
            points.push_back({static_cast<int>(k + 1),
                              plan_time_tacts(task.network(), plan) * task.network().tact,
                              plan_cost(task.network(), plan)});
    }
    return points;
}

} // namespace zep::exact
