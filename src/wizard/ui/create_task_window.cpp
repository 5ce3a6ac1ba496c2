#include "wizard/ui/create_task_window.h"

#include "shell/ui/frm_main.h"
#include "shell/ui/frm_sel_lang.h"
#include "wizard/ui/frm_create_task.h"
#include "wizard/ui/wizard_widgets.h"

#include <QFileDialog>

namespace zep {
namespace {

WizardContext wizard_context(SessionState& state) {
    WizardContext ctx;
    ctx.shell = state.shell;
    ctx.shellFileName = state.shellFileName;
    ctx.separator = state.decimalSeparator;
    ctx.workspace = state.workspace;
    ctx.taskRegister = state.taskRegister ? &*state.taskRegister : nullptr;
    return ctx;
}

} // namespace

QWidget* open_create_task_window(TfrmMain& main) {
    SessionState& state = main.state();
    const auto mode = state.openMode.entry_mode();
    if (!mode)
        return nullptr;
    TfrmCreateTask* window = nullptr;
    try {
        window = new TfrmCreateTask(wizard_context(state), *mode, state.currentTaskCode, main.notifier());
    } catch (const std::exception& e) {
        main.setEnabled(true);
        main.notifier().warning(&main, qt_text(e.what()));
        return nullptr;
    }
    if (window->model().closed()) {
        delete window;
        main.setEnabled(true);
        return nullptr;
    }
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->onClosed = [&main] { main.setEnabled(true); };
    window->onFinished = [&main](const std::string& code, bool atOnce) {
        main.state().immediateSolve = atOnce ? 1 : 0;
        main.state().immediateSolveCode = atOnce ? code : std::string();
        main.update_menus();
        // The task has been handed over: the optimisation module solves it at once and takes its
        // solution over. Without one the task waits in Solving for a later run.
        if (atOnce) {
            main.setEnabled(false);
            if (!main.open_window(WindowKind::Optimiser))
                main.setEnabled(true);
        }
    };
    window->chooseWorkbook = [window] {
        return QFileDialog::getOpenFileName(window, QString(), QString(),
                                            QStringLiteral("Excel file  (*.xlsx *.ods *.xls)"));
    };
    window->move(main.geometry().center() - window->rect().center());
    window->show();
    return window;
}

} // namespace zep
