// zep: the command-line front door of Lite_KORT_ZEP. usage() below lists every command with its
// arguments; the README's list of commands is a copy of it, which the zep_usage_in_readme test keeps
// equal to what `zep --help` prints.
#include "commands.h"

#include <csignal>
#include <cstring>
#include <iostream>
#include <map>

namespace {

// What `zep` without arguments, `zep --help` and an unknown command print: kUsage, the solve line
// with the parameters of the optimisation module as their table gives them, kUsageAfterSolve.
const char* kUsage =
    "usage: zep COMMAND [ARGUMENTS] [--workspace DIR] [--lang EXT]\n"
    "  --workspace DIR   the workspace: default the program's folder, or the user's own workspace\n"
    "                    when that folder is read-only; a missing or empty DIR is seeded\n"
    "  --lang EXT        the language shell to speak: default the locale's language, else the first\n"
    "\n"
    "Entering a task:\n"
    "  build [--yes] [--correct CODE | --from CODE] TASK.json\n"
    "                    enter a task as the wizard would, step by step with every check, and save\n"
    "                    it; --correct CODE corrects an entered task, --from CODE starts from\n"
    "                    another task's data, --yes answers the wizard's questions Yes\n"
    "  build [--yes] BOOK.xlsx|BOOK.ods|BOOK.xls\n"
    "                    the same from a workbook in the layout that export --task writes\n"
    "Solving it:\n"
    "  hand-over CODE    copy the task's input file to Solving and set status 1\n";
const char* kUsageAfterSolve =
    "                    solve every task waiting in Solving, or the one of --code, with these\n"
    "                    parameters of the optimisation module; --threads 0: one per core\n"
    "  take-over CODE    copy the task's solution to Data, clear Solving and set status 2\n"
    "Reading the solution:\n"
    "  show CODE [--variant N] [--json]\n"
    "                    the solution view of a solved task: parameters, variant and schedule\n"
    "                    (variant 1 unless --variant)\n"
    "  show --task CODE [--json]\n"
    "                    the task view of a task of the register\n"
    "  print CODE OUT.pdf [--variant N] [--task]\n"
    "                    the printout of the solution view with the Gantt and time-cost\n"
    "                    charts, or of the task view, as a PDF file (where zep is built with\n"
    "                    the windows)\n"
    "  export CODE OUT.xlsx [--variant N] [--task] [--derived]\n"
    "                    the solution view as a workbook; --task: the task's input data in the\n"
    "                    layout build reads; --derived: the task derived from the variant, its\n"
    "                    chosen variants marked\n"
    "  exact CODE [--variant N] [--time-limit S] [--json]\n"
    "                    the exact optimum of every computed variant (or of one) beside the\n"
    "                    optimiser's answer; S: the MIP's time limit in seconds, default 10\n"
    "  frontier CODE [--time-limit S] [--json]\n"
    "                    the exact time-cost curve with the computed variants beside it\n"
    "The workspace:\n"
    "  list              print the task register\n"
    "  delete CODE       delete every file of the task and its register entry (not a demo task)\n"
    "  dump FILE         print as JSON a language shell file, the task register, a task file\n"
    "                    (zep_XXXXXX.dat), a solver input file (zep_XXXXXX_in.dat) or a\n"
    "                    solution file (zep_XXXXXX_out.dat, its task beside it)\n"
    "  shell             print the language shell this run speaks and its file\n";

std::string usage() {
    return kUsage + std::string("  solve [--code CODE]") + zep::cli::solve_parameter_usage() +
           " [--threads N]\n" + kUsageAfterSolve;
}

} // namespace

int main(int argc, char** argv) {
    using namespace zep::cli;
    // A closed output (`zep solve | head -3`) must not end the work: writes to it fail instead, and the
    // stream stops printing.
    std::signal(SIGPIPE, SIG_IGN);
    const std::map<std::string, int (*)(const Options&)> commands = {
        {"build", cmd_build},         {"dump", cmd_dump},           {"list", cmd_list},
        {"shell", cmd_shell},         {"show", cmd_show},           {"solve", cmd_solve},
        {"hand-over", cmd_hand_over}, {"take-over", cmd_take_over}, {"delete", cmd_delete},
        {"exact", cmd_exact},         {"frontier", cmd_frontier},   {"export", cmd_export},
#ifdef ZEP_WITH_PRINT
        {"print", cmd_print},
#endif
    };
    if (argc < 2 || !std::strcmp(argv[1], "--help") || !std::strcmp(argv[1], "-h")) {
        std::cout << usage();
        return argc < 2 ? 2 : 0;
    }
    auto it = commands.find(argv[1]);
    if (it == commands.end()) {
        std::cerr << "zep: unknown command \"" << argv[1] << "\"\n" << usage();
        return 2;
    }
    Options o;
    for (int i = 2; i < argc; ++i) {
        std::string a = argv[i];
        if ((a == "--workspace" || a == "--lang") && i + 1 < argc) {
            if (a == "--workspace")
                o.workspace = argv[++i];
            else
                o.lang = argv[++i];
        } else {
            o.args.push_back(a);
        }
    }
    try {
        return it->second(o);
    } catch (const std::exception& e) {
        std::cerr << "zep: " << message_for_run(o, e) << "\n";
        return 1;
    }
}
