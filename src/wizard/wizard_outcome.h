#pragma once
// What a press of Next or Prev (or a selector change) did: the step now on screen and, when the step
// refused, the message the box shows, its kind and the input that gets the focus.
#include <optional>
#include <string>
#include <vector>

namespace zep {

// `currentStep`: the panels in their order. The user sees them as steps 1, 2, 2a, 2b, 3 ... 8 and a
// final summary (step_label()).
enum class WizardStep : int {
    Code = 1,           // step 1: task code and name (and the import panel)
    General = 2,        // step 2: general parameters
    IntervalCounts = 3, // step 2a: availability intervals per resource category
    Intervals = 4,      // step 2b: the availability intervals
    Chains = 5,         // step 3: chains
    Operations = 6,     // step 4: operations of every chain
    Variants = 7,       // step 5: variants of every operation
    Review = 8,         // step 6: read-only table of all variants
    Rounding = 9,       // step 7: rounding type, tact and scaling coefficient
    Thresholds = 10,    // step 8: thresholds or the second-level parameters
    Summary = 11,       // the summary; Next finishes
};

// " 1 ", " 2 ", " 2a ", ... as the step title shows the step; empty for the summary.
const char* step_label(WizardStep step);

enum class MessageKind {
    Warning,     // a refusal: warning sign, OK button
    Information, // a note that does not refuse: information sign, OK button
    Question,    // a confirmation with Yes and No
};

struct WizardMessage {
    MessageKind kind = MessageKind::Warning;
    std::string text;
    bool answeredYes = false; // questions only
};

// The input that gets the focus: the control's name ("txtNch", "Grid2b", ...) and, for a grid, the
// 0-based data row that is scrolled to the top (-1: the grid as it is).
struct WizardFocus {
    std::string control;
    int row = -1;
    bool operator==(const WizardFocus&) const = default;
};

struct StepOutcome {
    // The press moved to another step (or, for a selector, showed the chosen chain or operation).
    bool moved = false;
    WizardStep step = WizardStep::Code; // the step on screen afterwards
    // The warning that refused the press; empty when it passed or when a question kept the step.
    std::optional<WizardMessage> refusal;
    // Notes and questions shown on the way, in their order; a refusal comes after them.
    std::vector<WizardMessage> notes;
    WizardFocus focus;
    // Next on the summary: the files are written and the register updated; the wizard has closed.
    bool finished = false;
};

} // namespace zep
