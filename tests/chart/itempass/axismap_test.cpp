#include "chart/itempass/axismap.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// The main window's chart: 576 x 446, margins 50, 20, 20, 40.
ChartGeometry mainWindowGeometry() {
    ChartGeometry g;
    g.Width = 576;
    g.Height = 446;
    g.MarginLeft = 50;
    g.MarginRight = 20;
    g.MarginTop = 20;
    g.MarginBottom = 40;
    g.ShadowWidth = 0;
    return g;
}

LayerMap tripMap(const ChartGeometry& g) {
    return layerMap(g, {0, 133, false}, {0, 180, false});
}

} // namespace

TEST(ChartGeometry, DataAreaAndMinimumSize) {
    ChartGeometry g = mainWindowGeometry();
    g.ShadowWidth = 10;
    EXPECT_EQ(g.dataWidth(), 576 - 50 - 20 - 10);
    EXPECT_EQ(g.dataHeight(), 446 - 20 - 40 - 10);
    EXPECT_EQ(g.dataRight(), 576 - 20 - 10);
    EXPECT_EQ(g.dataBottom(), 446 - 40 - 10);
    EXPECT_EQ(g.minimumWidth(), 50 + 20 + 10 + 80);
    EXPECT_EQ(g.minimumHeight(), 20 + 40 + 10 + 20);
}

TEST(LayerMap, TripRangesMapOntoTheDataAreaEdges) {
    const LayerMap map = tripMap(mainWindowGeometry());
    EXPECT_EQ(map.X.toPixel(0), 50);
    EXPECT_EQ(map.X.toPixel(133), 556);
    EXPECT_EQ(map.Y.toPixel(180), 20);
    EXPECT_EQ(map.Y.toPixel(0), 446 - 40);
    // 506 pixels over 133 minutes: minute 50 lies at 50 + 190.23 px.
    EXPECT_EQ(map.X.toPixel(50), 240);
    EXPECT_NEAR(static_cast<double>(map.X.toData(556)), 133.0, 1e-12);
    EXPECT_NEAR(static_cast<double>(map.Y.toData(20)), 180.0, 1e-12);
    EXPECT_NEAR(static_cast<double>(map.Y.toData(406)), 0.0, 1e-12);
}

TEST(LayerMap, ReversedRangeMirrorsTheAxis) {
    const LayerMap map = layerMap(mainWindowGeometry(), {133, 0, false}, {180, 0, false});
    EXPECT_EQ(map.X.toPixel(133), 50);
    EXPECT_EQ(map.X.toPixel(0), 556);
    EXPECT_EQ(map.Y.toPixel(0), 20);
}

TEST(LayerMap, PixelsAreRoundedHalfToEvenAfterClamping) {
    ChartGeometry g = mainWindowGeometry();
    g.Width = 50 + 20 + 10; // W = 10: one data unit per pixel on 0..10
    const AxisMap x = layerMap(g, {0, 10, false}, {0, 1, false}).X;
    EXPECT_EQ(x.toPixel(0.5), 50);
    EXPECT_EQ(x.toPixel(1.5), 52);
    EXPECT_EQ(x.toPixel(2.5), 52);
    EXPECT_EQ(x.toPixel(-0.5), 50);
    EXPECT_EQ(x.toPixel(1e300), 2147483647);
    EXPECT_EQ(x.toPixel(-1e300), -2147483647);
    EXPECT_EQ(x.toPixel(std::nan("")), 0);
}

TEST(LayerMap, LogarithmicAxesPinValuesAtOrBelowTheirLimit) {
    const ChartGeometry g = mainWindowGeometry();
    const LayerMap up = layerMap(g, {1, 1000, true}, {1, 100, true});
    EXPECT_EQ(up.X.toPixel(0), 0);
    EXPECT_EQ(up.X.toPixel(-5), 0);
    EXPECT_EQ(up.X.toPixel(1), 50);
    EXPECT_EQ(up.X.toPixel(1000), 556);
    EXPECT_EQ(up.X.toPixel(std::sqrt(1000.0)), 303);
    EXPECT_EQ(up.Y.toPixel(0), 446);
    EXPECT_EQ(up.Y.toPixel(10), (20 + 406) / 2);
    EXPECT_NEAR(static_cast<double>(up.X.toData(303)), std::sqrt(1000.0), 0.1);

    const LayerMap down = layerMap(g, {1000, 1, true}, {100, 1, true});
    EXPECT_EQ(down.X.toPixel(1e-100), 576);
    EXPECT_EQ(down.Y.toPixel(0), 0);
}

TEST(LayerMap, EmptyDataAreaMapsEverythingToTheMiddle) {
    ChartGeometry g = mainWindowGeometry();
    g.Width = 60;
    g.Height = 41;
    const LayerMap map = tripMap(g);
    EXPECT_EQ(map.X.K, 0);
    EXPECT_EQ(map.Y.K, 0);
    EXPECT_EQ(map.X.toPixel(-7), 30);
    EXPECT_EQ(map.X.toPixel(500), 30);
    EXPECT_EQ(map.Y.toPixel(3), 20); // 20.5 rounds to even
    EXPECT_EQ(map.X.toData(12), 0);
}

TEST(PaintClamp, KeepsPixelsWithinDrawableCoordinates) {
    EXPECT_EQ(paintClamp(2147483647), 30000);
    EXPECT_EQ(paintClamp(-40000), -30000);
    EXPECT_EQ(paintClamp(123), 123);
}

TEST(RangeRequest, NarrowPairsAndTinyLogarithmicBoundsAreRefused) {
    EXPECT_EQ(acceptedBounds(0, 10, 1e-10, false), (BoundsUpdate{true, true}));
    EXPECT_EQ(acceptedBounds(5, 5, 1e-10, false), (BoundsUpdate{false, false}));
    EXPECT_EQ(acceptedBounds(0, 0.5, 1, false), (BoundsUpdate{false, false}));
    EXPECT_EQ(acceptedBounds(1, 0, 1, false), (BoundsUpdate{true, true}));
    EXPECT_EQ(acceptedBounds(0, 100, 1e-10, true), (BoundsUpdate{false, true}));
    EXPECT_EQ(acceptedBounds(1e-100, 1e-99, 1e-120, true), (BoundsUpdate{true, true}));
    EXPECT_EQ(acceptedBounds(1e-200, 1, 1e-10, true), (BoundsUpdate{false, true}));
    EXPECT_EQ(acceptedBounds(std::nan(""), 1, 1e-10, false), (BoundsUpdate{false, false}));
}

TEST(Isometric, YRangeIsCentredAndScaledToTheXRange) {
    // W = 100, H = 50: the y span becomes (10 x 51 / 101) around the old centre 5.
    const AxisRange y = isometricYRange({0, 10, false}, {0, 10, false}, 100, 50, 1, 1);
    const double h = 10.0 * 51 / 101 / 2;
    EXPECT_DOUBLE_EQ(y.Low, 5 - h);
    EXPECT_DOUBLE_EQ(y.High, 5 + h);
    const AxisRange tall = isometricYRange({0, 10, false}, {0, 10, false}, 100, 50, 1, 2);
    EXPECT_DOUBLE_EQ(tall.High - tall.Low, 4 * h);
    // A data area without pixels leaves the range as it is.
    const AxisRange none = isometricYRange({0, 10, false}, {2, 3, false}, -1, 50, 1, 1);
    EXPECT_EQ(none.Low, 2);
    EXPECT_EQ(none.High, 3);
}
