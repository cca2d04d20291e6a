// The velocity v(t) of the trip as a chart of its own under the distance chart, on the same time
// axis: the trace of the measured velocities (a dot at t1 for a tangent, at the middle of [t1, t2]
// for a secant), on request the exact curve v(t) of a trip that has one, for a measured trip always
// its smoothed velocity, and with two points the
// average velocity as a horizontal segment from t1 to t2. Hidden, it draws nothing; where it lies is the
// window's tools layout's to say (toolslayout.h). Its chart is made when it is first shown; the trace
// is kept while it is shown and starts from the current measurement when it appears.
#pragma once

#include "app/measurement.h"

#include <QObject>
#include <QPointF>
#include <QString>

#include <utility>
#include <vector>

class MeasuredTrip;
class Simulation;
class StudyTexts;
class TForm;
class TRChart;

class VelocityGraph : public QObject {
    Q_OBJECT
public:
    // The velocity axis, the same for every profile so that graphs of different trips compare; a
    // measured trip's fits its velocities.
    static constexpr double kLowest = -80;  // km/h
    static constexpr double kHighest = 120; // km/h
    // The oldest dots go when the trace grows beyond this.
    static constexpr std::size_t kMaxDots = 2000;

    // Its chart is made in the window and takes the look and time axis of the distance chart; the
    // exact curve is the simulation's trip's.
    VelocityGraph(TForm& window, const TRChart& distanceChart, const Simulation& model,
                  const StudyTexts& texts);

    bool shown() const;
    void setShown(bool shown);
    bool exactCurve() const { return FExactCurve; }
    void setExactCurve(bool shown);

    // Called with every measurement. While shown: records the measurement's dot (unless the trace holds it
    // already) and redraws. The first measurement in single-point mode starts the trace anew.
    void measured(const Measurement& m);
    // The trace starts anew; the next measurement is its first dot.
    void clearTrace();
    // (time in min, velocity in km/h) of every dot, oldest first.
    const std::vector<QPointF>& trace() const { return FTrace; }
    // Where the dot of a measurement lies.
    static QPointF dotOf(const Measurement& m);

    // Null until the graph is first shown.
    TRChart* chart() const { return FChart; }
    // The axis captions in the language in use: the time axis's as the distance chart shows it.
    void retranslate();
    QString description() const;

private:
    void createChart();
    void takeLookOfDistanceChart();
    void redraw();
    void addExactCurve();
    void fitToTrip();
    void fitVelocityAxis();
    void addMeasuredCurve(const MeasuredTrip& trip);

    TForm& FWindow;
    const TRChart& FDistanceChart;
    const Simulation& FModel;
    const StudyTexts& FTexts;
    TRChart* FChart = nullptr;
    std::pair<const Trip*, double> FFittedFor{nullptr, 0}; // the trip and smoothing the axis fits
    bool FExactCurve = false;
    Measurement FLast;
    std::vector<QPointF> FTrace;
};
