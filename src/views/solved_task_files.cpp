#include "views/solved_task_files.h"

#include "task/task_file.h"

#include <exception>

namespace zep {

std::filesystem::path stored_solution_path(const Workspace& ws, std::string_view code) {
    return ws.data() / ("zep_" + std::string(code) + "_out.dat");
}

SolutionShape solution_shape_of(const TaskRecord& rec) {
    SolutionShape s;
    s.runs = rec.header.thresholdCount;
    for (const ChainRec& ch : rec.chains)
        s.opCounts.push_back(ch.opCount);
    s.hasUnavailableResources = rec.header.hasUnavailableResources == 1;
    return s;
}

std::string views_warning(const ShellTables& shell) {
    return shell.text(94) + ".";
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
        f.solution = read_solution_file(stored_solution_path(ws, code), solution_shape_of(f.task));
    } catch (const std::exception& e) {
        throw ViewFilesError(views_warning(shell), e.what());
    }
    return f;
}

} // namespace zep
