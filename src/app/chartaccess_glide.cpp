// Point 2 gliding onto point 1, paced by the glide timer; every step is the same update as a drag.
#include "app/chartaccess.h"

#include "app/measuringpoints.h"
#include "app/trip.h"

#include <QApplication>

void ChartAccess::setGlideTimer(std::unique_ptr<IntervalTimer> timer) {
    stopGlide();
    FTimer = std::move(timer);
    FTimer->setOnTick([this] { glideStep(); });
}

// Where no timer can pace it, point 2 stays where it is.
void ChartAccess::startGlide() {
    if (FPoints.singlePoint()) return;
    const double t1 = FPoints.point(1).x(), t2 = FPoints.point(2).x();
    const Trip& trip = FPoints.trip();
    FGlide.start(t2, PointGlide::target(t1, t2, trip.tangentHalfWidth(), trip.timeSpan()));
    FActivePoint = 2;
    qApp->installEventFilter(this);
    if (!FTimer->start(PointGlide::kDurationMs / PointGlide::kSteps)) stopGlide();
}

void ChartAccess::stopGlide() {
    FGlide.stop();
    if (FTimer) FTimer->stop();
    qApp->removeEventFilter(this);
}

void ChartAccess::glideStep() {
    const double t = FGlide.next();
    if (!FGlide.active()) stopGlide();
    FPoints.movePoint(2, t);
}

// A key that stops the glide does nothing else; a mouse press goes on to do what it does.
bool ChartAccess::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        stopGlide();
        return true;
    }
    if (event->type() == QEvent::MouseButtonPress) stopGlide();
    return false;
}
