#include "task/typed_number.h"

#include <gtest/gtest.h>

namespace zep {
namespace {

TEST(TypedNumber, IntegersTakeSignAndBlanksAndRefuseTheRest) {
    struct Case {
        const char* text;
        std::optional<int> want;
    } cases[] = {
        {"7", 7},
        {" 12 ", 12},
        {"+3", 3},
        {"-1", -1},
        {"", std::nullopt},
        {"  ", std::nullopt},
        {"1.5", std::nullopt},
        {"2a", std::nullopt},
        {"++2", std::nullopt},
        {"99999999999", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parse_typed_integer(c.text), c.want) << '"' << c.text << '"';
}

TEST(TypedNumber, RealsUseOnlyTheUserSeparator) {
    struct Case {
        const char* text;
        char sep;
        std::optional<double> want;
    } cases[] = {
        {"2,5", ',', 2.5},
        {" 10 ", ',', 10.0},
        {"-0,25", ',', -0.25},
        {"1E3", ',', 1000.0},
        {"2.5", '.', 2.5},
        {"2.5", ',', std::nullopt},
        {"2,5", '.', std::nullopt},
        {"", ',', std::nullopt},
        {"inf", '.', std::nullopt},
        {"nan", '.', std::nullopt},
        {"1 000", ',', std::nullopt},
        {",", ',', std::nullopt},
        {"1e999", '.', std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parse_typed_real(c.text, c.sep), c.want) << '"' << c.text << "\" with " << c.sep;
}

} // namespace
} // namespace zep
