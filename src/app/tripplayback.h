// Playing a trip: a cursor time that runs through the trip's span with real time, as read from a
// monotonic clock, at one of three speeds; paused, it stays. It stops at the trip's end. At the
// cursor it gives the car's position on the road, which way the car goes and the speedometer's value.
// Plain logic over a trip and a clock; the road strip draws it and a timer only asks for frames.
#pragma once

class MonotonicClock;
class Trip;

// Trip minutes per real second: 1/60 (real time), 1/6, 1.
enum class PlaybackSpeed { X1, X10, X60 };
double tripMinutesPerSecond(PlaybackSpeed speed);

// Which way the car goes: along the road, back towards its start, or not at all.
enum class Heading { Forward, Back, Standing };

class TripPlayback {
public:
    // Below this speed (km/h) the car stands: the speedometer, showing whole km/h, reads 0.
    static constexpr double kStandingBelow = 0.5;
    // A step moves on by what one real second plays at the chosen speed.
    static constexpr double kStepSeconds = 1;

    // The cursor starts paused at the trip's start, at speed x1.
    TripPlayback(const Trip& trip, const MonotonicClock& clock);

    // Plays on from the cursor; at the trip's end it starts again from the start.
    void play();
    void pause();
    void togglePlaying();
    // Pauses and moves the cursor on by one step (kStepSeconds at the chosen speed).
    void step();
    // Whether the cursor runs: played and not yet at the trip's end.
    bool playing() const;

    PlaybackSpeed speed() const { return FSpeed; }
    // The cursor keeps its place; it runs on at the new speed.
    void setSpeed(PlaybackSpeed speed);

    // The cursor time (min), held to the trip's span.
    double time() const;
    // Puts the cursor at t (held to the span), playing on from there if it plays.
    void setTime(double t);

    // The car's distance along the road (km) at the cursor.
    double position() const;
    // The velocity at the cursor (km/h, negative on the way back): the central secant over the
    // trip's tangent half width, its ends held to the trip's span.
    double velocity() const;
    // What a speedometer shows: the velocity's absolute value.
    double speedometer() const;
    Heading heading() const;
    // Which way the car faces: its heading, or while it stands the heading it last had (forward if
    // it has not moved since the start).
    Heading facing() const;

private:
    double velocityAt(double t) const;
    double clampedToSpan(double t) const;

    const Trip& FTrip;
    const MonotonicClock& FClock;
    PlaybackSpeed FSpeed = PlaybackSpeed::X1;
    bool FRunning = false;
    double FStartTime = 0;  // cursor time when it last started running or was put
    long long FStartMs = 0; // the clock's time then
};
