#include "shell/user_operations.h"

namespace zep {

TaskRunOutcome solve_immediately(RunSetup setup, const std::string& code, RunListener* listener,
                                 RegisterStore& reg) {
    setup.params = IterationParams{};
    TaskRunOutcome outcome = run_task(setup, code, listener);
    if (!outcome.solutionFile.empty())
        take_over_solution(setup.workspace, reg, code);
    return outcome;
}

} // namespace zep
