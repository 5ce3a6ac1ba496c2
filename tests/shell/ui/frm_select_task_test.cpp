#include "shell/ui/frm_select_task.h"

#include "ui_workspace.h"

#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace zep {
namespace {

using test::child;
using test::UiWorkspace;

struct Opened {
    std::vector<WindowKind> kinds;
    std::vector<std::string> codes;
    std::vector<bool> mainEnabled;
};

// The selection dialog and stand-ins for the windows it hands over to.
void register_windows(UiWorkspace& u, Opened& opened) {
    u.main->register_window(WindowKind::SelectTask, [](TfrmMain& m) { return TfrmSelectTask::open(m); });
    for (WindowKind kind : {WindowKind::ViewTask, WindowKind::ViewSolution, WindowKind::CreateTask})
        u.main->register_window(kind, [&opened, kind](TfrmMain& m) -> QWidget* {
            opened.kinds.push_back(kind);
            opened.codes.push_back(m.state().currentTaskCode);
            opened.mainEnabled.push_back(m.isEnabled());
            return new QWidget; // a top-level window, gone with the workspace
        });
}

void fill(UiWorkspace& u) {
    const std::pair<const char*, TaskStatus> tasks[] = {{"A00001", TaskStatus::Entered},
                                                        {"A00002", TaskStatus::HandedOver},
                                                        {"A00003", TaskStatus::Solved},
                                                        {"A00004", TaskStatus::Entered}};
    for (auto [code, status] : tasks) {
        u.reg().add(code, "Task");
        if (status != TaskStatus::Entered)
            u.reg().hand_over(code);
        if (status == TaskStatus::Solved)
            u.reg().take_over(code);
    }
}

QStringList lines(QWidget* w) {
    QStringList out;
    auto* lb = child<QListWidget>(w, "lbTask");
    for (int i = 0; i < lb->count(); ++i)
        out << lb->item(i)->text();
    return out;
}

TEST(TfrmSelectTask, EachCommandOffersTheTasksItsModeAllowsAndOpensItsWindow) {
    struct Case {
        const char* command;
        int caption;
        QStringList offered;
        WindowKind opens;
        bool mainEnabledAfter;
    };
    const Case cases[] = {
        {"mnuInViewTask",
         426,
         {"[A00001] Task", "[A00002] Task", "[A00003] Task", "[A00004] Task"},
         WindowKind::ViewTask,
         true},
        {"mnuOutViewSolution", 428, {"[A00003] Task"}, WindowKind::ViewSolution, true},
        {"mnuInEditTask", 427, {"[A00001] Task", "[A00004] Task"}, WindowKind::CreateTask, false},
    };
    for (const Case& c : cases) {
        UiWorkspace u;
        Opened opened;
        register_windows(u, opened);
        fill(u);
        u.main->action(QString::fromLatin1(c.command))->trigger();
        auto* dlg = test::open_window<TfrmSelectTask>();
        ASSERT_NE(dlg, nullptr) << c.command;
        EXPECT_FALSE(u.main->isEnabled());
        EXPECT_EQ(dlg->windowTitle().toStdString(), u.state().text(c.caption)) << c.command;
        EXPECT_EQ(lines(dlg), c.offered) << c.command;
        child<QListWidget>(dlg, "lbTask")->setCurrentRow(static_cast<int>(c.offered.size()) - 1);
        QTest::mouseClick(child<QPushButton>(dlg, "btnOK"), Qt::LeftButton);
        ASSERT_EQ(opened.kinds.size(), 1u) << c.command;
        EXPECT_EQ(opened.kinds[0], c.opens) << c.command;
        EXPECT_EQ(opened.codes[0], c.offered.back().mid(1, 6).toStdString()) << c.command;
        EXPECT_EQ(opened.mainEnabled[0], c.mainEnabledAfter) << c.command;
        EXPECT_TRUE(test::wait_until([] { return test::open_window<TfrmSelectTask>() == nullptr; }, 2000));
        EXPECT_EQ(u.main->isEnabled(), c.mainEnabledAfter) << c.command;
    }
}

// The task picked by Enter in the list, Return, or a double click opens as OK opens it; Escape
// cancels.
TEST(TfrmSelectTask, EnterAndADoubleClickPressOkAndEscapeCancels) {
    enum class Gesture { Enter, Return, DoubleClick, Escape };
    for (Gesture g : {Gesture::Enter, Gesture::Return, Gesture::DoubleClick, Gesture::Escape}) {
        UiWorkspace u;
        Opened opened;
        register_windows(u, opened);
        fill(u);
        u.main->action(QStringLiteral("mnuInViewTask"))->trigger();
        auto* dlg = test::open_window<TfrmSelectTask>();
        ASSERT_NE(dlg, nullptr);
        dlg->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dlg));
        auto* list = child<QListWidget>(dlg, "lbTask");
        list->setFocus();
        list->setCurrentRow(2);
        switch (g) {
        case Gesture::Enter:
            QTest::keyClick(list, Qt::Key_Enter, Qt::KeypadModifier);
            break;
        case Gesture::Return:
            QTest::keyClick(list, Qt::Key_Return);
            break;
        case Gesture::DoubleClick: {
            const QPoint at = list->visualItemRect(list->item(2)).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
            break;
        }
        case Gesture::Escape:
            QTest::keyClick(list, Qt::Key_Escape);
            break;
        }
        EXPECT_TRUE(test::wait_until([] { return test::open_window<TfrmSelectTask>() == nullptr; }, 2000))
            << int(g);
        if (g == Gesture::Escape) {
            EXPECT_TRUE(opened.kinds.empty());
            EXPECT_TRUE(u.main->isEnabled());
            continue;
        }
        ASSERT_EQ(opened.kinds.size(), 1u) << int(g);
        EXPECT_EQ(opened.codes[0], "A00003") << int(g);
    }
}

TEST(TfrmSelectTask, NothingToOfferLeavesOnlyCancel) {
    UiWorkspace u("eng");
    Opened opened;
    register_windows(u, opened);
    u.reg().add("A00001", "Task"); // entered, not solved
    u.state().openMode = SelectionPurpose::ViewSolution;
    u.main->setEnabled(false);
    auto* dlg = TfrmSelectTask::open(*u.main);
    EXPECT_TRUE(lines(dlg).isEmpty());
    EXPECT_FALSE(child<QPushButton>(dlg, "btnOK")->isEnabled());
    EXPECT_EQ(child<QPushButton>(dlg, "btnCancel")->text().toStdString(), u.state().text(301));
    QTest::mouseClick(child<QPushButton>(dlg, "btnCancel"), Qt::LeftButton);
    EXPECT_TRUE(u.main->isEnabled());
    EXPECT_TRUE(opened.kinds.empty());
}

} // namespace
} // namespace zep
