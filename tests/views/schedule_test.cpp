// The schedule of a solved task: start moments, actual durations, slack, totals.
#include "solved_tasks.h"
#include "views/schedule.h"
#include "views/slack_step.h"

#include <gtest/gtest.h>

namespace zep {
namespace {

using test::op_of;

TEST(SlackStep, TheLadderValueIsTheFirstAboveTheGraphTime) {
    const struct {
        double graphTime, ladder;
    } cases[] = {{0, 0.1}, {0.05, 0.1},     {0.1, 0.25},     {0.25, 0.5},      {0.3, 0.5},     {9.9, 10},
                 {10, 25}, {80000, 100000}, {99999, 100000}, {100000, 100000}, {2.5e6, 100000}};
    for (const auto& c : cases)
        EXPECT_EQ(slack_ladder_value(c.graphTime), c.ladder) << c.graphTime;
    EXPECT_DOUBLE_EQ(slack_step(0.25), 2.5e-6);
    EXPECT_DOUBLE_EQ(slack_step(80000), 0.5);
}

// Chain 1: operations of 2, 3 and 4 days; chain 2: two of 1 day; chain 3 nested from the start of
// 1.2 to its end, one operation of 1 day. The graph takes 9 days, chain 3 can slip by 2, chain 2 by 7.
TaskRecord bypass_task() {
    TaskRecord rec;
    test::add_chain(rec, {op_of({{2, 10}}), op_of({{3, 20}, {1, 50}}), op_of({{4, 5}})});
    test::add_chain(rec, {op_of({{1, 1}}), op_of({{1, 2}})});
    test::add_nested(rec, {op_of({{1, 7}})}, 1, 2, 2);
    rec.header.scalingCoef = 2;
    test::prepare(rec, 1);
    return rec;
}

TEST(Schedule, WithoutResourcesStartsFollowTheChainTimesAndNestedChainsHoldBackTheirEntry) {
    const TaskRecord rec = bypass_task();
    const Solution sol = test::solution_of(rec, test::first_variants(rec), {0, 0, 2}, 9);
    const Schedule s = compute_schedule(rec, sol, 0);

    EXPECT_EQ(s.graphTime, 9);
    EXPECT_EQ(s.completion, 9);
    EXPECT_EQ(s.totalCost, 10 + 20 + 5 + 1 + 2 + 7);
    EXPECT_DOUBLE_EQ(s.slackStep, 5e-5);
    const std::vector<std::vector<double>> starts = {{0, 2, 5}, {0, 1}, {2}};
    for (std::size_t c = 0; c < starts.size(); ++c)
        for (std::size_t k = 0; k < starts[c].size(); ++k)
            EXPECT_EQ(s.chains[c].operations[k].start, starts[c][k]) << c << "." << k;
    EXPECT_EQ(s.chains[0].finish, 9);
    EXPECT_EQ(s.chains[1].finish, 2);
    EXPECT_EQ(s.chains[2].finish, 3);
    EXPECT_EQ(s.chains[0].cost, 35);

    // The critical path has no slack: its latest start is its earliest.
    for (const OperationSchedule& op : s.chains[0].operations) {
        EXPECT_EQ(op.slack, 0);
        EXPECT_EQ(op.latestStart, op.start);
    }
    EXPECT_NEAR(s.chains[1].operations[0].slack, 7, 1e-9);
    EXPECT_NEAR(s.chains[2].operations[0].slack, 2, 1e-9);
    EXPECT_NEAR(s.chains[2].operations[0].latestStart, 4, 1e-9);
    // The slack is a whole number of steps.
    const double steps = s.chains[2].operations[0].slack / s.slackStep;
    EXPECT_NEAR(steps, std::round(steps), 1e-6);
}

TEST(Schedule, TheChosenVariantGivesTimeAndCost) {
    const TaskRecord rec = bypass_task();
    auto choices = test::first_variants(rec);
    choices[0][1] = 2; // operation 1.2 in 1 day for 50
    const Solution sol = test::solution_of(rec, choices, {0, 0, 2}, 7);
    const Schedule s = compute_schedule(rec, sol, 0);
    EXPECT_EQ(s.chains[0].operations[1].variant, 2);
    EXPECT_EQ(s.chains[0].operations[1].duration, 1);
    EXPECT_EQ(s.chains[0].cost, 65);
    // Now the bypass (1 day) is as long as the operation it bypasses: no slack on either.
    EXPECT_EQ(s.chains[0].operations[1].slack, 0);
    EXPECT_EQ(s.chains[2].operations[0].slack, 0);
}

TEST(Schedule, ANoChoiceOrADamagedChoiceCountsAsNothing) {
    const TaskRecord rec = bypass_task();
    auto choices = test::first_variants(rec);
    choices[1][0] = 0;
    choices[1][1] = 17;
    const Schedule s = compute_schedule(rec, test::solution_of(rec, choices, {0, 0, 2}, 9), 0);
    EXPECT_EQ(s.chains[1].cost, 0);
    EXPECT_EQ(s.chains[1].operations[0].variant, 0);
    EXPECT_EQ(s.chains[1].finish, 0);
    EXPECT_THROW(compute_schedule(rec, test::solution_of(rec, choices), 1), std::out_of_range);
}

// One chain of two operations on category 1 (available 0..5, 8..20): the second starts at 4.
TaskRecord waiting_task(int noSuspend) {
    TaskRecord rec;
    rec.header.hasUnavailableResources = 1;
    rec.header.resourceCategoryCount = 1;
    rec.resourceIntervals = {{{0, 5, 0, 5}, {8, 20, 8, 20}}};
    test::add_chain(rec, {op_of({{4, 1, 1, 1}}), op_of({{3, 1, 1, noSuspend}})});
    test::add_chain(rec, {op_of({{1, 1, 1, 0}})});
    test::prepare(rec, 0);
    return rec;
}

TEST(Schedule, WithResourcesANonSuspendableOperationWaitsAndASuspendableOneRunsInPieces) {
    for (int noSuspend : {1, 0}) {
        const TaskRecord rec = waiting_task(noSuspend);
        const Schedule s = compute_schedule(rec, test::solution_of(rec, test::first_variants(rec)), 0);
        const OperationSchedule& second = s.chains[0].operations[1];
        EXPECT_EQ(second.start, 4);
        EXPECT_EQ(second.netTime, 3);
        EXPECT_EQ(second.duration, noSuspend ? 7 : 6);
        EXPECT_EQ(s.chains[0].finish, noSuspend ? 11 : 10);
        EXPECT_EQ(s.graphTime, s.chains[0].finish);
        // Waiting for 8 anyway, the non-suspendable one may start up to 4 days later; the other one
        // would push its last piece later at once.
        EXPECT_NEAR(second.slack, noSuspend ? 4 : 0, 1e-9);
        // Chain 2's operation may slip as long as it still ends by the graph's end.
        EXPECT_GT(s.chains[1].operations[0].slack, 5);
    }
}

TEST(Schedule, WithResourcesAnOperationNoIntervalCompletesTakesTheMarkerDuration) {
    TaskRecord rec = waiting_task(1);
    rec.chains[0].operations[1].variants[0].time = 13; // nothing holds 13 days whole
    const Schedule s = compute_schedule(rec, test::solution_of(rec, test::first_variants(rec)), 0);
    EXPECT_EQ(s.chains[0].operations[1].duration, 1e8);
    // Every delay keeps the start unschedulable: no operation has slack.
    for (const ChainSchedule& ch : s.chains)
        for (const OperationSchedule& op : ch.operations)
            EXPECT_EQ(op.slack, 0);
}

// With nested chains, where the branches meet: chain 1's third operation (one variant) waits for the
// nested chain, which the unrolled path of chain 1 alone would not see.
TEST(Schedule, WithResourcesTheOperationWhereANestedChainEntersWaitsForIt) {
    TaskRecord rec;
    rec.header.hasUnavailableResources = 1;
    rec.header.resourceCategoryCount = 1;
    rec.resourceIntervals = {{{0, -1, 0, -1}}};
    test::add_chain(rec, {op_of({{1, 1, 1}}), op_of({{2, 1, 1}, {3, 1, 1}}), op_of({{1, 1, 1}})});
    test::add_nested(rec, {op_of({{5, 1, 1}})}, 1, 2, 2);
    test::prepare(rec, 1);
    const Schedule s = compute_schedule(rec, test::solution_of(rec, test::first_variants(rec)), 0);
    EXPECT_EQ(s.chains[1].operations[0].start, 1);
    EXPECT_EQ(s.chains[0].operations[2].start, 6);
    EXPECT_EQ(s.graphTime, 7);
    EXPECT_NEAR(s.chains[0].operations[1].slack, 3, 1e-9);
    EXPECT_EQ(s.chains[1].operations[0].slack, 0);
}

} // namespace
} // namespace zep
