// The solver input reader on arbitrary bytes: it either gives the solver's tables or refuses with
// FileFormatError; it never crashes, and every subgraph reference it gives points at an element that
// refers to that subgraph.
#include "common/errors.h"
#include "task/solver_input.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zep::SolverInput in;
    try {
        in = zep::decode_solver_input({data, size}, "fuzz_in.dat");
    } catch (const zep::FileFormatError&) {
        return 0;
    }
    const int S = in.header.subgraphCount;
    for (int k = 0; k < S; ++k)
        for (const zep::SubgraphRef& ref : in.subgraphRefs[k]) {
            const auto& paths = ref.owner == S ? in.topPaths : in.subgraphPaths[ref.owner];
            if (paths.at(ref.pathIndex).elements.at(ref.elementIndex).op != zep::subgraph_reference(k))
                std::abort();
        }
    return 0;
}
