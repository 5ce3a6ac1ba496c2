#include "task/rounding.h"

#include <cmath>
#include <limits>

namespace zep {
namespace {

// A quotient value / step that stands for a whole number of steps may come out a few units of the last
// place off it in binary (0.3 / 0.1 = 2.9999999999999996); within this distance it counts as that whole
// number, so that rounding down or up does not move it by a step.
constexpr double kTolerance = 0.00000001;

int saturated(double r) {
    if (std::isnan(r))
        return 0;
    if (r >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (r <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(r);
}

} // namespace

double round_half_even(double q) {
    double r = std::round(q); // halves away from zero
    if (std::fabs(q - std::trunc(q)) == 0.5)
        r = 2.0 * std::round(q / 2.0);
    return r;
}

int round_to_steps(RoundingType type, double step, double value) {
    const double q = value / step;
    const double r = round_half_even(q);
    switch (type) {
    case RoundingType::ByMean:
        return saturated(r);
    case RoundingType::ByMinimum:
        return saturated(r >= q + kTolerance ? r - 1 : r);
    case RoundingType::ByMaximum:
        return saturated(r <= q - kTolerance ? r + 1 : r);
    default:
        return 0;
    }
}

} // namespace zep
