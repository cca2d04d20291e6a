#include "app/tripsamples.h"

bool addTripSample(TripSamples& samples, double t, double s) {
    if (!samples.Times.empty()) {
        if (t < samples.Times.back()) return false;
        if (t == samples.Times.back()) {
            samples.Distances.back() = s;
            return true;
        }
    }
    samples.Times.push_back(t);
    samples.Distances.push_back(s);
    return true;
}

QStringList timeGoesBackDetails(const TripSamples& samples, double t) {
    return {QString::number(samples.Times.back(), 'g', 10), QString::number(t, 'g', 10)};
}

std::optional<TripReadProblem> tripSamplesProblem(const TripSamples& samples, TripReadProblem none) {
    if (samples.Times.empty()) return none;
    if (samples.Times.size() < 2) return TripReadProblem::TooFewSamples;
    return std::nullopt;
}
