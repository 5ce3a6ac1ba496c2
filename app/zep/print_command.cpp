// zep print: the printout of the solution view (or, with --task, the task view) as a PDF file, as the
// print command of the window draws it.
//   zep print CODE OUT.pdf [--variant N] [--task]
#include "commands.h"

#include "common/number_text.h"
#include "views/solved_task_files.h"
#include "views/ui/printout.h"

#include <QGuiApplication>
#include <iostream>

namespace zep::cli {
namespace {

const char* kPrintUsage = "usage: zep print CODE OUT.pdf [--variant N] [--task]\n";

PrintDocument printout_of(const ViewArgs& a, const Workspace& ws, const ShellTables& shell, char sep) {
    if (a.task) {
        const TaskRecord rec = read_task_for_view(ws, a.code, shell);
        return task_printout(rec, task_view(rec, shell, sep), shell);
    }
    const SolvedTaskFiles f = read_solved_task(ws, a.code, shell);
    const int runs = static_cast<int>(f.solution.status.size());
    if (a.variant < 1 || a.variant > runs)
        throw std::out_of_range("the task has computation variants 1 to " + std::to_string(runs));
    return solution_printout(f.task, solution_view(f.task, f.solution, a.variant - 1, shell, sep), a.variant,
                             time_cost_picture(default_time_cost_sources(), f.task, f.solution, shell, sep),
                             shell, sep);
}

} // namespace

int cmd_print(const Options& o) {
    const std::optional<ViewArgs> a = parse_view_args(o.args, {.output = true});
    if (!a) {
        std::cerr << kPrintUsage;
        return 2;
    }
    const Workspace ws = cli_workspace(o);
    const LoadedShell shell = cli_shell(o, ws);
    const char sep = user_decimal_separator();
    // Fonts and the PDF writer want a GUI application; it needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "zep";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    try {
        const PrintDocument doc = printout_of(*a, ws, shell.tables, sep);
        const int pages = write_pdf(doc, QString::fromStdString(a->output));
        if (pages == 0) {
            std::cerr << "zep print: cannot write " << a->output << "\n";
            return 1;
        }
        std::cout << "printed " << pages << (pages == 1 ? " page" : " pages") << " to " << a->output << "\n";
        return 0;
    } catch (const ViewFilesError& e) {
        std::cerr << "zep: " << e.what() << " (" << e.detail << ")\n";
        return 1;
    } catch (const std::out_of_range& e) {
        std::cerr << "zep print: " << e.what() << "\n";
        return 2;
    }
}

} // namespace zep::cli
