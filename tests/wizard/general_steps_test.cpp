// Steps 1 and 2: code and name, general parameters.
#include "wizard_fixture.h"

namespace zep {
namespace {

using test::WizardFixture;

TEST(CodeStep, RefusesWithTheMessageAndFocusOfTheFirstFault) {
    WizardFixture f;
    ASSERT_TRUE(f.save(test::kPlainTask).saved);
    struct Case {
        const char* code;
        const char* name;
        const char* message;
        WizardControl focus;
    } cases[] = {
        {"", "Name", "t239.", WizardControl::Code},
        {"PLAN1", "Name", "t239.", WizardControl::Code}, // five characters
        {"PLAN012", "Name", "t239.", WizardControl::Code},
        {"PL/N01", "Name", "t239.", WizardControl::Code}, // a character the code box never takes
        {"plan01", "Name", "t239.", WizardControl::Code}, // the box shows upper case only
        {"PLAN01", "", "t44.", WizardControl::Name},
        {"PLAN01", "   ", "t44.", WizardControl::Name},
        {"PLAIN1", "Name", "t453.", WizardControl::Code}, // registered already
    };
    for (const auto& c : cases) {
        auto w = f.make();
        w->inputs().code = c.code;
        w->inputs().name = c.name;
        StepOutcome o = w->next();
        ASSERT_TRUE(o.refusal) << c.code << "/" << c.name;
        EXPECT_EQ(o.refusal->text, c.message) << c.code << "/" << c.name;
        EXPECT_EQ(o.refusal->kind, MessageKind::Warning);
        EXPECT_EQ(o.focus, WizardFocus{c.focus}) << c.code << "/" << c.name;
        EXPECT_FALSE(o.moved);
        EXPECT_EQ(w->current_step(), WizardStep::Code);
    }
}

TEST(CodeStep, PassingStoresCodeAndNameAndEntersStepTwo) {
    WizardFixture f;
    auto w = f.make();
    EXPECT_FALSE(w->prev_enabled());
    w->inputs().code = "A.-_01"; // ".", "-" and "_" count as characters of the code
    w->inputs().name = std::string(75, 'n');
    StepOutcome o = w->next();
    ASSERT_FALSE(o.refusal) << o.refusal->text;
    EXPECT_TRUE(o.moved);
    EXPECT_EQ(o.step, WizardStep::General);
    EXPECT_EQ(o.focus, WizardFocus{WizardControl::ChainCount});
    EXPECT_EQ(w->record().header.taskCode, "A.-_01");
    EXPECT_EQ(w->record().header.taskName, std::string(70, 'n'));
    EXPECT_TRUE(w->prev_enabled());
    EXPECT_EQ(w->step_title(), "t53 (t485 2 t159 8)");
}

TEST(CodeStep, CorrectionKeepsTheTasksOwnCodeAndGoesBackToTheName) {
    WizardFixture f;
    ASSERT_TRUE(f.save(test::kPlainTask).saved);
    auto w = f.make(EntryMode::CorrectTask, "PLAIN1");
    EXPECT_EQ(w->inputs().code, "PLAIN1");
    EXPECT_EQ(w->inputs().chainCount, "2");
    EXPECT_EQ(w->inputs().costUnit, 3); // "t396" is the fourth cost unit
    EXPECT_EQ(w->step_title(), "t181 (t485 1 t159 8)");
    StepOutcome o = w->next();
    ASSERT_FALSE(o.refusal) << o.refusal->text;
    EXPECT_EQ(w->prev().focus, WizardFocus{WizardControl::Name});
    EXPECT_FALSE(w->prev_enabled());

    EXPECT_TRUE(f.make(EntryMode::CorrectTask, "")->closed());
}

// Going back to step 1 to change the name must not lose the chains entered later.
TEST(CodeStep, PassingItAgainKeepsWhatLaterStepsHold) {
    WizardFixture f;
    auto w = f.at(WizardStep::Operations, test::kPlainTask);
    ASSERT_EQ(w->record().chains.size(), 2u);
    while (w->current_step() != WizardStep::Code)
        w->prev();
    w->inputs().name = "Renamed";
    ASSERT_TRUE(w->next().moved);
    EXPECT_EQ(w->inputs().chainCount, "2");
    EXPECT_EQ(w->record().chains.size(), 2u);
    EXPECT_EQ(w->record().header.taskName, "Renamed");
}

struct GeneralInput {
    int minimise = 0;
    std::string chains = "3", nested = "1";
    bool resources = false;
    std::string categories;
    bool decomposition = false;
    bool automatic = false;
    std::string allowed, quantSteps;
};

std::unique_ptr<Wizard> at_general(WizardFixture& f) {
    auto w = f.make();
    w->inputs().code = "GEN001";
    w->inputs().name = "General";
    EXPECT_TRUE(w->next().moved);
    return w;
}

void type(Wizard& w, const GeneralInput& in) {
    w.choose_minimised(in.minimise);
    w.type_chain_count(in.chains);
    w.type_nested_chain_count(in.nested);
    w.inputs().hasResources = in.resources;
    w.inputs().categoryCount = in.categories;
    w.inputs().decomposition = in.decomposition;
    w.inputs().automaticNumbering = in.automatic;
    w.inputs().allowedSubgraphs = in.allowed;
    w.inputs().quantSteps = in.quantSteps;
}

TEST(GeneralStep, RefusesEachFaultWithItsMessageAndFocus) {
    auto res = [](std::string k) {
        GeneralInput g;
        g.resources = true;
        g.categories = k;
        return g;
    };
    auto dec = [](std::string nested, std::string allowed, std::string steps) {
        GeneralInput g;
        g.chains = "5";
        g.nested = nested;
        g.decomposition = true;
        g.allowed = allowed;
        g.quantSteps = steps;
        return g;
    };
    GeneralInput noChains, zeroChains, elevenChains, noNested, allNested;
    noChains.chains = "";
    zeroChains.chains = "0";
    elevenChains.chains = "11";
    noNested.nested = "";
    allNested.nested = "3";
    struct Case {
        const char* what;
        GeneralInput in;
        std::string message;
        WizardControl focus;
    } cases[] = {
        {"no chain count", noChains, "t232.", WizardControl::ChainCount},
        {"chain count 0", zeroChains, "t256.", WizardControl::ChainCount},
        {"11 chains", elevenChains, "t412 (> 10 t110).", WizardControl::ChainCount},
        {"no nested count", noNested, "t501.", WizardControl::NestedChainCount},
        {"as many nested chains as chains", allNested, "t414.", WizardControl::NestedChainCount},
        {"no category count", res(""), "t233.", WizardControl::CategoryCount},
        {"0 categories", res("0"), "t258.", WizardControl::CategoryCount},
        {"11 categories", res("11"), "t415 (> 10 t110).", WizardControl::CategoryCount},
        {"no admissible count", dec("3", "", "5"), "t228.", WizardControl::AllowedSubgraphs},
        {"0 admissible", dec("3", "0", "5"), "t254.", WizardControl::AllowedSubgraphs},
        {"more admissible than nested", dec("3", "4", "5"), "t250 (= 3).", WizardControl::AllowedSubgraphs},
        {"no quantisation steps", dec("3", "3", ""), "t225.", WizardControl::QuantSteps},
        {"4 steps", dec("3", "3", "4"), "t246 (< 5 t163 > 20).", WizardControl::QuantSteps},
        {"21 steps", dec("3", "3", "21"), "t246 (< 5 t163 > 20).", WizardControl::QuantSteps},
    };
    for (const auto& c : cases) {
        WizardFixture f;
        auto w = at_general(f);
        type(*w, c.in);
        StepOutcome o = w->next();
        ASSERT_TRUE(o.refusal) << c.what;
        EXPECT_EQ(o.refusal->text, c.message) << c.what;
        EXPECT_EQ(o.focus, WizardFocus{c.focus}) << c.what;
        EXPECT_EQ(w->current_step(), WizardStep::General) << c.what;
    }
}

TEST(GeneralStep, StoresTheGeneralParameters) {
    struct Case {
        const char* what;
        GeneralInput in;
        WizardStep next;
        int decomposition, allowed, quantSteps, numbering, resources;
    } cases[] = {
        {"10 chains, decomposition at its limits",
         {1, "10", "3", false, "", true, true, "3", "20"},
         WizardStep::Chains,
         1,
         3,
         20,
         1,
         0},
        {"5 steps", {0, "4", "3", false, "", true, false, "1", "5"}, WizardStep::Chains, 1, 1, 5, 0, 0},
        {"with resources nothing is decomposed",
         {0, "2", "1", true, "10", true, false, "1", "5"},
         WizardStep::IntervalCounts,
         0,
         0,
         0,
         0,
         1},
    };
    for (const auto& c : cases) {
        WizardFixture f;
        auto w = at_general(f);
        type(*w, c.in);
        w->inputs().costUnit = 1;
        w->inputs().timeUnit = 1;
        StepOutcome o = w->next();
        ASSERT_FALSE(o.refusal) << c.what << ": " << o.refusal->text;
        EXPECT_EQ(o.step, c.next) << c.what;
        const TaskHeader& h = w->record().header;
        EXPECT_EQ(h.minimisedParam, c.in.minimise) << c.what;
        EXPECT_EQ(w->record().workingChainCount, std::stoi(c.in.chains)) << c.what;
        EXPECT_EQ(w->record().workingNestedChainCount, std::stoi(c.in.nested)) << c.what;
        EXPECT_EQ(h.decompositionMode, c.decomposition) << c.what;
        EXPECT_EQ(h.allowedSubgraphCount, c.allowed) << c.what;
        EXPECT_EQ(h.maxQuantSteps, c.quantSteps) << c.what;
        EXPECT_EQ(h.subgraphNumbering, c.numbering) << c.what;
        EXPECT_EQ(h.hasUnavailableResources, c.resources) << c.what;
        EXPECT_EQ(h.costUnit, "t115") << c.what;
        EXPECT_EQ(h.timeUnit, "t468") << c.what;
    }
}

TEST(GeneralStep, DecompositionWithoutNestedChainsIsTurnedOffWithAWarning) {
    WizardFixture f;
    auto w = at_general(f);
    GeneralInput in;
    in.nested = "0";
    in.decomposition = true;
    in.allowed = "1";
    type(*w, in);
    StepOutcome o = w->next();
    ASSERT_FALSE(o.refusal) << o.refusal->text;
    ASSERT_EQ(o.notes.size(), 1u);
    EXPECT_EQ(o.notes[0].kind, MessageKind::Warning);
    EXPECT_EQ(o.notes[0].text, "t340.");
    EXPECT_FALSE(w->inputs().decomposition);
    EXPECT_EQ(w->record().header.decompositionMode, 0);
    EXPECT_EQ(o.focus, WizardFocus{WizardControl::ChainGrid});
}

TEST(GeneralStep, TheResourceQuestionIsOfferedOnlyWhenTheCostIsMinimised) {
    WizardFixture f;
    auto w = at_general(f);
    w->inputs().hasResources = true;
    GeneralStepView v = w->general_step_view();
    EXPECT_TRUE(v.resourceQuestion);
    EXPECT_TRUE(v.categoryCount);
    EXPECT_FALSE(v.decompositionGroup);
    w->choose_minimised(1);
    EXPECT_FALSE(w->inputs().hasResources);
    v = w->general_step_view();
    EXPECT_FALSE(v.resourceQuestion);
    EXPECT_FALSE(v.categoryCount);
    EXPECT_TRUE(v.decompositionGroup);
    EXPECT_FALSE(v.decompositionParams);
    w->inputs().decomposition = true;
    EXPECT_TRUE(w->general_step_view().decompositionParams);
}

} // namespace
} // namespace zep
