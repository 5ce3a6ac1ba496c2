#include "task/gross_time.h"

namespace zep {

std::optional<double> gross_duration(const std::vector<ResourceInterval>& intervals, double start,
                                     double netTime, bool maySuspend) {
    double x = netTime;
    for (const ResourceInterval& in : intervals) {
        const double a = in.start;
        const double b = in.finish;
        if (is_unbounded_finish(b))
            return start > a ? x : a + x - start;
        if (b <= start)
            continue;
        if (start > a) { // the start lies inside the interval
            if (b - start >= x)
                return x;
            if (maySuspend)
                x -= b - start;
        } else { // the interval lies ahead
            if (x <= b - a)
                return a + x - start;
            if (maySuspend)
                x -= b - a;
        }
    }
    return std::nullopt;
}

} // namespace zep
