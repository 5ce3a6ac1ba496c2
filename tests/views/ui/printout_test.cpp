// The printouts of the two views, written as PDF files and read back as text (pdftotext): the
// headings, the rows, a page number on every page, the interval table first, the Gantt page after the
// solution table; the print command's preview, and `zep print` writing the same document.
#include "ten_chains.h"
#include "view_workspace.h"
#include "views/ui/frm_view_solution.h"
#include "views/ui/frm_view_task.h"
#include "views/ui/print_preview.h"
#include "views/ui/printout.h"

#include <QFontMetricsF>
#include <QMdiArea>
#include <QProcess>
#include <QStandardPaths>
#include <QTabBar>
#include <gtest/gtest.h>

using namespace zep;
namespace fs = std::filesystem;

namespace {

bool have_pdftotext() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

// The text of one page (from 1), or of the whole file (page 0).
QString pdf_text(const fs::path& pdf, int page = 0) {
    QStringList args = {QStringLiteral("-enc"), QStringLiteral("UTF-8")};
    if (page > 0)
        args << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l")
             << QString::number(page);
    args << QString::fromStdString(pdf.string()) << QStringLiteral("-");
    QProcess p;
    p.start(QStringLiteral("pdftotext"), args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

int pdf_pages(const fs::path& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {QString::fromStdString(pdf.string())});
    p.waitForFinished(30000);
    for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n')))
        if (line.startsWith(QStringLiteral("Pages:")))
            return line.mid(6).trimmed().toInt();
    return 0;
}

// The last non-empty line of a page: its number.
QString last_line(const QString& page) {
    QStringList lines = page.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    while (!lines.isEmpty() && lines.back().trimmed().isEmpty())
        lines.pop_back();
    return lines.isEmpty() ? QString() : lines.back().trimmed();
}

// Whitespace out: pdftotext puts the cells' pieces on lines of its own choosing.
QString squeezed(QString s) {
    s.remove(QRegularExpression(QStringLiteral("\\s")));
    return s;
}

struct PrintHarness {
    test::UiWorkspace ui;
    PrintHarness() {
        ui.main->register_window(WindowKind::ViewTask, [](TfrmMain& m) { return TfrmViewTask::open(m); });
        ui.main->register_window(WindowKind::ViewSolution,
                                 [](TfrmMain& m) { return TfrmViewSolution::open(m); });
    }
    const ShellTables& shell() { return ui.state().shell; }
    char sep() { return ui.state().decimalSeparator; }
};

class SolutionPrintouts : public ::testing::TestWithParam<const char*> {};

TEST_P(SolutionPrintouts, CarryTheHeadingTheListsTheRowsTheGanttAndTheTimeCostPages) {
    if (!have_pdftotext())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    PrintHarness h;
    const std::string code = test::enter_and_solve(h.ui.ws, GetParam());
    const SolvedTaskFiles f = read_solved_task(h.ui.ws, code, h.shell());
    const SolutionViewContent view = solution_view(f.task, f.solution, 1, h.shell(), h.sep());
    const TimeCostPicture chart =
        time_cost_picture(default_time_cost_sources(), f.task, f.solution, h.shell(), h.sep());
    const PrintDocument doc = solution_printout(f.task, view, 2, chart, h.shell(), h.sep());
    const fs::path pdf = h.ui.dir / "solution.pdf";
    const int pages = write_pdf(doc, QString::fromStdString(pdf.string()));
    ASSERT_GE(pages, 3);
    EXPECT_EQ(pdf_pages(pdf), pages);

    const QString all = squeezed(pdf_text(pdf));
    EXPECT_TRUE(all.contains(
        squeezed(QString::fromStdString(h.shell().text(393) + " \"" + f.task.header.taskName + "\""))));
    EXPECT_TRUE(
        all.contains(squeezed(QString::fromStdString(h.shell().text(107) + " 2 " + h.shell().text(339)))));
    for (const ListRow& r : view.taskRows)
        EXPECT_TRUE(all.contains(squeezed(QString::fromStdString(r.key)))) << r.key;
    for (const ListRow& r : view.variantRows)
        EXPECT_TRUE(all.contains(squeezed(QString::fromStdString(r.key + ": " + r.value)))) << r.key;
    for (const GridRow& row : view.grid) {
        if (row.kind != GridRowKind::Operation)
            continue;
        for (const std::string& cell : row.cells)
            EXPECT_TRUE(all.contains(squeezed(QString::fromStdString(cell)))) << cell;
    }
    // Every page carries its number; the next to last is the Gantt chart with the chains' names, the last
    // the time-cost chart under the same heading, with its axes' titles and its legend.
    for (int p = 1; p <= pages; ++p)
        EXPECT_EQ(last_line(pdf_text(pdf, p)), QString::number(p)) << "page " << p;
    const QString gantt = pdf_text(pdf, pages - 1);
    for (const ChainRec& ch : f.task.chains)
        EXPECT_TRUE(gantt.contains(QString::fromStdString(ch.name))) << ch.name;
    const QString timeCost = squeezed(pdf_text(pdf, pages));
    EXPECT_TRUE(timeCost.contains(squeezed(doc.ganttTitle)));
    EXPECT_TRUE(timeCost.contains(squeezed(chart.xTitle))) << chart.xTitle.toStdString();
    EXPECT_TRUE(timeCost.contains(squeezed(chart.yTitle))) << chart.yTitle.toStdString();
    EXPECT_TRUE(timeCost.contains(squeezed(chart.shownVariant)));
    for (const ChartSeries& s : chart.series)
        EXPECT_TRUE(timeCost.contains(squeezed(QString::fromStdString(s.name)))) << s.name;
}

INSTANTIATE_TEST_SUITE_P(Fixtures, SolutionPrintouts, ::testing::Values("plain", "decomposed", "resources"));

TEST(TaskPrintout, WithResourcesTheIntervalTableComesFirst) {
    if (!have_pdftotext())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    PrintHarness h;
    const std::string code = test::enter_and_solve(h.ui.ws, "resources");
    const TaskRecord rec = read_task_for_view(h.ui.ws, code, h.shell());
    const TaskViewContent view = task_view(rec, h.shell(), h.sep());
    const fs::path pdf = h.ui.dir / "task.pdf";
    ASSERT_EQ(write_pdf(task_printout(rec, view, h.shell()), QString::fromStdString(pdf.string())), 1);
    const QString text = squeezed(pdf_text(pdf));
    EXPECT_TRUE(
        text.startsWith(squeezed(QString::fromStdString(h.shell().text(66) + " \"" + rec.header.taskName))));
    const auto intervals = text.indexOf(squeezed(QString::fromStdString(view.intervalLabels[1])));
    const auto operations = text.indexOf(squeezed(QString::fromStdString(view.columnLabels[3])));
    ASSERT_GE(intervals, 0);
    ASSERT_GE(operations, 0);
    EXPECT_LT(intervals, operations);
    for (const GridRow& row : view.operations) {
        if (row.kind != GridRowKind::Operation)
            continue;
        for (const std::string& cell : row.cells)
            EXPECT_TRUE(text.contains(squeezed(QString::fromStdString(cell)))) << cell;
    }
    EXPECT_EQ(last_line(pdf_text(pdf, 1)), QStringLiteral("1"));
}

TEST(TaskPrintout, LongerThanAPageNumbersEveryPageAndRepeatsNoHeadings) {
    if (!have_pdftotext())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    PrintHarness h;
    const fs::path script = h.ui.dir / "ten.task.json";
    const std::string ten = test::ten_chains_script();
    write_file_atomically(script, std::span(reinterpret_cast<const std::uint8_t*>(ten.data()), ten.size()));
    const std::string code = test::enter_task(h.ui.ws, script);
    const TaskRecord rec = read_task_for_view(h.ui.ws, code, h.shell());
    const TaskViewContent view = task_view(rec, h.shell(), h.sep());
    const fs::path pdf = h.ui.dir / "ten.pdf";
    const int pages = write_pdf(task_printout(rec, view, h.shell()), QString::fromStdString(pdf.string()));
    ASSERT_GE(pages, 2);
    const QString heading = squeezed(QString::fromStdString(view.columnLabels[5]));
    for (int p = 1; p <= pages; ++p) {
        const QString page = pdf_text(pdf, p);
        EXPECT_EQ(last_line(page), QString::number(p)) << "page " << p;
        EXPECT_EQ(squeezed(page).contains(heading), p == 1) << "page " << p;
    }
    // The last chain's last variant is on the last page.
    EXPECT_TRUE(squeezed(pdf_text(pdf, pages))
                    .contains(squeezed(QString::fromStdString(rec.chains.back().operations.back().name))));
}

TEST(Printout, CellsBreakIntoLinesThatFitTheirColumn) {
    const QFont font(QStringLiteral("DejaVu Sans"), 10);
    const QFontMetricsF fm(font);
    const QString name =
        QStringLiteral("Очень длинное наименование операции, которое не помещается в столбце");
    const QStringList lines = break_into_lines(name, 80, fm);
    ASSERT_GT(lines.size(), 3);
    EXPECT_EQ(lines.join(QString()), name);
    for (const QString& l : lines)
        EXPECT_LE(fm.horizontalAdvance(l), 80);
    EXPECT_EQ(break_into_lines(QString(), 80, fm), QStringList{QString()});
    EXPECT_EQ(break_into_lines(QString(150, QLatin1Char('x')), 1e9, fm).front().size(), 100);
}

TEST(PrintCommand, OpensThePreviewOfTheActiveViewsPrintout) {
    PrintHarness h;
    const std::string code = test::enter_and_solve(h.ui.ws, "plain");
    h.ui.state().currentTaskCode = code;
    auto* view = dynamic_cast<TfrmViewSolution*>(h.ui.main->open_window(WindowKind::ViewSolution));
    ASSERT_NE(view, nullptr);
    h.ui.main->action(QStringLiteral("mnuOutPrint"))->trigger();
    auto* preview = view->findChild<PrintPreview*>();
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->document().title.toStdString(),
              h.shell().text(393) + " \"" + view->files().task.header.taskName + "\"");
    EXPECT_FALSE(preview->document().tables.front().rows.empty());
    preview->close();
    QApplication::processEvents();

    // A task view prints the task itself, the derived-task flag cleared.
    h.ui.state().derivedTask = 0;
    auto* task = dynamic_cast<TfrmViewTask*>(h.ui.main->open_window(WindowKind::ViewTask));
    ASSERT_NE(task, nullptr);
    h.ui.state().derivedTask = 1;
    h.ui.main->action(QStringLiteral("mnuOutPrint"))->trigger();
    EXPECT_EQ(h.ui.state().derivedTask, 0);
    auto* taskPreview = task->findChild<PrintPreview*>();
    ASSERT_NE(taskPreview, nullptr);
    EXPECT_EQ(taskPreview->document().lines.front().value, code);
    taskPreview->close();
}

TEST(PrintCommand, ZepPrintWritesWhatTheWindowPrints) {
    if (!have_pdftotext())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    PrintHarness h;
    const std::string code = test::enter_and_solve(h.ui.ws, "decomposed");
    // What Output -> Print of the solution view prints, the second variant shown.
    h.ui.state().currentTaskCode = code;
    auto* view = dynamic_cast<TfrmViewSolution*>(h.ui.main->open_window(WindowKind::ViewSolution));
    ASSERT_NE(view, nullptr);
    view->tab_control()->setCurrentIndex(1);
    h.ui.main->action(QStringLiteral("mnuOutPrint"))->trigger();
    auto* preview = view->findChild<PrintPreview*>();
    ASSERT_NE(preview, nullptr);
    const fs::path window = h.ui.dir / "window.pdf";
    const int pages = write_pdf(preview->document(), QString::fromStdString(window.string()));
    preview->close();
    ASSERT_GE(pages, 3);
    EXPECT_TRUE(squeezed(pdf_text(window, pages)).contains(squeezed(view->time_cost()->picture().xTitle)));
    const fs::path cli = h.ui.dir / "cli.pdf";
    QProcess zep;
    zep.start(QString::fromStdString((test::kShipped / "zep").string()),
              {QStringLiteral("print"), QString::fromStdString(code), QString::fromStdString(cli.string()),
               QStringLiteral("--variant"), QStringLiteral("2"), QStringLiteral("--workspace"),
               QString::fromStdString(h.ui.ws.root.string()), QStringLiteral("--lang"),
               QStringLiteral("rus")});
    ASSERT_TRUE(zep.waitForFinished(60000));
    ASSERT_EQ(zep.exitCode(), 0) << zep.readAllStandardError().toStdString();
    EXPECT_EQ(pdf_text(cli), pdf_text(window));

    zep.start(QString::fromStdString((test::kShipped / "zep").string()),
              {QStringLiteral("print"), QString::fromStdString(code), QString::fromStdString(cli.string()),
               QStringLiteral("--variant"), QStringLiteral("9"), QStringLiteral("--workspace"),
               QString::fromStdString(h.ui.ws.root.string())});
    ASSERT_TRUE(zep.waitForFinished(60000));
    EXPECT_EQ(zep.exitCode(), 2);
}

} // namespace
