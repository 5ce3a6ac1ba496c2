// Steps 7 and 8, the summary and the finish: rounding, tact and scaling coefficient; thresholds or the
// second-level parameters; writing the task files and registering the task.
#include "common/atomic_file.h"
#include "common/errors.h"
#include "shell/user_operations.h"
#include "task/discretisation.h"
#include "task/task_file.h"
#include "task/typed_number.h"
#include "wizard/message_text.h"
#include "wizard/refusal_texts.h"
#include "wizard/wizard.h"

#include <filesystem>
#include <stdexcept>

namespace zep {
namespace {

// A whole number from a digit box; nullopt when it is empty or holds anything else.
std::optional<int> box_integer(const std::string& text) {
    if (trim_blanks(text).empty())
        return std::nullopt;
    return parse_typed_integer(text);
}

} // namespace

StepOutcome Wizard::check_rounding_step() {
    // A box whose text is not a number counts as empty: the decimal filter lets nothing else in.
    auto tact = parse_typed_real(in_.tact, ctx_.separator);
    if (!tact)
        return refuse(compose(ctx_.shell, WizardText::EnterTact, "."), {WizardControl::Tact});
    if (*tact < 0.00999)
        return refuse(compose(ctx_.shell, WizardText::TactBelowMinimum, "."), {WizardControl::Tact});
    auto coef = parse_typed_real(in_.scalingCoef, ctx_.separator);
    if (!coef)
        return refuse(compose(ctx_.shell, WizardText::EnterScalingCoef, "."), {WizardControl::ScalingCoef});
    if (*coef >= 99.99999 || *coef < 0.00999)
        return refuse(
            compose(ctx_.shell, WizardText::ScalingCoefInvalid, " (< 0,01 ", WizardText::Or, " >= 100)."),
            {WizardControl::ScalingCoef});

    DiscretisationResult d = discretise(rec_, *tact, *coef, in_.roundingType);
    if (!d.outcome.ok())
        return refuse(task_refusal_text(ctx_.shell, d.outcome.refusal()), {WizardControl::Tact});
    in_.candidates.clear();
    for (const ThresholdCandidate& c : d.candidates)
        in_.candidates.push_back({number_text(c.value), c.checked});

    TaskHeader& h = rec_.header;
    if (h.secondLevelIterations == 0)
        h.secondLevelIterations = kDefaultSecondLevelIterations;
    if (h.iterationReductionCoef == 0)
        h.iterationReductionCoef = kDefaultIterationReductionCoef;
    in_.iterations = std::to_string(h.secondLevelIterations);
    in_.reduction = std::to_string(h.iterationReductionCoef);
    in_.costThreshold = number_text(h.costThreshold);
    return enter(WizardStep::Thresholds,
                 {second_level_mode() ? WizardControl::CostThreshold : WizardControl::ThresholdList});
}

StepOutcome Wizard::check_thresholds_step() {
    TaskHeader& h = rec_.header;
    h.subgraphCount = decomposition_mode(h) == Decomposition::NestedSubgraphs ? rec_.workingSubgraphCount : 0;
    if (has_resources())
        store_interval_tacts(rec_);

    if (second_level_mode()) {
        auto cost = parse_typed_real(in_.costThreshold, ctx_.separator);
        if (!cost)
            return refuse(compose(ctx_.shell, WizardText::EnterCostThreshold, "."),
                          {WizardControl::CostThreshold});
        if (*cost <= rec_.graphCostMin - kValueTolerance)
            return refuse(compose(ctx_.shell, WizardText::CostThresholdBelowMinimum, " (< ",
                                  number_text(rec_.graphCostMin), ")."),
                          {WizardControl::CostThreshold});
        if (*cost >= rec_.graphCostMax + kValueTolerance)
            return refuse(compose(ctx_.shell, WizardText::CostThresholdAboveMaximum, " (> ",
                                  number_text(rec_.graphCostMax), ")."),
                          {WizardControl::CostThreshold});
        auto iterations = box_integer(in_.iterations);
        if (!iterations)
            return refuse(compose(ctx_.shell, WizardText::EnterSecondLevelIterations, "."),
                          {WizardControl::SecondLevelIterations});
        if (*iterations < kMinSecondLevelIterations)
            return refuse(compose(ctx_.shell, WizardText::SecondLevelIterationsTooSmall, " (< 5)."),
                          {WizardControl::SecondLevelIterations});
        if (*iterations > kMaxSecondLevelIterations)
            return refuse(compose(ctx_.shell, WizardText::SecondLevelIterationsTooLarge, " (> 20)."),
                          {WizardControl::SecondLevelIterations});
        auto reduction = box_integer(in_.reduction);
        if (!reduction)
            return refuse(compose(ctx_.shell, WizardText::EnterReductionCoef, "."),
                          {WizardControl::ReductionCoef});
        if (*reduction < kMinIterationReductionCoef)
            return refuse(compose(ctx_.shell, WizardText::ReductionCoefTooSmall, " (< 1)."),
                          {WizardControl::ReductionCoef});
        if (*reduction > kMaxIterationReductionCoef)
            return refuse(compose(ctx_.shell, WizardText::ReductionCoefTooLarge, " (> 4)."),
                          {WizardControl::ReductionCoef});
        h.secondLevelIterations = *iterations;
        h.iterationReductionCoef = *reduction;
        h.costThreshold = *cost;
        store_second_level_thresholds(rec_);
    } else {
        std::vector<double> chosen;
        for (const ThresholdItem& item : in_.candidates)
            if (item.ticked)
                chosen.push_back(parse_typed_real(item.text, ctx_.separator).value_or(0));
        const int count = static_cast<int>(chosen.size());
        if (count > kMaxThresholds)
            return refuse(compose(ctx_.shell, WizardText::TooManyThresholdsTicked, " ", count, " (> 10). ",
                                  WizardText::UntickSurplusThresholds, "."),
                          {WizardControl::ThresholdList});
        if (count == 0)
            return refuse(compose(ctx_.shell, WizardText::NoThresholdTicked, " 10."),
                          {WizardControl::ThresholdList});
        store_thresholds(rec_, chosen);
    }
    build_summary();
    return enter(WizardStep::Summary, {WizardControl::NextButton});
}

void Wizard::build_summary() {
    const TaskHeader& h = rec_.header;
    WizardSummary s;
    s.tact = number_text(h.tact);
    s.phaseStates = phase_states_text();
    s.scalingCoef = number_text(h.scalingCoef);
    const RoundingType rounding = rounding_type(h);
    s.rounding = task_text(ctx_.shell, rounding == RoundingType::ByMean      ? TaskText::RoundNearest
                                       : rounding == RoundingType::ByMinimum ? TaskText::RoundDown
                                                                             : TaskText::RoundUp);
    s.costUnit = h.costUnit;
    s.timeUnit = h.timeUnit;
    s.categoriesShown = has_resources();
    s.categoryCount = std::to_string(h.resourceCategoryCount);

    const bool decomposed = decomposition_mode(h) == Decomposition::NestedSubgraphs;
    s.decompositionShown = !has_resources() && has_nested_chains();
    s.regime = std::to_string(decomposed ? 1 : 0);
    s.numbering = task_text(ctx_.shell, h.subgraphNumbering == 1 ? TaskText::AutomaticNumbering
                                                                 : TaskText::ManualNumbering);
    s.allowedSubgraphs = std::to_string(h.allowedSubgraphCount);
    s.subgraphCount = std::to_string(h.subgraphCount);
    s.quantSteps = std::to_string(h.maxQuantSteps);
    const bool params = s.decompositionShown && decomposed;
    s.numberingShown = params;
    s.allowedShown = params;
    s.subgraphCountShown = params;
    s.quantStepsShown = params && h.subgraphCount > 0;

    s.secondLevel = second_level_mode();
    s.iterations = std::to_string(h.secondLevelIterations);
    s.reduction = std::to_string(h.iterationReductionCoef);
    s.costThreshold = number_text(h.costThreshold);
    s.thresholdCount = std::to_string(h.thresholdCount);
    summary_ = std::move(s);
}

StepOutcome Wizard::finish() {
    if (!ctx_.taskRegister)
        throw std::logic_error("the wizard cannot save a task without the task register");
    if (!has_resources())
        rec_.resourceIntervals.clear();
    // Nothing is written when the save is refused: the summary stays, and Next may be pressed again.
    try {
        if (!save_task(rec_, ctx_.workspace, mode_, *ctx_.taskRegister, ctx_.shellFileName))
            return refuse(compose(ctx_.shell, WizardText::CodeAlreadyRegistered, "."),
                          {WizardControl::NextButton});
    } catch (const std::runtime_error& e) {
        // A text pasted past the key filters holds a character the files cannot (TextEncodingError), the
        // register stayed locked for the whole wait or cannot be taken (said in the store's language), or
        // a file cannot be written.
        return refuse(e.what(), {WizardControl::NextButton});
    }

    const std::string code = rec_.header.taskCode;
    std::vector<WizardMessage> notes;
    if (in_.solveAtOnce) {
        // The task is saved; when it cannot be handed over it waits as entered, and the user hears why.
        std::string refusal;
        try {
            if (const TaskMove move = hand_over_input(ctx_.workspace, *ctx_.taskRegister, code); !move)
                refusal = move_refusal_text(ctx_.taskRegister->shell(), move.refusal());
        } catch (const std::exception& e) {
            refusal = e.what();
        }
        if (!refusal.empty()) {
            in_.solveAtOnce = false;
            notes.push_back(WizardMessage{MessageKind::Warning, refusal});
        }
    }
    rec_ = TaskRecord{};
    closed_ = true;
    StepOutcome out = stay({}, std::move(notes));
    out.finished = true;
    return out;
}

} // namespace zep
