#include "recordingchart.h"
#include "scalerange.h"

#include <gtest/gtest.h>

#include <cmath>

using enum Graphics::TAlignment;
using enum RChartLayout::TCaptionAnchorHoriz;
using enum RChartLayout::TCaptionAnchorVert;
using enum RChartLayout::TrcLayout;
using enum ScaleEnums::TScaleLocationHoriz;
using enum ScaleEnums::TScaleLocationVert;
using enum ScaleEnums::TScaleType;

namespace {

// The main window's chart: 576 x 446 with the default layout's margins 50, 20, 20, 40.
void makeTripChart(TRChart& chart) {
    chart.SetBounds(0, 41, 576, 446);
    chart.Scale1X()->SetRangeHigh(133);
    chart.Scale1Y()->SetRangeHigh(180);
}

} // namespace

TEST(RChartLayers, TripRangesMapOntoTheDataArea) {
    RecordingChart chart;
    makeTripChart(chart);
    EXPECT_EQ(chart.DataToPixel(1, 0, 0), QPoint(50, 406));
    EXPECT_EQ(chart.DataToPixel(1, 133, 180), QPoint(556, 20));
    double x = 0, y = 0;
    chart.PixelToData(1, 556, 20, x, y);
    EXPECT_NEAR(x, 133, 1e-9);
    EXPECT_NEAR(y, 180, 1e-9);
    // Layer numbers outside 1..16 use the nearest layer.
    EXPECT_EQ(chart.DataToPixel(0, 133, 180), QPoint(556, 20));
    EXPECT_EQ(chart.DataToPixel(17, 0, 0), chart.DataToPixel(16, 0, 0));

    chart.Scale1X()->SetRangeLow(1);
    chart.Scale1X()->SetLogarithmic(true);
    EXPECT_EQ(chart.DataToPixel(1, 0, 0).x(), 0);
    EXPECT_EQ(chart.DataToPixel(1, 1, 0).x(), 50);
}

TEST(RChartLayers, MarginsShadowAndMinimumSize) {
    RecordingChart chart;
    makeTripChart(chart);
    chart.SetShadowWidth(40);
    EXPECT_EQ(chart.ShadowWidth(), 32);
    EXPECT_EQ(chart.DataToPixel(1, 133, 0), QPoint(556 - 32, 406 - 32));
    chart.SetShadowWidth(-3);
    EXPECT_EQ(chart.ShadowWidth(), 0);

    EXPECT_TRUE(chart.setProperty("LRim", 60));
    EXPECT_EQ(chart.MarginLeft(), 60);
    EXPECT_EQ(chart.property("MarginLeft").toInt(), 60);
    EXPECT_EQ(chart.DataToPixel(1, 0, 0).x(), 60);
    chart.SetMarginBottom(50);
    EXPECT_EQ(chart.property("BRim").toInt(), 50);
    EXPECT_EQ(chart.DataToPixel(1, 0, 0).y(), 446 - 50);

    chart.SetShadowWidth(10);
    chart.SetBounds(0, 0, 10, 10);
    EXPECT_EQ(chart.Width(), 60 + 20 + 10 + 80);
    EXPECT_EQ(chart.Height(), 20 + 50 + 10 + 20);
}

TEST(RChartLayers, LayersHaveTheirDefaultsAndNamedScaleControls) {
    RecordingChart chart;
    EXPECT_EQ(chart.Width(), 280);
    EXPECT_EQ(chart.Height(), 200);
    EXPECT_EQ(chart.FindComponent(QStringLiteral("RC_FScale_X_1")), chart.ScaleControlX(1));
    EXPECT_EQ(chart.FindComponent(QStringLiteral("RC_FScale_Y_16")), chart.ScaleControlY(16));
    EXPECT_EQ(chart.ScaleX(0), chart.ScaleX(1));
    EXPECT_EQ(chart.ScaleY(17), chart.ScaleY(1));
    EXPECT_EQ(chart.property("Scale3Y").value<TScalePropsVert*>(), chart.ScaleY(3));

    // Layers beyond the layout keep their defaults: even layers at the top and right, stepped out.
    const TScalePropsHoriz& x6 = *chart.ScaleX(6);
    const TScalePropsVert& y6 = *chart.ScaleY(6);
    EXPECT_EQ(x6.ScaleLocation(), slTop);
    EXPECT_EQ(x6.ScalePos(), 60);
    EXPECT_EQ(y6.ScaleLocation(), slRight);
    EXPECT_EQ(y6.ScalePos(), 100);
    EXPECT_EQ(x6.ColorScale(), clPurple);
    EXPECT_EQ(chart.ScaleX(9)->ScaleLocation(), slBottom);
    EXPECT_EQ(chart.ScaleX(9)->ScalePos(), 120);
    EXPECT_EQ(chart.ScaleY(16)->ColorScale(), clWhite);
    EXPECT_FALSE(x6.Visible());
}

TEST(RChartLayers, ScaleControlsPutTheirAxisOnTheDataAreaEdge) {
    RecordingChart chart; // 280 x 200, margins 50, 20, 20, 40
    chart.SetShadowWidth(5);
    const TScale& x1 = *chart.ScaleControlX(1);
    EXPECT_EQ(x1.Width(), 280);
    EXPECT_EQ(x1.ScaleType(), sctXT);
    EXPECT_EQ(x1.MarginTop(), 200 - 40 - 5);
    EXPECT_EQ(x1.MarginLeft(), 50);
    EXPECT_EQ(x1.MarginRight(), 20 + 5 - 1);
    const TScale& y1 = *chart.ScaleControlY(1);
    EXPECT_EQ(y1.ScaleType(), sctYR);
    EXPECT_EQ(y1.MarginRight(), 280 - 50 - 1);
    EXPECT_EQ(y1.MarginTop(), 20);
    EXPECT_EQ(y1.MarginBottom(), 40 + 5 - 1);
    // Scales on the far sides, moved out by ScalePos.
    EXPECT_EQ(chart.ScaleControlX(6)->ScaleType(), sctXB);
    EXPECT_EQ(chart.ScaleControlX(6)->MarginBottom(), 60 + 200 - 20 - 1);
    EXPECT_EQ(chart.ScaleControlY(6)->ScaleType(), sctYL);
    EXPECT_EQ(chart.ScaleControlY(6)->MarginLeft(), 100 + 280 - 20 - 5);
    EXPECT_TRUE(chart.ScaleControlX(1)->Visible());
    EXPECT_FALSE(chart.ScaleControlX(2)->Visible());

    chart.Scale1X()->SetCaption(QStringLiteral("BF_Time [min]"));
    EXPECT_EQ(x1.Caption(), QStringLiteral("BF_Time [min]"));
}

TEST(RChartLayers, RangesNarrowerThanMinRangeOrBelowTheLogLimitAreRefused) {
    RecordingChart chart;
    chart.SetRanges(1, 0, 133, 0, 180);
    expectRange(*chart.Scale1X(), 0, 133);
    expectRange(*chart.Scale1Y(), 0, 180);
    chart.Scale1X()->SetMinRange(1);
    chart.SetRanges(1, 5, 5.5, 10, 20);
    expectRange(*chart.Scale1X(), 0, 133);
    expectRange(*chart.Scale1Y(), 10, 20);

    chart.SetRanges(2, 1, 100, 0, 1);
    chart.Scale2X()->SetLogarithmic(true);
    chart.SetRanges(2, 0, 1000, 0, 1);
    expectRange(*chart.Scale2X(), 1, 1000);
    // The control follows the settings.
    EXPECT_EQ(chart.ScaleControlX(2)->RangeHigh(), 1000);
    EXPECT_EQ(chart.DataToPixel(2, 1000, 0).x(), chart.Width() - chart.MarginRight());
}

TEST(RChartLayers, SettingRangesPaintsOnceWhenNotSuppressed) {
    RecordingChart chart;
    chart.SetSuppressPaint(false);
    const int before = chart.paints;
    chart.SetRanges(1, 0, 10, 0, 10);
    EXPECT_EQ(chart.paints, before + 1);
    EXPECT_FALSE(chart.SuppressPaint());
    chart.SetSuppressPaint(true);
    chart.SetRanges(1, 0, 20, 0, 20);
    EXPECT_TRUE(chart.SuppressPaint());
}

TEST(RChartLayers, JoinedLayersFollowTheirController) {
    RecordingChart chart;
    chart.SetRanges(1, 0, 133, 0, 180);
    chart.SetRanges(3, -1, 1, -2, 2);
    chart.JointLayers()->SetL03xControlledBy(1);
    expectRange(*chart.Scale3X(), 0, 133);
    expectRange(*chart.Scale3Y(), -2, 2);

    chart.SetRanges(1, 10, 20, 30, 40);
    expectRange(*chart.Scale3X(), 10, 20);
    expectRange(*chart.Scale3Y(), -2, 2);

    // A joined axis is not moved by itself; its free axis is.
    chart.SetRanges(3, 50, 60, 5, 6);
    expectRange(*chart.Scale3X(), 10, 20);
    expectRange(*chart.Scale3Y(), 5, 6);

    // Changes made to the controlling settings from outside reach the joined layer too.
    chart.Scale1X()->SetRangeHigh(99);
    expectRange(*chart.Scale3X(), 10, 99);
    EXPECT_EQ(chart.DataToPixel(3, 99, 5),
              QPoint(chart.DataToPixel(1, 99, 0).x(), chart.DataToPixel(3, 0, 5).y()));

    TJointLayers copy;
    copy.SetL05yControlledBy(2);
    chart.setProperty("JointLayers", QVariant::fromValue(&copy));
    EXPECT_EQ(chart.JointLayers()->L05yControlledBy(), 2);
    EXPECT_EQ(chart.JointLayers()->L03xControlledBy(), 3);
}

TEST(RChartLayers, IsometricCorrectionMatchesTheUnitLengths) {
    RecordingChart chart; // data area 210 x 140
    chart.SetRanges(1, 0, 10, 0, 10);
    chart.SetIsometric(true);
    const double h = 10.0 * 141 / 211 / 2;
    expectRange(*chart.Scale1Y(), 5 - h, 5 + h);
    const QPoint origin = chart.DataToPixel(1, 0, 0);
    const QPoint unit = chart.DataToPixel(1, 5, 5);
    EXPECT_NEAR(unit.x() - origin.x(), origin.y() - unit.y(), 1);

    // Switching it off leaves the ranges; resizing with it on corrects again.
    chart.SetIsometric(false);
    expectRange(*chart.Scale1Y(), 5 - h, 5 + h);
    chart.SetIsometric(true);
    chart.SetBounds(0, 0, 280, 270);
    const double h2 = 10.0 * 211 / 211 / 2;
    expectRange(*chart.Scale1Y(), 5 - h2, 5 + h2);
}

TEST(RChartLayers, StandardLayoutsSetMarginsCaptionsAndScales) {
    RecordingChart chart;
    chart.SetStandardLayout(rcl_X2Both_Y2Both);
    EXPECT_EQ(chart.MarginLeft(), 50);
    EXPECT_EQ(chart.MarginRight(), 50);
    EXPECT_EQ(chart.MarginTop(), 48);
    EXPECT_EQ(chart.MarginBottom(), 40);
    EXPECT_EQ(chart.CaptionPosY(), -46);
    EXPECT_EQ(chart.CaptionAlignment(), taCenter);
    EXPECT_EQ(chart.CaptionAnchorHoriz(), cahChartCenter);
    EXPECT_EQ(chart.CaptionAnchorVert(), cavChartTop);

    const TScalePropsHoriz& x2 = *chart.Scale2X();
    EXPECT_TRUE(x2.Visible());
    EXPECT_EQ(x2.ScaleLocation(), slTop);
    EXPECT_EQ(x2.CaptionPosX(), -20);
    EXPECT_EQ(x2.CaptionPosY(), -24);
    EXPECT_EQ(x2.CaptionAlignment(), taRightJustify);
    EXPECT_EQ(chart.Scale2Y()->ScaleLocation(), slRight);
    EXPECT_EQ(chart.Scale2Y()->CaptionAlignment(), taLeftJustify);
    EXPECT_FALSE(chart.Scale3Y()->Visible());
    EXPECT_EQ(chart.Scale3Y()->CaptionPosY(), -23);
    EXPECT_FALSE(chart.ScaleX(5)->Visible());
    EXPECT_EQ(chart.ScaleControlX(2)->ScaleType(), sctXB);
    EXPECT_TRUE(chart.ScaleControlX(2)->Visible());

    chart.SetStandardLayout(rcl_X1Bottom_Y4Left);
    EXPECT_EQ(chart.MarginLeft(), 200);
    EXPECT_FALSE(chart.Scale2X()->Visible());
    EXPECT_EQ(chart.Scale4Y()->ScalePos(), 150);
    EXPECT_EQ(chart.Scale4Y()->ScaleLocation(), slLeft);
    EXPECT_EQ(chart.ScaleControlY(4)->MarginRight(), 150 + chart.Width() - 200 - 1);
}
