// The chart driven from the keyboard. Every move goes through the same update as a drag.
#include "app/chartaccess.h"

#include "app/measuringpoints.h"
#include "chart/rchart.h"

#include <algorithm>

using enum TShiftStateFlag;

namespace {

constexpr double kStep = 0.5;      // min
constexpr double kShiftStep = 5.0; // min

bool usable(const QWidget* w) {
    return (w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled();
}

} // namespace

void ChartAccess::keyDown(int& key, TShiftState shift) {
    const bool ctrl = shift.testFlag(ssCtrl);
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
        stepActivePoint((key == Qt::Key_Left ? -1 : 1) * (shift.testFlag(ssShift) ? kShiftStep : kStep));
        break;
    case Qt::Key_Home:
        moveActivePoint(axisStart());
        break;
    case Qt::Key_End:
        moveActivePoint(axisEnd());
        break;
    case Qt::Key_Space:
        switchPoint();
        break;
    case Qt::Key_Tab:
        // Tab switches the points; where there is nothing to switch, and with Ctrl, it leaves the
        // chart as anywhere else, so the keyboard is never caught.
        if (ctrl || FPoints.singlePoint() || shift.testFlag(ssShift))
            moveFocus(!shift.testFlag(ssShift));
        else
            switchPoint();
        break;
    case Qt::Key_Backtab:
        moveFocus(false);
        break;
    case Qt::Key_A:
        if (ctrl || shift.testFlag(ssAlt)) return;
        startGlide();
        break;
    case Qt::Key_Menu:
        showMenu(activePointOnScreen());
        break;
    default:
        return;
    }
    key = 0;
}

void ChartAccess::stepActivePoint(double minutes) {
    moveActivePoint(activePointData().x() + minutes);
}

void ChartAccess::moveActivePoint(double t) {
    FPoints.movePoint(activePoint(), std::clamp(t, axisStart(), axisEnd()));
}

void ChartAccess::switchPoint() {
    if (FPoints.singlePoint()) return;
    FActivePoint = 3 - FActivePoint;
    displayUpdated();
}

void ChartAccess::moveFocus(bool forward) {
    QWidget* chart = FControls.Chart;
    QWidget* w = chart;
    do
        w = forward ? w->nextInFocusChain() : w->previousInFocusChain();
    while (w != chart && !usable(w));
    w->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

QPoint ChartAccess::activePointOnScreen() const {
    const QPointF point = activePointData();
    const TRChart* chart = FControls.Chart;
    return chart->mapToGlobal(chart->DataToPixel(1, point.x(), point.y()));
}
