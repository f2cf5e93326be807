#pragma once

#include "records/SpectrumText.h"

#include <qcustomplot.h>

#include <vector>

// The spectrum chart: one line through the points in the order they are handed over, on a
// yellow-to-red plot area, with ranges that follow the data until the user takes them over.
//
// Mouse:
// - A left drag that spans more than 16 px both across and down acts on release: towards the
//   right it zooms both axes to the dragged rectangle, towards the left it returns to the
//   automatic ranges. Shorter drags do nothing. The rectangle is outlined while dragging.
// - A right drag scrolls both axes with the pointer.
// - A zoom or scroll holds across SetPoints until the next leftward drag, so several spectra can
//   be compared in the same window onto the data.
// - The wheel does nothing here; it goes on to the parent, so scrolling the window over the chart
//   cannot change the view by accident. Zooming has exactly one way in and one way out.
class ChartView : public QCustomPlot {
    Q_OBJECT

public:
    explicit ChartView(QWidget* parent = nullptr);

    // Replaces the drawn points. `ordered` must already be in chart order (ascending x, equal x
    // in the order wanted): the graph takes them as they are, because the order of equal x is
    // what draws the sticks of a line spectrum and the library's own sort does not keep it.
    // The redraw is queued, so several changes within one event cost one drawing.
    void SetPoints(const std::vector<PlotPoint>& ordered);

    // Whether the ranges follow the data (no zoom or scroll in force).
    bool AutomaticRanges() const { return automatic_; }

    // A drag must span more than this many pixels in both directions to act.
    static constexpr int kDragThreshold = 16;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    enum class Drag { None, Zoom, Scroll };

    void ApplyAutomaticRanges();
    void FinishZoomDrag(QPoint end);
    void ScrollTo(QPoint position);

    QCPGraph* graph_;
    bool automatic_ = true;

    // Bounds of the finite coordinates of the current points, for the automatic ranges.
    bool hasBounds_ = false;
    QCPRange xBounds_;
    QCPRange yBounds_;

    Drag drag_ = Drag::None;
    QPoint dragStart_;
    QPoint dragEnd_;
    QCPRange scrollStartX_;
    QCPRange scrollStartY_;
};
