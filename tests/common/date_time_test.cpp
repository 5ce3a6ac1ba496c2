#include "common/date_time.h"

#include <gtest/gtest.h>

using namespace zep;

TEST(DateTime, KnownSerials) {
    struct Case {
        LocalDateTime t;
        double serial;
    } cases[] = {
        {{1899, 12, 30, 0, 0, 0, 0}, 0.0},    {{1900, 1, 1, 0, 0, 0, 0}, 2.0},
        {{2000, 1, 1, 12, 0, 0, 0}, 36526.5}, {{2026, 12, 10, 6, 0, 0, 0}, 46366.25},
        {{1899, 12, 29, 0, 0, 0, 0}, -1.0},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(to_date_serial(c.t), c.serial);
        LocalDateTime back = from_date_serial(c.serial);
        EXPECT_EQ(back.year, c.t.year);
        EXPECT_EQ(back.month, c.t.month);
        EXPECT_EQ(back.day, c.t.day);
        EXPECT_EQ(back.hour, c.t.hour);
    }
}

TEST(DateTime, FormatsAndLeavesUnreachedDatesEmpty) {
    EXPECT_EQ(format_date_serial(0.0), "");
    EXPECT_EQ(format_date_serial(36526.75), "01.01.2000 18:00:00");
}

TEST(DateTime, NowIsAfterThisCodeWasWritten) {
    EXPECT_GT(now_date_serial(), 46000.0);
}
