// Playing a trip of straight pieces with a clock the test moves: where the car is, which way it
// goes and what the speedometer shows, against the trip.
#include "app/tripplayback.h"
#include "fakeclock.h"
#include "polylinetrip.h"

#include <gtest/gtest.h>

// A minute of real time at x60 plays the whole hour of the trip and stops at its end.
TEST(TripPlayback, PlayedMinuteFollowsTheTrip) {
    struct Instant {
        qint64 ms;
        double time, position, speedometer;
        Heading heading, facing;
        bool playing;
    };
    using enum Heading;
    // clang-format off
    const Instant instants[] = {
        {0,     0,    0,  60,  Forward,  Forward, true},  // the secant held to the span's start
        {10000, 10,   10, 60,  Forward,  Forward, true},
        {25000, 25,   30, 120, Forward,  Forward, true},
        {35000, 35,   40, 0,   Standing, Forward, true},
        {45000, 45,   35, 60,  Back,     Back,    true},
        {52500, 52.5, 30, 0,   Standing, Back,    true},  // a stop on the way back
        {59750, 59.75, 25.25, 60, Back,  Back,    true},
        {60000, 60,   25, 60,  Back,     Back,    false}, // the end
        {75000, 60,   25, 60,  Back,     Back,    false},
    };
    // clang-format on
    const PolylineTrip trip;
    FakeClock clock;
    TripPlayback playback(trip, clock);
    playback.setSpeed(PlaybackSpeed::X60);
    playback.play();
    for (const Instant& at : instants) {
        clock.Ms = at.ms;
        EXPECT_NEAR(playback.time(), at.time, 1e-12) << at.ms;
        EXPECT_NEAR(playback.position(), at.position, 1e-9) << at.ms;
        EXPECT_NEAR(playback.speedometer(), at.speedometer, 1e-9) << at.ms;
        EXPECT_EQ(playback.heading(), at.heading) << at.ms;
        EXPECT_EQ(playback.facing(), at.facing) << at.ms;
        EXPECT_EQ(playback.playing(), at.playing) << at.ms;
    }
}

// Pausing, changing speed and stepping keep the cursor where it is and go on from there; playing
// again at the end starts from the trip's start.
TEST(TripPlayback, PauseSpeedAndStepGoOnFromTheCursor) {
    const PolylineTrip trip;
    FakeClock clock;
    TripPlayback playback(trip, clock);
    playback.togglePlaying(); // x1: a trip minute takes a real minute
    clock.Ms = 6000;
    EXPECT_DOUBLE_EQ(playback.time(), 0.1);
    playback.setSpeed(PlaybackSpeed::X10);
    clock.Ms = 12000;
    EXPECT_DOUBLE_EQ(playback.time(), 1.1);
    playback.togglePlaying();
    clock.Ms = 20000;
    EXPECT_DOUBLE_EQ(playback.time(), 1.1);
    EXPECT_FALSE(playback.playing());
    playback.step(); // a real second at x10: 10 s of the trip
    EXPECT_DOUBLE_EQ(playback.time(), 1.1 + 1.0 / 6);
    playback.setSpeed(PlaybackSpeed::X60);
    playback.play();
    playback.step(); // pauses, then a trip minute on
    clock.Ms = 30000;
    EXPECT_DOUBLE_EQ(playback.time(), 2.1 + 1.0 / 6);
    EXPECT_FALSE(playback.playing());
    playback.setTime(99);
    EXPECT_EQ(playback.time(), 60);
    playback.step();
    EXPECT_EQ(playback.time(), 60);
    playback.play();
    EXPECT_EQ(playback.time(), 0);
    EXPECT_TRUE(playback.playing());
}
