#pragma once
// Counts read from a task data file, checked before anything is sized by them: a count outside its
// limits is a damaged or foreign file, reported with the file's name, the count's name and the limits.
#include "common/byte_codec.h"
#include "task/task_record.h"

#include <string>
#include <vector>

namespace zep {

// Reads an int32 and fails the reader unless lo <= value <= hi.
int read_count(ByteReader& r, const std::string& what, int lo, int hi);

// Fails the reader unless lo <= value <= hi (for a value read as part of a record).
// The value is wide so that a number derived from a stored one is judged before it could overflow.
void check_count(const ByteReader& r, const std::string& what, long long value, int lo, int hi);

// The interval count of each of `categories` resource categories, read one after another; both files
// store them so before the intervals.
std::vector<int> read_interval_counts(ByteReader& r, int categories);

// The counts of a header that size the rest of the file, checked alike in the task file and the solver
// input (their headers name the counts the same): chains, nested chains, subgraphs (every subgraph holds
// at least one nested chain of its own), thresholds, the resource flag and, with resources, the categories.
template <typename Header> void check_header_counts(const ByteReader& r, const Header& h) {
    check_count(r, "chainCount", h.chainCount, 1, kMaxChains);
    check_count(r, "nestedChainCount", h.nestedChainCount, 0, h.chainCount - 1);
    check_count(r, "subgraphCount", h.subgraphCount, 0, h.nestedChainCount);
    check_count(r, "thresholdCount", h.thresholdCount, 0, kMaxThresholds);
    check_count(r, "hasUnavailableResources", h.hasUnavailableResources, 0, 1);
    if (h.has_unavailable_resources())
        check_count(r, "resourceCategoryCount", h.resourceCategoryCount, 0, kMaxResourceCategories);
}

} // namespace zep
