// The exact time-cost curve of a task of 10 chains × 10 operations × 20 variants against the
// optimiser's own solve of its ten thresholds, and the MIP on the same task under a tight deadline.
// The optimiser's benchmark also reports, as counters, the largest gap of its answers to the exact
// optimum and how many of its plans keep within their thresholds.
#include "exact/exact_optimum.h"
#include "exact/exact_tasks.h"
#include "optimiser/solver_input_bytes.h"
#include "optimiser/task_optimiser.h"
#include "shell/naming_shell.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

using namespace zep;

TaskRecord bench_record() {
    std::mt19937 rng(2026);
    std::vector<ChainRec> chains;
    for (int c = 0; c < 10; ++c) {
        std::vector<exact::testing::Variants> ops;
        for (int k = 0; k < 10; ++k) {
            exact::testing::Variants vs;
            // Faster variants cost more, with noise, as planners' data do.
            for (int v = 0; v < 20; ++v) {
                const int time = std::uniform_int_distribution<int>(2, 20)(rng);
                const double cost = 400.0 / time + std::uniform_int_distribution<int>(0, 40)(rng) * 0.37;
                vs.push_back({static_cast<double>(time), cost});
            }
            ops.push_back(vs);
        }
        chains.push_back(exact::testing::chain_of(ops));
    }
    TaskRecord rec = exact::testing::task_of(chains, {}, false);
    const exact::Network net = exact::build_network(rec);
    const int lo = exact::shortest_time_tacts(net), hi = exact::longest_time_tacts(net);
    for (int k = 0; k < 10; ++k)
        rec.thresholds.push_back(lo + (hi - lo) * k / 18); // the tighter half of the range
    rec.header.thresholdCount = 10;
    return rec;
}

// The same task as the optimiser reads it: one top-level path per chain, scaling coefficient 1.
SolverInput solver_input_of(const TaskRecord& rec) {
    const exact::Network net = exact::build_network(rec);
    std::vector<SolverPath> paths;
    for (std::size_t c = 0; c < rec.chains.size(); ++c) {
        std::vector<std::vector<VariantOut>> blocks;
        for (const exact::NetworkOperation& o : net.operations)
            if (o.chain == static_cast<int>(c + 1)) {
                std::vector<VariantOut> block;
                for (const exact::OperationVariant& v : o.variants)
                    block.push_back({v.time, v.cost, v.timeTacts});
                blocks.push_back(block);
            }
        paths.push_back(testing::chain_path(static_cast<int>(c + 1), blocks));
    }
    return testing::chains_task(paths, rec.thresholds);
}

void BM_ExactFrontier(benchmark::State& state) {
    const TaskRecord rec = bench_record();
    std::size_t points = 0;
    for (auto _ : state) {
        const exact::ExactTask task(rec, {});
        points = task.frontier().size();
        benchmark::DoNotOptimize(points);
    }
    state.counters["points"] = static_cast<double>(points);
}

void BM_MethodTenThresholds(benchmark::State& state) {
    const TaskRecord rec = bench_record();
    const SolverInput in = solver_input_of(rec);
    const ShellTables shell = testing::naming_shell();
    const RunTexts texts{shell, "BENCH1", '.'};
    OptimiserOptions options;
    TaskOptimisation r;
    for (auto _ : state)
        r = optimise_task(in, texts, options);

    const exact::ExactTask task(rec, {});
    double worst = 0;
    int within = 0;
    for (int k = 0; k < task.variant_count(); ++k) {
        exact::Plan plan;
        if (r.solution.status[static_cast<std::size_t>(k)] != 0)
            for (const auto& chain : r.solution.variantChoice[static_cast<std::size_t>(k)])
                plan.emplace_back(chain.begin(), chain.end());
        const exact::MethodValue m = task.method_value(k, plan);
        within += m.withinThreshold ? 1 : 0;
        if (const auto gap = exact::gap_percent(m, task.optimum(k)))
            worst = std::max(worst, *gap);
    }
    state.counters["maxGapPercent"] = worst;
    state.counters["plansWithin"] = within;
}

void BM_MipTightDeadline(benchmark::State& state) {
    const TaskRecord rec = bench_record();
    exact::ExactOptions mip;
    mip.forceMip = true;
    mip.timeLimitSeconds = static_cast<double>(state.range(0));
    const exact::ExactTask task(rec, mip);
    const exact::ExactTask reduced(rec, {});
    exact::ExactValue v;
    for (auto _ : state)
        v = task.optimum(1);
    const double best = reduced.optimum(1).value;
    state.counters["proven"] = v.proven ? 1 : 0;
    state.counters["gapToOptimumPercent"] = v.feasible ? (v.value - best) / best * 100 : -1;
    state.counters["boundGapPercent"] = v.feasible ? (v.value - v.bound) / v.value * 100 : -1;
}

BENCHMARK(BM_ExactFrontier)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MethodTenThresholds)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_MipTightDeadline)->Arg(10)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
