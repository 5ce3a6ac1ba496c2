#include "wizard/key_filters.h"

#include <gtest/gtest.h>

namespace zep {
namespace {

std::string repeat(const std::string& s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i)
        out += s;
    return out;
}

TEST(BoxKeys, EachBoxTakesWhatItsFilterLetsInUpToItsLength) {
    struct Case {
        WizardBox box;
        std::u32string typed;
        std::string shown;
    } cases[] = {
        {WizardBox::Code, U"ab.-_9x", "AB.-_9"}, // upper case, six characters
        {WizardBox::Code, U"a b/c\\d", "ABCD"},  // blanks and path separators never get in
        {WizardBox::Code, U"пл01", "01"},        // Latin letters only
        {WizardBox::Name, U"Переезд офиса №2", "Переезд офиса №2"},
        {WizardBox::Name, U"a\U0001F600b\u4E2Dc", "abc"}, // characters the task files cannot hold
        {WizardBox::ChainCount, U"1a2-3 45", "1234"},     // digits, four at most
        {WizardBox::CategoryCount, U"1234", "123"},
        {WizardBox::QuantSteps, U"205", "20"},
        {WizardBox::ReductionCoef, U"23", "2"},
        {WizardBox::Tact, U",1,5", "1,5"}, // no separator first, only one
        {WizardBox::Tact, U"12,345", "12,34"},
        {WizardBox::Tact, U"1.5", "15"}, // "." is not the separator here
        {WizardBox::ScalingCoef, U"0,015", "0,01"},
        {WizardBox::CostThreshold, U"-12,5e3", "12,53"},
        {WizardBox::Tact, U"12\b\b7", "7"}, // backspace removes
    };
    for (const auto& c : cases)
        EXPECT_EQ(type_into_box(c.box, "", c.typed, ','), c.shown) << c.shown;
}

TEST(BoxKeys, DecimalKeyFilter) {
    struct Case {
        const char* text;
        char32_t key;
        bool rejected;
    } cases[] = {
        {"", U'5', false},   {"12", U'0', false}, {"12", U',', false}, // digits and a first separator
        {"", U',', true},                                              // separator into an empty box
        {"1,2", U',', true},                                           // second separator
        {"1", U'.', true},   {"1", U'a', true},   {"1", U'-', true},   {"1", U'ж', true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rejects_decimal_key(c.text, c.key, ','), c.rejected)
            << '"' << c.text << "\" + key " << int(c.key);
    EXPECT_FALSE(rejects_decimal_key("1", U'.', '.'));
}

TEST(BoxKeys, OnlyTheChainCountBoxesMarkTheCountsEdited) {
    EXPECT_TRUE(box_marks_chain_counts_edited(WizardBox::ChainCount));
    EXPECT_TRUE(box_marks_chain_counts_edited(WizardBox::NestedChainCount));
    EXPECT_FALSE(box_marks_chain_counts_edited(WizardBox::CategoryCount));
}

TEST(GridKeys, ColumnLimitsApplyToTypedCharactersOnly) {
    const GridCellContext none{};
    const GridCellContext ordinary{true, true};
    const GridCellContext nestedManual{false, true};
    const GridCellContext nestedAuto{false, false};
    struct Case {
        const char* what;
        WizardGrid grid;
        int column;
        GridCellContext ctx;
        std::string cell;
        char32_t key;
        bool accepted;
    } cases[] = {
        {"name below the limit", WizardGrid::Chains, 1, none, std::string(99, 'x'), U'y', true},
        {"name at the limit", WizardGrid::Chains, 1, none, std::string(100, 'x'), U'y', false},
        {"backspace in a full cell", WizardGrid::Chains, 2, none, "123", kBackspaceKey, true},
        {"copy in a full cell", WizardGrid::Operations, 2, none, "20", kCopyKey, true},
        {"paste in a full cell", WizardGrid::Variants, 2, none, "1234567890", kPasteKey, true},
        {"cut in a full cell", WizardGrid::ResourceVariants, 2, none, "123", kCutKey, true},
        {"variant count of 2 digits", WizardGrid::Operations, 2, none, "20", U'1', false},
        {"letters count like any key", WizardGrid::Operations, 2, none, "", U'a', true},
        {"row number column", WizardGrid::Operations, 0, none, "", U'1', false},
        {"locked cell of an ordinary chain", WizardGrid::NestedChains, 5, ordinary, "", U'1', false},
        {"even backspace in a locked cell", WizardGrid::NestedChains, 4, ordinary, " -", kBackspaceKey,
         false},
        {"subgraph number, manual", WizardGrid::NestedChains, 3, nestedManual, "1", U'2', true},
        {"subgraph number, manual, full", WizardGrid::NestedChains, 3, nestedManual, "12", U'3', false},
        {"subgraph number, automatic", WizardGrid::NestedChains, 3, nestedAuto, "", U'1', false},
        {"coordinate", WizardGrid::NestedChains, 7, nestedAuto, "12", U'3', true},
        {"coordinate full", WizardGrid::NestedChains, 7, nestedAuto, "123", U'4', false},
        {"essence", WizardGrid::ResourceVariants, 1, none, std::string(40, 'e'), U'e', false},
        {"a character the files cannot hold", WizardGrid::Variants, 1, none, "", U'\u4E2D', false},
        {"category", WizardGrid::ResourceVariants, 2, none, "12", U'3', true},
        {"no-suspend mark takes no key", WizardGrid::ResourceVariants, 3, none, "", U'*', false},
        {"cost of 10 characters", WizardGrid::ResourceVariants, 5, none, "123456789", U'0', true},
        {"multi-byte characters count once", WizardGrid::Operations, 1, none, repeat("я", 99), U'я', true},
        {"... up to the limit", WizardGrid::Operations, 1, none, repeat("я", 100), U'я', false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(grid_accepts_key(c.grid, c.column, c.ctx, c.cell, c.key), c.accepted) << c.what;
}

TEST(GridKeys, DeleteShiftInsertAndTheSpaceBar) {
    EXPECT_FALSE(grid_accepts_delete(WizardGrid::NestedChains, 3, {true, false}));
    EXPECT_FALSE(grid_accepts_delete(WizardGrid::NestedChains, 7, {true, false}));
    EXPECT_TRUE(grid_accepts_delete(WizardGrid::NestedChains, 2, {true, false}));
    EXPECT_TRUE(grid_accepts_delete(WizardGrid::NestedChains, 5, {false, false}));
    EXPECT_FALSE(grid_accepts_shift_insert(WizardGrid::Variants));
    EXPECT_FALSE(grid_accepts_shift_insert(WizardGrid::ResourceVariants));
    EXPECT_TRUE(grid_accepts_shift_insert(WizardGrid::Operations));

    EXPECT_EQ(toggle_on_space(WizardGrid::ResourceVariants, kNoSuspendColumn, ""), "*");
    EXPECT_EQ(toggle_on_space(WizardGrid::ResourceVariants, kNoSuspendColumn, "*"), "");
    EXPECT_EQ(toggle_on_space(WizardGrid::ResourceVariants, 1, ""), std::nullopt);
    EXPECT_EQ(toggle_on_space(WizardGrid::Variants, kNoSuspendColumn, ""), std::nullopt);
}

} // namespace
} // namespace zep
