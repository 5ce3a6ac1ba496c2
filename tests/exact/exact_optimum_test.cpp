#include "exact/exact_optimum.h"
#include "exact_tasks.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zep::exact {
namespace {

using testing::chain_of;
using testing::for_each_plan;
using testing::Nesting;
using testing::random_ops;
using testing::task_of;

// The least value over all plans that keep within the threshold, by enumeration.
struct Brute {
    bool feasible = false;
    double value = 0;
};

Brute brute_least_cost(const Network& net, int deadline) {
    Brute b;
    for_each_plan(net, [&](const Plan& p) {
        if (plan_time_tacts(net, p) > deadline)
            return;
        const double c = plan_cost(net, p);
        if (!b.feasible || c < b.value)
            b = {true, c};
    });
    return b;
}

Brute brute_least_time(const Network& net, long long costTacts) {
    Brute b;
    for_each_plan(net, [&](const Plan& p) {
        if (plan_cost_tacts(net, p) > costTacts)
            return;
        const double t = plan_time(net, p);
        if (!b.feasible || t < b.value)
            b = {true, t};
    });
    return b;
}

Brute brute_least_tacts(const Network& net, double costThreshold) {
    Brute b;
    for_each_plan(net, [&](const Plan& p) {
        if (!(costThreshold * 1.0001 > plan_cost(net, p)))
            return;
        const double t = plan_time_tacts(net, p) * net.tact;
        if (!b.feasible || t < b.value)
            b = {true, t};
    });
    return b;
}

// Checks every threshold of the task's range against the enumeration, with the plan recovered.
void expect_exact(TaskRecord rec, const ExactOptions& options = {}) {
    const Network net = build_network(rec);
    const int lo = shortest_time_tacts(net), hi = longest_time_tacts(net);
    const TaskGoal goal = task_goal(rec);
    rec.thresholds.clear();
    if (goal == TaskGoal::CostUnderDeadline)
        for (int T = lo - 1; T <= hi + 1; ++T)
            rec.thresholds.push_back(T);
    else if (goal == TaskGoal::TimeUnderCostTacts)
        for (int C = 0; C <= 100; C += 3)
            rec.thresholds.push_back(C);
    else
        rec.thresholds = {lo, hi};
    const std::vector<double> costThresholds = {5, 30, 45, 60, 90, 1000};
    for (double L : goal == TaskGoal::SecondLevel ? costThresholds : std::vector<double>{0}) {
        rec.header.costThreshold = L;
        ExactTask task(rec, options);
        for (int k = 0; k < task.variant_count(); ++k) {
            SCOPED_TRACE("variant " + std::to_string(k + 1) + ", cost threshold " + std::to_string(L));
            const ExactValue e = task.optimum(k);
            const Brute b = goal == TaskGoal::CostUnderDeadline    ? brute_least_cost(net, rec.thresholds[k])
                            : goal == TaskGoal::TimeUnderCostTacts ? brute_least_time(net, rec.thresholds[k])
                                                                   : brute_least_tacts(net, L);
            ASSERT_EQ(e.feasible, b.feasible);
            EXPECT_TRUE(e.proven);
            if (!b.feasible)
                continue;
            EXPECT_NEAR(e.value, b.value, 1e-9 * std::max(1.0, std::fabs(b.value)));
            EXPECT_EQ(e.bound, e.value);
            // The plan behind the optimum keeps within the threshold and has the optimum's value.
            const MethodValue m = task.method_value(k, e.plan);
            ASSERT_TRUE(m.present);
            EXPECT_TRUE(m.withinThreshold);
            EXPECT_DOUBLE_EQ(m.value, e.value);
        }
    }
}

TEST(ExactOptimum, PlainChainsAgreeWithEveryPlanEnumerated) {
    std::mt19937 rng(11);
    for (int n = 0; n < 6; ++n) {
        std::vector<ChainRec> chains;
        for (int c = 0; c < 3; ++c)
            chains.push_back(chain_of(random_ops(rng, 2 + c % 2, 3, 9)));
        SCOPED_TRACE("task " + std::to_string(n));
        expect_exact(task_of(chains, {}, false));
        expect_exact(task_of(chains, {}, true)); // second-level mode: three top-level paths
    }
}

TEST(ExactOptimum, NestedChainsWithAndWithoutSubgraphsAgreeWithTheEnumeration) {
    std::mt19937 rng(23);
    for (int n = 0; n < 6; ++n) {
        // Chain 1 of five operations; chain 3 bypasses its operations 2..3, chain 4 leaves from the
        // start of chain 3's second operation and enters at the end of operation 4 of chain 1 (the two
        // stay properly nested); chain 2 runs beside.
        const std::vector<ChainRec> ordinary = {chain_of(random_ops(rng, 5, 3, 6)),
                                                chain_of(random_ops(rng, 2, 2, 9))};
        const ChainRec bypass = chain_of(random_ops(rng, 2, 2, 5));
        const ChainRec inner = chain_of(random_ops(rng, 1, 3, 5));
        for (int sub : {0, 1}) {
            SCOPED_TRACE("task " + std::to_string(n) + (sub ? " with subgraphs" : " without subgraphs"));
            const TaskRecord rec =
                task_of(ordinary, {{bypass, {1, 2, 1, 3, sub}}, {inner, {3, 2, 3, 2, sub}}}, false);
            EXPECT_TRUE(ExactTask(rec, {}).reduces());
            expect_exact(rec);
        }
    }
}

TEST(ExactOptimum, TimeMinimisedOnASinglePathSharesTheCostBetweenBranches) {
    std::mt19937 rng(37);
    for (int n = 0; n < 6; ++n) {
        // One top-level path: chain 1, with chain 2 in a subgraph bypassing its operations 2..3.
        const TaskRecord rec = task_of({chain_of(random_ops(rng, 4, 3, 9))},
                                       {{chain_of(random_ops(rng, 2, 3, 9)), {1, 2, 1, 3, 1}}}, true, 2.0);
        ASSERT_EQ(task_goal(rec), TaskGoal::TimeUnderCostTacts);
        SCOPED_TRACE("task " + std::to_string(n));
        expect_exact(rec);
    }
}

// Chain 3 leaves chain 1 after its first operation and enters chain 2 after its second: the bridge
// that no series or parallel step removes.
TaskRecord bridge_task(std::mt19937& rng, bool minimiseTime) {
    return task_of({chain_of(random_ops(rng, 3, 3, 8)), chain_of(random_ops(rng, 3, 3, 8))},
                   {{chain_of(random_ops(rng, 1, 3, 8)), {1, 2, 2, 2}}}, minimiseTime);
}

TEST(ExactOptimum, ANetworkThatDoesNotReduceIsSolvedByTheMip) {
    std::mt19937 rng(41);
    for (int n = 0; n < 3; ++n) {
        SCOPED_TRACE("task " + std::to_string(n));
        const TaskRecord rec = bridge_task(rng, false);
        EXPECT_FALSE(ExactTask(rec, {}).reduces());
        expect_exact(rec);
        expect_exact(bridge_task(rng, true));
    }
}

TEST(ExactOptimum, TheMipAgreesWithTheReductionOnReducibleTasks) {
    std::mt19937 rng(43);
    ExactOptions mip;
    mip.forceMip = true;
    const std::vector<ChainRec> ordinary = {chain_of(random_ops(rng, 4, 3, 6)),
                                            chain_of(random_ops(rng, 2, 3, 9))};
    const ChainRec bypass = chain_of(random_ops(rng, 2, 3, 5));
    expect_exact(task_of(ordinary, {{bypass, {1, 2, 1, 3}}}, false), mip);
    expect_exact(task_of(ordinary, {{bypass, {1, 2, 1, 3}}}, true), mip);
    expect_exact(task_of({ordinary[0]}, {{bypass, {1, 2, 1, 3, 1}}}, true), mip);
}

TEST(ExactOptimum, TheFrontierHoldsEveryPointWhereTheLeastCostDrops) {
    std::mt19937 rng(47);
    const TaskRecord rec = task_of({chain_of(random_ops(rng, 3, 3, 6)), chain_of(random_ops(rng, 3, 3, 6))},
                                   {{chain_of(random_ops(rng, 1, 3, 8)), {1, 2, 2, 2}}}, false, 0.5);
    TaskRecord sp = rec;
    sp.chains[2].toChain = 1; // a bypass of chain 1 reduces
    sp.chains[2].toOp = 3;
    ExactOptions mip;
    mip.forceMip = true;
    for (const TaskRecord* r : std::vector<const TaskRecord*>{&rec, &sp}) {
        const Network net = build_network(*r);
        std::vector<FrontierPoint> expected;
        double last = kInfinite;
        for (int T = shortest_time_tacts(net); T <= longest_time_tacts(net); ++T) {
            const Brute b = brute_least_cost(net, T);
            if (b.feasible && b.value < last)
                expected.push_back({T * 0.5, b.value, true});
            last = std::min(last, b.feasible ? b.value : kInfinite);
        }
        for (const ExactOptions& o : std::vector<ExactOptions>{ExactOptions{}, mip}) {
            const std::vector<FrontierPoint> got = ExactTask(*r, o).frontier();
            ASSERT_EQ(got.size(), expected.size());
            for (std::size_t i = 0; i < got.size(); ++i) {
                EXPECT_EQ(got[i].time, expected[i].time);
                EXPECT_NEAR(got[i].cost, expected[i].cost, 1e-9);
                EXPECT_TRUE(got[i].proven);
            }
        }
    }
}

// A stop asked for ends the computation with SearchStopped; a stop never asked for leaves the results as
// they are without one. The MIP's search asks on its own, between the asks before and after each solve.
TEST(ExactOptimum, TheMipSearchAsksWhetherToStopAndStopsWhenTold) {
    std::mt19937 rng(53);
    TaskRecord rec = task_of({chain_of(random_ops(rng, 8, 5, 20)), chain_of(random_ops(rng, 8, 5, 20)),
                              chain_of(random_ops(rng, 8, 5, 20))},
                             {{chain_of(random_ops(rng, 2, 5, 20)), {1, 2, 2, 6}},
                              {chain_of(random_ops(rng, 2, 5, 20)), {2, 3, 3, 5}}},
                             false);
    const Network net = build_network(rec);
    const int lo = shortest_time_tacts(net), hi = longest_time_tacts(net);
    rec.thresholds = {lo + (hi - lo) / 4, (lo + hi) / 2, hi - (hi - lo) / 4};
    ExactOptions asked;
    int asks = 0;
    asked.stopRequested = [&asks] {
        ++asks;
        return false;
    };
    const ExactTask plain(rec, {});
    ASSERT_FALSE(plain.reduces());
    const ExactTask withAsks(rec, asked);
    for (int k = 0; k < plain.variant_count(); ++k) {
        asks = 0;
        const ExactValue a = plain.optimum(k), b = withAsks.optimum(k);
        EXPECT_EQ(a.feasible, b.feasible);
        EXPECT_EQ(a.value, b.value);
        EXPECT_EQ(a.plan, b.plan);
        EXPECT_GT(asks, 2) << "variant " << k;
    }
    for (int stopAt : {1, 2, 3}) {
        ExactOptions stopping;
        int n = 0;
        stopping.stopRequested = [&n, stopAt] { return ++n >= stopAt; };
        const ExactTask task(rec, stopping);
        EXPECT_THROW(task.frontier(), SearchStopped) << stopAt;
    }
}

TEST(ExactOptimum, TheGapIsTheMethodsExcessOverTheOptimumInPercent) {
    ExactValue e;
    e.feasible = true;
    e.value = 200;
    MethodValue m{true, 210, true};
    EXPECT_DOUBLE_EQ(*gap_percent(m, e), 5.0);
    EXPECT_FALSE(gap_percent(MethodValue{}, e));
    e.feasible = false;
    EXPECT_FALSE(gap_percent(m, e));
}

TEST(ExactNetwork, TasksWithoutANetworkAreRefusedWithTheReason) {
    TaskRecord resources = task_of({chain_of({{{1, 1}}})}, {}, false);
    resources.header.hasUnavailableResources = 1;
    EXPECT_THROW(build_network(resources), NetworkError);
    // A chain nested on itself from its third operation back to its first closes a cycle.
    TaskRecord cycle =
        task_of({chain_of({{{1, 1}}, {{1, 1}}, {{1, 1}}})}, {{chain_of({{{1, 1}}}), {1, 3, 1, 1}}}, false);
    EXPECT_THROW(build_network(cycle), NetworkError);
    TaskRecord outside = task_of({chain_of({{{1, 1}}})}, {{chain_of({{{1, 1}}}), {1, 1, 1, 4}}}, false);
    EXPECT_THROW(build_network(outside), NetworkError);
}

} // namespace
} // namespace zep::exact
