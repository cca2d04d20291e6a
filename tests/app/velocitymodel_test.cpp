// The exact velocity of every profile against a numerical derivative of its distance.
#include "app/tripmodel.h"
#include "app/velocitymodel.h"

#include <gtest/gtest.h>

namespace {

// Central differences, or forward ones where the velocity jumps and counts from the right.
double numericalVelocity(int profile, double t, bool forward) {
    const double h = forward ? 1e-6 : 1e-4; // a one-sided difference errs by h / 2 times s
    const double before = tripProfileDistance(profile, forward ? t : t - h);
    const double after = tripProfileDistance(profile, t + h);
    return (after - before) / (forward ? h : 2 * h) * 60;
}

} // namespace

TEST(VelocityModel, IsTheDerivativeOfTheDistanceTimesSixty) {
    struct Case {
        int profile;
        double t;
        bool forward;
    };
    const Case cases[] = {
        {tpUniform, 0, false},       {tpUniform, 66.6, false},     {tpUniform, 133, false},
        {tpStandardRoad, 0, false},  {tpStandardRoad, 50, false},  {tpStandardRoad, 97.3, false},
        {tpStandardRoad, 133, false}, {tpBackAndForth, 0, false},  {tpBackAndForth, 40, false},
        {tpBackAndForth, 72.9, false}, {tpBackAndForth, 73, true}, {tpBackAndForth, 78, false},
        {tpBackAndForth, 83, true},  {tpBackAndForth, 90, false},  {tpBackAndForth, 120, false},
        {-1, 50, false},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(tripProfileVelocity(c.profile, c.t), numericalVelocity(c.profile, c.t, c.forward), 1e-5)
            << "profile " << c.profile << " at " << c.t;
    // The way back drives the velocity below zero.
    EXPECT_LT(tripProfileVelocity(tpBackAndForth, 120), -30);
    EXPECT_EQ(tripProfileVelocityJumps(tpBackAndForth), (std::vector<double>{73, 83}));
    EXPECT_TRUE(tripProfileVelocityJumps(tpStandardRoad).empty());
}
