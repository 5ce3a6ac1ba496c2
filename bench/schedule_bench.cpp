// The schedule of a solved task of 10 chains × 10 operations: the slack of every operation found by
// the fast search against stepping one ε at a time.
#include "views/schedule.h"
#include "views/solved_tasks.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

using namespace zep;

// Ten ordinary chains of ten operations with two or three variants of random times, or, with
// unavailable resources, the same on two resource categories with breaks.
struct BenchTask {
    TaskRecord rec;
    Solution solution;
};

BenchTask make_task(bool resources) {
    std::mt19937 rng(7);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    BenchTask t;
    if (resources) {
        t.rec.header.hasUnavailableResources = 1;
        t.rec.header.resourceCategoryCount = 2;
        t.rec.resourceIntervals = {{{0, 40, 0, 40}, {45, 90, 45, 90}, {100, -1, 100, -1}},
                                   {{0, 30, 0, 30}, {35, -1, 35, -1}}};
    }
    for (int c = 0; c < 10; ++c) {
        std::vector<OperationRec> ops;
        for (int k = 0; k < 10; ++k) {
            std::vector<test::Var> vars;
            for (int v = pick(2, 3); v > 0; --v)
                vars.push_back({pick(1, 80) * 0.25, static_cast<double>(pick(1, 50)),
                                resources ? pick(1, 2) : 0, resources ? pick(0, 1) : 0});
            ops.push_back(test::op_of(vars));
        }
        test::add_chain(t.rec, ops);
    }
    test::prepare(t.rec, 0);
    std::vector<std::vector<std::int32_t>> choices;
    double longest = 0;
    for (const ChainRec& ch : t.rec.chains) {
        choices.emplace_back();
        double sum = 0;
        for (const OperationRec& op : ch.operations) {
            choices.back().push_back(pick(1, op.variantCount));
            sum += op.variants[choices.back().back() - 1].time;
        }
        longest = std::max(longest, sum);
    }
    t.solution = test::solution_of(t.rec, choices, std::vector<double>(10, 0.0), longest);
    return t;
}

void run(benchmark::State& state, bool resources, SlackMethod method) {
    const BenchTask t = make_task(resources);
    for (auto _ : state)
        benchmark::DoNotOptimize(compute_schedule(t.rec, t.solution, 0, method));
}

void BM_ScheduleFast(benchmark::State& s) {
    run(s, false, SlackMethod::Fast);
}
void BM_SchedulePlain(benchmark::State& s) {
    run(s, false, SlackMethod::Plain);
}
void BM_ScheduleResourcesFast(benchmark::State& s) {
    run(s, true, SlackMethod::Fast);
}
void BM_ScheduleResourcesPlain(benchmark::State& s) {
    run(s, true, SlackMethod::Plain);
}

BENCHMARK(BM_ScheduleFast)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SchedulePlain)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ScheduleResourcesFast)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScheduleResourcesPlain)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
