#include "app/tripmodel.h"

#include <cmath>

namespace {

using Real = long double;

Real uniform(Real t) {
    return 1.25L * t;
}

Real standardRoad(Real t) {
    return t + 7 * std::cos((t + 20) / 20) + 8 * std::sin((t + 40) / 11.3L) + 10;
}

// Parabola plus cosine: the outward drive and, shifted by the ten minutes' stop, the way back.
Real backAndForthShape(Real u) {
    return 100 - 0.01L * (u - 80) * (u - 90) + 14 * std::cos((u + 20) / 14.2L);
}

Real backAndForth(Real t) {
    if (t < kStandStillFrom) return backAndForthShape(t);
    if (t < kStandStillUntil) return 98.81L + 14 * std::cos(6.549295774647887L); // stands still at g(73)
    return backAndForthShape(t - (kStandStillUntil - kStandStillFrom));
}

} // namespace

double tripProfileDistance(int profile, double t) {
    switch (static_cast<TripProfile>(profile)) {
    case TripProfile::Uniform:
        return static_cast<double>(uniform(t));
    case TripProfile::StandardRoad:
        return static_cast<double>(standardRoad(t));
    case TripProfile::BackAndForth:
        return static_cast<double>(backAndForth(t));
    default:
        return 0;
    }
}

const TripCurve& tripProfileCurve(int profile) {
    constexpr int profiles = profileIndex(TripProfile::BackAndForth) + 1;
    static const std::array<TripCurve, profiles> curves = [] {
        std::array<TripCurve, profiles> result;
        for (int p = 0; p < profiles; ++p)
            for (std::size_t minute = 0; minute < result[p].size(); ++minute)
                result[p][minute] = tripProfileDistance(p, static_cast<double>(minute));
        return result;
    }();
    static const TripCurve none{};
    return profile >= 0 && profile < profiles ? curves[profile] : none;
}
