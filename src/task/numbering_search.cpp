#include "task/numbering_search.h"

#include "task/decomposition.h"
#include "task/graph_access.h"
#include "task/numbering_rules.h"

#include <algorithm>
#include <climits>
#include <stdexcept>

namespace zep {
namespace {

// One nested chain as the search sees it. Parents that are nested chains are named by their index
// among the nested chains; ordinary parents by -1.
struct NestedChain {
    int fromChain = 0, fromOp = 0, toChain = 0, toOp = 0;
    int fromNested = -1, toNested = -1;
    bool groupA = false;           // hangs from an ordinary chain
    bool spansParentWhole = false; // may only stay in the top level
};

// The base chain and span of one subgraph as far as the numbers given so far make it.
struct PartialSpan {
    int base = 0;
    int firstOp = INT_MAX, lastOp = INT_MIN;
    bool conflict = false; // the members hang on two outside chains
};

// The enumeration in its order, every branch cut as soon as the numbers given so far break a rule
// that no later number can mend. Each cut is a necessary condition of `fVer` and `pVer` on the whole
// candidate, so the candidates that reach the check are the valid ones, in enumeration order.
//
// A number is judged against the chains numbered before it: the chains it hangs on, the chains it may
// not share a number with, the base chain and span of its subgraph (a span only grows as members join,
// so an outside chain inside it stays inside) and the spans it would lie inside, and the shape `fVer`
// asks for. After each number every later chain must still have a number that passes the same
// judgement, or the branch is given up at once.
//
// Two passes find what the full enumeration finds. The first walks forward looking for the first valid
// candidate that needs no conversion and also cuts the branches in which every valid candidate would
// need one (an operation of several variants already lies, for good, outside the range its chain
// keeps a choice in). When it finds none, every valid candidate needs conversion, and the last of them
// in enumeration order, the fallback, is the first one a backward walk meets.
class PrunedSearch {
public:
    PrunedSearch(TaskRecord &rec) : rec_(rec) {
        ordinary_ = rec.ordinaryChainCount();
        n_ = rec.workingNestedChainCount;
        allowed_ = std::max(rec.header.allowedSubgraphCount, 0);
        // Every number from 1 to the largest must be used, so no valid candidate uses one above n.
        usable_ = std::min(allowed_, n_);
        limits_ = leader_limits(rec);
        chains_.resize(n_);
        for (int i = 0; i < n_; ++i) {
            const ChainRec &ch = rec.chains[ordinary_ + i];
            NestedChain &c = chains_[i];
            c.fromChain = ch.fromChain;
            c.fromOp = ch.fromOp;
            c.toChain = ch.toChain;
            c.toOp = ch.toOp;
            c.fromNested = ch.fromChain > ordinary_ ? ch.fromChain - ordinary_ - 1 : -1;
            c.toNested = ch.toChain > ordinary_ ? ch.toChain - ordinary_ - 1 : -1;
            c.groupA = ch.fromChain <= ordinary_;
            c.spansParentWhole = ch.fromChain == ch.toChain && ch.fromOp == 1 &&
                                 ch.toOp == chain_no(rec, ch.fromChain).opCount;
        }
        crossing_.assign(n_, std::vector<char>(n_, 0));
        for (int i = 0; i < n_; ++i)
            for (int j = 0; j < n_; ++j)
                crossing_[i][j] = crossing_chains(rec, i, j);
        // The chains whose children (the nested chains hanging on them) all have their numbers once
        // nested chain d has one.
        completedAt_.assign(n_, {});
        for (int m = 1; m <= rec.workingChainCount; ++m) {
            int last = -1;
            for (int i = 0; i < n_; ++i)
                if (chains_[i].fromChain == m || chains_[i].toChain == m)
                    last = i;
            if (last >= 0)
                completedAt_[last].push_back(m);
        }
        spansAt_.assign(n_ + 1, std::vector<PartialSpan>(usable_ + 1));
        fitting_.assign(static_cast<std::size_t>(n_) * (usable_ + 1), 0);
        bool a = false, b = false;
        for (const NestedChain &c : chains_)
            (c.groupA ? a : b) = true;
        hasBothGroups_ = a && b;
        x_.assign(n_, 0);
    }

    void run() {
        forward_ = true;
        descend(0);
        if (found_ || !(sawNeedingConversion_ || cutForConversion_))
            return; // accepted, or no valid candidate at all
        forward_ = false;
        descend(0);
    }

    bool accepted() const { return found_ && forward_; }
    bool hasFallback() const { return found_ && !forward_; }
    const std::vector<int> &numbering() const { return x_; }
    std::int64_t checked() const { return checked_; }
    std::int64_t explored() const { return explored_; }

private:
    // Chains 0..d-1 have their numbers and spansAt_[d] describes them.
    void descend(int d) {
        if (d == n_) {
            leaf();
            return;
        }
        const int hi = std::min(upper_limit(limits_[d], allowed_, x_), usable_);
        const int lo = lower_limit(limits_[d], x_);
        for (int i = 0; i <= hi - lo && !found_; ++i) {
            const int v = forward_ ? hi - i : lo + i;
            ++explored_;
            if (!fits(d, v, d, spansAt_[d]))
                continue;
            x_[d] = v;
            describe_spans(d + 1, spansAt_[d + 1]);
            if (!later_chains_fit(d))
                continue;
            if (forward_ && conversion_certain(d)) {
                cutForConversion_ = true;
                continue;
            }
            descend(d + 1);
        }
    }

    void leaf() {
        if (!fVer(rec_, x_))
            return;
        ++checked_;
        const NumberingVerdict verdict = pVer(rec_, x_);
        if (verdict.invalid)
            return;
        if (!forward_ || !verdict.needsConversion)
            found_ = true;
        else
            sawNeedingConversion_ = true;
    }

    // The number of chain `chainNo` among the first `count` nested chains: 0 for an ordinary chain,
    // -1 when it has none yet.
    int number_of(int chainNo, int count) const {
        if (chainNo <= ordinary_)
            return 0;
        const int i = chainNo - ordinary_ - 1;
        return i < count ? x_[i] : -1;
    }

    // In the top level or in a subgraph around u.
    static bool outside_number(int x, int u) { return x == 0 || x > u; }

    void describe_spans(int count, std::vector<PartialSpan> &spans) const {
        std::fill(spans.begin(), spans.end(), PartialSpan{});
        for (int j = 0; j < count; ++j) {
            const int u = x_[j];
            if (u < 1)
                continue;
            PartialSpan &s = spans[u];
            for (int parent : {chains_[j].fromChain, chains_[j].toChain}) {
                if (!outside_number(number_of(parent, count), u))
                    continue;
                if (s.base == 0)
                    s.base = parent;
                else if (parent != s.base)
                    s.conflict = true;
            }
        }
        for (int j = 0; j < count; ++j) {
            const int u = x_[j];
            if (u < 1)
                continue;
            PartialSpan &s = spans[u];
            if (chains_[j].fromChain == s.base)
                s.firstOp = std::min(s.firstOp, chains_[j].fromOp);
            if (chains_[j].toChain == s.base)
                s.lastOp = std::max(s.lastOp, chains_[j].toOp);
        }
    }

    // Nested chain z hanging on the base chain strictly inside the span.
    bool inside_span(const PartialSpan &s, int z) const {
        if (s.base == 0 || s.firstOp == INT_MAX || s.lastOp == INT_MIN)
            return false;
        const NestedChain &c = chains_[z];
        return (c.fromChain == s.base && c.fromOp > s.firstOp && c.fromOp <= s.lastOp) ||
               (c.toChain == s.base && c.toOp >= s.firstOp && c.toOp < s.lastOp);
    }

    // Whether chain e may take number v next to the first `count` chains (`spans` describing them).
    // Every refusal holds for every completion: it rests only on numbers already given.
    bool fits(int e, int v, int count, const std::vector<PartialSpan> &spans) const {
        const NestedChain &c = chains_[e];
        if (v > 0 && c.spansParentWhole)
            return false;
        int minA = INT_MAX, maxB = INT_MIN;
        for (int j = 0; j < count; ++j) {
            if (x_[j] == v && crossing_[e][j])
                return false;
            if (chains_[j].groupA)
                minA = std::min(minA, x_[j]);
            else
                maxB = std::max(maxB, x_[j]);
        }
        // The smallest number of group A may not fall below the largest of group B.
        if (c.groupA ? v < maxB : v > minA)
            return false;
        // A chain hanging on a member of subgraph p must be in p or in a subgraph inside it.
        for (int p : {c.fromNested, c.toNested})
            if (p >= 0 && p < count && x_[p] >= 1 && (v < 1 || v > x_[p]))
                return false;
        if (v >= 1) {
            PartialSpan s = spans[v];
            for (int parent : {c.fromChain, c.toChain}) {
                const int xp = number_of(parent, count);
                if (xp < 0 || !outside_number(xp, v))
                    continue;
                if (s.base == 0)
                    s.base = parent;
                else if (parent != s.base)
                    return false;
            }
            if (s.conflict)
                return false;
            if (c.fromChain == s.base)
                s.firstOp = std::min(s.firstOp, c.fromOp);
            if (c.toChain == s.base)
                s.lastOp = std::max(s.lastOp, c.toOp);
            for (int z = 0; z < count; ++z)
                if (outside_number(x_[z], v) && inside_span(s, z))
                    return false;
        }
        for (int u = 1; u <= usable_; ++u)
            if (u != v && outside_number(v, u) && inside_span(spans[u], e))
                return false;
        return true;
    }

    // Every chain after d still has a number in its range that fits the chains 0..d, and the numbers
    // that fit can still give the candidate the shape `fVer` asks for: the smallest number of group A
    // at most one above the largest of group B, and every gap below the largest number used filled by a
    // chain of its own. (What fits now is all that can fit later: more numbers only add refusals.)
    bool later_chains_fit(int d) {
        const std::vector<PartialSpan> &spans = spansAt_[d + 1];
        int minA = INT_MAX, maxB = INT_MIN;
        for (int j = 0; j <= d; ++j) {
            if (chains_[j].groupA)
                minA = std::min(minA, x_[j]);
            else
                maxB = std::max(maxB, x_[j]);
        }
        const int values = usable_ + 1;
        for (int e = d + 1; e < n_; ++e) {
            const NumberingLimit &l = limits_[e];
            int hi = usable_, lo = 0;
            if (l.leader >= 0 && l.leader <= d) {
                hi = std::min(upper_limit(l, allowed_, x_), usable_);
                lo = lower_limit(l, x_);
            }
            char *fit = &fitting_[e * values];
            std::fill(fit, fit + values, 0);
            int lowest = INT_MAX, highest = INT_MIN;
            for (int v = lo; v <= hi; ++v) {
                if (!fits(e, v, d + 1, spans))
                    continue;
                fit[v] = 1;
                lowest = std::min(lowest, v);
                highest = std::max(highest, v);
            }
            if (lowest == INT_MAX)
                return false;
            if (chains_[e].groupA)
                minA = std::min(minA, lowest);
            else
                maxB = std::max(maxB, highest);
        }
        if (hasBothGroups_ && minA > maxB + 1)
            return false;
        return gaps_matchable(d);
    }

    // The numbers missing below the largest one used, each given to a later chain that it fits (a
    // matching found by augmenting paths).
    bool gaps_matchable(int d) {
        const int values = usable_ + 1;
        std::vector<char> used(values, 0);
        int largest = 0;
        for (int j = 0; j <= d; ++j) {
            used[x_[j]] = 1;
            largest = std::max(largest, x_[j]);
        }
        std::vector<int> holder(n_, -1); // the gap a later chain fills
        for (int gap = 1; gap < largest; ++gap) {
            if (used[gap])
                continue;
            std::vector<char> visited(n_, 0);
            if (!assign_gap(gap, d, holder, visited))
                return false;
        }
        return true;
    }

    bool assign_gap(int gap, int d, std::vector<int> &holder, std::vector<char> &visited) {
        const int values = usable_ + 1;
        for (int e = d + 1; e < n_; ++e) {
            if (!fitting_[e * values + gap] || visited[e])
                continue;
            visited[e] = 1;
            if (holder[e] < 0 || assign_gap(holder[e], d, holder, visited)) {
                holder[e] = gap;
                return true;
            }
        }
        return false;
    }

    // Whether every valid completion needs conversion because of a chain whose children all have their
    // numbers with chain d. Such a chain's place is settled: it is a member of the subgraph its number
    // names (the top level for 0 and for ordinary chains); the children of that same number bound the
    // range in which it keeps a choice; the children of other numbers are inner subgraphs whose spans
    // it carries as references. A real operation of several variants outside the range stays there.
    bool conversion_certain(int d) const {
        for (int m : completedAt_[d]) {
            const int context = number_of(m, d + 1);
            const ChainRec &chain = chain_no(rec_, m);
            int lo = 1, hi = chain.opCount;
            std::vector<std::pair<int, int>> spans(usable_ + 1, {INT_MAX, INT_MIN});
            for (int i = 0; i <= d; ++i) {
                const NestedChain &c = chains_[i];
                if (c.fromChain != m && c.toChain != m)
                    continue;
                if (x_[i] == context) {
                    if (c.fromChain == m)
                        lo = std::max(lo, c.fromOp);
                    if (c.toChain == m)
                        hi = std::min(hi, c.toOp);
                } else if (x_[i] >= 1) {
                    auto &span = spans[x_[i]];
                    if (c.fromChain == m)
                        span.first = std::min(span.first, c.fromOp);
                    if (c.toChain == m)
                        span.second = std::max(span.second, c.toOp);
                }
            }
            for (int op = 1; op <= chain.opCount; ++op) {
                if ((op >= lo && op <= hi) || chain.operations[op - 1].variantCount <= 1)
                    continue;
                const bool absorbed =
                    std::any_of(spans.begin(), spans.end(), [op](const std::pair<int, int> &s) {
                        return s.first <= op && op <= s.second;
                    });
                if (!absorbed)
                    return true;
            }
        }
        return false;
    }

    TaskRecord &rec_;
    int ordinary_ = 0;
    int n_ = 0;
    int allowed_ = 0;
    int usable_ = 0;
    std::vector<NumberingLimit> limits_;
    std::vector<NestedChain> chains_;
    std::vector<std::vector<char>> crossing_;
    std::vector<std::vector<int>> completedAt_;
    std::vector<std::vector<PartialSpan>> spansAt_;
    std::vector<char> fitting_; // per later chain, per number: it fits the numbers given so far
    bool hasBothGroups_ = false;
    std::vector<int> x_;
    bool forward_ = true;
    bool found_ = false;
    bool sawNeedingConversion_ = false;
    bool cutForConversion_ = false;
    std::int64_t checked_ = 0;
    std::int64_t explored_ = 0;
};

void clear_numbering(TaskRecord &rec) {
    const int ordinary = rec.ordinaryChainCount();
    for (int i = 0; i < rec.workingNestedChainCount; ++i)
        rec.chains[ordinary + i].subgraphNo = 0;
    rec.workingSubgraphCount = 0;
    rec.subgraphSpans.clear();
    Decomp1(rec);
}

} // namespace

std::vector<NumberingLimit> leader_limits(const TaskRecord &rec) {
    const int ordinary = rec.ordinaryChainCount();
    const int n = rec.workingNestedChainCount;
    std::vector<NumberingLimit> limits(n);
    std::vector<bool> grouped(n, false);
    for (int l = 0; l < n; ++l) {
        if (grouped[l])
            continue;
        grouped[l] = true;
        const ChainRec &leader = rec.chains[ordinary + l];
        for (int i = l + 1; i < n; ++i) {
            const ChainRec &ch = rec.chains[ordinary + i];
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

std::string numbering_failure_message(const TaskRecord &rec, const ShellTables &shell) {
    const int upper = std::min(rec.workingNestedChainCount, kMaxAllowedSubgraphs);
    const int allowed = rec.header.allowedSubgraphCount;
    if (allowed < upper)
        return shell.text(489) + " " + std::to_string(allowed) + ". " + shell.text(448) + " \"... (" +
               shell.text(485) + " 2 " + shell.text(159) + " 8)\".";
    return shell.text(496) + ". " + shell.text(329) + ".";
}

NumberingSearchResult SearchNumbering(TaskRecord &rec, const ShellTables &shell) {
    if (rec.header.decompositionMode != 1)
        throw std::invalid_argument("the numbering of subgraphs needs decomposition");
    check_graph_shape(rec);
    if (rec.workingNestedChainCount < 1)
        throw std::invalid_argument("the numbering of subgraphs needs nested chains");

    PrunedSearch search(rec);
    search.run();

    NumberingSearchResult result;
    result.checked = search.checked();
    result.explored = search.explored();
    if (search.accepted()) {
        result.outcome = NumberingSearchResult::Outcome::Accepted;
        result.numbering = search.numbering();
    } else if (search.hasFallback()) {
        result.outcome = NumberingSearchResult::Outcome::Fallback;
        result.numbering = search.numbering();
        apply_numbering(rec, result.numbering);
    } else {
        result.outcome = NumberingSearchResult::Outcome::Failed;
        result.numbering.assign(rec.workingNestedChainCount, 0);
        result.message = numbering_failure_message(rec, shell);
        clear_numbering(rec);
    }
    return result;
}

} // namespace zep
