#include "views/ui/printout.h"

#include "shell/ui/qt_text.h"
#include "views/view_text.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <cmath>
#include <numeric>

namespace zep {
namespace {

// Page geometry, in printer units.
constexpr double kLeft = 65;      // left edge of the first column and of the key/value lines
constexpr double kRuleLeft = 60;  // horizontal rules start here
constexpr double kMargin = 130;   // the printable width is the page width less this
constexpr double kFirstLine = 60; // y of the first line
constexpr double kContinued = 65; // y of the top of a continued page
constexpr double kBottom = 65;    // a page breaks when less than four lines remain above this
constexpr double kCellInset = 5;  // text of a column may use its width less this
constexpr std::size_t kMaxLine = 100;

constexpr double kSolutionColumns[] = {0.05, 0.14, 0.07, 0.08, 0.04, 0.04,
                                       0.14, 0.07, 0.14, 0.07, 0.08, 0.08};
constexpr int kSolutionRuns[] = {10, 28, 14, 16, 8, 8, 28, 14, 28, 14, 16, 16};

constexpr double kTaskMarked[] = {0.05, 0.22, 0.05, 0.22, 0.05, 0.22, 0.07, 0.07, 0.05};
constexpr double kTaskUnmarked[] = {0.05, 0.24, 0.05, 0.23, 0.05, 0.24, 0.07, 0.07};
constexpr double kResourcesMarked[] = {0.05, 0.18, 0.05, 0.17, 0.05, 0.17, 0.05, 0.07, 0.07, 0.09, 0.05};
constexpr double kResourcesUnmarked[] = {0.05, 0.19, 0.05, 0.19, 0.05, 0.19, 0.05, 0.07, 0.07, 0.09};
constexpr double kIntervals[] = {0.08, 0.15, 0.15, 0.15};
constexpr int kTaskMarkedRuns[] = {10, 45, 10, 45, 10, 45, 14, 14, 10};
constexpr int kTaskUnmarkedRuns[] = {10, 49, 10, 47, 10, 49, 14, 14};
constexpr int kResourcesMarkedRuns[] = {10, 37, 10, 35, 10, 35, 10, 14, 14, 18, 10};
constexpr int kResourcesUnmarkedRuns[] = {10, 39, 10, 39, 10, 39, 10, 14, 14, 18};

template <typename T, std::size_t N> std::vector<T> vec(const T (&a)[N]) {
    return std::vector<T>(a, a + N);
}

std::vector<QString> qstrings(const std::vector<std::string>& v) {
    std::vector<QString> out;
    for (const std::string& s : v)
        out.push_back(qs(s));
    return out;
}

class PagePrinter {
public:
    PagePrinter(QPagedPaintDevice& device, const PrintDocument& doc)
        : device_(device), doc_(doc), p_(&device) {
        QFont font(QStringLiteral("DejaVu Sans"), 7);
        p_.setFont(font);
        updateGeometry();
    }

    int print() {
        if (!p_.isActive())
            return 0;
        y_ = kFirstLine;
        heading(doc_.title);
        if (!doc_.subtitle.isEmpty())
            heading(doc_.subtitle);
        for (const ListRow& r : doc_.lines)
            keyValue(r);
        if (!doc_.moreLines.empty()) {
            y_ += step_;
            for (const ListRow& r : doc_.moreLines)
                keyValue(r);
        }
        for (const PrintTable& t : doc_.tables) {
            y_ += step_;
            table(t);
        }
        pageNumber();
        if (doc_.gantt && !doc_.gantt->bars.empty())
            ganttPage();
        if (doc_.timeCost && has_points(*doc_.timeCost))
            timeCostPage();
        p_.end();
        return page_;
    }

private:
    void updateGeometry() {
        pageWidth_ = device_.width();
        pageHeight_ = device_.height();
        width_ = pageWidth_ - kMargin;
        step_ = QFontMetricsF(p_.font(), &device_).height();
    }

    bool pageFull() const { return pageHeight_ - kBottom < y_ + 4 * step_; }

    void newPage() {
        pageNumber();
        device_.newPage();
        ++page_;
        y_ = kContinued;
    }

    void pageNumber() {
        const QString n = QString::number(page_);
        const QFontMetricsF fm(p_.font(), &device_);
        text(pageWidth_ - fm.horizontalAdvance(n) - kLeft, pageHeight_ - step_ - kBottom, n);
    }

    // Text with its top at y, as a printer's text output places it.
    void text(double x, double y, const QString& s) {
        const QFontMetricsF fm(p_.font(), &device_);
        p_.drawText(QPointF(x, y + fm.ascent()), s);
    }

    void heading(const QString& s) {
        QFont bold = p_.font();
        bold.setBold(true);
        const QFont regular = p_.font();
        p_.setFont(bold);
        const QFontMetricsF fm(bold, &device_);
        text((pageWidth_ - fm.horizontalAdvance(s)) / 2, y_, s);
        p_.setFont(regular);
        y_ += step_;
    }

    void keyValue(const ListRow& r) {
        if (pageFull())
            newPage();
        // A key without a value heads the lines under it (it carries its own colon).
        const QString key = alignedKey(r);
        const QString line = r.value.empty() ? key : key + QStringLiteral(": ") + qs(r.value);
        const QFontMetricsF fm(p_.font(), &device_);
        // The list's separator row (runs of "-") stops at the page's edge; a long text goes on below.
        if (r.rule) {
            QString cut = line;
            while (!cut.isEmpty() && fm.horizontalAdvance(cut) > width_)
                cut.chop(1);
            text(kLeft, y_, cut);
            y_ += step_;
            return;
        }
        for (const QString& piece : break_into_lines(line, width_, fm)) {
            if (pageFull())
                newPage();
            text(kLeft, y_, piece);
            y_ += step_;
        }
    }

    // A continuation key stands under the first key's end, as the view shows it.
    QString alignedKey(const ListRow& r) const {
        QString key = qs(r.key);
        if (!r.alignedUnderFirstKey)
            return key;
        const std::vector<ListRow>& rows = doc_.lines;
        const QFontMetricsF fm(p_.font(), &device_);
        const double target = rows.empty() ? 0 : fm.horizontalAdvance(qs(rows.front().key)) - 10;
        while (fm.horizontalAdvance(key) < target)
            key.prepend(QLatin1Char(' '));
        return key;
    }

    std::vector<double> columnLefts(const PrintTable& t) const {
        std::vector<double> lefts;
        double x = kLeft;
        for (double f : t.fractions) {
            lefts.push_back(x);
            x += f * width_;
        }
        lefts.push_back(x); // the right end
        return lefts;
    }

    void verticalRules(const std::vector<double>& lefts, double top) {
        for (double x : lefts)
            p_.drawLine(QPointF(x - kCellInset, top), QPointF(x - kCellInset, y_));
    }

    void horizontalRule(double from, const std::vector<double>& lefts) {
        p_.drawLine(QPointF(from, y_), QPointF(lefts.back() - kCellInset, y_));
    }

    // Prints the cells of a row (or the headings) broken into lines; returns the row's line count.
    int cells(const std::vector<QString>& texts, const std::vector<double>& lefts) {
        const QFontMetricsF fm(p_.font(), &device_);
        int lines = 1;
        for (std::size_t c = 0; c + 1 < lefts.size() && c < texts.size(); ++c) {
            const QStringList broken = break_into_lines(texts[c], lefts[c + 1] - lefts[c] - kCellInset, fm);
            for (int k = 0; k < broken.size(); ++k)
                text(lefts[c], y_ + (k + 1) * step_ + 5, broken[k]);
            lines = std::max(lines, static_cast<int>(broken.size()));
        }
        return lines;
    }

    std::vector<QString> rowTexts(const PrintTable& t, const GridRow& row) const {
        std::vector<QString> texts;
        for (std::size_t c = 0; c < t.fractions.size(); ++c) {
            if (row.kind == GridRowKind::Separator)
                texts.push_back(
                    QString(c < t.separatorRuns.size() ? t.separatorRuns[c] : 0, QLatin1Char('-')));
            else
                texts.push_back(c < row.cells.size() ? qs(row.cells[c]) : QString());
        }
        return texts;
    }

    bool isPosition(const QString& cell) const {
        return cell.contains(QLatin1Char('[')) && cell.contains(QLatin1Char(':')) &&
               ((!doc_.subgraphWord.isEmpty() && cell.contains(doc_.subgraphWord)) ||
                (!doc_.positionWord.isEmpty() && cell.contains(doc_.positionWord)));
    }

    double ruleStart(const PrintTable& t, std::size_t next, const std::vector<double>& lefts) const {
        if (next >= t.rows.size())
            return kRuleLeft;
        const GridRow& row = t.rows[next];
        auto cell = [&](int c) {
            return row.kind == GridRowKind::Separator || c < 0 || c >= static_cast<int>(row.cells.size())
                       ? QString()
                       : qs(row.cells[c]);
        };
        if (row.kind == GridRowKind::Separator)
            return kRuleLeft;
        if (t.rules.operationName < 0) // a table of groups by their first cell (the intervals)
            return cell(0).startsWith(QLatin1Char(' ')) ? lefts[t.rules.otherwise] - kCellInset : kRuleLeft;
        const QString name = cell(t.rules.chainName);
        if (!name.isEmpty() && !isPosition(name))
            return kRuleLeft;
        if (!cell(t.rules.operationName).isEmpty())
            return lefts[t.rules.newOperation] - kCellInset;
        return lefts[t.rules.otherwise] - kCellInset;
    }

    void table(const PrintTable& t) {
        const std::vector<double> lefts = columnLefts(t);
        if (pageFull())
            newPage();
        double top = y_;
        horizontalRule(kRuleLeft, lefts);
        y_ += (cells(t.headings, lefts) + 2) * step_;
        horizontalRule(kRuleLeft, lefts);
        for (std::size_t r = 0; r < t.rows.size(); ++r) {
            if (pageFull()) {
                verticalRules(lefts, top);
                newPage();
                top = y_;
                horizontalRule(kRuleLeft, lefts);
            }
            y_ += (cells(rowTexts(t, t.rows[r]), lefts) + 2) * step_;
            horizontalRule(ruleStart(t, r + 1, lefts), lefts);
        }
        verticalRules(lefts, top);
    }

    static constexpr double kChartWidth = 1400; // the charts are drawn at this width, then scaled

    void ganttPage() {
        GanttPainter chart(*doc_.gantt, doc_.ganttTexts);
        const double scale = chart.fit_scale(kChartWidth);
        chartPage(chart.height(), [&](QPainter& p, const QRectF& area) { chart.paint(p, scale, area); });
    }

    // The time-cost chart in the proportions of the view's page, the shown variant ringed.
    void timeCostPage() {
        chartPage(kChartWidth * 0.6,
                  [&](QPainter& p, const QRectF& area) { paint_time_cost(p, *doc_.timeCost, area); });
    }

    // A page of its own under the charts' heading: landscape unless the chart is taller than wide, the
    // chart drawn at kChartWidth × `height` in its own font and scaled to the room left.
    template <typename Paint> void chartPage(double height, Paint paint) {
        const bool landscape = height < kChartWidth;
        device_.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
        device_.newPage();
        ++page_;
        updateGeometry();
        y_ = kFirstLine;
        heading(doc_.ganttTitle);
        y_ += step_;
        const double roomWidth = pageWidth_ - 2 * kLeft;
        const double roomHeight = pageHeight_ - y_ - 2 * step_ - kBottom;
        const double factor = std::min(roomWidth / kChartWidth, roomHeight / height);
        p_.save();
        p_.translate(kLeft, y_);
        p_.scale(factor, factor);
        QFont font = p_.font();
        font.setPixelSize(12);
        p_.setFont(font);
        paint(p_, QRectF(0, 0, kChartWidth, height));
        p_.restore();
        pageNumber();
    }

    QPagedPaintDevice& device_;
    const PrintDocument& doc_;
    QPainter p_;
    double pageWidth_ = 0, pageHeight_ = 0, width_ = 0, step_ = 0, y_ = 0;
    int page_ = 1;
};

} // namespace

QStringList break_into_lines(const QString& text, double width, const QFontMetricsF& fm) {
    QStringList lines;
    QString line;
    for (QChar c : text) {
        const QString longer = line + c;
        if (!line.isEmpty() && fm.horizontalAdvance(longer) > width) {
            lines << line.left(kMaxLine);
            line = c;
        } else {
            line = longer;
        }
    }
    if (!line.isEmpty() || lines.isEmpty())
        lines << line.left(kMaxLine);
    return lines;
}

PrintDocument solution_printout(const TaskRecord& rec, const SolutionViewContent& view, int variant,
                                TimeCostPicture timeCost, const ShellTables& t, char separator) {
    PrintDocument doc;
    doc.title = qs(view_text(t, ViewText::SolutionOfTask) + " \"" + rec.header.taskName + "\"");
    doc.subtitle = qs(task_text(t, TaskText::ForVariant) + " " + std::to_string(variant) + " " +
                      view_text(t, ViewText::OfTaskComputation));
    doc.lines = view.taskRows;
    doc.moreLines = view.variantRows;
    PrintTable grid;
    grid.fractions = vec(kSolutionColumns);
    grid.headings = qstrings(view.columnLabels);
    grid.rows = view.grid;
    grid.separatorRuns = vec(kSolutionRuns);
    grid.rules = {1, 6, 5, 7};
    doc.tables.push_back(std::move(grid));
    if (view.schedule)
        doc.gantt = gantt_chart(rec, *view.schedule);
    doc.ganttTexts = gantt_texts(t, rec, separator);
    doc.ganttTitle = doc.title + QStringLiteral(", ") + doc.subtitle;
    timeCost.shown = variant;
    doc.timeCost = std::move(timeCost);
    doc.subgraphWord = qs(view_text(t, ViewText::Subgraph));
    doc.positionWord = qs(view_text(t, ViewText::FromTo));
    return doc;
}

PrintDocument task_printout(const TaskRecord& rec, const TaskViewContent& view, const ShellTables& t) {
    PrintDocument doc;
    doc.title = qs(view_text(t, ViewText::InputDataOfTask) + " \"" + rec.header.taskName + "\"");
    doc.lines = view.taskRows;
    const bool resources = rec.header.has_unavailable_resources();
    const bool marked = rec.marksPresent == 1;
    if (resources) {
        PrintTable intervals;
        intervals.fractions = vec(kIntervals);
        intervals.headings = qstrings(view.intervalLabels);
        intervals.rows = view.intervals;
        intervals.rules = {-1, -1, 1, 1};
        doc.tables.push_back(std::move(intervals));
    }
    PrintTable ops;
    ops.fractions = resources ? (marked ? vec(kResourcesMarked) : vec(kResourcesUnmarked))
                              : (marked ? vec(kTaskMarked) : vec(kTaskUnmarked));
    ops.separatorRuns = resources ? (marked ? vec(kResourcesMarkedRuns) : vec(kResourcesUnmarkedRuns))
                                  : (marked ? vec(kTaskMarkedRuns) : vec(kTaskUnmarkedRuns));
    ops.headings = qstrings(view.columnLabels);
    ops.headings.resize(ops.fractions.size()); // without marks the mark column is left out
    ops.rows = view.operations;
    ops.rules = {1, 3, 2, 4};
    doc.tables.push_back(std::move(ops));
    doc.subgraphWord = qs(view_text(t, ViewText::Subgraph));
    doc.positionWord = qs(view_text(t, ViewText::FromTo));
    return doc;
}

int print_document(QPagedPaintDevice& device, const PrintDocument& doc) {
    return PagePrinter(device, doc).print();
}

void prepare_page(QPagedPaintDevice& device) {
    device.setPageSize(QPageSize(QPageSize::A4));
    device.setPageOrientation(QPageLayout::Portrait);
    device.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
}

int write_pdf(const PrintDocument& doc, const QString& path) {
    QPdfWriter pdf(path);
    pdf.setResolution(kPrintResolution);
    pdf.setCreator(QStringLiteral("Lite_KORT_ZEP"));
    prepare_page(pdf);
    return print_document(pdf, doc);
}

} // namespace zep
