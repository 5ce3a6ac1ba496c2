#include "optimiser/task_optimiser.h"

#include "optimiser/random_paths.h"
#include "optimiser/solver_input_bytes.h"
#include "shell/naming_shell.h"

#include <gtest/gtest.h>

#include <bit>
#include <random>

namespace zep {
namespace {

using testing::block;
using testing::chain_path;
using testing::chains_task;

const ShellTables& shell() {
    static const ShellTables s = testing::naming_shell();
    return s;
}

struct Recorder : RunReporter {
    std::vector<std::pair<int, std::string>> lines;
    std::vector<std::string> errors;
    int cycles = 0;
    void report_line(ReportLine line, const std::string& text) override {
        lines.emplace_back(static_cast<int>(line), text);
    }
    void error_line(const std::string& text) override { errors.push_back(text); }
    void cycle_progress(const RunPosition&, std::int32_t) override { ++cycles; }
};

TaskOptimisation optimise(const SolverInput& in, unsigned threads = 1, RunReporter* r = nullptr) {
    RunTexts texts{shell(), "ABC123", ','};
    OptimiserOptions o;
    o.threads = threads;
    return optimise_task(in, texts, o, r);
}

// Two ordinary chains; (time, cost, tacts) per variant.
SolverInput two_chains(std::vector<int> thresholds) {
    return chains_task({chain_path(1, {block({{4, 10, 4}, {2, 30, 2}}), block({{3, 5, 3}, {1, 9, 1}})}),
                        chain_path(2, {block({{5, 7, 5}, {3, 12, 3}, {1, 40, 1}})})},
                       std::move(thresholds));
}

TEST(TaskOptimiser, SolvesEveryThresholdAndStoresChoicesCountsAndTimes) {
    TaskOptimisation r = optimise(two_chains({7, 4}));
    const Solution& s = r.solution;
    EXPECT_EQ(r.runsPerformed, 2);
    EXPECT_EQ(r.maxPhaseStates, 2 * 8 + 2);
    EXPECT_EQ(s.status, (std::vector<std::int32_t>{1, 1}));
    // T = 7: chain 1 takes the cheapest pair that fits (4 + 3), chain 2 its cheapest (5).
    EXPECT_EQ(s.variantChoice[0], (std::vector<std::vector<std::int32_t>>{{1, 1}, {1}}));
    // T = 4: only 2 + 1 keeps chain 1 within 4 tacts; chain 2 takes its cost 12 (3 tacts).
    EXPECT_EQ(s.variantChoice[1], (std::vector<std::vector<std::int32_t>>{{2, 2}, {2}}));
    for (int k = 0; k < 2; ++k) {
        EXPECT_GT(s.cycleCounts[k][0], 0);
        EXPECT_GT(s.cycleCounts[k][1], 0);
        EXPECT_EQ(s.chainTimes[k], (std::vector<double>{0, 0})); // ordinary chains start at 0
    }
    EXPECT_EQ(s.graphTimes[0], 7); // max(4 + 3, 5)
    EXPECT_EQ(s.graphTimes[1], 3); // max(2 + 1, 3)
    EXPECT_EQ(s.message, (std::vector<std::string>{"", ""}));
}

// A damaged flag value (neither 0 nor 1) is read as "no resources" by the whole run: the solution laid
// out with sections 5 and 6 also holds their times.
TEST(TaskOptimiser, AFlagOtherThanOneMeansNoUnavailableResourcesThroughout) {
    SolverInput damaged = two_chains({7, 4});
    damaged.header.hasUnavailableResources = 2;
    const Solution s = optimise(damaged).solution;
    const Solution plain = optimise(two_chains({7, 4})).solution;
    ASSERT_EQ(s.graphTimes.size(), 2u);
    EXPECT_EQ(s.graphTimes, plain.graphTimes);
    EXPECT_EQ(s.chainTimes, plain.chainTimes);
    EXPECT_EQ(s.variantChoice, plain.variantChoice);
}

TEST(TaskOptimiser, ARunThatCannotKeepWithinItsThresholdHasNoStatusAndSaysWhy) {
    Recorder rec;
    TaskOptimisation r = optimise(two_chains({7, 2}), 1, &rec);
    EXPECT_EQ(r.solution.status, (std::vector<std::int32_t>{1, 0}));
    const std::string expected = "T143 \"ABC123\". T12 2T88. T170 1T405 T372.";
    EXPECT_EQ(r.solution.message[1], expected);
    ASSERT_FALSE(rec.errors.empty());
    EXPECT_EQ(rec.errors.back(), expected);
    EXPECT_EQ(r.solution.variantChoice[1], (std::vector<std::vector<std::int32_t>>{{0, 0}, {0}}));
    EXPECT_EQ(r.solution.graphTimes[1], 0);
}

TEST(TaskOptimiser, ReportsTheLinesOfEveryPathInOrder) {
    Recorder rec;
    optimise(chains_task({chain_path(1, {block({{4, 10, 4}})})}, {5}), 1, &rec);
    const std::string at = "1T87 T159 1 T37 T338 1T168 1 T464.";
    std::vector<std::pair<int, std::string>> expected = {
        {2, ""},
        {3, ""},
        {2, "2. T131 8, T510 " + at},
        {3, "3. T132 " + at},
        {4, "4. T134 1T87 T159 1 T39 1 T465. T300 T197 - " + std::string("10,00") + " T103 - 5,00 L4."},
        {5, "5. T133 " + at},
    };
    ASSERT_EQ(rec.lines.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(rec.lines[i].first, expected[i].first);
        if (i != 4)
            EXPECT_EQ(rec.lines[i].second, expected[i].second);
    }
    // The run total is the converged value: close to 10, printed with the user's separator.
    EXPECT_EQ(rec.lines[4].second.substr(0, 36), expected[4].second.substr(0, 36));
    EXPECT_NE(rec.lines[4].second.find(" T103 - 5,00 L4."), std::string::npos);
    EXPECT_GT(rec.cycles, 0);
}

// A chain of three operations whose second one is bypassed by a nested chain of two operations;
// the bypass is nested subgraph 1 with two time levels.
SolverInput bypass_task() {
    SolverInput in;
    SolverHeader& h = in.header;
    h.chainCount = 2;
    h.nestedChainCount = 1;
    h.scaledTact = 1;
    h.scaledLevelTact = 1;
    h.thresholdCount = 2;
    h.subgraphCount = 1;
    in.opCounts = {3, 2};
    in.chainsPerSubgraph = {2, 1};
    SolverPath own = chain_path(1, {block({{6, 10, 6}, {3, 20, 3}})});
    own.elements[0].op = 2;
    SolverPath nested = chain_path(2, {block({{4, 5, 4}, {2, 15, 2}}), block({{3, 6, 3}, {1, 8, 1}})});
    in.subgraphPaths = {{own, nested}};
    SolverPath top;
    top.elements = {{1, 1, 2}, {1, subgraph_reference(0), 2}, {1, 3, 1}};
    top.variants = {block({{2, 9, 2}, {1, 14, 1}}), block({{}, {}}), block({{2, 4, 2}})};
    in.topPaths = {top};
    in.thresholds = {12, 8};
    in.subgraphs = {{0.0, 2, 1}};
    in.subgraphRefs = {{{1, 0, 1}}};
    in.timeLevels = {{7, 4}};
    in.shellFileName = "Shell (ZEP 2.2).eng";
    return in;
}

TEST(TaskOptimiser, SolvesNestedSubgraphLevelsAndFeedsThemToTheWholeGraph) {
    Recorder rec;
    TaskOptimisation r = optimise(bypass_task(), 1, &rec);
    const Solution& s = r.solution;
    EXPECT_EQ(s.status, (std::vector<std::int32_t>{1, 1}));
    // Level 1 (7 tacts): op 1.2 takes 6 (cost 10); chain 2 takes 4 + 3 (cost 11): time 7, cost 21.
    // Level 2 (4 tacts): op 1.2 takes 3 (20); chain 2 takes 2 + 1 (23): time 3, cost 43.
    // T = 12: 2 + 7 + 2 = 11 fits with level 1: op 1.1 variant 1.
    EXPECT_EQ(s.variantChoice[0], (std::vector<std::vector<std::int32_t>>{{1, 1, 1}, {1, 1}}));
    EXPECT_EQ(s.chainTimes[0], (std::vector<double>{0, 2})); // the nested chain starts when op 1.2 does
    EXPECT_EQ(s.graphTimes[0], 2 + 7 + 2);
    // T = 8: level 1 leaves 1 tact for ops 1.1 and 1.3 (2 + 2): level 2, and op 1.1 variant 1.
    EXPECT_EQ(s.variantChoice[1], (std::vector<std::vector<std::int32_t>>{{1, 2, 1}, {2, 2}}));
    EXPECT_EQ(s.chainTimes[1], (std::vector<double>{0, 2}));
    EXPECT_EQ(s.graphTimes[1], 2 + 3 + 2);
    for (int k = 0; k < 2; ++k)
        for (int c = 0; c < 2; ++c)
            EXPECT_GT(s.cycleCounts[k][c], 0);
    // Messages of a task with subgraphs carry the position of the subgraph among all.
    bool subgraphLine = false;
    for (const auto& [n, text] : rec.lines)
        subgraphLine |= n == 4 && text == "4. T134 2T87 T159 2 T38 1T168 2 T158.T300";
    EXPECT_TRUE(subgraphLine);
}

TEST(TaskOptimiser, AnInfeasibleSubgraphLevelCostsTenToTheEighth) {
    SolverInput in = bypass_task();
    in.timeLevels = {{7, 2}}; // chain 2 needs at least 3 tacts
    in.thresholds = {12, 20};
    TaskOptimisation r = optimise(in);
    // The whole graph then never takes level 2.
    for (int k = 0; k < 2; ++k) {
        EXPECT_EQ(r.solution.status[k], 1);
        EXPECT_EQ(r.solution.variantChoice[k][1], (std::vector<std::int32_t>{1, 1}));
    }
}

TEST(TaskOptimiser, ARunThatKeepsWithinItsThresholdOnlyThroughAnInfeasibleLevelFails) {
    SolverInput in = bypass_task();
    in.timeLevels = {{7, 2}}; // level 2 fails: chain 2 needs at least 3 tacts; it keeps 0 tacts as read
    in.thresholds = {12, 5};  // 5 tacts leave no room for level 1 (1 + 7 + 2)
    Recorder rec;
    TaskOptimisation r = optimise(in, 1, &rec);
    const Solution& s = r.solution;
    // Run 1 as before; run 2 chose the failed level and fails as a path that cannot keep within T.
    EXPECT_EQ(s.status, (std::vector<std::int32_t>{1, 0}));
    EXPECT_EQ(s.variantChoice[0], (std::vector<std::vector<std::int32_t>>{{1, 1, 1}, {1, 1}}));
    EXPECT_EQ(s.graphTimes[0], 2 + 7 + 2);
    EXPECT_EQ(s.message[0], "");
    const std::string expected = "T143 \"ABC123\". T12 2T88. T170 1T405 2T509 T372.";
    EXPECT_EQ(s.message[1], expected);
    ASSERT_FALSE(rec.errors.empty());
    EXPECT_EQ(rec.errors.back(), expected);
    EXPECT_EQ(s.variantChoice[1], (std::vector<std::vector<std::int32_t>>{{0, 0, 0}, {0, 0}}));
    EXPECT_EQ(s.graphTimes[1], 0);
}

TEST(TaskOptimiser, ThresholdRunsSideBySideGiveWhatOneAfterAnotherGives) {
    std::mt19937 rng(5);
    testing::RandomPathOptions o;
    o.maxElements = 5;
    o.maxValue = 30;
    for (int n = 0; n < 15; ++n) {
        std::vector<SolverPath> paths;
        const int chains = std::uniform_int_distribution<int>(1, 4)(rng);
        for (int c = 1; c <= chains; ++c) {
            PathProblem p = testing::random_path(rng, o);
            std::vector<std::vector<VariantOut>> blocks;
            for (const auto& vs : p.elements) {
                std::vector<VariantOut> b;
                for (const PathVariant& v : vs)
                    b.push_back({v.value * 1.5, v.weight, v.value});
                blocks.push_back(b);
            }
            paths.push_back(chain_path(c, blocks));
        }
        std::vector<int> thresholds;
        for (int k = 0; k < 6; ++k)
            thresholds.push_back(std::uniform_int_distribution<int>(0, 80)(rng));
        SolverInput in = chains_task(paths, thresholds);
        TaskOptimisation one = optimise(in, 1), many = optimise(in, 4);
        EXPECT_EQ(one.solution.status, many.solution.status);
        EXPECT_EQ(one.solution.message, many.solution.message);
        EXPECT_EQ(one.solution.variantChoice, many.solution.variantChoice);
        EXPECT_EQ(one.solution.cycleCounts, many.solution.cycleCounts);
        for (std::size_t k = 0; k < thresholds.size(); ++k)
            EXPECT_EQ(std::bit_cast<std::uint64_t>(one.solution.graphTimes[k]),
                      std::bit_cast<std::uint64_t>(many.solution.graphTimes[k]));
        EXPECT_EQ(one.maxPhaseStates, many.maxPhaseStates);
    }
}

// Two chains, time minimised: the second-level search between the graph's minimal and maximal time.
TEST(TaskOptimiser, TheSecondLevelSearchFindsTheShortestTimeWithinTheCostThreshold) {
    SolverInput in = chains_task({chain_path(1, {block({{10, 5, 10}, {6, 9, 6}, {3, 20, 3}})}),
                                  chain_path(2, {block({{9, 4, 9}, {5, 10, 5}, {2, 30, 2}})})},
                                 {3, 10});
    in.header.minimisedParam = 1;
    in.header.thresholdCount = 1;
    in.header.thresholdStep = 1;
    in.header.secondLevelIterations = 20;
    in.header.scaledCostThreshold = 19; // 9 + 10: both middle variants, time 6
    TaskOptimisation r = optimise(in);
    EXPECT_EQ(r.solution.status, (std::vector<std::int32_t>{1}));
    EXPECT_EQ(r.solution.variantChoice[0], (std::vector<std::vector<std::int32_t>>{{2}, {2}}));
    EXPECT_EQ(r.solution.graphTimes[0], 6);
    EXPECT_GT(r.runsPerformed, 3);
}

// Two chains whose cheapest choice costs 9: the search walks up to T1 = 10 when the cost threshold is
// below that, and has no feasible probe to report.
TEST(TaskOptimiser, TheSecondLevelSearchWithoutAFeasibleProbeFailsAndSaysWhy) {
    struct Case {
        const char* name;
        int lowest;
        int step;
    };
    const Case cases[] = {
        {"the fourth probe at T1 leaves no previous probe", 3, 1},
        {"the walk up to T1 keeps only infeasible probes", 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SolverInput in = chains_task({chain_path(1, {block({{10, 5, 10}, {6, 9, 6}, {3, 20, 3}})}),
                                      chain_path(2, {block({{9, 4, 9}, {5, 10, 5}, {2, 30, 2}})})},
                                     {c.lowest, 10});
        in.header.minimisedParam = 1;
        in.header.thresholdCount = 1;
        in.header.thresholdStep = c.step;
        in.header.secondLevelIterations = 20;
        in.header.scaledCostThreshold = 8;
        Recorder rec;
        TaskOptimisation r = optimise(in, 1, &rec);
        EXPECT_EQ(r.solution.status, (std::vector<std::int32_t>{0}));
        EXPECT_EQ(r.solution.message[0], "T143 \"ABC123\". T543.");
        ASSERT_FALSE(rec.errors.empty());
        EXPECT_EQ(rec.errors.back(), r.solution.message[0]);
        EXPECT_EQ(r.solution.variantChoice[0], (std::vector<std::vector<std::int32_t>>{{0}, {0}}));
        EXPECT_EQ(r.solution.cycleCounts[0], (std::vector<std::int32_t>{0, 0}));
        EXPECT_GT(r.runsPerformed, 3);
    }
}

TEST(TaskOptimiser, ASingleTimeMinimisedPathMinimisesTimeUnderTheCostInTacts) {
    // discretisedIsCost: weights are times, the threshold limits the cost in tacts.
    SolverInput in = chains_task(
        {chain_path(1, {block({{10, 5, 5}, {6, 9, 9}, {3, 20, 20}}), block({{4, 2, 2}, {2, 6, 6}})})},
        {15, 11});
    in.header.minimisedParam = 1;
    TaskOptimisation r = optimise(in);
    EXPECT_EQ(r.solution.variantChoice[0],
              (std::vector<std::vector<std::int32_t>>{{2, 2}})); // cost 15, time 8
    EXPECT_EQ(r.solution.variantChoice[1],
              (std::vector<std::vector<std::int32_t>>{{2, 1}})); // cost 11, time 10
}

// One time-minimised path over a subgraph (the decomposed workbook sample): op 1.1, the subgraph of
// ops 1.2, 1.3 beside the nested chain 2, op 1.4; the cost in tacts is bounded.
SolverInput time_minimised_bypass(std::vector<int> thresholds) {
    SolverInput in;
    SolverHeader& h = in.header;
    h.minimisedParam = 1;
    h.roundingType = 1; // the cost in tacts taken down
    h.chainCount = 2;
    h.nestedChainCount = 1;
    h.scaledTact = 1;
    h.scaledLevelTact = 1;
    h.thresholdCount = static_cast<std::int32_t>(thresholds.size());
    h.subgraphCount = 1;
    in.opCounts = {4, 1};
    in.chainsPerSubgraph = {2, 1};
    SolverPath own = chain_path(1, {block({{2, 5, 2}, {4, 3, 4}}), block({{2, 6, 2}, {3, 4, 3}})});
    own.elements[0].op = 2;
    own.elements[1].op = 3;
    SolverPath nested = chain_path(2, {block({{3, 2, 3}, {5, 1, 5}})});
    in.subgraphPaths = {{own, nested}};
    SolverPath top;
    top.elements = {{1, 1, 1}, {1, subgraph_reference(0), 4}, {1, 4, 1}};
    top.variants = {block({{1, 5, 5}}), block({{}, {}, {}, {}}), block({{1, 5, 5}})};
    in.topPaths = {top};
    in.thresholds = std::move(thresholds);
    in.subgraphs = {{0.0, 4, 1}};
    in.subgraphRefs = {{{1, 0, 1}}};
    in.timeLevels = {{4, 5, 6, 7}};
    in.shellFileName = "Shell (ZEP 2.2).eng";
    return in;
}

TEST(TaskOptimiser, ASubgraphLevelBoundsTheCostInTactsWithThePlanItStandsFor) {
    // The levels' plans cost 13, 10, 10 and 8 (times 4, 5, 6, 7); the run totals approach them from
    // below (9.9999 for 10), and taken down they would let 5 + 10 + 5 pass for 19.
    TaskOptimisation r = optimise(time_minimised_bypass({19, 21}));
    const Solution& s = r.solution;
    EXPECT_EQ(s.status, (std::vector<std::int32_t>{1, 1}));
    // 19: only the slowest level (cost 8) keeps within it: 1 + 7 + 1.
    EXPECT_EQ(s.variantChoice[0], (std::vector<std::vector<std::int32_t>>{{1, 2, 2, 1}, {2}}));
    EXPECT_EQ(s.graphTimes[0], 9);
    // 21: the level of 5 tacts (cost 10) as before: 1 + 5 + 1.
    EXPECT_EQ(s.variantChoice[1], (std::vector<std::vector<std::int32_t>>{{1, 1, 2, 1}, {2}}));
    EXPECT_EQ(s.graphTimes[1], 7);
}

} // namespace
} // namespace zep
