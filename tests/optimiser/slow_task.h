#pragma once
// A solver input that takes the run some seconds: ten chains of ten operations with twenty variants
// under ten thresholds, a hundred paths of some twenty thousand phase states each. Each path takes a
// moment, so that a stop or a look at the window lands in the middle of the run.
#include "optimiser/solver_input_bytes.h"

namespace zep::testing {

inline std::vector<std::uint8_t> slow_input() {
    std::vector<SolverPath> paths;
    for (int c = 1; c <= 10; ++c) {
        std::vector<std::vector<VariantOut>> blocks;
        for (int op = 0; op < 10; ++op) {
            std::vector<VariantOut> b;
            for (int v = 0; v < 20; ++v)
                b.push_back({double(20 + 10 * v), double(400 - 13 * v + op % 7), 20 + 10 * v});
            blocks.push_back(b);
        }
        paths.push_back(chain_path(c, blocks));
    }
    return solver_input_bytes(
        chains_task(paths, {2000, 1900, 1800, 1700, 1600, 1500, 1400, 1300, 1200, 1100}));
}

} // namespace zep::testing
