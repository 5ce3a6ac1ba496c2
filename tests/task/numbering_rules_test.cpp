#include "task/numbering_rules.h"

#include "graph_builder.h"

#include <gtest/gtest.h>

namespace zep {
namespace {

using test::make_graph;
using test::Nested;

TEST(FVer, ShapeOfACandidate) {
    // Chain 2 hangs on ordinary chain 1 (group A), chain 3 on chain 2 (group B).
    const TaskRecord chained = make_graph({3}, {{3, 1, 2, 1, 2}, {1, 2, 2, 2, 2}});
    // Chains 2 and 3 both hang on chain 1 (group A only).
    const TaskRecord siblings = make_graph({3}, {{1, 1, 2, 1, 2}, {1, 1, 3, 1, 3}});
    struct Case {
        const TaskRecord* rec;
        std::vector<int> candidate;
        bool shape;
    } cases[] = {
        {&chained, {2, 1}, true},   {&chained, {1, 1}, true},
        {&chained, {3, 1}, false}, // group A more than one above group B (and 2 unused)
        {&chained, {1, 2}, false}, // group A below group B
        {&chained, {0, 0}, true},  // no subgraph at all
        {&siblings, {2, 1}, true},  {&siblings, {3, 1}, false}, // number 2 unused
        {&siblings, {0, 2}, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(has_numbering_shape(*c.rec, c.candidate), c.shape)
            << c.candidate[0] << "," << c.candidate[1];
}

TEST(PVer, EachRuleRefusesItsNumbering) {
    struct Case {
        std::vector<int> ordinary;
        std::vector<Nested> nested;
        std::vector<int> candidate;
        std::optional<NumberingRule> broken;
    } cases[] = {
        {{3}, {{1, 1, 1, 1, 3}}, {1}, NumberingRule::SpansParentWhole},
        {{3}, {{1, 1, 1, 1, 3}}, {0}, std::nullopt},
        // Members on two different outside chains.
        {{3, 3}, {{1, 1, 2, 1, 2}, {1, 2, 2, 2, 2}}, {1, 1}, NumberingRule::SeveralOutsideChains},
        {{3, 3}, {{1, 1, 2, 1, 2}, {1, 2, 2, 2, 2}}, {2, 1}, std::nullopt},
        // Chain 4 stays outside exactly at the span 2-4 that chains 2 and 3 make.
        {{5}, {{1, 1, 2, 1, 3}, {1, 1, 3, 1, 4}, {1, 1, 2, 1, 4}}, {1, 1, 0}, NumberingRule::SameSpanOutside},
        // A top-level chain hanging on a member.
        {{3}, {{3, 1, 2, 1, 2}, {1, 2, 2, 2, 2}}, {1, 0}, NumberingRule::HangsOnMember},
        // Top-level chains leaving or entering the base chain inside the span 2-4.
        {{5}, {{1, 1, 2, 1, 4}, {1, 1, 3, 1, 5}}, {1, 0}, NumberingRule::LeavesInsideSpan},
        {{5}, {{1, 1, 2, 1, 4}, {1, 1, 1, 1, 3}}, {1, 0}, NumberingRule::EntersInsideSpan},
        {{5}, {{1, 1, 2, 1, 4}, {1, 1, 1, 1, 2}}, {1, 0}, NumberingRule::EntersInsideSpan},
        {{5}, {{1, 1, 2, 1, 4}, {1, 1, 1, 1, 1}}, {1, 0}, std::nullopt},
        // Chain 3 leaves chain 1 after chain 2 entered it: not in one graph.
        {{5}, {{1, 1, 1, 1, 2}, {1, 1, 4, 1, 5}}, {0, 0}, NumberingRule::CrossingOrder},
        {{5}, {{1, 1, 1, 1, 2}, {1, 1, 4, 1, 5}}, {1, 1}, NumberingRule::CrossingOrder},
        {{5}, {{1, 1, 1, 1, 2}, {1, 1, 4, 1, 5}}, {2, 1}, std::nullopt},
    };
    for (const Case& c : cases) {
        TaskRecord rec = make_graph(c.ordinary, c.nested);
        rec.header.decompositionMode = 1;
        const NumberingVerdict verdict = check_numbering_candidate(rec, c.candidate);
        EXPECT_EQ(verdict.invalid, c.broken.has_value()) << c.nested.size() << " " << c.candidate[0];
        const auto violation = check_numbering_rules(rec);
        EXPECT_EQ(violation ? std::optional(violation->rule) : std::nullopt, c.broken);
    }
}

TEST(PVer, ValidNumberingThatSharesOperationsNeedsConversion) {
    // Subgraph 1 on operations 2-3 of chain 1, a top-level chain leaving at operation 4: operation 1
    // and the subgraph are shared with that chain's path.
    TaskRecord rec = make_graph({4}, {{1, 1, 2, 1, 3}, {1, 1, 4, 1, 4}});
    rec.header.decompositionMode = 1;
    NumberingVerdict verdict = check_numbering_candidate(rec, {1, 0});
    EXPECT_FALSE(verdict.invalid);
    EXPECT_FALSE(verdict.needsConversion); // single variants everywhere

    test::set_variants(rec, 2, 1, {{1, 2}, {2, 1}});
    verdict = check_numbering_candidate(rec, {1, 0});
    EXPECT_FALSE(verdict.invalid);
    EXPECT_TRUE(verdict.needsConversion);
    EXPECT_EQ(rec.subgraphSummaries[0].critical, 1); // the test leaves the shared subgraph critical
    EXPECT_EQ(rec.chains[1].operations[0].variantCount, 2);
    EXPECT_EQ(rec.chains[1].subgraphNo, 1);
    EXPECT_EQ(rec.workingSubgraphCount, 1);
    EXPECT_EQ(rec.subgraphSpans[0].firstOp, 2);
    EXPECT_EQ(rec.subgraphSpans[0].lastOp, 3);
}

} // namespace
} // namespace zep
