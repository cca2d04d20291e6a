// Zoom and the road strip in the main window: the picture zoomed in at point 1, the keys and the
// mouse that zoom and pan with the velocity graph following, and the strip shown under the chart
// with its time cursor and point 1 following the car.
#include "../painttestutil.h"
#include "app/chartaccess.h"
#include "app/roadstrip.h"
#include "app/roadstripview.h"
#include "app/simulation.h"
#include "app/studytools.h"
#include "app/velocitygraph.h"
#include "app/zoomview.h"
#include "chart/rchart.h"
#include "mainformfixture.h"
#include "platform/controls/stdctrls.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QWheelEvent>

#include <cmath>

using enum VrxBase::TCrossHairMode;

namespace {

class ZoomViewTest : public MainFormFixture {
protected:
    AxisWindow timeAxis(const TRChart& chart) const {
        return {chart.Scale1X()->RangeLow(), chart.Scale1X()->RangeHigh()};
    }
    void mouse(QEvent::Type type, Qt::MouseButton button, QPoint at) {
        QMouseEvent event(type, at, form->RC1->mapToGlobal(at), button,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button),
                          Qt::NoModifier);
        QApplication::sendEvent(form->RC1, &event);
    }
    QPoint pixelAt(double t) const { return form->RC1->DataToPixel(1, t, 90); }
};

// The mean row of the pixels of a colour in column x between rows top and bottom; NaN without any.
double meanRow(const QImage& image, int x, int top, int bottom, const std::vector<QRgb>& colours) {
    double sum = 0;
    int n = 0;
    for (int y = top; y <= bottom; ++y)
        if (std::find(colours.begin(), colours.end(), image.pixel(x, y)) != colours.end()) {
            sum += y;
            ++n;
        }
    return n ? sum / n : std::nan("");
}

} // namespace

// At --view 49.5,50.5 the tangent at 50 and the curve are one line: in every column of the data
// area the blue tangent and the black curve (under it where they overlap) lie within a pixel.
TEST_F(ZoomViewTest, ZoomedInAtPointOneTheCurveIsItsTangent) {
    form->CBoxShowCH->SetChecked(false);
    form->CBox1Point->SetChecked(true);
    form->SetPoints(50, 110);
    form->Zoom()->show({49.5, 50.5});
    const ChartView view = form->Zoom()->zoom().view();
    ASSERT_EQ(view.Time, (AxisWindow{49.5, 50.5}));
    const QImage image = form->RC1->ScreenImage();
    image.save(outputPath(QStringLiteral("zoom-tangent.png")));
    const QPoint topLeft = form->RC1->DataToPixel(1, view.Time.Low, view.Distance.High);
    const QPoint bottomRight = form->RC1->DataToPixel(1, view.Time.High, view.Distance.Low);
    const QRgb blue = rgb(clBlue), black = rgb(clBlack);
    int columns = 0;
    for (int x = topLeft.x() + 2; x < bottomRight.x() - 2; ++x) {
        if (countOf(image.copy(x, topLeft.y(), 1, bottomRight.y() - topLeft.y()), clRed) > 0)
            continue; // point 1's mark
        const double tangent = meanRow(image, x, topLeft.y() + 1, bottomRight.y() - 1, {blue});
        const double curve = meanRow(image, x, topLeft.y() + 1, bottomRight.y() - 1, {blue, black});
        ASSERT_FALSE(std::isnan(tangent)) << "no tangent in column " << x;
        EXPECT_LE(std::fabs(curve - tangent), 1.0) << "column " << x;
        ++columns;
    }
    EXPECT_GT(columns, 400);
}

// +, - and 0 zoom around point 1 and back; Ctrl + arrows pan; the wheel zooms around the mouse; a
// right drag pans and a right click still opens the menu. The velocity graph's time axis is the chart's.
TEST_F(ZoomViewTest, KeysAndMouseZoomAndPanBothCharts) {
    form->Study()->toggleVelocityGraph();
    const TRChart& graph = *form->Study()->graph().chart();
    const ZoomView::Actions& keys = form->Zoom()->actions();
    const auto shows = [&](AxisWindow time) {
        EXPECT_NEAR(timeAxis(*form->RC1).Low, time.Low, 1e-9);
        EXPECT_NEAR(timeAxis(*form->RC1).High, time.High, 1e-9);
        EXPECT_EQ(timeAxis(graph), timeAxis(*form->RC1));
    };
    form->SetPoints(50, 110); // point 1 at 50 of 0..133 min
    keys.ZoomIn->trigger();
    shows({25, 91.5});
    EXPECT_EQ(form->Access()->chartDescription().section(QStringLiteral("; "), -1),
              QStringLiteral("zoomed in 2.0 times: 25.0 to 91.5 min"));
    keys.PanLater->trigger();
    shows({31.65, 98.15});
    keys.ZoomOut->trigger();
    shows({0, 133});
    EXPECT_FALSE(form->Access()->chartDescription().contains(QStringLiteral("zoomed")));

    QWheelEvent wheel(pixelAt(100), form->RC1->mapToGlobal(pixelAt(100)), {}, {0, 240}, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(form->RC1, &wheel);
    const AxisWindow zoomed = timeAxis(*form->RC1);
    EXPECT_NEAR(zoomed.width(), 66.5, 1e-9);
    EXPECT_NEAR(zoomed.Low + (100 - 0) / 133.0 * 66.5, 100, 0.3); // 100 min stays under the mouse

    mouse(QEvent::MouseButtonPress, Qt::RightButton, pixelAt(60));
    mouse(QEvent::MouseMove, Qt::RightButton, pixelAt(60) + QPoint(100, 0));
    mouse(QEvent::MouseButtonRelease, Qt::RightButton, pixelAt(60) + QPoint(100, 0));
    EXPECT_LT(timeAxis(*form->RC1).Low, zoomed.Low - 10); // dragged right: earlier times come in
    EXPECT_FALSE(form->Access()->menu()->isVisible());
    mouse(QEvent::MouseButtonPress, Qt::RightButton, pixelAt(60));
    QContextMenuEvent menu(QContextMenuEvent::Mouse, pixelAt(60), form->RC1->mapToGlobal(pixelAt(60)));
    QApplication::sendEvent(form->RC1, &menu);
    EXPECT_FALSE(form->Access()->menu()->isVisible()); // held until the release
    mouse(QEvent::MouseButtonRelease, Qt::RightButton, pixelAt(60));
    EXPECT_TRUE(form->Access()->menu()->isVisible());
    form->Access()->menu()->hide();

    keys.WholeTrip->trigger();
    shows({0, 133});
}

// Another trip is shown whole; the road strip, still shown, plays it from its start.
TEST_F(ZoomViewTest, AnotherTripIsShownWholeAndPlayed) {
    form->Zoom()->actions().ZoomIn->trigger();
    form->Road()->toggleShown();
    form->Road()->strip()->showTime(30);
    form->SetProfile(2);
    EXPECT_EQ(timeAxis(*form->RC1), (AxisWindow{0, 133}));
    ASSERT_TRUE(form->Road()->shown());
    EXPECT_EQ(form->RC1->CrossHair(RoadStripView::kCursor)->PosX(), 0); // the new trip's start
    RoadStrip& strip = *form->Road()->strip();
    strip.showTime(80);
    EXPECT_EQ(strip.playback().position(), form->Model().trip().distanceAt(80));
}

// D shows the strip under the chart; while its car moves a time cursor stands at the car's time on
// the chart and the velocity graph, and on request point 1 goes with it.
TEST_F(ZoomViewTest, RoadStripUnderTheChartWithItsTimeCursor) {
    RoadStripView& road = *form->Road();
    EXPECT_EQ(road.strip(), nullptr);
    road.actions().Show->trigger();
    ASSERT_TRUE(road.shown());
    EXPECT_EQ(road.strip()->geometry().top(), form->RC1->geometry().bottom() + 1);
    EXPECT_EQ(road.strip()->width(), form->RC1->width());
    form->Study()->toggleVelocityGraph();
    road.strip()->showTime(30);
    for (const TRChart* chart : {form->RC1, form->Study()->graph().chart()}) {
        EXPECT_EQ(chart->CrossHair(RoadStripView::kCursor)->Mode(), chVert);
        EXPECT_EQ(chart->CrossHair(RoadStripView::kCursor)->PosX(), 30);
    }
    EXPECT_NE(form->Time1(), 30);
    road.actions().Follow->trigger();
    road.strip()->showTime(42);
    EXPECT_EQ(form->Time1(), 42);
    road.actions().Show->trigger();
    EXPECT_FALSE(road.shown());
    EXPECT_EQ(form->RC1->CrossHair(RoadStripView::kCursor)->Mode(), chOff);
}
