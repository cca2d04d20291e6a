#include "chart/chartmouse.h"

#include <gtest/gtest.h>

#include <array>

TEST(ChartMouse, DataAreaIncludesBothEdgesAndClampsOntoThem) {
    const TDataArea area{50, 20, 260, 160};
    EXPECT_TRUE(area.Contains({50, 20}));
    EXPECT_TRUE(area.Contains({260, 160}));
    EXPECT_FALSE(area.Contains({261, 100}));
    EXPECT_FALSE(area.Contains({100, 19}));
    EXPECT_EQ(area.Clamped({400, -5}), QPoint(260, 20));
    EXPECT_EQ(area.Clamped({10, 300}), QPoint(50, 160));
    EXPECT_EQ(area.Clamped({70, 80}), QPoint(70, 80));
}

TEST(ChartMouse, PanningShiftsLinearRangesAndScalesLogarithmicOnes) {
    EXPECT_DOUBLE_EQ(panFractionX(100, 142, 210), -0.2);
    EXPECT_DOUBLE_EQ(panFractionY(100, 128, 140), 0.2);
    EXPECT_EQ(panFractionX(100, 142, 0), 0);

    const TAxisRange linear = pannedRange({0, 100, false}, -0.2);
    EXPECT_DOUBLE_EQ(linear.Low, -20);
    EXPECT_DOUBLE_EQ(linear.High, 80);
    // A descending axis moves the other way in data, the same way on the screen.
    const TAxisRange mirrored = pannedRange({100, 0, false}, 0.5);
    EXPECT_DOUBLE_EQ(mirrored.Low, 50);
    EXPECT_DOUBLE_EQ(mirrored.High, -50);

    const TAxisRange log = pannedRange({1, 1000, true}, 1.0 / 3);
    EXPECT_NEAR(log.Low, 10, 1e-12);
    EXPECT_NEAR(log.High, 10000, 1e-9);
    EXPECT_TRUE(log.Logarithmic);
}

TEST(ChartMouse, ZoomDragScalesAboutTheStartCentre) {
    EXPECT_DOUBLE_EQ(zoomDragFactorX(100, 121, 280), 0.925);
    EXPECT_DOUBLE_EQ(zoomDragFactorX(100, 30, 280), 1.25);
    EXPECT_DOUBLE_EQ(zoomDragFactorY(100, 114, 200), 1.07);
    EXPECT_DOUBLE_EQ(zoomDragFactorY(100, 50, 200), 0.75);
    const TAxisRange r = scaledAboutCentre({10, 30, false}, 0.5);
    EXPECT_DOUBLE_EQ(r.Low, 15);
    EXPECT_DOUBLE_EQ(r.High, 25);
}

TEST(ChartMouse, RectangleCornersOutlineAndOrder) {
    // A square keeps the drag's direction and stays inside what the pointer spans.
    EXPECT_EQ(squareCorner({10, 10}, {30, 15}), QPoint(15, 15));
    EXPECT_EQ(squareCorner({10, 10}, {0, 40}), QPoint(0, 20));
    // The outline passes through both corner pixels whichever way it was dragged.
    EXPECT_EQ(outlineRect({30, 40}, {10, 20}), Rect(10, 20, 31, 41));

    const TAxisRange up = orderedLike(7, 3, {0, 10, false});
    EXPECT_EQ(up.Low, 3);
    EXPECT_EQ(up.High, 7);
    const TAxisRange down = orderedLike(3, 7, {10, 0, true});
    EXPECT_EQ(down.Low, 7);
    EXPECT_EQ(down.High, 3);
    EXPECT_TRUE(down.Logarithmic);
}

TEST(ChartMouse, NearestCrossHairMeasuresEachShownLine) {
    const QPoint pointer(100, 100);
    // 1: vertical line 30 px away in x (its y is far, but a vertical line ignores y);
    // 2: horizontal line 20 px away in y; 3: both lines, the nearer one 25 px away.
    std::array<TCrossHairTarget, 4> c{{{{130, 0}, true, false},
                                       {{0, 120}, false, true},
                                       {{75, 300}, true, true},
                                       {{100, 100}, false, false}}};
    EXPECT_EQ(nearestCrossHair(c, pointer), 2);
    c[2].Pixel = {115, 300};
    EXPECT_EQ(nearestCrossHair(c, pointer), 3);
    // Ties go to the lower number.
    c[0].Pixel = {85, 0};
    EXPECT_EQ(nearestCrossHair(c, pointer), 1);
    // With nothing shown the first crosshair is taken.
    for (TCrossHairTarget& t : c)
        t.Vertical = t.Horizontal = false;
    EXPECT_EQ(nearestCrossHair(c, pointer), 1);
}

TEST(ChartMouse, NearestPointSkipsHiddenOnes) {
    const std::array<std::optional<QPoint>, 4> points{std::nullopt, QPoint(10, 10), QPoint(50, 50),
                                                      std::nullopt};
    EXPECT_EQ(nearestPoint(points, QPoint(40, 45)), 3);
    EXPECT_EQ(nearestPoint(points, QPoint(30, 30)), 2);
    const std::array<std::optional<QPoint>, 2> none{};
    EXPECT_EQ(nearestPoint(none, QPoint(30, 30)), 1);
}
