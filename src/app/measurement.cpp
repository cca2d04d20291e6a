#include "app/measurement.h"

#include <cmath>

Secant secantThrough(QPointF from, QPointF to) {
    return {from, to, secantVelocity(to.y() - from.y(), to.x() - from.x())};
}

// Its velocity over the window's width itself, not over the difference of the two times as
// rounded; none over a window too narrow for the numbers to tell its ends apart.
Secant centralSecant(const Trip& trip, double t) {
    // The line runs through the point itself with the secant's slope, so that zoomed in far it
    // still touches the curve there.
    const TripSpan window = trip.tangentWindow(t);
    const double width = window.End - window.Start;
    const double ds = trip.distanceAt(window.End) - trip.distanceAt(window.Start);
    const double slope = width > 0 ? ds / width : 0;
    const double s = trip.distanceAt(t);
    return {{window.Start, s - slope * (t - window.Start)},
            {window.End, s + slope * (window.End - t)},
            width > 0 ? secantVelocity(ds, width) : 0};
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
