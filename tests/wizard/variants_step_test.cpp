// Steps 5 and 6: variants of every operation, dominated variants, the table of all variants, bounds.
#include "wizard_fixture.h"

namespace zep {
namespace {

using test::WizardFixture;

std::string one_operation(const std::string& variants, const std::string& resources = "") {
    return R"({"code": "VAR001", "name": "Variants", "costUnit": "t91", "timeUnit": "t114", )" + resources +
           R"("chains": [{"name": "A", "operations": [{"name": "op", "variants": [)" + variants + "]}]}]}";
}

std::string v(double time, double cost) {
    return "{\"essence\": \"e\", \"time\": " + std::to_string(time) + ", \"cost\": " + std::to_string(cost) +
           "}";
}

TEST(VariantsStep, DominatedVariantsAreRefusedNamingBothNumbers) {
    struct Case {
        const char* what;
        std::string variants;
        std::string message; // empty: passes
        int row;
    } cases[] = {
        {"faster but dearer", v(5, 10) + ", " + v(7, 8), "", -1},
        {"slower and dearer second", v(5, 10) + ", " + v(7, 12), "t33 2 t388 1 t127, t404.", 1},
        {"slower and dearer first", v(7, 12) + ", " + v(5, 10), "t33 1 t388 2 t127,  t404.", 0},
        {"equal in both", v(5, 10) + ", " + v(5, 10), "t33 2 t388 1 t127, t404.", 1},
        {"equal times, first dearer", v(5, 12) + ", " + v(5, 10), "t33 1 t388 2 t127,  t404.", 0},
        {"equal costs, first slower", v(6, 10) + ", " + v(5, 10), "t33 1 t388 2 t127,  t404.", 0},
        {"times equal within 0.00001", v(5, 10) + ", " + v(5.000001, 9), "t33 1 t388 2 t127,  t404.", 0},
        {"the third against the first", v(5, 10) + ", " + v(7, 8) + ", " + v(6, 11),
         "t33 3 t388 1 t127, t404.", 2},
    };
    for (const auto& c : cases) {
        WizardFixture f;
        auto w = f.at(WizardStep::Variants, one_operation(c.variants));
        StepOutcome o = w->next();
        if (c.message.empty()) {
            EXPECT_FALSE(o.refusal) << c.what << ": " << o.refusal->text;
            EXPECT_EQ(o.step, WizardStep::Review) << c.what;
            continue;
        }
        ASSERT_TRUE(o.refusal) << c.what;
        EXPECT_EQ(o.refusal->text, c.message) << c.what;
        EXPECT_EQ(o.focus, (WizardFocus{WizardControl::VariantGrid, c.row})) << c.what;
    }
}

TEST(VariantsStep, IncompleteVariantsAreRefusedAtTheirPlace) {
    const std::string twoOps = R"({"code": "VAR002", "name": "V", "costUnit": "t91", "timeUnit": "t114",
      "chains": [{"name": "A", "operations": [
          {"name": "o1", "variants": [{"essence": "e", "time": 1, "cost": 1}]},
          {"name": "o2", "variants": [{"essence": "e", "time": 1, "cost": 1}, {"essence": "f", "time": 2, "cost": 0.5}]}]}]})";
    struct Case {
        const char* what;
        std::vector<std::string> secondRow; // of o2's grid
        std::string message;
        int row;
    } cases[] = {
        {"time unset", {"2", "f", "", "0,5"}, "t259 2 t162 1 t107 2 t126. t329.", 1},
        {"cost unset", {"2", "f", "2", ""}, "t269 2 t162 1 t107 2 t126. t329.", 1},
        {"negative time", {"2", "f", "-1", "0,5"}, "t259 2 t162 1 t107 2 t126. t329.", 1},
    };
    for (const auto& c : cases) {
        WizardFixture f;
        auto w = f.at(WizardStep::Variants, twoOps);
        ASSERT_EQ(w->var_step_operation(), 1);
        w->inputs().variants[1] = c.secondRow;
        ASSERT_TRUE(w->show_variants_of(0, 0).moved); // stores o2 and shows o1
        StepOutcome o = w->next();
        ASSERT_TRUE(o.refusal) << c.what;
        EXPECT_EQ(o.refusal->text, c.message) << c.what;
        EXPECT_EQ(o.focus, (WizardFocus{WizardControl::VariantGrid, c.row})) << c.what;
        EXPECT_EQ(w->var_step_operation(), 1) << c.what << ": the operation refused is shown";
        EXPECT_EQ(w->shown_operation_name(), "o2");
    }

    // An operation whose variants were never entered.
    WizardFixture f;
    auto w = f.at(WizardStep::Operations, twoOps);
    ASSERT_EQ(w->next().step, WizardStep::Variants);
    w->inputs().variants = {{"1", "e", "1", "1"}};
    StepOutcome o = w->next();
    ASSERT_TRUE(o.refusal);
    EXPECT_EQ(o.refusal->text, "t234 2 t162 1. t329.");
    EXPECT_EQ(w->var_step_operation(), 1);
}

TEST(VariantsStep, ResourceCategoriesMustBeAmongTheCategories) {
    for (const char* category : {"0", "2"}) {
        WizardFixture f;
        auto w = f.at(WizardStep::Variants, test::kResourceTask);
        w->inputs().variants[0][2] = category;
        StepOutcome o = w->next();
        ASSERT_TRUE(o.refusal) << category;
        EXPECT_EQ(o.refusal->text, "t240 (<=0 t163 >1), t451 1 t387 1 t162 1. t329.");
        EXPECT_EQ(o.focus, (WizardFocus{WizardControl::ResourceVariantGrid, 0}));
    }
    WizardFixture f;
    auto w = f.at(WizardStep::Variants, test::kResourceTask);
    w->inputs().variants[1][4] = "";
    StepOutcome o = w->next();
    ASSERT_TRUE(o.refusal);
    EXPECT_EQ(o.refusal->text, "t261 1 t162 1 t107 2 t126. t329.");
}

TEST(VariantsStep, PassingListsEveryVariantAndLeavesTheBoundsToStepSix) {
    WizardFixture f;
    auto w = f.at(WizardStep::Variants, test::kPlainTask);
    StepOutcome o = w->next();
    ASSERT_FALSE(o.refusal) << o.refusal->text;
    EXPECT_EQ(o.step, WizardStep::Review);
    EXPECT_EQ(o.focus, WizardFocus{WizardControl::ReviewGrid});
    EXPECT_EQ(w->review_table(), (CellTable{{"1", "Main", "1", "Dig", "1", "own", "5", "10"},
                                            {"  1", "", "  1", "", "2", "hired", "7", "8"},
                                            {"  1", "", "2", "Build", "1", "fast", "3", "9"},
                                            {"2", "Side", "1", "Paint", "1", "a", "4", "2"}}));
    EXPECT_FALSE(w->record().boundsValid);
    ASSERT_EQ(w->next().step, WizardStep::Rounding);
    EXPECT_TRUE(w->record().boundsValid);
    EXPECT_EQ(w->record().graphTimeMin, 8);
    EXPECT_EQ(w->record().graphTimeMax, 10);
    EXPECT_EQ(w->record().graphCostMin, 19);
    EXPECT_EQ(w->record().graphCostMax, 21);

    // Back to 6 and on: the bounds stay; back to 5 and on: they are to be computed again.
    w->prev();
    EXPECT_TRUE(w->record().boundsValid);
    ASSERT_EQ(w->next().step, WizardStep::Rounding);
    w->prev();
    w->prev();
    ASSERT_EQ(w->current_step(), WizardStep::Variants);
    ASSERT_EQ(w->next().step, WizardStep::Review);
    EXPECT_FALSE(w->record().boundsValid);

    WizardFixture r;
    auto wr = r.at(WizardStep::Variants, test::kResourceTask);
    ASSERT_EQ(wr->next().step, WizardStep::Review);
    EXPECT_EQ(wr->review_table()[1],
              (std::vector<std::string>{"  1", "", "  1", "", "2", "hired", "1", "*", "7", "8"}));
}

TEST(ReviewStep, AnOperationThatCannotBeBoundedKeepsTheStep) {
    // One interval 0-10 and a variant that may not be suspended and needs 12: it never fits.
    WizardFixture f;
    auto w =
        f.at(WizardStep::Variants, R"({"code": "BND001", "name": "B", "costUnit": "t91", "timeUnit": "t114",
      "resources": [[[0, 10]]],
      "chains": [{"name": "A", "operations": [{"name": "op", "variants": [
          {"essence": "e", "time": 12, "cost": 1, "category": 1, "noSuspend": true}]}]}]})");
    ASSERT_EQ(w->next().step, WizardStep::Review);
    StepOutcome o = w->next();
    ASSERT_TRUE(o.refusal);
    EXPECT_EQ(o.refusal->text, "t273 1 t31 1.");
    EXPECT_EQ(w->current_step(), WizardStep::Review);
}

} // namespace
} // namespace zep
