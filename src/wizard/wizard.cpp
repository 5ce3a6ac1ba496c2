#include "wizard/wizard.h"

#include "common/date_time.h"
#include "common/number_text.h"
#include "common/utf8.h"
#include "task/task_file.h"
#include "task/typed_number.h"
#include "wizard/message_text.h"
#include "wizard/refusal_texts.h"

namespace zep {
namespace {

std::vector<std::string> trimmed_texts(const ShellTables& shell, std::initializer_list<TaskText> words) {
    std::vector<std::string> out;
    for (TaskText w : words)
        out.emplace_back(trim_blanks(task_text(shell, w)));
    return out;
}

constexpr std::size_t kImportItemLength = 81;

} // namespace

const char* step_label(WizardStep step) {
    switch (step) {
    case WizardStep::Code:
        return " 1 ";
    case WizardStep::General:
        return " 2 ";
    case WizardStep::IntervalCounts:
        return " 2a ";
    case WizardStep::Intervals:
        return " 2b ";
    case WizardStep::Chains:
        return " 3 ";
    case WizardStep::Operations:
        return " 4 ";
    case WizardStep::Variants:
        return " 5 ";
    case WizardStep::Review:
        return " 6 ";
    case WizardStep::Rounding:
        return " 7 ";
    case WizardStep::Thresholds:
        return " 8 ";
    case WizardStep::Summary:
        return "";
    }
    return "";
}

std::vector<std::string> cost_unit_list(const ShellTables& shell) {
    return trimmed_texts(shell, {TaskText::Hryvnias, TaskText::Dollars, TaskText::Euros, TaskText::Roubles});
}

std::vector<std::string> time_unit_list(const ShellTables& shell) {
    return trimmed_texts(shell, {TaskText::Days, TaskText::Hours});
}

Wizard::Wizard(WizardContext ctx, EntryMode mode, std::string currentTaskCode)
    : ctx_(std::move(ctx)), mode_(mode) {
    // Everything starts empty at its default: the record, the flags and the radio choices.
    if (mode_ == EntryMode::ImportTask) {
        importList_.push_back("none");
        if (ctx_.taskRegister)
            for (const RegisterEntry& e : ctx_.taskRegister->get().entries)
                importList_.push_back(utf8_prefix("[" + e.code + "] - " + e.name, kImportItemLength));
        importLabel_ = wizard_text(ctx_.shell, WizardText::NoTaskSelected);
    }
    if (mode_ == EntryMode::CorrectTask) {
        if (currentTaskCode.empty()) {
            closed_ = true;
            return;
        }
        read_task_file(rec_, ctx_.workspace, currentTaskCode);
        in_.code = rec_.header.taskCode;
        in_.name = rec_.header.taskName;
        fill_general_boxes_from_record();
        in_.tact = number_text(rec_.header.tact);
        in_.scalingCoef = number_text(rec_.header.scalingCoef);
    }
}

std::string Wizard::number_text(double v) const {
    return format_shortest(v, ctx_.separator);
}

bool Wizard::manual_subgraph_numbers() const {
    return rec_.header.manual_subgraph_numbering();
}

WizardControl Wizard::chain_grid() const {
    return has_nested_chains() ? WizardControl::NestedChainGrid : WizardControl::ChainGrid;
}

WizardControl Wizard::variant_grid() const {
    return has_resources() ? WizardControl::ResourceVariantGrid : WizardControl::VariantGrid;
}

bool Wizard::second_level_mode() const {
    return zep::second_level_mode(rec_);
}

std::string Wizard::phase_states_text() const {
    return std::to_string(rec_.header.maxPhaseStates);
}

std::string Wizard::step_title() const {
    const std::string base =
        wizard_text(ctx_.shell, mode_ == EntryMode::CorrectTask ? WizardText::CorrectingUnsolvedTask
                                                                : WizardText::EnteringNewTask);
    if (step_ == WizardStep::Summary)
        return base;
    return base + " (" + wizard_text(ctx_.shell, WizardText::Step) + step_label(step_) +
           wizard_text(ctx_.shell, WizardText::StepOf) + " 8)";
}

std::string Wizard::next_caption() const {
    return wizard_text(ctx_.shell, step_ == WizardStep::Summary ? WizardText::Finish : WizardText::Next);
}

StepOutcome Wizard::refuse(std::string message, WizardFocus focus, std::vector<WizardMessage> notes) const {
    StepOutcome out = stay(std::move(focus), std::move(notes));
    out.refusal = WizardMessage{MessageKind::Warning, std::move(message)};
    return out;
}

StepOutcome Wizard::stay(WizardFocus focus, std::vector<WizardMessage> notes) const {
    StepOutcome out;
    out.step = step_;
    out.focus = std::move(focus);
    out.notes = std::move(notes);
    return out;
}

StepOutcome Wizard::enter(WizardStep step, WizardFocus focus, std::vector<WizardMessage> notes) {
    step_ = step;
    StepOutcome out = stay(std::move(focus), std::move(notes));
    out.moved = true;
    return out;
}

bool Wizard::ask(const std::string& question, std::vector<WizardMessage>& notes) const {
    const bool yes = ctx_.ask ? ctx_.ask(question) : false;
    notes.push_back({MessageKind::Question, question, yes});
    return yes;
}

StepOutcome Wizard::next() {
    if (closed_)
        return stay({});
    switch (step_) {
    case WizardStep::Code:
        return check_code_step();
    case WizardStep::General:
        return check_general_step();
    case WizardStep::IntervalCounts:
        return check_interval_counts_step();
    case WizardStep::Intervals:
        return check_intervals_step();
    case WizardStep::Chains:
        return check_chains_step();
    case WizardStep::Operations: {
        GridTransferResult saved = store_operations(rec_, opStepChain_, in_.operations);
        if (!saved.ok())
            return refuse(task_refusal_text(ctx_.shell, saved.refusal()),
                          {WizardControl::OperationGrid, saved.refusal().row});
        return check_operations_step();
    }
    case WizardStep::Variants: {
        GridTransferResult saved =
            store_variants(rec_, varStepChain_, varStepOperation_, in_.variants, ctx_.separator);
        if (!saved.ok())
            return refuse(task_refusal_text(ctx_.shell, saved.refusal()),
                          {variant_grid(), saved.refusal().row});
        return check_variants_step();
    }
    case WizardStep::Review:
        return check_review_step();
    case WizardStep::Rounding:
        return check_rounding_step();
    case WizardStep::Thresholds:
        return check_thresholds_step();
    case WizardStep::Summary:
        return finish();
    }
    return stay({});
}

StepOutcome Wizard::prev() {
    if (closed_)
        return stay({});
    switch (step_) {
    case WizardStep::Code:
        return stay({});
    case WizardStep::General:
        prevEnabled_ = false;
        return enter(WizardStep::Code,
                     {mode_ == EntryMode::CorrectTask ? WizardControl::Name : WizardControl::Code});
    case WizardStep::IntervalCounts:
        return enter(WizardStep::General, {WizardControl::ChainCount});
    case WizardStep::Intervals:
        return enter(WizardStep::IntervalCounts, {WizardControl::IntervalCountGrid});
    case WizardStep::Chains:
        if (has_resources())
            return enter(WizardStep::Intervals, {WizardControl::IntervalGrid});
        return enter(WizardStep::General, {WizardControl::ChainCount});
    case WizardStep::Operations:
        // What the grid shows of the chain is kept as far as it stores; the step checks it again.
        store_operations(rec_, opStepChain_, in_.operations);
        return enter(WizardStep::Chains, {chain_grid()});
    case WizardStep::Variants:
        store_variants(rec_, varStepChain_, varStepOperation_, in_.variants, ctx_.separator);
        // The conversion into critical operations is done anew when step 4 is passed again.
        for (ChainRec& c : rec_.chains)
            for (OperationRec& op : c.operations)
                op.criticalMark = 0;
        show_operations_grid(0);
        return enter(WizardStep::Operations, {WizardControl::OperationGrid});
    case WizardStep::Review:
        return enter(WizardStep::Variants, {variant_grid()});
    case WizardStep::Rounding:
        return enter(WizardStep::Review,
                     {has_resources() ? WizardControl::ResourceReviewGrid : WizardControl::ReviewGrid});
    case WizardStep::Thresholds:
        return enter(WizardStep::Rounding, {WizardControl::Tact});
    case WizardStep::Summary:
        return enter(WizardStep::Thresholds,
                     {second_level_mode() ? WizardControl::CostThreshold : WizardControl::ThresholdList});
    }
    return stay({});
}

} // namespace zep
