#include "optimiser/module_texts.h"

#include "common/number_text.h"
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
    c.params[0] = join_pieces({sh.text(297), " (>=0,1 ", w, " <1,0)"});
    c.params[1] = join_pieces({sh.text(173), " (>=0,001 ", w, " <=0,1)"});
    c.params[2] = join_pieces({sh.text(185), " (>=1)"});
    c.params[3] = join_pieces({sh.text(187), " (>=10)"});
    return c;
}

ParameterSummary parameter_summary(const ShellTables& sh, const IterationParams& p, char separator) {
    ParameterSummary s;
    s.heading = join_pieces({sh.text(322), ":"});
    s.lines[0] = join_pieces({sh.label(32), " = ", format_fixed(p.relaxationCoef, 2, separator)});
    s.lines[1] = join_pieces({sh.label(15), " = ", format_fixed(p.stopCriterion, 3, separator)});
    s.lines[2] = join_pieces({sh.label(14), " = ", std::to_string(p.stopCheckSparsity)});
    s.lines[3] = join_pieces({sh.label(17), " = ", std::to_string(p.iterationLimit)});
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
    return field <= 1 && key == static_cast<unsigned char>(separator);
}

bool module_code_key_accepted(char32_t key) {
    return (key >= U'0' && key <= U'9') || (key >= U'A' && key <= U'Z') || (key >= U'a' && key <= U'z');
}

} // namespace zep
