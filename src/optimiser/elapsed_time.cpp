#include "optimiser/elapsed_time.h"

namespace zep {

std::int64_t elapsed_time(std::span<const AvailabilityInterval> intervals, std::int64_t start,
                          std::int64_t duration, bool noSuspend) {
    const std::int64_t a = start;
    std::int64_t r = duration;
    for (const AvailabilityInterval& iv : intervals) {
        const std::int64_t s = iv.start, f = iv.finish;
        if (f < 0)
            return s < a ? r : r + s - a;
        if (a >= f)
            continue;
        if (s < a) {
            if (f - a >= r)
                return r;
            if (!noSuspend)
                r -= f - a;
        } else {
            if (f - s >= r)
                return r + s - a;
            if (!noSuspend)
                r -= f - s;
        }
    }
    return kNeverFits;
}

std::span<const AvailabilityInterval> intervals_of(const PathProblem& p, std::int32_t category) {
    if (category < 1 || static_cast<std::size_t>(category) > p.intervals.size())
        return {};
    return p.intervals[static_cast<std::size_t>(category) - 1];
}

} // namespace zep
