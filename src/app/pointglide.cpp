#include "app/pointglide.h"

#include <QEasingCurve>

double PointGlide::target(double t1, double t2, double stopShort, TripSpan span) {
    const double side = t2 >= t1 ? 1 : -1;
    const double end = t1 + side * stopShort;
    return span.contains(end) ? end : t1 - side * stopShort;
}

void PointGlide::start(double from, double to) {
    FFrom = from;
    FTo = to;
    FStep = 0;
}

double PointGlide::next() {
    if (!active()) return FTo;
    ++FStep;
    if (FStep == kSteps) return FTo;
    // Fast at first, slow near the limit, where the read-out settles.
    static const QEasingCurve easing(QEasingCurve::OutCubic);
    return FFrom + (FTo - FFrom) * easing.valueForProgress(double(FStep) / kSteps);
}
