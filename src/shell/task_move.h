#pragma once
// What became of a move of a task's files between Data and Solving (shell/user_operations.h): done, or
// the refusal that says why nothing was done. The edges word it with move_refusal_text
// (shell/register_texts.h).
#include "common/outcome.h"
#include "shell/task_register.h"

#include <filesystem>
#include <optional>
#include <string>

namespace zep {

enum class MoveRefusal {
    Unregistered,       // the task is not in the register; subject: its code
    WrongStatus,        // subject: the code; value: the task's status, limit: the status the move needs
    MissingFile,        // a file the move needs is missing; subject: its path
    BeingSolved,        // an optimisation run is solving the task; subject: its code
    SolutionUnreadable, // the solution does not read with its task file; subject: the reader's message
};

using TaskMove = Outcome<MoveRefusal>;

// The first refusal that a move of task `code` meets when it needs the status `needed` and the file
// `file`: not in the register, another status, the file missing. Nothing when none.
std::optional<Refusal<MoveRefusal>> move_refusal(const TaskRegister& r, const std::string& code,
                                                 TaskStatus needed, const std::filesystem::path& file);

} // namespace zep
