#include "shell/ui/frm_view_protocol.h"

#include "lock_holder.h"
#include "optimiser/solution_file.h"
#include "shell/register_texts.h"
#include "shell/register_views.h"
#include "shell/task_files.h"
#include "shell/user_operations.h"
#include "task/sample_tasks.h"
#include "ui_workspace.h"

#include <QAction>
#include <QComboBox>
#include <QDate>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace zep {
namespace {

using test::child;
using test::UiWorkspace;

TaskRecord task(const char* code, const char* name) {
    TaskRecord rec = test::decomposed_task();
    rec.header.taskCode = code;
    rec.header.taskName = name;
    return rec;
}

TfrmViewProtocol* open_protocol(UiWorkspace& u) {
    u.main->register_window(WindowKind::ViewProtocol, [](TfrmMain& m) { return TfrmViewProtocol::open(m); });
    u.main->action(QStringLiteral("mnuOutViewProtocol"))->trigger();
    return test::open_window<TfrmViewProtocol>();
}

QComboBox* list(QWidget* w) {
    return child<QComboBox>(w, "TaskList");
}
QTableWidget* grid(QWidget* w) {
    return child<QTableWidget>(w, "ValueList");
}
bool enabled(QWidget* w, const char* button) {
    return child<QPushButton>(w, button)->isEnabled();
}
void select(QWidget* w, int line) {
    list(w)->setCurrentIndex(line);
}

TEST(TfrmViewProtocol, ShowsTheTaskRowsAndTheButtonsItsStatusAllows) {
    UiWorkspace u;
    u.enter(task("AAA001", "Склад"));
    u.reg().add("DEME01", "Demo");
    TfrmViewProtocol* w = open_protocol(u);
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(u.main->isEnabled());
    EXPECT_EQ(w->windowTitle().toStdString(), u.state().text(383));
    ASSERT_EQ(list(w)->count(), 2);
    EXPECT_EQ(list(w)->itemText(0), QStringLiteral("[AAA001] Склад"));
    EXPECT_EQ(list(w)->currentIndex(), 0);
    ASSERT_EQ(grid(w)->rowCount(), 5);
    EXPECT_EQ(grid(w)->item(0, 0)->text().toStdString(), u.state().text(486));
    EXPECT_EQ(grid(w)->item(0, 1)->text(), QStringLiteral("AAA001"));
    EXPECT_EQ(grid(w)->item(2, 1)->text().toStdString(), u.state().text(490));
    EXPECT_FALSE(grid(w)->item(3, 1)->text().isEmpty()); // created, in the user's format
    EXPECT_TRUE(enabled(w, "btnDeleteTask"));
    EXPECT_TRUE(enabled(w, "btnCreateInData"));
    EXPECT_FALSE(enabled(w, "btnLoadOutData"));
    select(w, 1);
    EXPECT_FALSE(enabled(w, "btnDeleteTask")); // a demo task
    w->close();
    EXPECT_TRUE(u.main->isEnabled());
}

TEST(TfrmViewProtocol, DeleteRemovesEveryFileAndSelectsTheRightNeighbour) {
    UiWorkspace u;
    for (const char* code : {"AAA001", "AAA002", "AAA003"})
        u.enter(task(code, code));
    hand_over_input(u.ws, u.reg(), "AAA002");
    write_file_atomically(u.solving("AAA002", "_out.dat"), std::vector<std::uint8_t>{1});
    write_file_atomically(u.data("AAA002", "_out.dat"), std::vector<std::uint8_t>{1});
    TfrmViewProtocol* w = open_protocol(u);
    ASSERT_NE(w, nullptr);
    select(w, 1);
    u.notifier.answer = false;
    w->btnDeleteTaskClick();
    ASSERT_EQ(u.notifier.messages.size(), 1u);
    EXPECT_EQ(u.notifier.messages[0].text.toStdString(), u.state().text(67) + " \"AAA002\"?");
    EXPECT_EQ(u.reg().get().entries.size(), 3u);

    u.notifier.answer = true;
    w->btnDeleteTaskClick();
    for (const auto& f : task_files(u.ws, "AAA002"))
        EXPECT_FALSE(std::filesystem::exists(f)) << f;
    EXPECT_TRUE(std::filesystem::exists(u.data("AAA003", "_in.dat")));
    ASSERT_EQ(list(w)->count(), 2);
    EXPECT_EQ(list(w)->currentText(), QStringLiteral("[AAA003] AAA003")); // moved into its place
    EXPECT_EQ(read_register(u.ws.register_file()).entries.size(), 2u);

    w->btnDeleteTaskClick(); // the last line: the new last line
    EXPECT_EQ(list(w)->currentText(), QStringLiteral("[AAA001] AAA001"));
    w->btnDeleteTaskClick();
    EXPECT_EQ(list(w)->count(), 0);
    EXPECT_EQ(grid(w)->rowCount(), 0);
    for (const char* b : {"btnDeleteTask", "btnCreateInData", "btnLoadOutData"})
        EXPECT_FALSE(enabled(w, b)) << b;
    EXPECT_TRUE(enabled(w, "btnClose"));
    EXPECT_EQ(std::filesystem::file_size(u.ws.register_file()), 48u);
}

// A task whose task file is gone could otherwise never leave the register.
TEST(TfrmViewProtocol, ATaskWhoseFilesAreGoneCanStillBeDeleted) {
    UiWorkspace u;
    u.enter(task("AAA001", "x"));
    std::filesystem::remove(u.data("AAA001", ".dat"));
    TfrmViewProtocol* w = open_protocol(u);
    ASSERT_NE(w, nullptr);
    u.notifier.answer = true;
    w->btnDeleteTaskClick();
    EXPECT_TRUE(u.reg().get().entries.empty());
    EXPECT_FALSE(std::filesystem::exists(u.data("AAA001", "_in.dat")));
}

TEST(TfrmViewProtocol, ADemoTaskCannotBeDeleted) {
    UiWorkspace u;
    u.enter(task("DEMR07", "Demo"));
    TfrmViewProtocol* w = open_protocol(u);
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(enabled(w, "btnDeleteTask"));
    u.notifier.answer = true;
    w->btnDeleteTaskClick();
    EXPECT_TRUE(u.notifier.messages.empty());
    EXPECT_TRUE(std::filesystem::exists(u.data("DEMR07", ".dat")));
    EXPECT_EQ(u.reg().get().entries.size(), 1u);
}

TEST(TfrmViewProtocol, UnloadThenLoadMoveTheFilesAndTheStatus) {
    UiWorkspace u;
    u.enter(task("AAA001", "x"));
    TfrmViewProtocol* w = open_protocol(u);
    ASSERT_NE(w, nullptr);
    QTest::mouseClick(child<QPushButton>(w, "btnCreateInData"), Qt::LeftButton);
    EXPECT_EQ(read_whole_file(u.solving("AAA001", "_in.dat")), read_whole_file(u.data("AAA001", "_in.dat")));
    EXPECT_EQ(u.reg().get().find("AAA001")->status, TaskStatus::HandedOver);
    EXPECT_EQ(grid(w)->rowCount(), 6);
    EXPECT_FALSE(enabled(w, "btnCreateInData"));
    EXPECT_FALSE(enabled(w, "btnLoadOutData")); // no results yet
    write_file_atomically(u.solving("AAA001", "_out.dat"), std::vector<std::uint8_t>{1, 2, 3});
    w->TaskListChange(); // reselecting the task
    ASSERT_TRUE(enabled(w, "btnLoadOutData"));
    // A solution its task cannot read is refused with the reader's message; nothing moves.
    QTest::mouseClick(child<QPushButton>(w, "btnLoadOutData"), Qt::LeftButton);
    EXPECT_FALSE(std::filesystem::exists(u.data("AAA001", "_out.dat")));
    EXPECT_EQ(read_register(u.ws.register_file()).find("AAA001")->status, TaskStatus::HandedOver);
    const TaskRecord rec = task("AAA001", "x");
    write_solution_file(u.solving("AAA001", "_out.dat"), empty_solution(solution_shape_of(rec)),
                        solution_shape_of(rec));
    const auto solution = read_whole_file(u.solving("AAA001", "_out.dat"));
    QTest::mouseClick(child<QPushButton>(w, "btnLoadOutData"), Qt::LeftButton);
    EXPECT_EQ(read_whole_file(u.data("AAA001", "_out.dat")), solution);
    EXPECT_FALSE(std::filesystem::exists(u.solving("AAA001", "_in.dat")));
    EXPECT_FALSE(std::filesystem::exists(u.solving("AAA001", "_out.dat")));
    EXPECT_EQ(read_register(u.ws.register_file()).find("AAA001")->status, TaskStatus::Solved);
    EXPECT_EQ(grid(w)->rowCount(), 7);
    EXPECT_FALSE(enabled(w, "btnLoadOutData"));
}

// Another program holds the register's lock for the whole wait: each command says so in the run's
// language, changes nothing, and works once the lock is free.
TEST(TfrmViewProtocol, ALockedRegisterIsSaidAndNothingChangesTillItIsFree) {
    UiWorkspace u;
    u.enter(task("AAA001", "x"));
    u.enter(task("AAA002", "y"));
    u.reg().set_lock_wait(std::chrono::milliseconds(300));
    TfrmViewProtocol* w = open_protocol(u);
    ASSERT_NE(w, nullptr);
    const auto registerBefore = read_whole_file(u.ws.register_file());
    RegisterRefusal busy;
    busy.reason = RegisterRefusal::Reason::Busy;
    busy.file = u.ws.register_file();
    busy.waited = std::chrono::milliseconds(300);
    const QString message = QString::fromStdString(register_refusal_text(u.state().shell, busy));
    ASSERT_TRUE(message.startsWith(QStringLiteral("Реестр задач \""))) << message.toStdString();
    u.notifier.answer = true; // yes, delete
    {
        test::LockHolder other(register_lock_path(u.ws.register_file()));
        for (const char* button : {"btnCreateInData", "btnDeleteTask"}) {
            u.notifier.messages.clear();
            QTest::mouseClick(child<QPushButton>(w, button), Qt::LeftButton);
            ASSERT_FALSE(u.notifier.messages.empty()) << button;
            EXPECT_EQ(u.notifier.messages.back().kind, Notifier::Kind::Warning) << button;
            EXPECT_EQ(u.notifier.messages.back().text, message) << button;
            EXPECT_EQ(read_whole_file(u.ws.register_file()), registerBefore) << button;
            EXPECT_TRUE(std::filesystem::is_empty(u.ws.solving())) << button;
            EXPECT_TRUE(std::filesystem::exists(u.data("AAA001", ".dat"))) << button;
            EXPECT_EQ(list(w)->count(), 2) << button;
            EXPECT_EQ(list(w)->currentIndex(), 0) << button;
            EXPECT_TRUE(enabled(w, "btnCreateInData")) << button;
        }
    }
    u.notifier.messages.clear();
    QTest::mouseClick(child<QPushButton>(w, "btnCreateInData"), Qt::LeftButton);
    EXPECT_TRUE(u.notifier.messages.empty());
    EXPECT_EQ(read_register(u.ws.register_file()).find("AAA001")->status, TaskStatus::HandedOver);
    EXPECT_TRUE(std::filesystem::exists(u.solving("AAA001", "_in.dat")));
}

// Dates are written in the shell's language (with the user's country), whatever the user's locale speaks.
TEST(TfrmViewProtocol, TheCreationDateIsWrittenInTheShellsLanguage) {
    UiWorkspace u;
    u.enter(task("AAA001", "Склад"));
    TfrmViewProtocol* w = open_protocol(u);
    ASSERT_NE(w, nullptr);
    const QString created = grid(w)->item(3, 1)->text();
    const QDate today = QDate::currentDate();
    EXPECT_TRUE(created.startsWith(today.toString(QStringLiteral("dd.MM."))) &&
                created.contains(QString::number(today.year() % 100)))
        << created.toStdString();
    w->close();
}

TEST(TfrmViewProtocol, EscapeClosesTheWindow) {
    UiWorkspace u;
    u.enter(task("AAA001", "Склад"));
    TfrmViewProtocol* w = open_protocol(u);
    ASSERT_NE(w, nullptr);
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : w, Qt::Key_Escape);
    EXPECT_TRUE(test::wait_until([] { return test::open_window<TfrmViewProtocol>() == nullptr; }, 2000));
    EXPECT_TRUE(u.main->isEnabled());
}

TEST(TfrmViewProtocol, AnEmptyRegisterOffersOnlyClose) {
    UiWorkspace u("eng");
    TfrmViewProtocol* w = open_protocol(u);
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(list(w)->isEnabled());
    EXPECT_FALSE(grid(w)->isEnabled());
    for (const char* b : {"btnDeleteTask", "btnCreateInData", "btnLoadOutData"})
        EXPECT_FALSE(enabled(w, b)) << b;
    EXPECT_EQ(child<QPushButton>(w, "btnClose")->text().toStdString(), u.state().text(146));
}

} // namespace
} // namespace zep
