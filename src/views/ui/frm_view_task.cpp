#include "views/ui/frm_view_task.h"

#include "common/task_naming.h"
#include "shell/ui/qt_text.h"
#include "views/derived_task.h"
#include "views/solved_task_files.h"
#include "views/ui/mdi_child.h"
#include "views/ui/parameter_list.h"
#include "views/ui/print_preview.h"
#include "views/ui/titled_grid.h"
#include "views/ui/workbook_export.h"
#include "views/view_text.h"

#include <QSplitter>
#include <QVBoxLayout>
#include <algorithm>

namespace zep {
namespace {

// Widths of the column labels, in pixels: `TitleCol1` to `TitleCol9`, the eleven of `Title2`, the four
// of `Title1`. An empty mark label is narrowed to 1 pixel.
constexpr int kTableWidths[] = {64, 200, 74, 200, 70, 190, 100, 100, 150};
constexpr int kGrid2Widths[] = {64, 160, 74, 150, 70, 140, 78, 100, 100, 100, 150};
constexpr int kGrid1Widths[] = {90, 90, 130, 130};

template <std::size_t N>
std::vector<GridColumn> columns_of(const QString& prefix, int first, const std::vector<std::string>& captions,
                                   const int (&widths)[N]) {
    std::vector<GridColumn> columns;
    for (std::size_t c = 0; c < N && c < captions.size(); ++c) {
        const bool emptyMark = c + 1 == N && captions[c].empty() && N != std::size(kGrid1Widths);
        columns.push_back({prefix + QString::number(first + static_cast<int>(c)), qs(captions[c]),
                           emptyMark ? 1 : widths[c]});
    }
    return columns;
}

} // namespace

TfrmViewTask* TfrmViewTask::open(TfrmMain& main, ExportDialogs dialogs) {
    SessionState& st = main.state();
    TaskRecord task;
    try {
        task = read_task_for_view(st.workspace, st.currentTaskCode, st.shell);
    } catch (const ViewFilesError&) {
        return nullptr; // a task file that is missing closes the view without a message
    }
    std::optional<Solution> solution;
    int variant = 0;
    if (st.derivedTask == 1) {
        try {
            solution = read_solved_task(st.workspace, st.currentTaskCode, st.shell).solution;
        } catch (const ViewFilesError& e) {
            main.notifier().warning(&main, QString::fromUtf8(e.what()));
            return nullptr;
        }
        const int runs = static_cast<int>(solution->status.size());
        variant = std::clamp(st.currentSolutionTab + 1, 1, std::max(1, runs));
    }
    auto* view = new TfrmViewTask(main, std::move(task), std::move(solution), variant);
    view->set_export_dialogs(std::move(dialogs));
    show_as_mdi_child(main, view);
    if (variant > 0)
        view->export_shown();
    return view;
}

TfrmViewTask::TfrmViewTask(TfrmMain& main, TaskRecord task, std::optional<Solution> solution,
                           int derivedVariant)
    : main_(main), task_(std::move(task)), solution_(std::move(solution)), derivedVariant_(derivedVariant) {
    setObjectName(QStringLiteral("TfrmViewTask"));
    const SessionState& st = main_.state();
    std::string code, name;
    if (derivedVariant_ > 0) {
        code = derived_task_code(task_.header.taskCode);
        name = derived_task_name(task_.header.taskCode, derivedVariant_, task_.header.taskName);
    }
    content_ = task_view(task_, st.shell, st.decimalSeparator, code, name);
    build_window();
    setWindowTitle(qs(content_.caption));
}

void TfrmViewTask::build_window() {
    const ShellTables& t = main_.state().shell;
    const bool resources = task_.header.has_unavailable_resources();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    auto* split = new QSplitter(Qt::Vertical, this);
    layout->addWidget(split);

    varList_ = new ParameterList(QStringLiteral("VarList"), split);
    varList_->set_titles(qs(task_text(t, TaskText::TaskParameters)), qs(view_text(t, ViewText::ValueColumn)));
    varList_->set_rows(content_.taskRows);

    if (!resources) {
        operations_ = new TitledGrid(QStringLiteral("Title"), QStringLiteral("Table"));
        operations_->setObjectName(QStringLiteral("Panel"));
        operations_->set_columns(
            columns_of(QStringLiteral("TitleCol"), 1, content_.columnLabels, kTableWidths));
        operations_->set_rows(content_.operations);
        split->addWidget(operations_);
        split->setSizes({260, 500});
        return;
    }
    auto* panel = new QSplitter(Qt::Vertical);
    panel->setObjectName(QStringLiteral("Panel1"));
    intervals_ = new TitledGrid(QStringLiteral("Title1"), QStringLiteral("Grid1"));
    intervals_->set_columns(
        columns_of(QStringLiteral("Title1Col"), 1, content_.intervalLabels, kGrid1Widths));
    intervals_->set_rows(content_.intervals);
    operations_ = new TitledGrid(QStringLiteral("Title2"), QStringLiteral("Grid2"));
    operations_->set_columns(columns_of(QStringLiteral("Title2Col"), 1, content_.columnLabels, kGrid2Widths));
    operations_->set_rows(content_.operations);
    panel->addWidget(intervals_);
    panel->addWidget(operations_);
    panel->setSizes({150, 350});
    split->addWidget(panel);
    split->setSizes({230, 530});
}

// From the menu the task is printed as itself, never as a derived task.
void TfrmViewTask::print_view() {
    SessionState& st = main_.state();
    st.derivedTask = 0;
    const TaskViewContent own = task_view(task_, st.shell, st.decimalSeparator);
    open_print_preview(task_printout(task_, own, st.shell),
                       qs(exported_file_name(task_.header.taskCode, "pdf")), this);
}

void TfrmViewTask::export_view() {
    SessionState& st = main_.state();
    st.derivedTask = 0;
    const TaskViewContent own = task_view(task_, st.shell, st.decimalSeparator);
    export_workbook(main_, this, task_workbook(task_, own, st.shell, st.decimalSeparator),
                    qs(exported_file_name(task_.header.taskCode, "xlsx")), dialogs_);
}

bool TfrmViewTask::export_shown() {
    const SessionState& st = main_.state();
    if (!derived() || !solution_)
        return export_workbook(main_, this, task_workbook(task_, content_, st.shell, st.decimalSeparator),
                               qs(exported_file_name(task_.header.taskCode, "xlsx")), dialogs_);
    const auto marks = derived_marks(task_, solution_->variantChoice.at(derivedVariant_ - 1));
    return export_workbook(main_, this, task_workbook(task_, content_, st.shell, st.decimalSeparator, &marks),
                           qs(exported_file_name(derived_task_code(task_.header.taskCode), "xlsx")),
                           dialogs_);
}

} // namespace zep
