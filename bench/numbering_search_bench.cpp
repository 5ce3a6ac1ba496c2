// The automatic search for a numbering of subgraphs on its hardest graphs: ten nested chains, ten
// admissible subgraphs, and no valid numbering at all, so that nothing ends the search early and the
// plain enumeration would go through 11^10 candidates.
//
// The graphs were found by a hill-climbing search over random graphs of one or two ordinary chains and
// ten nested chains that kept every change making the pruned search do more work (numbers tried plus
// 30 per candidate checked) while no valid numbering appeared; the graphs that were hardest for earlier
// versions of the search are kept too. Every operation marked '2' has two variants.
//
// A smaller graph (seven nested chains, 8^7 candidates) compares the pruned search with the plain
// enumeration.
#include "graph_builder.h"
#include "plain_numbering_search.h"
#include "task/numbering_search.h"

#include <benchmark/benchmark.h>

namespace {

using zep::TaskRecord;
using zep::test::Nested;

struct Instance {
    std::vector<int> ordinaryOps;
    std::vector<Nested> nested;
    const char* twoVariantOps; // per chain, per operation: '2' for two variants; chains separated by blanks
    int allowed;
};

TaskRecord build(const Instance& inst) {
    TaskRecord rec = zep::test::make_graph(inst.ordinaryOps, inst.nested);
    int chain = 1, op = 1;
    for (const char* p = inst.twoVariantOps; *p; ++p) {
        if (*p == ' ') {
            ++chain;
            op = 1;
            continue;
        }
        if (*p == '2')
            zep::test::set_variants(rec, chain, op, {{1, 2}, {2, 1}});
        ++op;
    }
    rec.header.decompositionMode = 1;
    rec.header.subgraphNumbering = 1;
    rec.header.allowedSubgraphCount = inst.allowed;
    return rec;
}

// The hardest graphs the hill climbing found for the final search: one ordinary chain, and two.
const Instance kClimbedOneOrdinary{{9},
                                   {{2, 1, 3, 1, 8},
                                    {6, 2, 2, 2, 2},
                                    {5, 2, 1, 2, 1},
                                    {8, 4, 3, 4, 3},
                                    {1, 3, 6, 3, 6},
                                    {7, 5, 8, 5, 8},
                                    {5, 7, 6, 7, 7},
                                    {2, 8, 1, 8, 1},
                                    {2, 6, 1, 9, 2},
                                    {5, 6, 1, 6, 1}},
                                   "222121122 11 121122 12221 21221211 2 2221111 11211 11 12 12111",
                                   10};

const Instance kClimbedTwoOrdinary{
    {5, 9},
    {{6, 1, 5, 1, 5},
     {1, 2, 3, 2, 9},
     {4, 1, 3, 1, 3},
     {7, 2, 2, 2, 2},
     {3, 1, 1, 1, 1},
     {8, 6, 3, 6, 4},
     {6, 1, 1, 1, 1},
     {10, 2, 2, 9, 6},
     {2, 10, 8, 6, 5},
     {3, 2, 3, 10, 8}},
    "11221 122122112 122111 2 1211 1111111 112 22222222 112122 2121121211 12 222",
    10};

// Hardest for earlier versions of the search. Chain 11 hangs on chain 4 and on chain 10, which hangs on
// chain 7, which hangs on chain 4; chain 11 may share a number with neither, yet cannot hang on both
// from outside.
const Instance kAncestryConflict{{3},
                                 {{3, 1, 3, 1, 3},
                                  {2, 2, 3, 2, 3},
                                  {9, 1, 2, 1, 3},
                                  {5, 4, 3, 4, 4},
                                  {2, 3, 2, 3, 2},
                                  {2, 4, 1, 4, 2},
                                  {4, 4, 6, 4, 7},
                                  {3, 8, 3, 8, 4},
                                  {9, 7, 2, 7, 2},
                                  {1, 4, 5, 10, 9}},
                                 "111 111 11 121222122 11111 21 21 2221 112 112221122 1",
                                 10};

const Instance kCrossingFamily{{4},
                               {{2, 1, 4, 1, 4},
                                {6, 2, 1, 2, 1},
                                {7, 2, 2, 2, 2},
                                {6, 3, 5, 3, 6},
                                {10, 5, 2, 5, 6},
                                {1, 1, 2, 1, 4},
                                {1, 4, 4, 4, 7},
                                {3, 2, 2, 2, 2},
                                {4, 2, 2, 2, 2},
                                {8, 3, 5, 8, 1}},
                               "2222 11 222212 1212122 121212 1121111222 2 1 222 1112 11122121",
                               10};

// Seven nested chains (8^7 candidates) whose valid numberings all need conversion: the plain
// enumeration checks every candidate of the right shape to find the last valid one, the fallback.
const Instance kSevenChains{{4},
                            {{2, 1, 3, 1, 4},
                             {3, 2, 1, 2, 2},
                             {3, 2, 1, 2, 1},
                             {4, 3, 3, 2, 2},
                             {4, 5, 1, 5, 2},
                             {1, 6, 1, 6, 4},
                             {4, 7, 1, 7, 1}},
                            "2211 12 121 112 2122 2112 2 1122",
                            7};

void search(benchmark::State& state, const Instance* inst) {
    const TaskRecord rec = build(*inst);
    zep::NumberingSearchResult result;
    for (auto _ : state) {
        TaskRecord work = rec;
        result = zep::search_numbering(work);
        benchmark::DoNotOptimize(result);
    }
    state.counters["explored"] = static_cast<double>(result.explored);
    state.counters["checked"] = static_cast<double>(result.checked);
    state.counters["outcome"] = static_cast<double>(result.outcome);
}

void plain(benchmark::State& state, const Instance* inst) {
    const TaskRecord rec = build(*inst);
    zep::NumberingSearchResult result;
    for (auto _ : state) {
        TaskRecord work = rec;
        result = zep::test::plain_numbering_search(work);
        benchmark::DoNotOptimize(result);
    }
    state.counters["checked"] = static_cast<double>(result.checked);
    state.counters["outcome"] = static_cast<double>(result.outcome);
}

BENCHMARK_CAPTURE(search, climbed_one_ordinary, &kClimbedOneOrdinary)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(search, climbed_two_ordinary, &kClimbedTwoOrdinary)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(search, ancestry_conflict, &kAncestryConflict)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(search, crossing_family, &kCrossingFamily)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(search, seven_chains, &kSevenChains)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(plain, seven_chains, &kSevenChains)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
