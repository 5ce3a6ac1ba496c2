#pragma once
// The time–cost chart tab of the solution view: every series of its sources in the task's units, the
// shown variant's points ringed. The painting serves the screen and the printed page alike.
#include "views/time_cost_series.h"

#include <memory>

#include <QRectF>
#include <QString>
#include <QWidget>
#include <vector>

class QPainter;

namespace zep {

struct TimeCostPicture {
    QString xTitle;
    QString yTitle;
    std::vector<ChartSeries> series;
    QString shownVariant; // legend text of the ring
    int shown = 0;        // variant from 1 whose points are ringed; 0 none
    char separator = ',';
};

// The chart of a solution as the view shows it, every series of the sources, no variant ringed yet.
TimeCostPicture time_cost_picture(const std::vector<std::shared_ptr<const TimeCostSource>>& sources,
                                  const TaskRecord& rec, const Solution& solution, const ShellTables& shell,
                                  char separator);

// True when some series has a point to draw.
bool has_points(const TimeCostPicture& picture);

// Paints the chart into `area`; returns where each point of each series landed (by series, by point).
std::vector<std::vector<QPointF>> paint_time_cost(QPainter& p, const TimeCostPicture& picture,
                                                  const QRectF& area);

class TimeCostChartView : public QWidget {
    Q_OBJECT
public:
    explicit TimeCostChartView(QWidget* parent = nullptr);

    void set_picture(TimeCostPicture picture);
    void set_shown(int variant);
    const TimeCostPicture& picture() const { return picture_; }
    // Where the points were drawn last (widget coordinates).
    const std::vector<std::vector<QPointF>>& points() const { return points_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    TimeCostPicture picture_;
    std::vector<std::vector<QPointF>> points_;
};

} // namespace zep
