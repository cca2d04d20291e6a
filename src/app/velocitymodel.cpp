#include "app/velocitymodel.h"

#include "app/tripmodel.h"

#include <cmath>

namespace {

using Real = long double;

Real standardRoad(Real t) {
    return 1 - 7 * std::sin((t + 20) / 20) / 20 + 8 * std::cos((t + 40) / 11.3L) / 11.3L;
}

// The derivative of the parabola plus cosine of the outward drive and the way back.
Real backAndForthShape(Real u) {
    return -0.01L * (2 * u - 170) - 14 * std::sin((u + 20) / 14.2L) / 14.2L;
}

Real backAndForth(Real t) {
    if (t < kStandStillFrom) return backAndForthShape(t);
    if (t < kStandStillUntil) return 0;
    return backAndForthShape(t - (kStandStillUntil - kStandStillFrom));
}

} // namespace

double tripProfileVelocity(int profile, double t) {
    switch (static_cast<TripProfile>(profile)) {
    case TripProfile::Uniform:
        return static_cast<double>(1.25L * kMinutesPerHour);
    case TripProfile::StandardRoad:
        return static_cast<double>(standardRoad(t) * kMinutesPerHour);
    case TripProfile::BackAndForth:
        return static_cast<double>(backAndForth(t) * kMinutesPerHour);
    default:
        return 0;
    }
}

std::vector<double> tripProfileVelocityJumps(int profile) {
    if (profile == profileIndex(TripProfile::BackAndForth)) return {kStandStillFrom, kStandStillUntil};
    return {};
}
