// The exact optimum in the solution view: the button's result for each variant of a solved demo task is
// what `zep exact` writes for it, and the exact curve added to the time-cost chart is `zep frontier`'s.
#include "common/json_reader.h"
#include "exact/exact_tasks.h"
#include "exact/report_text.h"
#include "test_dir.h"
#include "ui_workspace.h"
#include "views/ui/exact_panel.h"
#include "views/ui/frm_view_solution.h"
#include "views/ui/parameter_list.h"
#include "views/ui/time_cost_chart_view.h"

#include <QLabel>
#include <QProcess>
#include <QProgressBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace zep;
namespace fs = std::filesystem;

namespace {

const fs::path kShippedWorkspace = ZEP_SHIPPED_DIR;

// The shipped workspace with its solved demo tasks, copied for the test with the English shell only,
// and the solution view registered as the program registers it.
struct Harness {
    test::TempDir dir;
    Workspace ws{dir.path()};
    RecordingNotifier notifier;
    std::unique_ptr<TfrmMain> main;

    explicit Harness(const char* lang = "eng") {
        fs::copy(kShippedWorkspace, ws.root,
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        // One shell, so that the program starts in it without asking.
        fs::remove(ws.shells() / shell_file_name(std::string(lang) == "eng" ? "rus" : "eng"));
        main = std::make_unique<TfrmMain>(ws, notifier);
        main->endProgram = [] {};
        main->register_window(WindowKind::ViewSolution,
                              [](TfrmMain& m) { return TfrmViewSolution::open(m); });
        if (!main->start_up())
            throw std::runtime_error("the main window did not start");
        main->resize(1280, 800);
        main->show();
    }

    // The solution view of the task on its time-cost page, where the button is.
    TfrmViewSolution* open(const std::string& code) {
        main->state().currentTaskCode = code;
        auto* view = dynamic_cast<TfrmViewSolution*>(main->open_window(WindowKind::ViewSolution));
        if (view)
            view->pages()->setCurrentIndex(2);
        return view;
    }

    JsonValue zep(const QStringList& args) {
        QProcess zep;
        QStringList all = args;
        all << QStringLiteral("--json") << QStringLiteral("--workspace")
            << QString::fromStdString(ws.root.string());
        zep.start(QString::fromStdString((test::kShipped / "zep").string()), all);
        EXPECT_TRUE(zep.waitForFinished(60000));
        EXPECT_EQ(zep.exitCode(), 0) << zep.readAllStandardError().toStdString();
        return parse_json(zep.readAllStandardOutput().toStdString());
    }
};

// A number of `zep`'s JSON: null stands for none.
std::optional<double> number_of(const JsonValue* v) {
    EXPECT_NE(v, nullptr);
    if (!v || v->is(JsonValue::Kind::Null))
        return std::nullopt;
    return v->number;
}

void expect_report(const exact::VariantReport& r, const JsonValue& json) {
    EXPECT_EQ(r.variant, json.find("variant")->number);
    EXPECT_EQ(r.threshold, json.find("threshold")->number);
    const JsonValue& method = *json.find("method");
    EXPECT_EQ(r.method.present ? std::optional(r.method.value) : std::nullopt,
              number_of(method.find("value")));
    EXPECT_EQ(r.method.present && r.method.withinThreshold, method.find("withinThreshold")->boolean);
    const JsonValue& ex = *json.find("exact");
    EXPECT_EQ(r.exact.feasible ? std::optional(r.exact.value) : std::nullopt, number_of(ex.find("value")));
    EXPECT_EQ(r.exact.feasible ? std::optional(r.exact.bound) : std::nullopt, number_of(ex.find("bound")));
    EXPECT_EQ(r.exact.proven, ex.find("proven")->boolean);
    exact::Plan choice;
    for (const JsonValue& chain : ex.find("choice")->items) {
        choice.emplace_back();
        for (const JsonValue& v : chain.items)
            choice.back().push_back(static_cast<int>(v.number));
    }
    EXPECT_EQ(r.exact.feasible ? r.exact.plan : exact::Plan{}, choice);
    EXPECT_EQ(r.gap, number_of(json.find("gapPercent")));
}

bool computed(ExactOptimumPanel* panel, int run) {
    return test::wait_until([&] { return !panel->running() && panel->report(run).has_value(); }, 60000);
}

class DemoTask : public ::testing::TestWithParam<const char*> {};

TEST_P(DemoTask, EachVariantsExactOptimumIsZepExactsAndTheChartGainsZepFrontiersCurve) {
    Harness h;
    const std::string code = GetParam();
    TfrmViewSolution* view = h.open(code);
    ASSERT_NE(view, nullptr);
    ExactOptimumPanel* panel = view->exact_panel();
    auto* button = test::child<QToolButton>(view, "btnExact");
    ASSERT_EQ(button, panel->button());
    const SessionState& st = h.main->state();
    EXPECT_EQ(button->text().toStdString(), exact::exact_text(st.shell, exact::ExactText::Button));
    const std::size_t seriesBefore = view->time_cost()->picture().series.size();
    EXPECT_TRUE(panel->result()->text().isEmpty());

    const JsonValue reports = h.zep({QStringLiteral("exact"), QString::fromStdString(code)});
    ASSERT_EQ(view->tab_control()->count(), static_cast<int>(reports.items.size()));
    QString firstResult;
    for (int run = 0; run < view->tab_control()->count(); ++run) {
        view->tab_control()->setCurrentIndex(run);
        EXPECT_TRUE(panel->result()->text().isEmpty()) << "nothing is shown before the button is pressed";
        QTest::mouseClick(button, Qt::LeftButton);
        ASSERT_TRUE(computed(panel, run)) << "variant " << run + 1;
        SCOPED_TRACE("variant " + std::to_string(run + 1));
        expect_report(*panel->report(run), reports.items[static_cast<std::size_t>(run)]);
        const std::vector<std::string> lines =
            exact::report_lines(*panel->report(run), view->files().task, exact::task_goal(view->files().task),
                                st.shell, st.decimalSeparator);
        QStringList shownLines;
        for (const std::string& line : lines)
            shownLines << QString::fromStdString(line);
        EXPECT_EQ(panel->result()->text(), shownLines.join(QLatin1Char('\n')));
        EXPECT_TRUE(button->isEnabled());
        if (run == 0)
            firstResult = panel->result()->text();
    }
    // Back on the first variant, its result stands without a new run.
    view->tab_control()->setCurrentIndex(0);
    EXPECT_FALSE(panel->running());
    EXPECT_EQ(panel->result()->text(), firstResult);

    // The exact curve is one series more, in the chart's axes (cost against time, or time against cost
    // when the time is minimised), drawn as the step function it is: zep frontier's points in the
    // order of the bound, each two joined by the corner where the value drops.
    const auto& series = view->time_cost()->picture().series;
    ASSERT_EQ(series.size(), seriesBefore + 1);
    const ChartSeries& curve = series.back();
    EXPECT_EQ(curve.name, exact::exact_text(st.shell, exact::ExactText::Curve));
    EXPECT_EQ(curve.style, SeriesStyle::Curve);
    const JsonValue frontier = h.zep({QStringLiteral("frontier"), QString::fromStdString(code)});
    const bool timeMinimised = view->files().task.header.minimisedParam == 1;
    std::vector<ChartPoint> pareto;
    for (const JsonValue& p : frontier.find("points")->items) {
        const double time = p.find("time")->number, cost = p.find("cost")->number;
        pareto.push_back(timeMinimised ? ChartPoint{cost, time, 0} : ChartPoint{time, cost, 0});
    }
    ASSERT_GT(pareto.size(), 1u);
    if (timeMinimised) // zep lists the points by time: the cost falls along them
        std::reverse(pareto.begin(), pareto.end());
    ASSERT_EQ(curve.points.size(), 2 * pareto.size() - 1);
    for (std::size_t i = 0; i < pareto.size(); ++i) {
        EXPECT_EQ(curve.points[2 * i], pareto[i]) << "point " << i;
        if (i > 0)
            EXPECT_EQ(curve.points[2 * i - 1], (ChartPoint{pareto[i].x, pareto[i - 1].y, 0}))
                << "corner " << i;
    }
    EXPECT_EQ(view->time_cost()->picture().shown, 1);
}

// DEME02 minimises the cost, DEME01 the time.
INSTANTIATE_TEST_SUITE_P(Demos, DemoTask, ::testing::Values("DEME02", "DEME01"));

struct Wording {
    const char* lang;
    const char* code;
};

class ExactPanelWording : public ::testing::TestWithParam<Wording> {};

// Whatever the units are called, the panel never joins a number to a unit's name: the unit stands in
// parentheses after the quantity, and the threshold is named as the variant's list names it.
TEST_P(ExactPanelWording, NamesEachUnitInParenthesesAfterItsQuantity) {
    Harness h(GetParam().lang);
    TfrmViewSolution* view = h.open(GetParam().code);
    ASSERT_NE(view, nullptr);
    ExactOptimumPanel* panel = view->exact_panel();
    QTest::mouseClick(panel->button(), Qt::LeftButton);
    ASSERT_TRUE(computed(panel, 0));
    const QString text = panel->result()->text();
    const QStringList lines = text.split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), panel->report(0)->method.present ? 4 : 3) << text.toStdString();
    const TaskHeader& th = view->files().task.header;
    for (const std::string& unit : {th.timeUnit, th.costUnit}) {
        const QString u = QString::fromStdString(unit);
        EXPECT_EQ(text.count(u), text.count(QLatin1Char('(') + u + QStringLiteral("):")))
            << text.toStdString();
    }
    EXPECT_TRUE(text.contains(QStringLiteral("):")));
    // The threshold: the key of the variant list's row, its value the same number.
    const ParameterList* list = view->var_list1();
    const QString key = list->key(1) + QStringLiteral(": ");
    ASSERT_TRUE(lines[2].startsWith(key)) << lines[2].toStdString() << " / " << key.toStdString();
    const QChar sep = QLatin1Char(h.main->state().decimalSeparator);
    EXPECT_DOUBLE_EQ(lines[2].mid(key.size()).replace(sep, QLatin1Char('.')).toDouble(),
                     list->value(1).replace(sep, QLatin1Char('.')).toDouble());
}

// DEMR01 is a Russian task with Russian units, shown in both languages; DEME01 minimises the time.
INSTANTIATE_TEST_SUITE_P(Demos, ExactPanelWording,
                         ::testing::Values(Wording{"rus", "DEMR01"}, Wording{"eng", "DEMR01"},
                                           Wording{"eng", "DEME01"}),
                         [](const auto& info) {
                             return std::string(info.param.lang) + "_" + info.param.code;
                         });

TEST(ExactPanel, TaskWithUnavailableResourcesSaysSoAndDisablesTheButton) {
    Harness h;
    TfrmViewSolution* view = h.open("DEMR02");
    ASSERT_NE(view, nullptr);
    ExactOptimumPanel* panel = view->exact_panel();
    const std::size_t seriesBefore = view->time_cost()->picture().series.size();
    QTest::mouseClick(panel->button(), Qt::LeftButton);
    ASSERT_TRUE(test::wait_until([&] { return !panel->running(); }, 60000));
    QTest::qWait(20);
    EXPECT_EQ(panel->result()->text().toStdString(),
              exact::exact_text(h.main->state().shell, exact::ExactText::Unavailable));
    EXPECT_FALSE(panel->button()->isEnabled());
    EXPECT_EQ(view->time_cost()->picture().series.size(), seriesBefore);
    EXPECT_TRUE(h.notifier.messages.empty());
}

// A network that does not reduce, large enough that the MIPs of its exact curve take seconds.
TaskRecord long_search_task() {
    using namespace exact::testing;
    std::mt19937 rng(59);
    std::vector<ChainRec> chains;
    for (int i = 0; i < 6; ++i)
        chains.push_back(chain_of(random_ops(rng, 15, 8, 40)));
    std::vector<std::pair<ChainRec, Nesting>> bridges;
    for (const Nesting n : {Nesting{1, 3, 2, 9}, Nesting{2, 4, 3, 10}, Nesting{3, 2, 4, 8},
                            Nesting{5, 2, 6, 12}, Nesting{4, 5, 5, 13}})
        bridges.push_back({chain_of(random_ops(rng, 3, 6, 30)), n});
    return task_of(chains, bridges, false);
}

// The stop button stands beside the progress bar while the search runs; pressed, it ends the search
// with a word of it, no curve, and the window ready for another press.
TEST(ExactPanel, StopEndsALongSearchAndLeavesThePanelReady) {
    Harness h;
    Solution solution;
    solution.status = {1};
    auto panel = std::make_unique<ExactOptimumPanel>(h.main->state(), long_search_task(), solution, nullptr);
    bool curve = false;
    panel->onCurve = [&curve](const std::vector<exact::FrontierPoint>&) { curve = true; };
    panel->show();
    QToolButton* stop = panel->stop_button();
    EXPECT_FALSE(stop->isVisible());
    EXPECT_EQ(stop->text().toStdString(), exact::exact_text(h.main->state().shell, exact::ExactText::Stop));
    for (int press = 0; press < 2; ++press) {
        SCOPED_TRACE("press " + std::to_string(press + 1));
        QTest::mouseClick(panel->button(), Qt::LeftButton);
        ASSERT_TRUE(panel->running());
        EXPECT_TRUE(stop->isVisible());
        EXPECT_TRUE(panel->progress()->isVisible());
        EXPECT_FALSE(panel->button()->isEnabled());
        QTest::qWait(100);
        QTest::mouseClick(stop, Qt::LeftButton);
        ASSERT_TRUE(test::wait_until([&] { return !panel->running() && !stop->isVisible(); }, 60000));
        EXPECT_EQ(panel->result()->text().toStdString(),
                  exact::exact_text(h.main->state().shell, exact::ExactText::Stopped));
        EXPECT_FALSE(panel->progress()->isVisible());
        EXPECT_TRUE(panel->button()->isEnabled());
        EXPECT_FALSE(curve);
    }
    // Destroyed while it searches (the view closed), the panel stops the search rather than wait for it.
    QTest::mouseClick(panel->button(), Qt::LeftButton);
    ASSERT_TRUE(panel->running());
    panel.reset();
    EXPECT_FALSE(curve);
    EXPECT_TRUE(h.notifier.messages.empty());
}

TEST(ExactPanel, ClosingTheViewWhileTheRunGoesOnWaitsForItQuietly) {
    Harness h;
    TfrmViewSolution* view = h.open("DEME02");
    ASSERT_NE(view, nullptr);
    QTest::mouseClick(view->exact_panel()->button(), Qt::LeftButton);
    view->parentWidget()->close();
    QTest::qWait(50);
    EXPECT_TRUE(h.notifier.messages.empty());
}

} // namespace
