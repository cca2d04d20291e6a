#include "app/chartzoom.h"

#include "app/trip.h"

#include <QByteArrayList>

#include <algorithm>
#include <cmath>

namespace {

// Where value lies in the window, from 0 at Low to 1 at High, held to the window.
double fractionIn(const AxisWindow& window, double value) {
    return std::clamp((value - window.Low) / window.width(), 0.0, 1.0);
}

// The window of this width starting at low, shifted back inside bounds (width at most theirs).
AxisWindow shiftedInside(double low, double width, const AxisWindow& bounds) {
    low = std::min(std::max(low, bounds.Low), bounds.High - width);
    return {low, low + width};
}

// Two times that differ by a hundredth in their text may lie a rounding error closer as doubles.
constexpr double kTolerance = 1e-9;

} // namespace

ChartZoom::ChartZoom(const Trip& trip, const ChartView& whole) : FTrip(trip), FWhole(whole), FView(whole) {}

void ChartZoom::zoom(double factor, double anchor) {
    if (!std::isfinite(factor) || factor <= 0) return;
    const AxisWindow old = FView.Time;
    if (!std::isfinite(anchor)) anchor = old.middle();
    anchor = std::clamp(anchor, old.Low, old.High);
    const double width = std::clamp(old.width() / factor, kSmallestWindow, FWhole.Time.width());
    const double low = anchor - fractionIn(old, anchor) * width;
    FView.Time = clampedTime(low, low + width);
    const double anchorDistance = FTrip.distanceAt(anchor);
    placeDistance(anchorDistance, fractionIn(FView.Distance, anchorDistance));
}

void ChartZoom::pan(double minutes) {
    if (!std::isfinite(minutes)) return;
    const double before = FTrip.distanceAt(FView.Time.middle());
    const double fraction = fractionIn(FView.Distance, before);
    FView.Time = clampedTime(FView.Time.Low + minutes, FView.Time.High + minutes);
    placeDistance(FTrip.distanceAt(FView.Time.middle()), fraction);
}

void ChartZoom::show(const AxisWindow& time) {
    if (!std::isfinite(time.Low) || !std::isfinite(time.High)) return;
    FView.Time = clampedTime(time.Low, time.High);
    placeDistance(FTrip.distanceAt(FView.Time.middle()), 0.5);
}

double ChartZoom::wheelFactor(int angleDelta) {
    return std::pow(kKeyFactor, angleDelta / 240.0);
}

AxisWindow ChartZoom::clampedTime(double low, double high) const {
    const double width = std::clamp(high - low, kSmallestWindow, FWhole.Time.width());
    return shiftedInside(low, width, FWhole.Time);
}

void ChartZoom::placeDistance(double anchorDistance, double anchorFraction) {
    const double width = FWhole.Distance.width() * (FView.Time.width() / FWhole.Time.width());
    FView.Distance = shiftedInside(anchorDistance - anchorFraction * width, width, FWhole.Distance);
}

std::vector<QPointF> curveInView(const Trip& trip, const AxisWindow& time) {
    const TripSpan span = trip.timeSpan();
    const std::vector<QPointF>& samples = trip.curveSamples();
    if (time.Low <= span.Start && time.High >= span.End) return samples;
    const auto first = std::upper_bound(samples.begin(), samples.end(), time.Low,
                                        [](double t, const QPointF& p) { return t < p.x(); });
    const auto last = std::lower_bound(first, samples.end(), time.High,
                                       [](const QPointF& p, double t) { return p.x() < t; });
    std::vector<QPointF> curve;
    if (last - first + 2 < kLeastCurvePoints) {
        for (int i = 0; i < kLeastCurvePoints; ++i) {
            const double t = time.Low + time.width() * i / (kLeastCurvePoints - 1);
            curve.emplace_back(t, trip.distanceAt(t));
        }
        return curve;
    }
    curve.emplace_back(time.Low, trip.distanceAt(time.Low));
    curve.insert(curve.end(), first, last);
    curve.emplace_back(time.High, trip.distanceAt(time.High));
    return curve;
}

ViewOption parseViewOption(const QByteArray& value, double spanStart, double spanEnd) {
    const QByteArrayList times = value.split(',');
    bool ok0 = false, ok1 = false;
    const double t0 = times.value(0).toDouble(&ok0);
    const double t1 = times.value(1).toDouble(&ok1);
    if (times.size() == 2 && ok0 && ok1 && t0 >= spanStart && t1 <= spanEnd &&
        t1 - t0 >= ChartZoom::kSmallestWindow - kTolerance)
        return {{t0, t1}, {}};
    return {{},
            QStringLiteral("--view needs two times T0,T1 from %1 to %2 min, T1 at least %3 min after T0, "
                           "not \"%4\"")
                .arg(spanStart)
                .arg(spanEnd)
                .arg(ChartZoom::kSmallestWindow)
                .arg(QString::fromLocal8Bit(value))};
}
