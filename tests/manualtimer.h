// A periodic timer that ticks only when told to, so that tests step timed behaviour without waiting;
// it can refuse to start as a desktop without timers would.
#pragma once

#include "platform/controls/intervaltimer.h"

class ManualTimer : public IntervalTimer {
public:
    bool start(int intervalMs) override {
        if (Refuse) return false;
        Interval = intervalMs;
        Running = true;
        return true;
    }
    void stop() override { Running = false; }
    bool active() const override { return Running; }
    void fire() { tick(); }
    // Fires until the timer is stopped (at most 1000 times); returns the number of ticks.
    int runOut() {
        int n = 0;
        for (; Running && n < 1000; ++n)
            fire();
        return n;
    }

    bool Refuse = false;
    bool Running = false;
    int Interval = 0;
};
