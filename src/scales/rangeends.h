// Widening an empty range: the new end lies `by` beyond x, or, where `by` is lost in the rounding
// of x (1e-10 next to 1e7), on the nearest double beyond x, so that the two ends always differ.
#pragma once

#include <cmath>

inline double EndAbove(double x, double by) {
    const double end = x + by;
    return end != x ? end : std::nextafter(x, HUGE_VAL);
}

inline double EndBelow(double x, double by) {
    const double end = x - by;
    return end != x ? end : std::nextafter(x, -HUGE_VAL);
}
