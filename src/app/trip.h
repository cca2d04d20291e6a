// A trip as the views read it: the distance a car has covered over time. The three profiles are
// trips, and so is a journey measured by a class and read from a file. Times are minutes from the
// trip's start, distances km, velocities km/h. Plain logic: no trip reads a window.
#pragma once

#include <QPointF>
#include <QString>

#include <optional>
#include <vector>

struct TripSpan {
    double Start = 0; // min
    double End = 0;   // min
    // Whether t lies in the span, its ends included (no NaN does).
    constexpr bool contains(double t) const { return t >= Start && t <= End; }
};

struct DistanceRange {
    double Low = 0;  // km
    double High = 0; // km
};

class Trip {
public:
    virtual ~Trip() = default;

    // The trip's name as the profile box and the limit table's heading show it, untranslated.
    virtual QString name() const = 0;

    // Distance in km at time t (min); t is expected inside timeSpan().
    virtual double distanceAt(double t) const = 0;

    // The time the trip covers and the distances it reaches over it.
    virtual TripSpan timeSpan() const = 0;
    virtual DistanceRange distanceRange() const = 0;

    // The curve as the chart draws it: (t, s) in ascending time from the span's start to its end.
    virtual const std::vector<QPointF>& curveSamples() const = 0;

    // The exact velocity at t where the trip has one (a formula); none for measured data.
    virtual std::optional<double> exactVelocity(double t) const = 0;

    // The times at which the exact velocity jumps, ascending; none for a smooth trip or measured data.
    virtual std::vector<double> velocityJumps() const = 0;

    // The tangent at t is measured as the central secant from t - h to t + h, h this half width in
    // min: a fixed half minute for the profiles, the smoothing window for measured data.
    virtual double tangentHalfWidth() const = 0;

    // The times the tangent's secant at t runs between: t - h and t + h, where a trip says what
    // lies beyond its ends; measured data cut the window there (one-sided at the ends).
    virtual TripSpan tangentWindow(double t) const {
        const double h = tangentHalfWidth();
        return {t - h, t + h};
    }
};
