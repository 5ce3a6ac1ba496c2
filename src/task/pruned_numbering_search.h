#pragma once
// The enumeration behind `search_numbering`, with the branches that hold no valid candidate left out.
#include "task/task_record.h"

#include <cstdint>
#include <vector>

namespace zep {

struct PrunedSearchOutcome {
    bool accepted = false;      // the first valid candidate that needs no conversion
    bool fallback = false;      // none such: the last valid candidate, which needs conversion
    std::vector<int> numbering; // the one found; zeros when neither
    std::int64_t checked = 0;   // candidates that went through `check_numbering_candidate`
    std::int64_t explored = 0;  // numbers tried for single chains
};

// At most this many nested chains: a set of them is a 64-bit word.
inline constexpr int kMaxSearchedNestedChains = 64;

// Visits the candidates of the right shape that can be valid in enumeration order (nested chain 1
// outermost, every number running down from its upper limit) and checks them with
// `check_numbering_candidate`, which leaves the record reflecting the last one checked. Throws
// std::invalid_argument for more than kMaxSearchedNestedChains nested chains.
PrunedSearchOutcome run_pruned_numbering_search(TaskRecord& rec);

} // namespace zep
