#include "common/atomic_file.h"
#include "shell/shell_file.h"
#include "shell/ui/frm_main.h"
#include "shell/ui/frm_sel_lang.h"
#include "shell/ui/language_memory.h"
#include "shell/ui/menu_keys.h"
#include "test_dir.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <fstream>
#include <gtest/gtest.h>

using namespace zep;
namespace fs = std::filesystem;

namespace {

const fs::path kShipped = ZEP_PROGRAM_DIR;

// A workspace with the given shipped shells (by extension) and an empty register.
Workspace make_workspace(const test::TempDir& dir, std::initializer_list<const char*> shells) {
    Workspace ws{dir.path()};
    for (const fs::path& d : {ws.shells(), ws.system(), ws.data(), ws.solving()})
        fs::create_directories(d);
    for (const char* ext : shells)
        fs::copy_file(kShipped / "Shells" / shell_file_name(ext), ws.shells() / shell_file_name(ext));
    write_register(ws.register_file(), TaskRegister{});
    return ws;
}

struct Harness {
    RecordingNotifier notifier;
    std::unique_ptr<TfrmMain> main;
    bool endedProgram = false;

    explicit Harness(const Workspace& ws) : main(std::make_unique<TfrmMain>(ws, notifier)) {
        main->endProgram = [this] { endedProgram = true; };
    }
};

// The title of a menu as it shows, without its mnemonic mark.
QString menu_title(TfrmMain& m, const char* name) {
    QString title = m.menu(QString::fromLatin1(name))->title();
    return title.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
        .remove(QLatin1Char('&'))
        .replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

} // namespace

TEST(TfrmMain, OneShellLoadsWithoutTheDialogAndCaptionsEveryMenu) {
    test::TempDir dir;
    Harness h(make_workspace(dir, {"rus"}));
    ASSERT_TRUE(h.main->start_up());
    EXPECT_EQ(h.main->language_dialog(), nullptr);
    EXPECT_TRUE(h.main->isEnabled());
    EXPECT_EQ(h.main->state().shellFileName, "Shell (ZEP 2.2).rus");
    EXPECT_EQ(menu_title(*h.main, "mnuIn"), QStringLiteral("Ввод"));
    EXPECT_EQ(menu_title(*h.main, "mnuOut"), QStringLiteral("Вывод"));
    EXPECT_EQ(h.main->action(QStringLiteral("mnuInExit"))->text(), QStringLiteral("Выход"));
    for (const char* name : {"mnuControl", "mnuSolving", "mnuHelp"})
        EXPECT_FALSE(menu_title(*h.main, name).isEmpty()) << name;
    EXPECT_FALSE(h.main->windowTitle().isEmpty());
    EXPECT_TRUE(h.notifier.messages.empty());
}

TEST(TfrmMain, SeveralShellsOpenTheDialogAndTheChoiceAppliesTheLanguage) {
    test::TempDir dir;
    Workspace ws = make_workspace(dir, {"rus", "eng"});
    fs::remove(ws.register_file()); // written anew right after the choice
    write_register(ws.register_file(), TaskRegister{});
    Harness h(ws);
    ASSERT_TRUE(h.main->start_up());
    TfrmSelLang* dlg = h.main->language_dialog();
    ASSERT_NE(dlg, nullptr);
    EXPECT_FALSE(h.main->isEnabled());
    EXPECT_TRUE(menu_title(*h.main, "mnuIn").isEmpty());
    EXPECT_EQ(dlg->list()->count(), 2);

    dlg->list()->setCurrentIndex(-1);
    dlg->btnOKClick(); // nothing chosen
    ASSERT_EQ(h.notifier.messages.size(), 1u);
    EXPECT_EQ(h.notifier.messages[0].text, QStringLiteral("A shell language is not selected."));

    int eng = dlg->list()->findText(QStringLiteral("eng"), Qt::MatchStartsWith);
    ASSERT_GE(eng, 0);
    dlg->list()->setCurrentIndex(eng);
    dlg->btnOKClick();
    EXPECT_TRUE(h.main->isEnabled());
    EXPECT_EQ(h.main->state().shellFileName, "Shell (ZEP 2.2).eng");
    EXPECT_EQ(menu_title(*h.main, "mnuOut"), QStringLiteral("Output"));
    EXPECT_FALSE(h.endedProgram);
}

TEST(TfrmSelLang, OffersTheLanguageChosenAtTheLastStartElseTheLocales) {
    const QStringList names = {QStringLiteral("rus - Русский"), QStringLiteral("eng - English")};
    const QString none;
    struct Case {
        QString lastChosen;
        QLocale user;
        int offered;
    } cases[] = {
        {none, QLocale(QLocale::Russian, QLocale::Russia), 0},
        {none, QLocale(QLocale::English, QLocale::UnitedKingdom), 1},
        {none, QLocale(QLocale::German, QLocale::Germany), -1},
        {none, QLocale::c(), -1},
        {names[1], QLocale(QLocale::Russian, QLocale::Russia), 1},
        {names[0], QLocale(QLocale::English, QLocale::UnitedStates), 0},
        {QStringLiteral("deu - Deutsch"), QLocale(QLocale::English, QLocale::UnitedStates), 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(first_offered_language(names, c.lastChosen, c.user), c.offered)
            << c.lastChosen.toStdString() << " " << c.user.name().toStdString();
    // A Russian shell by its Cyrillic extension.
    EXPECT_EQ(first_offered_language({QStringLiteral("eng - English"), QStringLiteral("рус - Русский")}, none,
                                     QLocale(QLocale::Russian, QLocale::Russia)),
              1);
}

TEST(TfrmMain, TheLanguageDialogOpensWithTheLanguageChosenAtTheLastStart) {
    test::TempDir dir;
    const Workspace ws = make_workspace(dir, {"rus", "eng"});
    for (const char* chosen : {"eng", "rus", "eng"}) {
        Harness first(ws);
        ASSERT_TRUE(first.main->start_up());
        QComboBox* list = first.main->language_dialog()->list();
        list->setCurrentIndex(list->findText(QString::fromLatin1(chosen), Qt::MatchStartsWith));
        first.main->language_dialog()->btnOKClick();
        ASSERT_TRUE(first.main->isEnabled());

        Harness next(ws);
        ASSERT_TRUE(next.main->start_up());
        EXPECT_TRUE(next.main->language_dialog()->list()->currentText().startsWith(QLatin1String(chosen)));
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Qt's own buttons (message boxes, print and file dialogs) speak the loaded shell's language and change
// with it.
TEST(TfrmMain, QtsOwnButtonsSpeakTheLoadedShellsLanguage) {
    const QString translations = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QFile::exists(translations + QStringLiteral("/qtbase_ru.qm")))
        GTEST_SKIP() << "Qt's Russian translation is not installed in " << translations.toStdString();
    const auto yes_no = [] {
        QMessageBox box(QMessageBox::Question, QString(), QString(), QMessageBox::Yes | QMessageBox::No);
        return box.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')) + QLatin1Char('/') +
               box.button(QMessageBox::No)->text().remove(QLatin1Char('&'));
    };
    test::TempDir dir;
    const Workspace ws = make_workspace(dir, {"rus", "eng"});
    for (const auto& [chosen, shown] : {std::pair{"rus", "Да/Нет"}, {"eng", "Yes/No"}, {"rus", "Да/Нет"}}) {
        Harness h(ws);
        ASSERT_TRUE(h.main->start_up());
        QComboBox* list = h.main->language_dialog()->list();
        list->setCurrentIndex(list->findText(QString::fromLatin1(chosen), Qt::MatchStartsWith));
        h.main->language_dialog()->btnOKClick();
        EXPECT_EQ(yes_no(), QString::fromUtf8(shown)) << chosen;
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The dialog needs no main window: it lists the workspace's shells and hands the choice to its calls.
TEST(TfrmSelLang, HandsTheChoiceToItsCallsWithoutAMainWindow) {
    test::TempDir dir;
    const Workspace ws = make_workspace(dir, {"rus", "eng"});
    RecordingNotifier notifier;
    std::vector<std::string> accepted;
    QPointer<TfrmSelLang> dlg =
        new TfrmSelLang(nullptr, ws, notifier,
                        {[&](const ShellFileRef& file) {
                             accepted.push_back(file.fileName);
                             return true;
                         },
                         [](const QString&) { ADD_FAILURE() << "the run ended"; }, [] { return false; }});
    EXPECT_EQ(dlg->list()->count(), 2);
    dlg->list()->setCurrentIndex(-1);
    dlg->btnOKClick(); // nothing chosen
    ASSERT_EQ(notifier.messages.size(), 1u);
    EXPECT_TRUE(accepted.empty());
    dlg->list()->setCurrentIndex(dlg->list()->findText(QStringLiteral("eng"), Qt::MatchStartsWith));
    dlg->btnOKClick();
    EXPECT_EQ(accepted, (std::vector<std::string>{"Shell (ZEP 2.2).eng"}));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dlg.isNull());
}

TEST(TfrmMain, DisplayNameNotMatchingItsExtensionEndsWithTheMissingFileWarning) {
    test::TempDir dir;
    Workspace ws = make_workspace(dir, {"rus"});
    ShellSource odd;
    odd.displayName = "English"; // its first three characters are not the extension "eng"
    odd.tables.texts = {"x"};
    write_shell(ws.shells() / "Shell (ZEP 2.2).eng", odd, "eng");
    Harness h(ws);
    ASSERT_TRUE(h.main->start_up());
    TfrmSelLang* dlg = h.main->language_dialog();
    ASSERT_NE(dlg, nullptr);
    dlg->list()->setCurrentIndex(dlg->list()->findText(QStringLiteral("English")));
    dlg->btnOKClick();
    ASSERT_EQ(h.notifier.messages.size(), 1u);
    EXPECT_EQ(h.notifier.messages[0].text.toStdString(), missing_chosen_shell_message("Shell (ZEP 2.2).Eng"));
    EXPECT_TRUE(h.endedProgram);
}

TEST(TfrmMain, NoShellEndsTheProgramWithTheFixedWarning) {
    test::TempDir dir;
    Harness h(make_workspace(dir, {}));
    EXPECT_FALSE(h.main->start_up());
    ASSERT_EQ(h.notifier.messages.size(), 1u);
    EXPECT_EQ(h.notifier.messages[0].text.toStdString(), no_shells_message());
    EXPECT_TRUE(h.endedProgram);
}

TEST(TfrmMain, ForeignRegisterIsNamedInAWarningAndNeverOverwritten) {
    test::TempDir dir;
    Workspace ws = make_workspace(dir, {"eng"});
    auto bytes = encode_register(TaskRegister{});
    bytes[35] = '9'; // another version
    write_file_atomically(ws.register_file(), bytes);
    {
        Harness h(ws);
        EXPECT_FALSE(h.main->start_up());
        ASSERT_EQ(h.notifier.messages.size(), 1u);
        EXPECT_EQ(h.notifier.messages[0].kind, Notifier::Kind::Warning);
        EXPECT_TRUE(
            h.notifier.messages[0].text.contains(QString::fromStdString(ws.register_file().string())));
        h.main->close();
    }
    EXPECT_EQ(read_whole_file(ws.register_file()), bytes);
}

TEST(TfrmMain, ClosingWritesTheRegisterEvenWhenNothingChanged) {
    test::TempDir dir;
    Workspace ws = make_workspace(dir, {"eng"});
    fs::remove(ws.register_file());
    write_file_atomically(ws.register_file(), encode_register(TaskRegister{}));
    auto before = fs::last_write_time(ws.register_file());
    Harness h(ws);
    ASSERT_TRUE(h.main->start_up());
    fs::remove(ws.register_file());
    h.main->close();
    EXPECT_EQ(fs::file_size(ws.register_file()), 48u);
    (void)before;
}

TEST(TfrmMain, OutputCommandsNeedAnActiveChildAndUnbuiltWindowsStayDisabled) {
    test::TempDir dir;
    Workspace ws = make_workspace(dir, {"eng"});
    std::ofstream(ws.solving() / "zep_ABCDEF_in.dat") << "x";
    Harness h(ws);
    ASSERT_TRUE(h.main->start_up());
    h.main->update_menus();
    EXPECT_FALSE(h.main->action(QStringLiteral("mnuOutExpInExcel"))->isEnabled());
    EXPECT_FALSE(h.main->action(QStringLiteral("mnuOutPrint"))->isEnabled());
    EXPECT_TRUE(h.main->action(QStringLiteral("mnuInExit"))->isEnabled());
    for (const char* name : {"mnuInNewTask", "mnuInNewTaskExportData", "mnuInEditTask", "mnuOutViewProtocol",
                             "Optim", "mnuInViewTask", "mnuOutViewSolution", "N101", "N102", "N103"})
        EXPECT_FALSE(h.main->action(QString::fromLatin1(name))->isEnabled()) << name;
}

TEST(TfrmMain, ARegisteredWindowEnablesItsCommandsWhichSetTheOpenModeAndDisableTheMainWindow) {
    test::TempDir dir;
    Harness h(make_workspace(dir, {"eng"}));
    ASSERT_TRUE(h.main->start_up());
    std::vector<OpenMode> modesSeen;
    QWidget* opened = nullptr;
    h.main->register_window(WindowKind::SelectTask, [&](TfrmMain& m) {
        modesSeen.push_back(m.state().openMode);
        opened = new QWidget;
        opened->setAttribute(Qt::WA_DeleteOnClose);
        return opened;
    });
    EXPECT_TRUE(h.main->action(QStringLiteral("mnuInEditTask"))->isEnabled());
    EXPECT_TRUE(h.main->action(QStringLiteral("mnuInViewTask"))->isEnabled());
    EXPECT_FALSE(h.main->action(QStringLiteral("mnuInNewTask"))->isEnabled());

    h.main->state().derivedTask = 1;
    h.main->action(QStringLiteral("mnuInViewTask"))->trigger();
    ASSERT_EQ(modesSeen, std::vector<OpenMode>{SelectionPurpose::ViewTask});
    EXPECT_FALSE(h.main->isEnabled());
    EXPECT_EQ(h.main->state().derivedTask, 0);
    EXPECT_EQ(opened->windowTitle().toStdString(), h.main->state().text(426));
    opened->close();
    h.main->setEnabled(true);

    h.main->action(QStringLiteral("mnuOutViewSolution"))->trigger();
    EXPECT_EQ(modesSeen.back(), OpenMode(SelectionPurpose::ViewSolution));
    EXPECT_EQ(opened->windowTitle().toStdString(), h.main->state().text(428));
    opened->close();
}

TEST(MenuMnemonics, EachCaptionTakesItsFirstLetterNotTakenBefore) {
    const struct {
        QStringList captions, marked;
    } cases[] = {
        {{"Ввод", "Вывод", "Решение"}, {"&Ввод", "В&ывод", "&Решение"}},
        {{"Input", "Control", "Output", "Help"}, {"&Input", "&Control", "&Output", "&Help"}},
        {{"Output", "Options"}, {"&Output", "O&ptions"}},
        {{"R&D", "Rd"}, {"&R&&D", "R&d"}},
        {{"A 1", "a", "", "12"}, {"&A 1", "a", "", "12"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(with_mnemonics(c.captions), c.marked) << c.captions.join(QLatin1Char('|')).toStdString();
}

TEST(TfrmMain, MenusHaveUniqueMnemonicsAndTheCommandsTheirShortcuts) {
    for (const char* lang : {"rus", "eng"}) {
        test::TempDir dir;
        Harness h(make_workspace(dir, {lang}));
        ASSERT_TRUE(h.main->start_up());
        QSet<QChar> letters;
        for (const char* name : {"mnuIn", "mnuControl", "mnuSolving", "mnuOut", "mnuHelp"}) {
            const QString title = h.main->menu(QString::fromLatin1(name))->title();
            const auto at = title.indexOf(QLatin1Char('&'));
            ASSERT_GE(at, 0) << lang << " " << name;
            ASSERT_LT(at + 1, title.size());
            EXPECT_TRUE(title[at + 1].isLetter()) << name;
            EXPECT_FALSE(letters.contains(title[at + 1].toLower())) << lang << " " << name << " repeats";
            letters.insert(title[at + 1].toLower());
        }
        const std::pair<const char*, QKeySequence> keys[] = {
            {"N101", QKeySequence(Qt::Key_F1)},
            {"mnuInNewTask", QKeySequence(QStringLiteral("Ctrl+N"))},
            {"mnuOutPrint", QKeySequence(QStringLiteral("Ctrl+P"))},
            {"mnuOutExpInExcel", QKeySequence(QStringLiteral("Ctrl+E"))},
            {"Optim", QKeySequence(Qt::Key_F5)},
        };
        for (const auto& [name, sequence] : keys) {
            const auto* a = h.main->findChild<QAction*>(QString::fromLatin1(name));
            ASSERT_NE(a, nullptr) << name;
            EXPECT_EQ(a->shortcut(), sequence) << name;
        }
    }
}

// F5 opens the optimisation window once a task waits in Solving, Ctrl+N the wizard, Ctrl+W closes the
// active view.
TEST(TfrmMain, F5CtrlNAndCtrlWActOnTheirWindows) {
    test::TempDir dir;
    Workspace ws = make_workspace(dir, {"rus"});
    Harness h(ws);
    ASSERT_TRUE(h.main->start_up());
    std::vector<WindowKind> opened;
    for (WindowKind kind : {WindowKind::Optimiser, WindowKind::CreateTask})
        h.main->register_window(kind, [&opened, kind](TfrmMain&) -> QWidget* {
            opened.push_back(kind);
            return new QWidget;
        });
    h.main->show();
    h.main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(h.main.get()));

    QTest::keyClick(h.main.get(), Qt::Key_F5);
    EXPECT_TRUE(opened.empty()) << "no task waits in Solving";
    std::ofstream(ws.solving() / "zep_AAA001_in.dat") << "x";
    {
        // Back from another window (where the task was handed over) the focus moves and the main
        // window looks at Solving again.
        QLineEdit elsewhere;
        elsewhere.show();
        elsewhere.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
    }
    h.main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(h.main.get()));
    QTest::keyClick(h.main.get(), Qt::Key_F5);
    h.main->setEnabled(true);
    QTest::keyClick(h.main.get(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(opened, (std::vector<WindowKind>{WindowKind::Optimiser, WindowKind::CreateTask}));
    h.main->setEnabled(true);

    auto* mdi = h.main->findChild<QMdiArea*>();
    ASSERT_NE(mdi, nullptr);
    QMdiSubWindow* view = mdi->addSubWindow(new QWidget);
    view->setAttribute(Qt::WA_DeleteOnClose);
    view->show();
    mdi->setActiveSubWindow(view);
    QPointer<QMdiSubWindow> alive = view;
    view->widget()->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_W, Qt::ControlModifier);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(alive.isNull());
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != h.main.get() && w->isVisible() && !w->parent())
            w->close();
}
