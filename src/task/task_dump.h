#pragma once
// JSON images of the task file and the solver input file for `zep dump`, every field by its record
// name.
#include <filesystem>
#include <string>

namespace zep {

// "zep_XXXXXX.dat" and "zep_XXXXXX_in.dat" (six characters of the task code).
bool is_task_file(const std::filesystem::path& path);
bool is_solver_input_file(const std::filesystem::path& path);

// Read the file and return its JSON; the readers' errors pass through.
std::string dump_task_file_as_json(const std::filesystem::path& path);
std::string dump_solver_input_as_json(const std::filesystem::path& path);

} // namespace zep
