#include "../painttestutil.h"
#include "recordingchart.h"

#include "platform/graphics/colorresolve.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPalette>
#include <QRect>

#include <any>
#include <cmath>

using enum BakGnd::TBakGndAreaMode;
using enum Graphics::TAlignment;
using enum Graphics::TBrushStyle;
using enum Graphics::TPenStyle;
using enum RChart::TGridStyle;
using enum RChart::TShadowStyle;
using enum RChart::TTextBkStyle;
using enum RChartLayout::TCaptionAnchorHoriz;
using enum RChartLayout::TCaptionAnchorVert;
using enum ScaleEnums::TScaleUnitAnchor;
using enum VrxBase::TCrossHairMode;
using enum VrxBase::TTextLabelMode;

namespace {

// The main window's chart, painting: 576 x 446, x 0..133, y 0..180.
struct TripChart {
    RecordingChart chart;
    int scalesRendered = 0;
    int dataRendered = 0;
    TripChart() {
        chart.SetBounds(0, 0, 576, 446);
        chart.Scale1X()->SetRangeHigh(133);
        chart.Scale1Y()->SetRangeHigh(180);
        chart.Scale1X()->SetVisible(true);
        chart.Scale1Y()->SetVisible(true);
        chart.SetOnScalesRendered([this](QObject*, TCanvas*&, int, int) { ++scalesRendered; });
        chart.SetOnDataRendered([this](QObject*, TCanvas*&, int, int) { ++dataRendered; });
        chart.SetSuppressPaint(false);
    }
    QPoint inData(double x, double y) const { return chart.DataToPixel(1, x, y) - QPoint(50, 20); }
};

} // namespace

TEST(RChartPaint, EmptyChartShowsWindowColourScalesAndFramedDataArea) {
    TripChart t;
    const QImage& frame = t.chart.FrameImage();
    ASSERT_EQ(frame.size(), QSize(576, 446));
    EXPECT_EQ(frame.pixel(5, 5), rgb(clBtnFace));
    EXPECT_EQ(frame.pixel(300, 200), rgb(clWhite));
    // Data-area frame: corners and edges at 50..556 x 20..406.
    for (QPoint p : {QPoint(50, 20), QPoint(556, 20), QPoint(556, 406), QPoint(50, 406), QPoint(300, 20),
                     QPoint(50, 200), QPoint(556, 300), QPoint(300, 406)})
        EXPECT_EQ(frame.pixel(p), rgb(clBlack)) << p.x() << "," << p.y();
    EXPECT_EQ(frame.pixel(557, 200), rgb(clBtnFace));
    // The scales drew ticks outside the data area: a long tick below x = 0 at the bottom.
    EXPECT_EQ(frame.pixel(50, 406 + 3), rgb(clBlack));
    EXPECT_EQ(frame.pixel(50 - 3, 20), rgb(clBlack));
    // What went to the screen is the composed frame.
    EXPECT_EQ(t.chart.grab().toImage().convertToFormat(QImage::Format_RGB32), frame);
}

TEST(RChartPaint, SuppressedChartPaintsNothingAndOnceWhenReleased) {
    TripChart t;
    EXPECT_EQ(t.scalesRendered, 1);
    t.chart.SetSuppressPaint(true);
    t.chart.ClearItems();
    for (int i = 0; i < 134; ++i)
        t.chart.AddLineTo(i, i);
    t.chart.CrossHair1()->SetMode(chBoth);
    t.chart.SetChartColor(clYellow);
    t.chart.Scale1X()->SetRangeHigh(140);
    EXPECT_EQ(t.scalesRendered, 1);
    EXPECT_EQ(t.dataRendered, 1);
    EXPECT_EQ(t.chart.FrameImage().pixel(300, 200), rgb(clWhite));
    t.chart.SetSuppressPaint(false);
    EXPECT_EQ(t.scalesRendered, 2);
    EXPECT_EQ(t.dataRendered, 2);
    EXPECT_EQ(t.chart.FrameImage().pixel(300, 100), rgb(clYellow));
}

// Clearing the items wipes the data-area bitmap at once when the chart paints, and leaves it to
// the next paint while painting is suppressed; the picture on screen is the same either way.
TEST(RChartPaint, ClearItemsLeavesTheBackgroundToTheNextPaintWhileSuppressed) {
    TripChart t;
    const QPoint at = t.inData(60, 90);
    auto addBox = [&] {
        t.chart.SetDataColor(clRed);
        t.chart.SetLineWidth(9);
        t.chart.AddLine(50, 90, 70, 90);
        t.chart.SetLineWidth(1);
        t.chart.Paint();
    };
    addBox();
    ASSERT_EQ(t.chart.DataAreaImage().pixel(at), rgb(clRed));
    t.chart.ClearItems();
    EXPECT_EQ(t.chart.DataAreaImage().pixel(at), rgb(clWhite));
    EXPECT_EQ(t.chart.FrameImage().pixel(at + QPoint(50, 20)), rgb(clRed)); // the screen is left alone

    addBox();
    t.chart.SetSuppressPaint(true);
    t.chart.ClearItems();
    EXPECT_EQ(t.chart.ItemCount(), 0);
    EXPECT_EQ(t.chart.DataAreaImage().pixel(at), rgb(clRed));
    t.chart.SetSuppressPaint(false);
    EXPECT_EQ(t.chart.DataAreaImage().pixel(at), rgb(clWhite));
    EXPECT_EQ(t.chart.FrameImage().pixel(at + QPoint(50, 20)), rgb(clWhite));
}

TEST(RChartPaint, ItemsAreDrawnThroughTheirLayer) {
    TripChart t;
    t.chart.SetSuppressPaint(true);
    t.chart.SetDataColor(clRed);
    t.chart.AddLineTo(0, 90);
    t.chart.SetDataColor(clBlue);
    t.chart.AddLine(20, 20, 20, 20);
    // The items as drawn, before the data-area frame covers the edges.
    QImage area;
    t.chart.SetOnDataRendered([&](QObject*, TCanvas*& canvas, int, int) { area = canvas->Image().copy(); });
    t.chart.SetSuppressPaint(false);
    // The first point is reached from the data area's top-left corner, down its left edge; the end
    // pixel is left out.
    const QPoint end = t.inData(0, 90);
    EXPECT_EQ(boxOf(area, clRed), QRect(QPoint(0, 0), QPoint(0, end.y() - 1)));
    EXPECT_EQ(countOf(area, clBlue), 1);
    EXPECT_EQ(area.pixel(t.inData(20, 20)), rgb(clBlue));
}

TEST(RChartPaint, CentredTextSitsOnItsPoint) {
    TripChart t;
    t.chart.SetSuppressPaint(true);
    t.chart.SetTextBkStyle(tbSolid);
    t.chart.SetTextBkColor(clYellow);
    t.chart.SetDataColor(clYellow);
    t.chart.AddText(66, 90, 10, QStringLiteral("dt"));
    t.chart.SetSuppressPaint(false);
    TBitmap probe(10, 10);
    probe.Canvas().Font().SetSize(10);
    const QSize extent = probe.Canvas().TextExtent(QStringLiteral("dt"));
    const QPoint at = t.inData(66, 90);
    const QRect cell = boxOf(t.chart.DataAreaImage(), clYellow);
    EXPECT_EQ(cell.left(), at.x() - extent.width() / 2);
    EXPECT_EQ(cell.top(), at.y() - extent.height() / 2);
    EXPECT_EQ(cell.right(), cell.left() + extent.width() - 1);
}

TEST(RChartPaint, CharacterMarksAreCentredLetters) {
    TripChart t;
    t.chart.SetSuppressPaint(true);
    t.chart.SetDataColor(clRed);
    t.chart.AddMark(66, 90, 65);
    t.chart.SetSuppressPaint(false);
    TBitmap probe(t.chart.DataAreaImage().width(), t.chart.DataAreaImage().height());
    TCanvas& c = probe.Canvas();
    c.Brush().Style = bsClear;
    c.Font().SetColor(clRed);
    const QPoint at = t.inData(66, 90);
    c.TextOut(at.x() - c.TextWidth(QStringLiteral("A")) / 2, at.y() - c.TextHeight(QStringLiteral("A")) / 2,
              QStringLiteral("A"));
    const QRect letter = boxOf(probe.Image(), clRed);
    ASSERT_FALSE(letter.isEmpty());
    EXPECT_EQ(boxOf(t.chart.DataAreaImage(), clRed), letter);
    EXPECT_EQ(t.chart.DataAreaImage().copy(letter), probe.Image().copy(letter));
}

TEST(RChartPaint, CaptionAtChartBottomIgnoresTheShadow) {
    TripChart t;
    t.chart.SetSuppressPaint(true);
    t.chart.Scale1X()->SetVisible(false);
    t.chart.Scale1Y()->SetVisible(false);
    t.chart.SetShadowWidth(10);
    t.chart.SetShadowColor(clNavy);
    t.chart.SetShadowBakColor(clYellow);
    t.chart.Font()->SetColor(clRed);
    t.chart.SetCaption(QStringLiteral("Trip"));
    t.chart.SetCaptionAnchorHoriz(cahControlLeft);
    t.chart.SetCaptionAnchorVert(cavChartBottom);
    t.chart.SetCaptionAlignment(taLeftJustify);
    t.chart.SetCaptionPosX(3);
    t.chart.SetCaptionPosY(0);
    t.chart.SetSuppressPaint(false);
    const QImage& frame = t.chart.FrameImage();
    const QRect caption = boxOf(frame, clRed);
    TBitmap probe(10, 10);
    probe.Canvas().Font().Assign(*t.chart.Font());
    const int height = probe.Canvas().TextHeight(QStringLiteral("Trip"));
    EXPECT_GE(caption.top(), 446 - 40);
    EXPECT_LT(caption.bottom(), 446 - 40 + height);
    EXPECT_GE(caption.left(), 3);
    // The flying shadow: corner squares in the background colour, the strip in the shadow colour.
    EXPECT_EQ(frame.pixel(575, 0), rgb(clYellow));
    EXPECT_EQ(frame.pixel(0, 445), rgb(clYellow));
    EXPECT_EQ(frame.pixel(570, 300), rgb(clNavy));
    EXPECT_EQ(frame.pixel(300, 440), rgb(clNavy));
    EXPECT_EQ(frame.pixel(566, 300), rgb(clBlack)); // outline at Width - s
}

TEST(RChartPaint, MissingBackgroundImageIsForgotten) {
    TripChart t;
    t.chart.BackGroundImg()->SetIncludePath(true);
    t.chart.BackGroundImg()->SetName(QStringLiteral("/nonexistent/kyvelo-background.bmp"));
    EXPECT_TRUE(t.chart.BackGroundImg()->Name().isEmpty());
    EXPECT_EQ(t.chart.FrameImage().pixel(300, 200), rgb(clWhite));
}

TEST(RChartPaint, GridLinesAndBackgroundAreaFollowLayerOne) {
    TripChart t;
    t.chart.SetSuppressPaint(true);
    t.chart.SetGridColor(clRed);
    t.chart.SetGridStyle(gsVertLines);
    t.chart.SetGridDx(50);
    t.chart.BackGroundImg()->SetAreaMode(bamVStripe);
    t.chart.BackGroundImg()->SetAreaLeft(100);
    t.chart.BackGroundImg()->SetAreaRight(120);
    t.chart.SetSuppressPaint(false);
    const QImage& area = t.chart.DataAreaImage();
    const int y = t.inData(0, 90).y();
    for (double x : {50.0, 100.0})
        EXPECT_EQ(area.pixel(t.inData(x, 90).x(), y), rgb(clRed)) << x;
    EXPECT_EQ(area.pixel(t.inData(110, 90).x(), y), rgb(kDefaultAreaColor));
    EXPECT_EQ(area.pixel(t.inData(75, 90).x(), y), rgb(clWhite));
}

TEST(RChartPaint, RenderEventsReportTheDataAreaCorner) {
    TripChart t;
    QStringList order;
    // A stored layout binds them by name like the mouse events.
    const TRenderEvent scalesRendered = [&](QObject* sender, TCanvas*&, int top, int left) {
        EXPECT_EQ(sender, &t.chart);
        order << QStringLiteral("scales %1 %2").arg(top).arg(left);
    };
    EXPECT_TRUE(t.chart.PublishedEvents().bind("OnScalesRendered", std::any(scalesRendered)));
    for (const char* name : {"OnBeforeRenderData", "OnDataRendered", "OnScaleTickDrawn"})
        EXPECT_TRUE(t.chart.PublishedEvents().contains(name)) << name;
    t.chart.SetOnBeforeRenderData([&](QObject*, TCanvas*&, int top, int left) {
        order << QStringLiteral("before %1 %2").arg(top).arg(left);
    });
    t.chart.SetOnDataRendered([&](QObject*, TCanvas*&, int top, int left) {
        order << QStringLiteral("data %1 %2").arg(top).arg(left);
    });
    int ticks = 0;
    t.chart.SetOnScaleTickDrawn([&](QObject* sender, TCanvas*&, TScaleType, double, int, int) {
        EXPECT_EQ(sender, &t.chart);
        ++ticks;
    });
    t.chart.Paint();
    EXPECT_EQ(order, (QStringList{QStringLiteral("scales 0 0"), QStringLiteral("before 20 50"),
                                  QStringLiteral("data 20 50")}));
    EXPECT_GT(ticks, 10);
}

TEST(RChartPaint, CrossHairsAndHiddenTextLabels) {
    TripChart t;
    TCrossHair& c = *t.chart.CrossHair1();
    c.SetColor(clRed);
    c.SetPosX(66);
    c.SetPosY(90);
    c.SetMode(chBoth);
    const QPoint at = t.chart.DataToPixel(1, 66, 90);
    EXPECT_EQ(t.chart.FrameImage().pixel(at.x(), 100), rgb(clRed));
    EXPECT_EQ(t.chart.FrameImage().pixel(100, at.y()), rgb(clRed));
    EXPECT_EQ(t.chart.DataAreaImage().pixel(at - QPoint(50, 20)), rgb(clWhite));
    for (int n = 1; n <= TCustomRChart::TextLabelCount; ++n) {
        EXPECT_FALSE(t.chart.TextLabel(n)->Visible());
        EXPECT_EQ(t.chart.TextLabel(n)->Mode(), tlOff);
    }
}

TEST(RChartPaint, ChartWithoutDataAreaPaintsSafely) {
    TripChart t;
    t.chart.SetMarginLeft(1000);
    EXPECT_EQ(t.chart.DataAreaImage().width(), 0);
    EXPECT_EQ(t.chart.DataToPixel(1, 50, 50).x(), 576 / 2);
    t.chart.AddLineTo(std::nan(""), 1e308);
    t.chart.AddText(-1e308, 5, 10, QStringLiteral("far"));
    t.chart.SetGridStyle(gsLines);
    t.chart.Paint();
    EXPECT_EQ(t.chart.FrameImage().size(), QSize(576, 446));
}

TEST(RChartPaint, MainWindowPicture) {
    TripChart t;
    t.chart.SetSuppressPaint(true);
    t.chart.Scale1X()->SetCaption(QStringLiteral("BF_Time [min]"));
    t.chart.Scale1X()->SetCaptionAnchor(uaSclCenter);
    t.chart.Scale1X()->SetCaptionPosY(22);
    t.chart.Scale1Y()->SetCaption(QStringLiteral("BF_Distance [km]"));
    t.chart.Scale1Y()->SetCaptionAlignment(taLeftJustify);
    t.chart.Scale1Y()->SetCaptionPosY(-16);
    t.chart.SetLineWidth(2);
    for (int i = 0; i <= 133; ++i)
        t.chart.AddLineTo(i, i + 7 * std::cos((i + 20) / 20.0) + 8 * std::sin((i + 40) / 11.3) + 10);
    t.chart.SetLineWidth(1);
    t.chart.SetDataColor(clBlue);
    t.chart.AddLine(0, 20, 133, 150);
    t.chart.SetDataColor(clRed);
    t.chart.AddMark(50, 69, 24);
    t.chart.AddMark(110, 119, 24);
    t.chart.AddLine(50, 69, 110, 69);
    t.chart.AddText(80, 64, 10, QStringLiteral("dt"));
    t.chart.AddLine(110, 69, 110, 119);
    t.chart.AddText(113, 94, 10, QStringLiteral("ds"));
    for (int n : {1, 2}) {
        t.chart.CrossHair(n)->SetLayer(1);
        t.chart.CrossHair(n)->SetColor(clGray);
        t.chart.CrossHair(n)->SetLineType(psDot);
        t.chart.CrossHair(n)->SetMode(chBoth);
        t.chart.CrossHair(n)->SetPosX(n == 1 ? 50 : 110);
        t.chart.CrossHair(n)->SetPosY(n == 1 ? 69 : 119);
    }
    t.chart.SetSuppressPaint(false);
    EXPECT_EQ(t.chart.FrameImage().pixel(t.chart.DataToPixel(1, 50, 69)), rgb(clRed));
    EXPECT_TRUE(t.chart.FrameImage().save(outputPath(QStringLiteral("chart_main_window.png"))));
}

TEST(RChartPaint, BoxShadowIsOutlinedInBlack) {
    TripChart t;
    t.chart.SetShadowColor(clNavy);
    t.chart.SetShadowWidth(10);
    EXPECT_EQ(t.chart.FrameImage().pixel(575, 300), rgb(clNavy));
    t.chart.SetShadowStyle(ssBox);
    // The box's polygons end square at the top right and carry a black outline.
    EXPECT_EQ(t.chart.FrameImage().pixel(575, 300), rgb(clBlack));
    EXPECT_EQ(t.chart.FrameImage().pixel(570, 7), rgb(clNavy));
}

TEST(RChartPaint, GridPointsStopAtOneThousand) {
    TripChart t;
    t.chart.Scale1X()->SetVisible(false);
    t.chart.Scale1Y()->SetVisible(false);
    t.chart.SetGridColor(clRed);
    t.chart.SetGridDx(0.5);
    t.chart.SetGridDy(1);
    t.chart.SetGridStyle(gsPoints);
    const int points = countOf(t.chart.DataAreaImage(), clRed);
    EXPECT_LE(points, 1000);
    EXPECT_GT(points, 800); // the column at x = 0 lies under the frame
    // The next column lies at x = 0.5.
    EXPECT_EQ(t.chart.DataAreaImage().pixel(t.inData(0.5, 100)), rgb(clRed));
    t.chart.SetGridDx(-4);
    EXPECT_EQ(t.chart.GridDx(), 0.5);
}

// Drawn at the control's size, the picture covers the control: nothing behind it is drawn first.
// After a resize whose picture is still to come, what lies behind shows as before.
TEST(RChartPaint, ThePictureCoversTheControlOnlyAtItsSize) {
    TripChart t;
    t.chart.show();
    EXPECT_TRUE(t.chart.testAttribute(Qt::WA_OpaquePaintEvent));
    t.chart.SetSuppressPaint(true);
    t.chart.SetBounds(0, 0, 600, 446);
    EXPECT_EQ(t.chart.FrameImage().width(), 576);
    EXPECT_FALSE(t.chart.testAttribute(Qt::WA_OpaquePaintEvent));
    t.chart.SetSuppressPaint(false);
    EXPECT_EQ(t.chart.FrameImage().width(), 600);
    EXPECT_TRUE(t.chart.testAttribute(Qt::WA_OpaquePaintEvent));
}

// The window colour is a system colour: after a new palette the next paint shows it, although the
// frame is otherwise kept between paints.
TEST(RChartPaint, ANewPaletteReachesTheKeptFrame) {
    TripChart t;
    t.chart.SetOnScalesRendered({}); // a handler would have the frame drawn on every paint
    t.chart.Paint();
    const QPalette saved = QApplication::palette();
    QPalette changed = saved;
    changed.setColor(QPalette::Button, QColor(10, 20, 30));
    QApplication::setPalette(changed);
    QCoreApplication::sendPostedEvents();
    t.chart.Paint();
    EXPECT_EQ(t.chart.FrameImage().pixel(5, 5), qRgb(10, 20, 30));
    QApplication::setPalette(saved);
    QCoreApplication::sendPostedEvents();
    t.chart.Paint();
    EXPECT_EQ(t.chart.FrameImage().pixel(5, 5), rgb(clBtnFace));
}
