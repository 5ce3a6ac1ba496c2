// The spreadsheet export: the task workbook of each sample task imported again by `zep build BOOK.xlsx`
// gives the same data files; the solution sheet holds the view's rows cell for cell; the export
// command of the views with its question, the derived task and its marks, the failure message; a real
// spreadsheet application opens both workbooks when one is installed.
#include "task/workbook_reader.h"
#include "ten_chains.h"
#include "view_workspace.h"
#include "views/derived_task.h"
#include "views/spreadsheet_export.h"
#include "views/ui/frm_view_solution.h"
#include "views/ui/frm_view_task.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProcess>
#include <QStandardPaths>
#include <QTabBar>
#include <gtest/gtest.h>

using namespace zep;
namespace fs = std::filesystem;

namespace {

int run(const QString& program, const QStringList& args, QString* out = nullptr) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(120000);
    if (out)
        *out = QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

QString zep_program() {
    return QString::fromStdString((test::kShipped / "zep").string());
}

QString q(const fs::path& p) {
    return QString::fromStdString(p.string());
}

// A member of the .xlsx (a zip), or empty when unzip is not installed.
std::string xlsx_member(const fs::path& book, const char* member) {
    if (QStandardPaths::findExecutable(QStringLiteral("unzip")).isEmpty())
        return {};
    QString out;
    run(QStringLiteral("unzip"), {QStringLiteral("-p"), q(book), QString::fromLatin1(member)}, &out);
    return out.toStdString();
}

struct ExportHarness {
    test::UiWorkspace ui;
    std::vector<QString> opened;
    ExportDialogs dialogs;
    bool applicationInstalled = true;

    ExportHarness() {
        ui.main->register_window(WindowKind::ViewTask,
                                 [this](TfrmMain& m) { return TfrmViewTask::open(m, dialogs); });
        ui.main->register_window(WindowKind::ViewSolution,
                                 [](TfrmMain& m) { return TfrmViewSolution::open(m); });
        dialogs.chooseFile = [this](QWidget*, const QString& suggested) {
            return q(ui.dir / "out") + "/" + suggested;
        };
        dialogs.openFile = [this](const QString& path) {
            opened.push_back(path);
            return applicationInstalled;
        };
        fs::create_directories(ui.dir / "out");
    }
    const ShellTables& shell() { return ui.state().shell; }
    char sep() { return ui.state().decimalSeparator; }

    TfrmViewSolution* openSolution(const std::string& code) {
        ui.state().currentTaskCode = code;
        auto* v = dynamic_cast<TfrmViewSolution*>(ui.main->open_window(WindowKind::ViewSolution));
        if (v)
            v->set_export_dialogs(dialogs);
        return v;
    }
};

std::string cell(const WorkbookReader& book, int sheet, int row, int column) {
    return book.cell_text(sheet, row, column);
}

class TaskWorkbooks : public ::testing::TestWithParam<const char*> {};

TEST_P(TaskWorkbooks, ImportedAgainGiveTheSameDataFiles) {
    ExportHarness h;
    std::string code;
    if (std::string(GetParam()) == "ten") {
        const fs::path script = h.ui.dir / "ten.task.json";
        const std::string ten = test::ten_chains_script();
        write_file_atomically(script,
                              std::span(reinterpret_cast<const std::uint8_t*>(ten.data()), ten.size()));
        code = test::enter_task(h.ui.ws, script);
    } else {
        code = test::enter_task(h.ui.ws, test::kWorkbookFixtures / (std::string(GetParam()) + ".task.json"));
    }
    const TaskRecord rec = read_task_for_view(h.ui.ws, code, h.shell());
    const fs::path book = h.ui.dir / "task.xlsx";
    write_workbook(book, task_workbook(rec, task_view(rec, h.shell(), h.sep()), h.shell(), h.sep()));

    const fs::path again = h.ui.dir / "again";
    QString out;
    ASSERT_EQ(run(zep_program(),
                  {QStringLiteral("build"), q(book), QStringLiteral("--workspace"), q(again),
                   QStringLiteral("--lang"), QStringLiteral("rus")},
                  &out),
              0)
        << out.toStdString();
    for (const char* suffix : {".dat", "_in.dat"}) {
        const std::string name = "zep_" + code + suffix;
        EXPECT_EQ(read_whole_file(again / "Data" / name), read_whole_file(h.ui.ws.data() / name)) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(Samples, TaskWorkbooks,
                         ::testing::Values("plain", "decomposed", "resources", "ten"));

TEST(SolutionWorkbook, HoldsTheViewsRowsCellForCell) {
    ExportHarness h;
    const std::string code = test::enter_and_solve(h.ui.ws, "resources");
    const SolvedTaskFiles f = read_solved_task(h.ui.ws, code, h.shell());
    const SolutionViewContent view = solution_view(f.task, f.solution, 1, h.shell(), h.sep());
    const fs::path path = h.ui.dir / "solution.xlsx";
    write_workbook(path, solution_workbook(view));
    const auto book = open_workbook(path, h.sep());
    ASSERT_EQ(book->sheet_count(), 1);
    int row = 0;
    for (const auto* rows : {&view.taskRows, &view.variantRows})
        for (const ListRow& r : *rows) {
            EXPECT_EQ(cell(*book, 0, row, 0), r.key) << row;
            EXPECT_EQ(cell(*book, 0, row, 1), r.value) << row;
            ++row;
        }
    EXPECT_EQ(cell(*book, 0, row, 0), std::string(60, '/'));
    EXPECT_EQ(cell(*book, 0, row, 11), std::string(21, '/'));
    ++row;
    for (int c = 0; c < kSolutionGridColumns; ++c)
        EXPECT_EQ(cell(*book, 0, row, c), view.columnLabels[c]);
    ++row;
    for (const GridRow& g : view.grid) {
        for (int c = 0; c < static_cast<int>(g.cells.size()); ++c)
            EXPECT_EQ(cell(*book, 0, row, c), g.cells[c]) << row << "," << c;
        ++row;
    }
}

TEST(ExportCommand, YesExportsTheSolutionAndTheDerivedTaskWithItsMarks) {
    ExportHarness h;
    const std::string code = test::enter_and_solve(h.ui.ws, "plain");
    TfrmViewSolution* view = h.openSolution(code);
    ASSERT_NE(view, nullptr);
    view->tab_control()->setCurrentIndex(1);
    h.ui.notifier.answer = true;
    h.ui.main->action(QStringLiteral("mnuOutExpInExcel"))->trigger();

    ASSERT_FALSE(h.ui.notifier.messages.empty());
    const auto& asked = h.ui.notifier.messages.front();
    EXPECT_EQ(asked.kind, Notifier::Kind::Question);
    EXPECT_EQ(asked.text.toStdString(),
              h.shell().text(524) + " 2 " + h.shell().text(522) + " " + h.shell().text(525) + "?");
    const std::string derived = derived_task_code(code);
    ASSERT_EQ(h.opened.size(), 2u);
    EXPECT_TRUE(h.opened[0].endsWith(QString::fromStdString("zep_" + code + ".xlsx")));
    EXPECT_TRUE(h.opened[1].endsWith(QString::fromStdString("zep_" + derived + ".xlsx")));
    EXPECT_EQ(h.ui.main->mdi_area()->subWindowList().size(), 2); // the derived task's view

    const auto book = open_workbook(h.opened[1].toStdString(), h.sep());
    EXPECT_EQ(cell(*book, 0, 0, 1), derived);
    EXPECT_EQ(cell(*book, 0, 1, 1), derived_task_name(code, 2, view->files().task.header.taskName));
    // Every operation marked 1 on the variant the shown variant chose.
    const VariantChoices& choices = view->files().solution.variantChoice[1];
    int row = 1;
    int marked = 0;
    for (std::size_t c = 0; c < view->files().task.chains.size(); ++c) {
        for (std::size_t k = 0; k < view->files().task.chains[c].operations.size(); ++k)
            for (int v = 0; v < view->files().task.chains[c].operations[k].variantCount; ++v, ++row) {
                const bool chosen = choices[c][k] == v + 1;
                EXPECT_EQ(cell(*book, 3, row, 7), chosen ? "1" : "") << row;
                marked += chosen;
            }
        ++row;
    }
    EXPECT_GT(marked, 0);
    const std::string styles = xlsx_member(h.opened[1].toStdString(), "xl/styles.xml");
    if (!styles.empty()) {
        EXPECT_NE(styles.find("FFD2FFD2"), std::string::npos) << "the green of mark 1";
    }
}

TEST(ExportCommand, NoExportsTheSolutionOnlyAndATaskViewNeverTheDerivedTask) {
    ExportHarness h;
    const std::string code = test::enter_and_solve(h.ui.ws, "plain");
    ASSERT_NE(h.openSolution(code), nullptr);
    h.ui.notifier.answer = false;
    h.ui.main->action(QStringLiteral("mnuOutExpInExcel"))->trigger();
    ASSERT_EQ(h.opened.size(), 1u);
    EXPECT_EQ(h.ui.state().derivedTask, 0);
    EXPECT_EQ(h.ui.main->mdi_area()->subWindowList().size(), 1);

    h.ui.state().derivedTask = 1; // as after a derived export
    h.ui.state().currentTaskCode = code;
    h.ui.state().derivedTask = 0;
    auto* task = dynamic_cast<TfrmViewTask*>(h.ui.main->open_window(WindowKind::ViewTask));
    ASSERT_NE(task, nullptr);
    h.ui.state().derivedTask = 1;
    h.ui.main->action(QStringLiteral("mnuOutExpInExcel"))->trigger();
    EXPECT_EQ(h.ui.state().derivedTask, 0);
    ASSERT_EQ(h.opened.size(), 2u);
    const auto book = open_workbook(h.opened[1].toStdString(), h.sep());
    EXPECT_EQ(cell(*book, 0, 0, 1), code);
}

TEST(ExportCommand, AFileThatCannotBeWrittenShowsText314AndChangesNothingElse) {
    ExportHarness h;
    const std::string code = test::enter_and_solve(h.ui.ws, "plain");
    ASSERT_NE(h.openSolution(code), nullptr);
    h.dialogs.chooseFile = [&](QWidget*, const QString& s) {
        return q(h.ui.dir / "no such folder") + "/" + s;
    };
    h.openSolution(code)->set_export_dialogs(h.dialogs);
    h.ui.notifier.answer = true;
    h.ui.main->action(QStringLiteral("mnuOutExpInExcel"))->trigger();
    ASSERT_EQ(h.ui.notifier.messages.size(), 2u);
    EXPECT_EQ(h.ui.notifier.messages[1].kind, Notifier::Kind::Warning);
    EXPECT_EQ(h.ui.notifier.messages[1].text.toStdString(), h.shell().text(314) + "...");
    EXPECT_TRUE(h.opened.empty());
    EXPECT_EQ(h.ui.main->mdi_area()->subWindowList().size(), 2); // the two solution views, no derived one
    EXPECT_FALSE(fs::exists(h.ui.dir / "no such folder"));
}

TEST(ExportCommand, NoSpreadsheetApplicationSaysWhereTheWorkbookIs) {
    ExportHarness h;
    h.applicationInstalled = false;
    const std::string code = test::enter_and_solve(h.ui.ws, "resources");
    ASSERT_NE(h.openSolution(code), nullptr);
    h.ui.main->action(QStringLiteral("mnuOutExpInExcel"))->trigger();
    ASSERT_EQ(h.ui.notifier.messages.size(), 2u);
    EXPECT_EQ(h.ui.notifier.messages[1].kind, Notifier::Kind::Information);
    EXPECT_TRUE(h.ui.notifier.messages[1].text.contains(
        QStringLiteral("zep_%1.xlsx").arg(QString::fromStdString(code))));
    EXPECT_TRUE(fs::exists(h.opened[0].toStdString()));
}

TEST(ExportCommand, ZepExportWritesTheSameWorkbooks) {
    ExportHarness h;
    const std::string code = test::enter_and_solve(h.ui.ws, "resources");
    const fs::path derived = h.ui.dir / "derived.xlsx";
    QString out;
    ASSERT_EQ(
        run(zep_program(),
            {QStringLiteral("export"), QString::fromStdString(code), q(derived), QStringLiteral("--derived"),
             QStringLiteral("--variant"), QStringLiteral("2"), QStringLiteral("--workspace"), q(h.ui.ws.root),
             QStringLiteral("--lang"), QStringLiteral("rus")},
            &out),
        0)
        << out.toStdString();
    const SolvedTaskFiles f = read_solved_task(h.ui.ws, code, h.shell());
    const TaskHeader& th = f.task.header;
    const auto marks = derived_marks(f.task, f.solution.variantChoice[1]);
    const ExportWorkbook expected =
        task_workbook(f.task,
                      task_view(f.task, h.shell(), h.sep(), derived_task_code(th.taskCode),
                                derived_task_name(th.taskCode, 2, th.taskName)),
                      h.shell(), h.sep(), &marks);
    const auto book = open_workbook(derived, h.sep());
    ASSERT_EQ(book->sheet_count(), static_cast<int>(expected.sheets.size()));
    for (int s = 0; s < book->sheet_count(); ++s)
        for (std::size_t r = 0; r < expected.sheets[s].cells.size(); ++r)
            for (std::size_t c = 0; c < expected.sheets[s].cells[r].size(); ++c)
                EXPECT_EQ(cell(*book, s, static_cast<int>(r), static_cast<int>(c)),
                          expected.sheets[s].cells[r][c]);
    // With unavailable resources every mark takes the one colour.
    const std::string styles = xlsx_member(derived, "xl/styles.xml");
    if (!styles.empty()) {
        EXPECT_NE(styles.find("FFC0FFC0"), std::string::npos);
    }
}

TEST(ExportCommand, ASpreadsheetApplicationOpensBothWorkbooks) {
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty())
        GTEST_SKIP() << "LibreOffice (soffice) is not installed";
    ExportHarness h;
    const std::string code = test::enter_and_solve(h.ui.ws, "decomposed");
    const SolvedTaskFiles f = read_solved_task(h.ui.ws, code, h.shell());
    const fs::path solution = h.ui.dir / "solution.xlsx";
    const fs::path task = h.ui.dir / "task.xlsx";
    write_workbook(solution, solution_workbook(solution_view(f.task, f.solution, 0, h.shell(), h.sep())));
    write_workbook(task, task_workbook(f.task, task_view(f.task, h.shell(), h.sep()), h.shell(), h.sep()));
    for (const fs::path& book : {solution, task}) {
        QString out;
        ASSERT_EQ(run(soffice,
                      {QStringLiteral("--headless"), QStringLiteral("--convert-to"), QStringLiteral("csv"),
                       QStringLiteral("--outdir"), q(h.ui.dir / "csv"), q(book)},
                      &out),
                  0)
            << out.toStdString();
        const fs::path csv = h.ui.dir / "csv" / (book.stem().string() + ".csv");
        ASSERT_TRUE(fs::exists(csv)) << out.toStdString();
        const std::vector<std::uint8_t> bytes = read_whole_file(csv);
        EXPECT_NE(std::string(bytes.begin(), bytes.end()).find(code), std::string::npos);
    }
}

} // namespace
