#include "task/numbering_search.h"

#include "task/decomposition.h"
#include "task/graph_access.h"
#include "task/numbering_rules.h"
#include "task/pruned_numbering_search.h"

#include <algorithm>
#include <stdexcept>

namespace zep {
namespace {

void clear_numbering(TaskRecord& rec) {
    const int ordinary = rec.ordinaryChainCount();
    for (int i = 0; i < rec.workingNestedChainCount; ++i)
        rec.chains[ordinary + i].subgraphNo = 0;
    rec.workingSubgraphCount = 0;
    rec.subgraphSpans.clear();
    extract_subgraphs(rec);
}

} // namespace

std::vector<NumberingLimit> leader_limits(const TaskRecord& rec) {
    const int ordinary = rec.ordinaryChainCount();
    const int n = rec.workingNestedChainCount;
    std::vector<NumberingLimit> limits(n);
    std::vector<bool> grouped(n, false);
    for (int l = 0; l < n; ++l) {
        if (grouped[l])
            continue;
        grouped[l] = true;
        const ChainRec& leader = rec.chains[ordinary + l];
        for (int i = l + 1; i < n; ++i) {
            const ChainRec& ch = rec.chains[ordinary + i];
            if (grouped[i] || ch.fromChain != leader.fromChain || ch.toChain != leader.toChain)
                continue;
            grouped[i] = true;
            limits[i].leader = l;
            if (ch.fromOp == leader.fromOp && ch.toOp == leader.toOp)
                limits[i].relation = LeaderRelation::Identical;
            else if (ch.fromOp >= leader.fromOp && ch.toOp <= leader.toOp)
                limits[i].relation = LeaderRelation::Contained;
        }
    }
    return limits;
}

TaskRefusalValue numbering_failure(const TaskRecord& rec) {
    const int upper = std::min(rec.workingNestedChainCount, kMaxAllowedSubgraphs);
    const int allowed = rec.header.allowedSubgraphCount;
    if (allowed >= upper)
        return {TaskRefusal::NoNumbering};
    TaskRefusalValue r{TaskRefusal::TooFewSubgraphsAllowed};
    r.value = allowed;
    r.limit = upper;
    return r;
}

NumberingSearchResult search_numbering(TaskRecord& rec) {
    if (decomposition_mode(rec.header) != Decomposition::NestedSubgraphs)
        throw std::invalid_argument("the numbering of subgraphs needs decomposition");
    check_graph_shape(rec);
    if (rec.workingNestedChainCount < 1)
        throw std::invalid_argument("the numbering of subgraphs needs nested chains");

    const PrunedSearchOutcome search = run_pruned_numbering_search(rec);

    NumberingSearchResult result;
    result.checked = search.checked;
    result.explored = search.explored;
    result.numbering = search.numbering;
    if (search.accepted) {
        result.outcome = NumberingSearchResult::Outcome::Accepted;
    } else if (search.fallback) {
        result.outcome = NumberingSearchResult::Outcome::Fallback;
        apply_numbering(rec, result.numbering);
    } else {
        result.outcome = NumberingSearchResult::Outcome::Failed;
        result.failure = numbering_failure(rec);
        clear_numbering(rec);
    }
    return result;
}

} // namespace zep
