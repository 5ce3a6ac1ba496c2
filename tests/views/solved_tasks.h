#pragma once
// Solved tasks for the schedule tests, built in a few lines: chains with their operations' variants
// (time, cost, and with unavailable resources the category and whether suspension is forbidden), the
// unrolled paths of chains that hang on ordinary chains, nested subgraphs over spans of ordinary
// chains, and a solution run holding the chosen variants.
#include "optimiser/solution_file.h"
#include "task/task_record.h"

#include <random>
#include <string>
#include <vector>

namespace zep::test {

struct Var {
    double time;
    double cost;
    int category = 0;
    int noSuspend = 0;
};

inline OperationRec op_of(std::vector<Var> vars) {
    OperationRec op;
    op.name = "op";
    for (const Var& v : vars)
        op.variants.push_back({"v", v.category, v.noSuspend, v.time, v.cost});
    op.variantCount = static_cast<int>(vars.size());
    return op;
}

// An ordinary chain of the given operations.
inline void add_chain(TaskRecord& rec, std::vector<OperationRec> ops) {
    ChainRec ch;
    ch.name = "chain " + std::to_string(rec.chains.size() + 1);
    ch.opCount = static_cast<int>(ops.size());
    ch.operations = std::move(ops);
    rec.chains.push_back(ch);
}

// A nested chain leaving ordinary chain `parent` at the start of `fromOp` and entering it at the end of
// `toOp`; `subgraphNo` > 0 places it in that subgraph.
inline void add_nested(TaskRecord& rec, std::vector<OperationRec> ops, int parent, int fromOp, int toOp,
                       int subgraphNo = 0) {
    add_chain(rec, std::move(ops));
    ChainRec& ch = rec.chains.back();
    ch.fromChain = ch.toChain = parent;
    ch.fromOp = fromOp;
    ch.toOp = toOp;
    ch.subgraphNo = subgraphNo;
}

// Fills the header counts and the prepared paths. Nested chains hang on ordinary chains only. All
// nested chains of one subgraph hang on the same parent; the subgraph's span is the smallest fromOp to
// the largest toOp of its members.
inline void prepare(TaskRecord& rec, int nestedCount) {
    TaskHeader& h = rec.header;
    if (h.taskCode.empty())
        h.taskCode = "TST001";
    if (h.taskName.empty())
        h.taskName = "Test task";
    h.timeUnit = "дни";
    h.costUnit = "рубли";
    if (h.tact == 0)
        h.tact = 1;
    if (h.scalingCoef == 0)
        h.scalingCoef = 1;
    if (h.thresholdCount == 0)
        h.thresholdCount = 1;
    h.chainCount = static_cast<int>(rec.chains.size());
    h.nestedChainCount = nestedCount;
    rec.workingChainCount = h.chainCount;
    rec.workingNestedChainCount = nestedCount;
    const int ordinary = h.chainCount - nestedCount;
    int subgraphs = 0;
    for (const ChainRec& ch : rec.chains)
        subgraphs = std::max(subgraphs, ch.subgraphNo);
    h.decompositionMode = subgraphs > 0 ? 1 : h.decompositionMode;
    h.subgraphCount = subgraphs;
    rec.workingSubgraphCount = subgraphs;

    rec.subgraphSpans.assign(subgraphs, SubgraphSpan{0, 1000, 0});
    for (const ChainRec& ch : rec.chains)
        if (ch.subgraphNo > 0) {
            SubgraphSpan& s = rec.subgraphSpans[ch.subgraphNo - 1];
            s.baseChain = ch.fromChain;
            s.firstOp = std::min(s.firstOp, ch.fromOp);
            s.lastOp = std::max(s.lastOp, ch.toOp);
        }
    rec.subgraphPaths.assign(subgraphs, {});
    for (int k = 0; k < subgraphs; ++k) {
        const SubgraphSpan& s = rec.subgraphSpans[k];
        PathInfo base;
        for (int op = s.firstOp; op <= s.lastOp; ++op)
            base.elements.push_back(
                {s.baseChain, op, rec.chains[s.baseChain - 1].operations[op - 1].variantCount});
        rec.subgraphPaths[k].push_back(base);
    }
    rec.chainPaths.clear();
    rec.topPathCount = 0;
    for (int c = 1; c <= h.chainCount; ++c) {
        const ChainRec& ch = rec.chains[c - 1];
        auto own = [&](int chain, int first, int last, PathInfo& p) {
            for (int op = first; op <= last; ++op)
                p.elements.push_back({chain, op, rec.chains[chain - 1].operations[op - 1].variantCount});
        };
        PathInfo p;
        if (c <= ordinary) {
            int op = 1;
            while (op <= ch.opCount) {
                int k = -1;
                for (int s = 0; s < subgraphs; ++s)
                    if (rec.subgraphSpans[s].baseChain == c && rec.subgraphSpans[s].firstOp == op)
                        k = s;
                if (k < 0) {
                    own(c, op, op, p);
                    ++op;
                    continue;
                }
                p.elements.push_back({c, subgraph_reference(k), 1});
                for (int covered = op + 1; covered <= rec.subgraphSpans[k].lastOp; ++covered)
                    p.elements.push_back({c, 0, 1});
                op = rec.subgraphSpans[k].lastOp + 1;
            }
        } else if (ch.subgraphNo > 0) {
            const SubgraphSpan& s = rec.subgraphSpans[ch.subgraphNo - 1];
            PathInfo member;
            own(s.baseChain, s.firstOp, ch.fromOp - 1, member);
            member.prefixLength = ch.fromOp - s.firstOp;
            own(c, 1, ch.opCount, member);
            own(s.baseChain, ch.toOp + 1, s.lastOp, member);
            member.suffixLength = s.lastOp - ch.toOp;
            rec.subgraphPaths[ch.subgraphNo - 1].push_back(member);
        } else {
            own(ch.fromChain, 1, ch.fromOp - 1, p);
            p.prefixLength = ch.fromOp - 1;
            own(c, 1, ch.opCount, p);
            own(ch.toChain, ch.toOp + 1, rec.chains[ch.toChain - 1].opCount, p);
            p.suffixLength = rec.chains[ch.toChain - 1].opCount - ch.toOp;
        }
        if (p.elementCount() > 0)
            ++rec.topPathCount;
        rec.chainPaths.push_back(p);
    }
    rec.chainsPerSubgraph.clear();
    for (const auto& paths : rec.subgraphPaths)
        rec.chainsPerSubgraph.push_back(static_cast<int>(paths.size()));
    rec.chainsPerSubgraph.push_back(rec.topPathCount);
    rec.thresholds.assign(h.thresholdCount, 1);
}

// A solution whose every run is solved with the same choices; chain times and graph times (scaled)
// as given (without unavailable resources).
inline Solution solution_of(const TaskRecord& rec, const std::vector<std::vector<std::int32_t>>& choices,
                            const std::vector<double>& chainTimes = {}, double graphTime = 0) {
    Solution s = empty_solution(solution_shape_of(rec));
    for (int r = 0; r < rec.header.thresholdCount; ++r) {
        s.status[r] = 1;
        s.variantChoice[r] = choices;
        if (rec.header.hasUnavailableResources == 0) {
            for (std::size_t c = 0; c < chainTimes.size(); ++c)
                s.chainTimes[r][c] = chainTimes[c] * rec.header.scalingCoef;
            s.graphTimes[r] = graphTime * rec.header.scalingCoef;
        }
    }
    return s;
}

// Every operation's first variant.
inline std::vector<std::vector<std::int32_t>> first_variants(const TaskRecord& rec) {
    std::vector<std::vector<std::int32_t>> c;
    for (const ChainRec& ch : rec.chains)
        c.emplace_back(ch.opCount, 1);
    return c;
}

} // namespace zep::test
