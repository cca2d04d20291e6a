#include "chart/itempass/gridsteps.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using Values = std::vector<double>;

TEST(GridSteps, PositiveStepStartsAtFirstMultipleAndStopsBeforeHighBound) {
    EXPECT_EQ(gridValues(0, 133, false, 20, {}), (Values{0, 20, 40, 60, 80, 100, 120}));
    // Either bound order gives the same ascending run; the high bound itself is excluded.
    EXPECT_EQ(gridValues(30, -7, false, 10, {}), (Values{0, 10, 20}));
    // A positive step applies on a logarithmic axis as well.
    EXPECT_EQ(gridValues(3, 9, true, 2.5, {}), (Values{5, 7.5}));
}

TEST(GridSteps, ZeroStepUsesTheScaleTicksOrTheLowBound) {
    EXPECT_EQ(gridValues(0, 133, false, 0, {0, 50, 100, 133}), (Values{0, 50, 100}));
    EXPECT_EQ(gridValues(12, 40, false, 0, {}), (Values{12}));
}

TEST(GridSteps, NegativeStepOnALinearAxisStartsAtOrBelowTheLowBound) {
    EXPECT_EQ(gridValues(2.5, 6, false, -1, {}), (Values{2, 3, 4, 5}));
    EXPECT_EQ(gridValues(-2.5, 6, false, -2, {}), (Values{-4, -2, 0, 2, 4}));
    EXPECT_EQ(gridValues(0, 10, false, -3, {}), (Values{0, 3, 6, 9}));
}

TEST(GridSteps, LogarithmicDecades) {
    EXPECT_EQ(gridValues(3, 5000, true, -1, {}), (Values{10, 100, 1000}));
    EXPECT_EQ(gridValues(100, 100000, true, -1, {}), (Values{100, 1000, 10000}));
    // A decimal logarithm within 1e-14 of an integer counts as that integer...
    EXPECT_EQ(gridValues(1000 * (1 + 1e-14), 1e5, true, -1, {}), (Values{1000, 10000}));
    // ...but not one further away.
    EXPECT_EQ(gridValues(1000 * (1 + 1e-13), 1e5, true, -1, {}), (Values{10000}));
}

TEST(GridSteps, LogarithmicOneTwoFive) {
    // The first value depends on the low bound's rounded mantissa: <= 2 -> 2, <= 5 -> 5, else 10.
    EXPECT_EQ(gridValues(1, 100, true, -2, {}), (Values{2, 5, 10, 20, 50}));
    EXPECT_EQ(gridValues(2.4, 30, true, -2, {}), (Values{2, 5, 10, 20}));
    EXPECT_EQ(gridValues(3, 30, true, -2, {}), (Values{5, 10, 20}));
    EXPECT_EQ(gridValues(70, 600, true, -2, {}), (Values{100, 200, 500}));
    // Mantissa 2.5 rounds half to even, to 2.
    EXPECT_EQ(gridValues(250, 1000, true, -2, {}), (Values{200, 500}));
}

TEST(GridSteps, LogarithmicOneToNine) {
    EXPECT_EQ(gridValues(3, 25, true, -3, {}), (Values{3, 4, 5, 6, 7, 8, 9, 10, 20}));
    EXPECT_EQ(gridValues(96, 300, true, -3, {}), (Values{100, 200}));
    const Values small = gridValues(0.25, 0.6, true, -3, {});
    ASSERT_EQ(small.size(), 4u);
    EXPECT_DOUBLE_EQ(small[0], 0.2);
    EXPECT_DOUBLE_EQ(small[1], 0.3);
    EXPECT_DOUBLE_EQ(small[3], 0.5);
}

TEST(GridSteps, RunsAreCappedAndAlwaysEnd) {
    const Values many = gridValues(0, 1e6, false, 1, {});
    ASSERT_EQ(many.size(), 1000u);
    EXPECT_EQ(many.back(), 999);
    const Values decades = gridValues(1, 1e300, true, -1, {});
    ASSERT_EQ(decades.size(), 300u);
    EXPECT_EQ(decades.back(), 1e299);
    // A step too small to move the value ends the run instead of repeating it.
    EXPECT_EQ(gridValues(1e20, 2e20, false, 1, {}), (Values{1e20}));
}

TEST(GridSteps, UnusableBoundsGiveNoValues) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_TRUE(gridValues(nan, 10, false, 1, {}).empty());
    EXPECT_TRUE(gridValues(0, inf, false, 1, {}).empty());
    EXPECT_TRUE(gridValues(5, 5, false, 1, {}).empty());
    EXPECT_TRUE(gridValues(0, 10, false, nan, {}).empty());
    // Decades of a bound at or below zero do not exist.
    EXPECT_TRUE(gridValues(0, 10, true, -1, {}).empty());
    EXPECT_TRUE(gridValues(5e-324, 1, true, -2, {}).empty());
    EXPECT_EQ(gridValues(1e307, std::numeric_limits<double>::max(), true, -1, {}), (Values{1e307, 1e308}));
}
