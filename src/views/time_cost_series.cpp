#include "views/time_cost_series.h"

#include "common/task_texts.h"
#include "optimiser/unit_keys.h"
#include "views/schedule.h"

namespace zep {
namespace {

bool time_minimised(const TaskRecord& rec) {
    return minimised_parameter(rec.header) == MinimisedParam::Time;
}

// The variant's threshold in the bounded parameter's units, as the variant list shows it.
double threshold_of(const TaskRecord& rec, int run) {
    if (second_level_mode(rec))
        return rec.header.costThreshold;
    return run < static_cast<int>(rec.thresholds.size()) ? rec.thresholds[run] * rec.header.tact : 0;
}

} // namespace

TimeCostAxes time_cost_axes(const TaskRecord& rec, const ShellTables& t) {
    const std::string time = in_unit(task_text(t, TaskText::ExecutionTime), rec.header.timeUnit);
    const std::string cost = in_unit(task_text(t, TaskText::ExecutionCost), rec.header.costUnit);
    return time_minimised(rec) ? TimeCostAxes{cost, time} : TimeCostAxes{time, cost};
}

std::vector<ChartSeries> ComputedVariantsSource::series(const TaskRecord& rec, const Solution& solution,
                                                        const ShellTables& t) const {
    const bool time = time_minimised(rec);
    ChartSeries results{view_text(t, ViewText::ComputedVariants), SeriesStyle::JoinedPoints, {}};
    ChartSeries thresholds{time ? task_text(t, TaskText::CostThreshold)
                                : view_text(t, ViewText::TimeThresholdSeries),
                           SeriesStyle::Markers,
                           {}};
    const int runs = static_cast<int>(solution.status.size());
    for (int run = 0; run < runs; ++run) {
        if (run_status(solution, run) == RunStatus::NotSolved)
            continue;
        const Schedule s = compute_schedule(rec, solution, run);
        const double x = time ? s.totalCost : s.graphTime;
        const double y = time ? s.graphTime : s.totalCost;
        results.points.push_back({x, y, run + 1});
        thresholds.points.push_back({threshold_of(rec, run), y, run + 1});
    }
    return {results, thresholds};
}

std::vector<std::shared_ptr<const TimeCostSource>> default_time_cost_sources() {
    return {std::make_shared<ComputedVariantsSource>()};
}

std::vector<ChartSeries> time_cost_series(const std::vector<std::shared_ptr<const TimeCostSource>>& sources,
                                          const TaskRecord& rec, const Solution& solution,
                                          const ShellTables& shell) {
    std::vector<ChartSeries> all;
    for (const auto& source : sources)
        for (ChartSeries& s : source->series(rec, solution, shell))
            all.push_back(std::move(s));
    return all;
}

} // namespace zep
