#include "views/slack_search.h"

#include <algorithm>
#include <cmath>

namespace zep {

SlackSearch::SlackSearch(const DelayedCompletion& graph, double undelayed, double step)
    : graph_(graph), undelayed_(undelayed), step_(step) {
    const double steps = std::ceil((std::max(undelayed, 0.0) + 1.0) / step);
    limit_ = steps < 1e15 ? static_cast<long long>(steps) + 1 : static_cast<long long>(1e15);
}

bool SlackSearch::ends(OperationRef op, long long k) const {
    const DelayedOutcome o = graph_.completion(op, static_cast<double>(k) * step_);
    return o.unschedulable || o.completion > kCompletionLimit || o.completion - undelayed_ > kSlackTolerance;
}

long long SlackSearch::first_ending_step(OperationRef op, SlackMethod method) const {
    if (method == SlackMethod::Plain)
        return plain(op);
    return graph_.piecewise_linear() ? from_linear_bound(op) : by_doubling(op);
}

long long SlackSearch::plain(OperationRef op) const {
    long long k = 1;
    while (k < limit_ && !ends(op, k))
        ++k;
    return k;
}

long long SlackSearch::from_linear_bound(OperationRef op) const {
    // With a delay beyond every path's length the completion is B + delay: the longest path through
    // the operation shows itself.
    const double far = static_cast<double>(limit_) * step_;
    const DelayedOutcome o = graph_.completion(op, far);
    if (o.unschedulable || !(o.completion - undelayed_ > kSlackTolerance))
        return by_doubling(op); // on no path, or not the shape expected: search without the formula
    const double through = o.completion - far;
    const double guess = std::floor((undelayed_ + kSlackTolerance - through) / step_) + 1;
    long long k = 1;
    if (guess > static_cast<double>(limit_))
        k = limit_;
    else if (guess > 1)
        k = static_cast<long long>(guess);
    // The formula is exact up to rounding: confirm with the completion test itself.
    while (k > 1 && ends(op, k - 1))
        --k;
    while (k < limit_ && !ends(op, k))
        ++k;
    return k;
}

long long SlackSearch::by_doubling(OperationRef op) const {
    long long passed = 0; // the largest K known not to end the search (0: no delay)
    long long k = 1;
    while (!ends(op, k)) {
        passed = k;
        if (k >= limit_)
            return limit_;
        k = std::min(k * 2, limit_);
    }
    // The search ends at k and not at `passed`: the first ending step lies in (passed, k].
    while (k - passed > 1) {
        const long long mid = passed + (k - passed) / 2;
        if (ends(op, mid))
            k = mid;
        else
            passed = mid;
    }
    return k;
}

} // namespace zep
