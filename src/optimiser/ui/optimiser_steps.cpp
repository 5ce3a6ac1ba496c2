#include "optimiser/ui/optimiser_steps.h"

namespace zep {

OptimiserControls controls_of(const OptimiserState& state) {
    using S = OptimiserStep;
    const S step = state.step;
    const bool parametersTaken = step == S::Ready || step == S::Running || step == S::Finished;
    OptimiserControls c;
    c.modeChoice = step == S::ChooseMode;
    c.codeEntry = step == S::EnterCode;
    // In the individual mode the prompt becomes the line naming the task, kept for the later steps.
    c.taskLine = step == S::EnterCode || (step != S::ChooseMode && !state.batch);
    c.parameters = step == S::EnterParameters || parametersTaken;
    c.parameterEntry = step == S::EnterParameters;
    c.start = parametersTaken;
    c.reset = parametersTaken && !state.batch;
    c.stop = step == S::Running;
    c.exit = parametersTaken || step == S::NoInput;
    c.runProgress = step == S::Running || step == S::Finished;
    c.taskProgress = c.runProgress && state.batch;
    c.summaryHeight = parametersTaken;
    return c;
}

} // namespace zep
