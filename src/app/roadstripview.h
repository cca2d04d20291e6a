// The road strip in the main window: hidden until the View menu's entry or the key D shows it, laid
// out under the chart by the tools layout (toolslayout.h). While its car moves, a time cursor stands
// at the car's time on the chart and on the velocity graph; on request ("Point 1 follows the car")
// measuring point 1 goes with the car, so that in single-point mode the tangent rides along the
// trip. The strip plays the trip the simulation measures on: it is made anew when the trip is
// swapped, shown or hidden as before.
#pragma once

#include "app/monotonicclock.h"

#include <QObject>

#include <functional>

class QAction;
class RoadStrip;
class RoadStripTexts;
class Simulation;
class TForm;
class TRChart;
class Trip;
class ViewTexts;

class RoadStripView : public QObject {
    Q_OBJECT
public:
    struct Window {
        TForm& Form; // the strip's parent; holds the entries, so that their keys act anywhere in it
        TRChart& Chart;
        Simulation& Model;
        std::function<TRChart*()> Graph; // the velocity graph's chart; null until it is made
        std::function<void()> LayOut;    // the window's tools anew, after the strip is shown or hidden
    };
    // The texts are the window's; the clock times the playing.
    RoadStripView(const Window& window, const RoadStripTexts& stripTexts, const ViewTexts& texts,
                  const MonotonicClock& clock);
    ~RoadStripView() override;

    // The strip as shown now; null until first shown.
    RoadStrip* strip() const { return FStrip; }
    bool shown() const;
    void toggleShown();
    bool followsCar() const { return FFollow; }
    void toggleFollowing();

    struct Actions {
        QAction* Show;
        QAction* Follow;
    };
    const Actions& actions() const { return FActions; }
    void retranslate();
    void updateChecks();

    // The time cursor's crosshair on each chart.
    static constexpr int kCursor = 3;

private:
    void makeStrip(bool shown);
    void modelChanged();
    void cursorMoved(double t);
    void showCursor(TRChart* chart, double t) const;

    const Window FWindow;
    const RoadStripTexts& FStripTexts;
    const ViewTexts& FTexts;
    const MonotonicClock& FClock;
    RoadStrip* FStrip = nullptr;
    const Trip* FTrip = nullptr; // the trip the strip plays
    bool FFollow = false;
    Actions FActions{};
};
