#include "commands.h"

#include "common/date_time.h"
#include "common/utf8.h"
#include "optimiser/solution_dump.h"
#include "shell/register_texts.h"
#include "shell/shell_dump.h"
#include "shell/task_register.h"
#include "task/task_dump.h"

#include <iostream>

namespace zep::cli {
namespace {

std::string pad(const std::string& s, std::size_t width) {
    std::size_t len = utf8_length(s);
    return len >= width ? s : s + std::string(width - len, ' ');
}

} // namespace

Workspace cli_workspace(const Options& o) {
    return open_workspace(o.workspace, executable_folder());
}

LoadedShell cli_shell(const Options& o, const Workspace& ws) {
    auto shells = find_shell_files(ws);
    if (shells.empty())
        throw std::runtime_error(no_shells_message());
    auto ref = choose_shell(shells, o.lang, locale_language());
    if (!ref)
        throw std::runtime_error("there is no language shell \"" + shell_file_name(*o.lang) + "\" in \"" +
                                 ws.shells().string() + "\"");
    ShellLoadResult r = load_program_shell(*ref);
    if (!r)
        throw std::runtime_error(startup_refusal_text(r.refusal()));
    return std::move(r.value());
}

std::string message_for_run(const Options& o, const std::exception& e) {
    if (!dynamic_cast<const RegisterRefused*>(&e))
        return e.what();
    try {
        const LoadedShell shell = cli_shell(o, cli_workspace(o));
        return message_in_words_of(&shell.tables, e);
    } catch (const std::exception&) {
        return e.what();
    }
}

int cmd_shell(const Options& o) {
    Workspace ws = cli_workspace(o);
    LoadedShell shell = cli_shell(o, ws);
    std::cout << read_shell_display_name(ws.shells() / shell.fileName) << "\t"
              << (ws.shells() / shell.fileName).string() << "\n";
    return 0;
}

int cmd_dump(const Options& o) {
    if (o.args.size() != 1) {
        std::cerr << "usage: zep dump FILE\n";
        return 2;
    }
    const std::filesystem::path file = o.args[0];
    if (is_task_file(file))
        std::cout << dump_task_file_as_json(file);
    else if (is_solver_input_file(file))
        std::cout << dump_solver_input_as_json(file);
    else if (is_solution_file(file))
        std::cout << dump_solution_as_json(file);
    else
        std::cout << dump_file_as_json(file);
    return 0;
}

int cmd_list(const Options& o) {
    Workspace ws = cli_workspace(o);
    TaskRegister reg = read_register(ws.register_file());
    std::cout << pad("code", 8) << pad("status", 13) << pad("created", 21) << pad("modified", 21)
              << pad("unloaded", 21) << pad("solved", 21) << "name\n";
    for (const auto& e : reg.entries)
        std::cout << pad(e.code, 8) << pad(status_name(e.status), 13)
                  << pad(format_date_serial(e.created), 21) << pad(format_date_serial(e.modified), 21)
                  << pad(format_date_serial(e.unloaded), 21) << pad(format_date_serial(e.solved), 21)
                  << e.name << "\n";
    return 0;
}

} // namespace zep::cli
