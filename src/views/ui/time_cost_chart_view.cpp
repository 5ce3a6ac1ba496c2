#include "views/ui/time_cost_chart_view.h"

#include "views/ui/chart_texts.h"

#include <QHelpEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>
#include <cmath>

namespace zep {
namespace {

const QColor kSeriesColours[] = {QColor(40, 90, 170), QColor(200, 120, 30), QColor(40, 150, 80),
                                 QColor(150, 60, 160)};

struct Range {
    double lo = 0;
    double hi = 1;
};

// A range padded by a twentieth of its length (a single value gets a unit either side).
Range padded(double lo, double hi) {
    if (hi - lo < 1e-12) {
        const double pad = std::max(1.0, std::fabs(lo) * 0.1);
        return {lo - pad, hi + pad};
    }
    const double pad = (hi - lo) / 20;
    return {lo - pad, hi + pad};
}

double nice_step(double span, int wanted) {
    return axis_step(span / std::max(1, wanted));
}

// The plot's rectangle inside the picture's area and the value ranges it shows: every point of every
// series, padded (a unit square when there is none).
struct ChartFrame {
    QRectF plot;
    Range xr, yr;
    double line = 0; // the height of a line of text

    double px(double x) const { return plot.left() + (x - xr.lo) / (xr.hi - xr.lo) * plot.width(); }
    double py(double y) const { return plot.bottom() - (y - yr.lo) / (yr.hi - yr.lo) * plot.height(); }
};

ChartFrame chart_frame(const TimeCostPicture& pic, const QRectF& area, const QFontMetricsF& fm) {
    ChartFrame f;
    f.line = fm.height();
    double xlo = INFINITY, xhi = -INFINITY, ylo = INFINITY, yhi = -INFINITY;
    for (const ChartSeries& s : pic.series)
        for (const ChartPoint& pt : s.points) {
            xlo = std::min(xlo, pt.x), xhi = std::max(xhi, pt.x);
            ylo = std::min(ylo, pt.y), yhi = std::max(yhi, pt.y);
        }
    if (!std::isfinite(xlo)) {
        xlo = ylo = 0;
        xhi = yhi = 1;
    }
    f.xr = padded(xlo, xhi);
    f.yr = padded(ylo, yhi);
    const double left = area.left() + fm.horizontalAdvance(QStringLiteral("0000000,00")) + f.line + 10;
    const double top = area.top() + f.line * 2.5;
    const double bottom = area.bottom() - f.line * 4.6;
    const double right = area.right() - 20;
    f.plot = QRectF(QPointF(left, top), QPointF(right, bottom));
    return f;
}

// The grid lines with their numbers, the frame and the two axis titles.
void paint_grid_and_axes(QPainter& p, const TimeCostPicture& pic, const QRectF& area, const ChartFrame& f,
                         const QFontMetricsF& fm) {
    const QRectF& plot = f.plot;
    const double line = f.line;
    p.setPen(Qt::black);
    const double xs = nice_step(f.xr.hi - f.xr.lo, 8);
    for (double x = std::ceil(f.xr.lo / xs) * xs; x <= f.xr.hi; x += xs) {
        p.setPen(QColor(228, 228, 228));
        p.drawLine(QPointF(f.px(x), plot.top()), QPointF(f.px(x), plot.bottom()));
        p.setPen(QColor(60, 60, 60));
        const QString t = chart_number(x, pic.separator);
        p.drawText(QPointF(f.px(x) - fm.horizontalAdvance(t) / 2, plot.bottom() + line + 2), t);
    }
    const double ys = nice_step(f.yr.hi - f.yr.lo, 6);
    for (double y = std::ceil(f.yr.lo / ys) * ys; y <= f.yr.hi; y += ys) {
        p.setPen(QColor(228, 228, 228));
        p.drawLine(QPointF(plot.left(), f.py(y)), QPointF(plot.right(), f.py(y)));
        p.setPen(QColor(60, 60, 60));
        const QString t = chart_number(y, pic.separator);
        p.drawText(QPointF(plot.left() - fm.horizontalAdvance(t) - 6, f.py(y) + fm.ascent() / 2 - 1), t);
    }
    p.setPen(Qt::black);
    p.drawRect(plot);
    p.drawText(QRectF(plot.left(), plot.bottom() + line * 1.3, plot.width(), line * 1.2), Qt::AlignCenter,
               pic.xTitle);
    p.drawText(QRectF(area.left(), area.top(), area.width(), line * 1.2), Qt::AlignLeft | Qt::AlignVCenter,
               pic.yTitle);
}

// The series (markers under the joined points that may share their places), then the rings of the
// shown variant over them. Returns where every point of every series stands.
std::vector<std::vector<QPointF>> paint_series(QPainter& p, const TimeCostPicture& pic, const ChartFrame& f) {
    std::vector<std::vector<QPointF>> placed(pic.series.size());
    for (std::size_t s = 0; s < pic.series.size(); ++s)
        for (const ChartPoint& pt : pic.series[s].points)
            placed[s].push_back(QPointF(f.px(pt.x), f.py(pt.y)));
    std::vector<std::size_t> order;
    for (std::size_t s = 0; s < pic.series.size(); ++s)
        if (pic.series[s].style == SeriesStyle::Markers)
            order.push_back(s);
    for (std::size_t s = 0; s < pic.series.size(); ++s)
        if (pic.series[s].style != SeriesStyle::Markers)
            order.push_back(s);
    for (std::size_t s : order) {
        const ChartSeries& series = pic.series[s];
        const QColor colour = kSeriesColours[s % std::size(kSeriesColours)];
        if (series.style != SeriesStyle::Markers && placed[s].size() > 1) {
            p.setPen(QPen(colour, 2));
            for (std::size_t i = 1; i < placed[s].size(); ++i)
                p.drawLine(placed[s][i - 1], placed[s][i]);
        }
        if (series.style == SeriesStyle::Curve)
            continue;
        p.setPen(QPen(colour.darker(130), 1));
        p.setBrush(series.style == SeriesStyle::Markers ? QBrush(Qt::white) : QBrush(colour));
        for (const QPointF& at : placed[s]) {
            if (series.style == SeriesStyle::Markers)
                p.drawRect(QRectF(at - QPointF(6, 6), QSizeF(12, 12)));
            else
                p.drawEllipse(at, 4.5, 4.5);
        }
        p.setBrush(Qt::NoBrush);
    }
    p.setPen(QPen(QColor(220, 30, 30), 2));
    for (std::size_t s = 0; s < pic.series.size(); ++s)
        for (std::size_t i = 0; i < pic.series[s].points.size(); ++i)
            if (pic.shown > 0 && pic.series[s].points[i].variant == pic.shown)
                p.drawEllipse(placed[s][i], 9, 9);
    return placed;
}

// The legend under the axis title: one sample and name per series, then the ring of the shown variant.
void paint_legend(QPainter& p, const TimeCostPicture& pic, const QRectF& area, const ChartFrame& f,
                  const QFontMetricsF& fm) {
    const double line = f.line;
    double x = f.plot.left();
    const double y = area.bottom() - line * 0.4;
    for (std::size_t s = 0; s < pic.series.size(); ++s) {
        const QColor colour = kSeriesColours[s % std::size(kSeriesColours)];
        if (pic.series[s].style == SeriesStyle::Markers) {
            p.setPen(QPen(colour.darker(130), 1));
            p.drawRect(QRectF(x + 5, y - line / 3 - 6, 12, 12));
        } else {
            p.setPen(QPen(colour, 2));
            p.drawLine(QPointF(x, y - line / 3), QPointF(x + 22, y - line / 3));
        }
        p.setPen(Qt::black);
        const QString name = QString::fromStdString(pic.series[s].name);
        p.drawText(QPointF(x + 28, y), name);
        x += 28 + fm.horizontalAdvance(name) + 24;
    }
    if (pic.shown > 0) {
        p.setPen(QPen(QColor(220, 30, 30), 2));
        p.drawEllipse(QPointF(x + 8, y - line / 3), 7, 7);
        p.setPen(Qt::black);
        p.drawText(QPointF(x + 22, y), pic.shownVariant);
    }
}

} // namespace

TimeCostPicture time_cost_picture(const std::vector<std::shared_ptr<const TimeCostSource>>& sources,
                                  const TaskRecord& rec, const Solution& solution, const ShellTables& shell,
                                  char separator) {
    const TimeCostAxes axes = time_cost_axes(rec, shell);
    TimeCostPicture picture;
    picture.xTitle = QString::fromStdString(axes.x);
    picture.yTitle = QString::fromStdString(axes.y);
    picture.series = time_cost_series(sources, rec, solution, shell);
    picture.shownVariant = chart_text(shell, ViewText::ShownVariant);
    picture.separator = separator;
    return picture;
}

bool has_points(const TimeCostPicture& picture) {
    for (const ChartSeries& s : picture.series)
        if (!s.points.empty())
            return true;
    return false;
}

std::vector<std::vector<QPointF>> paint_time_cost(QPainter& p, const TimeCostPicture& pic,
                                                  const QRectF& area) {
    const QFontMetricsF fm(p.font());
    const ChartFrame frame = chart_frame(pic, area, fm);
    paint_grid_and_axes(p, pic, area, frame, fm);
    std::vector<std::vector<QPointF>> placed = paint_series(p, pic, frame);
    paint_legend(p, pic, area, frame, fm);
    return placed;
}

TimeCostChartView::TimeCostChartView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TimeCostChart"));
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void TimeCostChartView::set_picture(TimeCostPicture picture) {
    picture_ = std::move(picture);
    update();
}

void TimeCostChartView::set_shown(int variant) {
    picture_.shown = variant;
    update();
}

void TimeCostChartView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    points_ = paint_time_cost(p, picture_, QRectF(rect()).adjusted(12, 10, -12, -8));
}

bool TimeCostChartView::event(QEvent* e) {
    if (e->type() != QEvent::ToolTip)
        return QWidget::event(e);
    auto* help = static_cast<QHelpEvent*>(e);
    for (std::size_t s = 0; s < points_.size(); ++s)
        for (std::size_t i = 0; i < points_[s].size(); ++i)
            if (QLineF(points_[s][i], help->pos()).length() <= 7) {
                const ChartPoint& pt = picture_.series[s].points[i];
                QToolTip::showText(help->globalPos(),
                                   QStringLiteral("%1\n%2: %3\n%4: %5")
                                       .arg(QString::fromStdString(picture_.series[s].name))
                                       .arg(picture_.xTitle, chart_number(pt.x, picture_.separator))
                                       .arg(picture_.yTitle, chart_number(pt.y, picture_.separator)),
                                   this);
                return true;
            }
    QToolTip::hideText();
    return true;
}

} // namespace zep
