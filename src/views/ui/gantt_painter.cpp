#include "views/ui/gantt_painter.h"

#include "common/task_texts.h"
#include "views/ui/chart_texts.h"

#include <QPainter>
#include <cmath>

namespace zep {
namespace {

const QColor kBar(70, 120, 190);
const QColor kCriticalBar(200, 60, 50);
const QColor kSlack(150, 200, 150);
const QColor kUnavailable(200, 200, 200);
const QColor kHeading(236, 240, 246);

// A step of the time axis of at least `minPixels`.
double tick_step(double scale, double minPixels) {
    return scale > 0 ? axis_step(minPixels / scale) : 1;
}

} // namespace

GanttTexts gantt_texts(const ShellTables& t, const TaskRecord& rec, char separator) {
    const bool resources = rec.header.has_unavailable_resources();
    auto qs = [](const std::string& s) { return QString::fromStdString(s); };
    GanttTexts g;
    g.timeAxis = qs(task_text(t, TaskText::ExecutionTime) + " (" + rec.header.timeUnit + ")");
    g.slack = chart_text(t, ViewText::Slack);
    g.critical = chart_text(t, ViewText::Critical);
    g.unavailable = chart_text(t, ViewText::Unavailable);
    g.chain = chart_text(t, ViewText::Chain);
    g.operation = chart_text(t, ViewText::Operation);
    g.variant = qs(t.text(resources ? 281 : 282));
    g.start = chart_text(t, ViewText::Start);
    g.finish = chart_text(t, ViewText::Finish);
    g.duration = qs(t.text(resources ? 462 : 64));
    g.cost = qs(task_text(t, TaskText::ExecutionCost));
    g.separator = separator;
    return g;
}

GanttPainter::GanttPainter(const GanttChart& chart, GanttTexts texts)
    : chart_(chart), texts_(std::move(texts)) {
    int chain = 0;
    for (const GanttBar& b : chart_.bars) {
        if (b.chain != chain) {
            chain = b.chain;
            if (static_cast<int>(headingRow_.size()) <= chain)
                headingRow_.resize(chain + 1, -1);
            headingRow_[chain] = rows_++;
        }
        rowOf_.push_back(rows_++);
    }
}

double GanttPainter::height() const {
    return kAxisHeight + rows_ * kRowHeight + kLegendHeight;
}

double GanttPainter::fit_scale(double width) const {
    const double room = width - kNameColumn - kRightMargin;
    return chart_.span > 0 && room > 10 ? room / chart_.span : 1;
}

QRectF GanttPainter::bar_rect(int bar, double scale) const {
    const GanttBar& b = chart_.bars[bar];
    return QRectF(x_of(b.start, scale), row_top(bar) + 4, b.duration * scale, kRowHeight - 8);
}

QRectF GanttPainter::slack_rect(int bar, double scale) const {
    const GanttBar& b = chart_.bars[bar];
    return QRectF(x_of(b.finish(), scale), row_top(bar) + 8, b.slack * scale, kRowHeight - 16);
}

int GanttPainter::bar_at(QPointF point, double scale) const {
    for (int i = 0; i < static_cast<int>(chart_.bars.size()); ++i)
        if (point.y() >= row_top(i) && point.y() < row_top(i) + kRowHeight)
            return i;
    return -1;
}

QString GanttPainter::tooltip(int bar) const {
    const GanttBar& b = chart_.bars[bar];
    const char sep = texts_.separator;
    QString t = QStringLiteral("%1 %2: %3\n%4 %5: %6")
                    .arg(texts_.chain)
                    .arg(b.chain)
                    .arg(QString::fromStdString(b.chainName))
                    .arg(texts_.operation)
                    .arg(b.op)
                    .arg(QString::fromStdString(b.opName));
    t += QStringLiteral("\n%1: %2").arg(texts_.variant).arg(b.variant);
    if (!b.essence.empty())
        t += QStringLiteral(" (%1)").arg(QString::fromStdString(b.essence));
    t += QStringLiteral("\n%1: %2").arg(texts_.start, chart_number(b.start, sep));
    t += QStringLiteral("\n%1: %2").arg(texts_.duration, chart_number(b.duration, sep));
    t += QStringLiteral("\n%1: %2").arg(texts_.finish, chart_number(b.finish(), sep));
    t += QStringLiteral("\n%1: %2").arg(texts_.slack, chart_number(b.slack, sep));
    t += QStringLiteral("\n%1: %2").arg(texts_.cost, chart_number(b.cost, sep));
    return t;
}

void GanttPainter::paint_axis(QPainter& p, double scale, const QRectF& visible) const {
    const double bottom = kAxisHeight + rows_ * kRowHeight;
    const QFontMetricsF fm(p.font());
    const double step = tick_step(scale, fm.horizontalAdvance(QStringLiteral("00000,0")) + 16);
    p.setPen(QColor(120, 120, 120));
    p.drawLine(QPointF(kNameColumn, kAxisHeight - 1), QPointF(x_of(chart_.span, scale), kAxisHeight - 1));
    for (int i = 0;; ++i) {
        const double t = i * step;
        if (t > chart_.span + step * 1e-9)
            break;
        const double x = x_of(t, scale);
        if (x > visible.right() + 100)
            break;
        p.setPen(QColor(225, 225, 225));
        p.drawLine(QPointF(x, kAxisHeight), QPointF(x, bottom));
        p.setPen(QColor(60, 60, 60));
        p.drawLine(QPointF(x, kAxisHeight - 6), QPointF(x, kAxisHeight - 1));
        const QString label = chart_number(t, texts_.separator);
        const double w = fm.horizontalAdvance(label);
        p.drawText(QPointF(x - w / 2, kAxisHeight - 9), label);
    }
    p.setPen(Qt::black);
    p.drawText(QRectF(4, 2, kNameColumn - 8, kAxisHeight - 4), Qt::AlignLeft | Qt::AlignVCenter,
               texts_.timeAxis);
}

void GanttPainter::paint_legend(QPainter& p, double top) const {
    const QFontMetricsF fm(p.font());
    double x = kNameColumn;
    const double y = top + 8;
    enum class Fill { Solid, Hatched };
    auto item = [&](const QColor& colour, const QString& text, Fill fill) {
        p.fillRect(QRectF(x, y, 24, 12),
                   fill == Fill::Hatched ? QBrush(colour, Qt::BDiagPattern) : QBrush(colour));
        p.setPen(QColor(90, 90, 90));
        p.drawRect(QRectF(x, y, 24, 12));
        p.setPen(Qt::black);
        p.drawText(QPointF(x + 30, y + 11), text);
        x += 30 + fm.horizontalAdvance(text) + 24;
    };
    item(kBar, texts_.operation, Fill::Solid);
    item(kCriticalBar, texts_.critical, Fill::Solid);
    item(kSlack, texts_.slack, Fill::Solid);
    bool anyUnavailable = false;
    for (const GanttBar& b : chart_.bars)
        anyUnavailable = anyUnavailable || !b.unavailable.empty();
    if (anyUnavailable)
        item(QColor(120, 120, 120), texts_.unavailable, Fill::Hatched);
}

void GanttPainter::paint(QPainter& p, double scale, const QRectF& visible) const {
    const double right = x_of(chart_.span, scale);
    const QFontMetricsF fm(p.font());
    // Chain headings.
    for (std::size_t chain = 1; chain < headingRow_.size(); ++chain) {
        if (headingRow_[chain] < 0)
            continue;
        const double top = kAxisHeight + headingRow_[chain] * kRowHeight;
        p.fillRect(QRectF(0, top, right, kRowHeight), kHeading);
    }
    paint_axis(p, scale, visible);
    for (int i = 0; i < static_cast<int>(chart_.bars.size()); ++i) {
        const GanttBar& b = chart_.bars[i];
        const double top = row_top(i);
        if (top > visible.bottom() || top + kRowHeight < visible.top())
            continue;
        if (b.slack > 0)
            p.fillRect(slack_rect(i, scale), kSlack);
        const QRectF bar = bar_rect(i, scale);
        p.fillRect(bar, b.critical ? kCriticalBar : kBar);
        p.setPen(QColor(40, 40, 40));
        p.drawRect(bar);
        // Over the bar too: a bar that runs through such a period was suspended or waited in it.
        for (const GanttPeriod& u : b.unavailable) {
            const double to = std::isinf(u.to) ? right : x_of(u.to, scale);
            p.fillRect(QRectF(x_of(u.from, scale), top + 1, to - x_of(u.from, scale), kRowHeight - 2),
                       QBrush(QColor(60, 60, 60), Qt::BDiagPattern));
        }
        // The operation's name: inside the bar when it fits, else after its slack.
        const QString name = QString::fromStdString(b.opName);
        const double w = fm.horizontalAdvance(name);
        if (w + 6 < bar.width()) {
            p.setPen(Qt::white);
            p.drawText(bar.adjusted(3, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, name);
        }
        p.setPen(Qt::black);
        const QString title = QStringLiteral("%1.%2  %3").arg(b.chain).arg(b.op).arg(name);
        p.drawText(QRectF(14, top, kNameColumn - 18, kRowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                   fm.elidedText(title, Qt::ElideRight, kNameColumn - 18));
    }
    QFont bold = p.font();
    bold.setBold(true);
    const QFont regular = p.font();
    p.setFont(bold);
    for (const GanttBar& b : chart_.bars)
        if (static_cast<int>(headingRow_.size()) > b.chain && headingRow_[b.chain] >= 0 && b.op == 1) {
            const double top = kAxisHeight + headingRow_[b.chain] * kRowHeight;
            const QString title = QStringLiteral("%1 %2  %3")
                                      .arg(texts_.chain)
                                      .arg(b.chain)
                                      .arg(QString::fromStdString(b.chainName));
            p.drawText(QRectF(4, top, std::max(kNameColumn, right) - 8, kRowHeight),
                       Qt::AlignLeft | Qt::AlignVCenter, title);
        }
    p.setFont(regular);
    p.setPen(QColor(160, 160, 160));
    p.drawLine(QPointF(kNameColumn, kAxisHeight), QPointF(kNameColumn, kAxisHeight + rows_ * kRowHeight));
    paint_legend(p, kAxisHeight + rows_ * kRowHeight);
}

} // namespace zep
