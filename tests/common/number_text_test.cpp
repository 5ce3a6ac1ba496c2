#include "common/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>

using namespace zep;

TEST(NumberText, FixedAndShortestUseTheGivenSeparator) {
    struct Case {
        double v;
        std::string fixed2, fixed1, shortest;
    } cases[] = {
        {2.0, "2,00", "2,0", "2"},
        {0.1 + 0.2, "0,30", "0,3", "0,3"},
        {-1.005, "-1,00", "-1,0", "-1,005"}, // 1.005 is below its decimal text in binary
        {1234567.891, "1234567,89", "1234567,9", "1234567,891"},
        {1e-5, "0,00", "0,0", "1E-5"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(format_fixed(c.v, 2, ','), c.fixed2) << c.v;
        EXPECT_EQ(format_fixed(c.v, 1, ','), c.fixed1) << c.v;
        EXPECT_EQ(format_shortest(c.v, ','), c.shortest) << c.v;
    }
    EXPECT_EQ(format_fixed(2.5, 2, '.'), "2.50");
}

TEST(NumberText, FormattingIgnoresTheProcessLocale) {
    const char* old = std::setlocale(LC_NUMERIC, nullptr);
    std::string saved = old ? old : "C";
    if (std::setlocale(LC_NUMERIC, "ru_RU.UTF-8") || std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) {
        EXPECT_EQ(format_fixed(1.5, 1, '.'), "1.5");
    }
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(NumberText, DecimalSeparatorComesFromTheEnvironment) {
    ::setenv("LC_ALL", "C", 1);
    EXPECT_EQ(user_decimal_separator(), '.');
    ::unsetenv("LC_ALL");
}
