#include "shell/ui/frm_select_task.h"

#include "shell/register_views.h"
#include "shell/shell_text.h"
#include "shell/ui/frm_main.h"
#include "shell/ui/window_keys.h"
#include "shell/ui/window_placement.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace zep {
namespace {

// The window the dialog hands the picked task to.
WindowKind target_window(SelectionPurpose purpose) {
    switch (purpose) {
    case SelectionPurpose::ViewTask:
        return WindowKind::ViewTask;
    case SelectionPurpose::ViewSolution:
        return WindowKind::ViewSolution;
    case SelectionPurpose::CorrectTask:
        break;
    }
    return WindowKind::CreateTask;
}

} // namespace

TfrmSelectTask* TfrmSelectTask::open(TfrmMain& main) {
    auto* w = new TfrmSelectTask(main);
    show_centred_on(w, main);
    return w;
}

TfrmSelectTask::TfrmSelectTask(TfrmMain& main) : QWidget(nullptr), main_(main) {
    setObjectName(QStringLiteral("TfrmSelectTask"));
    setAttribute(Qt::WA_DeleteOnClose);
    const SessionState& st = main_.state();
    purpose_ = st.openMode.selection_purpose().value_or(SelectionPurpose::ViewTask);

    GroupBox1_ = new QGroupBox(this);
    GroupBox1_->setObjectName(QStringLiteral("GroupBox1"));
    lbTask_ = new QListWidget(GroupBox1_);
    lbTask_->setObjectName(QStringLiteral("lbTask"));
    auto* box = new QVBoxLayout(GroupBox1_);
    box->addWidget(lbTask_);
    btnOK_ = new QPushButton(QStringLiteral("ОК"), this);
    btnOK_->setObjectName(QStringLiteral("btnOK"));
    btnOK_->setDefault(true);
    btnCancel_ = new QPushButton(QString::fromStdString(shell_text(st.shell, ShellText::Cancel)), this);
    btnCancel_->setObjectName(QStringLiteral("btnCancel"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(GroupBox1_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK_);
    buttons->addWidget(btnCancel_);
    layout->addLayout(buttons);
    setMinimumSize(560, 360);
    setWindowTitle(QString::fromStdString(shell_text(st.shell, ShellText::TaskList)));

    const TaskRegister& reg = st.taskRegister->get();
    entries_ = offered_entries(reg, purpose_);
    for (std::size_t i : entries_)
        lbTask_->addItem(QString::fromStdString(task_line(reg.entries[i])));
    if (lbTask_->count() > 0)
        lbTask_->setCurrentRow(0);
    else
        btnOK_->setEnabled(false);

    connect(btnOK_, &QPushButton::clicked, this, [this] { btnOKClick(); });
    connect(btnCancel_, &QPushButton::clicked, this, [this] { btnCancelClick(); });
    connect(lbTask_, &QListWidget::itemDoubleClicked, this, [this] { btnOKClick(); });
    click_on_enter(lbTask_, btnOK_);
    click_on_escape(this, btnCancel_);
}

void TfrmSelectTask::btnOKClick() {
    const int row = lbTask_->currentRow();
    if (row < 0 || static_cast<std::size_t>(row) >= entries_.size())
        return;
    SessionState& st = main_.state();
    st.currentTaskCode = st.taskRegister->get().entries[entries_[static_cast<std::size_t>(row)]].code;
    const WindowKind target = target_window(purpose_);
    // The wizard enables the main window when it closes; the views are children of the main window.
    handedOver_ = purpose_ == SelectionPurpose::CorrectTask && main_.has_window(target);
    if (main_.has_window(target)) {
        if (!handedOver_)
            main_.setEnabled(true);
        // A wizard that did not open cannot enable the main window again: this dialog does.
        if (!main_.open_window(target))
            handedOver_ = false;
    }
    close();
}

void TfrmSelectTask::btnCancelClick() {
    close();
}

void TfrmSelectTask::closeEvent(QCloseEvent* event) {
    if (!handedOver_)
        main_.setEnabled(true);
    event->accept();
}

} // namespace zep
