// Point 2 gliding onto point 1, paced by the ticker; every step is the same update as a drag.
#include "app/chartaccess.h"

#include "app/mainfrm.h"
#include "chart/rchart.h"

#include <QApplication>

void ChartAccess::startGlide() {
    if (singlePoint()) return;
    FGlide.start(FForm.Time2(), PointGlide::target(FForm.Time1(), FForm.Time2(), axisEnd()));
    FActivePoint = 2;
    qApp->installEventFilter(this);
    FTicker->start(PointGlide::kDurationMs / PointGlide::kSteps, [this] { glideStep(); });
}

void ChartAccess::stopGlide() {
    FGlide.stop();
    FTicker->stop();
    qApp->removeEventFilter(this);
}

void ChartAccess::glideStep() {
    const double t = FGlide.next();
    if (!FGlide.active()) stopGlide();
    FForm.MovePoint(2, t);
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
