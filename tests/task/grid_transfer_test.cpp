#include "task/grid_transfer.h"

#include "refusal_words.h"

#include <gtest/gtest.h>

namespace zep {
namespace {

TaskRecord two_chain_record(int opCount) {
    TaskRecord rec;
    rec.chains.resize(2);
    rec.chains[1].name = "Second";
    rec.chains[1].opCount = opCount;
    return rec;
}

TEST(store_operations, RefusesTheFirstBadRowWithItsMessage) {
    const std::string tail = " t20 2 t162 2. t329.";
    struct Case {
        const char* what;
        CellTable grid;
        std::string message;
        int row;
    } cases[] = {
        {"blank name", {{"1", "a", "2"}, {"2", "  ", "3"}}, "t313 \"t214\"" + tail, 1},
        {"blank count", {{"1", "a", "2"}, {"2", "b", " "}}, "t313 \"t474\"" + tail, 1},
        {"count not whole", {{"1", "a", "2"}, {"2", "b", "2,5"}}, "t268 \"t474\"" + tail, 1},
        {"count above 20", {{"1", "a", "2"}, {"2", "b", "21"}}, "t252 2 t162 2. t329.", 1},
        {"count 0", {{"1", "a", "0"}, {"2", "b", "1"}}, "t252 1 t162 2. t329.", 0},
        {"missing row", {{"1", "a", "2"}}, "t313 \"t214\"" + tail, 1},
    };
    for (const auto& c : cases) {
        TaskRecord rec = two_chain_record(2);
        GridTransferResult r = store_operations(rec, 1, c.grid);
        EXPECT_FALSE(r.ok()) << c.what;
        EXPECT_EQ(testing::message_of(r), c.message) << c.what;
        EXPECT_EQ(r.refusal().row, c.row) << c.what;
        EXPECT_TRUE(rec.chains[1].operations.empty()) << c.what << ": the record must stay unchanged";
    }
}

TEST(store_operations, StoresNamesAndCountsAndKeepsTheVariantsOfKeptOperations) {
    TaskRecord rec = two_chain_record(3);
    rec.chains[1].operations.resize(4);
    rec.chains[1].operations[0].variants.resize(2);
    rec.chains[1].operations[0].variants[0].essence = "kept";
    const std::string longName(120, 'x');
    CellTable grid = {{"1", " Dig ", "2"}, {"2", longName, " 20 "}, {"3", "Пуск", "1"}};

    GridTransferResult r = store_operations(rec, 1, grid);

    ASSERT_TRUE(r.ok()) << testing::message_of(r);
    const auto& ops = rec.chains[1].operations;
    ASSERT_EQ(ops.size(), 3u);
    EXPECT_EQ(ops[0].name, " Dig ");
    EXPECT_EQ(ops[0].variantCount, 2);
    EXPECT_EQ(ops[0].variants[0].essence, "kept");
    EXPECT_EQ(ops[1].name, std::string(100, 'x'));
    EXPECT_EQ(ops[1].variantCount, 20);
    EXPECT_EQ(ops[2].name, "Пуск");
}

TEST(store_operations, RefusesAChainWithoutAnOperationCount) {
    TaskRecord rec = two_chain_record(kOpCountUnset);
    EXPECT_THROW(store_operations(rec, 1, {}), std::invalid_argument);
    EXPECT_THROW(store_operations(rec, 2, {}), std::invalid_argument);
}

TaskRecord one_operation_record(int variantCount, bool withResources) {
    TaskRecord rec;
    rec.header.hasUnavailableResources = withResources ? 1 : 0;
    rec.header.resourceCategoryCount = withResources ? 2 : 0;
    rec.chains.resize(1);
    rec.chains[0].name = "Main";
    rec.chains[0].opCount = 2;
    rec.chains[0].operations.resize(2);
    rec.chains[0].operations[1].name = "Lay";
    rec.chains[0].operations[1].variantCount = variantCount;
    return rec;
}

TEST(store_variants, StoresRowsWithTheUserSeparatorAndEmptyCellsAsUnset) {
    TaskRecord rec = one_operation_record(2, false);
    CellTable grid = {{"1", "  by hand  ", "2,5", "100"}, {"2", std::string(50, 'e'), "", "1E2"}};

    GridTransferResult r = store_variants(rec, 0, 1, grid, ',');

    ASSERT_TRUE(r.ok()) << testing::message_of(r);
    const auto& v = rec.chains[0].operations[1].variants;
    ASSERT_EQ(v.size(), 2u);
    EXPECT_EQ(v[0].essence, "by hand");
    EXPECT_EQ(v[0].time, 2.5);
    EXPECT_EQ(v[0].cost, 100.0);
    EXPECT_EQ(v[1].essence, std::string(40, 'e'));
    EXPECT_TRUE(is_unset_value(v[1].time));
    EXPECT_EQ(v[1].cost, 100.0);
}

TEST(store_variants, ReadsCategoryAndNoSuspendColumnsWithResources) {
    TaskRecord rec = one_operation_record(2, true);
    CellTable grid = {{"1", "a", "2", "*", "3", "4"}, {"2", "b", "", "", "5", ""}};

    ASSERT_TRUE(store_variants(rec, 0, 1, grid, '.').ok());

    const auto& v = rec.chains[0].operations[1].variants;
    EXPECT_EQ(v[0].resourceCategory, 2);
    EXPECT_EQ(v[0].noSuspend, 1);
    EXPECT_EQ(v[0].time, 3.0);
    EXPECT_EQ(v[1].resourceCategory, 0);
    EXPECT_EQ(v[1].noSuspend, 0);
    EXPECT_TRUE(is_unset_value(v[1].cost));
}

TEST(store_variants, RefusalsKeepEarlierRowsAndNameTheVariant) {
    struct Case {
        const char* what;
        bool withResources;
        std::vector<std::string> badRow;
        std::string message;
        bool restoreSelectors;
    } cases[] = {
        {"empty essence", false, {"3", " ", "1", "1"}, "t236 3 t387 2 t162 1. t329.", false},
        {"time not a number", false, {"3", "c", "1.5", "1"}, "t235 3 t387 2 t162 1. t329.", true},
        {"cost not a number", false, {"3", "c", "1", "x"}, "t235 3 t387 2 t162 1. t329.", true},
        {"category not whole", true, {"3", "c", "1,5", "", "1", "1"}, "t235 3 t387 2 t162 1. t329.", true},
    };
    for (const auto& c : cases) {
        TaskRecord rec = one_operation_record(4, c.withResources);
        std::vector<std::string> good = c.withResources
                                            ? std::vector<std::string>{"", "ok", "1", "", "7", "8"}
                                            : std::vector<std::string>{"", "ok", "7", "8"};
        CellTable grid = {good, good, c.badRow, good};
        GridTransferResult r = store_variants(rec, 0, 1, grid, ',');
        EXPECT_FALSE(r.ok()) << c.what;
        EXPECT_EQ(testing::message_of(r), c.message) << c.what;
        EXPECT_EQ(r.refusal().row, 2) << c.what;
        EXPECT_EQ(restores_selectors(r.refusal()), c.restoreSelectors) << c.what;
        const auto& v = rec.chains[0].operations[1].variants;
        ASSERT_EQ(v.size(), 4u) << c.what;
        EXPECT_EQ(v[1].essence, "ok") << c.what;
        EXPECT_EQ(v[1].time, 7.0) << c.what;
        EXPECT_TRUE(v[2].essence.empty()) << c.what << ": the refused row is not stored";
    }
}

TEST(load_variant_grid, ShowsVariantsAsStoredAndBackAgain) {
    TaskRecord rec = one_operation_record(3, true);
    auto& ops = rec.chains[0].operations[1];
    ops.variants = {{"a", 1, 1, 2.5, 10}, {"b", 3, 0, kUnsetValue, 0.1}, {"c", 0, 2, 1e-5, kUnsetValue}};

    VariantGridView view = load_variant_grid(rec, 0, 1, ',');

    EXPECT_EQ(view.chainName, "Main");
    EXPECT_EQ(view.operationName, "Lay");
    CellTable want = {{"1", "a", "1", "*", "2,5", "10"},
                      {"2", "b", "", "", "", "0,1"}, // category 3 lies outside 1..2
                      {"3", "c", "", "*", "1E-5", ""}};
    EXPECT_EQ(view.rows, want);

    // What the grid shows stores back to the same variants, except the category it could not show.
    TaskRecord again = rec;
    ASSERT_TRUE(store_variants(again, 0, 1, view.rows, ',').ok());
    const auto& v = again.chains[0].operations[1].variants;
    EXPECT_EQ(v[0].time, 2.5);
    EXPECT_EQ(v[0].noSuspend, 1);
    EXPECT_EQ(v[1].resourceCategory, 0);
    EXPECT_TRUE(is_unset_value(v[1].time));
    EXPECT_EQ(v[2].noSuspend, 1);
    EXPECT_EQ(v[2].time, 1e-5);
}

TEST(load_variant_grid, ResetsToOneEmptyRowWhenNothingIsStored) {
    for (int variantCount : {1, 3}) {
        TaskRecord rec = one_operation_record(variantCount, false);
        if (variantCount == 1)
            rec.chains[0].operations[1].variants.resize(1); // a single variant without essence
        VariantGridView view = load_variant_grid(rec, 0, 1, '.');
        EXPECT_EQ(view.rows, (CellTable{{"1", "", "", ""}})) << variantCount;
    }
}

} // namespace
} // namespace zep
