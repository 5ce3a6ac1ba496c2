#include "task/discretisation.h"

#include "graph_builder.h"
#include "refusal_words.h"
#include "task/bounds.h"
#include "task/decomposition.h"
#include "task/numbering_rules.h"
#include "task/path_unrolling.h"

#include <gtest/gtest.h>

namespace zep {
namespace {

using test::make_graph;

// Unrolled and bounded, ready for the rounding step.
TaskRecord bounded(TaskRecord rec) {
    unroll_paths(rec);
    EXPECT_TRUE(compute_bounds(rec).ok());
    return rec;
}

TEST(discretise, PhaseStateEstimateOfExactly20000IsAccepted) {
    struct Case {
        int elements;      // operations of the single chain
        double upperTacts; // the chain's maximal time, tact 1
        int estimate;
        bool ok;
    } cases[] = {
        {2, 9998, 20000, true},
        {2, 9999, 20002, false},
        {10, 1998, 19992, true},
        {10, 1999, 20002, false},
    };
    for (const Case& c : cases) {
        TaskRecord rec = make_graph({c.elements});
        test::set_variants(rec, 1, 1, {{c.upperTacts - (c.elements - 1), 1}});
        rec = bounded(rec);
        const DiscretisationResult r = discretise(rec, 1, 1, 0);
        EXPECT_EQ(r.outcome.ok(), c.ok) << c.elements << " " << c.upperTacts;
        EXPECT_EQ(rec.header.maxPhaseStates, c.estimate);
        if (!c.ok) {
            EXPECT_EQ(testing::message_of(r.outcome),
                      "t416 " + std::to_string(c.estimate) + ", t345 (20000 t110). t450.");
            EXPECT_EQ(prep_focus(r.outcome.refusal()), PrepFocus::Tact);
            EXPECT_TRUE(r.candidates.empty());
        }
    }
}

TEST(discretise, CandidatesRunFromTheLowerToTheUpperBoundByTacts) {
    TaskRecord rec = make_graph({1});
    test::set_variants(rec, 1, 1, {{10, 5}, {20, 1}});
    rec = bounded(rec);
    rec.header.tact = 5;
    rec.thresholds = {3};
    rec.header.thresholdCount = 1;

    DiscretisationResult r = discretise(rec, 5, 1, 0);
    ASSERT_TRUE(r.outcome.ok());
    EXPECT_FALSE(r.thresholdsDropped);
    ASSERT_EQ(r.candidates.size(), 3u);
    EXPECT_EQ(r.candidates[0].value, 10);
    EXPECT_EQ(r.candidates[1].value, 15);
    EXPECT_EQ(r.candidates[2].value, 20);
    EXPECT_TRUE(r.candidates[1].checked); // 15 is 3 tacts of 5
    EXPECT_FALSE(r.candidates[0].checked);
    EXPECT_EQ(rec.header.boundLower, 10);
    EXPECT_EQ(rec.header.boundUpper, 20);

    // Another tact drops what was chosen.
    r = discretise(rec, 2, 1, 0);
    EXPECT_TRUE(r.thresholdsDropped);
    EXPECT_TRUE(rec.thresholds.empty());
    EXPECT_EQ(rec.header.thresholdCount, 0);
    EXPECT_EQ(r.candidates.size(), 6u);
}

TEST(discretise, TactAndCoefficientAreTakenToTwoDecimals) {
    TaskRecord rec = bounded(make_graph({1}));
    ASSERT_TRUE(discretise(rec, 0.125, 0.375, 0).outcome.ok());
    EXPECT_EQ(rec.header.tact, 0.12);
    EXPECT_EQ(rec.header.scalingCoef, 0.38);
    EXPECT_THROW(discretise(rec, 0.004, 1, 0), std::invalid_argument);
}

TEST(discretise, SubgraphKeepsOnlyItsDistinctTimeLevels) {
    // Chain 2 (subgraph 1) bypasses operation 2 of chain 1 in 2 or 4 time units.
    TaskRecord rec = make_graph({3}, {{1, 1, 2, 1, 2, 1}});
    test::set_variants(rec, 2, 1, {{2, 5}, {4, 3}});
    rec.header.decompositionMode = 1;
    rec.workingSubgraphCount = 1;
    ASSERT_FALSE(check_numbering_rules(rec).has_value());
    extract_subgraphs(rec);
    ASSERT_TRUE(bound_subgraphs(rec).ok());
    rec = bounded(rec);

    ASSERT_TRUE(discretise(rec, 1, 1, 0).outcome.ok());
    // Five steps from 2 to 4 round to 2, 2, 3, 4, 4.
    EXPECT_EQ(rec.timeLevels[0], (std::vector<int>{2, 3, 4}));
    EXPECT_EQ(rec.subgraphSummaries[0].levelCount, 3);
    EXPECT_EQ(rec.chainPaths[0].elements[1].op, subgraph_reference(0));
    EXPECT_EQ(rec.chainPaths[0].elements[1].count, 3);

    // With a single variant the subgraph is critical: one level, its minimal time.
    test::set_variants(rec, 2, 1, {{3, 5}});
    extract_subgraphs(rec);
    ASSERT_TRUE(bound_subgraphs(rec).ok());
    rec = bounded(rec);
    ASSERT_TRUE(discretise(rec, 1, 1, 0).outcome.ok());
    EXPECT_EQ(rec.timeLevels[0], (std::vector<int>{3}));
    EXPECT_EQ(rec.chainPaths[0].elements[1].count, 1);
}

TEST(discretise, LevelTactFollowsTheCostWhenTheCostIsDiscretised) {
    struct Case {
        double time, cost;
        double levelTact;
    } cases[] = {
        {100, 10, 1 * 100.0 / 10 * 1.01},
        {5, 100, 1.0}, // below 1: the floor
        {5, 0, 1.0},   // no cost at all: the floor rather than a division by zero
    };
    for (const Case& c : cases) {
        TaskRecord rec = make_graph({1});
        rec.header.minimisedParam = 1;
        test::set_variants(rec, 1, 1, {{c.time, c.cost}});
        rec = bounded(rec);
        ASSERT_EQ(rec.discretisedIsCost, 1);
        ASSERT_TRUE(discretise(rec, 1, 1, 0).outcome.ok());
        EXPECT_EQ(rec.levelTact, c.levelTact);
        EXPECT_EQ(rec.header.boundUpper, c.cost); // the cost is the discretised parameter
    }
}

TEST(ThresholdStorage, ValuesIntervalsAndSecondLevelBoundsGoToTacts) {
    TaskRecord rec = make_graph({1});
    rec.header.tact = 2;
    rec.header.roundingType = 2;
    store_thresholds(rec, {3, 6.2});
    EXPECT_EQ(rec.thresholds, (std::vector<int>{2, 4}));
    EXPECT_EQ(rec.header.thresholdCount, 2);

    rec.graphTimeMin = 3;
    rec.graphTimeMax = 10;
    store_second_level_thresholds(rec);
    EXPECT_EQ(rec.thresholds, (std::vector<int>{2, 5}));
    EXPECT_EQ(rec.header.thresholdCount, 1);

    rec.resourceIntervals = {{{0.5, 7, 0, 0}, {9, kUnboundedFinish, 0, 0}}};
    store_interval_tacts(rec);
    EXPECT_EQ(rec.resourceIntervals[0][0].startTacts, 1);
    EXPECT_EQ(rec.resourceIntervals[0][0].finishTacts, 4);
    EXPECT_EQ(rec.resourceIntervals[0][1].startTacts, 5);
    EXPECT_EQ(rec.resourceIntervals[0][1].finishTacts, kUnboundedFinishTacts);
}

} // namespace
} // namespace zep
