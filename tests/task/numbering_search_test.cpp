#include "task/numbering_search.h"

#include "graph_builder.h"
#include "plain_numbering_search.h"
#include "random_graphs.h"
#include "refusal_words.h"

#include <gtest/gtest.h>

#include <map>

namespace zep {
namespace {

using Outcome = NumberingSearchResult::Outcome;
using test::make_graph;
using test::Nested;

TaskRecord automatic(TaskRecord rec, int allowed) {
    rec.header.decompositionMode = 1;
    rec.header.subgraphNumbering = 1;
    rec.header.allowedSubgraphCount = allowed;
    return rec;
}

std::vector<int> numbers_in_chains(const TaskRecord& rec) {
    std::vector<int> out;
    for (int i = rec.ordinaryChainCount(); i < rec.workingChainCount; ++i)
        out.push_back(rec.chains[i].subgraphNo);
    return out;
}

TEST(search_numbering, GivesTheSameOutcomeAsThePlainEnumeration) {
    std::mt19937 rng(20240611);
    std::map<Outcome, int> seen;
    for (int g = 0; g < 1500; ++g) {
        TaskRecord rec = test::random_nested_graph(rng, 3, 6, 5);
        TaskRecord reference = rec;
        const NumberingSearchResult pruned = search_numbering(rec);
        const NumberingSearchResult plain = test::plain_numbering_search(reference);
        ASSERT_EQ(pruned.outcome, plain.outcome) << "graph " << g;
        ASSERT_EQ(pruned.numbering, plain.numbering) << "graph " << g;
        EXPECT_LE(pruned.checked, plain.checked);
        EXPECT_EQ(numbers_in_chains(rec), pruned.numbering);
        ++seen[pruned.outcome];
    }
    // The graphs reach every outcome, so the comparison covers each of them.
    EXPECT_GT(seen[Outcome::Accepted], 100);
    EXPECT_GT(seen[Outcome::Fallback], 100);
    EXPECT_GT(seen[Outcome::Failed], 100);
}

TEST(search_numbering, AcceptsTheFirstValidNumberingNeedingNoConversion) {
    TaskRecord rec = automatic(make_graph({5}, {{2, 1, 2, 1, 4}}), 1);
    const NumberingSearchResult r = search_numbering(rec);
    EXPECT_EQ(r.outcome, Outcome::Accepted);
    EXPECT_EQ(r.numbering, (std::vector<int>{1}));
    EXPECT_EQ(rec.workingSubgraphCount, 1);
    EXPECT_EQ(rec.subgraphSpans[0].firstOp, 2);
    EXPECT_EQ(rec.subgraphSpans[0].lastOp, 4);
    EXPECT_TRUE(r.failure.ok());
}

TEST(search_numbering, FallsBackOnTheLastValidNumberingThatNeedsConversion) {
    // (1, 0) and (0, 1) are valid but leave shared operations of two variants; (1, 1) and (0, 0) let
    // chain 3 leave chain 1 after chain 2 entered it.
    TaskRecord rec = automatic(make_graph({4}, {{1, 1, 2, 1, 3}, {1, 1, 4, 1, 4}}), 1);
    test::set_variant_counts(rec, 2);
    const NumberingSearchResult r = search_numbering(rec);
    EXPECT_EQ(r.outcome, Outcome::Fallback);
    EXPECT_EQ(r.numbering, (std::vector<int>{0, 1}));
    // The fallback is in force and decomposed as itself, not as the last candidate tried.
    EXPECT_EQ(numbers_in_chains(rec), (std::vector<int>{0, 1}));
    EXPECT_EQ(rec.workingSubgraphCount, 1);
    EXPECT_EQ(rec.subgraphSpans[0].firstOp, 4);
    EXPECT_EQ(rec.subgraphMembers[0][1].chain, 3);
}

TEST(search_numbering, FailureNamesTheAdmissibleCountWhenItCouldGrow) {
    // Three chains each leaving chain 1 after the one before entered it: no two may share a number.
    const TaskRecord crossing = make_graph({6}, {{1, 1, 1, 1, 1}, {1, 1, 3, 1, 3}, {1, 1, 5, 1, 5}});
    TaskRecord rec = automatic(crossing, 1);
    NumberingSearchResult r = search_numbering(rec);
    EXPECT_EQ(r.outcome, Outcome::Failed);
    EXPECT_EQ(testing::message_of(r.failure), "t489 1. t448 \"... (t485 2 t159 8)\".");
    EXPECT_EQ(rec.workingSubgraphCount, 0);
    EXPECT_EQ(numbers_in_chains(rec), (std::vector<int>{0, 0, 0}));

    rec = automatic(crossing, 2);
    EXPECT_EQ(search_numbering(rec).outcome, Outcome::Accepted);

    // With as many admissible subgraphs as nested chains only the graph itself can change.
    rec.header.allowedSubgraphCount = 3;
    EXPECT_EQ(task_refusal_text(testing::numbered_texts(), numbering_failure(rec)), "t496. t329.");
}

TEST(LeaderLimits, GroupsChainsOfTheSameEnds) {
    // Chains 2..5 all run from chain 1 into chain 1; chain 6 from chain 2.
    TaskRecord rec = make_graph(
        {6}, {{1, 1, 2, 1, 5}, {1, 1, 3, 1, 4}, {1, 1, 2, 1, 5}, {1, 1, 1, 1, 3}, {1, 2, 1, 2, 1}});
    const std::vector<NumberingLimit> limits = leader_limits(rec);
    ASSERT_EQ(limits.size(), 5u);
    EXPECT_EQ(limits[0].leader, -1);
    EXPECT_EQ(limits[1].leader, 0);
    EXPECT_EQ(limits[1].relation, LeaderRelation::Contained);
    EXPECT_EQ(limits[2].relation, LeaderRelation::Identical);
    EXPECT_EQ(limits[3].leader, 0);
    EXPECT_EQ(limits[3].relation, LeaderRelation::Free);
    EXPECT_EQ(limits[4].leader, -1);

    const std::vector<int> leaderAt3 = {3, 0, 0, 0, 0};
    EXPECT_EQ(upper_limit(limits[1], 4, leaderAt3), 3);
    EXPECT_EQ(lower_limit(limits[1], leaderAt3), 0);
    EXPECT_EQ(lower_limit(limits[2], leaderAt3), 3);
    EXPECT_EQ(upper_limit(limits[3], 4, leaderAt3), 4);
}

} // namespace
} // namespace zep
