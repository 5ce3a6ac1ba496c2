#include "task/pruned_numbering_search.h"

#include "task/graph_access.h"
#include "task/numbering_rules.h"
#include "task/numbering_search.h"

#include <algorithm>
#include <climits>
#include <stdexcept>
#include <string>

namespace zep {
namespace {

// A set of nested chains (bit i: nested chain index i) whose numbers, kept as they are, explain why a
// branch holds no valid candidate.
using Reason = std::uint64_t;

// One nested chain as the search sees it. Parents that are nested chains are named by their index
// among the nested chains; ordinary parents by -1.
struct NestedChain {
    int fromChain = 0, fromOp = 0, toChain = 0, toOp = 0;
    int fromNested = -1, toNested = -1;
    bool groupA = false;           // hangs from an ordinary chain
    bool spansParentWhole = false; // may only stay in the top level
};

// The base chain and span of one subgraph as far as the numbers given so far make it, with the chains
// whose numbers fix each of them.
struct PartialSpan {
    int base = 0;
    int firstOp = INT_MAX, lastOp = INT_MIN;
    Reason baseWhy = 0, firstWhy = 0, lastWhy = 0;

    Reason why() const { return baseWhy | firstWhy | lastWhy; }
};

// The enumeration in its order, every branch cut as soon as the numbers given so far break a rule
// that no later number can mend. Each cut is a necessary condition of `has_numbering_shape` and
// `check_numbering_candidate` on the whole candidate, so the candidates that reach the check are the valid
// ones, in enumeration order.
//
// A number is judged against the chains numbered before it: the chains it hangs on, the chains it may
// not share a number with, the base chain and span of its subgraph (a span only grows as members join,
// so an outside chain inside it or exactly at it stays refused) and the spans it would block, and the
// shape `has_numbering_shape` asks for. After each number every later chain must still have a number that
// passes the same judgement, and the numbers that pass must still allow the shape; otherwise the branch is
// given up.
//
// Every refusal names the chains whose numbers cause it. When no number of a chain survives and the
// chain just above it is not among the causes, trying that chain's other numbers cannot help: the
// walk goes straight back to the deepest chain that is (conflict-directed backjumping). The branches
// skipped hold no valid candidate, so the order of the valid ones stays the same.
//
// The same judgement applied to a chain and the chains it hangs on, directly or through others, alone
// tells early whether that part of the graph can be numbered at all; when it cannot, no candidate is
// valid and the enumeration is not needed.
//
// Two passes find what the full enumeration finds. The first walks forward looking for the first valid
// candidate that needs no conversion and also cuts the branches in which every valid candidate would
// need one (an operation of several variants already lies, for good, outside the range its chain
// keeps a choice in). When it finds none, every valid candidate needs conversion, and the last of them
// in enumeration order, the fallback, is the first one a backward walk meets.
class PrunedSearch {
public:
    explicit PrunedSearch(TaskRecord& rec) : rec_(rec) {
        ordinary_ = rec.ordinaryChainCount();
        n_ = rec.workingNestedChainCount;
        allowed_ = std::max(rec.header.allowedSubgraphCount, 0);
        // Every number from 1 to the largest must be used, so no valid candidate uses one above n.
        usable_ = std::min(allowed_, n_);
        limits_ = leader_limits(rec);
        chains_.resize(n_);
        bool groupA = false, groupB = false;
        for (int i = 0; i < n_; ++i) {
            const ChainRec& ch = rec.chains[ordinary_ + i];
            NestedChain& c = chains_[i];
            c.fromChain = ch.fromChain;
            c.fromOp = ch.fromOp;
            c.toChain = ch.toChain;
            c.toOp = ch.toOp;
            c.fromNested = ch.fromChain > ordinary_ ? ch.fromChain - ordinary_ - 1 : -1;
            c.toNested = ch.toChain > ordinary_ ? ch.toChain - ordinary_ - 1 : -1;
            c.groupA = ch.fromChain <= ordinary_;
            c.spansParentWhole = ch.fromChain == ch.toChain && ch.fromOp == 1 &&
                                 ch.toOp == chain_no(rec, ch.fromChain).opCount;
            (c.groupA ? groupA : groupB) = true;
        }
        bothGroups_ = groupA && groupB;
        crossing_.assign(n_, 0);
        for (int i = 0; i < n_; ++i)
            for (int j = 0; j < n_; ++j)
                if (crossing_chains(rec, i, j))
                    crossing_[i] |= bit(j);
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
        factsAt_.assign(n_ + 1, Facts{});
        fitAt_.assign(n_ + 1, std::vector<char>(usable_ + 1, 0));
        whyAt_.assign(n_ + 1, std::vector<Reason>(usable_ + 1, 0));
        x_.assign(n_, 0);
        given_.assign(n_, 0);
    }

    PrunedSearchOutcome run() {
        PrunedSearchOutcome out;
        out.numbering.assign(n_, 0);
        if (!ancestries_numberable()) {
            out.explored = explored_;
            return out;
        }
        std::vector<int> all(n_);
        for (int i = 0; i < n_; ++i)
            all[i] = i;
        walk(all, WalkScope::WholeGraph, WalkDirection::FromUpperLimits);
        // Nothing accepted: unless no valid candidate turned up at all, walk back for the fallback.
        if (!found_ && (sawNeedingConversion_ || cutForConversion_))
            walk(all, WalkScope::WholeGraph, WalkDirection::FromLowerLimits);
        out.accepted = found_ && forward_;
        out.fallback = found_ && !forward_;
        if (found_)
            out.numbering = x_;
        out.checked = checked_;
        out.explored = explored_;
        return out;
    }

private:
    // What a walk numbers: the whole graph (the candidates are checked and the fallback kept), or one
    // chain's ancestry taken alone (only whether it can be numbered at all).
    enum class WalkScope { WholeGraph, Ancestry };
    // The order in which each chain's numbers are tried: from the upper limit down (the search proper),
    // or from the lower limit up (the walk back for the fallback).
    enum class WalkDirection { FromUpperLimits, FromLowerLimits };

    void walk(const std::vector<int>& order, WalkScope scope, WalkDirection direction) {
        order_ = order;
        whole_ = scope == WalkScope::WholeGraph;
        forward_ = direction == WalkDirection::FromUpperLimits;
        found_ = false;
        std::fill(given_.begin(), given_.end(), 0);
        prefixWhy_.assign(order_.size() + 1, 0);
        for (std::size_t k = 0; k < order_.size(); ++k)
            prefixWhy_[k + 1] = prefixWhy_[k] | bit(order_[k]);
        descend(0);
    }

    // Whether every chain can be numbered together with the chains it hangs on, directly or through
    // others, taken alone.
    bool ancestries_numberable() {
        std::vector<std::vector<int>> checked;
        for (int e = n_ - 1; e >= 0; --e) {
            std::vector<char> in(n_, 0);
            in[e] = 1;
            for (int i = e; i >= 0; --i) {
                if (!in[i])
                    continue;
                for (int p : {chains_[i].fromNested, chains_[i].toNested})
                    if (p >= 0)
                        in[p] = 1;
            }
            std::vector<int> ancestry;
            for (int i = 0; i <= e; ++i)
                if (in[i])
                    ancestry.push_back(i);
            if (static_cast<int>(ancestry.size()) == n_ || ancestry.size() < 2)
                continue;
            const bool covered = std::any_of(checked.begin(), checked.end(), [&](const std::vector<int>& c) {
                return std::includes(c.begin(), c.end(), ancestry.begin(), ancestry.end());
            });
            if (covered)
                continue;
            walk(ancestry, WalkScope::Ancestry, WalkDirection::FromUpperLimits);
            if (!found_)
                return false;
            checked.push_back(ancestry);
        }
        found_ = false;
        return true;
    }

    static Reason bit(int j) { return Reason(1) << j; }

    // The chains order_[0..k-1] have their numbers and spansAt_[k] describes them. Returns the chains
    // among them whose numbers make this branch fail (when it fails).
    Reason descend(int k) {
        if (k == static_cast<int>(order_.size())) {
            if (whole_)
                leaf();
            else
                found_ = true;
            return prefixWhy_[k];
        }
        const int e = order_[k];
        const NumberingLimit& l = limits_[e];
        const bool leaderGiven = l.relation != LeaderRelation::Free && given_[l.leader];
        Reason conflict = leaderGiven ? bit(l.leader) : 0;
        const int hi = leaderGiven ? std::min(upper_limit(l, allowed_, x_), usable_) : usable_;
        const int lo = leaderGiven ? lower_limit(l, x_) : 0;
        Facts& facts = factsAt_[k];
        gather_facts(k, facts);
        std::vector<char>& fit = fitAt_[k];
        std::vector<Reason>& refusal = whyAt_[k];
        judge(e, lo, hi, k, spansAt_[k], facts, fit.data(), refusal.data());
        for (int i = 0; i <= hi - lo; ++i) {
            const int v = forward_ ? hi - i : lo + i;
            ++explored_;
            Reason why = 0;
            if (!fit[v]) {
                conflict |= refusal[v];
                continue;
            }
            x_[e] = v;
            given_[e] = 1;
            const Reason child = try_number(k, why);
            if (found_)
                return 0;
            given_[e] = 0;
            if (child == 0) {
                conflict |= why & ~bit(e);
                continue;
            }
            if (!(child & bit(e)))
                return child; // no other number of this chain can mend what failed below
            conflict |= child & ~bit(e);
        }
        return conflict;
    }

    // Chain order_[k] has just got its number. Returns the causes of the failure below it, or 0 with
    // `why` set when the look-ahead refused it.
    Reason try_number(int k, Reason& why) {
        describe_spans(k + 1, spansAt_[k + 1]);
        if (!later_chains_fit(k, why))
            return 0;
        if (whole_ && forward_ && conversion_certain(order_[k])) {
            cutForConversion_ = true;
            why = prefixWhy_[k];
            return 0;
        }
        const Reason child = descend(k + 1);
        return child == 0 && !found_ ? prefixWhy_[k + 1] : child;
    }

    void leaf() {
        if (!has_numbering_shape(rec_, x_))
            return;
        ++checked_;
        const NumberingVerdict verdict = check_numbering_candidate(rec_, x_);
        if (verdict.invalid)
            return;
        if (!forward_ || !verdict.needsConversion)
            found_ = true;
        else
            sawNeedingConversion_ = true;
    }

    // The number of chain `chainNo`: 0 for an ordinary chain, -1 when it has none yet.
    int number_of(int chainNo) const {
        if (chainNo <= ordinary_)
            return 0;
        const int i = chainNo - ordinary_ - 1;
        return given_[i] ? x_[i] : -1;
    }
    Reason nested_bit(int chainNo) const { return chainNo > ordinary_ ? bit(chainNo - ordinary_ - 1) : 0; }

    // In the top level or in a subgraph around u.
    static bool outside_number(int x, int u) { return x == 0 || x > u; }

    // Calls f(j, u, span of u) for each of the first `count` chains in search order that is in a
    // subgraph u.
    template <typename F> void for_each_member(int count, std::vector<PartialSpan>& spans, F f) const {
        for (int k = 0; k < count; ++k) {
            const int j = order_[k];
            const int u = x_[j];
            if (u >= 1)
                f(j, u, spans[u]);
        }
    }

    // First every span's base chain (all members known so far looked at), then its operations.
    void describe_spans(int count, std::vector<PartialSpan>& spans) const {
        std::fill(spans.begin(), spans.end(), PartialSpan{});
        for_each_member(count, spans, [&](int j, int u, PartialSpan& s) {
            for (int parent : {chains_[j].fromChain, chains_[j].toChain}) {
                if (s.base == 0 && outside_number(number_of(parent), u)) {
                    s.base = parent;
                    s.baseWhy = bit(j) | nested_bit(parent);
                }
            }
        });
        for_each_member(count, spans, [&](int j, int, PartialSpan& s) {
            if (chains_[j].fromChain == s.base && chains_[j].fromOp < s.firstOp) {
                s.firstOp = chains_[j].fromOp;
                s.firstWhy = bit(j);
            }
            if (chains_[j].toChain == s.base && chains_[j].toOp > s.lastOp) {
                s.lastOp = chains_[j].toOp;
                s.lastWhy = bit(j);
            }
        });
    }

    // Nested chain z, outside the subgraph, hanging on the base chain strictly inside the span, or
    // exactly at it: as members join the span either stays as it is, which the rules forbid for an
    // outside chain, or grows and takes z inside.
    bool blocks_span(const PartialSpan& s, int z) const {
        if (s.base == 0 || s.firstOp == INT_MAX || s.lastOp == INT_MIN)
            return false;
        const NestedChain& c = chains_[z];
        return (c.fromChain == s.base && c.fromOp > s.firstOp && c.fromOp <= s.lastOp) ||
               (c.toChain == s.base && c.toOp >= s.firstOp && c.toOp < s.lastOp) ||
               (c.fromChain == s.base && c.toChain == s.base && c.fromOp == s.firstOp && c.toOp == s.lastOp);
    }

    // What the chains order_[0..count-1] give that every judgement needs: the extremes of the two
    // groups and, per number, the chains that have it.
    struct Facts {
        int minA = INT_MAX, minAChain = -1, maxB = INT_MIN, maxBChain = -1;
        std::vector<Reason> withNumber;
    };

    void gather_facts(int count, Facts& f) const {
        f.minA = INT_MAX, f.maxB = INT_MIN, f.minAChain = f.maxBChain = -1;
        f.withNumber.assign(usable_ + 1, 0);
        for (int k = 0; k < count; ++k) {
            const int j = order_[k];
            f.withNumber[x_[j]] |= bit(j);
            if (chains_[j].groupA && x_[j] < f.minA) {
                f.minA = x_[j];
                f.minAChain = j;
            } else if (!chains_[j].groupA && x_[j] > f.maxB) {
                f.maxB = x_[j];
                f.maxBChain = j;
            }
        }
    }

    // Whether chain e may take each number lo..hi next to the chains order_[0..count-1] (`spans` and
    // `f` describing them): fit[v], and for a refused number the chains whose numbers refuse it,
    // why[v]. A refusal holds for every completion: it rests only on numbers already given.
    void judge(int e, int lo, int hi, int count, const std::vector<PartialSpan>& spans, const Facts& f,
               char* fit, Reason* why) const {
        const NestedChain& c = chains_[e];
        // The subgraphs whose spans e would block from outside: it is outside those below its number.
        int blocking = INT_MAX;
        for (int u = 1; u <= usable_ && blocking == INT_MAX; ++u)
            if (blocks_span(spans[u], e))
                blocking = u;
        for (int v = lo; v <= hi; ++v) {
            fit[v] = 0;
            why[v] = 0;
            if (v > 0 && c.spansParentWhole)
                continue;
            if (const Reason crossing = crossing_[e] & f.withNumber[v]) {
                why[v] = crossing & (~crossing + 1); // one of them is enough
                continue;
            }
            // The smallest number of group A may not fall below the largest of group B.
            if (c.groupA && v < f.maxB) {
                why[v] = bit(f.maxBChain);
                continue;
            }
            if (!c.groupA && v > f.minA) {
                why[v] = bit(f.minAChain);
                continue;
            }
            if (blocking != INT_MAX && (v == 0 || blocking < v)) {
                why[v] = spans[blocking].why();
                continue;
            }
            if (!parents_allow(c, v, why[v]))
                continue;
            if (v >= 1 && !joins(e, v, count, spans[v], why[v]))
                continue;
            fit[v] = 1;
        }
    }

    // A chain hanging on a member of subgraph p must be in p or in a subgraph inside it.
    bool parents_allow(const NestedChain& c, int v, Reason& why) const {
        for (int p : {c.fromNested, c.toNested}) {
            if (p >= 0 && given_[p] && x_[p] >= 1 && (v < 1 || v > x_[p])) {
                why = bit(p);
                return false;
            }
        }
        return true;
    }

    // Chain e joining subgraph v: its outside chains are the subgraph's one base chain, and the span
    // it makes blocks no chain given outside the subgraph.
    bool joins(int e, int v, int count, PartialSpan s, Reason& why) const {
        const NestedChain& c = chains_[e];
        // Hanging on two different outside chains needs nothing else to fail.
        const int xFrom = number_of(c.fromChain), xTo = number_of(c.toChain);
        if (c.fromChain != c.toChain && xFrom >= 0 && xTo >= 0 && outside_number(xFrom, v) &&
            outside_number(xTo, v)) {
            why = nested_bit(c.fromChain) | nested_bit(c.toChain);
            return false;
        }
        for (int parent : {c.fromChain, c.toChain}) {
            const int xp = number_of(parent);
            if (xp < 0 || !outside_number(xp, v))
                continue;
            if (s.base == 0) {
                s.base = parent;
                s.baseWhy = nested_bit(parent);
            } else if (parent != s.base) {
                why = s.baseWhy | nested_bit(parent);
                return false;
            }
        }
        if (c.fromChain == s.base && c.fromOp < s.firstOp) {
            s.firstOp = c.fromOp;
            s.firstWhy = 0;
        }
        if (c.toChain == s.base && c.toOp > s.lastOp) {
            s.lastOp = c.toOp;
            s.lastWhy = 0;
        }
        for (int k = 0; k < count; ++k) {
            const int z = order_[k];
            if (outside_number(x_[z], v) && blocks_span(s, z)) {
                why = bit(z) | s.why();
                return false;
            }
        }
        return true;
    }

    // Every chain after order_[k] still has a number in its range that fits the numbers given, and,
    // over the whole graph, the numbers that fit can still give the candidate the shape `has_numbering_shape`
    // asks for: the smallest number of group A at most one above the largest of group B, and every gap below
    // the largest number used filled by a chain of its own. (What fits now is all that can fit later:
    // more numbers only add refusals.)
    bool later_chains_fit(int k, Reason& why) {
        const std::vector<PartialSpan>& spans = spansAt_[k + 1];
        Facts& facts = factsAt_[k + 1];
        gather_facts(k + 1, facts);
        int minA = facts.minA, maxB = facts.maxB;
        const int values = usable_ + 1;
        std::vector<Reason>& refusal = whyAt_[k + 1];
        for (std::size_t i = k + 1; i < order_.size(); ++i) {
            const int e = order_[i];
            const NumberingLimit& l = limits_[e];
            int hi = usable_, lo = 0;
            Reason eWhy = 0;
            if (l.relation != LeaderRelation::Free && given_[l.leader]) {
                hi = std::min(upper_limit(l, allowed_, x_), usable_);
                lo = lower_limit(l, x_);
                eWhy = bit(l.leader);
            }
            char* fit = &fitting_[static_cast<std::size_t>(e) * values];
            std::fill(fit, fit + values, 0);
            judge(e, lo, hi, k + 1, spans, facts, fit, refusal.data());
            int lowest = INT_MAX, highest = INT_MIN;
            for (int v = lo; v <= hi; ++v) {
                if (!fit[v]) {
                    eWhy |= refusal[v];
                    continue;
                }
                lowest = std::min(lowest, v);
                highest = std::max(highest, v);
            }
            if (lowest == INT_MAX) {
                why = eWhy;
                return false;
            }
            if (chains_[e].groupA)
                minA = std::min(minA, lowest);
            else
                maxB = std::max(maxB, highest);
        }
        if (!whole_)
            return true; // the shape is a matter of the whole candidate
        why = prefixWhy_[k + 1];
        if (bothGroups_ && minA > maxB + 1)
            return false;
        return gaps_matchable(k);
    }

    // The numbers missing below the largest one used, each given to a later chain that it fits (a
    // matching found by augmenting paths).
    bool gaps_matchable(int k) {
        std::vector<char> used(usable_ + 1, 0);
        int largest = 0;
        for (int i = 0; i <= k; ++i) {
            used[x_[order_[i]]] = 1;
            largest = std::max(largest, x_[order_[i]]);
        }
        std::vector<int> holder(n_, -1); // the gap a later chain fills
        for (int gap = 1; gap < largest; ++gap) {
            if (used[gap])
                continue;
            std::vector<char> visited(n_, 0);
            if (!assign_gap(gap, k, holder, visited))
                return false;
        }
        return true;
    }

    bool assign_gap(int gap, int k, std::vector<int>& holder, std::vector<char>& visited) {
        const int values = usable_ + 1;
        for (std::size_t i = k + 1; i < order_.size(); ++i) {
            const int e = order_[i];
            if (!fitting_[static_cast<std::size_t>(e) * values + gap] || visited[e])
                continue;
            visited[e] = 1;
            if (holder[e] < 0 || assign_gap(holder[e], k, holder, visited)) {
                holder[e] = gap;
                return true;
            }
        }
        return false;
    }

    // Whether every valid completion needs conversion because of a chain m whose children (the nested
    // chains hanging on it) all have their numbers with nested chain d. Then every list of m's
    // operations is settled: m's own, as a member of the subgraph its number names (the top level for 0
    // and for ordinary chains), and the span of every subgraph based on m, as that subgraph's member 0.
    // In each, the children of that list's number bound the range in which it keeps a choice, and the
    // spans of the inner subgraphs based on m stand as references. An operation of several variants
    // outside the range needs conversion when it is a real operation there, and also when exactly one
    // inner span holds it: that subgraph is then referred to outside the range and has the operation as
    // a real one of its own.
    bool conversion_certain(int d) const {
        for (int m : completedAt_[d]) {
            const int context = number_of(m);
            const ChainRec& chain = chain_no(rec_, m);
            struct Bounds {
                int lo = 1, hi = INT_MAX;            // the range of a choice
                int first = INT_MAX, last = INT_MIN; // the span, for a subgraph based on m
            };
            std::vector<Bounds> by(usable_ + 1);
            for (int i = 0; i <= d; ++i) {
                const NestedChain& c = chains_[i];
                Bounds& b = by[x_[i]];
                if (c.fromChain == m) {
                    b.lo = std::max(b.lo, c.fromOp);
                    b.first = std::min(b.first, c.fromOp);
                }
                if (c.toChain == m) {
                    b.hi = std::min(b.hi, c.toOp);
                    b.last = std::max(b.last, c.toOp);
                }
            }
            // The spans inner to number `limit` (every span for the top level) that hold operation op.
            auto holders = [&](int op, int limit) {
                int count = 0;
                for (int j = 1; j <= usable_; ++j)
                    if (j != context && (limit == 0 || j < limit) && by[j].first <= op && op <= by[j].last)
                        ++count;
                return count;
            };
            auto needs = [&](int number, int firstOp, int lastOp) {
                const Bounds& b = by[number];
                for (int op = firstOp; op <= lastOp; ++op) {
                    if ((op >= b.lo && op <= b.hi) || chain.operations[op - 1].variantCount <= 1)
                        continue;
                    if (holders(op, number) <= 1)
                        return true;
                }
                return false;
            };
            if (needs(context, 1, chain.opCount))
                return true;
            for (int s = 1; s <= usable_; ++s)
                if (s != context && by[s].first <= by[s].last && needs(s, by[s].first, by[s].last))
                    return true;
        }
        return false;
    }

    TaskRecord& rec_;
    int ordinary_ = 0;
    int n_ = 0;
    int allowed_ = 0;
    int usable_ = 0;
    bool bothGroups_ = false;
    std::vector<NumberingLimit> limits_;
    std::vector<NestedChain> chains_;
    std::vector<Reason> crossing_; // per chain, the chains it may not share a number with
    std::vector<std::vector<int>> completedAt_;
    std::vector<std::vector<PartialSpan>> spansAt_;
    std::vector<char> fitting_;              // per later chain, per number: it fits the numbers given so far
    std::vector<Facts> factsAt_;             // per depth
    std::vector<std::vector<char>> fitAt_;   // per depth: the numbers of its chain that fit
    std::vector<std::vector<Reason>> whyAt_; // per depth: why the others do not

    // The walk under way: the chains it numbers in order, whether that is the whole candidate, and its
    // direction.
    std::vector<int> order_;
    std::vector<Reason> prefixWhy_; // the first k chains of order_
    bool whole_ = true;
    bool forward_ = true;
    std::vector<int> x_;
    std::vector<char> given_;
    bool found_ = false;
    bool sawNeedingConversion_ = false;
    bool cutForConversion_ = false;
    std::int64_t checked_ = 0;
    std::int64_t explored_ = 0;
};

} // namespace

PrunedSearchOutcome run_pruned_numbering_search(TaskRecord& rec) {
    return PrunedSearch(rec).run();
}

} // namespace zep
