#pragma once
// The rules a numbering of subgraphs must obey.
//
// A numbering gives every nested chain a number: 0 keeps the chain in the top-level graph, k >= 1 puts
// it into subgraph k. Of two subgraphs of which one lies inside the other, the inner one has the
// smaller number; a chain is "outside" subgraph i when its number is 0 or greater than i (a chain of
// an inner subgraph is not outside). Candidates are given as one number per nested chain, in chain
// order.
#include "task/task_record.h"

#include <optional>
#include <vector>

namespace zep {

enum class NumberingRule {
    SpansParentWhole,     // a chain in a subgraph leaves its parent at the first operation and enters
                          // it at the last
    SeveralOutsideChains, // the members of a subgraph hang on more than one outside chain (or on none)
    MemberOutsideSpan,    // a member hangs on the base chain beyond the span the members make
    SameSpanOutside,      // an outside chain hangs on the base chain exactly at the span
    HangsOnMember,        // an outside chain leaves from or enters into a member
    LeavesInsideSpan,     // an outside chain leaves the base chain after the span's first operation
    EntersInsideSpan,     // an outside chain enters the base chain before the span's last operation
    CrossingOrder,        // two chains of one number: one leaves a chain after the other entered it
};

struct NumberingViolation {
    NumberingRule rule;
    int subgraph = 0;   // the subgraph concerned (from 1); for CrossingOrder the shared number
    int chain = 0;      // the offending chain (from 1)
    int otherChain = 0; // the chain it conflicts with: the base chain found first, the member, ...
};

// Checks the numbering held in the nested chains' `subgraphNo` with `workingSubgraphCount` subgraphs
// and fixes every subgraph's span (`subgraphSpans`: its base chain and the first and last operations
// of it that the members hang on). The rules about subgraphs apply only when there is one; the crossing
// order applies to the top level (number 0) as well. Returns the first violation found, none when the
// numbering is valid (the spans are then complete).
std::optional<NumberingViolation> check_numbering_rules(TaskRecord& rec);

// True when nested chain X (index x) and nested chain Y (index y) may not share a number: one leaves
// a chain after the other has entered it.
bool crossing_chains(const TaskRecord& rec, int x, int y);

// The shape of a candidate (`fVer`). With group A the nested chains hanging from an ordinary chain and
// group B the others: when both are present the smallest number in A is the largest in B or one more;
// every number from 1 to the largest used is used. A candidate of zeros only (no subgraph) has the
// shape.
bool has_numbering_shape(const TaskRecord& rec, const std::vector<int>& candidate);

struct NumberingVerdict {
    bool invalid = false;
    bool needsConversion = false; // valid, but operations would have to be made critical
};

// The check of a candidate (`pVer`; decomposition on): puts the candidate into the chains' `subgraphNo` and
// the working subgraph count, checks the rules and, when they hold, decomposes (`extract_subgraphs`) and
// tests whether operations would have to be made critical; the subgraphs that test marks are made critical.
// The record reflects the candidate afterwards. Throws std::invalid_argument when decomposition is off or the
// candidate has the wrong length.
NumberingVerdict check_numbering_candidate(TaskRecord& rec, const std::vector<int>& candidate);

// Puts a numbering into the chains and the working subgraph count and, when it is valid, fixes the
// spans and decomposes afresh; returns false (record holding the numbering, not decomposed) when a rule
// refuses it.
bool apply_numbering(TaskRecord& rec, const std::vector<int>& numbering);

} // namespace zep
