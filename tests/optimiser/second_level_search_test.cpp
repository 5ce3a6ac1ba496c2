#include "optimiser/second_level_search.h"

#include <gtest/gtest.h>

#include <vector>

namespace zep {
namespace {

using Step = SecondLevelSearch::Step;

constexpr double kLimit = 1000; // cost threshold L
constexpr double kFeasible = 900, kInfeasible = 1200;

TEST(SecondLevelSearch, TheFirstProbeIsHalfWayAndTheSecondMovesAQuarter) {
    SecondLevelSearch infeasibleFirst(100, 200, 2, 10, kLimit);
    EXPECT_EQ(infeasibleFirst.current(), 150);
    infeasibleFirst.after_probe(kInfeasible, true);
    EXPECT_EQ(infeasibleFirst.current(), 175);

    SecondLevelSearch feasibleFirst(100, 200, 2, 10, kLimit);
    feasibleFirst.after_probe(kFeasible, true);
    EXPECT_EQ(feasibleFirst.current(), 125);
}

TEST(SecondLevelSearch, HalvingMovesAreRoundedHalfToEven) {
    // D = 10: the first probe at T0 + 5, then moves of 2 (2.5), 1 (1.25) and 1 (0.625).
    SecondLevelSearch search(40, 50, 1, 10, kLimit);
    EXPECT_EQ(search.current(), 45);
    search.after_probe(kInfeasible, true);
    EXPECT_EQ(search.current(), 47);
    search.after_probe(kFeasible, true);
    EXPECT_EQ(search.current(), 46);
    search.after_probe(kInfeasible, true);
    EXPECT_EQ(search.current(), 47);
}

TEST(SecondLevelSearch, FeasibilityAllowsOneTenThousandthOverTheCostThreshold) {
    SecondLevelSearch search(0, 100, 1, 10, kLimit);
    EXPECT_TRUE(search.feasible(1000.09));
    EXPECT_FALSE(search.feasible(1000.1));
}

struct WalkCase {
    const char* name;
    std::vector<bool> feasible; // per probe
    Step end;
    std::vector<int> probes; // thresholds probed, in order
    int limit = 8;           // secondLevelIterations
};

TEST(SecondLevelSearch, WalksByTheStepUntilFeasibilityFlipsOrABoundOrTheLimit) {
    // T0 = 100, T1 = 200, step 10: probes at 150, then ±25, ±12 (12.5 to even), ±6 (6.25), then ±10.
    const WalkCase cases[] = {
        {"feasible after infeasible: this probe",
         {false, false, false, false, true},
         Step::ResultThisProbe,
         {150, 175, 187, 193, 200}},
        {"infeasible after feasible: the previous probe",
         {true, true, true, true, false},
         Step::ResultPreviousProbe,
         {150, 125, 113, 107, 100}},
        {"walking down until infeasible",
         {false, true, true, true, true, false},
         Step::ResultPreviousProbe,
         {150, 175, 163, 157, 147, 137}},
        {"the lower bound reached while feasible",
         {true, true, true, true, true, true},
         Step::ResultThisProbe,
         {150, 125, 113, 107, 100}},
        {"the upper bound reached while infeasible",
         {false, true, false, false, false, false, false, false},
         Step::ResultPreviousProbe,
         {150, 175, 163, 169, 179, 189, 199, 200},
         20},
        {"the limit of probes",
         {false, true, false, false, false, false, false},
         Step::LimitUsedUp,
         {150, 175, 163, 169, 179, 189, 199},
         7},
    };
    for (const WalkCase& c : cases) {
        SCOPED_TRACE(c.name);
        SecondLevelSearch search(100, 200, 10, c.limit, kLimit);
        std::vector<int> probed;
        Step last = Step::NextProbe;
        for (std::size_t k = 0; k < c.feasible.size() && last == Step::NextProbe; ++k) {
            probed.push_back(search.current());
            last = search.after_probe(c.feasible[k] ? kFeasible : kInfeasible, true).step;
        }
        EXPECT_EQ(last, c.end);
        EXPECT_EQ(probed, c.probes);
        EXPECT_EQ(search.probes(), static_cast<int>(c.probes.size()));
    }
}

TEST(SecondLevelSearch, ProbesFromTheFourthOnAreKeptAsPrevious) {
    SecondLevelSearch search(100, 200, 10, 20, kLimit);
    for (int k = 0; k < 3; ++k)
        EXPECT_FALSE(search.after_probe(kInfeasible, true).keepAsPrevious);
    EXPECT_TRUE(search.after_probe(kInfeasible, true).keepAsPrevious);
}

TEST(SecondLevelSearch, AProbeThatDidNotGoThroughAllPathsCountsAsInfeasible) {
    SecondLevelSearch search(100, 200, 10, 20, kLimit);
    search.after_probe(0.0, false); // a total of 0 would look feasible
    EXPECT_EQ(search.current(), 175);
}

} // namespace
} // namespace zep
