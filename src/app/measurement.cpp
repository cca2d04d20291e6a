#include "app/measurement.h"

#include <cmath>

Secant secantThrough(QPointF from, QPointF to) {
    return {from, to, secantVelocity(to.y() - from.y(), to.x() - from.x())};
}

// Its velocity over the width 2h itself, not over the difference of the two times.
Secant centralSecant(const Trip& trip, double t) {
    const double h = trip.tangentHalfWidth();
    const double s = trip.distanceAt(t);
    const double ds = trip.distanceAt(t + h) - trip.distanceAt(t - h);
    return {{t - h, s - ds / 2}, {t + h, s + ds / 2}, secantVelocity(ds, 2 * h)};
}

Measurement measure(const Trip& trip, double t1, double t2, bool singlePoint) {
    Measurement m;
    m.T1 = t1;
    m.T2 = t2;
    m.S1 = trip.distanceAt(t1);
    m.S2 = trip.distanceAt(t2);
    m.SinglePoint = singlePoint;
    m.Tangent = singlePoint || t1 == t2;
    m.Line = m.Tangent ? centralSecant(trip, t1) : secantThrough({t1, m.S1}, {t2, m.S2});
    m.Velocity = m.Line.Velocity;
    m.Ds = std::fabs(m.S2 - m.S1);
    m.Dt = std::fabs(t2 - t1);
    return m;
}
