#pragma once
// Random small solved tasks for comparing the fast slack search with plain stepping: few chains and
// operations, times on a coarse grid so that ties and critical paths occur, random chosen variants,
// nested chains on ordinary chains, optionally in subgraphs, optionally with unavailable resources.
#include "solved_tasks.h"

#include <random>

namespace zep::test {

struct RandomTaskKind {
    bool resources = false;
    bool subgraphs = false;
};

inline TaskRecord random_solved_task(std::mt19937& rng, RandomTaskKind kind,
                                     std::vector<std::vector<std::int32_t>>& choices) {
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    auto time = [&] { return pick(0, 3) == 0 ? pick(1, 6) : pick(1, 40) * 0.125; };
    TaskRecord rec;
    const int categories = kind.resources ? pick(1, 2) : 0;
    auto operation = [&] {
        std::vector<Var> vars;
        const int n = pick(1, 3);
        for (int v = 0; v < n; ++v)
            vars.push_back({time(), static_cast<double>(pick(1, 9)), categories ? pick(1, categories) : 0,
                            categories ? pick(0, 1) : 0});
        return op_of(vars);
    };
    auto ops = [&](int n) {
        std::vector<OperationRec> v;
        for (int i = 0; i < n; ++i)
            v.push_back(operation());
        return v;
    };
    const int ordinary = pick(1, 3);
    for (int c = 0; c < ordinary; ++c)
        add_chain(rec, ops(pick(1, 4)));
    const int nested = pick(0, 2);
    int subgraph = 0;
    for (int i = 0; i < nested; ++i) {
        const int parent = kind.subgraphs && pick(0, 1) ? 1 : pick(1, ordinary);
        const int n = rec.chains[parent - 1].opCount;
        int a = pick(1, n), b = pick(1, n);
        if (a > b)
            std::swap(a, b);
        const int sg = kind.subgraphs && parent == 1 && pick(0, 2) > 0 ? 1 : 0;
        subgraph = std::max(subgraph, sg);
        add_nested(rec, ops(pick(1, 3)), parent, a, b, sg);
    }
    if (kind.resources) {
        rec.header.hasUnavailableResources = 1;
        rec.header.resourceCategoryCount = categories;
        for (int c = 0; c < categories; ++c) {
            std::vector<ResourceInterval> in;
            double at = pick(0, 4) * 0.5;
            const int count = pick(1, 4);
            for (int i = 0; i < count; ++i) {
                const double end = at + pick(1, 16) * 0.5;
                in.push_back({at, end, 0, 0});
                at = end + pick(1, 6) * 0.5;
            }
            if (pick(0, 3) > 0)
                in.push_back({at, kUnboundedFinish, 0, kUnboundedFinishTacts});
            rec.resourceIntervals.push_back(in);
        }
    }
    prepare(rec, nested);
    choices.clear();
    for (const ChainRec& ch : rec.chains) {
        choices.emplace_back();
        for (const OperationRec& op : ch.operations)
            choices.back().push_back(pick(1, op.variantCount));
    }
    return rec;
}

} // namespace zep::test
