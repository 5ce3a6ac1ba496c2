#pragma once
// What the Gantt chart of a computation variant draws: one bar per operation from its start to its
// finish, grouped by chain, its slack after it, whether it is critical, and, for a task with
// temporarily unavailable resources, the periods in which the resource of its chosen variant cannot
// be used. Plain data; the chart widget only paints it.
#include "task/task_record.h"
#include "views/schedule.h"

#include <limits>
#include <string>
#include <vector>

namespace zep {

// A period without the resource; `to` is infinite when the resource never comes back.
struct GanttPeriod {
    double from = 0;
    double to = std::numeric_limits<double>::infinity();
    bool operator==(const GanttPeriod&) const = default;
};

struct GanttBar {
    int chain = 0; // from 1
    int op = 0;    // from 1
    std::string chainName;
    std::string opName;
    int variant = 0; // chosen variant from 1; 0 none
    std::string essence;
    int category = 0; // resource category of the chosen variant (tasks with unavailable resources)
    double start = 0;
    double duration = 0; // actual duration
    double slack = 0;
    double cost = 0;
    bool critical = false;                // slack 0
    std::vector<GanttPeriod> unavailable; // within the chart's span, in time order
    double finish() const { return start + duration; }
};

struct GanttChart {
    std::vector<GanttBar> bars; // chain by chain, operation by operation
    double span = 0;            // the time axis runs from 0 to here: the latest finish or latest start
    std::string timeUnit;
};

// The periods in which a category with these availability intervals is unavailable, from 0 to `span`:
// the gaps before, between and after the intervals (none after an unbounded one).
std::vector<GanttPeriod> unavailable_periods(const std::vector<ResourceInterval>& intervals, double span);

GanttChart gantt_chart(const TaskRecord& rec, const Schedule& schedule);

} // namespace zep
