#pragma once
// What the run verifies before it optimises a task: the module's run checks on the solver header and
// the parameters, and then that the input can be solved at all (a damaged file can hold any number).
// A refused task still gets its solution file, laid out by the counts its header gives when they can
// be trusted (refusal_shape).
#include "optimiser/path_problem.h"
#include "optimiser/run_texts.h"
#include "optimiser/solution_file.h"
#include "task/solver_input.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace zep {

// The solver header and the chains' operation counts, read without the rest of the file; absent
// parts stay empty.
struct SolverInputHead {
    std::optional<SolverHeader> header;
    std::optional<std::vector<std::int32_t>>
        opCounts; // when the chain count is plausible and they can be read
};
SolverInputHead read_solver_input_head(std::span<const std::uint8_t> data);

// The run checks 1 to 8, in order: the refusal message of the first that fails.
std::optional<std::string> run_check_refusal(const SolverHeader& h, const IterationParams& params,
                                             const RunTexts& texts);

// After the whole file was read: thresholds and time levels that no path can be solved under (negative,
// or more phase states than the solver holds) and second-level settings that would not end.
std::optional<std::string> unsolvable_reason(const SolverInput& in);

// The layout of the solution file of a task refused before its input was read whole, as far as the head
// gives it: M = `thresholdCount`, the chains' operation counts and whether the task has unavailable
// resources. None when the head cannot say (cut short, M outside 1..1000 so that there is no message slot
// or no plausible layout, an operation count outside 1..1000, or a resource flag other than 0 and 1): a
// file of a guessed layout would be one its task cannot read.
std::optional<SolutionShape> refusal_shape(const SolverInputHead& head);

} // namespace zep
