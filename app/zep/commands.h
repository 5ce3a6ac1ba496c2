#pragma once
// The subcommands of `zep`, one function each (usage() in main.cpp lists them). Each prints what it
// gives to the standard output and why it refuses or fails to the standard error, and returns the exit
// status: 0 done, 1 refused or failed, 2 arguments it does not take.
#include "shell/startup.h"

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace zep::cli {

struct Options {
    std::optional<std::filesystem::path> workspace;
    std::optional<std::string> lang;
    std::vector<std::string> args; // what follows the subcommand, options removed
};

// The workspace and the shell of a run: --workspace, else the program folder (or the user's own); --lang EXT,
// else the locale's language, else the first shell found. Throws with a message for the user.
Workspace cli_workspace(const Options& o);
LoadedShell cli_shell(const Options& o, const Workspace& ws);
// The message of an error that ends a command: a refusal of the task register in the words of the run's
// shell (when one loads), anything else as it is.
std::string message_for_run(const Options& o, const std::exception& e);

int cmd_dump(const Options& o);
int cmd_shell(const Options& o);
int cmd_list(const Options& o);
// The optimisation run and the register moves of a task (optimiser_commands.cpp).
int cmd_solve(const Options& o);
// The parameter options of solve with their defaults: " [--okr 0.9] [--ko 0.005] [--kr 5] [--lchi 3000]".
std::string solve_parameter_usage();
int cmd_hand_over(const Options& o);
int cmd_take_over(const Options& o);
int cmd_delete(const Options& o);

// The task entry wizard without its window (build_command.cpp).
int cmd_build(const Options& o);

// The solution view or the task view as text or JSON (show_command.cpp).
int cmd_show(const Options& o);

// What the view commands take: CODE, then (print, export) the output file, --variant N (default 1),
// --task for the task view, and where the command has them --json and --derived.
struct ViewArgs {
    std::string code;
    std::string output;
    bool task = false;
    bool json = false;
    bool derived = false;
    int variant = 1;
};
struct ViewArgsAllowed {
    bool json = false;
    bool derived = false;
    bool output = false;
};
std::optional<ViewArgs> parse_view_args(const std::vector<std::string>& args, ViewArgsAllowed allowed);

// The spreadsheet export of the solution or task view as an .xlsx workbook (export_command.cpp).
int cmd_export(const Options& o);

#ifdef ZEP_WITH_PRINT
// The printout of the solution or task view as a PDF file (print_command.cpp, with the desktop program).
int cmd_print(const Options& o);
#endif

// The exact optimum beside the optimiser's answer, and the exact time-cost curve (exact_commands.cpp).
int cmd_exact(const Options& o);
int cmd_frontier(const Options& o);

} // namespace zep::cli
