// What is measured on a trip with the two measuring points: the line the chart draws through them
// (or, in single-point mode, the tangent at point 1) and the values the read-outs show. Built once
// per change of the trip or the points; plain logic over the Trip interface.
#pragma once

#include "app/trip.h"
#include "app/tripmodel.h"

#include <QPointF>

// The velocity in km/h of a secant that covers ds km in dt minutes: its slope times 60.
constexpr double secantVelocity(double ds, double dt) {
    return ds / dt * kMinutesPerHour;
}

// A straight line through two points of the trip (time in min, distance in km) and its velocity.
struct Secant {
    QPointF From;
    QPointF To;
    double Velocity = 0; // km/h
};

// The secant through two points of a trip.
Secant secantThrough(QPointF from, QPointF to);
// The tangent at t as it is measured: the slope of the central secant from t - h to t + h, h the
// trip's tangentHalfWidth(), drawn through the curve's point at t (from t - h to t + h), so that
// zoomed in at the point the tangent touches the curve there.
Secant centralSecant(const Trip& trip, double t);

struct Measurement {
    double T1 = 0; // min
    double T2 = 0; // min
    double S1 = 0; // km, the distance at T1
    double S2 = 0; // km, the distance at T2
    bool SinglePoint = false;
    // The line is the tangent at point 1: in single-point mode, and where both points stand at
    // one time, which no secant runs through.
    bool Tangent = false;
    Secant Line;
    double Velocity = 0; // km/h, the line's velocity as the read-out shows it
    double Ds = 0;       // km, |S2 - S1|
    double Dt = 0;       // min, |T2 - T1|
};

Measurement measure(const Trip& trip, double t1, double t2, bool singlePoint);
