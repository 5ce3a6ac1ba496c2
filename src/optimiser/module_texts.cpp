#include "optimiser/module_texts.h"

#include "common/text_join.h"
#include "optimiser/optimiser_text.h"

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
    c.window = optimiser_text(sh, OptimiserText::Window);
    c.modeHeading = join_pieces({optimiser_text(sh, OptimiserText::ChooseMode), ":"});
    c.batch = optimiser_text(sh, OptimiserText::Batch);
    c.individual = optimiser_text(sh, OptimiserText::Individual);
    c.codePrompt = join_pieces({optimiser_text(sh, OptimiserText::EnterCode), ":"});
    c.next = optimiser_text(sh, OptimiserText::Next);
    c.start = optimiser_text(sh, OptimiserText::Start);
    c.running = optimiser_text(sh, OptimiserText::Running);
    c.reset = optimiser_text(sh, OptimiserText::Reset);
    c.exit = optimiser_text(sh, OptimiserText::Exit);
    c.stop = optimiser_text(sh, OptimiserText::Stop);
    c.stopQuestion = optimiser_text(sh, OptimiserText::StopQuestion);
    c.paramHeading = join_pieces({optimiser_text(sh, OptimiserText::EnterParameters), ":"});
    const std::string w = trimmed(task_text(sh, TaskText::And)); // the word joining two bounds
    for (RunParameterId id : kRunParameterIds) {
        const RunParameter& rp = kRunParameters[id];
        const ParameterRange& r = rp.run;
        c.params[id] = r.has_upper()
                           ? join_pieces({optimiser_text(sh, rp.caption), " (>=", rp.lowerText, " ", w, " ",
                                          r.upperInclusive ? "<=" : "<", rp.upperText, ")"})
                           : join_pieces({optimiser_text(sh, rp.caption), " (>=", rp.lowerText, ")"});
    }
    return c;
}

ParameterSummary parameter_summary(const ShellTables& sh, const IterationParams& p, char separator) {
    ParameterSummary s;
    s.heading = join_pieces({optimiser_text(sh, OptimiserText::SchemeParameters), ":"});
    for (RunParameterId id : kRunParameterIds) {
        const RunParameter& rp = kRunParameters[id];
        s.lines[id] = join_pieces({sh.label(rp.summaryLabel), " = ",
                                   parameter_value_text(rp, p[id], rp.summaryDecimals, separator)});
    }
    return s;
}

std::string task_to_solve_line(const ShellTables& sh, const std::string& code) {
    return join_pieces({optimiser_text(sh, OptimiserText::TaskToSolve), " - \"", code, "\"."});
}

std::string batch_progress_text(const ShellTables& sh, int number, int count) {
    return join_pieces({optimiser_text(sh, OptimiserText::Task), " ", std::to_string(number), " ",
                        optimiser_text(sh, OptimiserText::Of), " ", std::to_string(count)});
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
