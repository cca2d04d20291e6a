#include "scales/ticks.h"
#include "scales/tickstep.h"

#include <gtest/gtest.h>

#include <cmath>

using enum ScaleEnums::TFigType;

namespace {

TickSettings linear(double low, double high, int minTicks = 3, bool vertical = false) {
    TickSettings s;
    s.RangeLow = low;
    s.RangeHigh = high;
    s.MinTicks = minTicks;
    s.Vertical = vertical;
    return s;
}

std::vector<double> values(const TickPass& pass, bool isLong) {
    std::vector<double> out;
    for (const Tick& t : pass.Ticks)
        if (t.IsLong == isLong) out.push_back(t.Value);
    return out;
}

std::vector<QString> labels(const TickPass& pass) {
    std::vector<QString> out;
    for (const Tick& t : pass.Ticks)
        if (t.IsLong) out.push_back(t.Label);
    return out;
}

std::vector<double> series(double from, double to, double step) {
    std::vector<double> out;
    for (int i = 0; from + i * step <= to + 1e-9; ++i)
        out.push_back(from + i * step);
    return out;
}

void expectValues(const std::vector<double>& actual, const std::vector<double>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i)
        EXPECT_NEAR(actual[i], expected[i], 1e-12) << "tick " << i;
}

} // namespace

TEST(CalcTickStep, PicksOneTwoOrFiveTimesAPowerOfTen) {
    TickStep st = CalcTickStep(3, 133, 0);
    EXPECT_EQ(st.Step, 20);
    EXPECT_EQ(st.SubSteps, 4);
    EXPECT_EQ(st.First, 0);
    st = CalcTickStep(3, 180, 0);
    EXPECT_EQ(st.Step, 50);
    EXPECT_EQ(st.SubSteps, 5);
    st = CalcTickStep(3, 1, 0);
    EXPECT_NEAR(static_cast<double>(st.Step), 0.2, 1e-15);
    EXPECT_EQ(st.SubSteps, 4);
    EXPECT_EQ(CalcTickStep(3, 6, 0).Step, 1); // r/n exactly 2 stays below the bound for 2
    EXPECT_EQ(CalcTickStep(3, 6.0000003, 0).Step, 2);
    st = CalcTickStep(3, 0, 10);
    EXPECT_EQ(st.Step, -2);
    EXPECT_EQ(st.First, 10);
    st = CalcTickStep(3, 57, 13);
    EXPECT_EQ(st.Step, 10);
    EXPECT_EQ(st.First, 20); // first multiple of the step not before the range
    EXPECT_EQ(CalcTickStep(3, 5, 5).Step, 0);
}

TEST(LinearTickPass, Range0To133) {
    const TickPass pass = linearTickPass(linear(0, 133));
    expectValues(values(pass, false), series(0, 130, 5));
    expectValues(values(pass, true), series(0, 120, 20));
    EXPECT_EQ(labels(pass), (std::vector<QString>{"0", "20", "40", "60", "80", "100", "120"}));
    // Horizontal with short ticks: the list holds the short ticks, which cover the long ones.
    expectValues(recordedTicks(pass), series(0, 130, 5));
}

TEST(LinearTickPass, Range0To180VerticalRecordsLongTicksToo) {
    const TickPass pass = linearTickPass(linear(0, 180, 3, true));
    expectValues(values(pass, false), series(0, 180, 10));
    expectValues(values(pass, true), series(0, 150, 50));
    EXPECT_EQ(labels(pass), (std::vector<QString>{"0", "50", "100", "150"}));
    EXPECT_EQ(recordedTicks(pass).size(), 19u + 4u);
}

TEST(LinearTickPass, Range0To1AndTheBoundForTwo) {
    TickPass pass = linearTickPass(linear(0, 1));
    expectValues(values(pass, false), series(0, 1, 0.05));
    expectValues(values(pass, true), series(0, 1, 0.2));
    EXPECT_EQ(labels(pass), (std::vector<QString>{"0.00", "0.20", "0.40", "0.60", "0.80", "1.00"}));
    pass = linearTickPass(linear(0, 6));
    expectValues(values(pass, true), series(0, 6, 1));
    expectValues(values(pass, false), series(0, 6, 0.2));
    pass = linearTickPass(linear(0, 0.00005)); // automatic decimals turn scientific
    EXPECT_EQ(labels(pass)[0], " 0.0E+00");
    EXPECT_EQ(labels(pass)[1], " 1.0E-05");
    pass = linearTickPass(linear(0, 6.0000003));
    expectValues(values(pass, true), series(0, 6, 2));
    expectValues(values(pass, false), series(0, 6, 0.5));
}

TEST(LinearTickPass, ReversedRangeRunsDownwards) {
    const TickPass pass = linearTickPass(linear(10, 0));
    expectValues(values(pass, true), {10, 8, 6, 4, 2, 0});
    EXPECT_EQ(labels(pass), (std::vector<QString>{"10.0", "8.0", "6.0", "4.0", "2.0", "0.0"}));
    const std::vector<double> shorts = values(pass, false);
    ASSERT_EQ(shorts.size(), 21u);
    EXPECT_EQ(shorts.front(), 10);
    EXPECT_NEAR(shorts.back(), 0, 1e-12);
}

TEST(LinearTickPass, UnitStepsForMinTicksZero) {
    TickPass pass = linearTickPass(linear(0, 5, 0));
    expectValues(values(pass, true), series(0, 5, 1));
    expectValues(values(pass, false), series(0, 5, 0.2));
    pass = linearTickPass(linear(0, 50, 0));
    expectValues(values(pass, true), series(0, 50, 1));
    expectValues(values(pass, false), series(0, 50, 1));
    // A reversed axis walks down towards its end instead of running away from it.
    pass = linearTickPass(linear(10, 0, 0));
    expectValues(values(pass, true), {10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0});
}

TEST(LinearTickPass, ListCapacityAndLabelKinds) {
    TickPass pass = linearTickPass(linear(0, 1000, 0));
    EXPECT_EQ(values(pass, false).size(), 1001u); // drawn
    EXPECT_EQ(recordedTicks(pass).size(), 250u);  // but not all recorded
    EXPECT_EQ(recordedTicks(pass).back(), 249);
    TickSettings s = linear(0, 133);
    s.LabelType = ftUserText;
    s.UserTickText = "a|b|c";
    EXPECT_EQ(labels(linearTickPass(s)), (std::vector<QString>{"a", "b", "c", "c", "c", "c", "c"}));
    s.LabelType = ftNoFigs;
    EXPECT_EQ(labels(linearTickPass(s)), std::vector<QString>(7));
    s.LabelType = ftNum;
    s.ScaleInscript = "& km";
    EXPECT_EQ(labels(linearTickPass(s))[1], "20 km");
    s.ShortTicks = false;
    EXPECT_EQ(recordedTicks(linearTickPass(s)).size(), 7u);
}

TEST(LinearTickPass, DegenerateRangesEndAtOnce) {
    EXPECT_TRUE(linearTickPass(linear(5, 5)).Ticks.empty());
    EXPECT_TRUE(linearTickPass(linear(5, 5, 3, true)).Ticks.empty());
    EXPECT_TRUE(linearTickPass(linear(std::nan(""), 5)).Ticks.empty());
    EXPECT_TRUE(linearTickPass(linear(0, INFINITY)).Ticks.empty());
    EXPECT_LE(linearTickPass(linear(0, 1e12, 0)).Ticks.size(), 20000u); // bounded work
}

TEST(LogTickPass, DecadesAndDenseDecades) {
    TickSettings s = linear(1, 1000);
    s.Logarithmic = true;
    TickPass pass = logTickPass(s);
    EXPECT_EQ(pass.Kind, TickPassKind::Logarithmic);
    expectValues(values(pass, true), {1, 10, 100, 1000});
    EXPECT_TRUE(values(pass, false).empty());
    EXPECT_EQ(labels(pass), (std::vector<QString>{"1", "10", "100", "1000"}));

    s.MinTicks = 4;
    pass = logTickPass(s);
    expectValues(values(pass, true), {1, 2, 5, 10, 20, 50, 100, 200, 500, 1000});
    expectValues(values(pass, false),
                 {3, 4, 6, 7, 8, 9, 30, 40, 60, 70, 80, 90, 300, 400, 600, 700, 800, 900});
    EXPECT_EQ(labels(pass)[1], "2");
    EXPECT_EQ(recordedTicks(pass).size(), 28u);
    s.ShortTicks = false;
    EXPECT_TRUE(values(logTickPass(s), false).empty());
}

TEST(LogTickPass, FallsBackToLinear) {
    TickSettings s = linear(1, 5);
    s.Logarithmic = true;
    TickPass pass = logTickPass(s);
    EXPECT_EQ(pass.Kind, TickPassKind::Linear);
    expectValues(values(pass, true), {1, 2, 3, 4, 5});
    s.RangeLow = 0; // no decades below zero: no endless search for them either
    EXPECT_EQ(logTickPass(s).Kind, TickPassKind::Linear);
}

TEST(TimeTickPass, StepsLabelsAndDeclining) {
    TickSettings s = linear(0, 60);
    s.LabelType = ftTime;
    std::optional<TickPass> pass = timeTickPass(s);
    ASSERT_TRUE(pass);
    expectValues(values(*pass, true), {0, 20, 40, 60});
    expectValues(values(*pass, false), series(0, 60, 5));
    EXPECT_EQ(labels(*pass), (std::vector<QString>{" 00:00:00", " 00:00:20", " 00:00:40", " 00:01:00"}));
    s.RangeHigh = 2;
    pass = timeTickPass(s);
    ASSERT_TRUE(pass);
    EXPECT_EQ(labels(*pass), (std::vector<QString>{" 00:00:00.000", " 00:00:00.500", " 00:00:01.000",
                                                   " 00:00:01.500", " 00:00:02.000"}));
    s.RangeHigh = 300000; // a day or more per interval
    EXPECT_FALSE(timeTickPass(s));
    s.RangeHigh = 0.002; // under a millisecond per interval
    EXPECT_FALSE(timeTickPass(s));
    s.RangeHigh = 300000;
    EXPECT_EQ(runTickPass(s).Kind, TickPassKind::Linear);
}

TEST(RunTickPass, AnyRangeEndsWithBoundedWork) {
    const double ends[] = {-1e300, -3e6, -693594, -1,  -1e-300,   0,   1e-300, 1e-9,
                           0.5,    1,    7,       133, 2958465.5, 3e6, 1e300};
    const TFigType types[] = {ftNoFigs, ftNum, ftTime, ftDateTime, ftUserText};
    for (double low : ends)
        for (double high : ends)
            for (TFigType type : types)
                for (int minTicks : {2, 10, 20}) // unit steps: DegenerateRangesEndAtOnce
                    for (bool vertical : {false, true})
                        for (bool log : {false, true}) {
                            if (low == high) continue;
                            TickSettings s = linear(low, high, minTicks, vertical);
                            s.LabelType = type;
                            s.Logarithmic = log;
                            const TickPass pass = runTickPass(s);
                            EXPECT_LE(pass.Ticks.size(), 20002u) << low << " " << high;
                            EXPECT_LE(recordedTicks(pass).size(), 250u);
                        }
}

TEST(TimeTickPass, ReversedRangeKeepsBothEnds) {
    // The bounds widen outward whichever way the axis runs, so the tick at RangeLow stays.
    TickSettings s = linear(60, 0);
    s.LabelType = ftTime;
    std::optional<TickPass> pass = timeTickPass(s);
    ASSERT_TRUE(pass);
    expectValues(values(*pass, true), {60, 40, 20, 0});
    EXPECT_EQ(labels(*pass), (std::vector<QString>{" 00:01:00", " 00:00:40", " 00:00:20", " 00:00:00"}));
    EXPECT_EQ(values(*pass, false).size(), 13u);
    s.RangeLow = 0;
    s.RangeHigh = -60;
    pass = timeTickPass(s);
    ASSERT_TRUE(pass);
    expectValues(values(*pass, true), {0, -20, -40, -60});
}
