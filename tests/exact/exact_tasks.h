#pragma once
// Small tasks for the exact optimum, built straight as records (only what the network and the goals
// read), and the brute-force enumeration of every plan they are checked against.
#include "exact/network.h"
#include "task/task_record.h"

#include <functional>
#include <random>

namespace zep::exact::testing {

// A chain of operations with (time, cost) variants.
using Variants = std::vector<std::pair<double, double>>;

inline ChainRec chain_of(const std::vector<Variants>& ops) {
    ChainRec c;
    c.opCount = static_cast<int>(ops.size());
    for (const Variants& vs : ops) {
        OperationRec op;
        for (auto [time, cost] : vs)
            op.variants.push_back({"v", 0, 0, time, cost});
        op.variantCount = static_cast<int>(op.variants.size());
        c.operations.push_back(op);
    }
    return c;
}

// A nested chain leaving from the start of (fromChain, fromOp), entering at the end of (toChain,
// toOp); `subgraph` > 0 places it in a subgraph (it then has no top-level path).
struct Nesting {
    int fromChain, fromOp, toChain, toOp, subgraph = 0;
};

// `ordinary` chains, then the nested ones; the time minimised when `minimiseTime`.
inline TaskRecord task_of(const std::vector<ChainRec>& ordinary,
                          const std::vector<std::pair<ChainRec, Nesting>>& nested, bool minimiseTime,
                          double tact = 1.0) {
    TaskRecord rec;
    TaskHeader& h = rec.header;
    h.taskCode = "EXA001";
    h.chainCount = static_cast<int>(ordinary.size() + nested.size());
    h.nestedChainCount = static_cast<int>(nested.size());
    h.minimisedParam = minimiseTime ? 1 : 0;
    h.tact = tact;
    h.scalingCoef = 1;
    rec.chains = ordinary;
    for (const auto& [c, n] : nested) {
        ChainRec nc = c;
        nc.fromChain = n.fromChain;
        nc.fromOp = n.fromOp;
        nc.toChain = n.toChain;
        nc.toOp = n.toOp;
        nc.subgraphNo = n.subgraph;
        if (n.subgraph > 0)
            h.decompositionMode = 1;
        rec.chains.push_back(nc);
    }
    int topPaths = 0;
    for (const ChainRec& c : rec.chains) {
        PathInfo p;
        if (c.subgraphNo == 0) {
            p.elements.resize(static_cast<std::size_t>(c.opCount)); // only the count matters here
            ++topPaths;
        }
        rec.chainPaths.push_back(p);
    }
    // The top-level path count the task's mode is judged by, stored last as the path unrolling does.
    rec.chainsPerSubgraph = {topPaths};
    return rec;
}

inline std::vector<Variants> random_ops(std::mt19937& rng, int ops, int maxVariants, int maxTime) {
    std::vector<Variants> out;
    for (int i = 0; i < ops; ++i) {
        const int n = std::uniform_int_distribution<int>(1, maxVariants)(rng);
        Variants vs;
        for (int v = 0; v < n; ++v)
            vs.push_back({static_cast<double>(std::uniform_int_distribution<int>(1, maxTime)(rng)),
                          static_cast<double>(std::uniform_int_distribution<int>(1, 30)(rng))});
        out.push_back(vs);
    }
    return out;
}

// Calls `visit` with every complete plan of the network.
inline void for_each_plan(const Network& net, const std::function<void(const Plan&)>& visit) {
    Plan plan;
    for (int n : net.opCounts)
        plan.emplace_back(static_cast<std::size_t>(n), 1);
    const auto& ops = net.operations;
    for (;;) {
        visit(plan);
        std::size_t i = 0;
        for (; i < ops.size(); ++i) {
            int& v =
                plan[static_cast<std::size_t>(ops[i].chain - 1)][static_cast<std::size_t>(ops[i].op - 1)];
            if (v < static_cast<int>(ops[i].variants.size())) {
                ++v;
                break;
            }
            v = 1;
        }
        if (i == ops.size())
            return;
    }
}

} // namespace zep::exact::testing
