#include "optimiser/module_texts.h"

#include "common/text_join.h"

namespace zep {
namespace {

constexpr char32_t kBackspace = 8;

std::string trimmed(const std::string& s) {
    const auto b = s.find_first_not_of(' ');
    if (b == std::string::npos)
        return {};
    return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

} // namespace

ModuleCaptions module_captions(const ShellTables& sh) {
    ModuleCaptions c;
    c.window = sh.text(504);
    c.modeHeading = join_pieces({sh.text(75), ":"});
    c.batch = sh.text(315);
    c.individual = sh.text(166);
    c.codePrompt = join_pieces({sh.text(52), ":"});
    c.next = sh.text(93);
    c.start = sh.text(3);
    c.running = sh.text(385);
    c.reset = sh.text(505);
    c.exit = sh.text(506);
    c.stop = sh.text(527);
    c.stopQuestion = sh.text(529);
    c.paramHeading = join_pieces({sh.text(45), ":"});
    const std::string w = trimmed(sh.text(0)); // the word joining two bounds
    for (RunParameterId id : kRunParameterIds) {
        const RunParameter& rp = kRunParameters[id];
        const ParameterRange& r = rp.run;
        c.params[id] = r.has_upper() ? join_pieces({sh.text(rp.caption), " (>=", rp.lowerText, " ", w, " ",
                                                    r.upperInclusive ? "<=" : "<", rp.upperText, ")"})
                                     : join_pieces({sh.text(rp.caption), " (>=", rp.lowerText, ")"});
    }
    return c;
}

ParameterSummary parameter_summary(const ShellTables& sh, const IterationParams& p, char separator) {
    ParameterSummary s;
    s.heading = join_pieces({sh.text(322), ":"});
    for (RunParameterId id : kRunParameterIds) {
        const RunParameter& rp = kRunParameters[id];
        s.lines[id] = join_pieces({sh.label(rp.summaryLabel), " = ",
                                   parameter_value_text(rp, p[id], rp.summaryDecimals, separator)});
    }
    return s;
}

std::string task_to_solve_line(const ShellTables& sh, const std::string& code) {
    return join_pieces({sh.text(487), " - \"", code, "\"."});
}

std::string batch_progress_text(const ShellTables& sh, int number, int count) {
    return join_pieces(
        {sh.text(143), " ", std::to_string(number), " ", sh.text(159), " ", std::to_string(count)});
}

bool parameter_key_accepted(int field, char32_t key, char separator) {
    if (key == kBackspace || (key >= U'0' && key <= U'9'))
        return true;
    return kRunParameters[static_cast<std::size_t>(field)].kind == ParameterKind::Real &&
           key == static_cast<unsigned char>(separator);
}

bool module_code_key_accepted(char32_t key) {
    return (key >= U'0' && key <= U'9') || (key >= U'A' && key <= U'Z') || (key >= U'a' && key <= U'z');
}

} // namespace zep
