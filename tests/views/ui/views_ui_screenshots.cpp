// Screenshots of the view windows (not a test): PROGRAM --out DIR --lang rus|eng saves one PNG per
// window state into DIR. The tasks are entered and solved in a temporary workspace.
#include "common/atomic_file.h"
#include "screenshot_args.h"
#include "ten_chains.h"
#include "test_dir.h"
#include "view_workspace.h"
#include "views/ui/exact_panel.h"
#include "views/ui/frm_help.h"
#include "views/ui/frm_view_solution.h"
#include "views/ui/frm_view_task.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <iostream>

using namespace zep;
namespace fs = std::filesystem;

namespace {

std::string read_text(const fs::path& file) {
    const std::vector<std::uint8_t> bytes = read_whole_file(file);
    return std::string(bytes.begin(), bytes.end());
}

std::string replaced(std::string text, const std::vector<std::pair<std::string, std::string>>& swaps) {
    for (const auto& [from, to] : swaps)
        if (auto at = text.find(from); at != std::string::npos)
            text.replace(at, from.size(), to);
        else
            throw std::runtime_error("\"" + from + "\" is not in the sample");
    return text;
}

void settle() {
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

class Shooter {
public:
    Shooter(TfrmMain& main, QString out) : main_(main), out_(std::move(out)) {}

    void save(QWidget* w, const QString& name) {
        settle();
        saveAsIs(w, name);
    }

    // Without letting queued work in first: a run just started stays running in the picture.
    void saveAsIs(QWidget* w, const QString& name) {
        const QString file = out_ + QLatin1Char('/') + name + QStringLiteral(".png");
        if (!w->grab().save(file))
            std::cerr << "cannot save " << file.toStdString() << "\n";
    }

    template <typename View> View* open(WindowKind kind, const std::string& code) {
        main_.state().currentTaskCode = code;
        auto* view = dynamic_cast<View*>(main_.open_window(kind));
        if (view)
            view->parentWidget()->showMaximized();
        settle();
        return view;
    }

    void closeAll() {
        main_.mdi_area()->closeAllSubWindows();
        settle();
    }

    TfrmMain& main_;
    QString out_;
};

int take_screenshots(const test::ScreenshotArgs& args) {
    const QString& out = args.out;
    const std::string& lang = args.lang;

    // The sample tasks speak Russian units: they are entered with the Russian shell, then the shell of
    // the pictures takes its place.
    test::TempDir dir;
    Workspace ws = test::make_ui_workspace(dir.path(), "rus");
    const std::string plain = test::enter_and_solve(ws, "plain");
    const std::string decomposed = test::enter_and_solve(ws, "decomposed");
    const std::string resources = test::enter_and_solve(ws, "resources");
    const fs::path tenScript = dir / "ten.task.json";
    const std::string ten = test::ten_chains_script();
    write_file_atomically(tenScript,
                          std::span(reinterpret_cast<const std::uint8_t*>(ten.data()), ten.size()));
    const std::string tenCode = test::enter_task(ws, tenScript);
    test::solve_task(ws, tenCode);
    // The sample with resources, its availability cut into shorter intervals: gaps within the schedule.
    std::string gaps =
        replaced(read_text(test::kWorkbookFixtures / "resources.task.json"),
                 {{"WBRES1", "WBRES2"},
                  {"[ [0, 10], [12, null] ], [ [0, 100] ]", "[ [0, 2], [3, null] ], [ [0, 4], [5.5, 40] ]"},
                  {"\"thresholds\": [7, 7.5]", "\"thresholds\": [8, 9]"}});
    const fs::path gapsScript = dir / "gaps.task.json";
    write_file_atomically(gapsScript,
                          std::span(reinterpret_cast<const std::uint8_t*>(gaps.data()), gaps.size()));
    const std::string gapsCode = test::enter_task(ws, gapsScript);
    test::solve_task(ws, gapsCode);
    if (lang != "rus") {
        fs::remove(ws.shells() / shell_file_name("rus"));
        fs::copy_file(test::kShipped / "Shells" / shell_file_name(lang), ws.shells() / shell_file_name(lang));
    }

    RecordingNotifier notifier;
    TfrmMain main(ws, notifier);
    main.endProgram = [] {};
    main.register_window(WindowKind::ViewTask, [](TfrmMain& m) { return TfrmViewTask::open(m); });
    main.register_window(WindowKind::ViewSolution, [](TfrmMain& m) { return TfrmViewSolution::open(m); });
    main.register_window(WindowKind::Help, [](TfrmMain& m) { return TfrmHelp::open(m); });
    if (!main.start_up())
        return 1;
    main.setGeometry(0, 0, 1280, 800);
    main.show();
    settle();
    Shooter shoot(main, out);

    for (const auto& [code, name] :
         {std::pair{plain, "plain"}, {decomposed, "decomposed"}, {resources, "resources"}}) {
        if (auto* v = shoot.open<TfrmViewSolution>(WindowKind::ViewSolution, code)) {
            shoot.save(&main, QStringLiteral("solution_view_%1").arg(QString::fromLatin1(name)));
            v->tab_control()->setCurrentIndex(v->tab_control()->count() - 1);
            shoot.save(&main, QStringLiteral("solution_view_%1_last_variant").arg(QString::fromLatin1(name)));
        }
        shoot.closeAll();
        main.state().derivedTask = 0;
        if (shoot.open<TfrmViewTask>(WindowKind::ViewTask, code))
            shoot.save(&main, QStringLiteral("task_view_%1").arg(QString::fromLatin1(name)));
        shoot.closeAll();
    }
    if (auto* v = shoot.open<TfrmViewSolution>(WindowKind::ViewSolution, gapsCode)) {
        v->pages()->setCurrentIndex(1);
        shoot.save(&main, QStringLiteral("gantt_resources"));
        v->pages()->setCurrentIndex(2);
        shoot.save(&main, QStringLiteral("time_cost_resources"));
    }
    shoot.closeAll();
    if (auto* v = shoot.open<TfrmViewSolution>(WindowKind::ViewSolution, tenCode)) {
        shoot.save(&main, QStringLiteral("solution_view_ten_chains"));
        v->pages()->setCurrentIndex(1);
        shoot.save(&main, QStringLiteral("gantt_ten_chains"));
        v->pages()->setCurrentIndex(2);
        shoot.save(&main, QStringLiteral("time_cost_ten_chains"));
    }
    shoot.closeAll();
    if (auto* v = shoot.open<TfrmViewSolution>(WindowKind::ViewSolution, decomposed)) {
        v->pages()->setCurrentIndex(2);
        shoot.save(&main, QStringLiteral("time_cost_decomposed"));
        v->pages()->setCurrentIndex(1);
        shoot.save(&main, QStringLiteral("gantt_decomposed"));
    }
    shoot.closeAll();
    // The exact optimum of the shown variant and the exact curve beside the computed variants.
    for (const auto& [code, name] :
         {std::pair{plain, "plain"}, {decomposed, "decomposed"}, {tenCode, "ten_chains"}}) {
        if (auto* v = shoot.open<TfrmViewSolution>(WindowKind::ViewSolution, code)) {
            v->pages()->setCurrentIndex(2);
            settle();
            ExactOptimumPanel* panel = v->exact_panel();
            panel->button()->click();
            if (std::string(name) == "plain") { // the progress bar and the stop button while it runs
                panel->layout()->activate();
                shoot.saveAsIs(&main, QStringLiteral("time_cost_exact_running"));
            }
            QElapsedTimer waited;
            waited.start();
            while ((panel->running() || !panel->report(v->shown_variant())) && waited.elapsed() < 60000)
                QApplication::processEvents(QEventLoop::AllEvents, 20);
            shoot.save(&main, QStringLiteral("time_cost_exact_%1").arg(QString::fromLatin1(name)));
        }
        shoot.closeAll();
    }
    for (const auto& [page, name] : {std::pair{HelpPage::AboutSystem, "help_about_system"},
                                     {HelpPage::AboutObject, "help_about_object"},
                                     {HelpPage::AboutDevelopers, "help_about_developers"}}) {
        main.state().openMode = page;
        QWidget* help = main.open_window(WindowKind::Help);
        shoot.save(help, QString::fromLatin1(name));
        help->close();
        settle();
    }
    for (const auto& m : notifier.messages)
        std::cerr << "message: " << m.text.toStdString() << "\n";
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    return test::run_screenshots(argc, argv, take_screenshots);
}
