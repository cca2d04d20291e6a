#include "../qstringprinter.h"
#include "app/measurement.h"
#include "app/profiletrip.h"
#include "app/simulation.h"
#include "app/studytools.h"
#include "app/velocitygraph.h"
#include "chart/rchart.h"
#include "mainformfixture.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

// A secant runs through the two points; the tangent (single-point mode, or both points at one time)
// has the central secant's slope over the trip's tangent width and runs through point 1.
// The read-outs' ds and dt are the distances between the points, whichever comes first.
TEST(Measurement, SecantAndTangentOnAProfile) {
    const ProfileTrip uniform(TripProfile::Uniform), road(TripProfile::StandardRoad);
    const double s49 = road.distanceAt(49.5), s50 = road.distanceAt(50), s51 = road.distanceAt(50.5),
                 s110 = road.distanceAt(110);
    struct Case {
        const Trip& trip;
        double t1, t2;
        bool single;
        bool tangent;
        QPointF from, to;
        double velocity, ds, dt;
    };
    // clang-format off
    const Case cases[] = {
        {uniform, 50, 110, false, false, {50, 62.5}, {110, 137.5}, 75, 75, 60},
        {uniform, 50, 110, true, true, {49.5, 61.875}, {50.5, 63.125}, 75, 75, 60},
        {road, 110, 50, false, false, {110, s110}, {50, s50}, (s50 - s110) / -60 * 60, s110 - s50, 60},
        {road, 50, 50, false, true, {49.5, s50 - (s51 - s49) / 2}, {50.5, s50 + (s51 - s49) / 2}, (s51 - s49) * 60, 0, 0},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.trip.name().toStdString() << " " << c.t1 << " " << c.t2);
        const Measurement m = measure(c.trip, c.t1, c.t2, c.single);
        EXPECT_EQ(m.Tangent, c.tangent);
        EXPECT_EQ(m.Line.From, c.from);
        EXPECT_EQ(m.Line.To, c.to);
        EXPECT_EQ(m.Velocity, c.velocity);
        EXPECT_EQ(m.Ds, c.ds);
        EXPECT_EQ(m.Dt, c.dt);
    }
    EXPECT_NEAR(measure(road, 50, 50, true).Velocity, *road.exactVelocity(50), 0.01);
}

// Every change of the simulation is one changed signal with the new measurement; another trip keeps
// the points where they are, and none refused keeps the trip in use.
TEST(Simulation, OneChangeEachAndTheTripSwappedInOneCall) {
    Simulation simulation(std::make_unique<ProfileTrip>(TripProfile::StandardRoad));
    const QSignalSpy changed(&simulation, &Simulation::changed);
    simulation.setPoints(50, 110);
    simulation.movePoint(2, 90);
    simulation.setSinglePoint(true);
    simulation.setTrip(std::make_unique<ProfileTrip>(TripProfile::Uniform));
    EXPECT_EQ(changed.count(), 4);
    const Measurement& m = simulation.measurement();
    EXPECT_EQ(simulation.point(1), QPointF(50, 62.5));
    EXPECT_EQ(simulation.point(2), QPointF(90, 112.5));
    EXPECT_TRUE(m.SinglePoint && m.Tangent);
    simulation.setTrip(nullptr);
    EXPECT_EQ(changed.count(), 4);
    EXPECT_EQ(simulation.trip().name(), QStringLiteral("Uniform Movement"));
}

namespace {

// The string list a component of the shipped main layout states, found by the component's name.
QStringList layoutItems(const LayoutObject& object, const QString& component, const QString& property) {
    if (object.Name == component)
        for (const LayoutProperty& p : object.Properties)
            if (p.Name == property) return p.Value.Items;
    for (const LayoutObject& child : object.Children)
        if (QStringList items = layoutItems(child, component, property); !items.isEmpty()) return items;
    return {};
}

} // namespace

// The profile box's captions in the layout are the profiles' names as keys, so that the limit
// table's heading and the box name a trip alike.
TEST(ProfileTrip, NamesAreTheProfileBoxCaptions) {
    QStringList names;
    for (TripProfile p : {TripProfile::Uniform, TripProfile::StandardRoad, TripProfile::BackAndForth})
        names << QStringLiteral("BF_") + tripProfileName(p);
    const LayoutObject root = parseLayout(shippedMainLayout(), QStringLiteral("mainfrm.lfm"));
    EXPECT_EQ(layoutItems(root, QStringLiteral("CBoxMode"), QStringLiteral("Items")), names);
}

namespace {

// A trip of 1 km per minute from minute 10 to 70, measured rather than modelled: no exact velocity.
class ShortTrip final : public Trip {
public:
    QString name() const override { return QStringLiteral("Short"); }
    double distanceAt(double t) const override { return t; }
    TripSpan timeSpan() const override { return {10, 70}; }
    DistanceRange distanceRange() const override { return {10, 70}; }
    const std::vector<QPointF>& curveSamples() const override { return FSamples; }
    std::optional<double> exactVelocity(double) const override { return std::nullopt; }
    std::vector<double> velocityJumps() const override { return {}; }
    double tangentHalfWidth() const override { return 2; }

private:
    std::vector<QPointF> FSamples{{10, 10}, {70, 70}};
};

class TripSwapTest : public MainFormFixture {};

} // namespace

// Another trip set into the running window: the points move into its span, the chart's and the
// velocity graph's time axes become its span, and the read-out measures on it.
TEST_F(TripSwapTest, TheWindowShowsTheTripSetInOneCall) {
    form->Model().setTrip(std::make_unique<ShortTrip>());
    EXPECT_EQ(form->Time1(), 50);
    EXPECT_EQ(form->Time2(), 70);
    EXPECT_EQ(form->Velocity(), 60);
    form->Study()->toggleVelocityGraph();
    for (const TRChart* chart : {form->RC1, form->Study()->graph().chart()}) {
        EXPECT_EQ(chart->Scale1X()->RangeLow(), 10);
        EXPECT_EQ(chart->Scale1X()->RangeHigh(), 70);
    }
}
