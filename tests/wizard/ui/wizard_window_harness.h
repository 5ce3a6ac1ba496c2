#pragma once
// The main window over a fresh workspace with one shipped shell, the wizard window registered, and the
// comma as decimal separator; and `zep build` run on the same task in a workspace of its own.
#include "common/atomic_file.h"
#include "shell/shell_file.h"
#include "shell/ui/frm_main.h"
#include "shell/ui/frm_sel_lang.h"
#include "test_dir.h"
#include "wizard/ui/create_task_window.h"
#include "wizard/ui/frm_create_task.h"

#include <QAction>
#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

namespace zep::test {

inline std::vector<std::uint8_t> file_bytes(const std::filesystem::path& p) {
    return std::filesystem::exists(p) ? read_whole_file(p) : std::vector<std::uint8_t>{};
}

inline void write_text(const std::filesystem::path& p, std::string_view text) {
    write_file_atomically(p, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

inline std::filesystem::path fixture(const std::string& name) {
    return std::filesystem::path(ZEP_SOURCE_DIR) / "tests/fixtures/workbooks" / name;
}

class WizardWindowHarness {
public:
    explicit WizardWindowHarness(const char* lang = "rus") {
        ws.root = dir.path() / "window";
        for (const auto& d : {ws.shells(), ws.system(), ws.data(), ws.solving()})
            std::filesystem::create_directories(d);
        std::filesystem::copy_file(std::filesystem::path(ZEP_PROGRAM_DIR) / "Shells" / shell_file_name(lang),
                                   ws.shells() / shell_file_name(lang));
        write_register(ws.register_file(), TaskRegister{});
        main = std::make_unique<TfrmMain>(ws, notifier);
        main->endProgram = [] {};
        EXPECT_TRUE(main->start_up());
        main->state().decimalSeparator = ',';
        main->register_window(WindowKind::CreateTask, open_create_task_window);
    }

    ~WizardWindowHarness() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != main.get() && w->isVisible())
                w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The wizard opened by a command of the main window ("mnuInNewTask", "mnuInNewTaskExportData").
    TfrmCreateTask* open(const char* command = "mnuInNewTask") {
        main->action(QLatin1String(command))->trigger();
        return window();
    }

    static TfrmCreateTask* window() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* t = qobject_cast<TfrmCreateTask*>(w); t && t->isVisible())
                return t;
        return nullptr;
    }

    // `zep build ARGS` in a workspace of its own; its root.
    std::filesystem::path zep_build(const std::string& args) {
        const std::filesystem::path root = dir.path() / ("zep" + std::to_string(++zepRuns));
        zep_build_in(root, args);
        return root;
    }

    void zep_build_in(const std::filesystem::path& root, const std::string& args) {
        const std::string command = std::string(ZEP_PROGRAM_DIR) + "/zep build " + args +
                                    " --lang rus --workspace '" + root.string() + "' > '" +
                                    (dir.path() / "zep.log").string() + "' 2>&1";
        EXPECT_EQ(std::system(command.c_str()), 0) << command;
    }

    // The task and solver input files of `code` are the same in both workspaces.
    void expect_same_files(const std::filesystem::path& other, const std::string& code) {
        for (const std::string& name : {"zep_" + code + ".dat", "zep_" + code + "_in.dat"}) {
            const auto mine = file_bytes(ws.data() / name);
            EXPECT_FALSE(mine.empty()) << name << " was not written";
            EXPECT_EQ(mine, file_bytes(other / "Data" / name)) << name << " differs from zep build's";
        }
    }

    std::string warnings() const {
        std::string all;
        for (const auto& m : notifier.messages)
            all += m.text.toStdString() + "\n";
        return all;
    }

    TempDir dir;
    Workspace ws;
    RecordingNotifier notifier;
    std::unique_ptr<TfrmMain> main;
    int zepRuns = 0;
};

} // namespace zep::test
