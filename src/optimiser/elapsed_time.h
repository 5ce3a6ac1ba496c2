#pragma once
// The time a variant takes, in tacts, when it starts at moment a and its resource is available only
// within the intervals of its category.
#include "optimiser/path_problem.h"

#include <cstdint>
#include <span>

namespace zep {

// Returned when no interval can hold the work: the variant never fits.
inline constexpr std::int64_t kNeverFits = 100000000;

// Walks the intervals in file order. `duration` is the variant's discretised value; with `noSuspend`
// set the work must fit whole into one interval, otherwise the part done before an interval ends
// counts. Inside an interval without end the work always finishes.
std::int64_t elapsed_time(std::span<const AvailabilityInterval> intervals, std::int64_t start,
                          std::int64_t duration, bool noSuspend);

// The intervals of a variant's category; empty for a category the task does not have.
std::span<const AvailabilityInterval> intervals_of(const PathProblem& p, std::int32_t category);

} // namespace zep
