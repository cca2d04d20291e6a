// The samples a trip file holds, as its readers collect them: times in min, distances in km.
#pragma once

#include "app/tripreaderror.h"

#include <optional>
#include <vector>

struct TripSamples {
    std::vector<double> Times;     // strictly ascending
    std::vector<double> Distances; // any order: a trip may go back
};

// Adds the sample at time t with distance s. A sample at the time of the one before replaces it, so
// a repeated time keeps the last distance measured at it (a logger that writes the same second
// twice has moved on by the second line). False, and nothing added, when t lies before that time.
bool addTripSample(TripSamples& samples, double t, double s);

// The details of the message TimeGoesBack for a sample at t that addTripSample() refused: the
// time of the last sample and t, in min, to ten digits.
QStringList timeGoesBackDetails(const TripSamples& samples, double t);

// Whether the samples make a trip: none gives `none`, a single one TooFewSamples.
std::optional<TripReadProblem> tripSamplesProblem(const TripSamples& samples, TripReadProblem none);
