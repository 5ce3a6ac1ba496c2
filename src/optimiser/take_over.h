#pragma once
// Taking a task's results over (the protocol window's load command, the immediate-solve path,
// `zep take-over`): Solving/zep_<code>_out.dat is copied to Data, the entry gets status 2, and both
// Solving files of the task are deleted.
#include "shell/task_files.h"

#include <string>

namespace zep {

// Refused, with nothing copied, deleted or registered, when the task is not in the register or not
// "handed over", when there is no solution file, when an optimisation run is solving the task at this
// moment, or when the solution does not read with its task file as the solution view reads it (the
// reader's message). The copy and the status change are made under the register's lock; a copy whose
// status cannot be written is undone.
TaskMove take_over_solution(const Workspace& ws, RegisterStore& reg, const std::string& code);

} // namespace zep
