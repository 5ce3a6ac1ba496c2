#include "views/resource_duration.h"

namespace zep {

std::optional<double> actual_duration(const std::vector<ResourceInterval>& intervals, double start,
                                      double netTime, bool maySuspend) {
    double rest = netTime;
    for (const ResourceInterval& in : intervals) {
        // The unbounded interval is recognised before the test of its end: its end of -1 lies before
        // every start and would otherwise be skipped.
        if (in.finish < kUnsetValueLimit)
            return start > in.start ? rest : (in.start - start) + rest;
        if (in.finish <= start)
            continue;
        if (in.start < start) {
            if (in.finish - start >= rest)
                return rest;
            if (maySuspend)
                rest -= in.finish - start;
        } else {
            if (rest <= in.finish - in.start)
                return (in.start - start) + rest;
            if (maySuspend)
                rest -= in.finish - in.start;
        }
    }
    return std::nullopt;
}

} // namespace zep
