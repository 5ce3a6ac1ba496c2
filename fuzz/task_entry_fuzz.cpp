// The task entry on arbitrary task descriptions: whatever JSON `zep build` is given, the wizard either
// refuses it (a schema error, a key the controls cannot take, a step that refuses) or saves a task,
// never crashes and never lets a graph through its checks that the preparation cannot walk (that
// would surface as std::invalid_argument from the preparation or the file writers). A saved task's
// file reads again.
#include "task/task_file.h"
#include "wizard/script_driver.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace {

zep::ShellTables numbered_texts() {
    zep::ShellTables t;
    for (int i = 0; i < zep::kRequiredTexts; ++i)
        t.texts.push_back("t" + std::to_string(i));
    return t;
}

const zep::Workspace& workspace() {
    static const zep::Workspace ws = [] {
        std::string tmpl = (std::filesystem::temp_directory_path() / "zep-entry-fuzz-XXXXXX").string();
        if (!mkdtemp(tmpl.data()))
            std::abort();
        zep::Workspace w;
        w.root = tmpl;
        for (const auto& p : {w.data(), w.solving(), w.system()})
            std::filesystem::create_directories(p);
        return w;
    }();
    return ws;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zep::TaskScript script;
    try {
        script = zep::parse_task_script(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const zep::JsonError&) {
        return 0;
    } catch (const zep::TaskScriptError&) {
        return 0;
    }
    static const zep::ShellTables shell = numbered_texts();
    zep::RegisterStore reg(workspace().register_file(), zep::TaskRegister{});
    zep::WizardContext ctx;
    ctx.shell = shell;
    ctx.shellFileName = "Shell (ZEP 2.2).rus";
    ctx.separator = ',';
    ctx.workspace = workspace();
    ctx.taskRegister = &reg;
    ctx.ask = [](const std::string&) { return false; };
    zep::Wizard w(ctx, zep::EntryMode::NewTask);
    zep::ScriptRun run;
    try {
        run = zep::run_task_script(w, script);
    } catch (const zep::TaskScriptError&) {
        return 0;
    }
    if (run.saved) {
        zep::TaskRecord rec;
        zep::read_task_file(rec, workspace(), w.inputs().code);
    }
    return 0;
}
