// Step 3: chains. Row checks, the rules of nested chains and subgraph numbers, removal of chains,
// adaptation of operations, and the re-layout when the chain counts change.
#include "wizard_fixture.h"

#include <sstream>

namespace zep {
namespace {

using test::WizardFixture;

// A chain of `ops` operations of one variant each; nested when `from` is given.
std::string chain(const std::string& name, int ops, const std::string& from = "", const std::string& to = "",
                  int subgraph = 0) {
    std::ostringstream s;
    s << "{\"name\": \"" << name << "\"";
    if (!from.empty())
        s << ", \"from\": " << from << ", \"to\": " << to;
    if (subgraph > 0)
        s << ", \"subgraph\": " << subgraph;
    s << ", \"operations\": [";
    for (int i = 0; i < ops; ++i)
        s << (i ? ", " : "") << "{\"name\": \"" << name << i + 1
          << "\", \"variants\": [{\"essence\": \"e\", \"time\": " << i + 1 << ", \"cost\": 1}]}";
    s << "]}";
    return s.str();
}

std::string task(const std::vector<std::string>& chains, const std::string& extra = "") {
    std::string s = R"({"code": "CHAIN1", "name": "Chains", "costUnit": "t91", "timeUnit": "t114", )" +
                    extra + R"("chains": [)";
    for (std::size_t i = 0; i < chains.size(); ++i)
        s += (i ? ", " : "") + chains[i];
    return s + "]}";
}

const std::string kManual = R"("decomposition": {"allowed": 3, "quantSteps": 5}, )";

struct Refusal {
    std::string message;
    int row;
};

Refusal refusal_on_next(Wizard& w) {
    StepOutcome o = w.next();
    EXPECT_FALSE(o.moved);
    EXPECT_EQ(w.current_step(), WizardStep::Chains);
    if (!o.refusal)
        return {"(passed)", -2};
    EXPECT_EQ(o.focus.control, w.record().workingNestedChainCount > 0 ? WizardControl::NestedChainGrid
                                                                      : WizardControl::ChainGrid);
    return {o.refusal->text, o.focus.row};
}

TEST(ChainStep, RowChecksRefuseTheFirstBadRow) {
    const std::string graph = task({chain("A", 5), chain("B", 3), chain("C", 1, "[1, 2]", "[1, 4]")});
    struct Case {
        int row, column;
        std::string text;
        std::string message;
    } cases[] = {
        {0, 1, " ", "t220 1."},
        {1, 2, "", "t222 2."},
        {1, 2, "x", "t222 2."},
        {1, 2, "-1", "t514 2."},
        {1, 2, "11", "t515 2 (> 10 t110)."},
        {2, 4, "a", "t221 3."},
        {2, 7, "", "t221 3."},
        {2, 4, "0", "t263 3."},
        {2, 6, "0", "t262 3."},
        {2, 4, "3", "t243 3."},
        {2, 4, "4", "t243 3."},
        {2, 6, "3", "t497 3."},
        {2, 5, "0", "t265 3."},
        {2, 5, "6", "t245 3."},
        {2, 7, "0", "t264 3."},
        {2, 7, "6", "t244 3."},
    };
    for (const auto& c : cases) {
        WizardFixture f;
        auto w = f.at(WizardStep::Chains, graph);
        w->inputs().chains[c.row][c.column] = c.text;
        Refusal r = refusal_on_next(*w);
        EXPECT_EQ(r.message, c.message) << c.row << "/" << c.column << " = " << c.text;
        EXPECT_EQ(r.row, c.row) << c.message;
    }
}

TEST(ChainStep, LimitsThatPass) {
    struct Edit {
        int row, column;
        std::string text;
    };
    const std::vector<std::vector<Edit>> cases = {
        {{0, 2, "10"}},             // ten operations
        {{2, 5, "5"}, {2, 7, "5"}}, // fromOp and toOp = the operation count of their chain
        {{2, 6, "2"}, {2, 7, "3"}}, // entering the chain just above
    };
    for (const auto& edits : cases) {
        WizardFixture f;
        auto w =
            f.at(WizardStep::Chains, task({chain("A", 5), chain("B", 3), chain("C", 1, "[1, 2]", "[1, 4]")}));
        for (const Edit& e : edits)
            w->inputs().chains[e.row][e.column] = e.text;
        StepOutcome o = w->next();
        EXPECT_FALSE(o.refusal) << edits[0].text << ": " << o.refusal->text;
        EXPECT_EQ(o.step, WizardStep::Operations);
    }
}

TEST(ChainStep, SubgraphNumberCells) {
    const std::string graph = task({chain("A", 5), chain("N1", 1, "[1, 2]", "[1, 3]", 1),
                                    chain("N2", 1, "[1, 4]", "[1, 4]"), chain("N3", 1, "[1, 5]", "[1, 5]")},
                                   kManual);
    struct Case {
        std::string text;
        std::string message;
    } cases[] = {
        {"x", "t269 2."},
        {"0", "t255 2."},
        {"-1", "t255 2."}, // no subgraph has a number below 1
        {"4", "t409 2, t346 (= 3)."},
    };
    for (const auto& c : cases) {
        WizardFixture f;
        auto w = f.at(WizardStep::Chains, graph);
        EXPECT_EQ(w->inputs().chains[0][3], " -");
        w->inputs().chains[1][3] = c.text;
        EXPECT_EQ(refusal_on_next(*w).message, c.message) << c.text;
    }
}

TEST(ChainStep, RulesOfAManualNumberingEachWithItsMessage) {
    struct Case {
        const char* what;
        std::vector<std::string> chains;
        std::string message;
        int row;
    } cases[] = {
        {"a subgraph spanning its parent whole",
         {chain("A", 3), chain("N", 1, "[1, 1]", "[1, 3]", 1), chain("M", 1, "[1, 1]", "[1, 1]"),
          chain("L", 1, "[1, 2]", "[1, 2]")},
         "t56 2 t271 1, t8 2 t423.",
         1},
        {"numbers 1 and 3 without 2",
         {chain("A", 5), chain("N1", 1, "[1, 2]", "[1, 3]", 1), chain("N2", 1, "[1, 4]", "[1, 4]", 3),
          chain("N3", 1, "[1, 5]", "[1, 5]")},
         "t377 \"2\" t27.",
         -1},
        {"members on two base chains",
         {chain("A", 5), chain("B", 5), chain("N1", 1, "[1, 2]", "[1, 3]", 1),
          chain("N2", 1, "[2, 2]", "[2, 3]", 1), chain("N3", 1, "[1, 5]", "[1, 5]")},
         "t108 4 t304 1 t141 t441 2 t83 1 t100 t9 t484.",
         3},
        {"another chain with the span's ends",
         {chain("A", 5), chain("N1", 1, "[1, 2]", "[1, 4]", 1), chain("N2", 1, "[1, 2]", "[1, 4]"),
          chain("N3", 1, "[1, 5]", "[1, 5]")},
         "t458 3 t303 1 t469.",
         2},
        {"leaving a member",
         {chain("A", 5), chain("N1", 2, "[1, 2]", "[1, 4]", 1), chain("N2", 1, "[2, 1]", "[1, 5]"),
          chain("N3", 1, "[1, 5]", "[1, 5]")},
         "t108 3 t223 t121 2 t102 1.",
         2},
        {"leaving inside the span",
         {chain("A", 5), chain("N1", 1, "[1, 2]", "[1, 4]", 1), chain("N2", 1, "[1, 3]", "[1, 5]"),
          chain("N3", 1, "[1, 5]", "[1, 5]")},
         "t108 3 t223 t111 1 t161 3 t16 1 t484.",
         2},
        {"entering inside the span",
         {chain("A", 5), chain("N1", 1, "[1, 2]", "[1, 4]", 1), chain("N2", 1, "[1, 1]", "[1, 3]"),
          chain("N3", 1, "[1, 5]", "[1, 5]")},
         "t108 3 t223 t111 1 t26 3 t16 1 t484.",
         2},
        {"a member beyond the span",
         {chain("A", 5), chain("N1", 1, "[1, 2]", "[1, 3]", 1), chain("N2", 1, "[1, 4]", "[2, 1]", 1),
          chain("N3", 1, "[1, 5]", "[1, 5]")},
         "t108 3 t304 1 t141 t441 1 t161 4 t484.",
         2},
        {"leaving after another entered",
         {chain("A", 5), chain("B", 3), chain("N1", 1, "[1, 3]", "[1, 5]"),
          chain("N2", 1, "[1, 1]", "[1, 2]"), chain("N3", 1, "[2, 1]", "[2, 2]", 1)},
         "t267 3 t441 1 t161 3. t108 4 t440 1 t26 2 t484.",
         2},
    };
    for (const auto& c : cases) {
        WizardFixture f;
        auto w = f.at(WizardStep::Chains, task(c.chains, kManual));
        Refusal r = refusal_on_next(*w);
        EXPECT_EQ(r.message, c.message) << c.what;
        EXPECT_EQ(r.row, c.row) << c.what;
    }
}

TEST(ChainStep, AValidManualNumberingFixesTheSpans) {
    WizardFixture f;
    auto w = f.at(WizardStep::Chains,
                  task({chain("A", 5), chain("N1", 1, "[1, 2]", "[1, 3]", 1),
                        chain("N2", 1, "[1, 2]", "[1, 4]", 2), chain("N3", 1, "[1, 5]", "[1, 5]")},
                       kManual));
    StepOutcome o = w->next();
    ASSERT_FALSE(o.refusal) << o.refusal->text;
    EXPECT_EQ(o.step, WizardStep::Operations);
    EXPECT_EQ(w->record().workingSubgraphCount, 2);
    ASSERT_EQ(w->record().subgraphSpans.size(), 2u);
    EXPECT_EQ(w->record().subgraphSpans[0].baseChain, 1);
    EXPECT_EQ(w->record().subgraphSpans[0].firstOp, 2);
    EXPECT_EQ(w->record().subgraphSpans[0].lastOp, 3);
    EXPECT_EQ(w->record().subgraphSpans[1].lastOp, 4);
    EXPECT_EQ(w->record().chains[2].subgraphNo, 2);
}

TEST(ChainStep, WithoutAnySubgraphNumberTheWizardAsksWhetherToGoBack) {
    const std::string graph = task({chain("A", 5), chain("N1", 1, "[1, 2]", "[1, 3]")},
                                   R"("decomposition": {"allowed": 1, "quantSteps": 5}, )");
    for (bool yes : {true, false}) {
        WizardFixture f;
        f.answerYes = yes;
        auto w = f.at(WizardStep::Chains, graph);
        StepOutcome o = w->next();
        ASSERT_EQ(f.questions, std::vector<std::string>{"t68 ?"});
        ASSERT_EQ(o.notes.size(), 1u);
        EXPECT_EQ(o.notes[0].kind, MessageKind::Question);
        EXPECT_EQ(o.notes[0].answeredYes, yes);
        EXPECT_FALSE(o.refusal);
        EXPECT_EQ(o.step, yes ? WizardStep::Chains : WizardStep::Operations);
        if (!yes) {
            EXPECT_EQ(w->record().workingSubgraphCount, 0);
        }
    }
}

TEST(ChainStep, OrderOfTheEndsOfNestedChains) {
    struct Case {
        const char* what;
        std::string json;
        std::string message;
        int row;
    } cases[] = {
        {"entering before leaving the same chain", task({chain("A", 5), chain("N1", 1, "[1, 4]", "[1, 2]")}),
         "t267 2 t467 1 t25 4 t85 2. t344. t329.", 1},
        {"an enclosing chain below the enclosed one",
         task({chain("A", 5), chain("N1", 1, "[1, 2]", "[1, 3]"), chain("N2", 1, "[1, 1]", "[1, 4]")},
              R"("decomposition": {"allowed": 2, "quantSteps": 5, "numbering": "automatic"}, )"),
         "t266 3 t84 2 t153 (1, 1) t109.", 2},
    };
    for (const auto& c : cases) {
        WizardFixture f;
        auto w = f.at(WizardStep::Chains, c.json);
        Refusal r = refusal_on_next(*w);
        EXPECT_EQ(r.message, c.message) << c.what;
        EXPECT_EQ(r.row, c.row) << c.what;
    }
    // Without automatic numbering an enclosing chain may come second.
    WizardFixture f;
    auto w =
        f.at(WizardStep::Chains,
             task({chain("A", 5), chain("N1", 1, "[1, 2]", "[1, 3]"), chain("N2", 1, "[1, 1]", "[1, 4]")}));
    EXPECT_FALSE(w->next().refusal);
}

TEST(ChainStep, AChainWithoutOperationsIsRemovedAndTheStepShownAgain) {
    WizardFixture f;
    auto w =
        f.at(WizardStep::Chains, task({chain("A", 2), chain("B", 3), chain("C", 1, "[2, 1]", "[2, 3]")}));
    w->inputs().chains[0][2] = "0";
    StepOutcome o = w->next();
    EXPECT_FALSE(o.refusal);
    EXPECT_FALSE(o.moved);
    EXPECT_EQ(o.step, WizardStep::Chains);
    EXPECT_EQ(w->inputs().chainCount, "2");
    EXPECT_EQ(w->inputs().nestedChainCount, "1");
    const CellTable& g = w->inputs().chains;
    ASSERT_EQ(g.size(), 2u);
    EXPECT_EQ(g[0], (std::vector<std::string>{"1", "B", "3", "", " -", " -", " -", " -"}));
    // The nested chain still hangs on B, now chain 1.
    EXPECT_EQ(g[1], (std::vector<std::string>{"2", "C", "1", "", "1", "1", "1", "3"}));
    o = w->next();
    ASSERT_FALSE(o.refusal) << o.refusal->text;
    EXPECT_EQ(o.step, WizardStep::Operations);

    // A nested chain only: removed, and no nested chain is left.
    WizardFixture f2;
    auto w2 = f2.at(WizardStep::Chains, task({chain("A", 2), chain("C", 1, "[1, 1]", "[1, 2]")}));
    w2->inputs().chains[1][2] = "0";
    EXPECT_FALSE(w2->next().moved);
    EXPECT_EQ(w2->inputs().chains.size(), 1u);
    EXPECT_EQ(w2->inputs().chains[0].size(), 3u); // the grid without nested chains
}

TEST(ChainStep, RemovingEveryOrdinaryChainIsRefused) {
    WizardFixture f;
    auto w =
        f.at(WizardStep::Chains, task({chain("A", 2), chain("B", 3), chain("C", 1, "[2, 1]", "[2, 3]")}));
    w->inputs().chains[0][2] = "0";
    w->inputs().chains[1][2] = "0";
    Refusal r = refusal_on_next(*w);
    EXPECT_EQ(r.message, "t242. t329.");
    EXPECT_EQ(w->inputs().chains.size(), 3u);
    EXPECT_EQ(w->inputs().chainCount, "3");
}

TEST(ChainStep, OperationsAreAddedAndDroppedAtTheChosenEnd) {
    struct Case {
        bool atStart;
        std::string count;
        std::vector<std::string> names;
    } cases[] = {
        {false, "5", {"A1", "A2", "A3", "", ""}},
        {true, "5", {"", "", "A1", "A2", "A3"}},
        {false, "2", {"A1", "A2"}},
        {true, "2", {"A2", "A3"}},
    };
    for (const auto& c : cases) {
        WizardFixture f;
        auto w = f.at(WizardStep::Variants, task({chain("A", 3)}));
        w->prev();
        w->prev();
        ASSERT_EQ(w->current_step(), WizardStep::Chains);
        w->inputs().chains[0][2] = c.count;
        w->inputs().opChangeAtStart = c.atStart;
        ASSERT_EQ(w->next().step, WizardStep::Operations);
        const auto& ops = w->record().chains[0].operations;
        ASSERT_EQ(ops.size(), c.names.size());
        for (std::size_t i = 0; i < ops.size(); ++i) {
            EXPECT_EQ(ops[i].name, c.names[i]) << c.count << (c.atStart ? " at the start" : " at the end");
            EXPECT_EQ(ops[i].variantCount, 1);
            EXPECT_EQ(w->inputs().operations[i][1], c.names[i]);
        }
    }
}

TEST(ChainStep, NewChainCountsKeepEveryChainWithItsKind) {
    WizardFixture f;
    auto w =
        f.at(WizardStep::Variants, task({chain("A", 2), chain("B", 3), chain("C", 1, "[2, 1]", "[2, 3]")}));
    while (w->current_step() != WizardStep::General)
        w->prev();
    w->type_chain_count("5");
    w->type_nested_chain_count("2");
    ASSERT_EQ(w->next().step, WizardStep::Chains);
    const CellTable& g = w->inputs().chains;
    ASSERT_EQ(g.size(), 5u);
    EXPECT_EQ(g[1][1], "B");
    EXPECT_EQ(g[2], (std::vector<std::string>{"3", "", "", "", " -", " -", " -", " -"}));
    EXPECT_EQ(g[3], (std::vector<std::string>{"4", "C", "1", "", "2", "1", "2", "3"}));
    EXPECT_EQ(g[4], (std::vector<std::string>{"5", "", "", "", "", "", "", ""}));
    EXPECT_EQ(w->record().chains[3].operations.size(), 1u);
    EXPECT_EQ(w->record().chains[3].operations[0].name, "C1");
    EXPECT_EQ(w->record().chains[2].opCount, kOpCountUnset);

    // Fewer chains: those beyond the new counts go.
    w->prev();
    w->type_chain_count("2");
    w->type_nested_chain_count("1");
    ASSERT_EQ(w->next().step, WizardStep::Chains);
    ASSERT_EQ(w->inputs().chains.size(), 2u);
    EXPECT_EQ(w->inputs().chains[0][1], "A");
    EXPECT_EQ(w->inputs().chains[1][1], "C");
}

} // namespace
} // namespace zep
