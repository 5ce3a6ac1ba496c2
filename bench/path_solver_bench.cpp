// Speed of the path solver against the literal walk over arc records, on a path of 10 elements with 20
// variants each under a threshold of 1998 tacts (19992 phase states), at the default parameters.
// Prints nanoseconds per arc and cycle for both and checks that their results are identical.
#include "optimiser/literal_path_solver.h"
#include "optimiser/path_solver.h"

#include <benchmark/benchmark.h>

#include <bit>
#include <cstdio>
#include <map>
#include <string>

namespace {

using namespace zep;

PathProblem benchmark_path() {
    PathProblem p;
    p.threshold = 1998;
    for (int e = 0; e < 10; ++e) {
        std::vector<PathVariant> variants;
        for (int v = 0; v < 20; ++v) {
            PathVariant pv;
            pv.value = 20 + 18 * v + (7 * e + 3 * v) % 13;     // 20 .. 394 tacts
            pv.weight = 50000.0 / pv.value + 10 * e + (v % 4); // faster costs more
            variants.push_back(pv);
        }
        p.elements.push_back(variants);
    }
    return p;
}

const PathProblem& problem() {
    static const PathProblem p = benchmark_path();
    return p;
}

// Arcs of the phase-state graph, taken from the literal solver's records.
std::int64_t arc_count() {
    static const std::int64_t n = reference::solve_path_literally(problem(), {}).arcCount;
    return n;
}

std::map<std::string, double> nsPerArcCycle;

void report(benchmark::State& state, const std::string& name, std::int32_t cycles) {
    const double arcCycles = static_cast<double>(arc_count()) * cycles;
    state.counters["arcs"] = static_cast<double>(arc_count());
    state.counters["cycles"] = cycles;
    state.counters["s_per_arc_cycle"] = benchmark::Counter(
        arcCycles, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    (void)name;
}

void BM_LiteralPathSolver(benchmark::State& state) {
    std::int32_t cycles = 0;
    for (auto _ : state) {
        auto out = reference::solve_path_literally(problem(), {});
        cycles = out.result.cycles;
        benchmark::DoNotOptimize(out.result.optimalValue);
    }
    report(state, "literal", cycles);
}

void BM_FastPathSolver(benchmark::State& state) {
    PathSolver solver;
    std::int32_t cycles = 0;
    for (auto _ : state) {
        const PathResult& r = solver.solve(problem(), {});
        cycles = r.cycles;
        benchmark::DoNotOptimize(r.optimalValue);
    }
    report(state, "fast", cycles);
}

BENCHMARK(BM_LiteralPathSolver)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FastPathSolver)->Unit(benchmark::kMillisecond);

// Collects the per-run times so that the summary can state ns per arc and cycle and the speed-up.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            auto it = run.counters.find("s_per_arc_cycle");
            if (it != run.counters.end() && run.run_type == Run::RT_Iteration)
                nsPerArcCycle[run.benchmark_name()] = it->second.value * 1e9;
        }
    }
};

bool results_identical() {
    auto lit = reference::solve_path_literally(problem(), {});
    PathSolver solver;
    const PathResult& r = solver.solve(problem(), {});
    return std::bit_cast<std::uint64_t>(r.optimalValue) ==
               std::bit_cast<std::uint64_t>(lit.result.optimalValue) &&
           r.cycles == lit.result.cycles && r.trace == lit.result.trace &&
           r.iterationCode == lit.result.iterationCode && solver.chosen_options() == lit.chosenOptions;
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    const bool identical = results_identical();
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::printf("\npath of 10 elements x 20 variants, T = 1998 tacts: %lld phase states, %lld arcs\n",
                static_cast<long long>(phase_state_count(10, 1998)), static_cast<long long>(arc_count()));
    const double lit = nsPerArcCycle["BM_LiteralPathSolver"], fast = nsPerArcCycle["BM_FastPathSolver"];
    if (lit > 0)
        std::printf("literal: %.3f ns per arc and cycle\n", lit);
    if (fast > 0)
        std::printf("fast:    %.3f ns per arc and cycle\n", fast);
    if (lit > 0 && fast > 0)
        std::printf("speed-up: %.2fx\n", lit / fast);
    std::printf("results identical: %s\n", identical ? "yes" : "NO");
    return identical ? 0 : 1;
}
