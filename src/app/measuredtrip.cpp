#include "app/measuredtrip.h"

#include "app/measurement.h"

#include <algorithm>

namespace {

DistanceRange rangeOf(const std::vector<double>& distances) {
    const auto [low, high] = std::minmax_element(distances.begin(), distances.end());
    return {*low, *high};
}

// The points of the columns of equal time between the first and the last sample: each column's
// lowest and highest sample, the earlier first, so that a line through them draws every column's
// full height.
std::vector<QPointF> reducedCurve(const TripSamples& samples) {
    const std::vector<double>& t = samples.Times;
    const std::vector<double>& s = samples.Distances;
    const std::size_t n = t.size();
    std::vector<QPointF> curve{{t.front(), s.front()}};
    const double width = (t.back() - t.front()) / kCurveColumns;
    std::size_t i = 1;
    for (int column = 1; column <= kCurveColumns && i + 1 < n; ++column) {
        const double end = column == kCurveColumns ? t.back() : t.front() + column * width;
        std::size_t low = i, high = i;
        for (; i + 1 < n && t[i] < end; ++i) {
            if (s[i] < s[low]) low = i;
            if (s[i] > s[high]) high = i;
        }
        if (low == i) continue; // an empty column: the column's first sample belongs to the next one
        for (const std::size_t k : {std::min(low, high), std::max(low, high)})
            if (curve.back().x() != t[k]) curve.emplace_back(t[k], s[k]);
    }
    curve.emplace_back(t.back(), s.back());
    return curve;
}

std::vector<QPointF> curveOf(const TripSamples& samples) {
    if (samples.Times.size() > 2 * static_cast<std::size_t>(kCurveColumns)) return reducedCurve(samples);
    std::vector<QPointF> curve;
    curve.reserve(samples.Times.size());
    for (std::size_t i = 0; i < samples.Times.size(); ++i)
        curve.emplace_back(samples.Times[i], samples.Distances[i]);
    return curve;
}

} // namespace

MeasuredTrip::MeasuredTrip(QString name, TripSamples samples)
    : FName(std::move(name)), FSamples(std::move(samples)), FRange(rangeOf(FSamples.Distances)),
      FCurve(curveOf(FSamples)) {
    setTangentHalfWidth(kDefaultSmoothingHalfWidth);
}

double MeasuredTrip::distanceAt(double t) const {
    const std::vector<double>& times = FSamples.Times;
    const std::vector<double>& distances = FSamples.Distances;
    if (!(t > times.front())) return distances.front(); // NaN too
    if (t >= times.back()) return distances.back();
    const std::size_t i = std::upper_bound(times.begin(), times.end(), t) - times.begin();
    const double share = (t - times[i - 1]) / (times[i] - times[i - 1]);
    return distances[i - 1] + share * (distances[i] - distances[i - 1]);
}

TripSpan MeasuredTrip::timeSpan() const {
    return {FSamples.Times.front(), FSamples.Times.back()};
}

void MeasuredTrip::setTangentHalfWidth(double h) {
    const TripSpan span = timeSpan();
    const double longest = (span.End - span.Start) / 2;
    FHalfWidth = std::min(h > kMinSmoothingHalfWidth ? h : kMinSmoothingHalfWidth, longest);
    FVelocityCurve.clear();
    FVelocityCurve.reserve(kCurveColumns + 1);
    for (int i = 0; i <= kCurveColumns; ++i) {
        const double t =
            i == kCurveColumns ? span.End : span.Start + (span.End - span.Start) * i / kCurveColumns;
        FVelocityCurve.emplace_back(t, velocityAt(t));
    }
}

TripSpan MeasuredTrip::tangentWindow(double t) const {
    const TripSpan span = timeSpan();
    const double centre = t > span.Start ? std::min(t, span.End) : span.Start;
    return {std::max(centre - FHalfWidth, span.Start), std::min(centre + FHalfWidth, span.End)};
}

double MeasuredTrip::velocityAt(double t) const {
    return centralSecant(*this, t).Velocity;
}
