#pragma once
// The numbering search written out as the plain enumeration, without any cut: every candidate in
// order, `has_numbering_shape` in front of `check_numbering_candidate`, the first valid one that needs no
// conversion accepted, else the last valid one that needs conversion. The pruned search is held to give the
// same outcome.
#include "task/numbering_rules.h"
#include "task/numbering_search.h"

#include <functional>

namespace zep::test {

inline NumberingSearchResult plain_numbering_search(TaskRecord& rec) {
    const std::vector<NumberingLimit> limits = leader_limits(rec);
    const int n = rec.workingNestedChainCount;
    const int allowed = rec.header.allowedSubgraphCount;
    std::vector<int> candidate(n, 0), fallback;
    bool accepted = false;
    NumberingSearchResult result;

    std::function<void(int)> enumerate = [&](int d) {
        if (d == n) {
            if (!has_numbering_shape(rec, candidate))
                return;
            ++result.checked;
            const NumberingVerdict v = check_numbering_candidate(rec, candidate);
            if (v.invalid)
                return;
            if (v.needsConversion)
                fallback = candidate;
            else
                accepted = true;
            return;
        }
        for (int x = upper_limit(limits[d], allowed, candidate); x >= lower_limit(limits[d], candidate);
             --x) {
            candidate[d] = x;
            enumerate(d + 1);
            if (accepted)
                return;
        }
    };
    enumerate(0);

    if (accepted) {
        result.outcome = NumberingSearchResult::Outcome::Accepted;
        result.numbering = candidate;
    } else if (!fallback.empty()) {
        result.outcome = NumberingSearchResult::Outcome::Fallback;
        result.numbering = fallback;
    } else {
        result.outcome = NumberingSearchResult::Outcome::Failed;
        result.numbering.assign(n, 0);
    }
    return result;
}

} // namespace zep::test
