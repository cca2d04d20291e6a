#include "app/measurement.h"

#include <cmath>

Secant secantThrough(QPointF from, QPointF to) {
    return {from, to, secantVelocity(to.y() - from.y(), to.x() - from.x())};
}

// Its velocity over the window's width itself, not over the difference of the two times as
// rounded; none over a window too narrow for the numbers to tell its ends apart.
Secant centralSecant(const Trip& trip, double t) {
    const TripSpan window = trip.tangentWindow(t);
    Secant line = secantThrough({window.Start, trip.distanceAt(window.Start)},
                                {window.End, trip.distanceAt(window.End)});
    const double width = window.End - window.Start;
    line.Velocity = width > 0 ? secantVelocity(line.To.y() - line.From.y(), width) : 0;
    return line;
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
