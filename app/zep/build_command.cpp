// zep build: the task entry wizard without its window.
//   zep build TASK.json                 a new task (EntryMode::NewTask)
//   zep build --correct CODE TASK.json  correction of an entered task (EntryMode::CorrectTask)
//   zep build --from CODE TASK.json     a new task from another task's data (EntryMode::ImportTask)
//   zep build BOOK.xlsx|.ods|.xls       a new task from a workbook (EntryMode::ImportTask)
// --yes answers Yes to the wizard's questions (default No).
#include "commands.h"

#include "common/atomic_file.h"
#include "common/number_text.h"
#include "shell/register_texts.h"
#include "shell/startup.h"
#include "task/task_file.h"
#include "wizard/script_driver.h"

#include <algorithm>
#include <iostream>

namespace zep::cli {
namespace {

const char* kBuildUsage = "usage: zep build [--yes] [--correct CODE | --from CODE] TASK.json\n"
                          "       zep build [--yes] BOOK.xlsx|BOOK.ods|BOOK.xls\n";

bool is_workbook_name(const std::filesystem::path& p) {
    std::string ext = p.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    return ext == ".xlsx" || ext == ".ods" || ext == ".xls";
}

std::string where(WizardStep step, const WizardFocus& focus) {
    std::string s = "step";
    s += step == WizardStep::Summary ? " (summary)" : step_label(step);
    if (focus.control != WizardControl::None) {
        s += std::string("(") + control_name(focus.control);
        if (focus.row >= 0)
            s += ", row " + std::to_string(focus.row + 1);
        s += ")";
    }
    return s;
}

const char* kind_word(MessageKind kind) {
    switch (kind) {
    case MessageKind::Warning:
        return "warning";
    case MessageKind::Information:
        return "information";
    case MessageKind::Question:
        return "question";
    }
    return "";
}

struct BuildArgs {
    bool yes = false;
    EntryMode mode = EntryMode::NewTask;
    std::string code; // --correct / --from
    std::filesystem::path file;
};

std::optional<BuildArgs> parse_build_args(const std::vector<std::string>& args) {
    BuildArgs b;
    bool haveFile = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--yes") {
            b.yes = true;
        } else if ((a == "--correct" || a == "--from") && i + 1 < args.size() && b.code.empty()) {
            b.mode = a == "--correct" ? EntryMode::CorrectTask : EntryMode::ImportTask;
            b.code = args[++i];
        } else if (!haveFile && !a.starts_with("--")) {
            b.file = a;
            haveFile = true;
        } else {
            return std::nullopt;
        }
    }
    if (!haveFile || (is_workbook_name(b.file) && !b.code.empty()))
        return std::nullopt;
    if (is_workbook_name(b.file))
        b.mode = EntryMode::ImportTask;
    return b;
}

// The JSON description of TASK.json (none for a workbook); false after saying why it cannot be read.
bool read_script(const BuildArgs& args, TaskScript& script) {
    try {
        const std::vector<std::uint8_t> bytes = read_whole_file(args.file);
        script =
            parse_task_script(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
        return true;
    } catch (const std::exception& e) {
        std::cerr << "zep build: " << args.file.string() << ": " << e.what() << "\n";
        return false;
    }
}

// The task that --correct or --from names is in the register, and one to correct is still entered;
// false after saying which is not.
bool named_task_fits(const BuildArgs& args, const RegisterStore& reg) {
    if (args.mode == EntryMode::NewTask)
        return true;
    const RegisterEntry* entry = args.code.empty() ? nullptr : reg.get().find(args.code);
    if (!args.code.empty() && !entry) {
        std::cerr << "zep build: " << unregistered_task_message(reg.shell(), args.code) << "\n";
        return false;
    }
    if (args.mode == EntryMode::CorrectTask && entry->status != TaskStatus::Entered) {
        std::cerr << "zep build: "
                  << wrong_status_message(reg.shell(), args.code, entry->status, TaskStatus::Entered) << "\n";
        return false;
    }
    return true;
}

// What the wizard works with: the shell, the workspace and its register; its questions are answered
// as --yes says.
WizardContext build_context(const LoadedShell& shell, const Workspace& ws, RegisterStore& reg, bool yes) {
    WizardContext ctx;
    ctx.shell = shell.tables;
    ctx.shellFileName = shell.fileName;
    ctx.separator = user_decimal_separator();
    ctx.workspace = ws;
    ctx.taskRegister = &reg;
    ctx.ask = [yes](const std::string&) { return yes; };
    return ctx;
}

// The import of step 1: the workbook, or the task file of the task --from names; false after saying
// why nothing was imported.
bool import_start(Wizard& w, const BuildArgs& args, bool workbook, const RegisterStore& reg) {
    ImportOutcome imported;
    if (workbook) {
        imported = w.import_workbook(args.file);
    } else {
        const auto& entries = reg.get().entries;
        const auto it = std::find_if(entries.begin(), entries.end(),
                                     [&](const RegisterEntry& e) { return e.code == args.code; });
        imported = w.import_task_file(static_cast<int>(it - entries.begin()) + 1);
    }
    if (!imported.ok)
        std::cerr << "zep build: " << imported.message << "\n";
    return imported.ok;
}

// The messages the wizard showed on the way, each with its step and kind (and a question's answer).
void print_notes(const ScriptRun& run) {
    for (const ShownNote& n : run.notes) {
        std::cout << where(n.step, {}) << ", " << kind_word(n.message.kind) << ": " << n.message.text;
        if (n.message.kind == MessageKind::Question)
            std::cout << " - " << (n.message.answeredYes ? "Yes" : "No");
        std::cout << "\n";
    }
}

// The end of the run: the refusal that stopped it, why nothing was saved, or the files saved.
int report_end(const ScriptRun& run, const Wizard& w, const Workspace& ws) {
    if (run.refusal) {
        std::cerr << where(run.step, run.focus) << ", refused: " << run.refusal->text << "\n";
        return 1;
    }
    if (!run.saved) {
        std::cerr << "zep build: " << run.stopReason << "; nothing was saved\n";
        return 1;
    }
    const std::string code = w.inputs().code;
    std::cout << "saved task " << code << ": " << task_file_path(ws, code).string() << ", "
              << solver_input_path(ws, code).string() << "\n";
    if (w.inputs().solveAtOnce)
        std::cout << "handed over to " << ws.solving().string() << " (status 1)\n";
    return 0;
}

} // namespace

int cmd_build(const Options& o) {
    auto args = parse_build_args(o.args);
    if (!args) {
        std::cerr << kBuildUsage;
        return 2;
    }
    const bool workbook = is_workbook_name(args->file);
    TaskScript script;
    if (!workbook && !read_script(*args, script))
        return 1;

    Workspace ws = cli_workspace(o);
    LoadedShell shell = cli_shell(o, ws);
    RegisterOpenResult opened = open_register(ws, &shell.tables);
    if (!opened.store) {
        std::cerr << "zep build: " << opened.error << "\n";
        return 1;
    }
    RegisterStore& reg = *opened.store;
    if (!named_task_fits(*args, reg))
        return 1;

    Wizard w(build_context(shell, ws, reg, args->yes), args->mode,
             args->mode == EntryMode::CorrectTask ? args->code : std::string());
    if (args->mode == EntryMode::ImportTask && !import_start(w, *args, workbook, reg))
        return 1;

    ScriptRun run;
    try {
        run = run_task_script(w, script);
    } catch (const TaskScriptError& e) {
        std::cerr << "zep build: " << args->file.string() << ": " << e.what() << "\n";
        return 1;
    }
    print_notes(run);
    return report_end(run, w, ws);
}

} // namespace zep::cli
