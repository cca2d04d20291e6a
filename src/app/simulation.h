// The simulation's state: the trip, the two measuring points and the mode, with the measurement
// built from them once per change. Every change ends in one changed() signal, on which the views
// update; none of them is read from here. QtCore only.
#pragma once

#include "app/measurement.h"
#include "app/measuringpoints.h"
#include "app/trip.h"

#include <QObject>

#include <memory>

class Simulation final : public QObject, public MeasuringPoints {
    Q_OBJECT
public:
    // Both points stand at the span's start until they are set.
    explicit Simulation(std::unique_ptr<Trip> trip, QObject* parent = nullptr);

    const Trip& trip() const override { return *FTrip; }
    // Measures on another trip from now on; the points keep their times, moved into its time span
    // where they lie outside. A null trip is refused and the trip in use kept.
    void setTrip(std::unique_ptr<Trip> trip);
    void setSinglePoint(bool singlePoint);
    // Both points at once, with one change.
    void setPoints(double t1, double t2);
    const Measurement& measurement() const { return FMeasurement; }

    bool singlePoint() const override { return FMeasurement.SinglePoint; }
    QPointF point(int which) const override;
    int nearerPoint(double t) const override;
    void movePoint(int which, double t) override;

signals:
    void changed();

private:
    void remeasure(double t1, double t2, bool singlePoint);

    std::unique_ptr<Trip> FTrip;
    Measurement FMeasurement;
};
