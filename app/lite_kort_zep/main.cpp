// The desktop program.
//   lite_kort_zep [--workspace DIR]
#include "optimiser/ui/frm_optimiser.h"
#include "shell/ui/frm_main.h"
#include "shell/ui/frm_sel_lang.h"
#include "shell/ui/frm_select_task.h"
#include "shell/ui/frm_view_protocol.h"
#include "views/ui/frm_help.h"
#include "views/ui/frm_view_solution.h"
#include "views/ui/frm_view_task.h"
#include "wizard/ui/create_task_window.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QScreen>

namespace {

// Every window that a command of the main window opens, from the library of its subsystem. A window not
// registered here leaves its commands disabled.
void register_windows(zep::TfrmMain& main) {
    main.register_window(zep::WindowKind::CreateTask, zep::open_create_task_window);
    main.register_window(zep::WindowKind::SelectTask,
                         [](zep::TfrmMain& m) { return zep::TfrmSelectTask::open(m); });
    main.register_window(zep::WindowKind::ViewProtocol,
                         [](zep::TfrmMain& m) { return zep::TfrmViewProtocol::open(m); });
    main.register_window(zep::WindowKind::Optimiser, [](zep::TfrmMain& m) { return zep::TForm1::open(m); });
    main.register_window(zep::WindowKind::ViewTask,
                         [](zep::TfrmMain& m) { return zep::TfrmViewTask::open(m); });
    main.register_window(zep::WindowKind::ViewSolution,
                         [](zep::TfrmMain& m) { return zep::TfrmViewSolution::open(m); });
    main.register_window(zep::WindowKind::Help, [](zep::TfrmMain& m) { return zep::TfrmHelp::open(m); });
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lite_KORT_ZEP"));
    // The desktop entry and the icon that an installation puts in their XDG places.
    QGuiApplication::setDesktopFileName(QStringLiteral("lite_kort_zep"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("lite_kort_zep")));

    QCommandLineParser parser;
    parser.addHelpOption();
    QCommandLineOption workspaceOption(QStringLiteral("workspace"),
                                       QStringLiteral("Work in DIR instead of the program's folder (or, when "
                                                      "that is read-only, the user's own workspace)."),
                                       QStringLiteral("DIR"));
    parser.addOption(workspaceOption);
    parser.process(app);

    zep::MessageBoxNotifier notifier;
    zep::Workspace workspace;
    try {
        std::optional<std::filesystem::path> requested;
        if (parser.isSet(workspaceOption))
            requested = parser.value(workspaceOption).toStdString();
        workspace = zep::open_workspace(requested, zep::executable_folder());
    } catch (const std::exception& e) {
        notifier.warning(nullptr, QString::fromUtf8(e.what()));
        return 1;
    }

    zep::TfrmMain main(workspace, notifier);
    register_windows(main);
    if (!main.start_up())
        return 1;
    // Without a window manager (a bare X server) "maximised" means nothing: cover the screen ourselves.
    if (QScreen* screen = QGuiApplication::primaryScreen())
        main.setGeometry(screen->availableGeometry());
    main.showMaximized();
    if (auto* dialog = main.language_dialog())
        dialog->show();
    return app.exec();
}
