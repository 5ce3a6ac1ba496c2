#include "optimiser/second_level_search.h"

#include "task/rounding.h"

namespace zep {
namespace {

std::int32_t nearest(double x) {
    return static_cast<std::int32_t>(round_half_even(x));
}

} // namespace

SecondLevelSearch::SecondLevelSearch(std::int32_t lowest, std::int32_t highest, std::int32_t thresholdStep,
                                     std::int32_t iterationLimit, double costLimit)
    : lowest_(lowest), highest_(highest), step_(thresholdStep), limit_(iterationLimit), costLimit_(costLimit),
      distance_(highest - lowest), current_(lowest + nearest(distance_ / 2.0)) {}

SecondLevelSearch::Decision SecondLevelSearch::after_probe(double total, bool complete) {
    ++probes_;
    const bool ok = complete && feasible(total);
    if (probes_ <= 3) {
        const double divisor = probes_ == 1 ? 4.0 : probes_ == 2 ? 8.0 : 16.0;
        const std::int32_t move = nearest(distance_ / divisor);
        current_ = ok ? current_ - move : current_ + move;
        return {Step::NextProbe, false};
    }
    if (ok) {
        if (infeasibleSeen_)
            return {Step::ResultThisProbe, false};
        feasibleSeen_ = true;
        if (current_ == lowest_)
            return {Step::ResultThisProbe, false};
        current_ = current_ < lowest_ + step_ ? lowest_ : current_ - step_;
    } else {
        if (feasibleSeen_)
            return {Step::ResultPreviousProbe, false};
        infeasibleSeen_ = true;
        if (current_ == highest_)
            return {Step::ResultPreviousProbe, false};
        current_ = current_ > highest_ - step_ ? highest_ : current_ + step_;
    }
    if (probes_ >= limit_)
        return {Step::LimitUsedUp, true};
    return {Step::NextProbe, true};
}

} // namespace zep
