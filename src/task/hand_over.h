#pragma once
// Handing a task to the optimiser (the protocol window's unload command, the wizard's "solve at once",
// `zep hand-over`): Data/zep_<code>_in.dat is copied to Solving and the task's entry gets status 1,
// both under the register's lock (change_register), so that every other process sees both or neither.
#include "shell/task_register.h"
#include "shell/workspace.h"

#include <string>

namespace zep {

// What became of a move of a task's files between Data and Solving.
struct TaskMove {
    bool done = false;
    std::string refusal; // why nothing was done, for the user; empty when done
};

// Refused, with nothing copied or changed, when the task is not in the register, its status is not
// "entered", or its input file is missing. When the register cannot be written the copy in Solving is
// removed again and the error passes on.
TaskMove hand_over_input(const Workspace& ws, RegisterStore& reg, const std::string& code);

// The refusal for a task whose status is not the one a move needs.
std::string wrong_status_message(const std::string& code, TaskStatus status, TaskStatus needed);
std::string unregistered_task_message(const std::string& code);

} // namespace zep
