#include "task/decomposition.h"

#include "graph_builder.h"
#include "refusal_words.h"
#include "task/bounds.h"
#include "task/numbering_rules.h"
#include "task/path_unrolling.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zep {
namespace {

using test::chain_ops;
using test::make_graph;
using Ops = std::vector<std::pair<int, int>>;

// Decomposes by the subgraph numbers the chains were built with.
void decompose(TaskRecord& rec) {
    rec.header.decompositionMode = 1;
    rec.workingSubgraphCount = 0;
    for (const ChainRec& ch : rec.chains)
        rec.workingSubgraphCount = std::max(rec.workingSubgraphCount, ch.subgraphNo);
    ASSERT_FALSE(check_numbering_rules(rec).has_value());
    extract_subgraphs(rec);
}

// Chain 1 has five operations; chains 2 and 3 hang on its operations 2 to 4 and form subgraph 1,
// whose span therefore starts at operation 2.
TaskRecord span_from_operation_two() {
    TaskRecord rec = make_graph({5}, {{2, 1, 2, 1, 4, 1}, {1, 1, 3, 1, 4, 1}});
    for (int k = 1; k <= 5; ++k)
        test::set_variants(rec, 1, k, {{1.0 * k, 100.0 * k}, {10.0 * k, 1.0 * k}});
    test::set_variants(rec, 2, 1, {{4, 7}});
    test::set_variants(rec, 2, 2, {{4, 7}});
    test::set_variants(rec, 3, 1, {{1, 3}});
    return rec;
}

TEST(Decomposition, SubgraphPathsHoldTheOperationsOwnNumbers) {
    TaskRecord rec = span_from_operation_two();
    decompose(rec);

    ASSERT_EQ(rec.subgraphSpans.size(), 1u);
    EXPECT_EQ(rec.subgraphSpans[0].baseChain, 1);
    EXPECT_EQ(rec.subgraphSpans[0].firstOp, 2);
    EXPECT_EQ(rec.subgraphSpans[0].lastOp, 4);
    // Members carry coordinates relative to the span ...
    const auto& members = rec.subgraphMembers[0];
    ASSERT_EQ(members.size(), 3u);
    EXPECT_EQ(members[0].opCount, 3);
    EXPECT_EQ(members[2].fromOp, 2);
    EXPECT_EQ(members[2].toOp, 3);
    // ... but every element names the operation of its chain.
    EXPECT_EQ(chain_ops(rec.subgraphPaths[0][0]), (Ops{{1, 2}, {1, 3}, {1, 4}}));
    EXPECT_EQ(chain_ops(rec.subgraphPaths[0][1]), (Ops{{2, 1}, {2, 2}}));
    EXPECT_EQ(chain_ops(rec.subgraphPaths[0][2]), (Ops{{1, 2}, {3, 1}}));
    EXPECT_EQ(rec.chainsPerSubgraph, (std::vector<int>{3, 1}));
    EXPECT_EQ(rec.spanMark[0], (std::vector<int>{0, 1, -1, -1, 0}));
}

TEST(Decomposition, SubgraphSpanningFromOperationTwoGetsTheBoundsOfTheOperationsItCovers) {
    TaskRecord rec = span_from_operation_two();
    decompose(rec);
    ASSERT_TRUE(bound_subgraphs(rec).ok());

    const SubgraphSummary& s = rec.subgraphSummaries[0];
    // Base span: operations 2..4 of chain 1, times 2+3+4 to 20+30+40, costs 2+3+4 to 200+300+400.
    // Chain 2: 8 and 14. Chain 3: operation 2 of chain 1 taken over (first-variant cost 200 into the
    // base cost), then its own operation.
    EXPECT_DOUBLE_EQ(s.timeMin, 9);
    EXPECT_DOUBLE_EQ(s.timeMax, 90);
    EXPECT_DOUBLE_EQ(s.costMin, 9 + 14 + 3);
    EXPECT_DOUBLE_EQ(s.costMax, 900 + 14 + 3);
    EXPECT_DOUBLE_EQ(s.costBase, 200);
    EXPECT_EQ(s.critical, 0);
    EXPECT_EQ(rec.subgraphPaths[0][0].elements[0].count, 2);

    // The top level sees the span as one operation of those bounds.
    unroll_paths(rec);
    ASSERT_TRUE(compute_bounds(rec).ok());
    EXPECT_EQ(chain_ops(rec.chainPaths[0]),
              (Ops{{1, 1}, {1, subgraph_reference(0)}, {1, 0}, {1, 0}, {1, 5}}));
    EXPECT_EQ(rec.sourceOps[0], (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_DOUBLE_EQ(rec.graphTimeMin, 1 + 9 + 5);
    EXPECT_DOUBLE_EQ(rec.graphTimeMax, 10 + 90 + 50);
    EXPECT_DOUBLE_EQ(rec.graphCostMin, 1 + 26 + 5);
    EXPECT_DOUBLE_EQ(rec.graphCostMax, 100 + 917 + 500);
}

TEST(Decomposition, MemberCarryingTwoInnerSubgraphsRefersToBoth) {
    // Chain 2 hangs on chain 1 and is subgraph 3; chains 3 and 4 hang on operations 1-2 and 4-5 of
    // chain 2 and are subgraphs 1 and 2.
    TaskRecord rec = make_graph({4}, {{5, 1, 2, 1, 3, 3}, {1, 2, 1, 2, 2, 1}, {1, 2, 4, 2, 5, 2}});
    decompose(rec);

    EXPECT_EQ(rec.opRefs[2][1], (std::vector<int>{-1, 0, 3, -2, 0}));
    EXPECT_EQ(rec.spanMark[1], (std::vector<int>{1, -1, 0, 2, -1}));
    EXPECT_EQ(chain_ops(rec.subgraphPaths[2][1]),
              (Ops{{2, subgraph_reference(0)}, {2, 0}, {2, 3}, {2, subgraph_reference(1)}, {2, 0}}));
    // The inner spans' paths name chain 2's own operations 4 and 5.
    EXPECT_EQ(chain_ops(rec.subgraphPaths[1][0]), (Ops{{2, 4}, {2, 5}}));
}

TEST(Decomposition, SubgraphOfSingleVariantOperationsIsCritical) {
    TaskRecord rec = make_graph({4}, {{2, 1, 2, 1, 3, 1}});
    decompose(rec);
    EXPECT_EQ(rec.subgraphSummaries[0].critical, 1);
    EXPECT_EQ(rec.subgraphSummaries[0].levelCount, 1);

    // One operation of two variants anywhere in a member makes it a choice again.
    test::set_variants(rec, 2, 2, {{1, 2}, {2, 1}});
    decompose(rec);
    EXPECT_EQ(rec.subgraphSummaries[0].critical, 0);
    // ... and an outer subgraph referring to a non-critical one is not critical either.
    TaskRecord outer = make_graph({4}, {{5, 1, 2, 1, 3, 2}, {1, 2, 2, 2, 3, 1}});
    test::set_variants(outer, 3, 1, {{1, 2}, {2, 1}});
    decompose(outer);
    EXPECT_EQ(outer.subgraphSummaries[0].critical, 0);
    EXPECT_EQ(outer.subgraphSummaries[1].critical, 0);
}

TEST(Decomposition, OuterSubgraphCountsAnInnerOneByItsSummary) {
    // Subgraph 1 (chain 3) hangs on operation 2 of chain 2, which with its own operations is
    // subgraph 2 on chain 1.
    TaskRecord rec = make_graph({3}, {{3, 1, 2, 1, 2, 2}, {1, 2, 2, 2, 2, 1}});
    test::set_variants(rec, 2, 2, {{2, 5}, {4, 3}});
    test::set_variants(rec, 3, 1, {{3, 6}, {1, 9}});
    decompose(rec);
    ASSERT_TRUE(bound_subgraphs(rec).ok());

    const SubgraphSummary& inner = rec.subgraphSummaries[0];
    EXPECT_DOUBLE_EQ(inner.timeMin, 2);     // operation 2 of chain 2, or chain 3: max(2, 1)
    EXPECT_DOUBLE_EQ(inner.timeMax, 4);     // max(4, 3)
    EXPECT_DOUBLE_EQ(inner.costMin, 3 + 6); // both members own their operation
    const SubgraphSummary& outer = rec.subgraphSummaries[1];
    // Member 0 of the outer subgraph: operation 2 of chain 1 (time 1). Member 1: chain 2 as
    // 1, [inner], 1.
    EXPECT_DOUBLE_EQ(outer.timeMin, 1 + 2 + 1);
    EXPECT_DOUBLE_EQ(outer.timeMax, 1 + 4 + 1);
    EXPECT_DOUBLE_EQ(outer.costMin, 1 + (1 + 9 + 1));
    EXPECT_DOUBLE_EQ(outer.costBase, 0);
}

TEST(Decomposition, Decomp2NamesTheOperationThatCannotBeBounded) {
    TaskRecord rec = span_from_operation_two();
    test::set_variants(rec, 3, 1, {{1e15, 3}});
    decompose(rec);
    const PrepOutcome out = bound_subgraphs(rec);
    EXPECT_FALSE(out.ok());
    EXPECT_EQ(testing::message_of(out), "t273 1 t31 3.");
    EXPECT_EQ(out.refusal().chainNo, 3);
    EXPECT_EQ(out.refusal().opNo, 1);
}

} // namespace
} // namespace zep
