#pragma once
// `TfrmViewTask`: the input data of one task, read-only: its parameters and a table of every chain,
// operation and variant; for a task with temporarily unavailable resources the availability intervals
// and an operation table with the resource columns. In derived mode (the derived-task flag set by the
// export of a solution) it shows the derived code and name and exports the task at once.
#include "optimiser/solution_file.h"
#include "shell/ui/frm_main.h"
#include "task/task_record.h"
#include "views/task_view.h"
#include "views/ui/export_dialogs.h"

#include <QWidget>
#include <optional>

namespace zep {

class ParameterList;
class TitledGrid;

class TfrmViewTask : public QWidget, public OutputView {
    Q_OBJECT
public:
    // The view of the current task code as an MDI child; nullptr when the task file is missing or does
    // not read (no message), or, in derived mode, after the warning when the solution does not read.
    // A derived view exports at once through `dialogs`.
    static TfrmViewTask* open(TfrmMain& main, ExportDialogs dialogs = desktop_export_dialogs());

    // `derivedVariant` (from 1) names the solution variant of a derived task; 0: the task itself.
    TfrmViewTask(TfrmMain& main, TaskRecord task, std::optional<Solution> solution = std::nullopt,
                 int derivedVariant = 0);

    void print_view() override;
    // From the menu: the task itself, the derived-task flag cleared.
    void export_view() override;
    // The workbook of what the view shows: in derived mode the derived task with its marks.
    bool export_shown();
    void set_export_dialogs(ExportDialogs dialogs) { dialogs_ = std::move(dialogs); }
    bool derived() const { return derivedVariant_ > 0; }

    ParameterList* var_list() const { return varList_; }
    // `Table` without unavailable resources, else `Grid2`; `Grid1` (the intervals) or nullptr.
    TitledGrid* operations() const { return operations_; }
    TitledGrid* intervals() const { return intervals_; }
    const TaskViewContent& content() const { return content_; }
    const TaskRecord& task() const { return task_; }

private:
    void build_window();

    TfrmMain& main_;
    TaskRecord task_;
    std::optional<Solution> solution_;
    int derivedVariant_ = 0;
    TaskViewContent content_;
    ParameterList* varList_ = nullptr;
    TitledGrid* operations_ = nullptr;
    TitledGrid* intervals_ = nullptr;
    ExportDialogs dialogs_ = desktop_export_dialogs();
};

} // namespace zep
