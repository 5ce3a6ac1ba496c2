#pragma once
// The automatic search for a numbering of subgraphs.
//
// The candidates are enumerated with nested chain 1 in the outermost loop and the last nested chain in
// the innermost, each chain's number running downward from its upper limit to its lower limit. Every
// candidate of the right shape (`has_numbering_shape`) is checked (`check_numbering_candidate`); the first
// valid one that needs no conversion of operations is accepted; failing that, the last valid one that needs
// conversion is the fallback; failing that, the search fails.
//
// The search (pruned_numbering_search.h) walks the same order but leaves out every branch in which no
// candidate of the right shape can be valid, and, while it looks for one to accept, every branch in
// which each valid candidate needs conversion: the rules are judged as soon as the chains they concern
// have their numbers. It therefore meets the same numbering as the full enumeration, but in a graph
// with no valid numbering it gives up early instead of trying (allowedSubgraphCount + 1) to the power
// of the number of nested chains candidates.
#include "task/prep_outcome.h"
#include "task/task_record.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zep {

// How a nested chain stands to the leader of its group (the first chain of the same `fromChain` and
// `toChain`): free, contained in the leader (its number is at most the leader's), or identical to it
// (it takes the leader's number).
enum class LeaderRelation { Free, Contained, Identical };

struct NumberingLimit {
    int leader = -1; // 0-based index among the nested chains; -1 for a leader
    LeaderRelation relation = LeaderRelation::Free;
};

// The leader grouping of the nested chains, in chain order.
std::vector<NumberingLimit> leader_limits(const TaskRecord& rec);

// The range a chain's number runs through, given the numbers of the chains before it.
inline int upper_limit(const NumberingLimit& l, int allowed, const std::vector<int>& candidate) {
    return l.relation == LeaderRelation::Free ? allowed : candidate[l.leader];
}
inline int lower_limit(const NumberingLimit& l, const std::vector<int>& candidate) {
    return l.relation == LeaderRelation::Identical ? candidate[l.leader] : 0;
}

struct NumberingSearchResult {
    enum class Outcome { Accepted, Fallback, Failed };
    Outcome outcome = Outcome::Failed;
    std::vector<int> numbering; // per nested chain; all zeros when the search failed
    PrepOutcome failure;        // refused when the search failed (numbering_failure)
    std::int64_t checked = 0;   // candidates that went through `check_numbering_candidate`
    std::int64_t explored = 0;  // numbers tried for single chains, cut or not (the work of the search)
};

// The numbering search (`SearchNumbering`; decomposition on, nested chains present). The record ends on the
// numbering found: the accepted one as its check left it; the fallback put into the chains and decomposed
// afresh (the conversion then makes the operations critical); after a failure no subgraph at all. Throws
// std::invalid_argument when decomposition is off, there is no nested chain or the graph is not
// consistent.
NumberingSearchResult search_numbering(TaskRecord& rec);

// The refusal of a failed search: with fewer admissible subgraphs than nested chains (and than 100),
// TooFewSubgraphsAllowed with the admissible count as `value` (the user raises it at step 2 of 8);
// otherwise NoNumbering.
TaskRefusalValue numbering_failure(const TaskRecord& rec);

} // namespace zep
