#pragma once
// What the time–cost chart of a solved task draws, as series of points in the task's units: x is the
// parameter the thresholds bound (the time when the cost is minimised, the cost when the time is), y
// the minimised one. Each series comes from a source; the chart shows every source's series, so a new
// one (an exact curve, say) is one more source.
#include "common/shell_tables.h"
#include "optimiser/solution_file.h"
#include "task/task_record.h"
#include "views/view_text.h"

#include <memory>
#include <string>
#include <vector>

namespace zep {

struct ChartPoint {
    double x = 0;
    double y = 0;
    int variant = 0; // the computation variant from 1; 0 a point of no variant
    bool operator==(const ChartPoint&) const = default;
};

enum class SeriesStyle {
    JoinedPoints, // points joined in their order
    Markers,      // points alone
    Curve,        // a line without point marks
};

struct ChartSeries {
    std::string name;
    SeriesStyle style = SeriesStyle::JoinedPoints;
    std::vector<ChartPoint> points;
};

// The shell text that names the computed variants' series.
inline constexpr int kComputedVariantsText = static_cast<int>(ViewText::ComputedVariants);

struct TimeCostAxes {
    std::string x; // the bounded parameter with its unit
    std::string y; // the minimised parameter with its unit
};

TimeCostAxes time_cost_axes(const TaskRecord& rec, const ShellTables& shell);

class TimeCostSource {
public:
    virtual ~TimeCostSource() = default;
    virtual std::vector<ChartSeries> series(const TaskRecord& rec, const Solution& solution,
                                            const ShellTables& shell) const = 0;
};

// The computed variants of the solution (status not 0), in threshold order: the variants' results
// joined (graph time against total cost, or total cost against graph time), and their thresholds.
class ComputedVariantsSource : public TimeCostSource {
public:
    std::vector<ChartSeries> series(const TaskRecord& rec, const Solution& solution,
                                    const ShellTables& shell) const override;
};

// The sources a solution view shows, the computed variants first.
std::vector<std::shared_ptr<const TimeCostSource>> default_time_cost_sources();

// Every series of every source, in source order.
std::vector<ChartSeries> time_cost_series(const std::vector<std::shared_ptr<const TimeCostSource>>& sources,
                                          const TaskRecord& rec, const Solution& solution,
                                          const ShellTables& shell);

} // namespace zep
