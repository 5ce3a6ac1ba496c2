#pragma once
// Opening a workspace: the folder of a run, seeded when it is missing or empty, and the shells in it.
#include "common/workspace_layout.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zep {

// The folder of the running executable.
std::filesystem::path executable_folder();

// The workspace of a run: `--workspace DIR` when given, else the executable's folder, or the user's own
// workspace when the user may not write there (user_workspace.h). A missing or empty DIR is seeded
// from `shipped` (the executable's folder): the four folders, the shells, System/Info. and an empty
// register. An existing, non-empty folder is taken as it is.
Workspace open_workspace(const std::optional<std::filesystem::path>& requested,
                         const std::filesystem::path& shipped);

// Makes the four folders, copies the shells and the information file from `shipped` and writes an
// empty register unless one is there.
void seed_workspace(const Workspace& ws, const std::filesystem::path& shipped);

// A shell file found in Shells: its file name and the extension (the last three characters).
struct ShellFileRef {
    std::string fileName;  // "Shell (ZEP 2.2).rus"
    std::string extension; // "rus" (UTF-8)
    std::filesystem::path path;
};

// Files matching "Shell (ZEP 2.2).???" (exactly three characters after the dot), in name order.
std::vector<ShellFileRef> find_shell_files(const Workspace& ws);

// True when Solving holds at least one "zep_??????_in.dat".
bool solving_has_input(const Workspace& ws);

// The shell for a command-line run: the one with extension `lang` when given (none: nullopt), else
// the one whose extension begins with the locale's language code ("ru" -> "rus"), else the first.
std::optional<ShellFileRef> choose_shell(const std::vector<ShellFileRef>& shells,
                                         const std::optional<std::string>& lang,
                                         const std::string& localeLanguage);

// The two-letter language of the user's messages locale (LC_ALL, LC_MESSAGES, LANG), lower case.
std::string locale_language();

} // namespace zep
