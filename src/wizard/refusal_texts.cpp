#include "wizard/refusal_texts.h"

#include "common/task_texts.h"
#include "wizard/message_text.h"
#include "wizard/wizard_text.h"

#include <cstdio>

namespace zep {
namespace {

// A value as a whole number, however large a refused estimate is.
std::string whole_number(double value) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.0f", value);
    return buf;
}

// "<text 162> <chain>. <text 329>." — the tail every grid message ends with.
std::string where_tail(const ShellTables& shell, int chainNo) {
    return compose(shell, WizardText::OfChain, " ", chainNo, ". ", WizardText::CorrectTheData, ".");
}

std::string operation_row_text(const ShellTables& shell, WizardText lead, const std::string& column,
                               const TaskRefusalValue& r) {
    return compose(shell, lead, " \"", column, "\" ", WizardText::InRow, " ", r.row + 1, " ",
                   where_tail(shell, r.chainNo));
}

std::string variant_row_text(const ShellTables& shell, WizardText lead, const TaskRefusalValue& r) {
    return compose(shell, lead, " ", r.variantNo, " ", WizardText::OfOperation, " ", r.opNo, " ",
                   where_tail(shell, r.chainNo));
}

} // namespace

std::string task_refusal_text(const ShellTables& shell, const TaskRefusalValue& r) {
    const std::string variantCount = wizard_text(shell, WizardText::VariantCountColumn);
    switch (r.kind) {
    case TaskRefusal::BlankOperationName:
        return operation_row_text(shell, WizardText::EmptyCellInColumn,
                                  task_text(shell, TaskText::OperationName), r);
    case TaskRefusal::BlankVariantCount:
        return operation_row_text(shell, WizardText::EmptyCellInColumn, variantCount, r);
    case TaskRefusal::VariantCountNotWhole:
        return operation_row_text(shell, WizardText::InvalidNumberInColumn, variantCount, r);
    case TaskRefusal::VariantCountOutOfRange:
        return compose(shell, WizardText::VariantCountOutOfRange, " ", r.row + 1, " ",
                       where_tail(shell, r.chainNo));
    case TaskRefusal::BlankEssence:
        return variant_row_text(shell, WizardText::VariantEssenceMissing, r);
    case TaskRefusal::CellNotANumber:
        return variant_row_text(shell, WizardText::VariantNumberInvalid, r);
    case TaskRefusal::UnboundedOperation:
        return compose(shell, WizardText::PathTimeUnbounded, " ", r.opNo, " ",
                       WizardText::OfChainAfterOperation, " ", r.chainNo, ".");
    case TaskRefusal::TooManyPhaseStates:
        return compose(shell, WizardText::EstimatedPhaseStates, " ", whole_number(r.value), ", ",
                       WizardText::ExceedsLimitOfPhaseStates, " (", whole_number(r.limit), " ",
                       WizardText::InThisVersion, "). ", WizardText::IncreaseTact, ".");
    case TaskRefusal::TooFewSubgraphsAllowed:
        return compose(shell, WizardText::NoNumberingForAllowed, " ", whole_number(r.value), ". ",
                       WizardText::IncreaseAllowedSubgraphs, " \"... (", WizardText::Step, " 2 ",
                       WizardText::StepOf, " 8)\".");
    case TaskRefusal::NoNumbering:
        return compose(shell, WizardText::NoNumberingAtAll, ". ", WizardText::CorrectTheData, ".");
    }
    return {};
}

std::string conversion_notice(const ShellTables& shell, int count) {
    if (count <= 0)
        return {};
    if (count == 1)
        return compose(shell, WizardText::OneOperationConverted, ", ", WizardText::KeepingSingleVariant, ".");
    return compose(shell, WizardText::AutomaticallyConverted, " ", count, " ", WizardText::OrdinaryOperations,
                   " ", WizardText::IntoCriticalSingleVariant, ".");
}

} // namespace zep
