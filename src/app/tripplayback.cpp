#include "app/tripplayback.h"

#include "app/monotonicclock.h"
#include "app/trip.h"
#include "app/tripmodel.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kMsPerSecond = 1000;
// The look back for the way a standing car faces gives up after this many half widths.
constexpr int kMaxLookBack = 100000;

Heading headingOf(double velocity) {
    if (std::fabs(velocity) < TripPlayback::kStandingBelow) return Heading::Standing;
    return velocity > 0 ? Heading::Forward : Heading::Back;
}

} // namespace

double tripMinutesPerSecond(PlaybackSpeed speed) {
    switch (speed) {
    case PlaybackSpeed::X10:
        return 1.0 / 6;
    case PlaybackSpeed::X60:
        return 1;
    case PlaybackSpeed::X1:
        break;
    }
    return 1.0 / 60;
}

TripPlayback::TripPlayback(const Trip& trip, const MonotonicClock& clock)
    : FTrip(trip), FClock(clock), FStartTime(trip.timeSpan().Start), FStartMs(clock.elapsedMs()) {}

void TripPlayback::play() {
    const double now = time();
    setTime(now >= FTrip.timeSpan().End ? FTrip.timeSpan().Start : now);
    FRunning = true;
}

void TripPlayback::pause() {
    setTime(time());
    FRunning = false;
}

void TripPlayback::togglePlaying() {
    if (playing())
        pause();
    else
        play();
}

void TripPlayback::step() {
    pause();
    setTime(FStartTime + kStepSeconds * tripMinutesPerSecond(FSpeed));
}

bool TripPlayback::playing() const {
    return FRunning && time() < FTrip.timeSpan().End;
}

void TripPlayback::setSpeed(PlaybackSpeed speed) {
    setTime(time());
    FSpeed = speed;
}

double TripPlayback::time() const {
    if (!FRunning) return FStartTime;
    const double seconds = static_cast<double>(FClock.elapsedMs() - FStartMs) / kMsPerSecond;
    return clampedToSpan(FStartTime + seconds * tripMinutesPerSecond(FSpeed));
}

void TripPlayback::setTime(double t) {
    FStartTime = clampedToSpan(t);
    FStartMs = FClock.elapsedMs();
}

double TripPlayback::position() const {
    return FTrip.distanceAt(time());
}

double TripPlayback::velocity() const {
    return velocityAt(time());
}

double TripPlayback::speedometer() const {
    return std::fabs(velocity());
}

Heading TripPlayback::heading() const {
    return headingOf(velocity());
}

Heading TripPlayback::facing() const {
    const double h = FTrip.tangentHalfWidth();
    const double start = FTrip.timeSpan().Start;
    double t = time();
    for (int i = 0; i < kMaxLookBack && h > 0 && t > start; ++i, t -= h) {
        const Heading heading = headingOf(velocityAt(t));
        if (heading != Heading::Standing) return heading;
    }
    return Heading::Forward;
}

double TripPlayback::velocityAt(double t) const {
    const double h = FTrip.tangentHalfWidth();
    const double from = clampedToSpan(t - h), to = clampedToSpan(t + h);
    if (!(to > from)) return 0;
    return (FTrip.distanceAt(to) - FTrip.distanceAt(from)) / (to - from) * kMinutesPerHour;
}

double TripPlayback::clampedToSpan(double t) const {
    const TripSpan span = FTrip.timeSpan();
    return std::isnan(t) ? span.Start : std::clamp(t, span.Start, span.End);
}
