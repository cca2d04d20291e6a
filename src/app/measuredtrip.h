// A trip measured by a class and read from a file: distance samples over time, between which the
// distance is interpolated linearly. Linear interpolation stays within each pair of neighbouring
// samples, so the curve rises where the data rise, falls where they fall and stays level where
// they stay, and adds no overshoot of its own. The tangent and the velocity come from a symmetric
// difference over a smoothing window the user sets, as measuring tools derive a velocity from
// noisy positions.
#pragma once

#include "app/trip.h"
#include "app/tripsamples.h"

// The smoothing half width a trip starts with, in min.
constexpr double kDefaultSmoothingHalfWidth = 0.5;
// The smallest half width that can be set, in min (the limit table's smallest dt).
constexpr double kMinSmoothingHalfWidth = 0.01;
// Longer curves are reduced to the lowest and the highest sample of each of this many equal time
// columns for the chart, which keeps the picture of a curve at least as many pixels wide.
constexpr int kCurveColumns = 2000;

class MeasuredTrip : public Trip {
public:
    // samples: at least two, in strictly ascending time, finite (as the readers give them).
    MeasuredTrip(QString name, TripSamples samples);

    QString name() const override { return FName; }
    // Linear between the samples; the first or last distance before or after them.
    double distanceAt(double t) const override;
    TripSpan timeSpan() const override;
    DistanceRange distanceRange() const override { return FRange; }
    // Every sample; for more than 2 * kCurveColumns samples, the first and last sample and the
    // lowest and highest of each column, in the order of their times.
    const std::vector<QPointF>& curveSamples() const override { return FCurve; }
    std::optional<double> exactVelocity(double) const override { return std::nullopt; }
    std::vector<double> velocityJumps() const override { return {}; }
    double tangentHalfWidth() const override { return FHalfWidth; }
    // t taken into the time span, the window around it cut at the span's ends.
    TripSpan tangentWindow(double t) const override;

    // Sets the smoothing half width h in min, kept between kMinSmoothingHalfWidth and half the
    // trip's time span (the smaller of the two where the trip is shorter than the minimum window).
    void setTangentHalfWidth(double h);

    // The velocity at t in km/h: the tangent's (measurement.h centralSecant()), (s(t + h) - s(t - h))
    // / 2h, h the smoothing half width, over tangentWindow(t).
    double velocityAt(double t) const;

    // velocityAt() at kCurveColumns + 1 equally spaced times from the span's start to its end, for
    // the velocity graph; made anew with every change of the smoothing window.
    const std::vector<QPointF>& velocityCurve() const { return FVelocityCurve; }

    const TripSamples& samples() const { return FSamples; }

private:
    QString FName;
    TripSamples FSamples;
    DistanceRange FRange;
    std::vector<QPointF> FCurve;
    double FHalfWidth = kDefaultSmoothingHalfWidth;
    std::vector<QPointF> FVelocityCurve;
};

// The trip as a measured one, or null for a profile.
inline const MeasuredTrip* asMeasuredTrip(const Trip& trip) {
    return dynamic_cast<const MeasuredTrip*>(&trip);
}
