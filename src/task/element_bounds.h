#pragma once
// The contribution of one path element to its path's bounds, without unavailable resources: the sums
// of the graph bounds and of the subgraph summaries are both made of these.
#include "task/prep_outcome.h"
#include "task/task_record.h"

#include <string>

namespace zep {

// A running minimal time above this, or one that passes the running maximal time by more than
// kValueTolerance, means the path cannot be bounded.
inline constexpr double kUnboundedTime = 9.9e14;

inline bool path_unbounded(double timeMin, double timeMax) {
    return timeMin > kUnboundedTime || timeMin - kValueTolerance > timeMax;
}

struct ElementBounds {
    double timeMin = 0;
    double timeMax = 0;
    double costMin = 0;  // own elements only
    double costMax = 0;  // own elements only
    double baseCost = 0; // inherited elements only: what they add to the base cost
};

// A real operation: the smallest and largest time of its variants and, when the element belongs to the
// path's own chain, the smallest and largest cost; an inherited one adds its first variant's cost to
// the base cost. A subgraph reference: that subgraph's summary (an inherited one adds its costMin). A
// covered element: nothing. An operation without stored variants contributes nothing.
ElementBounds plain_element_bounds(const TaskRecord& rec, const PathElement& e, bool own);

// The refusal naming the operation that makes its path unboundable.
TaskRefusalValue unbounded_operation(int chainNo, int opNo);

} // namespace zep
