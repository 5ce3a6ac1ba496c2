#pragma once
// Small random graphs with nested chains for comparing the numbering search with the plain
// enumeration: few chains and operations so that nesting, shared parents, crossings and spans collide
// often, and a mix of single-variant and two-variant operations so that every outcome occurs.
#include "graph_builder.h"

#include <random>

namespace zep::test {

inline TaskRecord random_nested_graph(std::mt19937& rng, int maxOrdinary, int maxNested, int maxOps) {
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    const int ordinary = pick(1, maxOrdinary);
    const int nested = pick(1, maxNested);
    std::vector<int> ordinaryOps;
    std::vector<int> opCounts;
    for (int i = 0; i < ordinary; ++i) {
        ordinaryOps.push_back(pick(1, maxOps));
        opCounts.push_back(ordinaryOps.back());
    }
    std::vector<Nested> chains;
    for (int i = 0; i < nested; ++i) {
        const int self = ordinary + i + 1;
        Nested n{pick(1, maxOps), pick(1, self - 1), 0, 0, 0};
        n.toChain = pick(0, 2) == 0 ? pick(1, self - 1) : n.fromChain; // mostly back into the same chain
        n.fromOp = pick(1, opCounts[n.fromChain - 1]);
        n.toOp = pick(1, opCounts[n.toChain - 1]);
        if (n.fromChain == n.toChain && n.toOp < n.fromOp)
            std::swap(n.fromOp, n.toOp);
        chains.push_back(n);
        opCounts.push_back(n.opCount);
    }
    TaskRecord rec = make_graph(ordinaryOps, chains);
    for (auto& ch : rec.chains)
        for (auto& op : ch.operations)
            if (pick(0, 3) == 0) {
                op.variants = {{"v", 0, 0, 1, 2}, {"w", 0, 0, 2, 1}};
                op.variantCount = 2;
            }
    rec.header.decompositionMode = 1;
    rec.header.subgraphNumbering = 1;
    rec.header.allowedSubgraphCount = pick(1, nested);
    return rec;
}

} // namespace zep::test
