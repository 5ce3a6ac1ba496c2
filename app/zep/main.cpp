// zep: the command-line front door of Lite_KORT_ZEP.
//   zep build TASK.json | BOOK.xlsx  enter a task without the wizard window (--correct CODE, --from CODE,
//   --yes) zep dump FILE                 a shell file, the task register, a task file or a solver input file
//   as JSON zep list [--workspace DIR]    the task register zep shell [--lang EXT]        the language shell
//   a run uses zep show CODE [--variant N] [--json] | --task CODE   what the solution or task view shows zep
//   solve [--code CODE] [--okr 0.9] [--ko 0.005] [--kr 5] [--lchi 3000] [--threads N]
//                                 solve the tasks waiting in Solving (all of them, or one by its code)
//   zep hand-over CODE            copy a task's input file to Solving (status 1)
//   zep take-over CODE            copy a task's solution to Data and clear Solving (status 2)
//   zep delete CODE               delete a task: every file of it and its register entry
//   zep print CODE OUT.pdf [--variant N] [--task]   the printout of a view as a PDF file
//   zep export CODE OUT.xlsx [--variant N] [--task] [--derived]   a view as a workbook
// Common options: --workspace DIR (default: the program's folder, or the user's own workspace when that
// is read-only), --lang EXT (the shell to speak).
#include "commands.h"

#include <csignal>
#include <cstring>
#include <iostream>
#include <map>

namespace {

const char* kUsage =
    "usage: zep COMMAND [--workspace DIR] [--lang EXT] ...\n"
    "commands:\n"
    "  build TASK.json   enter a task as the wizard would, from a JSON description;\n"
    "              --correct CODE corrects an entered task, --from CODE starts from another\n"
    "              task's data, BOOK.xlsx|.ods|.xls imports a workbook; --yes answers Yes\n"
    "  dump FILE   print a language shell file, the task register, a task file\n"
    "              (zep_XXXXXX.dat) or a solver input file (zep_XXXXXX_in.dat) as JSON\n"
    "  list        print the task register\n"
    "  shell       print the language shell this run speaks (--lang EXT, else the locale's)\n"
    "  exact CODE  the exact optimum of every computed variant beside the optimiser's answer:\n"
    "              --variant N, --time-limit S (the MIP's, default 10), --json\n"
    "  frontier CODE   the exact time-cost curve with the computed variants beside it;\n"
    "              --time-limit S, --json\n"
    "  show CODE   the solution view of a solved task: parameters, variant and schedule;\n"
    "              --variant N (default 1), --json; show --task CODE: the task view\n"
    "  solve       solve every task waiting in Solving, or one: --code CODE; parameters\n"
    "              --okr 0.9 --ko 0.005 --kr 5 --lchi 3000, --threads N (0: one per core)\n"
    "  hand-over CODE   copy the task's input file to Solving and set status 1\n"
    "  take-over CODE   copy the task's solution to Data, clear Solving, set status 2\n"
    "  delete CODE      delete every file of the task and its register entry (not a demo task)\n"
    "  print CODE OUT.pdf   the printout of the solution view as a PDF file, with the Gantt\n"
    "              chart; --variant N (default 1); print --task: the task view\n"
    "  export CODE OUT.xlsx   the solution view as a workbook; --variant N (default 1);\n"
    "              export --task: the task's input data in the layout the import reads;\n"
    "              --derived: the task derived from the variant, its chosen variants marked\n"
    "  (dump also prints a solution file zep_XXXXXX_out.dat, its task beside it)\n";

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
        std::cout << kUsage;
        return argc < 2 ? 2 : 0;
    }
    auto it = commands.find(argv[1]);
    if (it == commands.end()) {
        std::cerr << "zep: unknown command \"" << argv[1] << "\"\n" << kUsage;
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
        std::cerr << "zep: " << e.what() << "\n";
        return 1;
    }
}
