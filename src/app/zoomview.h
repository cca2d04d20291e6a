// Zoom and pan of the distance chart as the window offers them: the mouse wheel zooms around the
// mouse, +/- around point 1, a drag with the right or middle button and Ctrl + arrows pan, 0 and the
// View menu's "Whole trip" go back to the whole trip. The arithmetic is ChartZoom's; this view reads
// the input, keeps a ChartZoom for the trip the simulation measures on (made anew when the trip is
// swapped, showing the whole of it) and puts its view on the chart's axes. The velocity graph takes
// its time axis from the chart. A right click that does not drag still opens the context menu.
#pragma once

#include "app/chartzoom.h"

#include <QObject>
#include <QPoint>

#include <functional>
#include <memory>

class ChartAccess;
class QAction;
class QMouseEvent;
class QWheelEvent;
class Simulation;
class TForm;
class TRChart;
class ViewTexts;

class ZoomView : public QObject {
    Q_OBJECT
public:
    struct Window {
        TForm& Form; // holds the entries, so that their keys act wherever the window has the keyboard
        TRChart& Chart;
        const Simulation& Model;
        ChartAccess& Access;          // the context menu a right click opens
        std::function<void()> Redraw; // the display anew, on the new axes
    };
    // The chart's distance axis as laid out now is the whole trip's.
    ZoomView(const Window& window, const ViewTexts& texts);
    ~ZoomView() override;

    // Puts the view on the chart's axes; a new trip is shown whole. Called before every redraw.
    void fit();
    // Shows the time window (as --view asks), clamped as a zoom is.
    void show(const AxisWindow& time);
    const ChartZoom& zoom() const { return *FZoom; }

    // The entries of the View menu, each with its keys; the pans have keys only.
    struct Actions {
        QAction* ZoomIn;
        QAction* ZoomOut;
        QAction* WholeTrip;
        QAction* PanEarlier;
        QAction* PanLater;
    };
    const Actions& actions() const { return FActions; }
    void retranslate();
    // The zoom level and the time window for screen readers; empty for the whole trip.
    QString description() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using Change = std::function<void(ChartZoom&)>;
    // An entry with its keys that makes the change and shows it.
    QAction* addAction(const QList<QKeySequence>& keys, Change change);
    // The keys' changes: a zoom by factor around point 1, a pan by a fraction of the window's width.
    Change zoomAtPointOne(double factor) const;
    static Change panBy(double fraction);
    void changed(const Change& change);
    void wheel(const QWheelEvent& event);
    bool mouse(const QMouseEvent& event);
    bool holdsContextMenu();
    double timeAt(int x) const;
    // Minutes of the time axis per pixel of the data area.
    double minutesPerPixel() const;

    const Window FWindow;
    const ViewTexts& FTexts;
    const Trip* FTrip = nullptr;
    std::unique_ptr<ChartZoom> FZoom;
    Actions FActions{};
    Qt::MouseButton FDragButton = Qt::NoButton;
    QPoint FDragFrom;
    bool FDragged = false;  // the last press of the right or middle button moved the view
    bool FHeldMenu = false; // the context menu waits for the right button's release
};
