#include "app/tripmodel.h"

#include <gtest/gtest.h>

namespace {
constexpr double kTol = 5e-5; // reference values are given to four decimals
}

TEST(TripModel, UniformMovement) {
    EXPECT_EQ(tripProfileDistance(profileIndex(TripProfile::Uniform), 50), 62.5);
    EXPECT_EQ(tripProfileDistance(profileIndex(TripProfile::Uniform), 0), 0);
    EXPECT_EQ(tripProfileDistance(profileIndex(TripProfile::Uniform), 133), 166.25);
}

TEST(TripModel, StandardRoadReferenceValues) {
    EXPECT_NEAR(tripProfileDistance(profileIndex(TripProfile::StandardRoad), 0), 10.6798, kTol);
    EXPECT_NEAR(tripProfileDistance(profileIndex(TripProfile::StandardRoad), 50), 61.3959, kTol);
    EXPECT_NEAR(tripProfileDistance(profileIndex(TripProfile::StandardRoad), 110), 132.0384, kTol);
    EXPECT_NEAR(tripProfileDistance(profileIndex(TripProfile::StandardRoad), 133), 147.5203, kTol);
}

TEST(TripModel, BackAndForthPieces) {
    EXPECT_NEAR(tripProfileDistance(profileIndex(TripProfile::BackAndForth), 0), 30.2629, kTol);
    EXPECT_NEAR(tripProfileDistance(profileIndex(TripProfile::BackAndForth), 133), 74.6280, kTol);
    EXPECT_NEAR(tripProfileDistance(profileIndex(TripProfile::BackAndForth), 90), 110.1567, kTol);
    EXPECT_NEAR(tripProfileDistance(profileIndex(TripProfile::BackAndForth), 120), 80.5066, kTol);

    // The stop from 73 (inclusive) to 83 (exclusive) is one constant, equal to both neighbours' ends.
    const double stop = tripProfileDistance(profileIndex(TripProfile::BackAndForth), 73);
    EXPECT_NEAR(stop, 112.3172, kTol);
    for (double t : {73.0, 75.5, 80.0, 82.999})
        EXPECT_EQ(tripProfileDistance(profileIndex(TripProfile::BackAndForth), t), stop) << t;
    EXPECT_NEAR(tripProfileDistance(profileIndex(TripProfile::BackAndForth), 83), stop, 1e-12);

    // Just before the stop the parabola-plus-cosine still moves; just after it the car drives back.
    const double before = tripProfileDistance(profileIndex(TripProfile::BackAndForth), 72.999);
    EXPECT_NE(before, stop);
    EXPECT_NEAR(before, stop, 1e-2);
    EXPECT_LT(tripProfileDistance(profileIndex(TripProfile::BackAndForth), 83.5),
              tripProfileDistance(profileIndex(TripProfile::BackAndForth), 83));
}

TEST(TripModel, NoProfileSelectedGivesZero) {
    for (int profile : {-1, 3, 100})
        for (double t : {0.0, 50.0, 133.0})
            EXPECT_EQ(tripProfileDistance(profile, t), 0) << profile << " " << t;
}

// The kept curves are the model's values bit for bit, one curve per profile.
TEST(TripModel, CurveHoldsEachProfilesValuesAtEveryMinute) {
    for (int profile : {-1, 0, 1, 2, 3}) {
        const TripCurve& curve = tripProfileCurve(profile);
        for (int minute = 0; minute <= 133; ++minute)
            ASSERT_EQ(curve[minute], tripProfileDistance(profile, minute)) << profile << " " << minute;
        EXPECT_EQ(&tripProfileCurve(profile), &curve) << profile; // computed once, then kept
    }
    EXPECT_NE(tripProfileCurve(profileIndex(TripProfile::Uniform))[50],
              tripProfileCurve(profileIndex(TripProfile::StandardRoad))[50]);
}
