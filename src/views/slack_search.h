#pragma once
// The slack of one operation: how far it alone can be delayed without the graph finishing later.
//
// The operation is delayed by K × ε for K = 1, 2, ...; the first K at which the completion moment
// exceeds the undelayed one by more than 1e-5 (or a start cannot be scheduled, or the completion
// passes 9.9e14) ends the search, and the slack is (K − 1) × ε.
//
// Stepping one ε at a time takes up to the slack divided by ε recomputations of the graph (hundreds of
// thousands). The fast search finds the same first K with a handful: where the completion is a known
// function of the delay (max(A, B + delay) for a longest path) it computes K from B and confirms K and
// K − 1 with the same completion test; elsewhere it doubles the step until the test fails and narrows
// the bracket by halves. Both rely on the completion never falling when the delay grows.
#include "views/delayed_completion.h"

namespace zep {

// Completion moments are sums of entered times: the margin of every comparison of entered values.
inline constexpr double kSlackTolerance = kValueTolerance;
inline constexpr double kCompletionLimit = 9.9e14;

enum class SlackMethod { Fast, Plain };

class SlackSearch {
public:
    // `undelayed` is the completion moment with no delay; `step` is ε.
    SlackSearch(const DelayedCompletion& graph, double undelayed, double step);

    // The first K that ends the search for the operation. An operation on no path of the graph never
    // ends it; the search then stops at the first K whose delay exceeds the undelayed completion by 1,
    // which no operation on a path can reach.
    long long first_ending_step(OperationRef op, SlackMethod method) const;

    double slack(OperationRef op, SlackMethod method) const {
        return static_cast<double>(first_ending_step(op, method) - 1) * step_;
    }

    // The completion test of step K.
    bool ends(OperationRef op, long long k) const;

    long long step_limit() const { return limit_; }

private:
    long long plain(OperationRef op) const;
    long long from_linear_bound(OperationRef op) const;
    long long by_doubling(OperationRef op) const;

    const DelayedCompletion& graph_;
    double undelayed_;
    double step_;
    long long limit_;
};

} // namespace zep
