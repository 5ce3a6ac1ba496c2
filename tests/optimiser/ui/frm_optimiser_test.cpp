#include "optimiser/ui/frm_optimiser.h"
#include "shell/ui/frm_select_task.h"
#include "shell/ui/frm_view_protocol.h"

#include "lock_holder.h"
#include "optimiser/slow_task.h"
#include "optimiser/solution_stamps.h"
#include "shell/register_texts.h"
#include "shell/user_operations.h"
#include "task/sample_tasks.h"
#include "ui_workspace.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>
#include <gtest/gtest.h>

namespace zep {
namespace {

using test::child;
using test::UiWorkspace;

void register_optimiser(TfrmMain& main) {
    main.register_window(WindowKind::Optimiser, [](TfrmMain& m) { return TForm1::open(m); });
}

// The main window's command, as the user chooses it from the Solving menu.
TForm1* open_from_menu(UiWorkspace& u) {
    register_optimiser(*u.main);
    u.main->update_menus();
    QAction* optim = u.main->action(QStringLiteral("Optim"));
    if (!optim->isEnabled())
        return nullptr;
    optim->trigger();
    return test::open_window<TForm1>();
}

void click(QWidget* form, const char* button) {
    auto* b = child<QPushButton>(form, button);
    ASSERT_NE(b, nullptr) << button;
    ASSERT_TRUE(b->isVisible()) << button;
    QTest::mouseClick(b, Qt::LeftButton);
}

QString label(QWidget* form, const char* name) {
    return child<QLabel>(form, name)->text();
}

std::string hand_over(UiWorkspace& u, const std::string& code) {
    hand_over_input(u.ws, u.reg(), code);
    return code;
}

bool wait_run(TForm1* form) {
    QSignalSpy spy(form, &TForm1::runFinished);
    return spy.wait(60000);
}

// An individual run of the handed-over DEC001, at the step that asks for the code.
TForm1* open_at_code(UiWorkspace& u) {
    u.enter(test::decomposed_task());
    hand_over(u, "DEC001");
    TForm1* form = open_from_menu(u);
    if (form) {
        form->RB2Click();
        form->BNext1Click();
    }
    return form;
}

// What `zep solve` writes for the same input and parameters, in a workspace of its own.
std::vector<std::uint8_t> zep_solve(const std::filesystem::path& input, const std::string& code,
                                    const char* lang, const std::string& params = "") {
    test::TempDir dir;
    Workspace ws = test::make_ui_workspace(dir.path(), lang);
    std::filesystem::copy_file(input, ws.solving() / ("zep_" + code + "_in.dat"));
    const std::string cmd = std::string(ZEP_PROGRAM_DIR) + "/zep solve --workspace '" + ws.root.string() +
                            "' --lang " + lang + " --code " + code + " " + params + " > /dev/null";
    EXPECT_EQ(std::system(cmd.c_str()), 0) << cmd;
    return read_whole_file(ws.solving() / ("zep_" + code + "_out.dat"));
}

TEST(TForm1, IndividualRunWritesWhatZepSolveWrites) {
    UiWorkspace u;
    u.enter(test::decomposed_task());
    hand_over(u, "DEC001");
    const auto input = read_whole_file(u.solving("DEC001", "_in.dat"));
    TForm1* form = open_from_menu(u);
    ASSERT_NE(form, nullptr);
    EXPECT_FALSE(u.main->isEnabled());
    EXPECT_EQ(form->windowTitle().toStdString(), u.state().text(504));
    QTest::mouseClick(child<QRadioButton>(form, "RB2"), Qt::LeftButton);
    click(form, "BNext1");
    auto* code = child<QLineEdit>(form, "MaskEdit1_3");
    ASSERT_TRUE(code->isVisible());
    QTest::keyClicks(code, "de-c0019"); // "-" is dropped, letters go upper case, six at most
    EXPECT_EQ(code->text(), QStringLiteral("DEC001"));
    click(form, "BNext2");
    EXPECT_EQ(label(form, "Label1").toStdString(), u.state().text(487) + " - \"DEC001\".");
    auto* kr = child<QLineEdit>(form, "ME3");
    kr->clear();
    QTest::keyClicks(kr, "4,a"); // digits only
    EXPECT_EQ(kr->text(), QStringLiteral("4"));
    click(form, "BNext3");
    EXPECT_EQ(label(form, "LOPT3").toStdString(), u.state().label(14) + " = 4");
    EXPECT_TRUE(child<QPushButton>(form, "BReset")->isVisible());
    click(form, "BStart");
    ASSERT_TRUE(wait_run(form));
    EXPECT_TRUE(label(form, "Label7").startsWith(QStringLiteral("6. ")));
    EXPECT_FALSE(label(form, "Label_End").isEmpty());
    const auto written = read_whole_file(u.solving("DEC001", "_out.dat"));
    // The register is not touched by the run; the results wait for the load command.
    EXPECT_EQ(u.reg().get().find("DEC001")->status, TaskStatus::HandedOver);
    std::filesystem::remove(u.solving("DEC001", "_in.dat"));
    std::filesystem::path kept = u.dir / "input.dat";
    write_file_atomically(kept, input);
    EXPECT_TRUE(testing::same_apart_from_time_stamps(written, zep_solve(kept, "DEC001", "rus", "--kr 4")));
    form->close();
    EXPECT_TRUE(u.main->isEnabled());
}

TEST(TForm1, ImmediateSolveEndsSolvedWithNothingLeftInSolving) {
    UiWorkspace u("eng");
    register_optimiser(*u.main);
    u.enter(test::decomposed_task());
    hand_over(u, "DEC001"); // what the wizard does before it opens the module
    u.state().immediateSolve = 1;
    u.state().immediateSolveCode = "DEC001";
    u.main->setEnabled(false);
    QPointer<QWidget> form = u.main->open_window(WindowKind::Optimiser);
    ASSERT_TRUE(form);
    ASSERT_TRUE(test::wait_until([&] { return form.isNull(); }));
    EXPECT_EQ(u.reg().get().find("DEC001")->status, TaskStatus::Solved);
    EXPECT_GT(u.reg().get().find("DEC001")->solved, 0);
    EXPECT_TRUE(std::filesystem::is_empty(u.ws.solving()));
    EXPECT_TRUE(std::filesystem::exists(u.data("DEC001", "_out.dat")));
    EXPECT_EQ(u.state().immediateSolve, 0);
    EXPECT_TRUE(u.main->isEnabled());
    // Taken over as the file stands on disk: the register file holds the new status too.
    EXPECT_EQ(read_register(u.ws.register_file()).find("DEC001")->status, TaskStatus::Solved);
}

// Another program holds the register's lock when the solution of the immediate solve is to be taken
// over: the user hears it in the run's language, the task stays handed over with its solution waiting
// in Solving, and the main window is usable again.
TEST(TForm1, ImmediateSolveMeetingALockedRegisterSaysSoAndChangesNothing) {
    UiWorkspace u("eng");
    register_optimiser(*u.main);
    u.enter(test::decomposed_task());
    hand_over(u, "DEC001");
    u.reg().set_lock_wait(std::chrono::milliseconds(300));
    const auto registerBefore = read_whole_file(u.ws.register_file());
    u.state().immediateSolve = 1;
    u.state().immediateSolveCode = "DEC001";
    u.main->setEnabled(false);
    test::LockHolder other(register_lock_path(u.ws.register_file()));
    QPointer<QWidget> form = u.main->open_window(WindowKind::Optimiser);
    ASSERT_TRUE(form);
    ASSERT_TRUE(test::wait_until([&] { return form.isNull(); }));
    RegisterRefusal busy;
    busy.reason = RegisterRefusal::Reason::Busy;
    busy.file = u.ws.register_file();
    busy.waited = std::chrono::milliseconds(300);
    ASSERT_EQ(u.notifier.messages.size(), 1u);
    EXPECT_EQ(u.notifier.messages[0].kind, Notifier::Kind::Warning);
    EXPECT_EQ(u.notifier.messages[0].text.toStdString(), register_refusal_text(u.state().shell, busy));
    EXPECT_EQ(read_whole_file(u.ws.register_file()), registerBefore);
    EXPECT_EQ(u.reg().get().find("DEC001")->status, TaskStatus::HandedOver);
    EXPECT_FALSE(std::filesystem::exists(u.data("DEC001", "_out.dat")));
    EXPECT_TRUE(std::filesystem::exists(u.solving("DEC001", "_in.dat")));
    EXPECT_TRUE(std::filesystem::exists(u.solving("DEC001", "_out.dat")));
    EXPECT_EQ(u.state().immediateSolve, 0);
    EXPECT_TRUE(u.main->isEnabled());
    other.release();
    EXPECT_TRUE(take_over_solution(u.ws, u.reg(), "DEC001").ok()); // and later it can be taken over
}

// A task whose input another run has claimed is skipped with the message; the others are solved.
TEST(TForm1, BatchRunSkipsATaskAnotherRunHasClaimedAndSolvesTheRest) {
    UiWorkspace u;
    u.enter(test::decomposed_task());
    TaskRecord other = test::decomposed_task();
    other.header.taskCode = "DEC002";
    u.enter(other);
    hand_over(u, "DEC001");
    hand_over(u, "DEC002");
    test::LockHolder otherRun(u.solving("DEC002", "_in.dat"));
    TForm1* form = open_from_menu(u);
    ASSERT_NE(form, nullptr);
    click(form, "BNext1");
    click(form, "BNext3");
    click(form, "BStart");
    ASSERT_TRUE(wait_run(form));
    const RunTexts texts{u.state().shell, "DEC002", u.state().decimalSeparator};
    EXPECT_EQ(label(form, "Label8").toStdString(), texts.skipped(RunTexts::Skip::ClaimedByAnotherRun));
    EXPECT_EQ(child<QProgressBar>(form, "ProgressTasks")->value(), 2);
    EXPECT_FALSE(std::filesystem::exists(u.solving("DEC002", "_out.dat")));
    EXPECT_TRUE(
        testing::same_apart_from_time_stamps(read_whole_file(u.solving("DEC001", "_out.dat")),
                                             zep_solve(u.data("DEC001", "_in.dat"), "DEC001", "rus")));
    EXPECT_TRUE(u.notifier.messages.empty());
    form->close();
    EXPECT_TRUE(u.main->isEnabled());
}

TEST(TForm1, BatchRunStaysResponsiveShowsProgressAndStopsWithNothingWritten) {
    UiWorkspace u;
    for (const char* code : {"SLOW01", "SLOW02"}) {
        u.reg().add(code, "slow");
        write_file_atomically(u.solving(code, "_in.dat"), testing::slow_input());
        u.reg().hand_over(code);
    }
    const auto registerBefore = read_whole_file(u.ws.register_file());
    TForm1* form = open_from_menu(u);
    ASSERT_NE(form, nullptr);
    click(form, "BNext1"); // batch mode is the default
    click(form, "BNext3");
    EXPECT_FALSE(child<QPushButton>(form, "BReset")->isVisible());
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(20);
    click(form, "BStart");
    EXPECT_TRUE(form->runInProgress());
    EXPECT_EQ(child<QPushButton>(form, "BStart")->text().toStdString(), u.state().text(385));
    auto* bar = child<QProgressBar>(form, "ProgressRun");
    auto* tasks = child<QProgressBar>(form, "ProgressTasks");
    ASSERT_TRUE(test::wait_until([&] { return bar->value() > 0 && !label(form, "Label4").isEmpty(); }, 5000))
        << label(form, "Label8").toStdString() << " / " << bar->value();
    EXPECT_TRUE(form->runInProgress());
    EXPECT_TRUE(tasks->isVisible());
    EXPECT_EQ(tasks->maximum(), 2);
    EXPECT_TRUE(label(form, "Label_Start").contains(QStringLiteral("SLOW01")));
    const int ticksSoFar = ticks;
    QTest::qWait(300);
    EXPECT_GT(ticks, ticksSoFar + 5); // the event loop goes on during the run
    EXPECT_TRUE(form->runInProgress());
    EXPECT_FALSE(u.main->isEnabled());
    click(form, "BStop");
    ASSERT_TRUE(wait_run(form));
    EXPECT_FALSE(std::filesystem::exists(u.solving("SLOW01", "_out.dat")));
    EXPECT_FALSE(std::filesystem::exists(u.solving("SLOW02", "_out.dat")));
    EXPECT_TRUE(std::filesystem::exists(u.solving("SLOW01", "_in.dat")));
    EXPECT_EQ(read_whole_file(u.ws.register_file()), registerBefore);
    const RunTexts texts{u.state().shell, "SLOW01", u.state().decimalSeparator};
    EXPECT_EQ(label(form, "Label8").toStdString(), texts.run_stopped());
    EXPECT_EQ(child<QPushButton>(form, "BStart")->text().toStdString(), u.state().text(3));
}

// A batch run of one slow task, started from the menu with the default parameters.
TForm1* start_slow_batch(UiWorkspace& u) {
    write_file_atomically(u.solving("SLOW01", "_in.dat"), testing::slow_input());
    TForm1* form = open_from_menu(u);
    if (!form)
        return nullptr;
    click(form, "BNext1");
    click(form, "BNext3");
    click(form, "BStart");
    return form;
}

TEST(TForm1, ClosingDuringARunAsksThenStopsAndCloses) {
    UiWorkspace u;
    TForm1* form = start_slow_batch(u);
    ASSERT_NE(form, nullptr);
    QPointer<TForm1> alive = form;
    u.notifier.answer = false;
    form->close();
    EXPECT_TRUE(alive && form->isVisible() && form->runInProgress());
    ASSERT_EQ(u.notifier.messages.size(), 1u);
    EXPECT_EQ(u.notifier.messages[0].kind, Notifier::Kind::Question);
    EXPECT_EQ(u.notifier.messages[0].text.toStdString(), u.state().text(529));
    u.notifier.answer = true;
    form->close();
    ASSERT_TRUE(test::wait_until([&] { return alive.isNull(); }));
    EXPECT_TRUE(u.main->isEnabled());
    EXPECT_FALSE(std::filesystem::exists(u.solving("SLOW01", "_out.dat")));
}

TEST(TForm1, AWindowDestroyedDuringARunStopsItFirst) {
    UiWorkspace u;
    TForm1* form = start_slow_batch(u);
    ASSERT_NE(form, nullptr);
    ASSERT_TRUE(test::wait_until([&] { return child<QProgressBar>(form, "ProgressRun")->value() > 0; }));
    delete form; // the program ends with the run going
    QTest::qWait(20);
    EXPECT_FALSE(std::filesystem::exists(u.solving("SLOW01", "_out.dat")));
}

TEST(TForm1, ParameterEntryRefusesOutOfRangeValuesWithTheirWarnings) {
    UiWorkspace u;
    write_file_atomically(u.solving("SLOW01", "_in.dat"), testing::slow_input());
    TForm1* form = open_from_menu(u);
    ASSERT_NE(form, nullptr);
    click(form, "BNext1");
    // ЛЧИ stays refused until the last case, so each value that passes shows the next refusal.
    struct Case {
        const char* edit;
        const char* typed;
        int warning; // -1: none, only the focus returns; 0: the step passes
    };
    const Case cases[] = {
        {"ME4", "9", 421},   {"ME1", "0,3", 248}, {"ME1", ",", -1},  {"ME1", "0,5", 421}, {"ME2", "0,2", 247},
        {"ME2", "0,1", 421}, {"ME3", "0", 419},   {"ME3", "1", 421}, {"ME4", "10", 0},
    };
    const QChar separator = QLatin1Char(u.state().decimalSeparator);
    for (const Case& c : cases) {
        u.notifier.messages.clear();
        auto* edit = child<QLineEdit>(form, c.edit);
        edit->clear();
        QTest::keyClicks(edit, QString::fromLatin1(c.typed).replace(QLatin1Char(','), separator));
        QTest::mouseClick(child<QPushButton>(form, "BNext3"), Qt::LeftButton);
        const bool passed = !child<QPushButton>(form, "BNext3")->isVisible();
        EXPECT_EQ(passed, c.warning == 0) << c.edit << " " << c.typed;
        if (c.warning <= 0) {
            EXPECT_TRUE(u.notifier.messages.empty()) << c.edit << " " << c.typed;
            continue;
        }
        ASSERT_EQ(u.notifier.messages.size(), 1u) << c.edit << " " << c.typed;
        EXPECT_EQ(u.notifier.messages[0].text.toStdString(), u.state().text(c.warning) + ".");
    }
    EXPECT_EQ(label(form, "LOPT1").toStdString(),
              u.state().label(32) + " = 0" + u.state().decimalSeparator + "50");
}

// The code box is a line edit like any other for the editing keys; only typed characters follow the mask.
TEST(TForm1, TheCodeBoxKeepsTheUsualEditingKeysAndItsMask) {
    UiWorkspace u;
    TForm1* form = open_at_code(u);
    ASSERT_NE(form, nullptr);
    auto* code = child<QLineEdit>(form, "MaskEdit1_3");
    ASSERT_TRUE(code->isVisible());
    struct Key {
        Qt::Key key;
        Qt::KeyboardModifiers mods = Qt::NoModifier;
        const char* typed = nullptr; // typed instead of the key when set
    };
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    struct Case {
        const char* before;
        std::vector<Key> keys;
        const char* after;
        const char* clipboard; // what the clipboard holds afterwards; nullptr: not looked at
    };
    const Case cases[] = {
        {"dec001", {{Qt::Key_A, ctrl}, {Qt::Key_unknown, {}, "t"}}, "T", nullptr},
        {"DEC001", {{Qt::Key_A, ctrl}, {Qt::Key_Backspace}}, "", nullptr},
        {"DEC001", {{Qt::Key_A, ctrl}, {Qt::Key_Delete}}, "", nullptr},
        {"DEC001", {{Qt::Key_A, ctrl}, {Qt::Key_C, ctrl}, {Qt::Key_End}}, "DEC001", "DEC001"},
        {"DEC001", {{Qt::Key_A, ctrl}, {Qt::Key_X, ctrl}}, "", "DEC001"},
        {"DEC001", {{Qt::Key_A, ctrl}, {Qt::Key_X, ctrl}, {Qt::Key_V, ctrl}}, "DEC001", "DEC001"},
        {"DEC001", {{Qt::Key_A, ctrl}, {Qt::Key_unknown, {}, "ab"}, {Qt::Key_Z, ctrl}}, "DEC001", nullptr},
        {"EC001", {{Qt::Key_Home}, {Qt::Key_unknown, {}, "d"}}, "DEC001", nullptr},
        {"DEC00", {{Qt::Key_Home}, {Qt::Key_End}, {Qt::Key_unknown, {}, "1"}}, "DEC001", nullptr},
        {"DEC001", {{Qt::Key_Home, Qt::ShiftModifier}, {Qt::Key_unknown, {}, "s-"}}, "S", nullptr},
        {"DEC001", {{Qt::Key_End}, {Qt::Key_unknown, {}, "7"}}, "DEC001", nullptr}, // six at most
        {"DEC001", {{Qt::Key_End}, {Qt::Key_Left}, {Qt::Key_Backspace}}, "DEC01", nullptr},
    };
    for (const Case& c : cases) {
        code->clear();
        QTest::keyClicks(code, QString::fromLatin1(c.before));
        QGuiApplication::clipboard()->clear();
        for (const Key& k : c.keys) {
            if (k.typed)
                QTest::keyClicks(code, QString::fromLatin1(k.typed));
            else
                QTest::keyClick(code, k.key, k.mods);
        }
        EXPECT_EQ(code->text().toStdString(), c.after) << c.before << " -> " << c.after;
        if (c.clipboard)
            EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), c.clipboard) << c.before;
    }
    // Pasted text follows the mask as typed text does: letters go upper case, a foreign character
    // refuses the whole paste.
    const struct {
        const char* pasted;
        const char* after;
    } pastes[] = {{"dec001", "DEC001"}, {"de-001", ""}, {"ДЕК001", ""}, {"dec0019", "DEC001"}};
    for (const auto& p : pastes) {
        code->clear();
        QGuiApplication::clipboard()->setText(QString::fromUtf8(p.pasted));
        QTest::keyClick(code, Qt::Key_V, ctrl);
        EXPECT_EQ(code->text().toStdString(), p.after) << p.pasted;
    }
    code->clear();
    QTest::keyClicks(code, "DEC001");
    click(form, "BNext2");
    // The parameter boxes take their shortcuts too: Ctrl+A then a digit replaces the value.
    auto* kr = child<QLineEdit>(form, "ME3");
    ASSERT_TRUE(kr->isVisible());
    kr->setText(QStringLiteral("12"));
    QTest::keyClick(kr, Qt::Key_A, ctrl);
    QTest::keyClicks(kr, "5");
    EXPECT_EQ(kr->text(), QStringLiteral("5"));
}

// Which controls each step shows, in both modes: one group of entry controls at a time, Start from the
// accepted parameters on, Reset only for one task, the bar over the tasks only for a batch.
TEST(OptimiserSteps, EachStepShowsItsControls) {
    using S = OptimiserStep;
    struct Case {
        S step;
        bool batch;
        const char* shown; // the groups shown, by their first letters in the order of OptimiserControls
    };
    // m: mode, c: code, l: task line, p: parameters, e: parameter entry, s: start, r: reset, t: stop,
    // x: exit, g: run progress, k: task progress, h: the summary height.
    const Case cases[] = {
        {S::ChooseMode, true, "m"},       {S::ChooseMode, false, "m"},        {S::EnterCode, false, "cl"},
        {S::EnterParameters, true, "pe"}, {S::EnterParameters, false, "lpe"}, {S::Ready, true, "psxh"},
        {S::Ready, false, "lpsrxh"},      {S::Running, true, "pstxgkh"},      {S::Running, false, "lpsrtxgh"},
        {S::Finished, true, "psxgkh"},    {S::Finished, false, "lpsrxgh"},    {S::NoInput, true, "x"},
        {S::NoInput, false, "lx"},
    };
    for (const Case& c : cases) {
        const OptimiserControls k = controls_of({c.step, c.batch});
        const std::pair<char, bool> groups[] = {
            {'m', k.modeChoice},     {'c', k.codeEntry},   {'l', k.taskLine},     {'p', k.parameters},
            {'e', k.parameterEntry}, {'s', k.start},       {'r', k.reset},        {'t', k.stop},
            {'x', k.exit},           {'g', k.runProgress}, {'k', k.taskProgress}, {'h', k.summaryHeight},
        };
        std::string shown;
        for (const auto& [letter, on] : groups)
            if (on)
                shown += letter;
        EXPECT_EQ(shown, c.shown) << static_cast<int>(c.step) << " batch " << c.batch;
    }
}

// The window's step follows the buttons, and the controls shown follow the step.
TEST(TForm1, TheStepFollowsTheButtonsAndTheControlsFollowTheStep) {
    UiWorkspace u;
    TForm1* form = open_at_code(u);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->state().step, OptimiserStep::EnterCode);
    EXPECT_FALSE(form->state().batch);
    QTest::keyClicks(child<QLineEdit>(form, "MaskEdit1_3"), "NONE01");
    click(form, "BNext2");
    EXPECT_EQ(form->state().step, OptimiserStep::NoInput);
    EXPECT_TRUE(child<QLabel>(form, "Label1")->isVisible());
    EXPECT_FALSE(child<QPushButton>(form, "BNext3")->isVisible());
    EXPECT_TRUE(child<QPushButton>(form, "BEnd")->isVisible());
}

TEST(TForm1, BatchModeWithoutInputsOffersOnlyExit) {
    UiWorkspace u;
    register_optimiser(*u.main);
    u.main->setEnabled(false);
    auto* form = static_cast<TForm1*>(u.main->open_window(WindowKind::Optimiser));
    click(form, "BNext1");
    EXPECT_EQ(label(form, "Label8").toStdString(), u.state().text(10) + ". " + u.state().text(374) + ".");
    EXPECT_TRUE(child<QPushButton>(form, "BEnd")->isVisible());
    EXPECT_FALSE(child<QPushButton>(form, "BNext3")->isVisible());
    EXPECT_FALSE(child<QPushButton>(form, "BStart")->isVisible());
    click(form, "BEnd");
    EXPECT_TRUE(u.main->isEnabled());
}

TEST(TForm1, ResetAfterARunReturnsToTheCodeWithTheCodeKept) {
    UiWorkspace u;
    TForm1* form = open_at_code(u);
    ASSERT_NE(form, nullptr);
    QTest::keyClicks(child<QLineEdit>(form, "MaskEdit1_3"), "DEC001");
    click(form, "BNext2");
    click(form, "BNext3");
    click(form, "BStart");
    ASSERT_TRUE(wait_run(form));
    click(form, "BReset");
    EXPECT_TRUE(child<QLineEdit>(form, "MaskEdit1_3")->isVisible());
    EXPECT_EQ(child<QLineEdit>(form, "MaskEdit1_3")->text(), QStringLiteral("DEC001"));
    EXPECT_TRUE(label(form, "Label7").isEmpty());
    EXPECT_EQ(label(form, "Label1").toStdString(), u.state().text(52) + ":");
    EXPECT_FALSE(child<QPushButton>(form, "BStart")->isVisible());
}

// The road of a task inside the program: unloaded in the protocol window, solved in batch mode, loaded
// back, then offered for the solution view.
TEST(TForm1, ATaskUnloadedInTheProtocolIsSolvedInBatchAndLoadedBack) {
    UiWorkspace u;
    register_optimiser(*u.main);
    u.main->register_window(WindowKind::ViewProtocol, [](TfrmMain& m) { return TfrmViewProtocol::open(m); });
    u.main->register_window(WindowKind::SelectTask, [](TfrmMain& m) { return TfrmSelectTask::open(m); });
    u.enter(test::decomposed_task());
    TaskRecord other = test::decomposed_task();
    other.header.taskCode = "DEC002";
    u.enter(other);

    u.main->action(QStringLiteral("mnuOutViewProtocol"))->trigger();
    auto* protocol = test::open_window<TfrmViewProtocol>();
    ASSERT_NE(protocol, nullptr);
    click(protocol, "btnCreateInData");
    protocol->close();
    ASSERT_TRUE(u.main->isEnabled());

    u.main->update_menus();
    ASSERT_TRUE(u.main->action(QStringLiteral("Optim"))->isEnabled());
    u.main->action(QStringLiteral("Optim"))->trigger();
    auto* form = test::open_window<TForm1>();
    ASSERT_NE(form, nullptr);
    click(form, "BNext1");
    click(form, "BNext3");
    click(form, "BStart");
    ASSERT_TRUE(wait_run(form));
    EXPECT_FALSE(std::filesystem::exists(u.solving("DEC002", "_out.dat"))); // never handed over
    const auto written = read_whole_file(u.solving("DEC001", "_out.dat"));
    EXPECT_TRUE(testing::same_apart_from_time_stamps(
        written, zep_solve(u.data("DEC001", "_in.dat"), "DEC001", "rus")));
    form->close();

    u.main->action(QStringLiteral("mnuOutViewProtocol"))->trigger();
    protocol = test::open_window<TfrmViewProtocol>();
    ASSERT_NE(protocol, nullptr);
    ASSERT_EQ(child<QComboBox>(protocol, "TaskList")->currentIndex(), 0);
    click(protocol, "btnLoadOutData");
    protocol->close();
    EXPECT_EQ(read_whole_file(u.data("DEC001", "_out.dat")), written);
    EXPECT_TRUE(std::filesystem::is_empty(u.ws.solving()));
    EXPECT_EQ(u.reg().get().find("DEC001")->status, TaskStatus::Solved);

    u.main->action(QStringLiteral("mnuOutViewSolution"))->trigger();
    auto* select = test::open_window<TfrmSelectTask>();
    ASSERT_NE(select, nullptr);
    auto* lb = child<QListWidget>(select, "lbTask");
    ASSERT_EQ(lb->count(), 1);
    EXPECT_TRUE(lb->item(0)->text().startsWith(QStringLiteral("[DEC001] ")));
}

} // namespace
} // namespace zep
