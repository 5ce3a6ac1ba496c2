#pragma once
// The optimisation of one task that passed its run checks: every nested subgraph for each of its time
// levels (the results feed the variant blocks of the elements that refer to the subgraph), then the
// whole graph for each threshold, or by the second-level search; then the solution is assembled.
//
// Threshold runs of the whole graph do not depend on each other outside the second-level search; with
// more than one thread they run side by side, each with its own path solver, and give exactly what a
// sequential run gives. Report lines then come from several runs interleaved (each line names its run).
#include "optimiser/path_problem.h"
#include "optimiser/run_texts.h"
#include "optimiser/solution_file.h"
#include "task/solver_input.h"

#include <cstdint>
#include <stdexcept>
#include <string>

namespace zep {

// The report lines of a run, by the number each begins with (the window shows line n in its own label).
enum class ReportLine : int {
    Task = 1,          // the task's chains and thresholds, once at the start
    PhaseStates = 2,   // the phase states of the path under way
    Initialised = 3,   // the path's iteration has been set up
    RunTotal = 4,      // the run total after the last path of a (sub)graph
    PathDone = 5,      // the path's trace is done
    RunsPerformed = 6, // the runs performed, once at the end
};

// Receives the report lines, the error line and the cycle progress. Calls never overlap: with several
// threads they are serialised.
class RunReporter {
public:
    virtual ~RunReporter() = default;
    virtual void report_line(ReportLine line, const std::string& text) {}
    virtual void error_line(const std::string& text) {}
    // After every iteration cycle of the path at `at` (cheap: throttle here).
    virtual void cycle_progress(const RunPosition& at, std::int32_t cycle) {}
    // Asked before every path. Once it answers true the run ends at that path boundary: the paths under
    // way finish, no further path starts, and optimise_task throws RunStopped. Answering false changes
    // nothing in the run.
    virtual bool stop_requested() { return false; }
    // The work of the task as path optimisations: `done` of `total`, after every path. A run that ends
    // early counts its remaining paths as done. In the second-level search `total` counts the largest
    // number of probes; the last call of a finished task always has done == total.
    virtual void work_done(std::int64_t done, std::int64_t total) {}
};

// The run ended at a path boundary because the reporter asked it to; nothing of the task is kept.
class RunStopped : public std::runtime_error {
public:
    RunStopped() : std::runtime_error("the optimisation run was stopped") {}
};

struct OptimiserOptions {
    IterationParams params;
    unsigned threads = 1; // threshold runs of the whole graph at once; 0: one per core
};

// The counts that lay out the solution of a task.
SolutionShape solution_shape(const SolverInput& in);

// `discretisedIsCost`: the time is minimised and the whole graph has exactly one path.
bool discretised_is_cost(const SolverInput& in);
// The second-level search: the time is minimised and the whole graph has two or more paths.
bool second_level_mode(const SolverInput& in);

struct TaskOptimisation {
    Solution solution;              // statuses, messages, cycle counts, choices, times (header left empty)
    std::int32_t runsPerformed = 0; // M, or the number of probes of the second-level search
    std::int64_t maxPhaseStates = 0;
};

// Optimises a task whose input passed the run checks and check_solvable (run_checks.h). Throws
// RunStopped when the reporter asked to stop.
TaskOptimisation optimise_task(const SolverInput& in, const RunTexts& texts, const OptimiserOptions& options,
                               RunReporter* reporter = nullptr);

} // namespace zep
