#pragma once
// What the task selection dialog and the protocol window show of the register, and the rules of their
// buttons: the task lines, the key/value rows of a task, which tasks a selection offers, which of the
// protocol window's commands a task allows, and where the selection goes after a delete.
#include "shell/open_mode.h"
#include "shell/shell_file.h"
#include "shell/task_register.h"
#include "shell/workspace.h"

#include <cstddef>
#include <string>
#include <vector>

namespace zep {

// "[" + code + "] " + name: a line of the selection dialog's list and of the protocol window's list.
std::string task_line(const RegisterEntry& entry);

// The register entries (indices, in register order) a selection offers: every task to view its input,
// the solved ones (status 2) to view a solution, the entered ones (status 0) to correct.
std::vector<std::size_t> offered_entries(const TaskRegister& reg, SelectionPurpose purpose);

// A row of the protocol window's grid: the key (a shell text) and either a text or a date-time value,
// which the window shows in the user's date and time format.
struct ProtocolRow {
    std::string key;
    std::string text;
    double date = 0;
    bool isDate = false;
};
// The name of a status: text 490 (entered), 296 (handed over), 145 (solved); an unknown one as its number.
std::string status_text(const ShellTables& shell, TaskStatus status);

// Code, name, status, created, modified; unloaded from status 1 on; solved with status 2.
std::vector<ProtocolRow> protocol_rows(const RegisterEntry& entry, const ShellTables& shell);

// Demo tasks (codes containing "DEMR" or "DEME") cannot be deleted.
bool is_demo_task(const std::string& code);

// The protocol window's commands for a task.
struct ProtocolCommands {
    bool canDelete = false; // not a demo task
    bool canUnload = false; // status 0
    bool canLoad = false;   // status 1 and Solving/zep_<code>_out.dat exists
};
ProtocolCommands protocol_commands(const RegisterEntry& entry, const Workspace& ws);

// The confirmation before a delete: text 67 + " \"" + the first 50 characters of the name + "\"?".
std::string delete_question(const ShellTables& shell, const std::string& name);

// The line selected after line `deleted` was removed from a list that now has `remaining` lines: the
// same position, or the new last line; -1 when the list is empty.
int selection_after_delete(int deleted, int remaining);

} // namespace zep
