#pragma once
// A window test's workspace: a temporary folder with one shipped shell and an empty register, and the
// main window started on it with a notifier that records every message. Tasks are entered through the
// task model's own saving, as the wizard saves them.
#include "common/atomic_file.h"
#include "shell/ui/frm_main.h"
#include "shell/user_operations.h"
#include "test_dir.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <functional>
#include <memory>

namespace zep::test {

inline const std::filesystem::path kShipped = ZEP_PROGRAM_DIR;

inline Workspace make_ui_workspace(const std::filesystem::path& root, const char* lang) {
    Workspace ws{root};
    for (const auto& d : {ws.shells(), ws.system(), ws.data(), ws.solving()})
        std::filesystem::create_directories(d);
    std::filesystem::copy_file(kShipped / "Shells" / shell_file_name(lang),
                               ws.shells() / shell_file_name(lang));
    write_register(ws.register_file(), TaskRegister{});
    return ws;
}

struct UiWorkspace {
    TempDir dir;
    Workspace ws;
    RecordingNotifier notifier;
    std::unique_ptr<TfrmMain> main;

    explicit UiWorkspace(const char* lang = "rus") : ws(make_ui_workspace(dir.path(), lang)) {
        main = std::make_unique<TfrmMain>(ws, notifier);
        main->endProgram = [] {};
        if (!main->start_up())
            throw std::runtime_error("the main window did not start");
    }
    ~UiWorkspace() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != main.get() && w->parent() == nullptr)
                delete w;
        main.reset();
    }

    SessionState& state() { return main->state(); }
    RegisterStore& reg() { return *main->state().taskRegister; }

    // The task saved as the wizard saves a new one: both Data files and a register entry (status 0).
    void enter(TaskRecord rec) { save_task(rec, ws, EntryMode::NewTask, reg(), state().shellFileName); }

    std::filesystem::path data(const std::string& code, const char* suffix) const {
        return ws.data() / ("zep_" + code + suffix);
    }
    std::filesystem::path solving(const std::string& code, const char* suffix) const {
        return ws.solving() / ("zep_" + code + suffix);
    }
};

// The top-level window of a class, nullptr when none is open.
template <class W> W* open_window() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* found = qobject_cast<W*>(w); found && found->isVisible())
            return found;
    return nullptr;
}

template <class W = QWidget> W* child(QWidget* parent, const char* name) {
    return parent->findChild<W*>(QString::fromLatin1(name));
}

// Runs the event loop until `done` holds or `ms` pass; true when it holds.
inline bool wait_until(const std::function<bool()>& done, int ms = 30000) {
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > ms)
            return false;
        QTest::qWait(5);
    }
    return true;
}

} // namespace zep::test
