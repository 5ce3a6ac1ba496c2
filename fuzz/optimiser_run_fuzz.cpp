// The optimisation of a task on arbitrary solver input bytes: the run either solves the task or
// refuses it with a message in the first slot (or, too damaged to lay out a solution, with none); it
// never crashes, and the solution always fits the layout it will be written in. The iteration limit
// is kept low so that each input runs quickly.
#include "optimiser/run_control.h"

#include <cstdint>
#include <cstdlib>

namespace {

const zep::ShellTables& shell() {
    static const zep::ShellTables t = [] {
        zep::ShellTables s;
        for (int n = 0; n < zep::kRequiredTexts; ++n)
            s.texts.push_back("t" + std::to_string(n));
        for (int k = 0; k < zep::kRequiredLabels; ++k)
            s.labels.push_back("l" + std::to_string(k));
        return s;
    }();
    return t;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zep::RunTexts texts{shell(), "FUZZ01", ','};
    zep::OptimiserOptions options;
    options.params.iterationLimit = 10;
    options.threads = 1;
    zep::SolvedTask t = zep::solve_input({data, size}, "zep_FUZZ01_in.dat", texts, options);
    if (!t.shape) {
        if (!t.refusal)
            std::abort(); // a solved task always has its layout
        return 0;
    }
    if (t.refusal && (t.solution.message.empty() || t.solution.message[0] != *t.refusal))
        std::abort();
    (void)zep::encode_solution(t.solution, *t.shape); // throws (and so aborts) when the shape is not kept
    return 0;
}
