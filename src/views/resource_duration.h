#pragma once
// The actual duration of an operation under temporarily unavailable resources: from its start until
// its net time of work is done inside the availability intervals of its resource category.
#include "task/task_record.h"

#include <optional>
#include <vector>

namespace zep {

// Walks the intervals in their stored order with R = netTime: an unbounded interval (finish below
// -1e-5) finishes the work, after a wait for its start when the operation starts before it; a bounded
// one ending at or before the start is skipped; one holding the start finishes the work when the rest
// of it is long enough, else (suspension allowed) takes its share of R; one lying ahead finishes the
// work when it is long enough, else (suspension allowed) takes its length off R. An operation that may
// not be suspended therefore waits for the first interval that holds its whole net time. None when the
// intervals run out.
std::optional<double> actual_duration(const std::vector<ResourceInterval>& intervals, double start,
                                      double netTime, bool maySuspend);

} // namespace zep
