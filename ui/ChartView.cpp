#include "ChartView.h"

#include <QLinearGradient>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

const QColor kLineColor(0x44, 0x66, 0xA3);
const QColor kZoomOutline(0xC0, 0xC0, 0xC0);
const QCPRange kEmptyRange(0, 1);

// A range that shows all of [lower, upper] that the chart can show. The library refuses
// ranges reaching towards +-1e250; values beyond (a mistyped exponent) are left off the axes
// rather than keeping them stuck on the previous data. A single value gets room around it, so
// that a lone point or a flat line sits inside the plot area instead of giving the axis no width.
QCPRange ShowingRange(double lower, double upper) {
    const double reach = QCPRange::maxRange / 4;
    lower = std::clamp(lower, -reach, reach);
    upper = std::clamp(upper, -reach, reach);
    if (upper - lower > QCPRange::minRange) return QCPRange(lower, upper);
    const double room = std::max(1.0, std::abs(lower) * 0.05);
    return QCPRange(lower - room, lower + room);
}

// Widens `bounds` to take in `value`; starts them when `started` is false.
void TakeIn(QCPRange& bounds, double value, bool started) {
    if (!started) {
        bounds = QCPRange(value, value);
    } else {
        bounds.lower = std::min(bounds.lower, value);
        bounds.upper = std::max(bounds.upper, value);
    }
}

// Points at the highest energy or the lowest intensity of the ranges fall one pixel beyond the
// plot area, where the library clips them: the last stick and the zero baseline of every line
// spectrum would vanish. The clip takes in that border.
class SpectrumGraph : public QCPGraph {
public:
    using QCPGraph::QCPGraph;

protected:
    QRect clipRect() const override { return QCPGraph::clipRect().adjusted(0, 0, 1, 1); }
};

}  // namespace

ChartView::ChartView(QWidget* parent) : QCustomPlot(parent) {
    // All mouse handling is this class's own; the library's drag, zoom and selection stay off.
    setInteractions(QCP::Interactions());
    setSelectionRectMode(QCP::srmNone);
    legend->setVisible(false);

    graph_ = new SpectrumGraph(xAxis, yAxis);
    // Unsmoothed, a one-pixel line keeps its colour on the gradient; smoothing turns a stick
    // that falls between two pixel columns into two greyish ones.
    graph_->setAntialiased(false);
    graph_->setPen(QPen(kLineColor, 1));
    graph_->setLineStyle(QCPGraph::lsLine);
    graph_->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssNone));

    QLinearGradient plotArea(0, 0, 0, 1);
    plotArea.setCoordinateMode(QGradient::ObjectMode);
    plotArea.setColorAt(0, QColor(0xFF, 0xFF, 0x00));
    plotArea.setColorAt(1, QColor(0xFF, 0x00, 0x00));
    axisRect()->setBackground(QBrush(plotArea));
    // The axes go under the data, so that the first stick and the zero baseline of a line
    // spectrum are not hidden by the axis lines they sit on.
    moveLayer(layer(QStringLiteral("axes")), layer(QStringLiteral("main")), limBelow);

    xAxis->setLabel(QStringLiteral("hv / eV"));
    yAxis->setLabel(QStringLiteral("Intensity / arb. unit"));
    xAxis->setRange(kEmptyRange);
    yAxis->setRange(kEmptyRange);
}

void ChartView::SetPoints(const std::vector<PlotPoint>& ordered) {
    QVector<QCPGraphData> data;
    data.reserve(static_cast<qsizetype>(ordered.size()));
    hasBounds_ = false;
    for (const PlotPoint& point : ordered) {
        data.append(QCPGraphData(point.x, point.y));
        if (std::isfinite(point.x) && std::isfinite(point.y)) {
            TakeIn(xBounds_, point.x, hasBounds_);
            TakeIn(yBounds_, point.y, hasBounds_);
            hasBounds_ = true;
        }
    }
    graph_->data()->set(data, true);
    if (automatic_) ApplyAutomaticRanges();
    replot(rpQueuedReplot);
}

void ChartView::ApplyAutomaticRanges() {
    if (hasBounds_) {
        xAxis->setRange(ShowingRange(xBounds_.lower, xBounds_.upper));
        yAxis->setRange(ShowingRange(yBounds_.lower, yBounds_.upper));
    } else {
        xAxis->setRange(kEmptyRange);
        yAxis->setRange(kEmptyRange);
    }
}

void ChartView::paintEvent(QPaintEvent* event) {
    QCustomPlot::paintEvent(event);
    if (drag_ != Drag::Zoom || dragEnd_ == dragStart_) return;
    // Drawn over the finished plot instead of as a plot layer, so following the pointer costs a
    // repaint of the widget and never a replot of the data.
    QPainter painter(this);
    painter.setPen(QPen(kZoomOutline, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(dragStart_, dragEnd_).normalized());
}

void ChartView::mousePressEvent(QMouseEvent* event) {
    if (drag_ != Drag::None) {
        if (event->buttons() & ~event->button()) return;  // a second button starts no second drag
        // No other button is held, so the drag on record lost its release (to a popup, say).
        drag_ = Drag::None;
        update();
    }
    const QPoint position = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        drag_ = Drag::Zoom;
    } else if (event->button() == Qt::RightButton) {
        drag_ = Drag::Scroll;
        scrollStartX_ = xAxis->range();
        scrollStartY_ = yAxis->range();
    } else {
        QCustomPlot::mousePressEvent(event);
        return;
    }
    dragStart_ = position;
    dragEnd_ = position;
    event->accept();
}

void ChartView::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second click of a quick pair arrives as a double click; it starts a drag all the same.
    mousePressEvent(event);
}

void ChartView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint position = event->position().toPoint();
    switch (drag_) {
    case Drag::Zoom:
        dragEnd_ = position;
        update();
        break;
    case Drag::Scroll:
        ScrollTo(position);
        break;
    case Drag::None:
        QCustomPlot::mouseMoveEvent(event);
        return;
    }
    event->accept();
}

void ChartView::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint position = event->position().toPoint();
    if (drag_ == Drag::Zoom && event->button() == Qt::LeftButton) {
        drag_ = Drag::None;
        FinishZoomDrag(position);
        update();
    } else if (drag_ == Drag::Scroll && event->button() == Qt::RightButton) {
        ScrollTo(position);
        drag_ = Drag::None;
    } else if (drag_ == Drag::None) {
        QCustomPlot::mouseReleaseEvent(event);
        return;
    }
    event->accept();
}

void ChartView::wheelEvent(QWheelEvent* event) { event->ignore(); }

void ChartView::FinishZoomDrag(QPoint end) {
    const QPoint span = end - dragStart_;
    if (std::abs(span.x()) <= kDragThreshold || std::abs(span.y()) <= kDragThreshold) return;
    if (span.x() > 0) {
        xAxis->setRange(QCPRange(xAxis->pixelToCoord(dragStart_.x()), xAxis->pixelToCoord(end.x())));
        yAxis->setRange(QCPRange(yAxis->pixelToCoord(dragStart_.y()), yAxis->pixelToCoord(end.y())));
        automatic_ = false;
    } else {
        automatic_ = true;
        ApplyAutomaticRanges();
    }
    replot(rpQueuedReplot);
}

void ChartView::ScrollTo(QPoint position) {
    if (position == dragEnd_) return;
    dragEnd_ = position;
    // Measured against the ranges at the press, so the point under the pointer stays under it
    // however many moves arrive.
    xAxis->setRange(scrollStartX_);
    yAxis->setRange(scrollStartY_);
    const double dx = xAxis->pixelToCoord(dragStart_.x()) - xAxis->pixelToCoord(position.x());
    const double dy = yAxis->pixelToCoord(dragStart_.y()) - yAxis->pixelToCoord(position.y());
    xAxis->setRange(scrollStartX_.lower + dx, scrollStartX_.upper + dx);
    yAxis->setRange(scrollStartY_.lower + dy, scrollStartY_.upper + dy);
    automatic_ = false;
    replot(rpQueuedReplot);
}
