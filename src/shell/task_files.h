#pragma once
// The register operations that move a task's files between Data and Solving: handing its input to the
// optimiser (unload) and deleting a task with every file it has, each under the register's lock
// together with its register change. Taking the optimiser's results over (load) reads the solution with
// its task first: optimiser/take_over.h.
#include "shell/task_register.h"
#include "shell/workspace.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace zep {

// What became of a move of a task's files between Data and Solving.
struct TaskMove {
    bool done = false;
    std::string refusal; // why nothing was done, for the user; empty when done
};

// Handing a task to the optimiser (the protocol window's unload command, the wizard's "solve at once",
// `zep hand-over`): Data/zep_<code>_in.dat is copied to Solving and the entry gets status 1, both under
// the register's lock (change_register), so that every other process sees both or neither. Refused, with
// nothing copied or changed (`refusal` in the words of the store's shell), when the task is not in the
// register, its status is not "entered", or its input file is missing. When the register cannot be written
// the copy in Solving is removed again and the error passes on. Taking the results over:
// optimiser/take_over.h.
TaskMove hand_over_input(const Workspace& ws, RegisterStore& reg, const std::string& code);

// The refusals of a move, in the words of the store's shell: shell/register_texts.h.

// Every file a task can have: Data/zep_<code>.dat, _in.dat, _out.dat and Solving/zep_<code>_in.dat,
// _out.dat, in this order.
std::vector<std::filesystem::path> task_files(const Workspace& ws, const std::string& code);

// Under the register's lock: deletes every file of the task that exists, then removes its entry. A file
// that is already gone is skipped; one that cannot be deleted throws FileAccessError before the register
// changes.
void delete_task(const Workspace& ws, RegisterStore& reg, const std::string& code);

} // namespace zep
