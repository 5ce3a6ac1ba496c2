#include "solved_tasks.h"
#include "views/gantt_model.h"
#include "views/schedule.h"

#include <gtest/gtest.h>

namespace zep {
namespace {

constexpr double kNever = GanttPeriod{}.to;

TEST(UnavailablePeriods, AreTheGapsAroundTheIntervalsWithinTheSpan) {
    const std::vector<ResourceInterval> bounded = {{2, 5, 0, 0}, {8, 20, 0, 0}};
    EXPECT_EQ(unavailable_periods(bounded, 30), (std::vector<GanttPeriod>{{0, 2}, {5, 8}, {20, kNever}}));
    EXPECT_EQ(unavailable_periods(bounded, 6), (std::vector<GanttPeriod>{{0, 2}, {5, 6}}));
    const std::vector<ResourceInterval> open = {{0, 10, 0, 0}, {12, kUnboundedFinish, 0, 0}};
    EXPECT_EQ(unavailable_periods(open, 50), (std::vector<GanttPeriod>{{10, 12}}));
    EXPECT_TRUE(unavailable_periods({{0, kUnboundedFinish, 0, 0}}, 50).empty());
}

// One chain of two operations on category 1 (available 0..5, 8..20): the second waits for 8.
TEST(GanttChart, BarsFollowTheScheduleAndShadeTheirCategory) {
    TaskRecord rec;
    rec.header.hasUnavailableResources = 1;
    rec.header.resourceCategoryCount = 1;
    rec.resourceIntervals = {{{0, 5, 0, 5}, {8, 20, 8, 20}}};
    test::add_chain(rec, {test::op_of({{4, 1, 1, 1}}), test::op_of({{3, 2, 1, 1}, {1, 9, 1, 1}})});
    test::add_chain(rec, {test::op_of({{2, 5, 1, 0}})});
    test::prepare(rec, 0);
    const Solution solution = test::solution_of(rec, {{1, 1}, {1}});
    const Schedule s = compute_schedule(rec, solution, 0);
    const GanttChart chart = gantt_chart(rec, s);
    ASSERT_EQ(chart.bars.size(), 3u);
    EXPECT_EQ(chart.bars[1].start, 4);
    EXPECT_EQ(chart.bars[1].duration, 7); // waits from 5 to 8
    EXPECT_EQ(chart.bars[1].essence, "v");
    // Started up to 4 later it still waits for 8: not critical, its slack drawn after it to 15.
    EXPECT_EQ(chart.bars[1].slack, 4);
    EXPECT_FALSE(chart.bars[1].critical);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(chart.bars[i].critical, chart.bars[i].slack == 0);
    EXPECT_EQ(chart.bars[2].slack, s.chains[1].operations[0].slack);
    EXPECT_EQ(chart.span, 15);
    EXPECT_EQ(chart.bars[0].unavailable, (std::vector<GanttPeriod>{{5, 8}}));
}

} // namespace
} // namespace zep
