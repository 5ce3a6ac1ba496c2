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

// The controls of the wizard that a step can put the focus on. The window maps each to its widget;
// `zep build` names them in its reports by control_name().
enum class WizardControl {
    None,                  // the focus stays where it is
    Code,                  // txtShifr, step 1
    Name,                  // txtName, step 1
    ChainCount,            // txtNch, step 2
    NestedChainCount,      // txtnc2, step 2
    CategoryCount,         // txtKat, step 2
    AllowedSubgraphs,      // txtDnp, step 2
    QuantSteps,            // txtMxns, step 2
    IntervalCountGrid,     // Grid2a, step 2a
    IntervalGrid,          // Grid2b, step 2b
    ChainGrid,             // StringGrid1, step 3 without nested chains
    NestedChainGrid,       // StringGrid1_, step 3 with nested chains
    OperationGrid,         // StringGrid2, step 4
    VariantGrid,           // StringGrid, step 5 without unavailable resources
    ResourceVariantGrid,   // StringGrid_a, step 5 with them
    ReviewGrid,            // Grid, step 6 without unavailable resources
    ResourceReviewGrid,    // Grid_a, step 6 with them
    Tact,                  // txtDelta, step 7
    ScalingCoef,           // txtKoe, step 7
    ThresholdList,         // clFazu, step 8
    CostThreshold,         // txt_C, step 8 in the second-level mode
    SecondLevelIterations, // txt_Nd, step 8 in the second-level mode
    ReductionCoef,         // txt_kup, step 8 in the second-level mode
    NextButton,            // btnNext, the summary
};

// The name of the control in the window ("txtNch", "Grid2b", ...); empty for None.
const char* control_name(WizardControl control);

// The input that gets the focus and, for a grid, the 0-based data row that is scrolled to the top
// (-1: the grid as it is).
struct WizardFocus {
    WizardControl control = WizardControl::None;
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
