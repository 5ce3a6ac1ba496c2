#include "shell/shipped_tasks.h"

#include "common/atomic_file.h"
#include "shell/task_files.h"
#include "shell/task_register.h"

#include <algorithm>

namespace fs = std::filesystem;

namespace zep {
namespace {

void take_over_files(const Workspace& ws, const Workspace& shipped, const std::string& code) {
    const std::vector<fs::path> from = task_files(shipped, code);
    const std::vector<fs::path> to = task_files(ws, code);
    for (std::size_t i = 0; i < from.size(); ++i) {
        if (fs::exists(from[i]))
            write_file_atomically(to[i], read_whole_file(from[i]));
        else
            fs::remove(to[i]);
    }
}

} // namespace

std::vector<std::string> bring_in_shipped_tasks(const Workspace& ws, const Workspace& shipped) {
    const TaskRegister from = read_register(shipped.register_file());
    std::vector<std::string> taken;
    // Under the register's lock, on the register as it is now: another process may seed or change the
    // same workspace at this moment.
    change_register(ws, [&](TaskRegister& reg) {
        taken.clear();
        for (const RegisterEntry& entry : from.entries) {
            RegisterEntry* own = reg.find(entry.code);
            if (own && own->created >= entry.created)
                continue;
            fs::create_directories(ws.data());
            fs::create_directories(ws.solving());
            take_over_files(ws, shipped, entry.code);
            if (own)
                *own = entry;
            else
                reg.entries.push_back(entry);
            taken.push_back(entry.code);
        }
        return !taken.empty();
    });
    return taken;
}

} // namespace zep
