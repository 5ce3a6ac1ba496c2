#pragma once
// The tasks a workspace ships with (the demo tasks), brought into another workspace with their files.
#include "shell/workspace.h"

#include <string>
#include <vector>

namespace zep {

// Brings every task of the `shipped` register into `ws`. A task that `ws` does not have, or has in an
// older copy (created earlier than the shipped one), is taken over whole: its register entry and its
// files in Data and Solving, a file the shipped copy lacks being removed. Every other task of `ws`
// stays as it is, so that a user's own tasks and the progress made on a shipped task survive until a
// newer shipped copy replaces it. Returns the codes taken over, in the shipped register's order.
std::vector<std::string> bring_in_shipped_tasks(const Workspace& ws, const Workspace& shipped);

} // namespace zep
