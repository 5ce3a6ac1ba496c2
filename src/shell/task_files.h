#pragma once
// The files a task can have in a workspace. What moves them (hand-over, take-over, deletion) is in
// shell/user_operations.h.
#include "common/workspace_layout.h"

#include <filesystem>
#include <string>
#include <vector>

namespace zep {

// Every file a task can have: Data/zep_<code>.dat, _in.dat, _out.dat and Solving/zep_<code>_in.dat,
// _out.dat, in this order.
std::vector<std::filesystem::path> task_files(const Workspace& ws, const std::string& code);

} // namespace zep
