// A monotonic clock that stands until a test moves it.
#pragma once

#include "app/monotonicclock.h"

class FakeClock : public MonotonicClock {
public:
    qint64 elapsedMs() const override { return Ms; }
    qint64 Ms = 0;
};
