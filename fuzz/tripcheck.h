// What the trip readers promise for any bytes, checked by their fuzz targets: a message, or samples
// that make a trip whose distances, velocities and curve are finite and whose exported table reads
// back as the same samples.
#pragma once

#include "app/measuredtrip.h"
#include "app/tripcsv.h"
#include "app/tripexport.h"
#include "fuzzsupport.h"

#include <cmath>

inline void requireUsableTrip(const std::variant<TripSamples, TripReadError>& result) {
    if (const auto* error = std::get_if<TripReadError>(&result)) {
        require(!tripReadErrorText(*error).isEmpty());
        return;
    }
    const TripSamples& samples = std::get<TripSamples>(result);
    require(samples.Times.size() >= 2 && samples.Times.size() == samples.Distances.size());
    for (std::size_t i = 0; i < samples.Times.size(); ++i) {
        require(std::isfinite(samples.Times[i]) && std::isfinite(samples.Distances[i]));
        require(i == 0 || samples.Times[i] > samples.Times[i - 1]);
    }
    const MeasuredTrip trip(QStringLiteral("fuzz"), samples);
    const TripSpan span = trip.timeSpan();
    for (const double t : {span.Start, (span.Start + span.End) / 2, span.End})
        require(std::isfinite(trip.distanceAt(t)) && !std::isnan(trip.velocityAt(t)));
    require(trip.curveSamples().size() >= 2);
    const auto back = readTripCsv(tripCsvText(trip, u',').toUtf8(), QStringLiteral("fuzz"));
    require(std::holds_alternative<TripSamples>(back));
    require(std::get<TripSamples>(back).Times == samples.Times);
    require(std::get<TripSamples>(back).Distances == samples.Distances);
}
