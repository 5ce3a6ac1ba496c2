#pragma once
// The workspace of a run that names none: the program folder when the user may write there (a build
// folder, a copy of the program), else the user's own folder (an installed program), seeded from the
// program folder on first use: its shells, information file and shipped tasks.
#include "shell/workspace.h"

namespace zep {

// $XDG_DATA_HOME/lite_kort_zep; without an absolute XDG_DATA_HOME, ~/.local/share/lite_kort_zep.
std::filesystem::path user_workspace_folder();

// True when the user may write in every folder of the workspace that a run writes to (System, Data,
// Solving), or may create the missing ones.
bool workspace_is_writable(const std::filesystem::path& root);

// The user's own workspace in `folder`; a missing or empty folder is seeded from `shipped` with the
// shipped tasks. An existing, non-empty folder is taken as it is.
Workspace open_user_workspace(const std::filesystem::path& folder, const std::filesystem::path& shipped);

// `shipped` itself when it is writable, else the user's own workspace.
Workspace default_workspace(const std::filesystem::path& shipped);

} // namespace zep
