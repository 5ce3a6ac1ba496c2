#pragma once
// `zep build` without the command line: types a task script into the wizard's controls as a user
// would and presses Next through every step to the finish. A key the script leaves out leaves the
// control as the wizard prepared it (empty for a new task; the imported or stored values otherwise).
#include "wizard/task_script.h"
#include "wizard/wizard.h"

#include <optional>
#include <vector>

namespace zep {

struct ShownNote {
    WizardStep step = WizardStep::Code; // the step on which it was shown
    WizardMessage message;
};

struct ScriptRun {
    bool saved = false;                   // the files are written and the task registered
    std::optional<WizardMessage> refusal; // the warning that stopped the entry
    std::string stopReason;               // why the entry stopped without a warning
    WizardStep step = WizardStep::Code;   // where it stopped
    WizardFocus focus;                    // the input the refusal focused
    std::vector<ShownNote> notes;         // information notes and questions, in order
};

// Drives `w` from its current step to the finish, or, with `stopAt`, until that step is on screen: it
// is then filled from the script and left without pressing Next (stopReason says so). Throws TaskScriptError
// when the script gives what the controls cannot take: a key the box's filter drops, a text longer than its
// cell, a unit that is not in the unit list, a threshold that is not among the candidates (the message names
// them), or a choice the step does not offer.
// The variants of `op` a user types into a variant grid of `rows` rows: all of them, or, when the wizard
// made the operation critical (one row left of several variants), the one the conversion keeps: the
// fastest, or the cheapest with conversion by costs (`conversionMode` 2); the first of equal ones.
std::vector<const ScriptVariant*> variants_to_type(const ScriptOperation& op, int rows, int conversionMode);

ScriptRun run_task_script(Wizard& w, const TaskScript& script,
                          std::optional<WizardStep> stopAt = std::nullopt);

} // namespace zep
