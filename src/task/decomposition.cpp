#include "task/decomposition.h"

#include "task/element_bounds.h"
#include "task/graph_access.h"
#include "task/path_unrolling.h"

#include <algorithm>
#include <stdexcept>

namespace zep {
namespace {

using Table = std::vector<std::vector<int>>; // per chain (0-based), per operation (0-based)

Table per_operation_zeros(const TaskRecord& rec) {
    Table t(rec.chains.size());
    for (std::size_t c = 0; c < rec.chains.size(); ++c)
        t[c].assign(rec.chains[c].opCount, 0);
    return t;
}

void check_spans(const TaskRecord& rec, int subgraphs) {
    if (static_cast<int>(rec.subgraphSpans.size()) != subgraphs)
        throw std::invalid_argument(
            "the task record cannot be prepared: " + std::to_string(rec.subgraphSpans.size()) +
            " subgraph spans for " + std::to_string(subgraphs) + " subgraphs");
    for (int k = 0; k < subgraphs; ++k) {
        const SubgraphSpan& s = rec.subgraphSpans[k];
        const bool fits = s.baseChain >= 1 && s.baseChain <= rec.workingChainCount && s.firstOp >= 1 &&
                          s.firstOp <= s.lastOp && s.lastOp <= chain_no(rec, s.baseChain).opCount;
        if (!fits)
            throw std::invalid_argument("the task record cannot be prepared: the span of subgraph " +
                                        std::to_string(k + 1) + " does not fit its base chain");
    }
}

// The subgraph a nested chain belongs to (from 1), 0 for the top level.
int subgraph_of(const TaskRecord& rec, int chainNo, int subgraphs) {
    if (!is_nested_chain(rec, chainNo))
        return 0;
    const int no = chain_no(rec, chainNo).subgraphNo;
    return no >= 1 && no <= subgraphs ? no : 0;
}

std::vector<SubgraphMember> subgraph_members(const TaskRecord& rec, int k, int subgraphs) {
    const SubgraphSpan& span = rec.subgraphSpans[k];
    std::vector<SubgraphMember> members;
    members.push_back({span.baseChain, span.lastOp - span.firstOp + 1, 0, 0, 0, 0});
    auto relative = [&](int chain, int op) { return chain == span.baseChain ? op - span.firstOp + 1 : op; };
    for (int c = 1; c <= rec.workingChainCount; ++c) {
        if (subgraph_of(rec, c, subgraphs) != k + 1)
            continue;
        const ChainRec& ch = chain_no(rec, c);
        members.push_back({c, ch.opCount, ch.fromChain, relative(ch.fromChain, ch.fromOp), ch.toChain,
                           relative(ch.toChain, ch.toOp)});
    }
    return members;
}

std::vector<SubgraphMember> top_level_members(const TaskRecord& rec, int subgraphs) {
    std::vector<SubgraphMember> members;
    for (int c = 1; c <= rec.workingChainCount; ++c) {
        if (subgraph_of(rec, c, subgraphs) != 0)
            continue;
        const ChainRec& ch = chain_no(rec, c);
        if (is_nested_chain(rec, c))
            members.push_back({c, ch.opCount, ch.fromChain, ch.fromOp, ch.toChain, ch.toOp});
        else
            members.push_back({c, ch.opCount, 0, 0, 0, 0});
    }
    return members;
}

// The own operation references of one member: operations `firstOp`..`firstOp + count - 1` of its chain.
// An operation already owned by an inner subgraph w stands as -w at the first operation of w's span
// and as 0 at the others; a new span starts at the member's first absorbed operation and wherever the
// owner changes, so that a member carrying the spans of several inner subgraphs refers to each.
std::vector<int> member_references(int chainNo, int firstOp, int count, const Table& owner, Table& spanMark) {
    std::vector<int> refs(count);
    int previousOwner = 0;
    for (int i = 0; i < count; ++i) {
        const int op = firstOp + i;
        const int w = owner[chainNo - 1][op - 1];
        if (w == 0) {
            refs[i] = i + 1;
            continue;
        }
        const bool newSpan = previousOwner == 0 || w != previousOwner;
        refs[i] = newSpan ? -w : 0;
        spanMark[chainNo - 1][op - 1] = newSpan ? w : -1;
        previousOwner = w;
    }
    return refs;
}

PathElement reference_element(const TaskRecord& rec, int chainNo, int op) {
    if (op > 0)
        return {chainNo, op, operation_no(rec, chainNo, op).variantCount};
    if (op == 0)
        return {chainNo, 0, 1};
    const int k = subgraph_index_of(op);
    return {chainNo, op, rec.subgraphSummaries[k].levelCount};
}

// The member paths of subgraph index k: the base span as it stands, every nested member unrolled
// over the members it hangs on until the walk reaches the base span.
std::vector<PathInfo> member_paths(const TaskRecord& rec, int k) {
    const auto& members = rec.subgraphMembers[k];
    const auto& refs = rec.opRefs[k];
    const int count = static_cast<int>(members.size());
    auto memberOf = [&](int chainNo) {
        for (int m = 1; m < count; ++m)
            if (members[m].chain == chainNo)
                return m;
        return 0; // the base chain (anything else is refused by the numbering rules)
    };
    auto listSize = [&](int m) { return static_cast<int>(refs[m].size()); };
    auto isNested = [](int m) { return m != 0; };
    auto link = [&](int m) {
        const SubgraphMember& mem = members[m];
        NestLink l;
        l.fromNode = memberOf(mem.fromChain);
        l.opsBefore = std::clamp(mem.fromOp - 1, 0, listSize(l.fromNode));
        l.toNode = memberOf(mem.toChain);
        l.toOp = std::clamp(mem.toOp, 0, listSize(l.toNode));
        l.opsAfter = listSize(l.toNode) - l.toOp;
        return l;
    };

    std::vector<PathInfo> paths(count);
    for (int m = 0; m < count; ++m) {
        const PathLayout layout = unroll_layout(m, listSize(m), isNested, link, count);
        PathInfo& path = paths[m];
        path.prefixLength = layout.prefixLength;
        path.suffixLength = layout.suffixLength;
        path.elements.resize(layout.elementCount);
        for (const PathSegment& s : layout.segments) {
            for (int i = 0; i < s.count; ++i) {
                const int ref = refs[s.node][s.first + i];
                const int op = ref > 0 ? op_of_reference(rec, k, s.node, ref) : ref;
                path.elements[s.pathPos + i] = reference_element(rec, members[s.node].chain, op);
            }
        }
    }
    return paths;
}

} // namespace

int op_of_reference(const TaskRecord& rec, int s, int member, int ref) {
    const bool baseSpan = member == 0 && s < static_cast<int>(rec.subgraphSpans.size());
    return baseSpan ? ref + rec.subgraphSpans[s].firstOp - 1 : ref;
}

void compute_critical_flags(TaskRecord& rec) {
    const int entries = static_cast<int>(rec.opRefs.size());
    for (int s = 0; s < entries; ++s) {
        int critical = 1;
        for (int m = 0; m < static_cast<int>(rec.opRefs[s].size()) && critical; ++m) {
            const int chainNo = rec.subgraphMembers[s][m].chain;
            for (int ref : rec.opRefs[s][m]) {
                if (ref > 0 && operation_no(rec, chainNo, op_of_reference(rec, s, m, ref)).variantCount > 1)
                    critical = 0;
                else if (ref < 0 && rec.subgraphSummaries[subgraph_index_of(ref)].critical == 0)
                    critical = 0;
            }
        }
        rec.subgraphSummaries[s].critical = critical;
        rec.subgraphSummaries[s].levelCount = critical ? 1 : 0;
    }
}

void extract_subgraphs(TaskRecord& rec) {
    if (decomposition_mode(rec.header) != Decomposition::NestedSubgraphs)
        return;
    check_graph_shape(rec);
    const int subgraphs = std::max(rec.workingSubgraphCount, 0);
    check_spans(rec, subgraphs);

    rec.spanMark = per_operation_zeros(rec);
    Table owner = per_operation_zeros(rec);

    rec.subgraphMembers.assign(subgraphs + 1, {});
    for (int k = 0; k < subgraphs; ++k)
        rec.subgraphMembers[k] = subgraph_members(rec, k, subgraphs);
    rec.subgraphMembers[subgraphs] = top_level_members(rec, subgraphs);

    rec.subgraphSummaries.assign(subgraphs + 1, SubgraphSummary{});
    rec.opRefs.assign(subgraphs + 1, {});
    for (int s = 0; s <= subgraphs; ++s) {
        const auto& members = rec.subgraphMembers[s];
        rec.subgraphSummaries[s].memberCount = static_cast<int>(members.size());
        for (int m = 0; m < static_cast<int>(members.size()); ++m) {
            const bool baseSpan = s < subgraphs && m == 0;
            const int firstOp = baseSpan ? rec.subgraphSpans[s].firstOp : 1;
            rec.opRefs[s].push_back(
                member_references(members[m].chain, firstOp, members[m].opCount, owner, rec.spanMark));
        }
        if (s == subgraphs)
            break;
        // Everything this subgraph walked now belongs to it: the subgraphs around it see it as one span.
        for (int m = 0; m < static_cast<int>(members.size()); ++m) {
            const int firstOp = m == 0 ? rec.subgraphSpans[s].firstOp : 1;
            for (int i = 0; i < members[m].opCount; ++i)
                owner[members[m].chain - 1][firstOp + i - 1] = s + 1;
        }
    }

    compute_critical_flags(rec);

    rec.chainsPerSubgraph.resize(subgraphs + 1);
    for (int s = 0; s <= subgraphs; ++s)
        rec.chainsPerSubgraph[s] = rec.subgraphSummaries[s].memberCount;
    rec.subgraphPaths.assign(subgraphs, {});
    for (int k = 0; k < subgraphs; ++k)
        rec.subgraphPaths[k] = member_paths(rec, k);
    rec.timeLevels.assign(subgraphs, {});
}

PrepOutcome bound_subgraphs(TaskRecord& rec) {
    const int subgraphs = active_subgraph_count(rec);
    if (rec.header.has_unavailable_resources() || rec.workingNestedChainCount == 0 || subgraphs <= 0)
        return {};
    if (static_cast<int>(rec.subgraphPaths.size()) != subgraphs ||
        static_cast<int>(rec.subgraphMembers.size()) != subgraphs + 1 ||
        static_cast<int>(rec.subgraphSummaries.size()) != subgraphs + 1)
        throw std::invalid_argument("the task record cannot be prepared: the subgraphs are not decomposed");
    for (int k = 0; k < subgraphs; ++k) {
        SubgraphSummary& summary = rec.subgraphSummaries[k];
        summary.timeMin = summary.timeMax = summary.costMin = summary.costMax = summary.costBase = 0;
        const auto& members = rec.subgraphMembers[k];
        for (std::size_t m = 0; m < members.size(); ++m) {
            double timeMin = 0, timeMax = 0, costMin = 0, costMax = 0;
            for (const PathElement& e : rec.subgraphPaths[k][m].elements) {
                const ElementBounds b = plain_element_bounds(rec, e, e.chain == members[m].chain);
                timeMin += b.timeMin;
                timeMax += b.timeMax;
                costMin += b.costMin > kUnboundedTime ? 0 : b.costMin;
                costMax += b.costMax;
                summary.costBase += b.baseCost;
                if (path_unbounded(timeMin, timeMax)) {
                    // A reference is named by the first operation of the span it replaces.
                    const int opNo = e.op >= 0 ? e.op : rec.subgraphSpans[subgraph_index_of(e.op)].firstOp;
                    return unbounded_operation(e.chain, opNo);
                }
            }
            summary.timeMin = std::max(summary.timeMin, timeMin);
            summary.timeMax = std::max(summary.timeMax, timeMax);
            summary.costMin += costMin;
            summary.costMax += costMax;
        }
    }
    for (auto& paths : rec.subgraphPaths)
        for (PathInfo& path : paths)
            for (PathElement& e : path.elements)
                if (e.op > 0)
                    e.count = operation_no(rec, e.chain, e.op).variantCount;
    return {};
}

} // namespace zep
