// What a user meets on the way: refusals and the focus they move, Prev and Next keeping what was
// typed, the key filters, Cancel, the main window while the wizard is open, correction.
#include "window_typist.h"
#include "wizard_window_harness.h"

#include "lock_holder.h"
#include "shell/register_texts.h"
#include "shell/ui/frm_select_task.h"
#include "task/task_file.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

using namespace zep;
using namespace zep::test;

namespace {

const char* kPlain =
    R"({ "code": "PLAIN1", "name": "Plain", "minimise": "cost", "costUnit": "рубли", "timeUnit": "дни",
  "chains": [
    { "name": "Main", "operations": [
        { "name": "Dig", "variants": [ { "essence": "own", "time": 5, "cost": 10 }, { "essence": "hired", "time": 7, "cost": 8 } ] },
        { "name": "Build", "variants": [ { "essence": "fast", "time": 3, "cost": 9 } ] } ] },
    { "name": "Side", "operations": [
        { "name": "Paint", "variants": [ { "essence": "a", "time": 4, "cost": 2 } ] } ] } ],
  "tact": 1, "scaling": 1, "thresholds": [9, 10] })";

// A new wizard with the plain task typed up to `step` (filled there, Next not pressed).
TfrmCreateTask* typed_up_to(WizardWindowHarness& h, WizardStep step, const TaskScript& script) {
    TfrmCreateTask* w = h.open();
    EXPECT_NE(w, nullptr);
    WindowTypist typist(*w, script, ',');
    EXPECT_TRUE(typist.run_to(step)) << h.warnings();
    return w;
}

QString cell(QWidget* w, const char* grid, int row, int column) {
    QTableWidgetItem* it = control<QTableWidget>(w, grid)->item(row, column);
    return it ? it->text() : QString();
}

void press_next(QWidget* w) {
    click(w, "btnNext");
}

void press_prev(QWidget* w) {
    click(w, "btnPrev");
}

} // namespace

TEST(WizardWindow, RefusalsShowTheMessageAndFocusTheInput) {
    WizardWindowHarness h;
    const TaskScript script = parse_task_script(kPlain);
    TfrmCreateTask* w = typed_up_to(h, WizardStep::Code, script);
    type_box(w, "txtShifr", "ABC");
    press_next(w);
    ASSERT_EQ(h.notifier.messages.size(), 1u);
    EXPECT_EQ(h.notifier.messages[0].kind, Notifier::Kind::Warning);
    EXPECT_EQ(h.notifier.messages[0].text.toStdString(), h.main->state().shell.text(239) + ".");
    EXPECT_EQ(w->focusWidget(), control<QWidget>(w, "txtShifr"));
    EXPECT_EQ(w->model().current_step(), WizardStep::Code);

    // A grid refusal selects the row it names.
    h.notifier.messages.clear();
    type_box(w, "txtShifr", "PLAIN1");
    WindowTypist(*w, script, ',').run_to(WizardStep::Chains);
    type_cell(control<EntryGrid>(w, "StringGrid1"), 1, 1, "x");
    control<EntryGrid>(w, "StringGrid1")->item(1, 1)->setText(QString());
    press_next(w);
    ASSERT_EQ(h.notifier.messages.size(), 1u);
    EXPECT_EQ(h.notifier.messages[0].text.toStdString(), h.main->state().shell.text(220) + " 2.");
    auto* grid = control<EntryGrid>(w, "StringGrid1");
    EXPECT_EQ(w->focusWidget(), grid);
    EXPECT_EQ(grid->currentRow(), 1);
}

TEST(WizardWindow, AVariantRefusalShowsTheOperationItNames) {
    WizardWindowHarness h;
    TaskScript script = parse_task_script(kPlain);
    // Chain 2's only operation gets a second variant slower and costlier than its first.
    ScriptVariant worse;
    worse.essence = "worse";
    worse.time = {"5", 5};
    worse.cost = {"3", 3};
    (*script.chains)[1].operations[0].variants.push_back(worse);
    TfrmCreateTask* w = typed_up_to(h, WizardStep::Variants, script);
    press_next(w);
    ASSERT_FALSE(h.notifier.messages.empty());
    EXPECT_EQ(w->model().current_step(), WizardStep::Variants);
    EXPECT_EQ(control<QComboBox>(w, "cb_M_2")->currentText(), QStringLiteral("2"));
    EXPECT_EQ(control<QComboBox>(w, "cb_M_3")->currentText(), QStringLiteral("1"));
    EXPECT_EQ(control<QLineEdit>(w, "Col_1_1")->text(), QStringLiteral("Paint"));
    EXPECT_EQ(cell(w, "StringGrid", 1, 1), QStringLiteral("worse"));
    EXPECT_EQ(w->focusWidget(), control<QWidget>(w, "StringGrid"));
}

TEST(WizardWindow, PrevThenNextKeepsWhatWasTyped) {
    WizardWindowHarness h;
    const TaskScript script = parse_task_script(kPlain);
    TfrmCreateTask* w = typed_up_to(h, WizardStep::Variants, script);
    press_prev(w); // to step 4: the first chain's operations
    EXPECT_EQ(w->model().current_step(), WizardStep::Operations);
    EXPECT_EQ(cell(w, "StringGrid2", 1, 1), QStringLiteral("Build"));
    press_prev(w); // to step 3
    EXPECT_EQ(cell(w, "StringGrid1", 1, 1), QStringLiteral("Side"));
    press_prev(w); // to step 2
    EXPECT_EQ(control<QLineEdit>(w, "txtNch")->text(), QStringLiteral("2"));
    EXPECT_EQ(control<QComboBox>(w, "UnitOfMeasurement_0")->currentText(), QStringLiteral("рубли"));
    press_next(w);
    press_next(w);
    press_next(w);
    ASSERT_EQ(w->model().current_step(), WizardStep::Variants) << h.warnings();
    EXPECT_EQ(cell(w, "StringGrid", 1, 1), QStringLiteral("hired"));
    EXPECT_EQ(cell(w, "StringGrid", 1, 3), QStringLiteral("8"));
    QTest::keyClick(control<QWidget>(w, "StringGrid"), Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(cell(w, "StringGrid", 0, 1), QStringLiteral("a"));
    EXPECT_TRUE(h.notifier.messages.empty()) << h.warnings();
}

TEST(WizardWindow, BoxesDropWhatTheirFiltersRefuse) {
    WizardWindowHarness h;
    TfrmCreateTask* w = h.open();
    struct Case {
        const char* box;
        QString typed, shown;
    } cases[] = {
        {"txtShifr", QStringLiteral("ab/1.-_xyz"), QStringLiteral("AB1.-_")},
        {"txtName", QStringLiteral("Имя задачи"), QStringLiteral("Имя задачи")},
    };
    for (const Case& c : cases) {
        type_box(w, c.box, c.typed);
        EXPECT_EQ(control<QLineEdit>(w, c.box)->text(), c.shown) << c.box;
    }
    type_box(w, "txtShifr", "PLAIN1");
    press_next(w);
    struct Step2Case {
        const char* box;
        QString typed, shown;
    } step2[] = {
        {"txtNch", QStringLiteral("1a2-3"), QStringLiteral("123")},
        {"txtnc2", QStringLiteral("x0"), QStringLiteral("0")},
    };
    for (const Step2Case& c : step2) {
        type_box(w, c.box, c.typed);
        EXPECT_EQ(control<QLineEdit>(w, c.box)->text(), c.shown) << c.box;
    }
    EXPECT_TRUE(w->model().chain_counts_edited());
    // Backspace passes.
    QTest::keyClick(control<QWidget>(w, "txtNch"), Qt::Key_Backspace);
    EXPECT_EQ(control<QLineEdit>(w, "txtNch")->text(), QStringLiteral("12"));
}

TEST(WizardWindow, DecimalBoxesTakeOneSeparatorAfterADigit) {
    WizardWindowHarness h;
    const TaskScript script = parse_task_script(kPlain);
    TfrmCreateTask* w = typed_up_to(h, WizardStep::Rounding, script);
    type_box(w, "txtDelta", ",1,,5x");
    EXPECT_EQ(control<QLineEdit>(w, "txtDelta")->text(), QStringLiteral("1,5"));
    type_box(w, "txtKoe", "12345");
    EXPECT_EQ(control<QLineEdit>(w, "txtKoe")->text(), QStringLiteral("1234"));
    EXPECT_EQ(control<QLabel>(w, "Decimal5")->text(), QStringLiteral(","));
}

TEST(WizardWindow, GridCellsKeepTheirLimitsAndPassTheEditingKeysWhenFull) {
    WizardWindowHarness h;
    const TaskScript script = parse_task_script(kPlain);
    TfrmCreateTask* w = typed_up_to(h, WizardStep::Chains, script);
    auto* grid = control<EntryGrid>(w, "StringGrid1");
    type_cell(grid, 0, 2, "1234");
    EXPECT_EQ(cell(w, "StringGrid1", 0, 2), QStringLiteral("123"));

    // In the full cell: a character is dropped, backspace, copy, cut and paste pass.
    grid->setCurrentCell(0, 2);
    QTest::keyClick(grid, Qt::Key_F2);
    auto* editor = qobject_cast<QLineEdit*>(grid->indexWidget(grid->model()->index(0, 2)));
    ASSERT_NE(editor, nullptr);
    editor->end(false);
    QTest::keyClick(editor, '7');
    EXPECT_EQ(editor->text(), QStringLiteral("123"));
    QTest::keyClick(editor, Qt::Key_Backspace);
    EXPECT_EQ(editor->text(), QStringLiteral("12"));
    QTest::keyClick(editor, '9');
    EXPECT_EQ(editor->text(), QStringLiteral("129"));
    editor->selectAll();
    QTest::keyClick(editor, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("129"));
    QTest::keyClick(editor, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(editor->text(), QString());
    QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(editor->text(), QStringLiteral("129"));
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents(); // the delegate commits Return after the key
    EXPECT_EQ(cell(w, "StringGrid1", 0, 2), QStringLiteral("129"));
    // The row number column takes nothing.
    grid->setCurrentCell(0, 0);
    QTest::keyClick(grid, '5');
    EXPECT_EQ(grid->indexWidget(grid->model()->index(0, 0)), nullptr);
    EXPECT_EQ(cell(w, "StringGrid1", 0, 0), QStringLiteral("1"));
}

TEST(WizardWindow, TheNoSuspendMarkTogglesWithTheSpaceBarOnly) {
    WizardWindowHarness h;
    TaskScript script =
        parse_task_script(R"({ "code": "RES001", "name": "R", "costUnit": "рубли", "timeUnit": "дни",
      "resources": [ [ [0, 10] ] ],
      "chains": [ { "name": "M", "operations": [ { "name": "o", "variants": [ { "essence": "a", "time": 1, "cost": 1, "category": 1 } ] } ] } ] })");
    TfrmCreateTask* w = typed_up_to(h, WizardStep::Variants, script);
    auto* grid = control<EntryGrid>(w, "StringGrid_a");
    grid->setFocus();
    grid->setCurrentCell(0, 3);
    QTest::keyClick(grid, 'x');
    EXPECT_EQ(cell(w, "StringGrid_a", 0, 3), QString());
    QTest::keyClick(grid, Qt::Key_Space);
    EXPECT_EQ(cell(w, "StringGrid_a", 0, 3), QStringLiteral("*"));
    QTest::keyClick(grid, Qt::Key_Space);
    EXPECT_EQ(cell(w, "StringGrid_a", 0, 3), QString());
}

TEST(WizardWindow, CancelWritesNothingAndGivesTheMainWindowBack) {
    WizardWindowHarness h;
    const auto registerBefore = file_bytes(h.ws.register_file());
    const TaskScript script = parse_task_script(kPlain);
    TfrmCreateTask* w = typed_up_to(h, WizardStep::Summary, script);
    EXPECT_FALSE(h.main->isEnabled());
    EXPECT_TRUE(w->isEnabled());
    click(w, "btnClose");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(WizardWindowHarness::window(), nullptr);
    EXPECT_TRUE(h.main->isEnabled());
    EXPECT_TRUE(std::filesystem::is_empty(h.ws.data()));
    EXPECT_EQ(file_bytes(h.ws.register_file()), registerBefore);
    EXPECT_TRUE(h.main->state().taskRegister->get().entries.empty());
}

// Saving while another program holds the register's lock waits for it, and saves once it is free.
TEST(WizardWindow, SavingWaitsForTheRegistersLockAndSavesWhenItIsFree) {
    WizardWindowHarness h;
    const TaskScript script = parse_task_script(kPlain);
    TfrmCreateTask* w = typed_up_to(h, WizardStep::Summary, script);
    test::LockHolder other(register_lock_path(h.ws.register_file()), std::chrono::milliseconds(400));
    press_next(w);
    EXPECT_TRUE(w->model().closed()) << h.warnings();
    EXPECT_TRUE(h.notifier.messages.empty()) << h.warnings();
    EXPECT_NE(read_register(h.ws.register_file()).find("PLAIN1"), nullptr);
    EXPECT_TRUE(std::filesystem::exists(task_file_path(h.ws, "PLAIN1")));
    EXPECT_TRUE(h.main->isEnabled());
}

// A lock held for the whole wait: the save is refused in words, nothing is left in Data, the summary
// stays, and Next saves once the lock is free.
TEST(WizardWindow, SavingRefusedAfterTheWaitLeavesNothingAndCanBeRepeated) {
    WizardWindowHarness h;
    const auto registerBefore = file_bytes(h.ws.register_file());
    const TaskScript script = parse_task_script(kPlain);
    TfrmCreateTask* w = typed_up_to(h, WizardStep::Summary, script);
    h.main->state().taskRegister->set_lock_wait(std::chrono::milliseconds(300));
    {
        test::LockHolder other(register_lock_path(h.ws.register_file()));
        press_next(w);
    }
    RegisterRefusal busy;
    busy.reason = RegisterRefusal::Reason::Busy;
    busy.file = h.ws.register_file();
    busy.waited = std::chrono::milliseconds(300);
    ASSERT_EQ(h.notifier.messages.size(), 1u) << h.warnings();
    EXPECT_EQ(h.notifier.messages[0].kind, Notifier::Kind::Warning);
    EXPECT_EQ(h.notifier.messages[0].text.toStdString(), register_refusal_text(h.main->state().shell, busy));
    EXPECT_FALSE(w->model().closed());
    EXPECT_EQ(w->model().current_step(), WizardStep::Summary);
    EXPECT_TRUE(std::filesystem::is_empty(h.ws.data()));
    EXPECT_EQ(file_bytes(h.ws.register_file()), registerBefore);
    press_next(w);
    EXPECT_TRUE(w->model().closed()) << h.warnings();
    EXPECT_NE(read_register(h.ws.register_file()).find("PLAIN1"), nullptr);
}

// Another process registers a task after the wizard opened: saving keeps its entry; one that took the
// wizard's code meanwhile is not overwritten, and the wizard says the code is taken.
TEST(WizardWindow, SavingKeepsWhatAnotherProcessRegisteredMeanwhile) {
    WizardWindowHarness h;
    const TaskScript script = parse_task_script(kPlain);
    TfrmCreateTask* w = typed_up_to(h, WizardStep::Summary, script);
    h.zep_build_in(h.ws.root, "'" + fixture("resources.task.json").string() + "'");
    press_next(w);
    EXPECT_TRUE(w->model().closed()) << h.warnings();
    const TaskRegister onDisk = read_register(h.ws.register_file());
    EXPECT_EQ(onDisk.entries.size(), 2u);
    EXPECT_NE(onDisk.find("WBRES1"), nullptr);
    EXPECT_NE(onDisk.find("PLAIN1"), nullptr);
    EXPECT_EQ(h.main->state().taskRegister->get().entries.size(), 2u);

    const TaskScript same = parse_task_script(
        std::string(kPlain).replace(std::string(kPlain).find("PLAIN1"), 6, std::string("WBPLN1")));
    h.notifier.messages.clear();
    w = typed_up_to(h, WizardStep::Summary, same);
    h.zep_build_in(h.ws.root, "'" + fixture("plain.task.json").string() + "'");
    const auto theirs = file_bytes(task_file_path(h.ws, "WBPLN1"));
    const auto registerBefore = file_bytes(h.ws.register_file());
    press_next(w);
    EXPECT_FALSE(w->model().closed());
    ASSERT_EQ(h.notifier.messages.size(), 1u);
    EXPECT_EQ(h.notifier.messages[0].text.toStdString(), h.main->state().text(453) + ".");
    EXPECT_EQ(file_bytes(task_file_path(h.ws, "WBPLN1")), theirs);
    EXPECT_EQ(file_bytes(h.ws.register_file()), registerBefore);
}

TEST(WizardWindow, FrameCloseWritesNothingEither) {
    WizardWindowHarness h;
    const TaskScript script = parse_task_script(kPlain);
    TfrmCreateTask* w = typed_up_to(h, WizardStep::Thresholds, script);
    w->close();
    EXPECT_TRUE(h.main->isEnabled());
    EXPECT_TRUE(std::filesystem::is_empty(h.ws.data()));
}

TEST(WizardWindow, CorrectionFromTheSelectionDialogUpdatesTheEntry) {
    WizardWindowHarness h;
    h.main->register_window(WindowKind::SelectTask, [](TfrmMain& m) { return TfrmSelectTask::open(m); });
    {
        TfrmCreateTask* w = h.open();
        const TaskScript script = parse_task_script(kPlain);
        ASSERT_TRUE(WindowTypist(*w, script, ',').run()) << h.warnings();
    }
    const auto inputBefore = file_bytes(h.ws.data() / "zep_PLAIN1_in.dat");
    h.main->action(QStringLiteral("mnuInEditTask"))->trigger();
    QWidget* dialog = nullptr;
    for (QWidget* t : QApplication::topLevelWidgets())
        if (qobject_cast<TfrmSelectTask*>(t) && t->isVisible())
            dialog = t;
    ASSERT_NE(dialog, nullptr);
    control<QListWidget>(dialog, "lbTask")->setCurrentRow(0);
    click(dialog, "btnOK");
    TfrmCreateTask* w = WizardWindowHarness::window();
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(h.main->isEnabled());
    EXPECT_FALSE(control<QWidget>(w, "txtShifr")->isEnabled());
    EXPECT_EQ(control<QLineEdit>(w, "txtName")->text(), QStringLiteral("Plain"));
    EXPECT_EQ(w->focusWidget(), control<QWidget>(w, "txtName"));
    type_box(w, "txtName", "Renamed");
    const TaskScript nothing;
    ASSERT_TRUE(WindowTypist(*w, nothing, ',').run()) << h.warnings();
    const auto& entries = h.main->state().taskRegister->get().entries;
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].name, "Renamed");
    EXPECT_EQ(file_bytes(h.ws.data() / "zep_PLAIN1_in.dat"), inputBefore);
    EXPECT_TRUE(h.main->isEnabled());
}

// A new task from another task's data: the list names the registered tasks, the import fills step 2, and
// what is saved is what zep build --from saves.
TEST(WizardWindow, AnotherTasksDataImportedThroughThePanelGivesTheFilesOfZepBuild) {
    WizardWindowHarness h;
    {
        TfrmCreateTask* w = h.open();
        ASSERT_TRUE(WindowTypist(*w, parse_task_script(kPlain), ',').run()) << h.warnings();
    }
    TfrmCreateTask* w = h.open("mnuInNewTaskExportData");
    auto* list = control<QComboBox>(w, "cbExport");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->itemText(1), QStringLiteral("[PLAIN1] - Plain"));
    list->setCurrentIndex(1);
    click(w, "btnExport");
    EXPECT_EQ(control<QLabel>(w, "staticTask")->text(), QStringLiteral("[PLAIN1] - Plain"));
    const char* copy = R"({ "code": "COPY01", "name": "Copy", "thresholds": [9] })";
    ASSERT_TRUE(WindowTypist(*w, parse_task_script(copy), ',').run()) << h.warnings();
    EXPECT_EQ(control<QLineEdit>(w, "txtNch")->text(), QStringLiteral("2"));

    const std::filesystem::path plain = h.dir / "plain.json", copied = h.dir / "copy.json";
    write_text(plain, kPlain);
    write_text(copied, copy);
    const std::filesystem::path other = h.zep_build("'" + plain.string() + "'");
    h.zep_build_in(other, "--from PLAIN1 '" + copied.string() + "'");
    h.expect_same_files(other, "COPY01");
}

// Tab goes through the inputs of a step in the order they are read, top to bottom.
TEST(WizardWindow, TabFollowsTheReadingOrder) {
    WizardWindowHarness h;
    const TaskScript script = parse_task_script(kPlain);
    TfrmCreateTask* w = typed_up_to(h, WizardStep::General, script);
    click(w, "Reg_1");
    std::vector<std::string> order;
    QWidget* at = control<QWidget>(w, "rbPrmp_0");
    for (int i = 0; i < 200 && order.size() < 6; ++i) {
        at = at->nextInFocusChain();
        const bool input = qobject_cast<QLineEdit*>(at) || qobject_cast<QComboBox*>(at);
        if (input && at->isVisible() && at->isEnabled() && (at->focusPolicy() & Qt::TabFocus))
            order.push_back(at->objectName().toStdString());
    }
    EXPECT_EQ(order, (std::vector<std::string>{"txtNch", "txtnc2", "UnitOfMeasurement_0",
                                               "UnitOfMeasurement_1", "txtDnp", "txtMxns"}));
}
