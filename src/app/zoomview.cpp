#include "app/zoomview.h"

#include "app/chartaccess.h"
#include "app/simulation.h"
#include "app/viewtexts.h"
#include "chart/rchart.h"
#include "platform/controls/forms.h"
#include "scales/labeltext.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include <cmath>

namespace {

// A right press that moves less than this (pixels) is a click: it opens the context menu.
constexpr int kDragThreshold = 4;

AxisWindow distanceAxis(const TRChart& chart) {
    return {chart.Scale1Y()->RangeLow(), chart.Scale1Y()->RangeHigh()};
}

} // namespace

ZoomView::ZoomView(const Window& window, const ViewTexts& texts) : FWindow(window), FTexts(texts) {
    // The keypad's keys too, which Qt tells apart from the main block's.
    FActions = {addAction({Qt::Key_Plus, Qt::Key_Equal, Qt::KeypadModifier | Qt::Key_Plus},
                          zoomAtPointOne(ChartZoom::kKeyFactor)),
                addAction({Qt::Key_Minus, Qt::KeypadModifier | Qt::Key_Minus},
                          zoomAtPointOne(1 / ChartZoom::kKeyFactor)),
                addAction({Qt::Key_0, Qt::KeypadModifier | Qt::Key_0}, [](ChartZoom& z) { z.reset(); }),
                addAction({Qt::CTRL | Qt::Key_Left}, panBy(-ChartZoom::kKeyPanFraction)),
                addAction({Qt::CTRL | Qt::Key_Right}, panBy(ChartZoom::kKeyPanFraction))};
    retranslate();
    fit();
    FWindow.Chart.installEventFilter(this);
}

ZoomView::~ZoomView() = default;

QAction* ZoomView::addAction(const QList<QKeySequence>& keys, Change change) {
    auto* action = new QAction(this);
    action->setShortcuts(keys);
    connect(action, &QAction::triggered, this, [this, change = std::move(change)] { changed(change); });
    FWindow.Form.addAction(action);
    return action;
}

ZoomView::Change ZoomView::zoomAtPointOne(double factor) const {
    return [this, factor](ChartZoom& z) { z.zoom(factor, FWindow.Model.measurement().T1); };
}

ZoomView::Change ZoomView::panBy(double fraction) {
    return [fraction](ChartZoom& z) { z.pan(fraction * z.view().Time.width()); };
}

void ZoomView::retranslate() {
    FActions.ZoomIn->setText(FTexts.ZoomIn());
    FActions.ZoomOut->setText(FTexts.ZoomOut());
    FActions.WholeTrip->setText(FTexts.WholeTrip());
}

void ZoomView::fit() {
    const Trip& trip = FWindow.Model.trip();
    if (&trip != FTrip) {
        const TripSpan span = trip.timeSpan();
        // The distance axis as it is laid out for this trip (the layout's, or fitted to a measured
        // trip's distances) is the whole view's.
        FZoom =
            std::make_unique<ChartZoom>(trip, ChartView{{span.Start, span.End}, distanceAxis(FWindow.Chart)});
        FTrip = &trip;
    }
    const ChartView& view = FZoom->view();
    TRChart& chart = FWindow.Chart;
    if (chart.Scale1X()->RangeLow() == view.Time.Low && chart.Scale1X()->RangeHigh() == view.Time.High &&
        chart.Scale1Y()->RangeLow() == view.Distance.Low &&
        chart.Scale1Y()->RangeHigh() == view.Distance.High)
        return;
    chart.SetRanges(1, view.Time.Low, view.Time.High, view.Distance.Low, view.Distance.High);
}

void ZoomView::show(const AxisWindow& time) {
    changed([&time](ChartZoom& z) { z.show(time); });
}

void ZoomView::changed(const Change& change) {
    fit(); // the trip's own zoom
    change(*FZoom);
    FWindow.Redraw();
}

QString ZoomView::description() const {
    if (FZoom->level() <= 1) return QString();
    const AxisWindow& time = FZoom->view().Time;
    const int decimals = time.width() < 1 ? 2 : 1;
    return FTexts.Zoomed().arg(FormatFloatField(1, 1, FZoom->level()),
                               FormatFloatField(1, decimals, time.Low),
                               FormatFloatField(1, decimals, time.High));
}

bool ZoomView::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
    case QEvent::Wheel:
        wheel(*static_cast<QWheelEvent*>(event));
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
        return mouse(*static_cast<QMouseEvent*>(event));
    case QEvent::ContextMenu:
        return static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Mouse &&
               holdsContextMenu();
    default:
        return false;
    }
}

void ZoomView::wheel(const QWheelEvent& event) {
    const int delta = event.angleDelta().y();
    if (delta == 0) return;
    const double anchor = timeAt(static_cast<int>(event.position().x()));
    changed([delta, anchor](ChartZoom& z) { z.zoom(ChartZoom::wheelFactor(delta), anchor); });
}

// Right and middle button drags pan; the left button's presses and drags are the chart's own.
bool ZoomView::mouse(const QMouseEvent& event) {
    const QPoint at = event.position().toPoint();
    switch (event.type()) {
    case QEvent::MouseButtonPress:
        if (event.button() != Qt::RightButton && event.button() != Qt::MiddleButton) return false;
        FDragButton = event.button();
        FDragFrom = at;
        FDragged = false;
        return true;
    case QEvent::MouseMove: {
        if (FDragButton == Qt::NoButton) return false;
        const int dx = at.x() - FDragFrom.x();
        FDragged =
            FDragged || std::abs(dx) >= kDragThreshold || std::abs(at.y() - FDragFrom.y()) >= kDragThreshold;
        if (!FDragged || dx == 0) return true;
        const double minutes = -dx * minutesPerPixel();
        FDragFrom = at;
        changed([minutes](ChartZoom& z) { z.pan(minutes); });
        return true;
    }
    case QEvent::MouseButtonRelease: {
        if (event.button() != FDragButton) return false;
        FDragButton = Qt::NoButton;
        if (FHeldMenu && !FDragged) FWindow.Access.showMenu(FWindow.Chart.mapToGlobal(at));
        FHeldMenu = false;
        return true;
    }
    default:
        return false;
    }
}

// Where the system asks for the menu on the right press, it waits for the release: a drag pans
// instead. Where it asks on the release, a drag that has just panned opens none.
bool ZoomView::holdsContextMenu() {
    if (FDragButton == Qt::RightButton) {
        FHeldMenu = true;
        return true;
    }
    return FDragged;
}

double ZoomView::timeAt(int x) const {
    double t = 0;
    double s = 0;
    FWindow.Chart.PixelToData(1, x, 0, t, s);
    return t;
}

double ZoomView::minutesPerPixel() const {
    const AxisWindow& time = FZoom->view().Time;
    const int pixels =
        FWindow.Chart.DataToPixel(1, time.High, 0).x() - FWindow.Chart.DataToPixel(1, time.Low, 0).x();
    return pixels > 0 ? time.width() / pixels : 0;
}
