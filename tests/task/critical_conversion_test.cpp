#include "task/critical_conversion.h"

#include "graph_builder.h"
#include "shell/naming_shell.h"
#include "task/decomposition.h"
#include "task/numbering_rules.h"
#include "wizard/refusal_texts.h"

#include <gtest/gtest.h>

namespace zep {
namespace {

using test::make_graph;

std::vector<double> times(const OperationRec& op) {
    std::vector<double> t;
    for (const VariantRec& v : op.variants)
        t.push_back(v.time);
    return t;
}

TEST(ModBase, BestVariantComesFirstAndTheFirstOfEqualOnesWins) {
    struct Case {
        int mode; // 1: by time, 2: by cost
        std::vector<std::pair<double, double>> variants;
        std::vector<double> timesAfter;
    } cases[] = {
        {1, {{5, 1}, {3, 2}, {3, 3}, {4, 4}}, {3, 5, 3, 4}},
        {2, {{5, 4}, {3, 2}, {2, 1}, {4, 1}}, {2, 3, 5, 4}},
        {1, {{1, 9}, {2, 1}}, {1, 2}}, // already first
    };
    for (const Case& c : cases) {
        TaskRecord rec = make_graph({1});
        rec.header.criticalConversionMode = c.mode;
        test::set_variants(rec, 1, 1, c.variants);
        move_best_variant_first(rec, 1, 1);
        EXPECT_EQ(times(rec.chains[0].operations[0]), c.timesAfter);
    }
    // Before the variants are entered there is nothing to compare.
    TaskRecord empty = make_graph({1});
    empty.chains[0].operations[0].variants.clear();
    empty.chains[0].operations[0].variantCount = 3;
    move_best_variant_first(empty, 1, 1);
    EXPECT_TRUE(empty.chains[0].operations[0].variants.empty());
}

TEST(convert_shared_operations, SharedOperationsOutsideTheBranchPointsKeepTheirBestVariant) {
    // Chains 2 and 3 leave chain 1 at operations 2 and 3 and enter it at 4 and 3: only operation 3
    // of chain 1 belongs to no other path.
    TaskRecord rec = make_graph({5}, {{1, 1, 2, 1, 4}, {1, 1, 3, 1, 3}});
    test::set_variant_counts(rec, 2);
    rec.header.criticalConversionMode = 2; // by cost: the second variant (cost 9) is the better
    EXPECT_TRUE(conversion_needed(rec));
    EXPECT_EQ(rec.chains[0].operations[0].variantCount, 2); // testing changes nothing

    const int converted = convert_shared_operations(rec);
    EXPECT_EQ(converted, 4);
    for (int k : {0, 1, 3, 4}) {
        const OperationRec& op = rec.chains[0].operations[k];
        EXPECT_EQ(op.variantCount, 1);
        ASSERT_EQ(op.variants.size(), 1u);
        EXPECT_EQ(op.variants[0].cost, 9);
        EXPECT_EQ(op.criticalMark, 1);
    }
    EXPECT_EQ(rec.chains[0].operations[2].variantCount, 2);
    EXPECT_EQ(rec.chains[1].operations[0].variantCount, 2);
    EXPECT_FALSE(conversion_needed(rec));
    EXPECT_EQ(convert_shared_operations(rec), 0);
}

TEST(convert_shared_operations, SharedSubgraphBecomesCriticalWithAllItsOperations) {
    // Subgraph 1 (chain 2) spans operations 2-3 of chain 1; chain 3 stays in the top level and leaves
    // chain 1 at operation 4, so everything before it, the subgraph included, is shared.
    TaskRecord rec = make_graph({4}, {{1, 1, 2, 1, 3, 1}, {1, 1, 4, 1, 4, 0}});
    test::set_variant_counts(rec, 2);
    rec.header.decompositionMode = 1;
    rec.workingSubgraphCount = 1;
    ASSERT_FALSE(check_numbering_rules(rec).has_value());
    extract_subgraphs(rec);
    ASSERT_EQ(rec.subgraphSummaries[0].critical, 0);

    EXPECT_EQ(convert_shared_operations(rec), 4); // chain 1 operations 1 to 3, chain 2 operation 1
    EXPECT_EQ(rec.subgraphSummaries[0].critical, 1);
    EXPECT_EQ(rec.subgraphSummaries[0].levelCount, 1);
    EXPECT_EQ(rec.chains[0].operations[3].variantCount, 2);
    EXPECT_EQ(rec.chains[2].operations[0].variantCount, 2);
    EXPECT_EQ(rec.chains[1].operations[0].criticalMark, 1);
}

TEST(ConversionNotice, NamesOneOperationOrCountsThem) {
    const ShellTables shell = testing::numbered_texts();
    EXPECT_EQ(conversion_notice(shell, 0), "");
    EXPECT_EQ(conversion_notice(shell, 1), "t30, t17.");
    EXPECT_EQ(conversion_notice(shell, 4), "t29 4 t298 t18.");
}

} // namespace
} // namespace zep
