#include "views/gantt_model.h"

#include <algorithm>

namespace zep {

std::vector<GanttPeriod> unavailable_periods(const std::vector<ResourceInterval>& intervals, double span) {
    std::vector<GanttPeriod> periods;
    double availableUntil = 0; // the resource is known to be available up to here
    for (const ResourceInterval& in : intervals) {
        if (in.start > availableUntil && availableUntil < span)
            periods.push_back({availableUntil, std::min(in.start, span)});
        if (is_unbounded_finish(in.finish))
            return periods;
        availableUntil = std::max(availableUntil, in.finish);
    }
    if (availableUntil < span)
        periods.push_back({availableUntil, GanttPeriod{}.to});
    return periods;
}

GanttChart gantt_chart(const TaskRecord& rec, const Schedule& schedule) {
    GanttChart chart;
    chart.timeUnit = rec.header.timeUnit;
    const bool resources = rec.header.has_unavailable_resources();
    for (std::size_t c = 0; c < schedule.chains.size() && c < rec.chains.size(); ++c) {
        const ChainRec& ch = rec.chains[c];
        for (std::size_t k = 0; k < schedule.chains[c].operations.size() && k < ch.operations.size(); ++k) {
            const OperationSchedule& s = schedule.chains[c].operations[k];
            const OperationRec& op = ch.operations[k];
            GanttBar b;
            b.chain = static_cast<int>(c) + 1;
            b.op = static_cast<int>(k) + 1;
            b.chainName = ch.name;
            b.opName = op.name;
            b.variant = s.variant;
            if (s.variant >= 1 && s.variant <= static_cast<int>(op.variants.size())) {
                b.essence = op.variants[s.variant - 1].essence;
                b.category = op.variants[s.variant - 1].resourceCategory;
            }
            b.start = s.start;
            b.duration = s.duration;
            b.slack = s.slack;
            b.cost = s.cost;
            b.critical = s.slack == 0;
            chart.span = std::max({chart.span, b.finish(), b.finish() + b.slack});
            chart.bars.push_back(std::move(b));
        }
    }
    chart.span = std::max(chart.span, schedule.graphTime);
    if (resources)
        for (GanttBar& b : chart.bars)
            if (b.category >= 1 && b.category <= static_cast<int>(rec.resourceIntervals.size()))
                b.unavailable = unavailable_periods(rec.resourceIntervals[b.category - 1], chart.span);
    return chart;
}

} // namespace zep
