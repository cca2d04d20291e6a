// The trip model: distance travelled in km after t minutes for each of the three trip profiles.
// Pure: the profile is passed in; the main window supplies the one chosen in its profile box.
#pragma once

#include <array>

// The values are the profiles' indexes in the profile box.
enum class TripProfile { Uniform = 0, StandardRoad = 1, BackAndForth = 2 };

// The index of a profile in the profile box, as the model's functions take it.
constexpr int profileIndex(TripProfile profile) {
    return static_cast<int>(profile);
}

// Profile 2 stands still from the first of these minutes (included) to the second (excluded).
constexpr double kStandStillFrom = 73;
constexpr double kStandStillUntil = 83;

// Distance in km at time t (minutes) for profile 0, 1 or 2; any other index gives 0.
double tripProfileDistance(int profile, double t);

// Distances are in km and times in minutes; a velocity, a slope in km per minute, is shown in km/h.
constexpr double kMinutesPerHour = 60;

// The profiles' time axis, in minutes (ProfileTrip::span()).
constexpr int kTripStart = 0;
constexpr int kTripEnd = 133;

// The tangent at t is measured as the central secant from t - kTangentHalfWidth to
// t + kTangentHalfWidth (minutes).
constexpr double kTangentHalfWidth = 0.5;

// A profile's curve as the chart draws it: the distances at the whole minutes 0..133.
using TripCurve = std::array<double, kTripEnd + 1>;

// The curve of profile 0, 1 or 2, computed once and kept: the long double model is too costly to
// evaluate 134 times on every move of a measuring point. Each value is tripProfileDistance(profile,
// minute) exactly; any other index gives zeros.
const TripCurve& tripProfileCurve(int profile);
