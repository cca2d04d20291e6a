#include "app/measuredtrip.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Up 1 km in the first minute, 2 km in the second, then standing for two minutes.
MeasuredTrip smallTrip() {
    return MeasuredTrip(QStringLiteral("small.csv"), {{0, 1, 2, 4}, {0, 1, 3, 3}});
}

} // namespace

TEST(MeasuredTrip, InterpolatesLinearlyBetweenSamples) {
    const MeasuredTrip trip = smallTrip();
    EXPECT_EQ(trip.name(), QStringLiteral("small.csv"));
    EXPECT_EQ(trip.timeSpan().Start, 0);
    EXPECT_EQ(trip.timeSpan().End, 4);
    EXPECT_EQ(trip.distanceRange().Low, 0);
    EXPECT_EQ(trip.distanceRange().High, 3);
    // clang-format off
    const std::vector<std::pair<double, double>> cases{
        {0, 0}, {0.5, 0.5}, {1, 1}, {1.25, 1.5}, {1.5, 2}, {3, 3}, {4, 3}, {-1, 0}, {5, 3}, {NAN, 0}};
    // clang-format on
    for (const auto& [t, s] : cases)
        EXPECT_EQ(trip.distanceAt(t), s) << t;
}

TEST(MeasuredTrip, VelocityIsTheSymmetricDifferenceOverTheSmoothingWindow) {
    MeasuredTrip trip = smallTrip();
    EXPECT_EQ(trip.tangentHalfWidth(), 0.5);
    // (s(1.5) - s(0.5)) / 1 min = 1.5 km/min; at the start and the end the window is cut.
    EXPECT_DOUBLE_EQ(trip.velocityAt(1), 90);
    EXPECT_DOUBLE_EQ(trip.velocityAt(0), 60);  // (s(0.5) - s(0)) / 0.5
    EXPECT_DOUBLE_EQ(trip.velocityAt(3.9), 0); // standing
    EXPECT_DOUBLE_EQ(trip.velocityAt(-7), 60); // taken to the start
    trip.setTangentHalfWidth(1);
    EXPECT_DOUBLE_EQ(trip.velocityAt(2), 60); // (s(3) - s(1)) / 2
    // The window is kept between 0.01 min and half the trip.
    trip.setTangentHalfWidth(10);
    EXPECT_EQ(trip.tangentHalfWidth(), 2);
    EXPECT_DOUBLE_EQ(trip.velocityAt(2), 45); // (s(4) - s(0)) / 4
    trip.setTangentHalfWidth(0);
    EXPECT_EQ(trip.tangentHalfWidth(), 0.01);
    EXPECT_DOUBLE_EQ(trip.velocityAt(1.5), 120);
    trip.setTangentHalfWidth(NAN);
    EXPECT_EQ(trip.tangentHalfWidth(), 0.01);
}

TEST(MeasuredTrip, ShortCurveIsEverySample) {
    const std::vector<QPointF> expected{{0, 0}, {1, 1}, {2, 3}, {4, 3}};
    EXPECT_EQ(smallTrip().curveSamples(), expected);
}

// A long noisy trip draws through each column's lowest and highest sample, so no spike is lost.
TEST(MeasuredTrip, LongCurveKeepsEachColumnsExtremes) {
    TripSamples samples;
    const int n = 100000;
    for (int i = 0; i < n; ++i)
        samples.Times.push_back(i / 60.0), samples.Distances.push_back(std::sin(i * 0.37));
    samples.Distances[31234] = 5;
    samples.Distances[77777] = -5;
    const MeasuredTrip trip(QStringLiteral("long"), samples);
    const std::vector<QPointF>& curve = trip.curveSamples();
    EXPECT_LE(curve.size(), 2u * kCurveColumns + 2);
    EXPECT_GE(curve.size(), 2u * kCurveColumns);
    EXPECT_EQ(curve.front(), QPointF(0, 0));
    EXPECT_EQ(curve.back(), QPointF(samples.Times.back(), samples.Distances.back()));
    EXPECT_NE(std::find(curve.begin(), curve.end(), QPointF(samples.Times[31234], 5)), curve.end());
    EXPECT_NE(std::find(curve.begin(), curve.end(), QPointF(samples.Times[77777], -5)), curve.end());
    EXPECT_TRUE(std::is_sorted(curve.begin(), curve.end(),
                               [](const QPointF& a, const QPointF& b) { return a.x() <= b.x(); }));
}
