#include "optimiser/run_texts.h"

#include "common/number_text.h"
#include "common/task_texts.h"
#include "common/text_join.h"
#include "optimiser/optimiser_text.h"

namespace zep {
namespace {

std::string num(std::int64_t v) {
    return std::to_string(v);
}

} // namespace

std::string RunTexts::task_prefix() const {
    return join_pieces({optimiser_text(shell, OptimiserText::Task), " \"", code, "\". "});
}

std::string RunTexts::skipped(Skip why) const {
    return join_pieces({optimiser_text(shell, OptimiserText::Task), " \"", code, "\" ",
                        optimiser_text(shell, static_cast<OptimiserText>(why)), "."});
}

std::string RunTexts::refusal_prefix() const {
    return join_pieces({task_prefix(), optimiser_text(shell, OptimiserText::NotPossible), ". "});
}

std::string RunTexts::chain_count_refused(std::int32_t chainCount) const {
    return join_pieces({refusal_prefix(), optimiser_text(shell, OptimiserText::InvalidChainCount), " ",
                        num(chainCount), "."});
}

std::string RunTexts::minimised_param_refused(std::int32_t minimisedParam) const {
    return join_pieces({refusal_prefix(), optimiser_text(shell, OptimiserText::InvalidMinimisedParam), " ",
                        num(minimisedParam), "."});
}

std::string RunTexts::scaled_tact_refused(double scaledTact) const {
    return join_pieces({refusal_prefix(), optimiser_text(shell, OptimiserText::InvalidScaledTact), " ",
                        format_fixed(scaledTact, 3, separator), "."});
}

std::string RunTexts::threshold_count_refused(std::int32_t chainCount, std::int32_t thresholdCount) const {
    return join_pieces({refusal_prefix(), optimiser_text(shell, OptimiserText::InvalidThresholdCount), " ",
                        num(chainCount), " ", optimiser_text(shell, OptimiserText::AndThresholdVariants), " ",
                        num(thresholdCount), "."});
}

std::string RunTexts::parameter_refused(RunParameterId id, double value) const {
    const RunParameter& rp = kRunParameters[id];
    const std::string valueText = parameter_value_text(rp, value, 3, separator);
    if (!rp.run.has_upper())
        return join_pieces({refusal_prefix(), optimiser_text(shell, rp.runRefusal), " ", valueText, " (< ",
                            rp.lowerText, ")."});
    return join_pieces({refusal_prefix(), optimiser_text(shell, rp.runRefusal), " ", valueText, " (< ",
                        rp.lowerText, " ", optimiser_text(shell, OptimiserText::Or),
                        rp.run.upperInclusive ? " > " : " >= ", rp.upperText, ")."});
}

std::string RunTexts::input_refused(const std::string& what) const {
    return join_pieces({refusal_prefix(), what});
}

std::string RunTexts::path_failed(std::int32_t k, std::int32_t p, const std::string& prefix,
                                  std::int32_t code) const {
    using enum OptimiserText;
    const OptimiserText reason = code == 1   ? NoRoute
                                 : code == 2 ? NoAdmissibleOnTheWay
                                 : code == 3 ? IterationLimitUsedUp
                                             : ExceedsUpperEstimate;
    return join_pieces({task_prefix(), optimiser_text(shell, OptimiserText::NoSolutionInRun), " ", num(k + 1),
                        optimiser_text(shell, OptimiserText::OfOptimisation), ". ",
                        optimiser_text(shell, OptimiserText::Path), " ", num(p + 1),
                        optimiser_text(shell, OptimiserText::Colon), " ", prefix,
                        optimiser_text(shell, reason), "."});
}

std::string RunTexts::trace_broken(std::int32_t k, std::int32_t p, const std::string& prefix,
                                   std::int32_t option) const {
    return join_pieces({task_prefix(), optimiser_text(shell, OptimiserText::TraceBroken), " ", num(k + 1),
                        optimiser_text(shell, OptimiserText::OnPath), " ", num(p + 1),
                        optimiser_text(shell, OptimiserText::Path), " ", prefix,
                        optimiser_text(shell, OptimiserText::RouteBroken), " ", num(option), "."});
}

std::string RunTexts::no_admissible_variant(std::int32_t element, std::int32_t k) const {
    return join_pieces({task_prefix(), optimiser_text(shell, OptimiserText::NoAdmissibleVariant), " ",
                        num(element), optimiser_text(shell, OptimiserText::InThresholdRun), " ", num(k + 1),
                        optimiser_text(shell, OptimiserText::OfOptimisation), "."});
}

std::string RunTexts::second_level_used_up() const {
    return join_pieces({task_prefix(), optimiser_text(shell, OptimiserText::SecondLevelUsedUp), ". ",
                        optimiser_text(shell, OptimiserText::LastIterationShown), "."});
}

std::string RunTexts::run_stopped() const {
    return join_pieces({task_prefix(), optimiser_text(shell, OptimiserText::CalculationInterrupted), ". ",
                        optimiser_text(shell, OptimiserText::NoSolutionWritten), "."});
}

std::string RunTexts::second_level_no_threshold() const {
    return task_prefix() + optimiser_text(shell, OptimiserText::NoThresholdWithinCost) + ".";
}

std::string RunTexts::subgraph_prefix(std::int32_t s, std::int32_t subgraphCount) const {
    if (subgraphCount <= 0)
        return {};
    return join_pieces({num(s + 1), optimiser_text(shell, OptimiserText::SubgraphNumber), " "});
}

namespace {

// "n" + text 87 + " " + r + " " + text 338 + " " + p + text 168 + " " + P + tail
std::string position_words(const RunTexts& t, const RunPosition& at) {
    const ShellTables& sh = t.shell;
    const std::string r = at.secondLevel ? optimiser_text(sh, OptimiserText::OfSecondLevelSearch)
                                         : optimiser_text(sh, OptimiserText::Of) + " " + num(at.runs) + " " +
                                               optimiser_text(sh, OptimiserText::ThresholdRuns);
    std::string tail;
    if (at.subgraphCount <= 0)
        tail = " " + optimiser_text(sh, OptimiserText::InNetworkGraph) + ".";
    else
        tail = " " + optimiser_text(sh, OptimiserText::Chains) + " " + num(at.subgraph + 1) +
               optimiser_text(sh, OptimiserText::OfJoined) + " " + num(at.subgraphCount + 1) + " " +
               optimiser_text(sh, OptimiserText::LastIsWholeGraph) + ".";
    return join_pieces({num(at.run + 1), optimiser_text(sh, OptimiserText::Out), " ", r, " ",
                        optimiser_text(sh, OptimiserText::ForPath), " ", num(at.path + 1),
                        optimiser_text(sh, OptimiserText::OfJoined), " ", num(at.paths), tail});
}

} // namespace

std::string report_line1(const RunTexts& t, bool discretisedIsCost, std::int32_t chainCount,
                         std::int32_t thresholdCount) {
    const ShellTables& sh = t.shell;
    return join_pieces({"1. ", optimiser_text(sh, OptimiserText::InputRead), ". ",
                        optimiser_text(sh, discretisedIsCost ? OptimiserText::CostDiscretised
                                                             : OptimiserText::TimeDiscretised),
                        " ", num(chainCount), " ", optimiser_text(sh, OptimiserText::Chains), " - ",
                        num(thresholdCount), "."});
}

std::string report_line2(const RunTexts& t, const RunPosition& at, std::int64_t phaseStates) {
    return join_pieces({"2. ", optimiser_text(t.shell, OptimiserText::PhaseStateCount), " ", num(phaseStates),
                        ", ", optimiser_text(t.shell, OptimiserText::ThresholdRun), " ",
                        position_words(t, at)});
}

std::string report_line3(const RunTexts& t, const RunPosition& at) {
    return join_pieces(
        {"3. ", optimiser_text(t.shell, OptimiserText::CyclesInProgress), " ", position_words(t, at)});
}

namespace {

// "4. " + text 134 + " " + (k + 1) + text 87 + " " + text 159 + " " + count + " ": the start of line 4
// after a (sub)graph's last path.
std::string run_completed_head(const ShellTables& sh, std::int32_t k, std::int32_t count) {
    return join_pieces({"4. ", optimiser_text(sh, OptimiserText::RunCompleted), " ", num(k + 1),
                        optimiser_text(sh, OptimiserText::Out), " ", optimiser_text(sh, OptimiserText::Of),
                        " ", num(count), " "});
}

} // namespace

std::string report_line4_graph(const RunTexts& t, std::int32_t k, std::int32_t thresholdCount,
                               std::int32_t chainCount, bool discretisedIsCost, double total,
                               double scaledThreshold) {
    const ShellTables& sh = t.shell;
    const std::string w1 = discretisedIsCost ? optimiser_text(sh, OptimiserText::TotalExecutionTime)
                                             : optimiser_text(sh, OptimiserText::TotalExecutionCost);
    const std::string w2 = discretisedIsCost ? optimiser_text(sh, OptimiserText::TimeUnitsCostThreshold)
                                             : optimiser_text(sh, OptimiserText::CostUnitsTimeThreshold);
    const std::string w3 = discretisedIsCost ? sh.label(10) : sh.label(4);
    return join_pieces({run_completed_head(sh, k, thresholdCount),
                        optimiser_text(sh, OptimiserText::ForGraphOf), " ", num(chainCount), " ",
                        optimiser_text(sh, OptimiserText::Chains), ". ",
                        optimiser_text(sh, OptimiserText::CalculationDone), " ", w1, " - ",
                        format_fixed(total, 2, t.separator), " ", w2, " - ",
                        format_fixed(scaledThreshold, 2, t.separator), " ", w3, "."});
}

std::string report_line4_subgraph(const RunTexts& t, std::int32_t k, std::int32_t runs, std::int32_t s,
                                  std::int32_t subgraphCount) {
    const ShellTables& sh = t.shell;
    return join_pieces({run_completed_head(sh, k, runs), optimiser_text(sh, OptimiserText::ForNestedSubgraph),
                        " ", num(s + 1), optimiser_text(sh, OptimiserText::OfJoined), " ",
                        num(subgraphCount + 1), " ", optimiser_text(sh, OptimiserText::LastIsWholeGraph), ".",
                        optimiser_text(sh, OptimiserText::CalculationDone)});
}

std::string report_line4_cycles(std::int32_t cycle) {
    return "4. " + num(cycle);
}

std::string report_line5(const RunTexts& t, const RunPosition& at) {
    return join_pieces(
        {"5. ", optimiser_text(t.shell, OptimiserText::PathFinished), " ", position_words(t, at)});
}

std::string report_line6(const RunTexts& t, std::int32_t runs) {
    const ShellTables& sh = t.shell;
    return join_pieces({"6. ", optimiser_text(sh, OptimiserText::FinishedSolving), " \"", t.code, "\", ",
                        optimiser_text(sh, OptimiserText::Containing), " ", num(runs), " ",
                        optimiser_text(sh, OptimiserText::ComputationVariants), "."});
}

std::string start_line(const RunTexts& t, const std::string& time, const std::string& date) {
    const ShellTables& sh = t.shell;
    return join_pieces({optimiser_text(sh, OptimiserText::SolvingStarted), " \"", t.code, "\":  ", time, " (",
                        task_text(sh, TaskText::Time), "), ", date, " (",
                        optimiser_text(sh, OptimiserText::Date), ")."});
}

std::string end_line(const RunTexts& t, const std::string& elapsed) {
    return join_pieces(
        {optimiser_text(t.shell, OptimiserText::TimeSpentSolving), " \"", t.code, "\" - ", elapsed, "."});
}

} // namespace zep
