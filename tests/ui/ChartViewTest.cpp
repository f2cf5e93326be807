#include "ui/ChartView.h"

#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace {

// x from 0 to 100, y from 0 to 10.
std::vector<PlotPoint> Ramp() {
    std::vector<PlotPoint> points;
    for (int i = 0; i <= 100; ++i) points.push_back({double(i), i / 10.0});
    return points;
}

struct Ranges {
    QCPRange x;
    QCPRange y;
};

void ExpectRanges(const ChartView& view, const Ranges& expected) {
    EXPECT_DOUBLE_EQ(view.xAxis->range().lower, expected.x.lower);
    EXPECT_DOUBLE_EQ(view.xAxis->range().upper, expected.x.upper);
    EXPECT_DOUBLE_EQ(view.yAxis->range().lower, expected.y.lower);
    EXPECT_DOUBLE_EQ(view.yAxis->range().upper, expected.y.upper);
}

Ranges CurrentRanges(const ChartView& view) { return {view.xAxis->range(), view.yAxis->range()}; }

// The axis ranges of the pixel rectangle spanned by two points, as the view maps them now.
Ranges RangesOf(const ChartView& view, QPoint a, QPoint b) {
    return {QCPRange(view.xAxis->pixelToCoord(a.x()), view.xAxis->pixelToCoord(b.x())),
            QCPRange(view.yAxis->pixelToCoord(a.y()), view.yAxis->pixelToCoord(b.y()))};
}

class ChartViewTest : public ::testing::Test {
protected:
    ChartView view;
    const Ranges rampRanges{QCPRange(0, 100), QCPRange(0, 10)};

    void SetUp() override {
        view.resize(666, 201);
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
        view.SetPoints(Ramp());
        view.replot();  // lays out the axes, so pixels map to coordinates
    }

    QPoint Middle() const { return view.axisRect()->rect().center(); }

    void Drag(Qt::MouseButton button, QPoint from, QPoint to) {
        QTest::mousePress(&view, button, {}, from);
        QTest::mouseMove(&view, (from + to) / 2);
        QTest::mouseMove(&view, to);
        QTest::mouseRelease(&view, button, {}, to);
    }

    void ZoomSomewhere() {
        Drag(Qt::LeftButton, Middle() - QPoint(30, 30), Middle() + QPoint(30, 30));
        ASSERT_FALSE(view.AutomaticRanges());
    }
};

TEST_F(ChartViewTest, LeftDragsBeyondSixteenPixelsZoomToTheRightAndRestoreToTheLeft) {
    enum Effect { Nothing, Zoom, Restore };
    struct Case {
        QPoint offset;
        Effect effect;
    };
    const Case cases[] = {
        {{20, 20}, Zoom},      {{20, -20}, Zoom},     {{17, 17}, Zoom},
        {{-20, 20}, Restore},  {{-20, -20}, Restore}, {{-17, -17}, Restore},
        {{10, 10}, Nothing},   {{-10, -10}, Nothing}, {{16, 16}, Nothing},
        {{-16, -16}, Nothing}, {{16, 40}, Nothing},   {{40, 16}, Nothing},
        {{-16, -40}, Nothing}, {{-40, 16}, Nothing},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "offset " << c.offset.x() << ", " << c.offset.y());
        ZoomSomewhere();
        const QPoint from = Middle();
        const QPoint to = from + c.offset;
        const Ranges before = CurrentRanges(view);
        const Ranges rectangle = RangesOf(view, from, to);
        Drag(Qt::LeftButton, from, to);
        switch (c.effect) {
        case Nothing:
            ExpectRanges(view, before);
            EXPECT_FALSE(view.AutomaticRanges());
            break;
        case Zoom:
            ExpectRanges(view, rectangle);
            EXPECT_FALSE(view.AutomaticRanges());
            break;
        case Restore:
            ExpectRanges(view, rampRanges);
            EXPECT_TRUE(view.AutomaticRanges());
            break;
        }
    }
}

TEST_F(ChartViewTest, TheWheelLeavesTheViewAlone) {
    const Ranges before = CurrentRanges(view);
    QWheelEvent wheel(Middle(), view.mapToGlobal(Middle()), {}, QPoint(0, 120), Qt::NoButton, {},
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&view, &wheel);
    ExpectRanges(view, before);
    EXPECT_TRUE(view.AutomaticRanges());
}

TEST_F(ChartViewTest, RightDragScrollsBothAxesWithThePointer) {
    const QPoint from = Middle();
    const QPoint to = from + QPoint(30, 20);
    const double dx = view.xAxis->pixelToCoord(from.x()) - view.xAxis->pixelToCoord(to.x());
    const double dy = view.yAxis->pixelToCoord(from.y()) - view.yAxis->pixelToCoord(to.y());
    ASSERT_LT(dx, 0);  // the data moves right with the pointer, so the range moves left
    ASSERT_GT(dy, 0);  // and down with it, so the range moves up
    Drag(Qt::RightButton, from, to);
    ExpectRanges(view, {QCPRange(dx, 100 + dx), QCPRange(dy, 10 + dy)});
    EXPECT_FALSE(view.AutomaticRanges());
}

TEST_F(ChartViewTest, ZoomAndScrollOutlastNewPointsUntilALeftwardDrag) {
    const std::vector<PlotPoint> other{{200, -5}, {300, 50}};
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
        SCOPED_TRACE(button == Qt::LeftButton ? "zoom" : "scroll");
        view.SetPoints(Ramp());
        Drag(button, Middle(), Middle() + QPoint(25, 25));
        const Ranges chosen = CurrentRanges(view);

        view.SetPoints(other);
        ExpectRanges(view, chosen);
        view.SetPoints({});
        ExpectRanges(view, chosen);
        view.SetPoints(other);

        Drag(Qt::LeftButton, Middle(), Middle() + QPoint(-25, 25));
        ExpectRanges(view, {QCPRange(200, 300), QCPRange(-5, 50)});
    }
}

TEST_F(ChartViewTest, AutomaticRangesFollowTheData) {
    ExpectRanges(view, rampRanges);
    view.SetPoints({{12, 0}, {12, 2}, {12, 0}, {15, 0}, {15, -3}, {15, 0}});
    ExpectRanges(view, {QCPRange(12, 15), QCPRange(-3, 2)});
    // A single point still gets axes of some width, with the point inside.
    view.SetPoints({{40, 7}});
    EXPECT_LT(view.xAxis->range().lower, 40);
    EXPECT_GT(view.xAxis->range().upper, 40);
    EXPECT_LT(view.yAxis->range().lower, 7);
    EXPECT_GT(view.yAxis->range().upper, 7);
    // Beyond what the chart can show (a mistyped exponent), values are left off the axes
    // instead of leaving them stuck on the previous data.
    view.SetPoints({{10, 1}, {11, 2}, {1e300, 1.7e308}});
    EXPECT_EQ(view.xAxis->range().lower, 10);
    EXPECT_EQ(view.yAxis->range().lower, 1);
    EXPECT_GT(view.yAxis->range().upper, 2);
    view.SetPoints({});
    EXPECT_TRUE(view.graph(0)->data()->isEmpty());
}

TEST_F(ChartViewTest, KeepsTheGivenOrderOfEqualEnergies) {
    // Many points on few energies, as two-thirds of a line spectrum's points are: a sort of
    // its own (not stable) would shuffle the intensities at each energy and break the sticks.
    std::vector<PlotPoint> points;
    for (int i = 0; i < 3000; ++i) points.push_back({double(i % 3), double(i)});
    OrderPlotPoints(points);
    view.SetPoints(points);

    const auto data = view.graph(0)->data();
    ASSERT_EQ(data->size(), int(points.size()));
    for (int i = 0; i < data->size(); ++i) {
        ASSERT_EQ(data->at(i)->key, points[i].x) << "at " << i;
        ASSERT_EQ(data->at(i)->value, points[i].y) << "at " << i;
    }
}

TEST_F(ChartViewTest, OutlinesTheZoomRectangleWithoutFillingIt) {
    const QPoint from = Middle() - QPoint(40, 30);
    const QPoint to = Middle() + QPoint(40, 30);
    const QImage before = view.grab().toImage();
    QTest::mousePress(&view, Qt::LeftButton, {}, from);
    QTest::mouseMove(&view, to);
    const QImage during = view.grab().toImage();
    QTest::mouseRelease(&view, Qt::LeftButton, {}, to);

    const qreal scale = during.devicePixelRatio();
    const auto pixel = [scale](const QImage& image, QPoint at) { return image.pixelColor(at * scale); };
    const QPoint topEdge(Middle().x() + 5, from.y());
    const QPoint inside(Middle().x() + 5, Middle().y() - 7);
    EXPECT_EQ(pixel(during, topEdge), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(pixel(during, inside), pixel(before, inside));
}

TEST_F(ChartViewTest, DrawsTheSticksAtTheEdgesOfTheRangesInTheLineColour) {
    // The first and last sticks and the baseline lie on the border of the automatic ranges.
    view.SetPoints({{10, 0}, {10, 1}, {10, 0}, {12, 0}, {12, 3}, {12, 0}, {15, 0}, {15, 6}, {15, 0}});
    view.replot();
    const QImage image = view.grab().toImage();
    const auto at = [&](double x, double y) {
        const QPointF pixel(view.xAxis->coordToPixel(x), view.yAxis->coordToPixel(y));
        return image.pixelColor((pixel * image.devicePixelRatio()).toPoint());
    };
    const QColor line(0x44, 0x66, 0xA3);
    for (const auto& [x, y] : {std::pair{10.0, 0.5}, {12.0, 2.0}, {15.0, 5.0}, {11.0, 0.0}, {14.0, 0.0}}) {
        EXPECT_EQ(at(x, y), line) << "at " << x << ", " << y;
    }
}

}  // namespace
