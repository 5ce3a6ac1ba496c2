// zep export: the spreadsheet export of the solution view (or, with --task, the task view; with
// --derived, the task derived from the variant) as an .xlsx workbook, as the window's export writes it.
//   zep export CODE OUT.xlsx [--variant N] [--task] [--derived]
#include "commands.h"

#include "common/number_text.h"
#include "views/derived_task.h"
#include "views/solved_task_files.h"
#include "views/spreadsheet_export.h"
#include "views/view_text.h"

#include <iostream>

namespace zep::cli {
namespace {

const char* kExportUsage = "usage: zep export CODE OUT.xlsx [--variant N] [--task] [--derived]\n";

ExportWorkbook workbook_of(const ViewArgs& a, const Workspace& ws, const ShellTables& shell, char sep) {
    if (a.task && !a.derived) {
        const TaskRecord rec = read_task_for_view(ws, a.code, shell);
        return task_workbook(rec, task_view(rec, shell, sep), shell, sep);
    }
    const SolvedTaskFiles f = read_solved_task(ws, a.code, shell);
    const int runs = static_cast<int>(f.solution.status.size());
    if (a.variant < 1 || a.variant > runs)
        throw std::out_of_range("the task has computation variants 1 to " + std::to_string(runs));
    if (!a.derived)
        return solution_workbook(solution_view(f.task, f.solution, a.variant - 1, shell, sep));
    const TaskHeader& h = f.task.header;
    const TaskViewContent view = task_view(f.task, shell, sep, derived_task_code(h.taskCode),
                                           derived_task_name(h.taskCode, a.variant, h.taskName));
    const auto marks = derived_marks(f.task, f.solution.variantChoice[a.variant - 1]);
    return task_workbook(f.task, view, shell, sep, &marks);
}

} // namespace

int cmd_export(const Options& o) {
    const std::optional<ViewArgs> a = parse_view_args(o.args, {.derived = true, .output = true});
    if (!a) {
        std::cerr << kExportUsage;
        return 2;
    }
    const Workspace ws = cli_workspace(o);
    const LoadedShell shell = cli_shell(o, ws);
    const char sep = user_decimal_separator();
    try {
        write_workbook(a->output, workbook_of(*a, ws, shell.tables, sep));
        std::cout << "exported to " << a->output << "\n";
        return 0;
    } catch (const ViewFilesError& e) {
        std::cerr << "zep: " << e.what() << " (" << e.detail << ")\n";
        return 1;
    } catch (const ExportError& e) {
        std::cerr << "zep export: " << view_text(shell.tables, ViewText::ExportFailed) << "... (" << e.what()
                  << ")\n";
        return 1;
    } catch (const std::out_of_range& e) {
        std::cerr << "zep export: " << e.what() << "\n";
        return 2;
    }
}

} // namespace zep::cli
