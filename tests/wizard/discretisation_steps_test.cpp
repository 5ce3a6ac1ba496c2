// Steps 7 and 8 and the summary: rounding, tact, scaling coefficient, thresholds, second-level mode.
#include "wizard_fixture.h"

namespace zep {
namespace {

using test::WizardFixture;

// One operation whose variants take 10 and 20 time units: time bounds 10 to 20.
const char* kTenToTwenty = R"({"code": "DSC001", "name": "D", "costUnit": "t91", "timeUnit": "t114",
  "chains": [{"name": "A", "operations": [{"name": "op", "variants": [
      {"essence": "slow", "time": 20, "cost": 1}, {"essence": "fast", "time": 10, "cost": 5}]}]}]})";

std::vector<std::string> candidate_texts(const Wizard& w) {
    std::vector<std::string> out;
    for (const ThresholdItem& c : w.inputs().candidates)
        out.push_back(c.text);
    return out;
}

TEST(RoundingStep, RefusesTactAndCoefficientOutsideTheirLimits) {
    struct Case {
        std::string tact, coef;
        std::string message;
        WizardControl focus;
    } cases[] = {
        {"", "1", "t230.", WizardControl::Tact},
        {"0,009", "1", "t417.", WizardControl::Tact},
        {"1", "", "t226.", WizardControl::ScalingCoef},
        {"1", "100", "t238 (< 0,01 t163 >= 100).", WizardControl::ScalingCoef},
        {"1", "0,009", "t238 (< 0,01 t163 >= 100).", WizardControl::ScalingCoef},
        {"0,01", "99,9", "", WizardControl::None},
        {"5", "0,01", "", WizardControl::None},
    };
    for (const auto& c : cases) {
        WizardFixture f;
        auto w = f.at(WizardStep::Rounding, kTenToTwenty);
        w->inputs().tact = c.tact;
        w->inputs().scalingCoef = c.coef;
        StepOutcome o = w->next();
        if (c.message.empty()) {
            EXPECT_FALSE(o.refusal) << c.tact << "/" << c.coef << ": " << o.refusal->text;
            EXPECT_EQ(o.step, WizardStep::Thresholds);
            continue;
        }
        ASSERT_TRUE(o.refusal) << c.tact << "/" << c.coef;
        EXPECT_EQ(o.refusal->text, c.message);
        EXPECT_EQ(o.focus, WizardFocus{c.focus});
    }
}

TEST(RoundingStep, BoundsTenToTwentyWithTactFiveOfferThreeCandidates) {
    WizardFixture f;
    auto w = f.at(WizardStep::Rounding, kTenToTwenty);
    w->inputs().tact = "5";
    StepOutcome o = w->next();
    ASSERT_FALSE(o.refusal) << o.refusal->text;
    EXPECT_EQ(o.focus, WizardFocus{WizardControl::ThresholdList});
    EXPECT_EQ(candidate_texts(*w), (std::vector<std::string>{"10", "15", "20"}));
    EXPECT_EQ(w->record().header.boundLower, 10);
    EXPECT_EQ(w->record().header.boundUpper, 20);
    EXPECT_EQ(w->phase_states_text(), std::to_string(w->record().header.maxPhaseStates));
    EXPECT_EQ(w->inputs().iterations, "10");
    EXPECT_EQ(w->inputs().reduction, "2");
}

// A chain of ten operations whose times add up to `total`: with tact 1 the upper bound is `total` tacts
// and the estimate ten times (total + 1) plus 2.
std::string ten_operations(int total) {
    std::string ops;
    for (int i = 0; i < 10; ++i) {
        const int t = i < 9 ? 200 : total - 9 * 200;
        ops += (i ? ", " : "") + std::string("{\"name\": \"o") + std::to_string(i + 1) +
               "\", \"variants\": [{\"essence\": \"e\", \"time\": " + std::to_string(t) + ", \"cost\": 1}]}";
    }
    return R"({"code": "PHS001", "name": "P", "costUnit": "t91", "timeUnit": "t114",
              "chains": [{"name": "A", "operations": [)" +
           ops + "]}]}";
}

TEST(RoundingStep, PhaseStatesAbove20000AreRefused) {
    WizardFixture f;
    auto w = f.at(WizardStep::Rounding, ten_operations(1999));
    StepOutcome o = w->next();
    ASSERT_TRUE(o.refusal);
    EXPECT_EQ(o.refusal->text, "t416 20002, t345 (20000 t110). t450.");
    EXPECT_EQ(o.focus, WizardFocus{WizardControl::Tact});

    WizardFixture g;
    auto w2 = g.at(WizardStep::Rounding, ten_operations(1998));
    o = w2->next();
    ASSERT_FALSE(o.refusal) << o.refusal->text;
    EXPECT_EQ(w2->phase_states_text(), "19992");
}

TEST(ThresholdStep, TicksAreCountedAndStoredInTacts) {
    WizardFixture f;
    auto w = f.at(WizardStep::Rounding, kTenToTwenty);
    ASSERT_EQ(w->next().step, WizardStep::Thresholds);
    ASSERT_EQ(w->inputs().candidates.size(), 11u);

    StepOutcome o = w->next();
    ASSERT_TRUE(o.refusal);
    EXPECT_EQ(o.refusal->text, "t257 10.");
    EXPECT_EQ(o.focus, WizardFocus{WizardControl::ThresholdList});

    for (auto& c : w->inputs().candidates)
        c.ticked = true;
    o = w->next();
    ASSERT_TRUE(o.refusal);
    EXPECT_EQ(o.refusal->text, "t413 11 (> 10). t138.");

    w->inputs().candidates[0].ticked = false;
    o = w->next();
    ASSERT_FALSE(o.refusal) << o.refusal->text;
    EXPECT_EQ(o.step, WizardStep::Summary);
    EXPECT_EQ(w->record().header.thresholdCount, 10);
    EXPECT_EQ(w->record().thresholds.front(), 11);
    EXPECT_EQ(w->record().thresholds.back(), 20);
    EXPECT_EQ(w->next_caption(), "t90");
    EXPECT_EQ(w->step_title(), "t53");
}

TEST(ThresholdStep, ANewTactDropsTheTicksAndTheSameTactKeepsThem) {
    WizardFixture f;
    auto w = f.at(WizardStep::Rounding, kTenToTwenty);
    ASSERT_EQ(w->next().step, WizardStep::Thresholds);
    w->inputs().candidates[2].ticked = true; // 12
    w->inputs().candidates[5].ticked = true; // 15
    ASSERT_EQ(w->next().step, WizardStep::Summary);
    EXPECT_EQ(w->prev().step, WizardStep::Thresholds);
    EXPECT_EQ(w->next_caption(), "t58");
    EXPECT_EQ(w->prev().step, WizardStep::Rounding);

    ASSERT_EQ(w->next().step, WizardStep::Thresholds);
    std::vector<bool> ticks;
    for (const auto& c : w->inputs().candidates)
        ticks.push_back(c.ticked);
    EXPECT_EQ(ticks,
              (std::vector<bool>{false, false, true, false, false, true, false, false, false, false, false}));

    w->prev();
    w->inputs().tact = "2";
    ASSERT_EQ(w->next().step, WizardStep::Thresholds);
    EXPECT_EQ(candidate_texts(*w), (std::vector<std::string>{"10", "12", "14", "16", "18", "20"}));
    for (const auto& c : w->inputs().candidates)
        EXPECT_FALSE(c.ticked) << c.text;
}

// Two ordinary chains with the time minimised: the second-level mode. Costs 19 to 21, times 8 to 10.
std::string second_level_task() {
    std::string s = test::kPlainTask;
    s.replace(s.find("\"minimise\": \"cost\""), 18, "\"minimise\": \"time\"");
    s.replace(s.find("\"thresholds\": [9, 10]"), 21, "\"secondLevel\": {\"costThreshold\": 20}");
    return s;
}

TEST(ThresholdStep, SecondLevelParametersWithinTheirLimits) {
    struct Case {
        std::string cost, iterations, reduction;
        std::string message;
        WizardControl focus;
    } cases[] = {
        {"", "10", "2", "t229.", WizardControl::CostThreshold},
        {"18,99", "10", "2", "t422 (< 19).", WizardControl::CostThreshold},
        {"21,01", "10", "2", "t410 (> 21).", WizardControl::CostThreshold},
        {"20", "", "2", "t231.", WizardControl::SecondLevelIterations},
        {"20", "4", "2", "t418 (< 5).", WizardControl::SecondLevelIterations},
        {"20", "21", "2", "t407 (> 20).", WizardControl::SecondLevelIterations},
        {"20", "10", "", "t227.", WizardControl::ReductionCoef},
        {"20", "10", "0", "t420 (< 1).", WizardControl::ReductionCoef},
        {"20", "10", "5", "t408 (> 4).", WizardControl::ReductionCoef},
        {"19", "5", "1", "", WizardControl::None},
        {"21", "20", "4", "", WizardControl::None},
    };
    for (const auto& c : cases) {
        WizardFixture f;
        auto w = f.at(WizardStep::Thresholds, second_level_task());
        ASSERT_TRUE(w->second_level_mode());
        w->inputs().costThreshold = c.cost;
        w->inputs().iterations = c.iterations;
        w->inputs().reduction = c.reduction;
        StepOutcome o = w->next();
        if (c.message.empty()) {
            ASSERT_FALSE(o.refusal) << c.cost << ": " << o.refusal->text;
            const TaskHeader& h = w->record().header;
            EXPECT_EQ(h.thresholdCount, 1);
            EXPECT_EQ(w->record().thresholds, (std::vector<int>{8, 10}));
            EXPECT_EQ(h.costThreshold, std::stod(c.cost));
            EXPECT_EQ(h.secondLevelIterations, std::stoi(c.iterations));
            EXPECT_EQ(h.iterationReductionCoef, std::stoi(c.reduction));
            EXPECT_TRUE(w->summary().secondLevel);
            EXPECT_EQ(w->prev().focus, WizardFocus{WizardControl::CostThreshold});
            continue;
        }
        ASSERT_TRUE(o.refusal) << c.cost << "/" << c.iterations << "/" << c.reduction;
        EXPECT_EQ(o.refusal->text, c.message);
        EXPECT_EQ(o.focus, WizardFocus{c.focus});
    }
}

TEST(ThresholdStep, IntervalsGoToTactsAndAnOpenEndStaysOpen) {
    WizardFixture f;
    std::string json = test::kResourceTask;
    json.replace(json.find("\"tact\": 1"), 9, "\"tact\": 0.5");
    auto w = f.at(WizardStep::Thresholds, json);
    w->inputs().candidates[0].ticked = true;
    ASSERT_EQ(w->next().step, WizardStep::Summary);
    const auto& iv = w->record().resourceIntervals;
    EXPECT_EQ(iv[0][0].startTacts, 0);
    EXPECT_EQ(iv[0][0].finishTacts, 20);
    EXPECT_EQ(iv[0][1].startTacts, 24);
    EXPECT_EQ(iv[0][1].finishTacts, -1);
    EXPECT_TRUE(w->summary().categoriesShown);
    EXPECT_EQ(w->summary().categoryCount, "1");
    EXPECT_FALSE(w->summary().decompositionShown);
}

TEST(Summary, ShowsTheParametersOfTheTask) {
    WizardFixture f;
    auto w = f.at(WizardStep::Summary, test::kPlainTask);
    const WizardSummary& s = w->summary();
    EXPECT_EQ(s.tact, "1");
    EXPECT_EQ(s.scalingCoef, "1");
    EXPECT_EQ(s.rounding, "t333");
    EXPECT_EQ(s.costUnit, "t396");
    EXPECT_EQ(s.timeUnit, "t114");
    EXPECT_EQ(s.thresholdCount, "2");
    EXPECT_FALSE(s.secondLevel);
    EXPECT_FALSE(s.categoriesShown);
    EXPECT_FALSE(s.decompositionShown); // no nested chains

    WizardFixture g;
    std::string decomposed = test::kNestedTask;
    decomposed.replace(decomposed.find("\"chains\""), 8,
                       R"("decomposition": {"allowed": 1, "quantSteps": 7}, "rounding": "max", "chains")");
    decomposed.replace(decomposed.find("\"from\": [1, 2]"), 14, R"("subgraph": 1, "from": [1, 2])");
    auto w2 = g.at(WizardStep::Thresholds, decomposed);
    w2->inputs().candidates[0].ticked = true;
    ASSERT_EQ(w2->next().step, WizardStep::Summary);
    const WizardSummary& d = w2->summary();
    EXPECT_EQ(d.rounding, "t331");
    EXPECT_TRUE(d.decompositionShown);
    EXPECT_EQ(d.regime, "1");
    EXPECT_EQ(d.numbering, "t397");
    EXPECT_EQ(d.allowedSubgraphs, "1");
    EXPECT_EQ(d.subgraphCount, "1");
    EXPECT_TRUE(d.quantStepsShown);
    EXPECT_EQ(d.quantSteps, "7");
    EXPECT_EQ(w2->record().header.subgraphCount, 1);
}

} // namespace
} // namespace zep

namespace zep {
namespace {

TEST(Captions, TheTactIsNamedByTheUnitOfTheDiscretisedParameter) {
    test::WizardFixture f;
    auto w = f.at(WizardStep::Rounding, test::kPlainTask); // cost minimised: times are discretised
    WizardCaptions c = w->captions();
    EXPECT_EQ(c.discretised, "t494 (>=0,01):");
    EXPECT_EQ(c.tact, "t40 t22, t348"); // "t114" is the first time unit
    EXPECT_EQ(c.tactLabel, "t106 t22 -");
    EXPECT_EQ(c.thresholdList, "t60 (t114)");
    EXPECT_EQ(c.variantTime, "t64 (t114)");
    EXPECT_EQ(c.costBound, "t81 (t396):");

    // Time minimised on a single chain: the cost is discretised.
    test::WizardFixture g;
    std::string single =
        R"({"code": "CAP001", "name": "C", "minimise": "time", "costUnit": "t122", "timeUnit": "t468",
      "chains": [{"name": "A", "operations": [{"name": "o", "variants": [{"essence": "e", "time": 1, "cost": 1}]}]}]})";
    auto w2 = g.at(WizardStep::Rounding, single);
    c = w2->captions();
    EXPECT_EQ(c.discretised, "t431 (>=0,01):");
    EXPECT_EQ(c.tact, "t40 t24, t348");
    EXPECT_EQ(c.thresholdList, "t430 (t122)");
    EXPECT_EQ(c.minimised, "t62");
}

} // namespace
} // namespace zep
