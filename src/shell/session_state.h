#pragma once
// The state that the main window holds for the whole run and every other window reads and writes.
#include "shell/open_mode.h"
#include "shell/shell_file.h"
#include "shell/task_register.h"
#include "shell/workspace.h"

#include <optional>
#include <string>

namespace zep {

struct SessionState {
    std::string shellFileName;   // loaded shell, at most 25 characters
    Workspace workspace;         // the program folder
    std::string currentTaskCode; // last picked in the task selection dialog
    int immediateSolve = 0;      // 1: the wizard has just saved a task to solve at once
    std::string immediateSolveCode;
    ShellTables shell;   // label, text and list tables
    int derivedTask = 0; // 1 while a task view opens the task derived from a solution
    int currentSolutionTab = 0;
    std::optional<RegisterStore> taskRegister;
    OpenMode openMode;
    char decimalSeparator = ',';

    const std::string& text(int n) const { return shell.text(n); }
    const std::string& label(int k) const { return shell.label(k); }
};

} // namespace zep
