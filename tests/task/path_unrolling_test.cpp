#include "task/path_unrolling.h"

#include "graph_builder.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace zep {
namespace {

using test::chain_ops;
using test::make_graph;
using test::Nested;
using Ops = std::vector<std::pair<int, int>>;

TEST(unroll_paths, NestedChainTakesOverItsParentsOperationsAroundItsOwn) {
    TaskRecord rec = make_graph({5}, {{2, 1, 2, 1, 4}});
    unroll_paths(rec);

    const PathInfo& ordinary = rec.chainPaths[0];
    EXPECT_EQ(chain_ops(ordinary), (Ops{{1, 1}, {1, 2}, {1, 3}, {1, 4}, {1, 5}}));
    EXPECT_EQ(ordinary.prefixLength, 0);
    EXPECT_EQ(ordinary.suffixLength, 0);

    const PathInfo& nested = rec.chainPaths[1];
    EXPECT_EQ(chain_ops(nested), (Ops{{1, 1}, {2, 1}, {2, 2}, {1, 5}}));
    EXPECT_EQ(nested.prefixLength, 1);
    EXPECT_EQ(nested.suffixLength, 1);
    EXPECT_EQ(rec.sourceOps[1], (std::vector<int>{1, 1, 2, 5}));
    EXPECT_EQ(rec.topPathCount, 2);
    EXPECT_EQ(rec.chainsPerSubgraph, (std::vector<int>{2}));
}

TEST(unroll_paths, ChainsNestedOnNestedChainsTakeOverTheWholeAncestry) {
    // Chain 3 runs from chain 1 into chain 2; chain 4 hangs on chain 3; chain 5 leaves chain 4 and
    // enters chain 2 at its end.
    TaskRecord rec = make_graph({5, 4}, {{3, 1, 3, 2, 2}, {2, 3, 2, 3, 3}, {1, 4, 2, 2, 4}});
    test::set_variants(rec, 2, 3, {{1, 1}, {2, 2}, {3, 3}});
    unroll_paths(rec);

    EXPECT_EQ(chain_ops(rec.chainPaths[2]), (Ops{{1, 1}, {1, 2}, {3, 1}, {3, 2}, {3, 3}, {2, 3}, {2, 4}}));
    EXPECT_EQ(chain_ops(rec.chainPaths[3]), (Ops{{1, 1}, {1, 2}, {3, 1}, {4, 1}, {4, 2}, {2, 3}, {2, 4}}));
    EXPECT_EQ(rec.chainPaths[3].prefixLength, 3);
    EXPECT_EQ(rec.chainPaths[3].suffixLength, 2);
    EXPECT_EQ(chain_ops(rec.chainPaths[4]), (Ops{{1, 1}, {1, 2}, {3, 1}, {4, 1}, {5, 1}}));
    EXPECT_EQ(rec.chainPaths[4].prefixLength, 4);
    EXPECT_EQ(rec.chainPaths[4].suffixLength, 0);
    // Every element counts the variants of the operation it stands for.
    EXPECT_EQ(rec.chainPaths[3].elements[5].count, 3);
    EXPECT_EQ(rec.topPathCount, 5);
}

TEST(unroll_paths, TopLevelPathsDecideWhetherTheCostIsDiscretised) {
    struct Case {
        int minimised, decomposition, subgraphNo;
        int topPaths, discretisedIsCost;
        bool nestedHasPath;
    } cases[] = {
        {1, 0, 0, 2, 0, true},  // time minimised on two paths: second-level mode
        {1, 1, 1, 1, 1, false}, // the nested chain went into a subgraph: one top-level path
        {0, 1, 1, 1, 0, false}, // cost minimised: the time stays discretised
        {1, 0, 1, 2, 0, true},  // without decomposition a subgraph number means nothing
    };
    for (const Case& c : cases) {
        TaskRecord rec = make_graph({3}, {{1, 1, 2, 1, 2, c.subgraphNo}});
        rec.header.minimisedParam = c.minimised;
        rec.header.decompositionMode = c.decomposition;
        rec.workingSubgraphCount = c.decomposition ? c.subgraphNo : 0;
        unroll_paths(rec);
        EXPECT_EQ(rec.topPathCount, c.topPaths);
        EXPECT_EQ(rec.chainsPerSubgraph.back(), c.topPaths);
        EXPECT_EQ(rec.discretisedIsCost, c.discretisedIsCost);
        EXPECT_EQ(rec.chainPaths[1].elementCount() > 0, c.nestedHasPath);
    }
}

TEST(unroll_paths, WithoutDecompositionNoSubgraphIsLeftOver) {
    // Decomposition was switched off after a numbering had made subgraph 1.
    TaskRecord rec = make_graph({3}, {{1, 1, 2, 1, 2, 1}});
    rec.workingSubgraphCount = 1;
    rec.subgraphSpans = {{1, 2, 2}};
    rec.subgraphPaths = {{PathInfo{}, PathInfo{}}};
    rec.chainsPerSubgraph = {2, 1};
    unroll_paths(rec);
    EXPECT_EQ(rec.workingSubgraphCount, 0);
    EXPECT_TRUE(rec.subgraphPaths.empty());
    EXPECT_TRUE(rec.subgraphSpans.empty());
    EXPECT_EQ(rec.chainsPerSubgraph, (std::vector<int>{2}));
}

TEST(unroll_paths, RefusesGraphsItCannotWalk) {
    TaskRecord later = make_graph({3}, {{1, 1, 1, 1, 2}, {1, 1, 1, 1, 2}});
    later.chains[1].fromChain = 3; // hangs on a chain below it
    EXPECT_THROW(unroll_paths(later), std::invalid_argument);

    TaskRecord beyond = make_graph({3}, {{1, 1, 4, 1, 3}});
    EXPECT_THROW(unroll_paths(beyond), std::invalid_argument);

    TaskRecord miscounted = make_graph({3});
    miscounted.chains[0].operations.pop_back();
    EXPECT_THROW(unroll_paths(miscounted), std::invalid_argument);
}

} // namespace
} // namespace zep
