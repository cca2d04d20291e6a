// A periodic timer that ticks only when told to, so that tests step timed behaviour without waiting;
// it can refuse to start as a desktop without timers would.
#pragma once

#include "platform/controls/intervaltimer.h"

class ManualTimer : public IntervalTimer {
public:
    bool Start(int intervalMs) override {
        if (Refuse) return false;
        Interval = intervalMs;
        Running = true;
        return true;
    }
    void Stop() override { Running = false; }
    bool Active() const override { return Running; }
    void Fire() { Tick(); }
    // Fires until the timer is stopped (at most 1000 times); returns the number of ticks.
    int RunOut() {
        int n = 0;
        for (; Running && n < 1000; ++n)
            Fire();
        return n;
    }

    bool Refuse = false;
    bool Running = false;
    int Interval = 0;
};
