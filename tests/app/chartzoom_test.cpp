// Zoom and pan of the chart's axes over a trip of straight pieces, and the --view option's text.
#include "app/chartzoom.h"
#include "polylinetrip.h"
#include "scales/ticks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

// The trip's 60 min over 120 km: the distance axis shows two km for each minute, as the chart
// shows its trips.
const ChartView kWhole = {{0, 60}, {0, 120}};

} // namespace

TEST(ChartZoom, ZoomsAroundATimeWithTheDistanceFollowingPansAndResets) {
    struct Case {
        const char* what;
        std::function<void(ChartZoom&)> act;
        ChartView view;
    };
    const double nan = std::nan("");
    // clang-format off
    const Case cases[] = {
        {"in at 10: 10 and s(10) keep their places",
         [](ChartZoom& z) { z.zoom(2, 10); },                           {{5, 35}, {5, 65}}},
        {"two wheel notches are a key press",
         [](ChartZoom& z) { z.zoom(ChartZoom::wheelFactor(240), 10); }, {{5, 35}, {5, 65}}},
        {"in at the start",
         [](ChartZoom& z) { z.zoom(2, 0); },                            {{0, 30}, {0, 60}}},
        {"in beyond the smallest window",
         [](ChartZoom& z) { z.zoom(1e9, 10); },
         {{10 - 0.01 / 6, 10 - 0.01 / 6 + 0.01}, {10 - 0.02 / 12, 10 - 0.02 / 12 + 0.02}}},
        {"out beyond the whole trip",
         [](ChartZoom& z) { z.zoom(0.5, 10); },                         kWhole},
        {"in and out again",
         [](ChartZoom& z) { z.zoom(2, 10); z.zoom(0.5, 10); },          kWhole},
        {"no factor, or none that is a number",
         [nan](ChartZoom& z) { z.zoom(0, 10); z.zoom(nan, 10); z.zoom(-2, 10); }, kWhole},
        {"an anchor off the window is held to it",
         [](ChartZoom& z) { z.zoom(2, 10); z.zoom(2, 50); },            {{20, 35}, {22.5, 52.5}}},
        {"pan: the curve at the middle moves with the window, stopping at the end",
         [](ChartZoom& z) { z.zoom(2, 10); z.pan(100); },               {{30, 60}, {20, 80}}},
        {"pan back: the distance stops at the whole range",
         [](ChartZoom& z) { z.zoom(2, 30); z.pan(-100); },              {{0, 30}, {0, 60}}},
        {"pan of the whole trip",
         [nan](ChartZoom& z) { z.pan(-5); z.pan(nan); },                kWhole},
        {"reset",
         [](ChartZoom& z) { z.zoom(8, 10); z.pan(3); z.reset(); },      kWhole},
        {"a shown window centres the curve",
         [](ChartZoom& z) { z.show({49.5, 50.5}); },                    {{49.5, 50.5}, {29, 31}}},
        {"a shown window wider than the trip",
         [](ChartZoom& z) { z.show({-10, 100}); },                      kWhole},
        {"a shown window that is no number",
         [nan](ChartZoom& z) { z.show({nan, 5}); },                     kWhole},
    };
    // clang-format on
    const PolylineTrip trip;
    for (const Case& c : cases) {
        ChartZoom zoom(trip, kWhole);
        c.act(zoom);
        const ChartView& v = zoom.view();
        EXPECT_NEAR(v.Time.Low, c.view.Time.Low, 1e-9) << c.what;
        EXPECT_NEAR(v.Time.High, c.view.Time.High, 1e-9) << c.what;
        EXPECT_NEAR(v.Distance.Low, c.view.Distance.Low, 1e-9) << c.what;
        EXPECT_NEAR(v.Distance.High, c.view.Distance.High, 1e-9) << c.what;
        EXPECT_NEAR(zoom.level(), kWhole.Time.width() / c.view.Time.width(), 1e-6) << c.what;
    }
}

TEST(ChartZoom, ViewOptionTakesTwoTimesOfTheTripAtLeastTheSmallestWindowApart) {
    struct Case {
        const char* value;
        bool ok;
        AxisWindow time;
    };
    const Case cases[] = {
        {"49.5,50.5", true, {49.5, 50.5}},
        {"0,133", true, {0, 133}},
        {"49.99,50", true, {49.99, 50}},
        {"50,50.005", false, {}},
        {"50,49", false, {}},
        {"-1,5", false, {}},
        {"0,134", false, {}},
        {"1,2,3", false, {}},
        {"a,b", false, {}},
        {"", false, {}},
        {"nan,5", false, {}},
        {"50", false, {}},
    };
    for (const Case& c : cases) {
        const ViewOption option = parseViewOption(c.value, 0, 133);
        EXPECT_EQ(option.Error.isEmpty(), c.ok) << c.value;
        EXPECT_EQ(option.Time, c.time) << c.value;
    }
    EXPECT_EQ(parseViewOption("50,49", 0, 133).Error,
              QStringLiteral("--view needs two times T0,T1 from 0 to 133 min, T1 at least 0.01 min after "
                             "T0, not \"50,49\""));
}

// The time axis's own tick rule (automatic decimals) still labels the smallest window readably
// anywhere on the profiles' axis: every label is the tick's value to the digit, no two alike.
TEST(ChartZoom, SmallestWindowKeepsReadableTickLabels) {
    const auto labels = [](double low) {
        TickSettings s; // as the chart's time axis is laid out: at least 3 ticks, automatic decimals
        s.RangeLow = low;
        s.RangeHigh = low + ChartZoom::kSmallestWindow;
        s.MinTicks = 3;
        s.DecPlaces = -2;
        QStringList texts;
        for (const Tick& tick : linearTickPass(s).Ticks) {
            if (!tick.IsLong) continue;
            EXPECT_NEAR(tick.Label.toDouble(), tick.Value, 1e-12) << tick.Label.toStdString();
            texts << tick.Label;
        }
        return texts;
    };
    EXPECT_EQ(labels(49.995), QStringList({"49.9960", "49.9980", "50.0000", "50.0020", "50.0040"}));
    for (double low : {0.0, 10 - 0.01 / 6, 132.99}) {
        QStringList texts = labels(low);
        EXPECT_GE(texts.size(), 3) << low;
        EXPECT_EQ(texts.removeDuplicates(), 0) << low;
    }
}

// Unzoomed the chart draws the trip's own samples; zoomed in, at least kLeastCurvePoints of the curve
// from one end of the window to the other, the trip's samples where it has that many there.
TEST(ChartZoom, CurveInViewStaysSmoothWhenZoomedIn) {
    const PolylineTrip corners;
    std::vector<QPointF> dense;
    for (int i = 0; i <= 600; ++i)
        dense.emplace_back(i / 10.0, i / 5.0);
    const PolylineTrip fine(dense);
    const struct {
        const char* what;
        const Trip& trip;
        AxisWindow time;
        std::size_t points;
    } cases[] = {
        {"the whole trip: its corners", corners, {0, 60}, 7},
        {"two minutes of it: evenly spread", corners, {10, 12}, kLeastCurvePoints},
        {"forty minutes of fine samples: theirs", fine, {10.05, 49.95}, 401},
    };
    for (const auto& c : cases) {
        const std::vector<QPointF> curve = curveInView(c.trip, c.time);
        ASSERT_EQ(curve.size(), c.points) << c.what;
        EXPECT_DOUBLE_EQ(curve.front().x(), c.time.Low) << c.what;
        EXPECT_DOUBLE_EQ(curve.back().x(), c.time.High) << c.what;
        for (std::size_t i = 0; i < curve.size(); ++i) {
            EXPECT_DOUBLE_EQ(curve[i].y(), c.trip.distanceAt(curve[i].x())) << c.what << " " << i;
            if (i > 0) {
                EXPECT_LT(curve[i - 1].x(), curve[i].x()) << c.what << " " << i;
            }
        }
    }
}
