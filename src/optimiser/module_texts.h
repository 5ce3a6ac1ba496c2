#pragma once
// The captions of the optimisation module's window and of `zep solve`'s summary, from the shell: the
// fixed captions of its steps, the four parameter captions with their ranges, the summary of the
// accepted parameters and the line naming the task of an individual run.
#include "common/shell_tables.h"
#include "optimiser/path_problem.h"

#include <array>
#include <string>

namespace zep {

struct ModuleCaptions {
    std::string window;                // text 504
    std::string modeHeading;           // Label0: text 75 + ":"
    std::string batch;                 // Label0_1: text 315
    std::string individual;            // Label0_2: text 166
    std::string codePrompt;            // Label1: text 52 + ":"
    std::string next;                  // BNext1, BNext2, BNext3: text 93
    std::string start;                 // BStart: text 3
    std::string running;               // BStart during the run: text 385
    std::string reset;                 // BReset: text 505
    std::string exit;                  // BEnd: text 506
    std::string stop;                  // BStop: text 527
    std::string stopQuestion;          // closing during a run: text 529
    std::string paramHeading;          // LOPRM: text 45 + ":"
    std::array<std::string, 4> params; // LOPT1 to LOPT4: the caption and its range
};
ModuleCaptions module_captions(const ShellTables& shell);

// The accepted parameters: LOPRM := text 322 + ":", LOPT1 to LOPT4 := "ОКР = 0,90" and so on.
struct ParameterSummary {
    std::string heading;
    std::array<std::string, 4> lines;
};
ParameterSummary parameter_summary(const ShellTables& shell, const IterationParams& p, char separator);

// Label1 after the code step: text 487 + " - \"" + code + "\".".
std::string task_to_solve_line(const ShellTables& shell, const std::string& code);

// The bar over the tasks of a batch: text 143 + " " + number + " " + text 159 + " " + count ("Задача 2 из
// 3").
std::string batch_progress_text(const ShellTables& shell, int number, int count);

// The key filters of the parameter edits (0 to 3: ОКР, КО, КР, ЛЧИ): backspace and the digits pass
// everywhere, the decimal separator in ОКР and КО only.
bool parameter_key_accepted(int field, char32_t key, char separator);

// The code edit takes exactly six Latin letters or digits; a letter is shown in upper case.
inline constexpr int kModuleCodeLength = 6;
bool module_code_key_accepted(char32_t key);

} // namespace zep
