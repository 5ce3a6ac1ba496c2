// Step 4: operations of every chain, conversion of shared operations, the automatic numbering.
#include "wizard_fixture.h"

namespace zep {
namespace {

using test::WizardFixture;

const char* kTwoChains = R"({"code": "OPS001", "name": "Ops", "costUnit": "t91", "timeUnit": "t114",
  "chains": [ {"name": "A", "operations": [{"name": "a1", "variants": []}, {"name": "a2", "variants": []}]},
              {"name": "B", "operations": [{"name": "b1", "variants": []}]} ] })";

TEST(OperationsStep, EveryChainIsStoredAgainAndAChainNeverShownIsRefused) {
    WizardFixture f;
    auto w = f.at(WizardStep::Chains, kTwoChains);
    ASSERT_EQ(w->next().step, WizardStep::Operations);
    EXPECT_EQ(w->shown_chain_name(), "A");
    // Chain 1 as step 3 left it: two operations without names, one variant each.
    EXPECT_EQ(w->inputs().operations, (CellTable{{"1", "", "1"}, {"2", "", "1"}}));

    StepOutcome o = w->next();
    ASSERT_TRUE(o.refusal);
    EXPECT_EQ(o.refusal->text, "t313 \"t214\" t20 1 t162 1. t329.");
    EXPECT_EQ(o.focus, (WizardFocus{WizardControl::OperationGrid, 0}));

    w->inputs().operations = {{"1", "dig", "2"}, {"2", "lay", "1"}};
    o = w->next();
    ASSERT_TRUE(o.refusal);
    EXPECT_EQ(o.refusal->text, "t313 \"t214\" t20 1 t162 2. t329.");
    EXPECT_EQ(w->op_step_chain(), 1); // the chain refused is on screen
    EXPECT_EQ(w->shown_chain_name(), "B");
    EXPECT_EQ(w->record().chains[0].operations[0].name, "dig");

    w->inputs().operations = {{"1", "paint", "3"}};
    o = w->next();
    ASSERT_FALSE(o.refusal) << o.refusal->text;
    EXPECT_EQ(o.step, WizardStep::Variants);
    EXPECT_EQ(w->var_step_chain(), 0);
    EXPECT_EQ(w->var_step_operation(), 0);
    EXPECT_EQ(w->shown_operation_name(), "dig");
    EXPECT_EQ(w->inputs().variants, (CellTable{{"1", "", "", ""}}));
}

TEST(OperationsStep, MovingToAnotherChainStoresTheShownOneFirst) {
    WizardFixture f;
    auto w = f.at(WizardStep::Chains, kTwoChains);
    ASSERT_EQ(w->next().step, WizardStep::Operations);
    w->inputs().operations = {{"1", "dig", "21"}, {"2", "lay", "1"}};
    StepOutcome o = w->show_operations_of_chain(1);
    ASSERT_TRUE(o.refusal);
    EXPECT_EQ(o.refusal->text, "t252 1 t162 1. t329.");
    EXPECT_EQ(w->op_step_chain(), 0);
    w->inputs().operations[0][2] = "20";
    o = w->show_operations_of_chain(1);
    EXPECT_TRUE(o.moved);
    EXPECT_EQ(w->op_step_chain(), 1);
    EXPECT_EQ(w->record().chains[0].operations[0].variantCount, 20);
    EXPECT_TRUE(w->show_operations_of_chain(0).refusal); // chain B has no operation names yet
    w->inputs().operations = {{"1", "paint", "1"}};
    EXPECT_TRUE(w->show_operations_of_chain(0).moved);
    EXPECT_EQ(w->inputs().operations[0], (std::vector<std::string>{"1", "dig", "20"}));
}

// A nested chain leaving at the start of operation 3 and entering at its end: the operations before
// and after it are shared by both paths and keep one variant.
std::string shared_task(int o4Variants) {
    std::string v2 = R"([{"essence": "a", "time": 2, "cost": 5}, {"essence": "b", "time": 1, "cost": 7}])";
    std::string v1 = R"([{"essence": "a", "time": 2, "cost": 5}])";
    return std::string(R"({"code": "CRIT01", "name": "Critical", "costUnit": "t91", "timeUnit": "t114",
      "chains": [ {"name": "A", "operations": [ {"name": "o1", "variants": )") +
           v1 + R"(},
                   {"name": "o2", "variants": )" +
           v2 + R"(}, {"name": "o3", "variants": )" + v2 + R"(},
                   {"name": "o4", "variants": )" +
           (o4Variants == 2 ? v2 : v1) + R"(} ] },
                  {"name": "N", "from": [1, 3], "to": [1, 3], "operations": [{"name": "n1", "variants": )" +
           v2 + R"(}]} ] })";
}

TEST(OperationsStep, SharedOperationsBecomeCriticalWithANote) {
    struct Case {
        int o4Variants;
        std::string note;
        int count;
    } cases[] = {{1, "t30, t17.", 1}, {2, "t29 2 t298 t18.", 2}};
    for (const auto& c : cases) {
        WizardFixture f;
        auto w = f.at(WizardStep::Operations, shared_task(c.o4Variants));
        StepOutcome o = w->next();
        ASSERT_FALSE(o.refusal) << o.refusal->text;
        ASSERT_EQ(o.notes.size(), 1u);
        EXPECT_EQ(o.notes[0].kind, MessageKind::Information);
        EXPECT_EQ(o.notes[0].text, c.note);
        EXPECT_EQ(w->converted_operation_count(), c.count);
        const auto& ops = w->record().chains[0].operations;
        EXPECT_EQ(ops[1].variantCount, 1);
        EXPECT_EQ(ops[1].criticalMark, 1);
        EXPECT_EQ(ops[2].variantCount, 2); // the nested chain's own span keeps its choice
        EXPECT_EQ(ops[2].criticalMark, 0);

        // Back to step 4: the marks are cleared; the converted operations kept one variant, so passing
        // the step again has nothing left to convert.
        ASSERT_EQ(w->prev().step, WizardStep::Operations);
        EXPECT_EQ(w->op_step_chain(), 0);
        EXPECT_EQ(w->record().chains[0].operations[1].criticalMark, 0);
        EXPECT_EQ(w->inputs().operations[1], (std::vector<std::string>{"2", "o2", "1"}));
        o = w->next();
        EXPECT_TRUE(o.notes.empty());
        EXPECT_EQ(w->record().chains[0].operations[1].criticalMark, 0);
        EXPECT_EQ(w->record().chains[0].operations[1].variantCount, 1);
    }
}

TEST(OperationsStep, AutomaticNumberingPutsTheNumbersFound) {
    WizardFixture f;
    auto w = f.at(WizardStep::Operations,
                  R"({"code": "AUTO01", "name": "Auto", "costUnit": "t91", "timeUnit": "t114",
      "decomposition": {"allowed": 1, "quantSteps": 5, "numbering": "automatic"},
      "chains": [ {"name": "A", "operations": [
          {"name": "o1", "variants": [{"essence": "a", "time": 1, "cost": 1}]},
          {"name": "o2", "variants": [{"essence": "a", "time": 1, "cost": 2}, {"essence": "b", "time": 2, "cost": 1}]},
          {"name": "o3", "variants": [{"essence": "a", "time": 1, "cost": 1}]} ] },
        {"name": "N", "from": [1, 2], "to": [1, 2], "operations": [
          {"name": "n1", "variants": [{"essence": "a", "time": 1, "cost": 2}, {"essence": "b", "time": 2, "cost": 1}]} ]} ] })");
    StepOutcome o = w->next();
    ASSERT_FALSE(o.refusal) << o.refusal->text;
    EXPECT_EQ(o.step, WizardStep::Variants);
    EXPECT_EQ(w->record().workingSubgraphCount, 1);
    EXPECT_EQ(w->record().chains[1].subgraphNo, 1);
}

} // namespace
} // namespace zep
