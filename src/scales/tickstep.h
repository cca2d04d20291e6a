// The step of a linear division: the largest of 1, 2 or 5 times a power of ten that fits at least
// minTicks times into the range, the first multiple of it at the start of the range and the number
// of short-tick intervals per step. Extended precision throughout.
#pragma once

struct TickStep {
    long double Step = 0;  // signed: negative on a reversed range
    long double First = 0; // first tick, at most a thousandth of a step before rangeLow
    int SubSteps = 1;
};

// minTicks 0 asks for unit steps.
TickStep CalcTickStep(int minTicks, long double high, long double low);
