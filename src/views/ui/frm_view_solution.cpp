#include "views/ui/frm_view_solution.h"

#include "common/task_naming.h"
#include "shell/ui/qt_text.h"
#include "views/gantt_model.h"
#include "views/ui/chart_texts.h"
#include "views/ui/exact_curve_source.h"
#include "views/ui/exact_panel.h"
#include "views/ui/frm_view_task.h"
#include "views/ui/gantt_chart_view.h"
#include "views/ui/mdi_child.h"
#include "views/ui/parameter_list.h"
#include "views/ui/print_preview.h"
#include "views/ui/time_cost_chart_view.h"
#include "views/ui/titled_grid.h"
#include "views/ui/workbook_export.h"
#include "views/view_text.h"

#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace zep {
namespace {

// Widths of the column labels `TitleCol10` to `TitleCol21`, in pixels.
constexpr int kLabelWidths[kSolutionGridColumns] = {64, 180, 80, 85, 78, 74, 160, 100, 120, 100, 95, 85};

} // namespace

TfrmViewSolution* TfrmViewSolution::open(TfrmMain& main) {
    SessionState& st = main.state();
    st.currentSolutionTab = 0;
    try {
        SolvedTaskFiles files = read_solved_task(st.workspace, st.currentTaskCode, st.shell);
        auto* view = new TfrmViewSolution(main, std::move(files));
        show_as_mdi_child(main, view);
        return view;
    } catch (const ViewFilesError& e) {
        main.notifier().warning(&main, QString::fromUtf8(e.what()));
        return nullptr;
    }
}

TfrmViewSolution::TfrmViewSolution(TfrmMain& main, SolvedTaskFiles files,
                                   std::vector<std::shared_ptr<const TimeCostSource>> sources)
    : main_(main), files_(std::move(files)), sources_(std::move(sources)) {
    setObjectName(QStringLiteral("TfrmViewSolution"));
    build_window();
    build_time_cost_chart();
    show_variant(0);
    setWindowTitle(qs(content_.caption));
}

// The tab bar outlives the members (children go last) and reports its tabs going while they do.
TfrmViewSolution::~TfrmViewSolution() {
    tabs_->blockSignals(true);
}

void TfrmViewSolution::build_window() {
    const ShellTables& t = main_.state().shell;
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    auto* split = new QSplitter(Qt::Vertical, this);
    layout->addWidget(split);

    // The two parameter lists share the top band, so that the pages below keep most of the height.
    auto* lists = new QSplitter(Qt::Horizontal, split);
    varList_ = new ParameterList(QStringLiteral("VarList"), lists);
    varList_->set_titles(qs(task_text(t, TaskText::TaskParameters)), qs(view_text(t, ViewText::ValueColumn)));
    varList1_ = new ParameterList(QStringLiteral("VarList_1"), lists);
    varList1_->set_titles(qs(view_text(t, ViewText::ComputationVariantParameters)),
                          qs(view_text(t, ViewText::ValueColumn)));
    lists->setSizes({640, 460});

    auto* tabArea = new QWidget(split);
    auto* tabLayout = new QVBoxLayout(tabArea);
    tabLayout->setContentsMargins(0, 0, 0, 0);
    tabLayout->setSpacing(0);
    pages_ = new QTabWidget(tabArea);
    pages_->setObjectName(QStringLiteral("SolutionPages"));
    tabLayout->addWidget(pages_, 1);
    tabs_ = new QTabBar(tabArea);
    tabs_->setObjectName(QStringLiteral("TabControl"));
    tabs_->setShape(QTabBar::RoundedSouth);
    tabs_->setExpanding(false);
    tabLayout->addWidget(tabs_);

    pages_->addTab(build_table_page(), chart_text(t, ViewText::TableTab));
    pages_->addTab(build_gantt_page(), chart_text(t, ViewText::GanttTab));
    pages_->addTab(build_time_cost_page(), chart_text(t, ViewText::TimeCostTab));

    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 3);
    split->setSizes({200, 560});

    const int runs = static_cast<int>(files_.solution.status.size());
    for (int run = 0; run < runs; ++run)
        tabs_->addTab(qs(task_text(t, TaskText::Variant) + " " + std::to_string(run + 1)));
    tabs_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    tabs_->setMinimumHeight(tabs_->sizeHint().height());
    connect(tabs_, &QTabBar::currentChanged, this, [this](int index) { TabControlChange(index); });
}

// The schedule grid with the column titles of the solution view.
QWidget* TfrmViewSolution::build_table_page() {
    const ShellTables& t = main_.state().shell;
    table_ = new TitledGrid(QStringLiteral("TitleSolution"), QStringLiteral("sgSolution"));
    const std::vector<std::string> labels =
        solution_view(files_.task, files_.solution, 0, t, main_.state().decimalSeparator).columnLabels;
    std::vector<GridColumn> columns;
    for (int c = 0; c < kSolutionGridColumns; ++c)
        columns.push_back({QStringLiteral("TitleCol%1").arg(10 + c), qs(labels[c]), kLabelWidths[c]});
    table_->set_columns(columns);
    return table_;
}

// The Gantt chart under the button that fits it to the page.
QWidget* TfrmViewSolution::build_gantt_page() {
    auto* ganttPage = new QWidget;
    auto* ganttLayout = new QVBoxLayout(ganttPage);
    ganttLayout->setContentsMargins(0, 2, 0, 0);
    fit_ = new QToolButton(ganttPage);
    fit_->setObjectName(QStringLiteral("btnFit"));
    fit_->setText(chart_text(main_.state().shell, ViewText::Fit));
    ganttLayout->addWidget(fit_, 0, Qt::AlignLeft);
    gantt_ = new GanttChartView(ganttPage);
    ganttLayout->addWidget(gantt_, 1);
    connect(fit_, &QToolButton::clicked, gantt_, &GanttChartView::zoom_to_fit);
    return ganttPage;
}

// The time-cost chart under the exact optimum's panel; the exact curve, once computed, is one more
// series of the chart.
QWidget* TfrmViewSolution::build_time_cost_page() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 2, 0, 0);
    exact_ = new ExactOptimumPanel(main_.state(), files_.task, files_.solution, page);
    exact_->onCurve = [this](std::vector<exact::FrontierPoint> points) {
        sources_.push_back(std::make_shared<ExactCurveSource>(std::move(points)));
        build_time_cost_chart();
        timeCost_->set_shown(shown_ + 1);
    };
    layout->addWidget(exact_);
    timeCost_ = new TimeCostChartView(page);
    layout->addWidget(timeCost_, 1);
    return page;
}

void TfrmViewSolution::build_time_cost_chart() {
    const SessionState& st = main_.state();
    timeCost_->set_picture(
        time_cost_picture(sources_, files_.task, files_.solution, st.shell, st.decimalSeparator));
}

void TfrmViewSolution::TabControlChange(int index) {
    if (index < 0 || index >= static_cast<int>(files_.solution.status.size()))
        return;
    main_.state().currentSolutionTab = index;
    show_variant(index);
}

void TfrmViewSolution::show_variant(int run) {
    const SessionState& st = main_.state();
    shown_ = run;
    content_ = solution_view(files_.task, files_.solution, run, st.shell, st.decimalSeparator);
    varList_->set_rows(content_.taskRows);
    varList1_->set_rows(content_.variantRows);
    table_->set_rows(content_.grid);
    if (content_.schedule)
        gantt_->set_chart(gantt_chart(files_.task, *content_.schedule),
                          gantt_texts(st.shell, files_.task, st.decimalSeparator));
    else
        gantt_->clear();
    timeCost_->set_shown(run + 1);
    exact_->set_variant(run);
    if (tabs_->currentIndex() != run) {
        const QSignalBlocker block(tabs_);
        tabs_->setCurrentIndex(run);
    }
}

void TfrmViewSolution::print_view() {
    const SessionState& st = main_.state();
    open_print_preview(solution_printout(files_.task, content_, shown_ + 1, timeCost_->picture(), st.shell,
                                         st.decimalSeparator),
                       qs(exported_file_name(files_.task.header.taskCode, "pdf")), this);
}

// The solution sheet of the shown variant, then, when the user wants it, the task derived from it.
void TfrmViewSolution::export_view() {
    SessionState& st = main_.state();
    const bool time = minimised_parameter(files_.task.header) == MinimisedParam::Time;
    const std::string question =
        view_text(st.shell, ViewText::ExportDerivedTaskToo) + " " + std::to_string(shown_ + 1) + " " +
        view_text(st.shell, time ? ViewText::OfSolutionTimeMinimised : ViewText::OfSolutionCostMinimised) +
        " " + view_text(st.shell, ViewText::WithChosenVariantsMarked) + "?";
    st.derivedTask = main_.notifier().question(this, qs(question)) ? 1 : 0;
    if (!export_workbook(main_, this, solution_workbook(content_),
                         qs(exported_file_name(files_.task.header.taskCode, "xlsx")), dialogs_))
        return;
    if (st.derivedTask == 1)
        TfrmViewTask::open(main_, dialogs_);
}

} // namespace zep
