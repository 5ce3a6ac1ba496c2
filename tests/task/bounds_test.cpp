#include "task/bounds.h"

#include "graph_builder.h"
#include "refusal_words.h"
#include "task/gross_time.h"
#include "task/path_unrolling.h"

#include <gtest/gtest.h>

namespace zep {
namespace {

using test::make_graph;

TEST(compute_bounds, LongestPathGivesTheTimesAndOwnCostsAddUp) {
    TaskRecord rec = make_graph({3}, {{1, 1, 2, 1, 2}});
    for (int k = 1; k <= 3; ++k)
        test::set_variants(rec, 1, k, {{1.0 * k, 10}, {2.0 * k, 5}});
    test::set_variants(rec, 2, 1, {{1, 4}, {3, 2}});
    unroll_paths(rec);
    ASSERT_TRUE(compute_bounds(rec).ok());

    // Chain 1: times 1+2+3 .. 2+4+6, costs 15 .. 30. Chain 2 takes over operations 1 and 3 of chain 1:
    // their times count, their costs do not (their first-variant costs go to the base cost).
    EXPECT_DOUBLE_EQ(rec.pathTimeMin[1], 1 + 1 + 3);
    EXPECT_DOUBLE_EQ(rec.pathTimeMax[1], 2 + 3 + 6);
    EXPECT_DOUBLE_EQ(rec.pathCostMin[1], 2);
    EXPECT_DOUBLE_EQ(rec.pathCostMax[1], 4);
    EXPECT_DOUBLE_EQ(rec.graphTimeMin, 6);
    EXPECT_DOUBLE_EQ(rec.graphTimeMax, 12);
    EXPECT_DOUBLE_EQ(rec.graphCostMin, 15 + 2);
    EXPECT_DOUBLE_EQ(rec.graphCostMax, 30 + 4);
    EXPECT_DOUBLE_EQ(rec.baseCostTotal, 20);
    EXPECT_TRUE(rec.boundsValid);
    EXPECT_EQ(rec.chainPaths[1].elements[0].count, 2);
}

TEST(compute_bounds, RefusesAPathWhoseMinimalTimeRunsAway) {
    TaskRecord rec = make_graph({2, 3});
    test::set_variants(rec, 2, 2, {{1e15, 1}});
    unroll_paths(rec);
    const PrepOutcome out = compute_bounds(rec);
    EXPECT_FALSE(out.ok());
    EXPECT_EQ(testing::message_of(out), "t273 2 t31 2.");
    EXPECT_FALSE(rec.boundsValid);
}

TEST(GrossDuration, WorksOnlyInsideTheAvailabilityIntervals) {
    const std::vector<ResourceInterval> three = {{0, 10, 0, 0}, {20, 30, 0, 0}, {40, -1, 0, 0}};
    const std::vector<ResourceInterval> one = {{0, 10, 0, 0}};
    // Available 0..5, 8..20, from 25 on (the schedule of a solution walks the same rule).
    const std::vector<ResourceInterval> gaps = {{0, 5, 0, 5}, {8, 20, 8, 20}, {25, -1, 25, -1}};
    struct Case {
        const std::vector<ResourceInterval>* intervals;
        double start, net;
        bool maySuspend;
        std::optional<double> gross;
    } cases[] = {
        {&three, 0, 5, true, 5},           // fits the first interval
        {&three, 5, 8, true, 18},          // 5 done by 10, 3 more from 20
        {&three, 5, 8, false, 23},         // waits for the second interval whole
        {&three, 5, 12, false, 47},        // no bounded interval is long enough: the unbounded one at 40
        {&three, 5, 12, true, 22},         // 5 + 7
        {&three, 35, 2, true, 7},          // nothing left before 40
        {&three, 45, 2, true, 2},          // inside the unbounded interval
        {&one, 10, 1, true, std::nullopt}, // every interval over at the start
        {&one, 5, 6, false, std::nullopt},
        {&one, 5, 6, true, std::nullopt},
        {&gaps, 4, 3, false, 7},   // waits for 8..20, which holds it whole
        {&gaps, 4, 3, true, 6},    // 1 now, 2 more from 8
        {&gaps, 4, 14, true, 22},  // 1 + 12 + 1 from 25 on
        {&gaps, 4, 14, false, 35}, // nothing bounded holds 14: waits for the unbounded one at 25
        {&gaps, 21, 2, true, 6},   // between intervals: waits for 25
    };
    for (const Case& c : cases)
        EXPECT_EQ(gross_duration(*c.intervals, c.start, c.net, c.maySuspend), c.gross)
            << c.start << " " << c.net << " " << c.maySuspend;
}

// One chain, one resource category with the given intervals; variants (time, cost, noSuspend).
TaskRecord with_resources(const std::vector<ResourceInterval>& intervals,
                          const std::vector<std::vector<std::tuple<double, double, int>>>& ops) {
    TaskRecord rec = make_graph({static_cast<int>(ops.size())});
    rec.header.hasUnavailableResources = 1;
    rec.header.resourceCategoryCount = 1;
    rec.resourceIntervals = {intervals};
    for (std::size_t k = 0; k < ops.size(); ++k) {
        OperationRec& op = rec.chains[0].operations[k];
        op.variants.clear();
        for (auto [t, c, noSuspend] : ops[k])
            op.variants.push_back({"v", 1, noSuspend, t, c});
        op.variantCount = static_cast<int>(op.variants.size());
    }
    unroll_paths(rec);
    return rec;
}

TEST(compute_bounds, GrossTimesRunFromBothPossibleStartMoments) {
    TaskRecord rec =
        with_resources({{0, 4, 0, 0}, {10, -1, 0, 0}}, {{{2, 30, 0}, {3, 10, 0}}, {{1, 5, 1}, {2, 1, 0}}});
    ASSERT_TRUE(compute_bounds(rec).ok());
    // Operation 1 ends at 2 or 3. Operation 2 from 2: 1 or 2; from 3 the suspendable variant must wait
    // for 10 to finish its last unit: it ends at 11.
    EXPECT_DOUBLE_EQ(rec.graphTimeMin, 3);
    EXPECT_DOUBLE_EQ(rec.graphTimeMax, 11);
    // The fastest variant bounds the cost from above, the slowest from below.
    EXPECT_DOUBLE_EQ(rec.graphCostMin, 10 + 1);
    EXPECT_DOUBLE_EQ(rec.graphCostMax, 30 + 5);
}

TEST(compute_bounds, OperationThatNoIntervalCanHoldIsReported) {
    struct Case {
        std::vector<ResourceInterval> intervals;
        std::vector<std::vector<std::tuple<double, double, int>>> ops;
        const char* message;
    } cases[] = {
        // A non-suspendable net time of 12 in an interval of 10.
        {{{0, 10, 0, 0}}, {{{12, 1, 1}}}, "t273 1 t31 1."},
        // Operation 2 starts at 5, after the only interval is over.
        {{{0, 5, 0, 0}}, {{{5, 1, 0}}, {{1, 1, 0}}}, "t273 2 t31 1."},
    };
    for (const Case& c : cases) {
        TaskRecord rec = with_resources(c.intervals, c.ops);
        const PrepOutcome out = compute_bounds(rec);
        EXPECT_FALSE(out.ok());
        EXPECT_EQ(testing::message_of(out), c.message);
    }
    // A long enough later interval lets the same operation through.
    TaskRecord later = with_resources({{0, 10, 0, 0}, {20, 35, 0, 0}}, {{{12, 1, 1}}});
    ASSERT_TRUE(compute_bounds(later).ok());
    EXPECT_DOUBLE_EQ(later.graphTimeMin, 32);
}

} // namespace
} // namespace zep
