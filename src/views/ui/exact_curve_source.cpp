#include "views/ui/exact_curve_source.h"

#include "exact/report_text.h"

#include <algorithm>

namespace zep {

// The least value for a bound is a step function of the bound: it holds from one Pareto point up to
// the next, then drops. The curve is drawn so, the corner (next bound, value so far) between each two
// points; the Pareto points are the even ones.
std::vector<ChartSeries> ExactCurveSource::series(const TaskRecord& rec, const Solution&,
                                                  const ShellTables& shell) const {
    const bool timeMinimised = minimised_parameter(rec.header) == MinimisedParam::Time;
    std::vector<ChartPoint> pareto;
    for (const exact::FrontierPoint& p : points_)
        pareto.push_back(timeMinimised ? ChartPoint{p.cost, p.time, 0} : ChartPoint{p.time, p.cost, 0});
    std::sort(pareto.begin(), pareto.end(),
              [](const ChartPoint& a, const ChartPoint& b) { return a.x < b.x; });
    ChartSeries curve{exact::exact_text(shell, exact::ExactText::Curve), SeriesStyle::Curve, {}};
    for (std::size_t i = 0; i < pareto.size(); ++i) {
        if (i > 0)
            curve.points.push_back({pareto[i].x, pareto[i - 1].y, 0});
        curve.points.push_back(pareto[i]);
    }
    return {curve};
}

} // namespace zep
