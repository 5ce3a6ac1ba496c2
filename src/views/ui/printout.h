#pragma once
// The printouts of the two views, drawn in printer units on any paged device (a printer, its preview,
// a PDF file): a bold heading, the key/value lines of the parameter lists, then the tables with their
// headings, cells broken into lines to fit their columns, rules between chains and operations,
// separator runs, page breaks with page numbers; the solution printout ends with the Gantt chart of the
// shown variant and the time-cost chart, each on a page of its own.
#include "task/task_record.h"
#include "views/gantt_model.h"
#include "views/solution_view.h"
#include "views/task_view.h"
#include "views/ui/gantt_painter.h"
#include "views/ui/time_cost_chart_view.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class QFontMetricsF;
class QPagedPaintDevice;

namespace zep {

// Where the rule after a row starts: at the table's left when the next row starts a new chain (its
// chain-name cell holds a name), at column `newOperation` when it starts a new operation (its
// operation-name cell is not empty), at column `otherwise` else.
struct RuleColumns {
    int chainName = 1;
    int operationName = -1; // -1: no such column (the next row starts a new group by its first cell)
    int newOperation = 5;
    int otherwise = 7;
};

struct PrintTable {
    std::vector<double> fractions; // of the printable width
    std::vector<QString> headings;
    std::vector<GridRow> rows;
    std::vector<int> separatorRuns; // "-" runs that stand for a separator row, column by column
    RuleColumns rules;
};

struct PrintDocument {
    QString title;    // bold, centred
    QString subtitle; // bold, centred, on the next line; may be empty
    std::vector<ListRow> lines;
    std::vector<ListRow> moreLines; // one line further down
    std::vector<PrintTable> tables;
    std::optional<GanttChart> gantt;
    GanttTexts ganttTexts;
    QString ganttTitle; // the heading of both chart pages
    std::optional<TimeCostPicture> timeCost;
    // Texts that mark a chain-name cell as a nested chain's position, not a name.
    QString subgraphWord; // text 276
    QString positionWord; // text 175
};

// A cell's text broken into lines no wider than `width` in the font: characters are added one by one
// and when the line gets wider, the characters before the current one form a line (at most 100).
QStringList break_into_lines(const QString& text, double width, const QFontMetricsF& metrics);

// `variant` is the shown variant from 1; `timeCost` the time-cost chart as the view draws it (its
// variant is ringed on the page).
PrintDocument solution_printout(const TaskRecord& rec, const SolutionViewContent& view, int variant,
                                TimeCostPicture timeCost, const ShellTables& shell, char separator);
PrintDocument task_printout(const TaskRecord& rec, const TaskViewContent& view, const ShellTables& shell);

// The resolution the printouts are laid out for (dots per inch): the page geometry's units are dots of
// a printer of this resolution.
inline constexpr int kPrintResolution = 600;

// A4, portrait, margins of 10 mm: the page of both printouts, on the printer and in a PDF file.
void prepare_page(QPagedPaintDevice& device);

// Draws the document on the device, page after page; returns the number of pages (0: the device could
// not be opened).
int print_document(QPagedPaintDevice& device, const PrintDocument& doc);

// Writes the document as a PDF file; returns the number of pages, 0 when the file cannot be written.
int write_pdf(const PrintDocument& doc, const QString& path);

} // namespace zep
