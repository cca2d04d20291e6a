// The road strip: the playing trip seen from above the road. A road drawn to scale over the trip's
// distance range with a scale of km under it, the car at the playback cursor (turned round while it
// drives back, and still facing the way it came while it stands), and beside the road a speedometer
// (the dot-matrix label, whole km/h) and the choice of speed.
//
// Keys while the strip has the focus: Space plays and pauses, Right steps on, 1, 2 and 3 choose x1,
// x10 and x60. While playing a timer asks for a frame every kFrameMs; each frame reads the cursor
// from the clock, so a late frame shows the car where it is, not where counting frames would put it.
// Paused, the timer stops and the strip costs nothing.
//
// For assistive technology the strip's value is the car's time, distance and velocity, read afresh
// on every query; it is announced after every key and when the trip ends, not on every frame.
#pragma once

#include "app/tripplayback.h"

#include <QWidget>

#include <functional>
#include <memory>

class IntervalTimer;
class MonotonicClock;
class QComboBox;
class RoadStripTexts;
class TRasterLab;
class Trip;

class RoadStrip : public QWidget {
    Q_OBJECT
public:
    static constexpr int kFrameMs = 30;
    static constexpr int kCarLength = 32; // pixels
    // Between the road's ends and the ends of its scale: half a car, so the car stays on the road.
    static constexpr int kRoadMargin = kCarLength / 2 + 4;

    RoadStrip(const Trip& trip, const MonotonicClock& clock, const RoadStripTexts& texts,
              QWidget* parent = nullptr);
    ~RoadStrip() override;

    TripPlayback& playback() { return FPlayback; }
    const TripPlayback& playback() const { return FPlayback; }
    // Called with the cursor time after every frame and every key that moves or starts it: for the
    // time cursor on the chart and the velocity graph, or point 1 following the car.
    void setOnCursorMoved(std::function<void(double time)> handler) { FOnCursorMoved = std::move(handler); }
    // Replaces the frame timer (a Qt timer by default).
    void setFrameTimer(std::unique_ptr<IntervalTimer> timer);
    // Puts the cursor at t (as a click on the chart might) and shows it.
    void showTime(double t);

    // The part of the strip the road and its scale are drawn in (left of the speedometer); the
    // trip's lowest distance lies kRoadMargin in from its left, its highest as far in from its right.
    QRect roadArea() const;
    // The speedometer's text, as shown.
    QString speedometerText() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    double roadX(double km) const;
    void paintScale(QPainter& painter, int top) const;
    void paintCar(QPainter& painter, int roadTop) const;
    void frame();
    void changedByUser();
    void cursorMoved();
    void chooseSpeed(PlaybackSpeed speed);
    QString carState() const;

    const Trip& FTrip;
    const RoadStripTexts& FTexts;
    TripPlayback FPlayback;
    std::unique_ptr<IntervalTimer> FTimer;
    TRasterLab* FSpeedometer = nullptr;
    QComboBox* FSpeedBox = nullptr;
    std::function<void(double)> FOnCursorMoved;
};
