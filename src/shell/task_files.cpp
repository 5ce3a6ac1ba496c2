#include "shell/task_files.h"

namespace fs = std::filesystem;

namespace zep {

std::vector<fs::path> task_files(const Workspace& ws, const std::string& code) {
    return {ws.data_file(code, TaskFile::Task), ws.data_file(code, TaskFile::SolverInput),
            ws.data_file(code, TaskFile::Solution), ws.solving_file(code, TaskFile::SolverInput),
            ws.solving_file(code, TaskFile::Solution)};
}

} // namespace zep
