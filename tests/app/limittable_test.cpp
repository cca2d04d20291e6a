// The limit table's numbers against the trip model, and its text as a spreadsheet receives it.
#include "app/limittable.h"
#include "app/tripmodel.h"
#include "app/velocitymodel.h"

#include <gtest/gtest.h>

TEST(LimitTable, SecantsAndTangentFromTheModel) {
    for (int profile : {profileIndex(TripProfile::Uniform), profileIndex(TripProfile::StandardRoad), profileIndex(TripProfile::BackAndForth)})
        for (double t1 : {0.0, 50.0, 77.3, 133.0}) {
            const LimitTable table = limitTable(profile, t1);
            const double s1 = tripProfileDistance(profile, t1);
            for (std::size_t i = 0; i < LimitTable::kIntervals.size(); ++i) {
                const double dt = LimitTable::kIntervals[i];
                const double ds = tripProfileDistance(profile, t1 + dt) - s1;
                EXPECT_EQ(table.Rows[i].Dt, dt);
                EXPECT_EQ(table.Rows[i].Ds, ds) << profile << " " << t1 << " " << dt;
                EXPECT_EQ(table.Rows[i].Velocity, ds / dt * 60) << profile << " " << t1 << " " << dt;
            }
            EXPECT_EQ(table.CentralSecant,
                      (tripProfileDistance(profile, t1 + 0.5) - tripProfileDistance(profile, t1 - 0.5)) * 60);
            EXPECT_EQ(table.Exact, tripProfileVelocity(profile, t1));
        }
    // The secants close in on the tangent: at the start's point 1 the last one is within 0.02 km/h.
    const LimitTable start = limitTable(profileIndex(TripProfile::StandardRoad), 50);
    EXPECT_NEAR(start.Rows.back().Velocity, start.Exact, 0.02);
    EXPECT_NEAR(start.CentralSecant, 62.7, 0.05); // the read-out of single-point mode there
}

TEST(LimitTable, TabSeparatedText) {
    EXPECT_EQ(limitTableText(limitTable(profileIndex(TripProfile::Uniform), 50), LimitTableCaptions{}),
              QStringLiteral("dt [min]\tds [km]\tds/dt [km/h]\n"
                             "60\t75.0000\t75.00\n"
                             "30\t37.5000\t75.00\n"
                             "10\t12.5000\t75.00\n"
                             "5\t6.2500\t75.00\n"
                             "1\t1.2500\t75.00\n"
                             "0.5\t0.6250\t75.00\n"
                             "0.1\t0.1250\t75.00\n"
                             "0.01\t0.0125\t75.00\n"
                             "Tangent, central secant\t\t75.00\n"
                             "Tangent, exact\t\t75.00\n"));
}
