#pragma once
// Small task records built in a line: ordinary chains by their operation counts, nested chains by
// their coordinates; every operation starts with one variant of time 1 and cost 1.
#include "task/task_record.h"

#include <utility>
#include <vector>

namespace zep::test {

struct Nested {
    int opCount;
    int fromChain, fromOp, toChain, toOp;
    int subgraphNo = 0;
};

inline TaskRecord make_graph(const std::vector<int>& ordinaryOps, const std::vector<Nested>& nested = {}) {
    TaskRecord rec;
    auto addChain = [&](int opCount) {
        ChainRec ch;
        ch.name = "chain " + std::to_string(rec.chains.size() + 1);
        ch.opCount = opCount;
        for (int i = 0; i < opCount; ++i) {
            OperationRec op;
            op.name = "op " + std::to_string(i + 1);
            op.variantCount = 1;
            op.variants.push_back({"v", 0, 0, 1.0, 1.0});
            ch.operations.push_back(op);
        }
        rec.chains.push_back(ch);
        return &rec.chains.back();
    };
    for (int n : ordinaryOps)
        addChain(n);
    for (const Nested& n : nested) {
        ChainRec* ch = addChain(n.opCount);
        ch->fromChain = n.fromChain;
        ch->fromOp = n.fromOp;
        ch->toChain = n.toChain;
        ch->toOp = n.toOp;
        ch->subgraphNo = n.subgraphNo;
    }
    rec.workingChainCount = static_cast<int>(rec.chains.size());
    rec.workingNestedChainCount = static_cast<int>(nested.size());
    rec.header.chainCount = rec.workingChainCount;
    rec.header.nestedChainCount = rec.workingNestedChainCount;
    rec.header.maxQuantSteps = 5;
    rec.header.tact = 1;
    rec.header.scalingCoef = 1;
    return rec;
}

// The variants (time, cost) of operation `op` of chain `chain` (numbers from 1).
inline void set_variants(TaskRecord& rec, int chain, int op,
                         const std::vector<std::pair<double, double>>& tc) {
    OperationRec& o = rec.chains[chain - 1].operations[op - 1];
    o.variants.clear();
    for (auto [t, c] : tc)
        o.variants.push_back({"v", 0, 0, t, c});
    o.variantCount = static_cast<int>(tc.size());
}

// Every operation of the graph with `count` variants (count 1: as built).
inline void set_variant_counts(TaskRecord& rec, int count) {
    for (std::size_t c = 0; c < rec.chains.size(); ++c)
        for (std::size_t o = 0; o < rec.chains[c].operations.size(); ++o) {
            std::vector<std::pair<double, double>> tc;
            for (int v = 0; v < count; ++v)
                tc.push_back({1.0 + v, 10.0 - v});
            set_variants(rec, static_cast<int>(c) + 1, static_cast<int>(o) + 1, tc);
        }
}

// The (chain, op) pairs of a path, for comparing with a table.
inline std::vector<std::pair<int, int>> chain_ops(const PathInfo& path) {
    std::vector<std::pair<int, int>> out;
    for (const PathElement& e : path.elements)
        out.push_back({e.chain, e.op});
    return out;
}

} // namespace zep::test
