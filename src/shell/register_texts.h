#pragma once
// The refusals of the task register and of the moves of a task's files in the words of the run's shell
// (texts 573 to 592): a register of another program or version, a damaged register, a lock given up
// after the wait, a task the register lacks or whose status does not allow the move, a missing file.
//
// A shell that lacks these texts (one made for an earlier edition, or none loaded yet at the start) gets
// the fixed English messages that the register's exceptions carry.
#include "shell/shell_file.h"
#include "shell/task_move.h"
#include "shell/task_register.h"

#include <exception>
#include <filesystem>
#include <string>

namespace zep {

// True when `shell` has every text these messages are made of.
bool has_register_texts(const ShellTables& shell);

// The refusal as one or more sentences, each ending with a full stop:
//   text 573 "path" text 574.                                     another program's file
//   text 573 "path" text 575 (text 576 1.12.240, text 577 1.12.241).   another version
//   text 573 "path" text 575 (text 578 8, 49, ..., text 577 1.12.241). a damaged version field
//   text 573 "path" text 579 N.                                   damaged at byte N
//   text 573 "path" text 580 15 text 581. text 583. text 584.      the lock given up after 15 s
std::string register_refusal_text(const ShellTables& shell, const RegisterRefusal& refusal);

// The message of `e` for the user: in the words of `shell` when `e` is a refusal of the register and the
// shell has the texts, else e.what().
std::string message_in_words_of(const ShellTables* shell, const std::exception& e);

// The ending of a refusal at the start of a run, which then ends: text 585 + ".".
std::string register_left_as_it_is(const ShellTables* shell);
// A register that was missing and was created empty at the start: text 573 "path" text 586.
std::string register_created_note(const ShellTables* shell, const std::filesystem::path& file);

// The refusals of a move of a task's files; each ends with text 583 + ".":
//   text 587 "CODE".                                       not in the register
//   text 143 "CODE" text 588 "status", text 589 "needed".  the wrong status (texts 490, 296, 145)
//   text 590 "path".                                       a file the move needs is missing
//   text 143 "CODE" text 591.                              an optimisation run is solving the task
std::string unregistered_task_message(const ShellTables* shell, const std::string& code);
std::string wrong_status_message(const ShellTables* shell, const std::string& code, TaskStatus status,
                                 TaskStatus needed);
std::string missing_file_message(const ShellTables* shell, const std::filesystem::path& file);
std::string task_being_solved_message(const ShellTables* shell, const std::string& code);
// A solution that does not read: the reader's message, then text 592 + ".".
std::string solution_not_taken_over_message(const ShellTables* shell, const std::string& readerMessage);
// A refused move of a task's files in the words above: the one wording of every edge that moves a task.
std::string move_refusal_text(const ShellTables* shell, const Refusal<MoveRefusal>& refusal);

} // namespace zep
