#include "views/solved_task_files.h"

#include "task/task_file.h"
#include "views/view_text.h"

#include <exception>

namespace zep {

std::filesystem::path stored_solution_path(const Workspace& ws, std::string_view code) {
    return ws.data_file(code, TaskFile::Solution);
}

std::string views_warning(const ShellTables& shell) {
    return view_text(shell, ViewText::FilesUnreadable) + ".";
}

TaskRecord read_task_for_view(const Workspace& ws, std::string_view code, const ShellTables& shell) {
    TaskRecord rec;
    try {
        read_task_file(rec, ws, code);
    } catch (const std::exception& e) {
        throw ViewFilesError(views_warning(shell), e.what());
    }
    return rec;
}

SolvedTaskFiles read_solved_task(const Workspace& ws, std::string_view code, const ShellTables& shell) {
    SolvedTaskFiles f;
    f.task = read_task_for_view(ws, code, shell);
    try {
        f.solution = read_solution_of_task(stored_solution_path(ws, code), f.task);
    } catch (const std::exception& e) {
        throw ViewFilesError(views_warning(shell), e.what());
    }
    return f;
}

} // namespace zep
