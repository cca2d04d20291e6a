#include "scales/scalesettings.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

using enum ScaleEnums::TFigType;

TEST(ScaleSettings, LogarithmicNeedsBothEndsAtTheFloorAfterCreation) {
    struct Case {
        double low;
        double high;
        TFigType labelType;
        bool creating;
        bool accepted;
    };
    const Case cases[] = {
        {1e-100, 1e-100 * 2, ftNum, false, true}, // the floor itself is allowed
        {1e-101, 1, ftNum, false, false},         // one end below the floor
        {1, 9e-101, ftNum, false, false},         // the other end below it
        {1, 1000, ftDateTime, false, false},      // dates never map logarithmically
        {1, 1000, ftTime, false, true},
        {-5, 0, ftDateTime, true, true}, // no checks while being created
    };
    for (const Case& c : cases) {
        ScaleSettings s{.RangeLow = c.low, .RangeHigh = c.high, .LabelType = c.labelType};
        EXPECT_EQ(s.setLogarithmic(true, c.creating), c.accepted) << c.low << " " << c.high;
        EXPECT_EQ(s.Logarithmic, c.accepted) << c.low << " " << c.high;
        EXPECT_FALSE(s.setLogarithmic(s.Logarithmic, false)); // no change, nothing to report
    }
    ScaleSettings on{.RangeLow = -1, .RangeHigh = 0, .Logarithmic = true};
    EXPECT_TRUE(on.setLogarithmic(false, false)); // switching off is always accepted
    EXPECT_FALSE(on.Logarithmic);
}

TEST(ScaleSettings, LabelTypeSideEffectsAndDecimalClamp) {
    ScaleSettings s{.RangeLow = 1, .RangeHigh = 10, .Logarithmic = true, .DecPlaces = 1};
    EXPECT_TRUE(s.setLabelType(ftTime));
    EXPECT_EQ(s.DecPlaces, 4);
    EXPECT_TRUE(s.Logarithmic);
    s.DecPlaces = 2;
    EXPECT_FALSE(s.setLabelType(ftTime)); // unchanged: no side effects either
    EXPECT_EQ(s.DecPlaces, 2);
    EXPECT_TRUE(s.setLabelType(ftDateTime));
    EXPECT_FALSE(s.Logarithmic);
    EXPECT_EQ(s.DecPlaces, 2);

    const int clamped[][2] = {{-4, -3}, {-3, -3}, {0, 0}, {12, 12}, {13, 12}, {INT_MIN, -3}, {INT_MAX, 12}};
    for (const auto& [in, out] : clamped) {
        ScaleSettings d;
        EXPECT_EQ(d.setDecPlaces(in), out != -2) << in;
        EXPECT_EQ(d.DecPlaces, out) << in;
    }
}

TEST(ScaleSettings, RangeReportsRealChangesAndEndsStayApart) {
    ScaleSettings s;
    EXPECT_FALSE(s.setRange(0, 100));
    EXPECT_TRUE(s.setRange(0, 133));
    EXPECT_EQ(s.RangeHigh, 133);
    EXPECT_TRUE(s.setRange(5, 133));
    EXPECT_EQ(s.RangeLow, 5);

    EXPECT_EQ(endAbove(5, 1), 6);
    EXPECT_EQ(endBelow(0, 1e-10), -1e-10);
    EXPECT_EQ(endAbove(1e7, 1e-10), std::nextafter(1e7, 2e7)); // lost in rounding: the next double
    EXPECT_EQ(endBelow(1e17, 1), std::nextafter(1e17, 0.0));
}
