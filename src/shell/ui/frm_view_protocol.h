#pragma once
// The protocol window `TfrmViewProtocol`: the register one task at a time with its status and dates,
// and the three commands that move a task's files by hand: delete the task, hand its input over to the
// optimiser (unload), take the optimiser's results over (load). Every change reaches the register file
// at once. A separate window; the main window is enabled again when it closes.
#include "shell/task_register.h"

#include <QWidget>
#include <functional>

class QComboBox;
class QPushButton;
class QTableWidget;

namespace zep {

class TfrmMain;

class TfrmViewProtocol : public QWidget {
    Q_OBJECT
public:
    explicit TfrmViewProtocol(TfrmMain& main);

    // The window factory: a separate window centred on the main window, destroyed when it closes.
    static TfrmViewProtocol* open(TfrmMain& main);

    void TaskListChange();
    void btnDeleteTaskClick();
    void btnCreateInDataClick();
    void btnLoadOutDataClick();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void apply_captions();
    void fillTaskList(int select);
    const RegisterEntry* selectedEntry() const;
    void reportError(const std::exception& e);
    void moveSelectedTask(bool load);

    TfrmMain& main_;
    QComboBox* TaskList_;
    QPushButton* btnDeleteTask_;
    QTableWidget* ValueList_;
    QPushButton* btnCreateInData_;
    QPushButton* btnLoadOutData_;
    QPushButton* btnClose_;
};

} // namespace zep
