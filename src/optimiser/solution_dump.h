#pragma once
// `zep dump` of a solution file. The file holds no counts of its own: its shape comes from the task,
// found beside it: the solver input "zep_<code>_in.dat" in the same folder (Solving), else the task
// file "zep_<code>.dat" in the same folder (Data).
#include "optimiser/solution_file.h"

#include <filesystem>
#include <string>

namespace zep {

// "zep_" + six characters + "_out.dat".
bool is_solution_file(const std::filesystem::path& path);

// The shape of a solution file from its task's files; throws FileAccessError naming what was looked
// for when neither is there, and the readers' errors.
SolutionShape solution_shape_beside(const std::filesystem::path& solutionFile);

std::string dump_solution_as_json(const std::filesystem::path& path);

} // namespace zep
