// The three trip profiles of the profile box as trips: the distance model, its exact velocity and
// the profile's name, which the profile box's layout stores as its caption keys ("BF_" + name).
#pragma once

#include "app/trip.h"
#include "app/tripmodel.h"

// The profile's name, untranslated (empty for an index outside the box).
QString tripProfileName(TripProfile profile);

class ProfileTrip final : public Trip {
public:
    explicit ProfileTrip(TripProfile profile);

    // The time span every profile covers: the trip's time axis.
    static TripSpan span() { return {kTripStart, kTripEnd}; }

    TripProfile profile() const { return FProfile; }

    QString name() const override;
    double distanceAt(double t) const override;
    TripSpan timeSpan() const override { return span(); }
    DistanceRange distanceRange() const override;
    const std::vector<QPointF>& curveSamples() const override { return FCurve; }
    std::optional<double> exactVelocity(double t) const override;
    std::vector<double> velocityJumps() const override;
    double tangentHalfWidth() const override { return kTangentHalfWidth; }

private:
    TripProfile FProfile;
    std::vector<QPointF> FCurve;
};
