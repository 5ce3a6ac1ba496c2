#include "views/ui/gantt_chart_view.h"

#include <QHelpEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>
#include <cmath>

namespace zep {

GanttChartView::GanttChartView(QWidget* parent) : QAbstractScrollArea(parent) {
    setObjectName(QStringLiteral("GanttChart"));
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    viewport()->setMouseTracking(true);
}

void GanttChartView::set_chart(const GanttChart& chart, GanttTexts texts) {
    painter_ = std::make_unique<GanttPainter>(chart, std::move(texts));
    if (fitted_)
        scale_ = painter_->fit_scale(viewport()->width());
    update_scroll_bars();
    viewport()->update();
}

void GanttChartView::clear() {
    painter_.reset();
    update_scroll_bars();
    viewport()->update();
}

void GanttChartView::zoom_to_fit() {
    fitted_ = true;
    if (painter_)
        scale_ = painter_->fit_scale(viewport()->width());
    horizontalScrollBar()->setValue(0);
    update_scroll_bars();
    viewport()->update();
}

void GanttChartView::zoom_by(double factor, double anchorX) {
    if (!painter_)
        return;
    const double contentX = anchorX + horizontalScrollBar()->value();
    const double time = (contentX - GanttPainter::kNameColumn) / scale_;
    const double fit = painter_->fit_scale(viewport()->width());
    // From a fifth of the fitting scale to a thousand times it.
    scale_ = std::clamp(scale_ * factor, fit / 5, fit * 1000);
    fitted_ = false;
    update_scroll_bars();
    horizontalScrollBar()->setValue(static_cast<int>(std::lround(painter_->x_of(time, scale_) - anchorX)));
    viewport()->update();
}

QRectF GanttChartView::bar_on_screen(int bar) const {
    if (!painter_)
        return {};
    return painter_->bar_rect(bar, scale_)
        .translated(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
}

void GanttChartView::update_scroll_bars() {
    const QSize view = viewport()->size();
    const int width = painter_ ? static_cast<int>(std::ceil(painter_->width(scale_))) : 0;
    const int height = painter_ ? static_cast<int>(std::ceil(painter_->height())) : 0;
    horizontalScrollBar()->setRange(0, std::max(0, width - view.width()));
    horizontalScrollBar()->setPageStep(view.width());
    verticalScrollBar()->setRange(0, std::max(0, height - view.height()));
    verticalScrollBar()->setPageStep(view.height());
    verticalScrollBar()->setSingleStep(static_cast<int>(GanttPainter::kRowHeight));
}

void GanttChartView::paintEvent(QPaintEvent*) {
    if (!painter_)
        return;
    QPainter p(viewport());
    p.setRenderHint(QPainter::Antialiasing, false);
    const QPointF offset(horizontalScrollBar()->value(), verticalScrollBar()->value());
    p.translate(-offset);
    painter_->paint(p, scale_, QRectF(offset, viewport()->size()));
}

void GanttChartView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    if (fitted_ && painter_)
        scale_ = painter_->fit_scale(viewport()->width());
    update_scroll_bars();
}

void GanttChartView::wheelEvent(QWheelEvent* event) {
    if (event->modifiers() & Qt::ShiftModifier) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    const double steps = event->angleDelta().y() / 120.0;
    if (steps != 0)
        zoom_by(std::pow(1.25, steps), event->position().x());
    event->accept();
}

bool GanttChartView::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip && painter_) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QPointF at =
            help->pos() + QPointF(horizontalScrollBar()->value(), verticalScrollBar()->value());
        const int bar = painter_->bar_at(at, scale_);
        if (bar >= 0)
            QToolTip::showText(help->globalPos(), painter_->tooltip(bar), viewport());
        else
            QToolTip::hideText();
        return true;
    }
    return QAbstractScrollArea::viewportEvent(event);
}

} // namespace zep
