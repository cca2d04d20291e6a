// Point 2 gliding towards point 1, so that the secant visibly turns into the tangent: about 60
// eased steps over about two seconds, ending the tangent's half width (the central secant's) short
// of point 1 on point 2's side.
// The steps are plain arithmetic; a timer paces them, so tests step a glide without waiting.
#pragma once

#include "app/trip.h"

class PointGlide {
public:
    static constexpr int kSteps = 60;
    static constexpr int kDurationMs = 2000;

    // Where point 2 ends: stopShort min from t1 on the side of t2 (t2 = t1 counts as the later
    // side), or on the other side where that side lies beyond the trip's time span.
    static double target(double t1, double t2, double stopShort, TripSpan span);

    void start(double from, double to);
    void stop() { FStep = kSteps; }
    bool active() const { return FStep < kSteps; }
    // The next position; the last step lands exactly on the target and ends the glide.
    double next();

private:
    double FFrom = 0;
    double FTo = 0;
    int FStep = kSteps;
};
