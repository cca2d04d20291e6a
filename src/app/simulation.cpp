#include "app/simulation.h"

#include <algorithm>

Simulation::Simulation(std::unique_ptr<Trip> trip, QObject* parent)
    : QObject(parent), FTrip(std::move(trip)) {
    const double start = FTrip->timeSpan().Start;
    FMeasurement = measure(*FTrip, start, start, false);
}

void Simulation::setTrip(std::unique_ptr<Trip> trip) {
    if (!trip) return;
    FTrip = std::move(trip);
    const TripSpan span = FTrip->timeSpan();
    remeasure(std::clamp(FMeasurement.T1, span.Start, span.End),
              std::clamp(FMeasurement.T2, span.Start, span.End), FMeasurement.SinglePoint);
}

void Simulation::setSinglePoint(bool singlePoint) {
    remeasure(FMeasurement.T1, FMeasurement.T2, singlePoint);
}

void Simulation::setPoints(double t1, double t2) {
    remeasure(t1, t2, FMeasurement.SinglePoint);
}

QPointF Simulation::point(int which) const {
    return which == 1 ? QPointF(FMeasurement.T1, FMeasurement.S1) : QPointF(FMeasurement.T2, FMeasurement.S2);
}

// The squares are compared as doubles.
int Simulation::nearerPoint(double t) const {
    const double d1 = (FMeasurement.T1 - t) * (FMeasurement.T1 - t);
    const double d2 = (FMeasurement.T2 - t) * (FMeasurement.T2 - t);
    return singlePoint() || d1 < d2 ? 1 : 2;
}

void Simulation::movePoint(int which, double t) {
    remeasure(which == 1 ? t : FMeasurement.T1, which == 1 ? FMeasurement.T2 : t, FMeasurement.SinglePoint);
}

void Simulation::remeasure(double t1, double t2, bool singlePoint) {
    FMeasurement = measure(*FTrip, t1, t2, singlePoint);
    emit changed();
}
