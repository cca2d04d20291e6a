#include "chart/dragmath.h"

#include <gtest/gtest.h>

#include <array>

TEST(ChartMouse, PanningShiftsLinearRangesAndScalesLogarithmicOnes) {
    EXPECT_DOUBLE_EQ(panFractionX(100, 142, 210), -0.2);
    EXPECT_DOUBLE_EQ(panFractionY(100, 128, 140), 0.2);
    EXPECT_EQ(panFractionX(100, 142, 0), 0);

    const AxisRange linear = pannedRange({0, 100, false}, -0.2);
    EXPECT_DOUBLE_EQ(linear.Low, -20);
    EXPECT_DOUBLE_EQ(linear.High, 80);
    // A descending axis moves the other way in data, the same way on the screen.
    const AxisRange mirrored = pannedRange({100, 0, false}, 0.5);
    EXPECT_DOUBLE_EQ(mirrored.Low, 50);
    EXPECT_DOUBLE_EQ(mirrored.High, -50);

    const AxisRange log = pannedRange({1, 1000, true}, 1.0 / 3);
    EXPECT_NEAR(log.Low, 10, 1e-12);
    EXPECT_NEAR(log.High, 10000, 1e-9);
    EXPECT_TRUE(log.Logarithmic);
}

TEST(ChartMouse, NearestCrossHairMeasuresEachShownLine) {
    const QPoint pointer(100, 100);
    // 1: vertical line 30 px away in x (its y is far, but a vertical line ignores y);
    // 2: horizontal line 20 px away in y; 3: both lines, the nearer one 25 px away.
    std::array<CrossHairTarget, 4> c{{{{130, 0}, true, false},
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
    for (CrossHairTarget& t : c)
        t.Vertical = t.Horizontal = false;
    EXPECT_EQ(nearestCrossHair(c, pointer), 1);
}
