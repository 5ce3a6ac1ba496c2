#pragma once
// The factory through which the main window opens the task entry wizard.
class QWidget;

namespace zep {

class TfrmMain;

// The wizard in the open mode the main window has set (new task, new task by import, correction of
// the current task code). Nullptr when it closes at once (correction without a code) or the task to
// correct cannot be read (the message is shown; the main window is enabled again).
QWidget* open_create_task_window(TfrmMain& main);

} // namespace zep
