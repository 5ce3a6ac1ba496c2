#pragma once
// What the views read: the task file and the stored solution in Data.
#include "common/shell_tables.h"
#include "common/workspace_layout.h"
#include "optimiser/solution_file.h"
#include "task/task_record.h"

#include <stdexcept>
#include <string>
#include <string_view>

namespace zep {

// Data/zep_<code>_out.dat.
std::filesystem::path stored_solution_path(const Workspace& ws, std::string_view code);

// A task or solution file that is missing or does not read. `what()` is the views' warning (text 94
// followed by "."); `detail` says which file and why.
class ViewFilesError : public std::runtime_error {
public:
    ViewFilesError(const std::string& warning, std::string detail)
        : std::runtime_error(warning), detail(std::move(detail)) {}
    std::string detail;
};

std::string views_warning(const ShellTables& shell);

struct SolvedTaskFiles {
    TaskRecord task;
    Solution solution;
};

// Reads the task file and, laid out by it, the stored solution. Throws ViewFilesError.
TaskRecord read_task_for_view(const Workspace& ws, std::string_view code, const ShellTables& shell);
SolvedTaskFiles read_solved_task(const Workspace& ws, std::string_view code, const ShellTables& shell);

} // namespace zep
