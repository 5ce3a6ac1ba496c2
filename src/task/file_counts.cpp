#include "task/file_counts.h"

namespace zep {

void check_count(const ByteReader& r, const std::string& what, long long value, int lo, int hi) {
    if (value < lo || value > hi)
        r.fail(what + " is " + std::to_string(value) + ", expected " + std::to_string(lo) + " to " +
               std::to_string(hi) + " (the file is damaged or of another kind)");
}

int read_count(ByteReader& r, const std::string& what, int lo, int hi) {
    const int v = r.i32();
    check_count(r, what, v, lo, hi);
    return v;
}

std::vector<int> read_interval_counts(ByteReader& r, int categories) {
    std::vector<int> counts;
    for (int k = 0; k < categories; ++k)
        counts.push_back(read_count(r, "category " + std::to_string(k + 1) + " intervalCount",
                                    kMinIntervalsPerCategory, kMaxIntervalsPerCategory));
    return counts;
}

} // namespace zep
