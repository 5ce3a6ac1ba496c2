#include "commands.h"

#include "common/cp1251.h"
#include "common/date_time.h"
#include "shell/shell_dump.h"
#include "shell/task_register.h"

#include <iostream>

namespace zep::cli {
namespace {

Workspace workspace_of(const Options& o) { return open_workspace(o.workspace, executable_folder()); }

std::string pad(const std::string& s, std::size_t width) {
    std::size_t len = utf8_length(s);
    return len >= width ? s : s + std::string(width - len, ' ');
}

} // namespace

int cmd_dump(const Options& o) {
    if (o.args.size() != 1) {
        std::cerr << "usage: zep dump FILE\n";
        return 2;
    }
    std::cout << dump_file_as_json(o.args[0]);
    return 0;
}

int cmd_list(const Options& o) {
    Workspace ws = workspace_of(o);
    TaskRegister reg = read_register(ws.register_file());
    std::cout << pad("code", 8) << pad("status", 13) << pad("created", 21) << pad("modified", 21)
              << pad("unloaded", 21) << pad("solved", 21) << "name\n";
    for (const auto& e : reg.entries)
        std::cout << pad(e.code, 8) << pad(status_name(e.status), 13) << pad(format_date_serial(e.created), 21)
                  << pad(format_date_serial(e.modified), 21) << pad(format_date_serial(e.unloaded), 21)
                  << pad(format_date_serial(e.solved), 21) << e.name << "\n";
    return 0;
}

} // namespace zep::cli
