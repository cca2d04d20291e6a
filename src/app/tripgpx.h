// Reads a trip from a GPX 1.0 or 1.1 document: the points of its first track (all its segments in
// turn) that have a time. The time is in minutes from the first such point; the distance is the
// length of the track up to the point along the WGS84 ellipsoid (geodesic.h), through every point
// of the track with a position, those without a time too, and across the gap from one segment to
// the next. Elevations and everything after the first track are not read.
#pragma once

#include "app/tripsamples.h"

#include <QByteArray>

#include <variant>

// The samples of the document in bytes, or why it cannot be read; file names it in messages.
std::variant<TripSamples, TripReadError> readTripGpx(const QByteArray& bytes, const QString& file);
