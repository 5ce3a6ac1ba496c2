#include "shell/user_workspace.h"

#include "common/errors.h"
#include "shell/shipped_tasks.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace zep {
namespace {

fs::path home_folder() {
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir)
        return pw->pw_dir;
    throw FileAccessError("The user's home folder is not known: set HOME or XDG_DATA_HOME, or give "
                          "--workspace DIR.");
}

bool may_write(const fs::path& dir) {
    return access(dir.c_str(), W_OK | X_OK) == 0;
}

} // namespace

fs::path user_workspace_folder() {
    const char* data = std::getenv("XDG_DATA_HOME");
    const fs::path base =
        data && fs::path(data).is_absolute() ? fs::path(data) : home_folder() / ".local" / "share";
    return base / "lite_kort_zep";
}

bool workspace_is_writable(const fs::path& root) {
    const Workspace ws{root};
    for (const fs::path& dir : {ws.system(), ws.data(), ws.solving()})
        if (!(fs::is_directory(dir) ? may_write(dir) : may_write(root)))
            return false;
    return true;
}

Workspace open_user_workspace(const fs::path& folder, const fs::path& shipped) {
    const bool fresh = !fs::exists(folder) || (fs::is_directory(folder) && fs::is_empty(folder));
    Workspace ws = open_workspace(folder, shipped);
    if (fresh && fs::exists(Workspace{shipped}.register_file()))
        bring_in_shipped_tasks(ws, Workspace{shipped});
    return ws;
}

Workspace default_workspace(const fs::path& shipped) {
    if (workspace_is_writable(shipped))
        return Workspace{shipped};
    return open_user_workspace(user_workspace_folder(), shipped);
}

} // namespace zep
