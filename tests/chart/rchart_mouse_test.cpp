#include "../painttestutil.h"
#include "recordingchart.h"
#include "scalerange.h"

#include <QCoreApplication>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <gtest/gtest.h>

#include <any>
#include <cmath>

using enum TMouseButton;
using enum TShiftStateFlag;
using enum VrxBase::TCrossHairMode;
using enum VrxBase::TMouseActMode;
using enum VrxBase::TTextLabelMode;

namespace {

// The main window's chart: 576 x 446, data area 50..556 x 20..406. With the ranges 0..506 and
// 0..386 one data unit is one pixel: x = px - 50, y = 406 - py.
constexpr int kRight = 556;
constexpr int kBottom = 406;

struct MouseChart : RecordingChart {
    explicit MouseChart(double xHigh = 506, double yHigh = 386) {
        SetBounds(0, 0, 576, 446);
        Scale1X()->SetRangeHigh(xHigh);
        Scale1Y()->SetRangeHigh(yHigh);
        SetSuppressPaint(false);
    }

    void send(QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons buttons,
              Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QMouseEvent e(type, QPointF(p), QPointF(p), button, buttons, modifiers);
        QCoreApplication::sendEvent(this, &e);
    }
    void move(QPoint p, Qt::MouseButtons buttons = Qt::NoButton,
              Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        send(QEvent::MouseMove, p, Qt::NoButton, buttons, modifiers);
    }
    void drag(QPoint p) { move(p, Qt::LeftButton); }
    void press(QPoint p, Qt::MouseButton button = Qt::LeftButton) {
        send(QEvent::MouseButtonPress, p, button, button);
    }
    void release(QPoint p, Qt::MouseButton button = Qt::LeftButton) {
        send(QEvent::MouseButtonRelease, p, button, Qt::NoButton);
    }
    void doubleClick(QPoint p) { send(QEvent::MouseButtonDblClick, p, Qt::LeftButton, Qt::LeftButton); }
    // A left-button rectangle from a to b.
    void dragRectangle(QPoint a, QPoint b) {
        press(a);
        drag((a + b) / 2);
        drag(b);
        release(b);
    }
};

struct MoveReport {
    int count = 0;
    bool inChart = false;
    TShiftState shift;
    double x = 0;
    double y = 0;
};

void listen(TRChart& chart, MoveReport& report) {
    chart.SetOnMouseMoveInChart([&report](QObject*, bool inChart, TShiftState shift, double x, double y) {
        ++report.count;
        report.inChart = inChart;
        report.shift = shift;
        report.x = x;
        report.y = y;
    });
}

} // namespace

TEST(RChartMouse, MoveReportsDataOfCurrentLayerAndWhetherInsideWithEdgesIncluded) {
    MouseChart chart;
    MoveReport r;
    listen(chart, r);

    chart.move({kRight, 100});
    EXPECT_TRUE(r.inChart);
    EXPECT_NEAR(r.x, 506, 1e-9);
    EXPECT_NEAR(r.y, 306, 1e-9);
    // One pixel further is outside, yet its data position is still reported.
    chart.move({kRight + 1, 100});
    EXPECT_FALSE(r.inChart);
    EXPECT_NEAR(r.x, 507, 1e-9);
    chart.move({50, 20});
    EXPECT_TRUE(r.inChart);
    chart.move({49, 20});
    EXPECT_FALSE(r.inChart);
    chart.move({300, kBottom});
    EXPECT_TRUE(r.inChart);
    chart.move({300, kBottom + 1});
    EXPECT_FALSE(r.inChart);
    chart.move({300, 19});
    EXPECT_FALSE(r.inChart);
    EXPECT_EQ(r.count, 7);

    chart.move({60, 50}, Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(r.shift, TShiftState(ssLeft) | ssShift | ssCtrl);

    // A shadow narrows the data area.
    chart.SetShadowWidth(6);
    chart.move({kRight - 6, 100});
    EXPECT_TRUE(r.inChart);
    chart.move({kRight - 5, 100});
    EXPECT_FALSE(r.inChart);
    chart.SetShadowWidth(0);

    chart.Scale2X()->SetRangeLow(100);
    chart.Scale2X()->SetRangeHigh(100 + 506 * 2);
    chart.SetCurrentLayer(2);
    chart.move({60, 50});
    EXPECT_NEAR(r.x, 120, 1e-9);
}

TEST(RChartMouse, CursorFollowsTheActionUnlessFixed) {
    MouseChart chart;
    EXPECT_TRUE(chart.MouseCursorFixed());
    EXPECT_EQ(chart.MouseAction(), maNone);
    chart.SetMouseAction(maPan);
    chart.move({300, 200});
    EXPECT_EQ(chart.cursor().shape(), Qt::ArrowCursor);

    chart.SetMouseCursorFixed(false);
    chart.SetMouseAction(maNone);
    chart.move({300, 200});
    EXPECT_EQ(chart.cursor().shape(), Qt::CrossCursor);
    chart.move({20, 200});
    EXPECT_EQ(chart.cursor().shape(), Qt::ArrowCursor);

    chart.SetMouseAction(maZoomWind);
    chart.move({300, 200});
    EXPECT_EQ(chart.cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(chart.cursor().pixmap().size(), QSize(32, 32));
    chart.SetMouseAction(maRubberBand);
    chart.move({300, 200});
    EXPECT_EQ(chart.cursor().shape(), Qt::ArrowCursor);
    // Actions without behaviour leave the cursor as it is.
    chart.SetMouseAction(maNone);
    chart.move({300, 200});
    chart.SetMouseAction(maRotate);
    chart.move({300, 200});
    EXPECT_EQ(chart.cursor().shape(), Qt::CrossCursor);
}

TEST(RChartMouse, CrossHairsArePublishedClampedAndRepaintAtOnce) {
    MouseChart chart;
    auto* c = chart.property("CrossHair3").value<TCrossHair*>();
    ASSERT_EQ(c, chart.CrossHair3());
    EXPECT_EQ(c->Layer(), 3);
    EXPECT_TRUE(c->setProperty("Layer", 0));
    EXPECT_EQ(c->Layer(), 1);
    c->SetLayer(20);
    EXPECT_EQ(c->Layer(), 16);

    TCrossHair& c1 = *chart.CrossHair1();
    c1.SetColor(clRed);
    const int paints = chart.paints;
    c1.SetMode(chVert);
    EXPECT_EQ(chart.paints, paints + 1);
    // On the left edge of the data area the line is not drawn; one pixel inside it is.
    EXPECT_EQ(countOf(chart.FrameImage(), clRed), 0);
    c1.SetPosX(1);
    EXPECT_EQ(chart.paints, paints + 2);
    EXPECT_EQ(countOf(chart.FrameImage(), clRed), kBottom - 20 - 1);
    EXPECT_EQ(chart.FrameImage().pixel(51, 21), qRgb(255, 0, 0));
    EXPECT_EQ(chart.FrameImage().pixel(51, kBottom - 1), qRgb(255, 0, 0));
    EXPECT_NE(chart.FrameImage().pixel(51, kBottom), qRgb(255, 0, 0));

    chart.SetSuppressPaint(true);
    c1.SetPosX(2);
    chart.SetSuppressPaint(false);
    chart.SetAutoRedraw(false);
    const int before = chart.paints;
    c1.SetPosX(3);
    EXPECT_EQ(chart.paints, before);
}

TEST(RChartMouse, PanningKeepsTheGrabbedPointUnderThePointer) {
    MouseChart chart(133, 180);
    chart.SetMouseAction(maPan);
    int zoomPans = 0;
    chart.SetOnZoomPan([&](QObject*) { ++zoomPans; });
    const QPoint start(200, 150);
    double gx = 0, gy = 0;
    chart.PixelToData(1, start.x(), start.y(), gx, gy);

    chart.press(start);
    chart.drag(start);
    for (QPoint p : {QPoint(230, 130), QPoint(310, 90), QPoint(120, 300), QPoint(kRight, 20)}) {
        chart.drag(p);
        EXPECT_EQ(chart.DataToPixel(1, gx, gy), p);
    }
    EXPECT_EQ(zoomPans, 4);
    // Moves outside the data area are ignored; the drag ends with the button.
    chart.drag({kRight + 10, 20});
    EXPECT_EQ(chart.DataToPixel(1, gx, gy), QPoint(kRight, 20));
    chart.release({kRight, 20});
    chart.move({300, 300});
    EXPECT_EQ(zoomPans, 4);
    EXPECT_EQ(chart.DataToPixel(1, gx, gy), QPoint(kRight, 20));
}

TEST(RChartMouse, PanningOneAxisAndLogarithmicAxes) {
    MouseChart chart(1000, 386);
    chart.Scale1X()->SetRangeLow(1);
    chart.Scale1X()->SetLogarithmic(true);
    chart.SetMouseAction(maPanHoriz);
    chart.drag({200, 200});
    chart.drag({200 + 253, 100});
    // Half the width to the right divides both bounds by 1000^(1/2) on a logarithmic axis.
    EXPECT_NEAR(chart.Scale1X()->RangeLow(), 1 / std::sqrt(1000.0), 1e-12);
    EXPECT_NEAR(chart.Scale1X()->RangeHigh(), std::sqrt(1000.0), 1e-9);
    expectRange(*chart.Scale1Y(), 0, 386);
    chart.release({453, 100});

    chart.SetMouseAction(maPanVert);
    chart.drag({300, 200});
    chart.drag({100, 250});
    EXPECT_NEAR(chart.Scale1X()->RangeHigh(), std::sqrt(1000.0), 1e-9);
    expectRange(*chart.Scale1Y(), 50, 436);
    // Only mouse-affected layers move.
    expectRange(*chart.Scale2Y(), 0, 1);
}

TEST(RChartMouse, ZoomWindowOrientationFollowsTheDrag) {
    MouseChart chart;
    chart.SetMouseAction(maZoomWind);
    int zoomPans = 0;
    chart.SetOnZoomPan([&](QObject*) { ++zoomPans; });
    const int paints = chart.paints;
    // From bottom right to top left: x runs backwards, y forwards.
    chart.dragRectangle({250, 300}, {150, 100});
    expectRange(*chart.Scale1X(), 200, 100);
    expectRange(*chart.Scale1Y(), 106, 306);
    EXPECT_EQ(zoomPans, 1);
    EXPECT_EQ(chart.paints, paints + 1);

    MouseChart kept;
    kept.SetMouseAction(maZoomWindPos);
    kept.dragRectangle({250, 100}, {150, 300});
    expectRange(*kept.Scale1X(), 100, 200);
    expectRange(*kept.Scale1Y(), 106, 306);
}

TEST(RChartMouse, ZoomWindowClampsRefusesNarrowRangesAndIgnoresEmptyOrOutsideDrags) {
    MouseChart chart;
    chart.SetMouseAction(maZoomWindPos);
    int zoomPans = 0;
    chart.SetOnZoomPan([&](QObject*) { ++zoomPans; });
    // Released beyond the corner: the rectangle ends on the data area's edge.
    chart.dragRectangle({456, 306}, {700, 500});
    expectRange(*chart.Scale1X(), 406, 506);
    expectRange(*chart.Scale1Y(), 0, 100);

    // Narrower than MinRange in x: x stays, y zooms.
    chart.Scale1X()->SetMinRange(50);
    chart.dragRectangle({460, 400}, {480, 300});
    expectRange(*chart.Scale1X(), 406, 506);
    EXPECT_NEAR(chart.Scale1Y()->RangeLow(), 0 + 6.0 * 100 / 386, 1e-9);
    EXPECT_EQ(zoomPans, 2);

    // A press outside the data area starts nothing; a zero-height rectangle changes nothing.
    chart.dragRectangle({20, 100}, {300, 300});
    chart.dragRectangle({100, 200}, {300, 200});
    EXPECT_EQ(zoomPans, 2);
    expectRange(*chart.Scale1X(), 406, 506);
}

TEST(RChartMouse, RubberBandReportsEveryAffectedLayerAndChangesNothing) {
    MouseChart chart;
    chart.Scale2X()->SetRangeHigh(1012);
    chart.Scale2Y()->SetRangeLow(386);
    chart.Scale2Y()->SetRangeHigh(0);
    chart.SetMouseAffectsLayer(2, true);
    chart.SetMouseAffectsLayer(17, true);
    EXPECT_FALSE(chart.MouseAffectsLayer(17));
    chart.SetMouseAction(maRubberBand);
    QStringList reports;
    chart.SetOnRubberBand([&](QObject* sender, int layer, double loX, double loY, double hiX, double hiY) {
        EXPECT_EQ(sender, &chart);
        reports << QStringLiteral("%1: %2 %3 %4 %5").arg(layer).arg(loX).arg(loY).arg(hiX).arg(hiY);
    });
    chart.dragRectangle({250, 100}, {150, 300});
    // Each range runs the way the layer's axis runs.
    EXPECT_EQ(reports, QStringList({"1: 100 106 200 306", "2: 200 280 400 80"}));
    expectRange(*chart.Scale1X(), 0, 506);
}

TEST(RChartMouse, IsometricRectangleIsSquareAndItsYRangeFollowsX) {
    MouseChart chart;
    chart.SetIsometric(true);
    chart.SetMouseAction(maRubberBand);
    double loX = 0, loY = 0, hiX = 0, hiY = 0;
    chart.SetOnRubberBand([&](QObject*, int, double lx, double ly, double hx, double hy) {
        loX = lx;
        loY = ly;
        hiX = hx;
        hiY = hy;
    });
    double x = 0, yTop = 0, yBottom = 0;
    chart.PixelToData(1, 100, 100, x, yTop);
    chart.PixelToData(1, 150, 150, x, yBottom);
    // The pointer spans 100 x 50 pixels; the square takes the shorter side.
    chart.dragRectangle({100, 100}, {200, 150});
    EXPECT_NEAR(loX, 50, 1e-9);
    EXPECT_NEAR(hiX, x, 1e-9);
    // y is centred on the rectangle and as long as x, scaled by the data area's proportions.
    const double centre = (yTop + yBottom) / 2;
    const double half = (hiX - loX) * (386 + 1) / (506 + 1) / 2;
    EXPECT_NEAR(loY, centre - half, 1e-9);
    EXPECT_NEAR(hiY, centre + half, 1e-9);
}

TEST(RChartMouse, RectangleOutlineIsInvertedOnTheScreenAndAlwaysErased) {
    MouseChart chart;
    chart.SetMouseAction(maZoomWind);
    const QImage frame = chart.FrameImage();
    chart.press({100, 100});
    chart.drag({200, 150});
    QImage screen = chart.ScreenImage();
    // White data area under the outline turns black; inside and outside stay.
    EXPECT_EQ(screen.pixel(100, 100), qRgb(0, 0, 0));
    EXPECT_EQ(screen.pixel(200, 150), qRgb(0, 0, 0));
    EXPECT_EQ(screen.pixel(150, 125), qRgb(255, 255, 255));
    EXPECT_EQ(screen.pixel(201, 151), qRgb(255, 255, 255));
    // That is what the widget paints.
    EXPECT_EQ(chart.grab().toImage().pixel(200, 150), qRgb(0, 0, 0));
    chart.drag({160, 130});
    screen = chart.ScreenImage();
    EXPECT_EQ(screen.pixel(200, 150), qRgb(255, 255, 255));
    EXPECT_EQ(screen.pixel(160, 130), qRgb(0, 0, 0));
    // Another button's release erases it and ends the drag without zooming.
    chart.release({160, 130}, Qt::RightButton);
    EXPECT_EQ(chart.ScreenImage(), frame);
    expectRange(*chart.Scale1X(), 0, 506);

    // A repaint during the drag leaves nothing behind either, nor does a change of action.
    chart.press({100, 100});
    chart.drag({200, 150});
    chart.CrossHair1()->SetMode(chBoth);
    EXPECT_EQ(chart.ScreenImage().pixel(200, 150), qRgb(0, 0, 0));
    chart.SetMouseAction(maZoomWindPos);
    EXPECT_EQ(chart.ScreenImage(), chart.FrameImage());
    chart.release({200, 150});
    expectRange(*chart.Scale1X(), 0, 506);
}

TEST(RChartMouse, ZoomDragScalesAboutTheCentre) {
    MouseChart chart;
    chart.SetMouseAction(maZoomDrag);
    chart.drag({200, 200});
    chart.drag({228, 200});
    // fx = 1 - 28 / 576; fy = 1.
    const double half = 253 * (1 - 28.0 / 576);
    expectRange(*chart.Scale1X(), 253 - half, 253 + half);
    expectRange(*chart.Scale1Y(), 0, 386);
    chart.drag({200, 289});
    // Measured from the start again: fx = 1, fy = 89 / 446 + 1.
    expectRange(*chart.Scale1X(), 0, 506);
    expectRange(*chart.Scale1Y(), 193 - 193 * (89.0 / 446 + 1), 193 + 193 * (89.0 / 446 + 1));
}

TEST(RChartMouse, CrossHairDragPicksTheNearestAndMovesIt) {
    MouseChart chart;
    chart.SetMouseAction(maDragCrossH);
    TCrossHair* moved = nullptr;
    chart.SetOnCrossHairMove([&](QObject*, TCrossHair* c) { moved = c; });
    chart.CrossHair1()->SetMode(chVert);
    chart.CrossHair1()->SetPosX(100); // x = 150
    chart.CrossHair2()->SetMode(chHoriz);
    chart.CrossHair2()->SetPosY(300); // y = 106
    chart.CrossHair3()->SetLayer(1);
    chart.CrossHair3()->SetMode(chBoth);
    chart.CrossHair3()->SetPosX(400);
    chart.CrossHair3()->SetPosY(200); // (450, 206)

    chart.drag({160, 300}); // 10 from crosshair 1, 194 from 2, 94 from 3
    EXPECT_EQ(moved, nullptr);
    chart.drag({170, 250});
    EXPECT_EQ(moved, chart.CrossHair1());
    EXPECT_NEAR(chart.CrossHair1()->PosX(), 120, 1e-9);
    EXPECT_NEAR(chart.CrossHair1()->PosY(), 156, 1e-9);
    chart.release({170, 250});

    chart.drag({300, 200}); // 6 from crosshair 3's horizontal line
    chart.drag({310, 210});
    EXPECT_EQ(moved, chart.CrossHair3());
    EXPECT_NEAR(chart.CrossHair3()->PosX(), 260, 1e-9);
    chart.release({310, 210});

    for (int i = 1; i <= 4; ++i)
        chart.CrossHair(i)->SetMode(chOff);
    chart.drag({400, 400});
    chart.drag({401, 400});
    EXPECT_EQ(moved, chart.CrossHair1());
}

TEST(RChartMouse, LabelDragPicksTheNearestShownLabel) {
    MouseChart chart;
    chart.SetMouseAction(maDragLabel);
    TTextLabel* moved = nullptr;
    chart.SetOnTextLabelMove([&](QObject*, TTextLabel* l) { moved = l; });
    for (int i : {2, 5}) {
        chart.TextLabel(i)->SetMode(tlSimple);
        chart.TextLabel(i)->SetVisible(true);
    }
    chart.TextLabel(2)->SetPosX(100);
    chart.TextLabel(5)->SetPosX(300);
    chart.drag({300, 400});
    chart.drag({320, 380});
    EXPECT_EQ(moved, chart.TextLabel(5));
    EXPECT_NEAR(chart.TextLabel(5)->PosX(), 270, 1e-9);
    EXPECT_NEAR(chart.TextLabel(5)->PosY(), 26, 1e-9);
}

TEST(RChartMouse, DoubleClickPressIsIgnored) {
    MouseChart chart;
    chart.SetMouseAction(maZoomWind);
    int downs = 0;
    int doubles = 0;
    chart.SetOnMouseDown([&](QObject*, TMouseButton button, TShiftState, int, int) {
        EXPECT_EQ(button, mbLeft);
        ++downs;
    });
    chart.SetOnDblClick([&](QObject*) { ++doubles; });
    chart.press({100, 100});
    chart.release({100, 100});
    chart.doubleClick({100, 100});
    // Had the double click's press counted, this drag would zoom.
    chart.drag({200, 200});
    chart.release({200, 200});
    EXPECT_EQ(downs, 1);
    EXPECT_EQ(doubles, 1);
    expectRange(*chart.Scale1X(), 0, 506);
    EXPECT_EQ(chart.ScreenImage(), chart.FrameImage());

    // The press after that is an ordinary one again.
    chart.dragRectangle({100, 100}, {200, 200});
    EXPECT_EQ(downs, 2);
    expectRange(*chart.Scale1X(), 50, 150);
}

TEST(RChartMouse, EnterLeaveAndKeysAskedFor) {
    MouseChart chart;
    int enters = 0;
    int leaves = 0;
    chart.SetOnMouseEnter([&](QObject*) { ++enters; });
    chart.SetOnMouseLeave([&](QObject*) { ++leaves; });
    QEnterEvent enter(QPointF(10, 10), QPointF(10, 10), QPointF(10, 10));
    QCoreApplication::sendEvent(&chart, &enter);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&chart, &leave);
    EXPECT_EQ(enters, 1);
    EXPECT_EQ(leaves, 1);

    QList<int> keys;
    chart.SetOnKeyDown([&](QObject*, int& key, TShiftState) { keys << key; });
    for (int key : {int(Qt::Key_Tab), int(Qt::Key_Left), int(Qt::Key_Down), int(Qt::Key_A)}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(&chart, &press);
        // The chart keeps the keys it asks for; others go on to its parent.
        EXPECT_EQ(press.isAccepted(), key != Qt::Key_A) << key;
    }
    EXPECT_EQ(keys, QList<int>({Qt::Key_Tab, Qt::Key_Left, Qt::Key_Down, Qt::Key_A}));
}

TEST(RChartMouse, EventsAndPropertiesBindByName) {
    MouseChart chart;
    EXPECT_TRUE(chart.setProperty("MouseAction", QStringLiteral("maZoomWindPos")));
    EXPECT_EQ(chart.MouseAction(), maZoomWindPos);
    EXPECT_TRUE(chart.setProperty("MouseCursorFixed", false));
    EXPECT_FALSE(chart.MouseCursorFixed());

    MoveReport r;
    const std::function<void(QObject*, bool, TShiftState, double, double)> handler =
        [&r](QObject*, bool inChart, TShiftState, double x, double) {
            r.inChart = inChart;
            r.x = x;
        };
    EXPECT_TRUE(chart.PublishedEvents().bind("OnMouseMoveInChart", std::any(handler)));
    EXPECT_FALSE(chart.PublishedEvents().bind("OnMouseMoveInChart", std::any(TNotifyEvent())));
    for (const char* name : {"OnMouseEnter", "OnMouseLeave", "OnZoomPan", "OnRubberBand", "OnCrossHairMove",
                             "OnTextLabelMove", "OnMouseDown", "OnMouseUp", "OnMouseMove", "OnDblClick"})
        EXPECT_TRUE(chart.PublishedEvents().contains(name)) << name;
    chart.move({kRight, 30});
    EXPECT_TRUE(r.inChart);
    EXPECT_NEAR(r.x, 506, 1e-9);
}
