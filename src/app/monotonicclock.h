// A clock that only runs forwards, for what moves with real time (the playing trip): the time is read
// from it on every frame, so a slow or skipped frame never slows the motion down.
#pragma once

#include <QElapsedTimer>
#include <QtGlobal>

class MonotonicClock {
public:
    virtual ~MonotonicClock() = default;
    // Milliseconds since a fixed moment of the clock's own; never less than at an earlier call.
    virtual qint64 elapsedMs() const = 0;
};

// The system's monotonic clock, counted from the object's creation.
class SteadyClock : public MonotonicClock {
public:
    SteadyClock() { FTimer.start(); }
    qint64 elapsedMs() const override { return FTimer.elapsed(); }

private:
    QElapsedTimer FTimer;
};
