#include "views/ui/exact_curve_source.h"

#include "exact/report_text.h"

namespace zep {

std::vector<ChartSeries> ExactCurveSource::series(const TaskRecord& rec, const Solution&,
                                                  const ShellTables& shell) const {
    const bool timeMinimised = rec.header.minimisedParam == 1;
    ChartSeries curve{exact::exact_text(shell, exact::ExactText::Curve), SeriesStyle::JoinedPoints, {}};
    for (const exact::FrontierPoint& p : points_)
        curve.points.push_back(timeMinimised ? ChartPoint{p.cost, p.time, 0} : ChartPoint{p.time, p.cost, 0});
    return {curve};
}

} // namespace zep
