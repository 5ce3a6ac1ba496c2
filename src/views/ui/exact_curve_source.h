#pragma once
// The exact time-cost curve as a series of the time-cost chart: its Pareto points, computed once and
// held here, in the chart's axes (time against cost, or cost against time when the time is minimised).
#include "exact/exact_optimum.h"
#include "views/time_cost_series.h"

namespace zep {

class ExactCurveSource : public TimeCostSource {
public:
    explicit ExactCurveSource(std::vector<exact::FrontierPoint> points) : points_(std::move(points)) {}

    std::vector<ChartSeries> series(const TaskRecord& rec, const Solution& solution,
                                    const ShellTables& shell) const override;

private:
    std::vector<exact::FrontierPoint> points_;
};

} // namespace zep
