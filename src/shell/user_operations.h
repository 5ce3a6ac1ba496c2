#pragma once
// The user's operations on the task register: saving an entered task, handing its input to the
// optimiser, solving it at once, taking its results over and deleting it. Each changes the task's files
// and its register entry together, under the register's lock (change_register), so that every other
// process sees both or neither. The windows and `zep` call these; a refusal is worded in the store's
// shell (shell/register_texts.h).
#include "common/workspace_layout.h"
#include "optimiser/run_control.h"
#include "shell/open_mode.h"
#include "shell/register_texts.h" // move_refusal_text words a refused TaskMove
#include "shell/task_move.h"
#include "shell/task_register.h"
#include "task/task_record.h"

#include <string>
#include <string_view>

namespace zep {

// Saving a task (`WriteFile`), the last step of the task entry wizard (its window and `zep build`).
// Copies the working chain counts into the header, writes Data/zep_<code>.dat and
// Data/zep_<code>_in.dat (each atomically), then updates the register: for a new task (EntryMode::NewTask,
// EntryMode::ImportTask) the task is added, for a correction (EntryMode::CorrectTask) its entry is updated.
// Both images are built before anything is written, so a record unfit to be written (std::invalid_argument)
// or a text outside Windows-1251 (TextEncodingError) leaves the files and the register untouched.
// Under the register's lock, on the register as it is on disk at that moment (other processes may have
// changed it since the wizard opened; their entries stay): the files are written, then the register is
// changed. When the register cannot be written, or the lock stays taken for the whole wait
// (RegisterBusy), both files are put back as they were (a new task leaves none) and the error passes on.
// The register never holds a code twice: a new task whose code another process registered meanwhile is
// not saved (false, nothing written), and a corrected task that lost its entry is added again.
// `shellFileName` is the language shell file in use.
bool save_task(TaskRecord& rec, const Workspace& ws, EntryMode mode, RegisterStore& reg,
               std::string_view shellFileName);

// Handing a task to the optimiser (the protocol window's unload command, the wizard's "solve at once",
// `zep hand-over`): Data/zep_<code>_in.dat is copied to Solving and the entry gets status 1. Refused, with
// nothing copied or changed, when the task is not in the register, its status is not "entered", or its
// input file is missing. When the register cannot be written the copy in Solving is removed again and
// the error passes on.
TaskMove hand_over_input(const Workspace& ws, RegisterStore& reg, const std::string& code);

// Taking a task's results over (the protocol window's load command, the optimisation module, the
// immediate solve, `zep take-over`): Solving/zep_<code>_out.dat is copied to Data, the entry gets status
// 2, and both Solving files of the task are deleted. Refused, with nothing copied, deleted or registered,
// when the task is not in the register or not "handed over", when there is no solution file, when an
// optimisation run is solving the task at this moment, or when the solution does not read with its task
// file as the solution view reads it (the reader's message). A copy whose status cannot be written is
// undone.
TaskMove take_over_solution(const Workspace& ws, RegisterStore& reg, const std::string& code);

// The immediate solve: the task the wizard has just saved and handed over is solved at once with the
// default parameters (individual mode), and its solution is taken over when it was written.
TaskRunOutcome solve_immediately(RunSetup setup, const std::string& code, RunListener* listener,
                                 RegisterStore& reg);

// Deletes every file of the task that exists (task_files), then removes its entry. A file that is
// already gone is skipped; one that cannot be deleted throws FileAccessError before the register changes.
void delete_task(const Workspace& ws, RegisterStore& reg, const std::string& code);

} // namespace zep
