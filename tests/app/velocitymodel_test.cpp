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
        {profileIndex(TripProfile::Uniform), 0, false},
        {profileIndex(TripProfile::Uniform), 66.6, false},
        {profileIndex(TripProfile::Uniform), 133, false},
        {profileIndex(TripProfile::StandardRoad), 0, false},
        {profileIndex(TripProfile::StandardRoad), 50, false},
        {profileIndex(TripProfile::StandardRoad), 97.3, false},
        {profileIndex(TripProfile::StandardRoad), 133, false},
        {profileIndex(TripProfile::BackAndForth), 0, false},
        {profileIndex(TripProfile::BackAndForth), 40, false},
        {profileIndex(TripProfile::BackAndForth), 72.9, false},
        {profileIndex(TripProfile::BackAndForth), 73, true},
        {profileIndex(TripProfile::BackAndForth), 78, false},
        {profileIndex(TripProfile::BackAndForth), 83, true},
        {profileIndex(TripProfile::BackAndForth), 90, false},
        {profileIndex(TripProfile::BackAndForth), 120, false},
        {-1, 50, false},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(tripProfileVelocity(c.profile, c.t), numericalVelocity(c.profile, c.t, c.forward), 1e-5)
            << "profile " << c.profile << " at " << c.t;
    // The way back drives the velocity below zero.
    EXPECT_LT(tripProfileVelocity(profileIndex(TripProfile::BackAndForth), 120), -30);
    EXPECT_EQ(tripProfileVelocityJumps(profileIndex(TripProfile::BackAndForth)),
              (std::vector<double>{73, 83}));
    EXPECT_TRUE(tripProfileVelocityJumps(profileIndex(TripProfile::StandardRoad)).empty());
}
