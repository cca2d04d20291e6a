// A trip for tests: straight pieces between corners (min, km), so that its distance and velocity
// anywhere are known by hand. The default drives 20 min at 60 km/h, 10 min at 120 km/h, stands
// 10 min, drives back 10 min at 60 km/h, stands 5 min and drives back 5 min at 60 km/h.
#pragma once

#include "app/trip.h"

#include <QPointF>

#include <algorithm>
#include <vector>

class PolylineTrip : public Trip {
public:
    explicit PolylineTrip(
        std::vector<QPointF> corners = {{0, 0}, {20, 20}, {30, 40}, {40, 40}, {50, 30}, {55, 30}, {60, 25}})
        : FCorners(std::move(corners)) {}

    QString name() const override { return QStringLiteral("Polyline"); }
    double distanceAt(double t) const override {
        const auto after = std::upper_bound(FCorners.begin() + 1, FCorners.end() - 1, t,
                                            [](double time, const QPointF& c) { return time < c.x(); });
        const QPointF a = *(after - 1), b = *after;
        return a.y() + (b.y() - a.y()) * (t - a.x()) / (b.x() - a.x());
    }
    TripSpan timeSpan() const override { return {FCorners.front().x(), FCorners.back().x()}; }
    DistanceRange distanceRange() const override {
        const auto [low, high] =
            std::minmax_element(FCorners.begin(), FCorners.end(),
                                [](const QPointF& a, const QPointF& b) { return a.y() < b.y(); });
        return {low->y(), high->y()};
    }
    const std::vector<QPointF>& curveSamples() const override { return FCorners; }
    std::optional<double> exactVelocity(double) const override { return std::nullopt; }
    std::vector<double> velocityJumps() const override { return {}; }
    double tangentHalfWidth() const override { return 0.5; }

private:
    std::vector<QPointF> FCorners;
};
