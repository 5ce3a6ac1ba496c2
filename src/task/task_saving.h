#pragma once
// Saving a task (`WriteFile`): the last step of the task entry wizard writes both task data files and
// registers the task.
#include "shell/open_mode.h"
#include "shell/task_register.h"
#include "shell/workspace.h"
#include "task/task_record.h"

#include <string_view>

namespace zep {

// Copies the working chain counts into the header, writes Data/zep_<code>.dat and
// Data/zep_<code>_in.dat (each atomically), then updates the register: for a new task (EntryMode::NewTask,
// EntryMode::ImportTask) the task is added, for a correction (EntryMode::CorrectTask) its entry is updated.
// Both images are built before anything is written, so a record unfit to be written (std::invalid_argument)
// or a text outside Windows-1251 (TextEncodingError) leaves the files and the register untouched.
// The wizard window and `zep build` both save through here. Under the register's lock (change_register),
// on the register as it is on disk at that moment (other processes may have changed it since the wizard
// opened; their entries stay): the files are written, then the register is changed. When the register
// cannot be written, or the lock stays taken for the whole wait (RegisterBusy), both files are put back as
// they were (a new task leaves none) and the error passes on. The register never holds a code twice: a
// new task whose code another process registered meanwhile is not saved (false, nothing written), and a
// corrected task that lost its entry is added again. `shellFileName` is the language shell file in use.
bool save_task(TaskRecord& rec, const Workspace& ws, EntryMode mode, RegisterStore& reg,
               std::string_view shellFileName);

} // namespace zep
