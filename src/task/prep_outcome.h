#pragma once
// What the task library refuses, as values (common/outcome.h): the grids' transfers, the bounds, the
// discretisation and the numbering search. The library words nothing: the wizard turns a refusal into
// the shell's text (wizard/refusal_texts.h), its window shows it in a warning box and puts the focus
// where prep_focus says, the command-line entry prints it.
#include "common/outcome.h"

namespace zep {

enum class TaskRefusal {
    // Operation grid, at `row` of chain `chainNo`: a blank name, a blank variant count, a count that
    // is not a whole number, a count outside 1..20.
    BlankOperationName,
    BlankVariantCount,
    VariantCountNotWhole,
    VariantCountOutOfRange,
    // Variant grid, variant `variantNo` (at `row`) of operation `opNo` of chain `chainNo`: a blank
    // essence, a number cell that does not convert.
    BlankEssence,
    CellNotANumber,
    // Bounds: the path cannot be bounded after operation `opNo` of chain `chainNo`.
    UnboundedOperation,
    // Discretisation: the phase-state estimate `value` passes `limit`.
    TooManyPhaseStates,
    // Numbering search: fewer admissible subgraphs (`value`) than nested chains; no valid numbering.
    TooFewSubgraphsAllowed,
    NoNumbering,
};

using TaskRefusalValue = Refusal<TaskRefusal>;
using PrepOutcome = Outcome<TaskRefusal>;

enum class PrepFocus {
    None, // the step stays as it is
    Tact, // the tact box of the rounding step
};

// Where the wizard puts the focus after a refusal of the rounding step.
inline PrepFocus prep_focus(const TaskRefusalValue& r) {
    return r.kind == TaskRefusal::TooManyPhaseStates ? PrepFocus::Tact : PrepFocus::None;
}

// A cell that does not convert sends the chain and operation selectors back to the operation being
// stored.
inline bool restores_selectors(const TaskRefusalValue& r) {
    return r.kind == TaskRefusal::CellNotANumber;
}

} // namespace zep
