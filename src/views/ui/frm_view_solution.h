#pragma once
// `TfrmViewSolution`: the solution of a solved task, one computation variant at a time (the tabs at
// the bottom): the task's parameters and run data, the variant's parameters, and three pages, the grid
// of every chain and operation with its schedule, the Gantt chart and the time–cost chart.
#include "shell/ui/frm_main.h"
#include "views/solution_view.h"
#include "views/solved_task_files.h"
#include "views/time_cost_series.h"
#include "views/ui/export_dialogs.h"

#include <QWidget>
#include <memory>
#include <vector>

class QTabBar;
class QTabWidget;
class QToolButton;

namespace zep {

class ExactOptimumPanel;
class GanttChartView;
class ParameterList;
class TimeCostChartView;
class TitledGrid;

class TfrmViewSolution : public QWidget, public OutputView {
    Q_OBJECT
public:
    // The view of the current task code's solution, as an MDI child of the main window; nullptr after
    // the warning (text 94 and ".") when the task or solution file is missing or does not read.
    static TfrmViewSolution* open(TfrmMain& main);

    TfrmViewSolution(
        TfrmMain& main, SolvedTaskFiles files,
        std::vector<std::shared_ptr<const TimeCostSource>> sources = default_time_cost_sources());

    ~TfrmViewSolution() override;

    void print_view() override;
    void export_view() override;

    void set_export_dialogs(ExportDialogs dialogs) { dialogs_ = std::move(dialogs); }

    // Tab change: the shown variant becomes the current solution tab.
    void TabControlChange(int index);

    ParameterList* var_list() const { return varList_; }
    ParameterList* var_list1() const { return varList1_; }
    QTabBar* tab_control() const { return tabs_; }
    QTabWidget* pages() const { return pages_; }
    TitledGrid* table() const { return table_; }
    GanttChartView* gantt() const { return gantt_; }
    TimeCostChartView* time_cost() const { return timeCost_; }
    ExactOptimumPanel* exact_panel() const { return exact_; }
    const SolutionViewContent& content() const { return content_; }
    const SolvedTaskFiles& files() const { return files_; }
    int shown_variant() const { return shown_; } // 0-based

private:
    void build_window();
    QWidget* build_table_page();
    QWidget* build_gantt_page();
    void show_variant(int run);
    void build_time_cost_chart();
    QWidget* build_time_cost_page();

    TfrmMain& main_;
    SolvedTaskFiles files_;
    std::vector<std::shared_ptr<const TimeCostSource>> sources_;
    SolutionViewContent content_;
    int shown_ = 0;
    ExportDialogs dialogs_ = desktop_export_dialogs();

    ParameterList* varList_ = nullptr;
    ParameterList* varList1_ = nullptr;
    QTabBar* tabs_ = nullptr;
    QTabWidget* pages_ = nullptr;
    TitledGrid* table_ = nullptr;
    GanttChartView* gantt_ = nullptr;
    QToolButton* fit_ = nullptr;
    TimeCostChartView* timeCost_ = nullptr;
    ExactOptimumPanel* exact_ = nullptr;
};

} // namespace zep
