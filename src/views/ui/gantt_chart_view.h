#pragma once
// The Gantt chart tab of the solution view: the chart of the shown variant, zoomed to fit the window
// until the wheel zooms the time axis around the pointer; Shift with the wheel scrolls the rows.
// Tooltips name the operation, its chosen variant, start, duration, slack and cost.
#include "views/ui/gantt_painter.h"

#include <QAbstractScrollArea>
#include <memory>

namespace zep {

class GanttChartView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit GanttChartView(QWidget* parent = nullptr);

    void set_chart(const GanttChart& chart, GanttTexts texts);
    void clear();
    const GanttPainter* painter() const { return painter_.get(); }
    double scale() const { return scale_; }
    // Zoom to fit: the whole time span in the visible width. Kept when the window is resized.
    void zoom_to_fit();
    // Multiplies the scale, keeping the moment under `anchorX` (viewport pixels) in place.
    void zoom_by(double factor, double anchorX);
    bool fitted() const { return fitted_; }
    // The bar in viewport coordinates.
    QRectF bar_on_screen(int bar) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    void update_scroll_bars();

    std::unique_ptr<GanttPainter> painter_;
    double scale_ = 1;
    bool fitted_ = true;
};

} // namespace zep
