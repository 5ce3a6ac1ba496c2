#pragma once
// Start-up of a run without any window: the fixed messages of the start, the choice of the language
// shell, the loading of the shell and of the task register. The main window and `zep` both use it.
#include "common/outcome.h"
#include "shell/shell_file.h"
#include "shell/task_register.h"
#include "shell/workspace.h"

#include <optional>
#include <string>
#include <vector>

namespace zep {

// Start-up messages, fixed English texts: no shell is loaded when they are shown.
std::string no_shells_message();
std::string no_language_selected_message();
std::string missing_chosen_shell_message(const std::string& fileName);

// A shell, loaded and checked for the entries this program needs.
struct LoadedShell {
    std::string fileName; // "Shell (ZEP 2.2).rus"
    std::string extension;
    ShellTables tables;
};

// Why the start cannot go on with a shell.
enum class StartupRefusal {
    ShellUnreadable,    // the shell file is damaged; subject: the reader's message
    ShellIncomplete,    // subject: the shell file's path; items: the entries it lacks
    MissingChosenShell, // the chosen shell file is not in Shells; subject: its file name
};

// The refusal as the fixed English message shown at the start (no shell speaks yet):
//   ShellUnreadable     the reader's message
//   ShellIncomplete     The language shell file "path" is incomplete: it lacks A, B. The program ...
//   MissingChosenShell  missing_chosen_shell_message(file name)
std::string startup_refusal_text(const Refusal<StartupRefusal>& refusal);

// Loads a shell; refused when the file is damaged or lacks entries.
using ShellLoadResult = Outcome<StartupRefusal, LoadedShell>;
ShellLoadResult load_program_shell(const ShellFileRef& ref);

// The language selection list: display name of every shell file (a file whose head cannot be read is
// listed by its file name so that the choice still says which file it is).
std::vector<std::string> shell_display_names(const std::vector<ShellFileRef>& shells);

// The choice made in the language selection dialog: the extension is the first three characters of the
// display name, and "Shell (ZEP 2.2).<ext>" must exist in Shells.
// Refused (MissingChosenShell) when the file is not there.
using LanguageChoice = Outcome<StartupRefusal, ShellFileRef>;
LanguageChoice resolve_language_choice(const Workspace& ws, const std::string& displayName);

// Opens the register of a workspace. A missing file is replaced by an empty register (and said in
// `note`); a register of another program or version, or a damaged one, is refused and left untouched
// (`error`). Both are said in the words of `shell` when it has the register's texts, and the store speaks
// it (register_texts.h).
struct RegisterOpenResult {
    std::optional<RegisterStore> store;
    std::string error;
    std::string note;
};
RegisterOpenResult open_register(const Workspace& ws, const ShellTables* shell = nullptr);

} // namespace zep
