#pragma once
// Two solution files compared byte for byte apart from the header's time stamps (the elapsed time and
// the end moment), which differ between any two runs.
#include "optimiser/solution_file.h"

#include <cstdint>
#include <vector>

namespace zep::testing {

inline bool is_time_stamp_byte(std::size_t i) {
    using I = SolutionHeaderImage;
    return (i >= I::elapsed && i < I::stopCheckSparsity) || (i >= I::endTime && i < I::relaxationCoef);
}

inline bool same_apart_from_time_stamps(const std::vector<std::uint8_t>& a,
                                        const std::vector<std::uint8_t>& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (!is_time_stamp_byte(i) && a[i] != b[i])
            return false;
    return true;
}

} // namespace zep::testing
