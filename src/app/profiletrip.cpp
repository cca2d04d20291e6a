#include "app/profiletrip.h"

#include "app/velocitymodel.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<const char*, 3> kProfileNames{"Uniform Movement", "Standard Road Situation",
                                                   "Back and Forth"};

int indexOf(TripProfile profile) {
    return profileIndex(profile);
}

} // namespace

QString tripProfileName(TripProfile profile) {
    const int index = indexOf(profile);
    return index >= 0 && index < static_cast<int>(kProfileNames.size())
               ? QString::fromLatin1(kProfileNames[index])
               : QString();
}

// The curve's samples are the kept whole minutes of the profile's curve.
ProfileTrip::ProfileTrip(TripProfile profile) : FProfile(profile) {
    const TripCurve& curve = tripProfileCurve(indexOf(profile));
    FCurve.reserve(curve.size());
    for (std::size_t minute = 0; minute < curve.size(); ++minute)
        FCurve.emplace_back(static_cast<double>(minute), curve[minute]);
}

QString ProfileTrip::name() const {
    return tripProfileName(FProfile);
}

double ProfileTrip::distanceAt(double t) const {
    return tripProfileDistance(indexOf(FProfile), t);
}

DistanceRange ProfileTrip::distanceRange() const {
    const auto [low, high] =
        std::minmax_element(FCurve.begin(), FCurve.end(), [](QPointF a, QPointF b) { return a.y() < b.y(); });
    return {low->y(), high->y()};
}

std::optional<double> ProfileTrip::exactVelocity(double t) const {
    return tripProfileVelocity(indexOf(FProfile), t);
}

std::vector<double> ProfileTrip::velocityJumps() const {
    return tripProfileVelocityJumps(indexOf(FProfile));
}
