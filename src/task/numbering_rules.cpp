#include "task/numbering_rules.h"

#include "task/critical_conversion.h"
#include "task/decomposition.h"
#include "task/graph_access.h"

#include <algorithm>
#include <climits>
#include <stdexcept>

namespace zep {
namespace {

int number_of(const TaskRecord& rec, int chainNo) {
    return is_nested_chain(rec, chainNo) ? chain_no(rec, chainNo).subgraphNo : 0;
}

bool outside(const TaskRecord& rec, int chainNo, int subgraph) {
    const int x = number_of(rec, chainNo);
    return x == 0 || x > subgraph;
}

std::optional<NumberingViolation> subgraph_violation(TaskRecord& rec, int i) {
    const int first = rec.ordinaryChainCount() + 1;
    const int last = rec.workingChainCount;

    // The base chain: the one outside chain the members hang on.
    int base = 0;
    int firstMember = 0;
    for (int c = first; c <= last; ++c) {
        if (number_of(rec, c) != i)
            continue;
        if (firstMember == 0)
            firstMember = c;
        const ChainRec& ch = chain_no(rec, c);
        for (int parent : {ch.fromChain, ch.toChain}) {
            if (!outside(rec, parent, i))
                continue;
            if (base == 0)
                base = parent;
            else if (parent != base)
                return NumberingViolation{NumberingRule::SeveralOutsideChains, i, c, base};
        }
    }
    if (base == 0)
        return NumberingViolation{NumberingRule::SeveralOutsideChains, i, firstMember, 0};

    int firstOp = INT_MAX, lastOp = INT_MIN;
    for (int c = first; c <= last; ++c) {
        const ChainRec& ch = chain_no(rec, c);
        if (number_of(rec, c) != i)
            continue;
        if (ch.fromChain == base)
            firstOp = std::min(firstOp, ch.fromOp);
        if (ch.toChain == base)
            lastOp = std::max(lastOp, ch.toOp);
    }
    // Members always run inside the span they make: one that leaves the base chain after the span or
    // enters it before would close a cycle, and its path would reach beyond the span.
    for (int c = first; c <= last; ++c) {
        const ChainRec& ch = chain_no(rec, c);
        if (number_of(rec, c) != i)
            continue;
        const bool beyond = firstOp == INT_MAX || lastOp == INT_MIN || firstOp > lastOp ||
                            (ch.fromChain == base && ch.fromOp > lastOp) ||
                            (ch.toChain == base && ch.toOp < firstOp);
        if (beyond)
            return NumberingViolation{NumberingRule::MemberOutsideSpan, i, c, base};
    }
    rec.subgraphSpans[i - 1] = {base, firstOp, lastOp};

    for (int z = first; z <= last; ++z) {
        if (!outside(rec, z, i))
            continue;
        const ChainRec& ch = chain_no(rec, z);
        if (ch.fromChain == base && ch.toChain == base && ch.fromOp == firstOp && ch.toOp == lastOp)
            return NumberingViolation{NumberingRule::SameSpanOutside, i, z, base};
        if (number_of(rec, ch.fromChain) == i)
            return NumberingViolation{NumberingRule::HangsOnMember, i, z, ch.fromChain};
        if (number_of(rec, ch.toChain) == i)
            return NumberingViolation{NumberingRule::HangsOnMember, i, z, ch.toChain};
        if (ch.fromChain == base && ch.fromOp > firstOp && ch.fromOp <= lastOp)
            return NumberingViolation{NumberingRule::LeavesInsideSpan, i, z, base};
        if (ch.toChain == base && ch.toOp >= firstOp && ch.toOp < lastOp)
            return NumberingViolation{NumberingRule::EntersInsideSpan, i, z, base};
    }
    return std::nullopt;
}

} // namespace

bool crossing_chains(const TaskRecord& rec, int x, int y) {
    if (x == y)
        return false;
    const int o = rec.ordinaryChainCount();
    const ChainRec& a = rec.chains[o + x];
    const ChainRec& b = rec.chains[o + y];
    return (a.fromChain == b.toChain && a.fromOp > b.toOp) || (b.fromChain == a.toChain && b.fromOp > a.toOp);
}

std::optional<NumberingViolation> check_numbering_rules(TaskRecord& rec) {
    const int subgraphs = std::max(rec.workingSubgraphCount, 0);
    const int first = rec.ordinaryChainCount() + 1;
    const int last = rec.workingChainCount;
    rec.subgraphSpans.assign(subgraphs, SubgraphSpan{});

    if (subgraphs > 0) {
        for (int c = first; c <= last; ++c) {
            const ChainRec& ch = chain_no(rec, c);
            if (ch.subgraphNo > 0 && ch.fromChain == ch.toChain && ch.fromOp == 1 &&
                ch.toOp == chain_no(rec, ch.fromChain).opCount)
                return NumberingViolation{NumberingRule::SpansParentWhole, ch.subgraphNo, c, ch.fromChain};
        }
        for (int i = 1; i <= subgraphs; ++i)
            if (auto v = subgraph_violation(rec, i))
                return v;
    }

    const int nested = rec.workingNestedChainCount;
    for (int x = 0; x < nested; ++x)
        for (int y = 0; y < nested; ++y)
            if (number_of(rec, first + x) == number_of(rec, first + y) && crossing_chains(rec, x, y))
                return NumberingViolation{NumberingRule::CrossingOrder, number_of(rec, first + x), first + x,
                                          first + y};
    return std::nullopt;
}

bool has_numbering_shape(const TaskRecord& rec, const std::vector<int>& candidate) {
    const int ordinary = rec.ordinaryChainCount();
    int minA = INT_MAX, maxA = INT_MIN, maxB = INT_MIN;
    bool hasA = false, hasB = false;
    for (std::size_t i = 0; i < candidate.size(); ++i) {
        const int x = candidate[i];
        if (rec.chains[ordinary + i].fromChain <= ordinary) {
            hasA = true;
            minA = std::min(minA, x);
            maxA = std::max(maxA, x);
        } else {
            hasB = true;
            maxB = std::max(maxB, x);
        }
    }
    if (hasA && hasB && (minA < maxB || minA > maxB + 1))
        return false;
    const int largest = std::max(maxA, maxB);
    for (int k = 1; k <= largest; ++k)
        if (std::find(candidate.begin(), candidate.end(), k) == candidate.end())
            return false;
    return true;
}

namespace {

void put_numbering(TaskRecord& rec, const std::vector<int>& numbering) {
    if (static_cast<int>(numbering.size()) != rec.workingNestedChainCount)
        throw std::invalid_argument("a numbering needs one number per nested chain");
    check_graph_shape(rec);
    const int ordinary = rec.ordinaryChainCount();
    int largest = 0;
    for (std::size_t i = 0; i < numbering.size(); ++i) {
        rec.chains[ordinary + i].subgraphNo = numbering[i];
        largest = std::max(largest, numbering[i]);
    }
    rec.workingSubgraphCount = largest;
}

} // namespace

NumberingVerdict check_numbering_candidate(TaskRecord& rec, const std::vector<int>& candidate) {
    if (decomposition_mode(rec.header) != Decomposition::NestedSubgraphs)
        throw std::invalid_argument("a numbering of subgraphs needs decomposition");
    put_numbering(rec, candidate);
    if (check_numbering_rules(rec))
        return {true, false};
    extract_subgraphs(rec);
    return {false, conversion_needed(rec)};
}

bool apply_numbering(TaskRecord& rec, const std::vector<int>& numbering) {
    put_numbering(rec, numbering);
    if (check_numbering_rules(rec))
        return false;
    extract_subgraphs(rec);
    return true;
}

} // namespace zep
