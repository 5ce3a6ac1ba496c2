#pragma once
// Solved tasks for the view windows, in a window test's workspace: the sample tasks of
// tests/fixtures/workbooks entered through the wizard's steps as `zep build` enters them, solved with
// the default parameters and their solutions stored in Data; and tasks built by hand with a solution
// given as it stands.
#include "common/atomic_file.h"
#include "common/number_text.h"
#include "optimiser/run_control.h"
#include "shell/startup.h"
#include "task/task_file.h"
#include "ui_workspace.h"
#include "views/solved_task_files.h"
#include "wizard/script_driver.h"

#include <filesystem>
#include <stdexcept>
#include <string>

namespace zep::test {

inline const std::filesystem::path kWorkbookFixtures =
    std::filesystem::path(ZEP_SOURCE_DIR) / "tests" / "fixtures" / "workbooks";

inline LoadedShell view_shell(const Workspace& ws) {
    const std::vector<ShellFileRef> shells = find_shell_files(ws);
    ShellLoadResult loaded = load_program_shell(shells.front());
    if (!loaded)
        throw std::runtime_error(startup_refusal_text(loaded.refusal()));
    return std::move(loaded.value());
}

// Enters the task of a script file (one of the fixtures' *.task.json) and returns its code.
inline std::string enter_task(const Workspace& ws, const std::filesystem::path& script) {
    const std::vector<std::uint8_t> bytes = read_whole_file(script);
    const TaskScript parsed =
        parse_task_script(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    RegisterOpenResult opened = open_register(ws);
    const LoadedShell shell = view_shell(ws);
    WizardContext ctx;
    ctx.shell = shell.tables;
    ctx.shellFileName = shell.fileName;
    ctx.separator = user_decimal_separator();
    ctx.workspace = ws;
    ctx.taskRegister = &*opened.store;
    Wizard w(ctx, EntryMode::NewTask);
    const ScriptRun run = run_task_script(w, parsed);
    if (!run.saved)
        throw std::runtime_error("the task of " + script.string() +
                                 " was not saved: " + (run.refusal ? run.refusal->text : run.stopReason));
    opened.store->save();
    return w.inputs().code;
}

// Solves an entered task from its input file in Data and stores the solution in Data.
inline void solve_task(const Workspace& ws, const std::string& code) {
    const LoadedShell shell = view_shell(ws);
    RunTexts texts{shell.tables, code, user_decimal_separator()};
    const SolvedTask solved = solve_input(read_whole_file(solver_input_path(ws, code)),
                                          "zep_" + code + "_in.dat", texts, OptimiserOptions{});
    write_solution_file(stored_solution_path(ws, code), solved.solution, solved.shape.value());
}

inline std::string enter_and_solve(const Workspace& ws, const std::string& fixture) {
    const std::string code = enter_task(ws, kWorkbookFixtures / (fixture + ".task.json"));
    solve_task(ws, code);
    return code;
}

// A task built by hand and its solution, written as they stand.
inline void write_solved_task(const Workspace& ws, const TaskRecord& rec, const Solution& solution) {
    write_file_atomically(task_file_path(ws, rec.header.taskCode), encode_task_file(rec));
    write_solution_file(stored_solution_path(ws, rec.header.taskCode), solution, solution_shape_of(rec));
}

} // namespace zep::test
