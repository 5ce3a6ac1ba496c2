#pragma once
// Gross execution time under temporarily unavailable resources: an operation whose resource is
// available only in certain intervals takes longer from its start to its end than its net time.
#include "task/task_record.h"

#include <optional>
#include <vector>

namespace zep {

// The time from `start` until `netTime` of work is done, working only inside `intervals` (taken in
// their stored order; is_unbounded_finish tells an unbounded interval). A variant that may be
// suspended spreads its work over the intervals; one that may not waits for the first interval that
// holds its whole net time. None when no interval can finish the work: the graph bounds then refuse the
// path, the schedule of a solution gives the operation its "never" duration. The one rule of both.
std::optional<double> gross_duration(const std::vector<ResourceInterval>& intervals, double start,
                                     double netTime, bool maySuspend);

} // namespace zep
