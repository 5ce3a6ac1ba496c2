#include "task/rounding.h"

#include <gtest/gtest.h>

#include <limits>

namespace zep {
namespace {

TEST(round_to_steps, RoundsByTypeWithItsTolerance) {
    struct Case {
        int type;
        double step, value;
        int want;
    } cases[] = {
        {0, 1, 2.5, 2},     {0, 1, 3.5, 4},         {0, 1, -2.5, -2},       {1, 0.5, 1.2, 2},
        {2, 0.5, 1.2, 3},   {1, 1, 2.999999999, 3}, {2, 1, 3.000000001, 3}, {1, 1, 2.99999, 2},
        {2, 1, 3.00001, 4}, {0, 0.1, 0.3, 3},       {7, 1, 5, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(round_to_steps(static_cast<RoundingType>(c.type), c.step, c.value), c.want)
            << c.type << " " << c.step << " " << c.value;
}

TEST(round_to_steps, SaturatesInsteadOfOverflowing) {
    EXPECT_EQ(round_to_steps(RoundingType::ByMean, 0.01, 1e300), std::numeric_limits<int>::max());
    EXPECT_EQ(round_to_steps(RoundingType::ByMean, 0.01, -1e300), std::numeric_limits<int>::min());
}

} // namespace
} // namespace zep
