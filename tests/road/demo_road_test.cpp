// The road of every demo task through the windows, as a new user goes it: the task typed into the
// wizard, handed over in the protocol window, solved in the optimisation module, taken over in the
// protocol window, opened through the selection dialog as a task view and as a solution view, printed
// to a PDF file and exported to a workbook. At every step the result is what `zep` gives for the same
// task: the files of `zep build` and `zep solve` (held by the shipped workspace, or solved there by
// zep), what `zep show` prints, what `zep print` and `zep export` write.
#include "common/json_reader.h"
#include "common/number_text.h"
#include "optimiser/solution_stamps.h"
#include "optimiser/ui/frm_optimiser.h"
#include "shell/ui/frm_select_task.h"
#include "shell/ui/frm_view_protocol.h"
#include "task/workbook_reader.h"
#include "ui_workspace.h"
#include "views/ui/frm_view_solution.h"
#include "views/ui/frm_view_task.h"
#include "views/ui/print_preview.h"
#include "views/ui/shown_grid.h"
#include "wizard/ui/window_typist.h"
#include "wizard/ui/wizard_window_harness.h"

#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableWidget>

using namespace zep;
using namespace zep::test;
namespace fs = std::filesystem;

namespace {

const fs::path kShippedWorkspace = ZEP_SHIPPED_DIR;
const fs::path kDemoSources = fs::path(ZEP_SOURCE_DIR) / "workspace" / "demos";

const char* lang_of(const std::string& code) {
    return code.find("DEMR") != std::string::npos ? "rus" : "eng";
}

// `zep ARGS --workspace WS --lang L`; its standard output.
std::string run_zep(const fs::path& ws, const std::string& lang, QStringList args) {
    args << QStringLiteral("--workspace") << q(ws.string()) << QStringLiteral("--lang") << q(lang);
    QProcess zep;
    zep.start(q((fs::path(ZEP_PROGRAM_DIR) / "zep").string()), args);
    EXPECT_TRUE(zep.waitForFinished(120000));
    EXPECT_EQ(zep.exitCode(), 0) << args.join(QLatin1Char(' ')).toStdString() << "\n"
                                 << zep.readAllStandardError().toStdString();
    return zep.readAllStandardOutput().toStdString();
}

// The shipped workspace copied, with the demo solved there by zep when it is shipped unsolved.
fs::path reference_workspace(const fs::path& dir, const std::string& code) {
    const fs::path ref = dir / "reference";
    fs::copy(kShippedWorkspace, ref, fs::copy_options::recursive);
    if (!fs::exists(ref / "Data" / ("zep_" + code + "_out.dat"))) {
        const QString c = q(code);
        run_zep(ref, lang_of(code), {QStringLiteral("hand-over"), c});
        run_zep(ref, lang_of(code), {QStringLiteral("solve"), QStringLiteral("--code"), c});
        run_zep(ref, lang_of(code), {QStringLiteral("take-over"), c});
    }
    return ref;
}

TaskScript demo_script(const std::string& code) {
    const auto bytes = read_whole_file(kDemoSources / (code + ".task.json"));
    return parse_task_script(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

template <class W> W* wait_for_window() {
    W* found = nullptr;
    wait_until([&] { return (found = open_window<W>()) != nullptr; }, 5000);
    return found;
}

// The protocol window opened from the menu with the task chosen in its list.
TfrmViewProtocol* protocol_on(TfrmMain& main, const std::string& code) {
    main.action(QStringLiteral("mnuOutViewProtocol"))->trigger();
    auto* w = wait_for_window<TfrmViewProtocol>();
    if (!w)
        return nullptr;
    auto* list = control<QComboBox>(w, "TaskList");
    for (int i = 0; i < list->count(); ++i)
        if (list->itemText(i).startsWith(q("[" + code + "]")))
            list->setCurrentIndex(i);
    return w;
}

void click_and_close(QWidget* w, const char* button) {
    auto* b = control<QPushButton>(w, button);
    ASSERT_TRUE(b->isEnabled()) << button;
    QTest::mouseClick(b, Qt::LeftButton);
    w->close();
    QCoreApplication::processEvents();
}

// The view a command of the Output or Input menu opens through the selection dialog.
template <class View>
View* view_through_dialog(TfrmMain& main, const char* command, const std::string& code) {
    main.action(QLatin1String(command))->trigger();
    auto* dialog = wait_for_window<TfrmSelectTask>();
    if (!dialog)
        return nullptr;
    auto* list = control<QListWidget>(dialog, "lbTask");
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->text().startsWith(q("[" + code + "]")))
            list->setCurrentRow(i);
    QTest::mouseClick(control<QPushButton>(dialog, "btnOK"), Qt::LeftButton);
    QCoreApplication::processEvents();
    return dynamic_cast<View*>(main.active_output_view());
}

QString pdf_text(const fs::path& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"),
            {QStringLiteral("-enc"), QStringLiteral("UTF-8"), q(pdf.string()), QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

class DemoRoad : public ::testing::TestWithParam<const char*> {};

TEST_P(DemoRoad, ThroughTheWindowsTheTaskGetsWhatZepGivesIt) {
    const std::string code = GetParam();
    const std::string lang = lang_of(code);
    WizardWindowHarness h(lang.c_str());
    // The windows speak the separator of the user's locale, as zep does.
    const char separator = user_decimal_separator();
    h.main->state().decimalSeparator = separator;
    TfrmMain& main = *h.main;
    main.register_window(WindowKind::ViewProtocol, [](TfrmMain& m) { return TfrmViewProtocol::open(m); });
    main.register_window(WindowKind::SelectTask, [](TfrmMain& m) { return TfrmSelectTask::open(m); });
    main.register_window(WindowKind::Optimiser, [](TfrmMain& m) { return TForm1::open(m); });
    main.register_window(WindowKind::ViewTask, [](TfrmMain& m) { return TfrmViewTask::open(m); });
    main.register_window(WindowKind::ViewSolution, [](TfrmMain& m) { return TfrmViewSolution::open(m); });
    main.resize(1280, 800);
    main.show();
    const fs::path ref = reference_workspace(h.dir.path(), code);
    // The information file goes into the solution as it goes into zep's.
    fs::copy_file(ref / "System" / "Info.", h.ws.info_file());
    auto mine = [&](const std::string& folder, const char* suffix) {
        return file_bytes(h.ws.root / folder / ("zep_" + code + suffix));
    };
    auto zeps = [&](const char* suffix) { return file_bytes(ref / "Data" / ("zep_" + code + suffix)); };
    auto status = [&] { return main.state().taskRegister->get().find(code)->status; };

    // Entered in the wizard: the files of zep build.
    const TaskScript script = demo_script(code);
    TfrmCreateTask* wizard = h.open();
    ASSERT_NE(wizard, nullptr);
    WindowTypist typist(*wizard, script, separator);
    ASSERT_TRUE(typist.run()) << "stays on step" << step_label(typist.stuckOn) << "\n" << h.warnings();
    EXPECT_EQ(mine("Data", ".dat"), zeps(".dat"));
    EXPECT_EQ(mine("Data", "_in.dat"), zeps("_in.dat"));
    ASSERT_EQ(status(), TaskStatus::Entered);

    // Handed over in the protocol window.
    TfrmViewProtocol* protocol = protocol_on(main, code);
    ASSERT_NE(protocol, nullptr);
    click_and_close(protocol, "btnCreateInData");
    EXPECT_EQ(mine("Solving", "_in.dat"), zeps("_in.dat"));
    EXPECT_EQ(status(), TaskStatus::HandedOver);

    // Solved in the optimisation module, one task with the default parameters: zep solve's solution.
    main.update_menus(); // as opening the Solving menu does
    ASSERT_TRUE(main.action(QStringLiteral("Optim"))->isEnabled());
    main.action(QStringLiteral("Optim"))->trigger();
    auto* module = wait_for_window<TForm1>();
    ASSERT_NE(module, nullptr);
    click(module, "RB2");
    click(module, "BNext1");
    type_text(control<QLineEdit>(module, "MaskEdit1_3"), q(code)); // the box starts empty
    click(module, "BNext2");
    click(module, "BNext3");
    QSignalSpy finished(module, &TForm1::runFinished);
    click(module, "BStart");
    ASSERT_TRUE(finished.wait(120000));
    ASSERT_TRUE(fs::exists(h.ws.solving() / ("zep_" + code + "_out.dat"))) << [&] {
        std::string all;
        for (QLabel* l : module->findChildren<QLabel*>())
            all += l->objectName().toStdString() + ": " + l->text().toStdString() + "\n";
        return all;
    }() << h.warnings();
    EXPECT_TRUE(zep::testing::same_apart_from_time_stamps(mine("Solving", "_out.dat"), zeps("_out.dat")));
    module->close();
    QCoreApplication::processEvents();

    // Taken over in the protocol window.
    protocol = protocol_on(main, code);
    ASSERT_NE(protocol, nullptr);
    click_and_close(protocol, "btnLoadOutData");
    EXPECT_EQ(status(), TaskStatus::Solved);
    EXPECT_FALSE(fs::exists(h.ws.solving() / ("zep_" + code + "_in.dat")));
    EXPECT_TRUE(zep::testing::same_apart_from_time_stamps(mine("Data", "_out.dat"), zeps("_out.dat")));

    // Both views, chosen in the selection dialog, show what zep show prints.
    auto* task = view_through_dialog<TfrmViewTask>(main, "mnuInViewTask", code);
    ASSERT_NE(task, nullptr) << h.warnings();
    const JsonValue taskShown = parse_json(
        run_zep(h.ws.root, lang,
                {QStringLiteral("show"), QStringLiteral("--task"), q(code), QStringLiteral("--json")}));
    EXPECT_EQ(task->windowTitle().toStdString(), taskShown.find("caption")->string);
    expect_grid_as_shown(task->operations(), taskShown.find("operations"));

    auto* solution = view_through_dialog<TfrmViewSolution>(main, "mnuOutViewSolution", code);
    ASSERT_NE(solution, nullptr) << h.warnings();
    const JsonValue shown =
        parse_json(run_zep(h.ws.root, lang, {QStringLiteral("show"), q(code), QStringLiteral("--json")}));
    EXPECT_EQ(solution->windowTitle().toStdString(), shown.find("caption")->string);
    expect_grid_as_shown(solution->table(), shown.find("grid"));

    // Printed from the solution view to a PDF file: what zep print writes.
    main.action(QStringLiteral("mnuOutPrint"))->trigger();
    auto* preview = solution->findChild<PrintPreview*>();
    ASSERT_NE(preview, nullptr);
    const fs::path windowPdf = h.dir / "window.pdf";
    const fs::path zepPdf = h.dir / "zep.pdf";
    EXPECT_GT(write_pdf(preview->document(), q(windowPdf.string())), 0);
    preview->close();
    run_zep(h.ws.root, lang, {QStringLiteral("print"), q(code), q(zepPdf.string())});
    if (!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
        const QString text = pdf_text(windowPdf);
        EXPECT_TRUE(text.contains(q(code))) << text.toStdString();
        EXPECT_EQ(text, pdf_text(zepPdf));
    }

    // Exported from the solution view to a workbook, the solution alone: what zep export writes.
    std::vector<QString> opened;
    solution->set_export_dialogs(
        {[&](QWidget*, const QString& suggested) { return q((h.dir / suggested.toStdString()).string()); },
         [&](const QString& path) {
             opened.push_back(path);
             return true;
         }});
    h.notifier.answer = false; // no derived task
    main.action(QStringLiteral("mnuOutExpInExcel"))->trigger();
    ASSERT_EQ(opened.size(), 1u) << h.warnings();
    const fs::path zepBook = h.dir / "zep.xlsx";
    run_zep(h.ws.root, lang, {QStringLiteral("export"), q(code), q(zepBook.string())});
    const auto windowBook = open_workbook(opened.front().toStdString(), separator);
    const auto zepsBook = open_workbook(zepBook, separator);
    ASSERT_EQ(windowBook->sheet_count(), zepsBook->sheet_count());
    EXPECT_EQ(windowBook->cell_text(0, 0, 1), zepsBook->cell_text(0, 0, 1));
    for (int sheet = 0; sheet < windowBook->sheet_count(); ++sheet)
        for (int row = 0; row < 300; ++row)
            for (int column = 0; column < 16; ++column)
                ASSERT_EQ(windowBook->cell_text(sheet, row, column), zepsBook->cell_text(sheet, row, column))
                    << sheet << ":" << row << "," << column;
    for (const auto& m : h.notifier.messages)
        EXPECT_EQ(m.kind, Notifier::Kind::Question) << m.text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Demos, DemoRoad,
                         ::testing::Values("DEMR01", "DEME01", "DEMR02", "DEME02", "DEMR03", "DEME03"),
                         [](const auto& info) { return std::string(info.param); });

} // namespace
