#pragma once
// The task selection dialog `TfrmSelectTask`: the tasks the open mode allows (every task to view its
// input, the solved ones to view a solution, the entered ones to correct), and on OK the window the
// mode names: the task view, the solution view (MDI children; the main window is enabled at once) or
// the wizard in correction mode (the main window stays disabled until the wizard closes). The picked
// code becomes SessionState::currentTaskCode. A window that is not registered is not opened.
#include "shell/open_mode.h"

#include <QWidget>
#include <cstddef>
#include <vector>

class QGroupBox;
class QListWidget;
class QPushButton;

namespace zep {

class TfrmMain;

class TfrmSelectTask : public QWidget {
    Q_OBJECT
public:
    explicit TfrmSelectTask(TfrmMain& main);

    // The window factory: a separate window centred on the main window, destroyed when it closes.
    static TfrmSelectTask* open(TfrmMain& main);

    void btnOKClick();
    void btnCancelClick();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    TfrmMain& main_;
    SelectionPurpose purpose_ = SelectionPurpose::ViewTask;
    std::vector<std::size_t> entries_; // register entry behind each line of lbTask
    bool handedOver_ = false;
    QGroupBox* GroupBox1_;
    QListWidget* lbTask_;
    QPushButton* btnOK_;
    QPushButton* btnCancel_;
};

} // namespace zep
