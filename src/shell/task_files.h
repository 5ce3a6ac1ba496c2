#pragma once
// The register operations that move a task's files between Data and Solving: handing its input to the
// optimiser (unload), taking the optimiser's results over (load) and deleting a task with every file it
// has. Each calls `record` for the register's side once the files are in place, so that the caller
// changes the register in the way it keeps it.
#include "shell/workspace.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace zep {

// Copies Data/zep_<code>_in.dat to Solving and calls `record` (status 1, unloaded now). False, doing
// nothing, when the input file does not exist.
bool hand_over_input(const Workspace& ws, const std::string& code, const std::function<void()>& record);

// Copies Solving/zep_<code>_out.dat to Data, calls `record` (status 2, solved now) and deletes both
// Solving files of the task. False, doing nothing, when there is no solution file.
bool take_over_solution(const Workspace& ws, const std::string& code, const std::function<void()>& record);

// Every file a task can have: Data/zep_<code>.dat, _in.dat, _out.dat and Solving/zep_<code>_in.dat,
// _out.dat, in this order.
std::vector<std::filesystem::path> task_files(const Workspace& ws, const std::string& code);

// Deletes every file of the task that exists, then calls `record` (the entry removed). A file that is
// already gone is skipped; one that cannot be deleted throws FileAccessError before the register
// changes.
void delete_task(const Workspace& ws, const std::string& code, const std::function<void()>& record);

} // namespace zep
