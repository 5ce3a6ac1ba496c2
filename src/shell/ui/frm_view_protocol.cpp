#include "shell/ui/frm_view_protocol.h"

#include "common/date_time.h"
#include "shell/register_views.h"
#include "shell/shell_text.h"
#include "shell/ui/frm_main.h"
#include "shell/ui/qt_text.h"
#include "shell/ui/shell_language.h"
#include "shell/ui/window_keys.h"
#include "shell/ui/window_placement.h"
#include "shell/user_operations.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zep {
namespace {

// The short date-and-time text of the shell's language and the user's locale: the date, then the time.
QString date_time_text(double serial) {
    if (serial == 0)
        return {};
    const LocalDateTime t = from_date_serial(serial);
    const QDateTime dt(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second));
    return shell_locale().toString(dt, QLocale::ShortFormat);
}

QPushButton* button(QWidget* parent, const char* name) {
    auto* b = new QPushButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

} // namespace

TfrmViewProtocol* TfrmViewProtocol::open(TfrmMain& main) {
    auto* w = new TfrmViewProtocol(main);
    show_centred_on(w, main);
    return w;
}

TfrmViewProtocol::TfrmViewProtocol(TfrmMain& main) : QWidget(nullptr), main_(main) {
    setObjectName(QStringLiteral("TfrmViewProtocol"));
    setAttribute(Qt::WA_DeleteOnClose);
    TaskList_ = new QComboBox(this);
    TaskList_->setObjectName(QStringLiteral("TaskList"));
    TaskList_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    TaskList_->setMinimumContentsLength(30);
    btnDeleteTask_ = button(this, "btnDeleteTask");
    ValueList_ = new QTableWidget(0, 2, this);
    ValueList_->setObjectName(QStringLiteral("ValueList"));
    ValueList_->horizontalHeader()->hide();
    ValueList_->verticalHeader()->hide();
    ValueList_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    ValueList_->horizontalHeader()->setStretchLastSection(true);
    ValueList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ValueList_->setSelectionMode(QAbstractItemView::NoSelection);
    btnCreateInData_ = button(this, "btnCreateInData");
    btnLoadOutData_ = button(this, "btnLoadOutData");
    btnClose_ = button(this, "btnClose");

    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(TaskList_, 1);
    top->addWidget(btnDeleteTask_);
    layout->addLayout(top);
    layout->addWidget(ValueList_, 1);
    auto* moves = new QHBoxLayout;
    moves->addWidget(btnCreateInData_);
    moves->addWidget(btnLoadOutData_);
    layout->addLayout(moves);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(btnClose_);
    layout->addLayout(bottom);
    setMinimumSize(760, 340);

    connect(TaskList_, &QComboBox::currentIndexChanged, this, [this] { TaskListChange(); });
    connect(btnDeleteTask_, &QPushButton::clicked, this, [this] { btnDeleteTaskClick(); });
    connect(btnCreateInData_, &QPushButton::clicked, this, [this] { btnCreateInDataClick(); });
    connect(btnLoadOutData_, &QPushButton::clicked, this, [this] { btnLoadOutDataClick(); });
    connect(btnClose_, &QPushButton::clicked, this, [this] { close(); });
    click_on_escape(this, btnClose_);

    apply_captions();
    fillTaskList(0);
    const bool any = TaskList_->count() > 0;
    TaskList_->setEnabled(any);
    ValueList_->setEnabled(any);
}

void TfrmViewProtocol::apply_captions() {
    const SessionState& st = main_.state();
    setWindowTitle(qs(shell_text(st.shell, ShellText::TaskProtocol)));
    btnDeleteTask_->setText(qs(shell_text(st.shell, ShellText::DeleteTask)));
    btnCreateInData_->setText(qs(shell_text(st.shell, ShellText::UnloadInputData)));
    btnLoadOutData_->setText(qs(shell_text(st.shell, ShellText::LoadSolution)));
    btnClose_->setText(qs(shell_text(st.shell, ShellText::Close)));
}

void TfrmViewProtocol::fillTaskList(int select) {
    const QSignalBlocker block(TaskList_);
    TaskList_->clear();
    for (const RegisterEntry& e : main_.state().taskRegister->get().entries)
        TaskList_->addItem(qs(task_line(e)));
    TaskList_->setCurrentIndex(select < TaskList_->count() ? select : -1);
    TaskListChange();
}

const RegisterEntry* TfrmViewProtocol::selectedEntry() const {
    const auto& entries = main_.state().taskRegister->get().entries;
    const int i = TaskList_->currentIndex();
    return i >= 0 && static_cast<std::size_t>(i) < entries.size() ? &entries[static_cast<std::size_t>(i)]
                                                                  : nullptr;
}

void TfrmViewProtocol::TaskListChange() {
    ValueList_->setRowCount(0);
    const RegisterEntry* e = selectedEntry();
    if (!e) {
        btnCreateInData_->setEnabled(false);
        btnLoadOutData_->setEnabled(false);
        btnDeleteTask_->setEnabled(false);
        return;
    }
    const std::vector<ProtocolRow> rows = protocol_rows(*e, main_.state().shell);
    ValueList_->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const ProtocolRow& row = rows[static_cast<std::size_t>(r)];
        ValueList_->setItem(r, 0, new QTableWidgetItem(qs(row.key)));
        ValueList_->setItem(r, 1, new QTableWidgetItem(row.isDate ? date_time_text(row.date) : qs(row.text)));
    }
    const ProtocolCommands c = protocol_commands(*e, main_.state().workspace);
    btnDeleteTask_->setEnabled(c.canDelete);
    btnCreateInData_->setEnabled(c.canUnload);
    btnLoadOutData_->setEnabled(c.canLoad);
}

void TfrmViewProtocol::reportError(const std::exception& e) {
    main_.notifier().warning(this, QString::fromUtf8(e.what()));
}

// A task whose files are already gone can still be deleted: its entry would otherwise stay for good.
void TfrmViewProtocol::btnDeleteTaskClick() {
    const RegisterEntry* e = selectedEntry();
    if (!e || is_demo_task(e->code))
        return;
    const std::string code = e->code;
    if (!main_.notifier().question(this, qs(delete_question(main_.state().shell, e->name))))
        return;
    const int position = TaskList_->currentIndex();
    try {
        delete_task(main_.state().workspace, *main_.state().taskRegister, code);
    } catch (const std::exception& ex) {
        reportError(ex);
    }
    const int remaining = static_cast<int>(main_.state().taskRegister->get().entries.size());
    fillTaskList(selection_after_delete(position, remaining));
}

// Unload and load: the files of the selected task move, the register follows, the task shows again.
void TfrmViewProtocol::moveSelectedTask(bool load) {
    const RegisterEntry* e = selectedEntry();
    if (!e)
        return;
    const std::string code = e->code;
    const Workspace& ws = main_.state().workspace;
    try {
        RegisterStore& reg = *main_.state().taskRegister;
        const TaskMove move = load ? take_over_solution(ws, reg, code) : hand_over_input(ws, reg, code);
        if (!move)
            main_.notifier().warning(this,
                                     QString::fromStdString(move_refusal_text(reg.shell(), move.refusal())));
    } catch (const std::exception& ex) {
        reportError(ex);
    }
    TaskListChange();
}

void TfrmViewProtocol::btnCreateInDataClick() {
    moveSelectedTask(false);
}

void TfrmViewProtocol::btnLoadOutDataClick() {
    moveSelectedTask(true);
}

void TfrmViewProtocol::closeEvent(QCloseEvent* event) {
    main_.setEnabled(true);
    event->accept();
}

} // namespace zep
