#include "task/path_unrolling.h"

#include "task/graph_access.h"

#include <algorithm>

namespace zep {

PathLayout unroll_layout(int node, int ownCount, const std::function<bool(int)>& isNested,
                         const std::function<NestLink(int)>& link, int maxSteps) {
    PathLayout layout;
    // Lengths first: the prefix gathers the operations before every branch point up the `from` side,
    // the suffix those after every merge point down the `to` side.
    {
        int a = node, b = node;
        for (int step = 0; (isNested(a) || isNested(b)) && step < maxSteps; ++step) {
            if (isNested(a)) {
                const NestLink l = link(a);
                layout.prefixLength += std::max(l.opsBefore, 0);
                a = l.fromNode;
            }
            if (isNested(b)) {
                const NestLink l = link(b);
                layout.suffixLength += std::max(l.opsAfter, 0);
                b = l.toNode;
            }
        }
    }
    layout.elementCount = layout.prefixLength + ownCount + layout.suffixLength;
    if (ownCount > 0)
        layout.segments.push_back({node, 0, ownCount, layout.prefixLength});

    int p1 = layout.prefixLength;
    int a = node;
    for (int step = 0; isNested(a) && step < maxSteps; ++step) {
        const NestLink l = link(a);
        const int n = std::max(l.opsBefore, 0);
        p1 -= n;
        if (n > 0)
            layout.segments.push_back({l.fromNode, 0, n, p1});
        a = l.fromNode;
    }
    int p2 = layout.prefixLength + ownCount;
    int b = node;
    for (int step = 0; isNested(b) && step < maxSteps; ++step) {
        const NestLink l = link(b);
        const int n = std::max(l.opsAfter, 0);
        if (n > 0)
            layout.segments.push_back({l.toNode, l.toOp, n, p2});
        p2 += n;
        b = l.toNode;
    }
    std::sort(layout.segments.begin(), layout.segments.end(),
              [](const PathSegment& x, const PathSegment& y) { return x.pathPos < y.pathPos; });
    return layout;
}

void unroll_paths(TaskRecord& rec) {
    check_graph_shape(rec);
    const int n = rec.workingChainCount;
    const int ordinary = rec.ordinaryChainCount();
    const bool decomposed = decomposition_mode(rec.header) == Decomposition::NestedSubgraphs;

    auto isNested = [&](int c) { return c > ordinary; };
    auto link = [&](int c) {
        const ChainRec& ch = chain_no(rec, c);
        return NestLink{ch.fromChain, ch.fromOp - 1, ch.toChain, ch.toOp,
                        chain_no(rec, ch.toChain).opCount - ch.toOp};
    };

    rec.chainPaths.assign(n, PathInfo{});
    rec.sourceOps.assign(n, {});
    int topPaths = 0;
    for (int c = 1; c <= n; ++c) {
        const ChainRec& chain = chain_no(rec, c);
        if (isNested(c) && decomposed && chain.subgraphNo > 0)
            continue; // its operations belong to its subgraph's member paths
        ++topPaths;
        const PathLayout layout = unroll_layout(c, chain.opCount, isNested, link, n);
        PathInfo& path = rec.chainPaths[c - 1];
        path.prefixLength = layout.prefixLength;
        path.suffixLength = layout.suffixLength;
        path.elements.resize(layout.elementCount);
        for (const PathSegment& s : layout.segments) {
            for (int i = 0; i < s.count; ++i) {
                const int op = s.first + i + 1;
                path.elements[s.pathPos + i] = {s.node, op, operation_no(rec, s.node, op).variantCount};
            }
        }
        for (const PathElement& e : path.elements)
            rec.sourceOps[c - 1].push_back(e.op);
    }

    rec.topPathCount = topPaths;
    if (!decomposed) {
        // Without decomposition nothing of an earlier one may reach the files or the bounds.
        rec.workingSubgraphCount = 0;
        rec.subgraphSpans.clear();
        rec.subgraphMembers.clear();
        rec.opRefs.clear();
        rec.subgraphSummaries.clear();
        rec.subgraphPaths.clear();
        rec.timeLevels.clear();
        rec.spanMark.clear();
    }
    const int subgraphs = active_subgraph_count(rec);
    rec.chainsPerSubgraph.resize(subgraphs + 1);
    rec.chainsPerSubgraph.back() = topPaths;
    rec.discretisedIsCost = derived_discretised_is_cost(rec);
}

} // namespace zep
