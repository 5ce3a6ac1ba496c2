#include "shell/workspace.h"

#include "common/atomic_file.h"
#include "common/errors.h"
#include "common/utf8.h"
#include "shell/shell_file.h"
#include "shell/task_register.h"
#include "shell/user_workspace.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <system_error>

namespace fs = std::filesystem;

namespace zep {

fs::path executable_folder() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec)
        return fs::current_path();
    return exe.parent_path();
}

namespace {

// A file of the shipped workspace copied in whole or not at all, so that a process that seeds the same
// folder at the same time never reads a half-copied shell.
void copy_if_missing(const fs::path& from, const fs::path& to) {
    std::error_code ec;
    if (!fs::exists(to, ec))
        write_file_atomically(to, read_whole_file(from));
}

// True while a folder holds nothing but the workspace folders and no register: a workspace that another
// process is seeding at this moment (seeding is idempotent, so this one joins in).
bool being_seeded(const Workspace& ws) {
    std::error_code ec;
    if (fs::exists(ws.register_file(), ec))
        return false;
    for (const auto& entry : fs::directory_iterator(ws.root, ec)) {
        const std::string name = entry.path().filename().string();
        if (name != "Shells" && name != "System" && name != "Data" && name != "Solving")
            return false;
    }
    return true;
}

} // namespace

void seed_workspace(const Workspace& ws, const fs::path& shipped) {
    for (const fs::path& dir : {ws.root, ws.shells(), ws.system(), ws.data(), ws.solving()})
        fs::create_directories(dir);
    Workspace from{shipped};
    std::error_code ec;
    if (fs::equivalent(from.root, ws.root, ec))
        return;
    for (const ShellFileRef& shell : find_shell_files(from))
        copy_if_missing(shell.path, ws.shells() / shell.fileName);
    if (fs::exists(from.info_file()))
        copy_if_missing(from.info_file(), ws.info_file());
    create_register_if_missing(ws.register_file());
}

Workspace open_workspace(const std::optional<fs::path>& requested, const fs::path& shipped) {
    if (!requested)
        return default_workspace(shipped);
    if (requested->empty())
        throw FileAccessError("The workspace folder is not named: --workspace was given an empty text.");
    Workspace ws{fs::absolute(*requested)};
    if (!fs::exists(ws.root) || (fs::is_directory(ws.root) && (fs::is_empty(ws.root) || being_seeded(ws))))
        seed_workspace(ws, shipped);
    else if (!fs::is_directory(ws.root))
        throw FileAccessError("The workspace \"" + ws.root.string() + "\" is not a folder.");
    return ws;
}

std::vector<ShellFileRef> find_shell_files(const Workspace& ws) {
    static const std::string prefix = "Shell (ZEP 2.2).";
    std::vector<ShellFileRef> found;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(ws.shells(), ec)) {
        std::string name = entry.path().filename().string();
        if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0)
            continue;
        std::string ext = name.substr(prefix.size());
        if (utf8_length(ext) != 3 || !entry.is_regular_file())
            continue;
        found.push_back({name, ext, entry.path()});
    }
    std::sort(found.begin(), found.end(),
              [](const auto& a, const auto& b) { return a.fileName < b.fileName; });
    return found;
}

bool solving_has_input(const Workspace& ws) {
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(ws.solving(), ec))
        if (is_task_file_name(entry.path().filename().string(), TaskFile::SolverInput))
            return true;
    return false;
}

std::optional<ShellFileRef> choose_shell(const std::vector<ShellFileRef>& shells,
                                         const std::optional<std::string>& lang,
                                         const std::string& localeLanguage) {
    if (lang) {
        for (const auto& s : shells)
            if (s.extension == *lang)
                return s;
        return std::nullopt;
    }
    if (localeLanguage.size() == 2)
        for (const auto& s : shells) {
            std::string ext = s.extension;
            std::transform(ext.begin(), ext.end(), ext.begin(),
                           [](unsigned char c) { return std::tolower(c); });
            if (ext.compare(0, 2, localeLanguage) == 0)
                return s;
        }
    if (shells.empty())
        return std::nullopt;
    return shells.front();
}

std::string locale_language() {
    for (const char* var : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* v = std::getenv(var);
        if (v && *v) {
            std::string s(v);
            if (s == "C" || s == "POSIX" || s.rfind("C.", 0) == 0)
                return {};
            s = s.substr(0, 2);
            std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
            return s;
        }
    }
    return {};
}

} // namespace zep
