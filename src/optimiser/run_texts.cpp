#include "optimiser/run_texts.h"

#include "common/number_text.h"
#include "common/text_join.h"

namespace zep {
namespace {

std::string num(std::int64_t v) {
    return std::to_string(v);
}

} // namespace

std::string RunTexts::task_prefix() const {
    return join_pieces({shell.text(143), " \"", code, "\". "});
}

std::string RunTexts::skipped(Skip why) const {
    return join_pieces({shell.text(143), " \"", code, "\" ", shell.text(static_cast<int>(why)), "."});
}

std::string RunTexts::refusal_prefix() const {
    return join_pieces({task_prefix(), shell.text(10), ". "});
}

std::string RunTexts::chain_count_refused(std::int32_t chainCount) const {
    return join_pieces({refusal_prefix(), shell.text(368), " ", num(chainCount), "."});
}

std::string RunTexts::minimised_param_refused(std::int32_t minimisedParam) const {
    return join_pieces({refusal_prefix(), shell.text(366), " ", num(minimisedParam), "."});
}

std::string RunTexts::scaled_tact_refused(double scaledTact) const {
    return join_pieces({refusal_prefix(), shell.text(361), " ", format_fixed(scaledTact, 3, separator), "."});
}

std::string RunTexts::threshold_count_refused(std::int32_t chainCount, std::int32_t thresholdCount) const {
    return join_pieces({refusal_prefix(), shell.text(367), " ", num(chainCount), " ", shell.text(466), " ",
                        num(thresholdCount), "."});
}

std::string RunTexts::parameter_refused(RunParameterId id, double value) const {
    const RunParameter& rp = kRunParameters[id];
    const std::string valueText = parameter_value_text(rp, value, 3, separator);
    if (!rp.run.has_upper())
        return join_pieces(
            {refusal_prefix(), shell.text(rp.runRefusal), " ", valueText, " (< ", rp.lowerText, ")."});
    return join_pieces({refusal_prefix(), shell.text(rp.runRefusal), " ", valueText, " (< ", rp.lowerText,
                        " ", shell.text(1), rp.run.upperInclusive ? " > " : " >= ", rp.upperText, ")."});
}

std::string RunTexts::input_refused(const std::string& what) const {
    return join_pieces({refusal_prefix(), what});
}

std::string RunTexts::path_failed(std::int32_t k, std::int32_t p, const std::string& prefix,
                                  std::int32_t code) const {
    const int reason = code == 1 ? 369 : code == 2 ? 511 : code == 3 ? 360 : 372;
    return join_pieces({task_prefix(), shell.text(12), " ", num(k + 1), shell.text(88), ". ", shell.text(170),
                        " ", num(p + 1), shell.text(405), " ", prefix, shell.text(reason), "."});
}

std::string RunTexts::trace_broken(std::int32_t k, std::int32_t p, const std::string& prefix,
                                   std::int32_t option) const {
    return join_pieces({task_prefix(), shell.text(11), " ", num(k + 1), shell.text(89), " ", num(p + 1),
                        shell.text(170), " ", prefix, shell.text(406), " ", num(option), "."});
}

std::string RunTexts::no_admissible_variant(std::int32_t element, std::int32_t k) const {
    return join_pieces({task_prefix(), shell.text(305), " ", num(element), shell.text(169), " ", num(k + 1),
                        shell.text(88), "."});
}

std::string RunTexts::second_level_used_up() const {
    return join_pieces({task_prefix(), shell.text(237), ". ", shell.text(376), "."});
}

std::string RunTexts::run_stopped() const {
    return join_pieces({task_prefix(), shell.text(309), ". ", shell.text(528), "."});
}

std::string RunTexts::second_level_no_threshold() const {
    return task_prefix() + shell.text(543) + ".";
}

std::string RunTexts::subgraph_prefix(std::int32_t s, std::int32_t subgraphCount) const {
    if (subgraphCount <= 0)
        return {};
    return join_pieces({num(s + 1), shell.text(509), " "});
}

namespace {

// "n" + text 87 + " " + r + " " + text 338 + " " + p + text 168 + " " + P + tail
std::string position_words(const RunTexts& t, const RunPosition& at) {
    const ShellTables& sh = t.shell;
    const std::string r =
        at.secondLevel ? sh.text(36) : sh.text(159) + " " + num(at.runs) + " " + sh.text(37);
    std::string tail;
    if (at.subgraphCount <= 0)
        tail = " " + sh.text(464) + ".";
    else
        tail = " " + sh.text(465) + " " + num(at.subgraph + 1) + sh.text(168) + " " +
               num(at.subgraphCount + 1) + " " + sh.text(158) + ".";
    return join_pieces({num(at.run + 1), sh.text(87), " ", r, " ", sh.text(338), " ", num(at.path + 1),
                        sh.text(168), " ", num(at.paths), tail});
}

} // namespace

std::string report_line1(const RunTexts& t, bool discretisedIsCost, std::int32_t chainCount,
                         std::int32_t thresholdCount) {
    const ShellTables& sh = t.shell;
    return join_pieces({"1. ", sh.text(130), ". ", sh.text(discretisedIsCost ? 471 : 470), " ",
                        num(chainCount), " ", sh.text(465), " - ", num(thresholdCount), "."});
}

std::string report_line2(const RunTexts& t, const RunPosition& at, std::int64_t phaseStates) {
    return join_pieces({"2. ", t.shell.text(131), " ", num(phaseStates), ", ", t.shell.text(510), " ",
                        position_words(t, at)});
}

std::string report_line3(const RunTexts& t, const RunPosition& at) {
    return join_pieces({"3. ", t.shell.text(132), " ", position_words(t, at)});
}

std::string report_line4_graph(const RunTexts& t, std::int32_t k, std::int32_t thresholdCount,
                               std::int32_t chainCount, bool discretisedIsCost, double total,
                               double scaledThreshold) {
    const ShellTables& sh = t.shell;
    const std::string w1 = discretisedIsCost ? sh.text(203) : sh.text(197);
    const std::string w2 = discretisedIsCost ? sh.text(59) : sh.text(103);
    const std::string w3 = discretisedIsCost ? sh.label(10) : sh.label(4);
    return join_pieces({"4. ",
                        sh.text(134),
                        " ",
                        num(k + 1),
                        sh.text(87),
                        " ",
                        sh.text(159),
                        " ",
                        num(thresholdCount),
                        " ",
                        sh.text(39),
                        " ",
                        num(chainCount),
                        " ",
                        sh.text(465),
                        ". ",
                        sh.text(300),
                        " ",
                        w1,
                        " - ",
                        format_fixed(total, 2, t.separator),
                        " ",
                        w2,
                        " - ",
                        format_fixed(scaledThreshold, 2, t.separator),
                        " ",
                        w3,
                        "."});
}

std::string report_line4_subgraph(const RunTexts& t, std::int32_t k, std::int32_t runs, std::int32_t s,
                                  std::int32_t subgraphCount) {
    const ShellTables& sh = t.shell;
    return join_pieces(
        {"4. ", sh.text(134), " ", num(k + 1), sh.text(87),  " ", sh.text(159),           " ", num(runs),
         " ",   sh.text(38),  " ", num(s + 1), sh.text(168), " ", num(subgraphCount + 1), " ", sh.text(158),
         ".",   sh.text(300)});
}

std::string report_line4_cycles(std::int32_t cycle) {
    return "4. " + num(cycle);
}

std::string report_line5(const RunTexts& t, const RunPosition& at) {
    return join_pieces({"5. ", t.shell.text(133), " ", position_words(t, at)});
}

std::string report_line6(const RunTexts& t, std::int32_t runs) {
    const ShellTables& sh = t.shell;
    return join_pieces(
        {"6. ", sh.text(129), " \"", t.code, "\", ", sh.text(425), " ", num(runs), " ", sh.text(142), "."});
}

std::string start_line(const RunTexts& t, const std::string& time, const std::string& date) {
    const ShellTables& sh = t.shell;
    return join_pieces({sh.text(219), " \"", t.code, "\":  ", time, " (", sh.text(62), "), ", date, " (",
                        sh.text(95), ")."});
}

std::string end_line(const RunTexts& t, const std::string& elapsed) {
    return join_pieces({t.shell.text(105), " \"", t.code, "\" - ", elapsed, "."});
}

} // namespace zep
