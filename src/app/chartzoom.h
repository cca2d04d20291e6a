// Zoom and pan of the distance-time chart: which part of the trip its axes show. The time axis is
// zoomed around a time (the mouse's, or point 1's for keys) and panned by minutes, inside the whole
// trip and never narrower than kSmallestWindow. The distance axis follows so that the curve keeps
// its shape: both axes always show the same fraction of their whole range (the zoom level), so a
// slope keeps its angle on the screen; on a zoom the curve's point at the anchor time keeps its
// place on the screen, on a pan the curve's point at the middle of the window moves with the time
// axis. A distance window that would leave the whole range is shifted back inside it.
//
// The chart's Scale1X and Scale1Y take view().Time and view().Distance as their ranges; the velocity
// graph's time axis takes view().Time too. Plain arithmetic: no widget.
#pragma once

#include <QByteArray>
#include <QPointF>
#include <QString>

#include <vector>

class Trip;

// The part of one axis shown, Low < High (min on the time axis, km on the distance axis).
struct AxisWindow {
    double Low = 0;
    double High = 0;
    double width() const { return High - Low; }
    double middle() const { return (Low + High) / 2; }
    bool operator==(const AxisWindow&) const = default;
};

struct ChartView {
    AxisWindow Time;
    AxisWindow Distance;
    bool operator==(const ChartView&) const = default;
};

class ChartZoom {
public:
    static constexpr double kSmallestWindow = 0.01; // min
    // A key press (+, -) zooms by this factor; a notch of the mouse wheel by its square root.
    static constexpr double kKeyFactor = 2;
    // Ctrl + arrow pans by this fraction of the window's width.
    static constexpr double kKeyPanFraction = 0.1;

    // whole: what the chart shows of the trip unzoomed (its axes' ranges as laid out), its time
    // window inside the trip's span. Times and amounts that are no numbers change nothing.
    ChartZoom(const Trip& trip, const ChartView& whole);

    const ChartView& view() const { return FView; }
    // How many times narrower than the whole trip the time window is (1 unzoomed).
    double level() const { return FWhole.Time.width() / FView.Time.width(); }

    // factor > 1 zooms in, < 1 out; anchor is the time that keeps its place on the screen.
    void zoom(double factor, double anchor);
    // Moves the time window later by minutes (earlier when negative), stopping at the trip's ends.
    void pan(double minutes);
    void reset() { FView = FWhole; }
    // Shows the time window (clamped as a zoom is: to the trip, at least kSmallestWindow wide), the
    // curve's point at its middle in the middle of the distance window.
    void show(const AxisWindow& time);

    // The zoom factor of a turn of the mouse wheel by angleDelta (120 a notch, positive away from
    // the user: zooms in).
    static double wheelFactor(int angleDelta);

private:
    AxisWindow clampedTime(double low, double high) const;
    // The distance window of the time window's zoom level with anchorDistance at anchorFraction of
    // its height.
    void placeDistance(double anchorDistance, double anchorFraction);

    const Trip& FTrip;
    ChartView FWhole;
    ChartView FView;
};

// The curve as the chart draws it in the time window: the trip's own samples where the window holds
// the whole span; in a narrower one the samples inside it between the curve's points at its ends, or,
// where those are fewer than kLeastCurvePoints, that many points of the curve evenly spread, so that
// a zoomed curve stays smooth and not the polygon of its samples.
constexpr int kLeastCurvePoints = 200;
std::vector<QPointF> curveInView(const Trip& trip, const AxisWindow& time);

// The value of --view: two times "T0,T1" of the trip's span, T1 at least kSmallestWindow after T0;
// else Error says what is wanted.
struct ViewOption {
    AxisWindow Time;
    QString Error;
};

ViewOption parseViewOption(const QByteArray& value, double spanStart, double spanEnd);
