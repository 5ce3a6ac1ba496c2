#pragma once
// How a task is named: the capacities of its code and name, which the register and the task files
// share, and the names of its data files, all made from the code.
#include <cstddef>
#include <string>
#include <string_view>

namespace zep {

inline constexpr std::size_t kTaskCodeCapacity = 6;
inline constexpr std::size_t kTaskNameCapacity = 70;

// The data files of a task: "zep_<code>.dat" (the task), "zep_<code>_in.dat" (the solver input),
// "zep_<code>_out.dat" (the solution).
enum class TaskFile { Task, SolverInput, Solution };

std::string task_file_name(std::string_view code, TaskFile file);

// True when `name` is "zep_" + six characters + the ending of `file`.
bool is_task_file_name(std::string_view name, TaskFile file);

// The six characters of the code in a name for which is_task_file_name holds.
std::string task_code_of_file_name(std::string_view name);

// "zep_<code>.<extension>": the name offered for a printout or an export of the task.
std::string exported_file_name(std::string_view code, std::string_view extension);

} // namespace zep
