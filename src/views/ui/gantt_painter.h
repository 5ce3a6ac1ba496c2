#pragma once
// Draws a Gantt chart with QPainter, on the screen or on a printed page: a column of chain and
// operation names on the left, a time axis on top, one row per operation grouped under its chain's
// heading row, the bar from the start to the finish (critical operations in their own colour), the
// slack as a lighter bar after it, and the periods without the operation's resource shaded in its row.
#include "shell/shell_file.h"
#include "views/gantt_model.h"

#include <QRectF>
#include <QString>

class QPainter;

namespace zep {

struct GanttTexts {
    QString timeAxis; // the time unit
    QString slack;
    QString critical;
    QString unavailable;
    QString chain;
    QString operation;
    QString variant;
    QString start;
    QString finish;
    QString duration;
    QString cost;
    char separator = ',';
};

// The chart's texts from the shell, for a task.
GanttTexts gantt_texts(const ShellTables& shell, const TaskRecord& rec, char separator);

class GanttPainter {
public:
    GanttPainter(const GanttChart& chart, GanttTexts texts);

    // Geometry at `scale` pixels per time unit, with the chart's top left corner at (0, 0).
    static constexpr double kNameColumn = 230;
    static constexpr double kAxisHeight = 40;
    static constexpr double kRowHeight = 22;
    static constexpr double kLegendHeight = 30;
    static constexpr double kRightMargin = 30;

    double height() const;
    double width(double scale) const { return kNameColumn + chart_.span * scale + kRightMargin; }
    // The scale at which the whole span fits `width` pixels.
    double fit_scale(double width) const;
    double x_of(double time, double scale) const { return kNameColumn + time * scale; }
    QRectF bar_rect(int bar, double scale) const;
    QRectF slack_rect(int bar, double scale) const;
    // The bar whose row holds the point; -1 none.
    int bar_at(QPointF point, double scale) const;
    QString tooltip(int bar) const;

    // Paints the part of the chart inside `visible` (chart coordinates) with the painter already
    // translated so that chart coordinates apply.
    void paint(QPainter& p, double scale, const QRectF& visible) const;

    const GanttChart& chart() const { return chart_; }

private:
    double row_top(int bar) const { return kAxisHeight + rowOf_[bar] * kRowHeight; }
    void paint_axis(QPainter& p, double scale, const QRectF& visible) const;
    void paint_legend(QPainter& p, double top) const;

    GanttChart chart_;
    GanttTexts texts_;
    std::vector<int> rowOf_;      // row of each bar (chain heading rows counted)
    std::vector<int> headingRow_; // row of each chain's heading, by chain from 1 (index 0 unused)
    int rows_ = 0;
};

} // namespace zep
