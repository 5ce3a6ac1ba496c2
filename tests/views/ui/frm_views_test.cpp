// The task view and the solution view opened as the selection dialog opens them (the current task code
// set, then the window of its kind), for solved sample tasks with and without unavailable resources and
// decomposition; what they show is what `zep show` prints.
#include "common/json_reader.h"
#include "shown_grid.h"
#include "test_dir.h"
#include "view_workspace.h"
#include "views/gantt_model.h"
#include "views/ui/frm_view_solution.h"
#include "views/ui/frm_view_task.h"
#include "views/ui/gantt_chart_view.h"
#include "views/ui/parameter_list.h"
#include "views/ui/time_cost_chart_view.h"
#include "views/ui/titled_grid.h"

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProcess>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <gtest/gtest.h>

using namespace zep;
namespace fs = std::filesystem;

namespace {

using test::expect_grid_as_shown;

// A window test's workspace with the two views registered as the program registers them. Tasks are
// entered and solved before the main window starts.
struct Harness {
    test::TempDir dir;
    Workspace ws;
    RecordingNotifier notifier;
    std::unique_ptr<TfrmMain> main;

    Harness() : ws(test::make_ui_workspace(dir.path(), "rus")) {}

    void start() {
        main = std::make_unique<TfrmMain>(ws, notifier);
        main->endProgram = [] {};
        main->register_window(WindowKind::ViewTask, [](TfrmMain& m) { return TfrmViewTask::open(m); });
        main->register_window(WindowKind::ViewSolution,
                              [](TfrmMain& m) { return TfrmViewSolution::open(m); });
        ASSERT_TRUE(main->start_up());
        main->resize(1280, 800);
        main->show();
    }

    template <typename View> View* open(WindowKind kind, const std::string& code) {
        main->state().currentTaskCode = code;
        return dynamic_cast<View*>(main->open_window(kind));
    }
};

// The key of a list row as the view shows it: continuation keys get blanks before them.
QString trimmed_key(const ParameterList* list, int row) {
    return list->key(row).trimmed();
}

void expect_list(const ParameterList* list, const std::vector<ListRow>& rows) {
    ASSERT_EQ(list->rowCount(), static_cast<int>(rows.size()));
    for (int r = 0; r < list->rowCount(); ++r) {
        EXPECT_EQ(trimmed_key(list, r), QString::fromStdString(rows[r].key).trimmed()) << "row " << r;
        EXPECT_EQ(list->value(r), QString::fromStdString(rows[r].value)) << "row " << r;
    }
}

void expect_grid(const TitledGrid* grid, const std::vector<GridRow>& rows) {
    ASSERT_EQ(grid->grid()->rowCount(), static_cast<int>(rows.size()));
    for (int r = 0; r < grid->grid()->rowCount(); ++r)
        for (int c = 0; c < static_cast<int>(rows[r].cells.size()); ++c)
            EXPECT_EQ(grid->cell(r, c), QString::fromStdString(rows[r].cells[c]))
                << "row " << r << " col " << c;
}

// What `zep show` prints as JSON for the same workspace.
JsonValue zep_show(const Workspace& ws, const QStringList& args) {
    QProcess zep;
    QStringList all = args;
    all << QStringLiteral("--json") << QStringLiteral("--workspace")
        << QString::fromStdString(ws.root.string()) << QStringLiteral("--lang") << QStringLiteral("rus");
    zep.start(QString::fromStdString((test::kShipped / "zep").string()), all);
    EXPECT_TRUE(zep.waitForFinished(60000));
    EXPECT_EQ(zep.exitCode(), 0) << zep.readAllStandardError().toStdString();
    return parse_json(zep.readAllStandardOutput().toStdString());
}

void expect_list_as_shown(const ParameterList* list, const JsonValue* rows) {
    ASSERT_NE(rows, nullptr);
    ASSERT_EQ(list->rowCount(), static_cast<int>(rows->items.size()));
    for (int r = 0; r < list->rowCount(); ++r) {
        EXPECT_EQ(trimmed_key(list, r), QString::fromStdString(rows->items[r].find("key")->string).trimmed());
        EXPECT_EQ(list->value(r), QString::fromStdString(rows->items[r].find("value")->string));
    }
}

class SampleViews : public ::testing::TestWithParam<const char*> {};

TEST_P(SampleViews, SolutionViewShowsWhatZepShowPrints) {
    Harness h;
    const std::string code = test::enter_and_solve(h.ws, GetParam());
    h.start();
    auto* view = h.open<TfrmViewSolution>(WindowKind::ViewSolution, code);
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(h.notifier.messages.empty());
    EXPECT_EQ(h.main->active_output_view(), view);
    EXPECT_EQ(h.main->mdi_area()->subWindowList().size(), 1);

    const JsonValue shown = zep_show(h.ws, {QStringLiteral("show"), QString::fromStdString(code)});
    EXPECT_EQ(view->windowTitle().toStdString(), shown.find("caption")->string);
    expect_list_as_shown(view->var_list(), shown.find("taskParameters"));
    expect_list_as_shown(view->var_list1(), shown.find("variantParameters"));
    expect_grid_as_shown(view->table(), shown.find("grid"));
    const JsonValue* labels = shown.find("gridLabels");
    ASSERT_EQ(view->table()->columnCount(), static_cast<int>(labels->items.size()));
    for (int c = 0; c < view->table()->columnCount(); ++c) {
        // The label shows its caption, wrapped: with the inserted breaks taken out it reads the same.
        QString text = view->table()->label(c)->text();
        EXPECT_EQ(view->table()->label(c)->objectName(), QStringLiteral("TitleCol%1").arg(10 + c));
        EXPECT_EQ(text.remove(QStringLiteral("- ")).remove(QLatin1Char(' ')).toStdString(),
                  QString::fromStdString(labels->items[c].string).remove(QLatin1Char(' ')).toStdString());
    }
    const JsonValue* tabs = shown.find("tabs");
    ASSERT_EQ(view->tab_control()->count(), static_cast<int>(tabs->items.size()));
    for (int i = 0; i < view->tab_control()->count(); ++i)
        EXPECT_EQ(view->tab_control()->tabText(i).toStdString(), tabs->items[i].string);
}

TEST_P(SampleViews, TaskViewShowsWhatZepShowPrints) {
    Harness h;
    const std::string code = test::enter_and_solve(h.ws, GetParam());
    h.start();
    h.main->state().derivedTask = 0;
    auto* view = h.open<TfrmViewTask>(WindowKind::ViewTask, code);
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(h.notifier.messages.empty());
    EXPECT_EQ(h.main->active_output_view(), view);

    const JsonValue shown =
        zep_show(h.ws, {QStringLiteral("show"), QStringLiteral("--task"), QString::fromStdString(code)});
    EXPECT_EQ(view->windowTitle().toStdString(), shown.find("caption")->string);
    expect_list_as_shown(view->var_list(), shown.find("taskParameters"));
    expect_grid_as_shown(view->operations(), shown.find("operations"));
    const bool resources = view->task().header.hasUnavailableResources == 1;
    EXPECT_EQ(view->operations()->grid()->objectName(), resources ? "Grid2" : "Table");
    EXPECT_EQ(view->operations()->columnCount(), resources ? 11 : 9);
    EXPECT_EQ(view->findChild<QTableWidget*>(QStringLiteral("Table")) != nullptr, !resources);
    if (resources) {
        ASSERT_NE(view->intervals(), nullptr);
        EXPECT_EQ(view->intervals()->grid()->objectName(), "Grid1");
        expect_grid_as_shown(view->intervals(), shown.find("intervals"));
    } else {
        EXPECT_EQ(view->intervals(), nullptr);
    }
}

INSTANTIATE_TEST_SUITE_P(Fixtures, SampleViews, ::testing::Values("plain", "decomposed", "resources"));

TEST(SolutionView, SwitchingTheVariantTabRebuildsTheListsTheGridAndBothCharts) {
    Harness h;
    const std::string code = test::enter_and_solve(h.ws, "plain");
    h.start();
    auto* view = h.open<TfrmViewSolution>(WindowKind::ViewSolution, code);
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(view->tab_control()->count(), 2);
    EXPECT_EQ(h.main->state().currentSolutionTab, 0);
    EXPECT_EQ(view->time_cost()->picture().shown, 1);

    view->tab_control()->setCurrentIndex(1);
    EXPECT_EQ(h.main->state().currentSolutionTab, 1);
    const SolvedTaskFiles& f = view->files();
    const SessionState& st = h.main->state();
    const SolutionViewContent expected = solution_view(f.task, f.solution, 1, st.shell, st.decimalSeparator);
    expect_list(view->var_list(), expected.taskRows);
    expect_list(view->var_list1(), expected.variantRows);
    expect_grid(view->table(), expected.grid);
    ASSERT_TRUE(expected.schedule);
    const GanttChart chart = gantt_chart(f.task, *expected.schedule);
    ASSERT_NE(view->gantt()->painter(), nullptr);
    const GanttChart& drawn = view->gantt()->painter()->chart();
    ASSERT_EQ(drawn.bars.size(), chart.bars.size());
    for (std::size_t i = 0; i < chart.bars.size(); ++i) {
        EXPECT_EQ(drawn.bars[i].start, chart.bars[i].start);
        EXPECT_EQ(drawn.bars[i].variant, chart.bars[i].variant);
    }
    EXPECT_EQ(view->time_cost()->picture().shown, 2);
    // Cost minimised: the variants' graph times against their costs, and their time thresholds.
    const auto& series = view->time_cost()->picture().series;
    ASSERT_EQ(series.size(), 2u);
    EXPECT_EQ(series[0].name, st.text(kComputedVariantsText));
    EXPECT_EQ(series[1].name, st.text(150));
    ASSERT_EQ(series[0].points.size(), 2u);
    EXPECT_EQ(series[0].points[1],
              (ChartPoint{expected.schedule->graphTime, expected.schedule->totalCost, 2}));
    EXPECT_EQ(series[1].points[1].x, f.task.thresholds[1] * f.task.header.tact);
}

TEST(SolutionView, GanttBarsStartAndLastAsTheScheduleSays) {
    for (const char* fixture : {"decomposed", "resources"}) {
        Harness h;
        const std::string code = test::enter_and_solve(h.ws, fixture);
        h.start();
        auto* view = h.open<TfrmViewSolution>(WindowKind::ViewSolution, code);
        ASSERT_NE(view, nullptr);
        view->pages()->setCurrentIndex(1);
        const Schedule& s = *view->content().schedule;
        const GanttChartView* g = view->gantt();
        const GanttPainter& p = *g->painter();
        int bar = 0;
        for (std::size_t c = 0; c < s.chains.size(); ++c)
            for (std::size_t k = 0; k < s.chains[c].operations.size(); ++k, ++bar) {
                const OperationSchedule& op = s.chains[c].operations[k];
                const QRectF r = p.bar_rect(bar, g->scale());
                EXPECT_NEAR(r.left(), p.x_of(op.start, g->scale()), 1e-9) << fixture << " " << c << "." << k;
                EXPECT_NEAR(r.width(), op.duration * g->scale(), 1e-9) << fixture << " " << c << "." << k;
                EXPECT_EQ(p.chart().bars[bar].slack, op.slack);
                EXPECT_EQ(p.chart().bars[bar].critical, op.slack == 0);
            }
        // Fitted, the whole span is in sight; the wheel zooms about the pointer.
        EXPECT_TRUE(g->fitted());
        EXPECT_LE(p.width(g->scale()), g->viewport()->width() + 1);
        const double before = g->scale();
        view->gantt()->zoom_by(2, 300);
        EXPECT_DOUBLE_EQ(g->scale(), before * 2);
        EXPECT_FALSE(g->fitted());
        view->gantt()->zoom_to_fit();
        EXPECT_DOUBLE_EQ(g->scale(), before);
    }
}

TEST(SolutionView, ResourceGanttShadesTheUnavailablePeriodsOfEachBarsCategory) {
    Harness h;
    const std::string code = test::enter_and_solve(h.ws, "resources");
    h.start();
    auto* view = h.open<TfrmViewSolution>(WindowKind::ViewSolution, code);
    ASSERT_NE(view, nullptr);
    const GanttChart& chart = view->gantt()->painter()->chart();
    for (const GanttBar& b : chart.bars) {
        ASSERT_GE(b.category, 1);
        EXPECT_EQ(b.unavailable,
                  unavailable_periods(view->files().task.resourceIntervals[b.category - 1], chart.span));
    }
}

TEST(SolutionView, MissingOrDamagedSolutionWarnsAndOpensNoWindow) {
    Harness h;
    const std::string code = test::enter_and_solve(h.ws, "plain");
    h.start();
    const QString warning = QString::fromStdString(h.main->state().text(94) + ".");
    const fs::path solution = stored_solution_path(h.ws, code);
    const std::vector<std::uint8_t> bytes = read_whole_file(solution);

    fs::remove(solution);
    EXPECT_EQ(h.main->open_window(WindowKind::ViewSolution), nullptr);
    write_file_atomically(solution, std::span(bytes.data(), bytes.size() / 2));
    EXPECT_EQ(h.open<TfrmViewSolution>(WindowKind::ViewSolution, code), nullptr);
    h.main->state().currentTaskCode = "NONE01";
    EXPECT_EQ(h.main->open_window(WindowKind::ViewSolution), nullptr);
    ASSERT_EQ(h.notifier.messages.size(), 3u);
    for (const auto& m : h.notifier.messages) {
        EXPECT_EQ(m.kind, Notifier::Kind::Warning);
        EXPECT_EQ(m.text, warning);
    }
    EXPECT_TRUE(h.main->mdi_area()->subWindowList().isEmpty());
}

TEST(TaskView, MissingTaskFileOpensNoWindowAndSaysNothing) {
    Harness h;
    h.start();
    h.main->state().currentTaskCode = "NONE01";
    EXPECT_EQ(h.main->open_window(WindowKind::ViewTask), nullptr);
    EXPECT_TRUE(h.notifier.messages.empty());
    EXPECT_TRUE(h.main->mdi_area()->subWindowList().isEmpty());
}

TEST(TaskView, WithoutMarksTheMarkColumnIsAnEmptyOnePixelColumn) {
    Harness h;
    const std::string code = test::enter_and_solve(h.ws, "plain");
    h.start();
    auto* view = h.open<TfrmViewTask>(WindowKind::ViewTask, code);
    ASSERT_NE(view, nullptr);
    QLabel* mark = view->operations()->label(8);
    ASSERT_NE(mark, nullptr);
    EXPECT_EQ(mark->objectName(), "TitleCol9");
    EXPECT_TRUE(mark->text().isEmpty());
    EXPECT_EQ(view->operations()->strip()->sizes().at(8), 1);
    EXPECT_EQ(view->operations()->grid()->columnWidth(8), 2);
}

TEST(TaskView, MovingASplitterResizesTheColumnUnderItAndWrapsItsLabelAgain) {
    Harness h;
    const std::string code = test::enter_and_solve(h.ws, "plain");
    h.start();
    auto* view = h.open<TfrmViewTask>(WindowKind::ViewTask, code);
    ASSERT_NE(view, nullptr);
    TitledGrid* grid = view->operations();
    QLabel* cost = grid->label(7);
    grid->resize_label(7, 30);
    EXPECT_EQ(grid->strip()->sizes().at(7), 30);
    EXPECT_EQ(grid->grid()->columnWidth(7), 31);
    EXPECT_TRUE(cost->text().contains(QStringLiteral("- "))); // a word wider than 28 pixels is cut
    grid->resize_label(0, 90);
    EXPECT_EQ(grid->grid()->columnWidth(0), 89);
}

TEST(Views, SeveralViewsOpenAtOnceAndOutputActsOnTheActiveOne) {
    Harness h;
    const std::string plain = test::enter_and_solve(h.ws, "plain");
    const std::string res = test::enter_and_solve(h.ws, "resources");
    h.start();
    auto* a = h.open<TfrmViewSolution>(WindowKind::ViewSolution, plain);
    auto* b = h.open<TfrmViewTask>(WindowKind::ViewTask, res);
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(h.main->mdi_area()->subWindowList().size(), 2);
    EXPECT_EQ(h.main->active_output_view(), b);
    h.main->mdi_area()->setActiveSubWindow(h.main->mdi_area()->subWindowList().front());
    EXPECT_EQ(h.main->active_output_view(), a);
}

} // namespace
