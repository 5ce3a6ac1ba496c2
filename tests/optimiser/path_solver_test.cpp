#include "optimiser/path_solver.h"

#include "optimiser/elapsed_time.h"
#include "optimiser/literal_path_solver.h"
#include "optimiser/random_paths.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <limits>
#include <map>
#include <random>

namespace zep {
namespace {

using reference::solve_path_literally;

std::uint64_t bits(double v) {
    return std::bit_cast<std::uint64_t>(v);
}

PathProblem plain_path(std::vector<std::vector<std::pair<double, int>>> elements, int threshold) {
    PathProblem p;
    p.threshold = threshold;
    for (const auto& vs : elements) {
        std::vector<PathVariant> out;
        for (auto [w, d] : vs)
            out.push_back({w, d, 0, 0});
        p.elements.push_back(out);
    }
    return p;
}

// Every field of the fast result equals the literal walk's, floats by their bits.
void expect_identical(const PathProblem& p, const IterationParams& q, const std::string& what) {
    SCOPED_TRACE(what);
    reference::LiteralOutcome lit = solve_path_literally(p, q);
    PathSolver solver;
    const PathResult& fast = solver.solve(p, q);
    const PathResult& ref = lit.result;
    EXPECT_EQ(fast.phaseStates, ref.phaseStates);
    EXPECT_EQ(bits(fast.upperBound), bits(ref.upperBound));
    EXPECT_EQ(fast.cycles, ref.cycles);
    EXPECT_EQ(fast.iterationCode, ref.iterationCode);
    EXPECT_EQ(fast.converged, ref.converged);
    EXPECT_EQ(bits(fast.optimalValue), bits(ref.optimalValue))
        << fast.optimalValue << " vs " << ref.optimalValue;
    EXPECT_EQ(fast.traceCode, ref.traceCode);
    EXPECT_EQ(fast.trace, ref.trace);
    EXPECT_EQ(fast.brokenOption, ref.brokenOption);
    EXPECT_EQ(fast.elementsWithoutVariant, ref.elementsWithoutVariant);
    EXPECT_EQ(solver.chosen_options(), lit.chosenOptions);
    auto values = solver.values();
    ASSERT_EQ(values.size(), lit.values.size());
    std::size_t differing = 0;
    for (std::size_t k = 0; k < values.size(); ++k)
        differing += bits(values[k]) != bits(lit.values[k]);
    EXPECT_EQ(differing, 0u);
}

TEST(PathSolver, AgreesBitForBitWithTheLiteralMethodOnRandomPaths) {
    std::mt19937 rng(20240611);
    for (bool unavailable : {false, true}) {
        testing::RandomPathOptions o;
        o.unavailableResources = unavailable;
        for (int n = 0; n < 300; ++n) {
            PathProblem p = testing::random_path(rng, o);
            IterationParams q = n % 3 == 0 ? IterationParams{} : testing::random_params(rng);
            expect_identical(
                p, q, (unavailable ? "with unavailable resources, case " : "case ") + std::to_string(n));
            if (HasFailure())
                return;
        }
    }
}

TEST(PathSolver, AgreesWithTheLiteralMethodOnLongerPaths) {
    std::mt19937 rng(7);
    for (bool unavailable : {false, true}) {
        testing::RandomPathOptions o;
        o.unavailableResources = unavailable;
        o.maxElements = 10;
        o.maxValue = 60;
        for (int n = 0; n < 20; ++n)
            expect_identical(testing::random_path(rng, o), IterationParams{},
                             "long case " + std::to_string(n));
    }
}

// Which codes the random comparison met: the comparison means little unless both ends are covered.
TEST(PathSolver, RandomPathsCoverFeasibleAndInfeasibleThresholds) {
    std::mt19937 rng(20240611);
    std::map<PathCode, int> seen;
    PathSolver solver;
    for (bool unavailable : {false, true}) {
        testing::RandomPathOptions o;
        o.unavailableResources = unavailable;
        for (int n = 0; n < 300; ++n) {
            PathProblem p = testing::random_path(rng, o);
            IterationParams q = n % 3 == 0 ? IterationParams{} : testing::random_params(rng);
            ++seen[solver.solve(p, q).iterationCode];
        }
    }
    EXPECT_GT(seen[PathCode::Success], 50);
    EXPECT_GT(seen[PathCode::ExceedsUpperBound], 10);
    EXPECT_GT(seen[PathCode::IterationLimit], 0);
}

// The smallest total weight over all variant combinations that keep within T (no unavailable
// resources), or infinity.
double exhaustive_optimum(const PathProblem& p) {
    double best = std::numeric_limits<double>::infinity();
    std::vector<std::size_t> pick(p.elements.size(), 0);
    for (;;) {
        double w = 0;
        long d = 0;
        for (std::size_t e = 0; e < pick.size(); ++e) {
            w += p.elements[e][pick[e]].weight;
            d += p.elements[e][pick[e]].value;
        }
        if (d <= p.threshold && w < best)
            best = w;
        std::size_t e = 0;
        while (e < pick.size() && ++pick[e] == p.elements[e].size())
            pick[e++] = 0;
        if (e == pick.size())
            return best;
    }
}

TEST(PathSolver, OptimalValueAgreesWithExhaustiveSearch) {
    std::mt19937 rng(99);
    testing::RandomPathOptions o;
    o.maxElements = 4;
    o.maxVariants = 5;
    IterationParams q; // defaults: КО 0.005
    PathSolver solver;
    int feasible = 0;
    for (int n = 0; n < 400; ++n) {
        PathProblem p = testing::random_path(rng, o);
        const double optimum = exhaustive_optimum(p);
        const PathResult& r = solver.solve(p, q);
        SCOPED_TRACE("case " + std::to_string(n));
        if (optimum == std::numeric_limits<double>::infinity()) {
            EXPECT_NE(r.iterationCode, PathCode::Success);
            continue;
        }
        ++feasible;
        ASSERT_EQ(r.iterationCode, PathCode::Success);
        // The cycles stop when no state changes by more than КО relative to its size.
        EXPECT_NEAR(r.optimalValue, optimum, q.stopCriterion * optimum + 1e-9);
        ASSERT_EQ(r.traceCode, PathCode::Success);
        ASSERT_EQ(r.trace.size(), p.elements.size());
        double weight = 0;
        long used = 0;
        for (std::size_t e = 0; e < r.trace.size(); ++e) {
            EXPECT_EQ(r.trace[e].element, static_cast<int>(e + 1));
            ASSERT_GE(r.trace[e].variant, 1);
            weight += p.elements[e][r.trace[e].variant - 1].weight;
            used += p.elements[e][r.trace[e].variant - 1].value;
        }
        EXPECT_LE(used, p.threshold);
        EXPECT_EQ(weight, optimum);
    }
    EXPECT_GT(feasible, 150);
}

TEST(PathSolver, CheapestVariantsThatFitGiveTheSumOfTheCheapestWeights) {
    PathProblem p = plain_path({{{5, 3}, {2, 4}, {9, 1}}, {{7, 2}, {3, 2}}, {{4, 0}}}, 10);
    PathSolver solver;
    const PathResult& r = solver.solve(p, {});
    EXPECT_EQ(r.iterationCode, PathCode::Success);
    EXPECT_EQ(r.phaseStates, 3 * 11 + 2);
    EXPECT_EQ(r.upperBound, 9 + 7 + 4);
    EXPECT_NEAR(r.optimalValue, 2 + 3 + 4, 0.005 * 9);
    EXPECT_EQ(r.trace, (std::vector<TracedChoice>{{1, 2}, {2, 2}, {3, 1}}));
}

TEST(PathSolver, TheFirstVariantWinsATie) {
    // Variants 2 and 3 weigh the same and both fit: the trace keeps variant 2.
    PathProblem p = plain_path({{{8, 1}, {3, 2}, {3, 1}}}, 5);
    PathSolver solver;
    EXPECT_EQ(solver.solve(p, {}).trace, (std::vector<TracedChoice>{{1, 2}}));
}

TEST(PathSolver, AThresholdThatNothingKeepsWithinEndsWithCode4Or3) {
    PathProblem p = plain_path({{{5, 3}, {2, 4}}, {{1, 2}}}, 4);
    PathSolver solver;
    const PathResult& r = solver.solve(p, {});
    EXPECT_EQ(r.iterationCode, PathCode::ExceedsUpperBound);
    EXPECT_GT(r.optimalValue, 1.1 * r.upperBound);
    EXPECT_TRUE(r.trace.empty());

    IterationParams few;
    few.iterationLimit = 10;
    few.stopCriterion = 0.001;
    few.stopCheckSparsity = 1;
    const PathResult& limited = solver.solve(p, few);
    EXPECT_EQ(limited.iterationCode, PathCode::IterationLimit);
    EXPECT_EQ(limited.cycles, 10);
}

TEST(PathSolver, ANonSuspendableVariantLongerThanEveryFiniteIntervalFitsOnlyInTheEndlessOne) {
    PathProblem p;
    p.hasUnavailableResources = true;
    p.intervals = {{{0, 3}, {5, 9}, {12, -1}}};
    p.elements = {{{10, 6, 1, 1}, {50, 2, 1, 0}}};
    PathSolver solver;
    p.threshold = 17; // 12 + 6 > 17: only the short variant fits
    EXPECT_EQ(solver.solve(p, {}).trace, (std::vector<TracedChoice>{{1, 2}}));
    p.threshold = 18;
    EXPECT_EQ(solver.solve(p, {}).trace, (std::vector<TracedChoice>{{1, 1}}));
}

// A problem given as a temporary is gone when solve returns; the options of the last cycle and the
// trace are found again from what the solver kept (with unavailable resources they depend on the
// intervals and the variants' categories). The freed memory is written over before they are asked for.
TEST(PathSolver, NeedsNoProblemAfterSolve) {
    const auto problem = [] {
        PathProblem p;
        p.hasUnavailableResources = true;
        p.intervals = {{{0, 3}, {5, 9}, {12, -1}}, {{2, -1}}};
        p.elements = {{{10, 6, 1, 1}, {50, 2, 1, 0}}, {{7, 3, 2, 0}, {4, 5, 1, 1}}, {{1, 1, 2, 1}}};
        p.threshold = 24;
        return p;
    };
    const PathProblem kept = problem();
    PathSolver reference;
    const PathResult expected = reference.solve(kept, {});
    PathSolver solver;
    const PathResult& r = solver.solve(problem(), {});
    std::vector<std::vector<PathVariant>> overwrite(64, std::vector<PathVariant>(2, {-1, -1000, 77, 1}));
    EXPECT_EQ(r.trace, expected.trace);
    EXPECT_EQ(solver.chosen_options(), reference.chosen_options());
    EXPECT_EQ(overwrite.size(), 64u);
}

TEST(PathSolver, ReusesItsBuffersAcrossPathsOfDifferentSizes) {
    std::mt19937 rng(3);
    testing::RandomPathOptions o;
    o.maxValue = 40;
    PathSolver solver;
    for (int n = 0; n < 30; ++n) {
        PathProblem p = testing::random_path(rng, o);
        auto lit = solve_path_literally(p, {});
        const PathResult& r = solver.solve(p, {});
        EXPECT_EQ(bits(r.optimalValue), bits(lit.result.optimalValue));
        EXPECT_EQ(r.trace, lit.result.trace);
    }
}

TEST(PathSolver, RefusesANegativeThreshold) {
    PathProblem p = plain_path({{{1, 1}}}, -1);
    PathSolver solver;
    EXPECT_THROW(solver.solve(p, {}), PathProblemError);
}

TEST(PhaseStates, AreNumberedFromTheEndTowardsTheStart) {
    // E = 2, T = 3: L = 10.
    EXPECT_EQ(phase_state_count(2, 3), 10);
    EXPECT_EQ(phase_state_number(0, 2, 2, 3), 1);
    EXPECT_EQ(phase_state_number(3, 2, 2, 3), 4);
    EXPECT_EQ(phase_state_number(0, 1, 2, 3), 5);
    EXPECT_EQ(phase_state_number(3, 1, 2, 3), 8);
    EXPECT_EQ(phase_state_number(0, 0, 2, 3), 9);
    EXPECT_EQ(phase_state_count(10, 1998), 19992);
}

TEST(ElapsedTime, FollowsTheAvailabilityIntervals) {
    const std::vector<AvailabilityInterval> finite = {{2, 5}, {8, 10}, {14, 20}};
    const std::vector<AvailabilityInterval> endless = {{2, 5}, {8, -1}};
    struct Case {
        const std::vector<AvailabilityInterval>* intervals;
        int start, duration;
        bool noSuspend;
        std::int64_t expected;
    };
    const Case cases[] = {
        {&finite, 0, 2, false, 4},           // waits for the first interval: 2 + (2 - 0)
        {&finite, 3, 2, false, 2},           // starts inside and fits
        {&finite, 3, 4, false, 7},           // 2 done until 5, then 2 more from 8: ends at 10
        {&finite, 3, 4, true, 15},           // whole work at once: the first interval that holds 4 is 14
        {&finite, 0, 7, true, kNeverFits},   // no finite interval holds 7
        {&finite, 12, 3, false, 5},          // waits until 14
        {&finite, 20, 1, false, kNeverFits}, // after the last interval
        {&endless, 3, 9, true, 14},          // the endless interval from 8 holds anything
        {&endless, 9, 9, true, 9},           // starting inside the endless one
    };
    for (const Case& c : cases)
        EXPECT_EQ(elapsed_time(*c.intervals, c.start, c.duration, c.noSuspend), c.expected)
            << "start " << c.start << " duration " << c.duration << " noSuspend " << c.noSuspend;
}

} // namespace
} // namespace zep
