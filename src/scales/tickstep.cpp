#include "scales/tickstep.h"

#include <cmath>

namespace {

// Moves first up to the first multiple of step that lies no more than a thousandth of a step
// before low (in the direction of the axis).
long double firstMultiple(long double step, long double low, long double dir) {
    long double first = (std::trunc(low / step) - 1) * step;
    while (0.001L * std::fabs(step) < dir * (low - first))
        first += step;
    return first;
}

// 1, 2 or 5 times 10^exponent with its sub-division, by the fractional part h of log10(r / n).
TickStep mantissaStep(long double exponent, long double h) {
    const long double tolerance = 1e-10L;
    const long double power = std::pow(10.0L, exponent);
    if (h < std::log10(2.0L) + tolerance) return {power, 0, 5};
    if (h < std::log10(5.0L) + tolerance) return {2 * power, 0, 4};
    return {5 * power, 0, 5};
}

} // namespace

TickStep CalcTickStep(int minTicks, long double high, long double low) {
    if (high == low) return {0, low, 1};
    const long double dir = low < high ? 1 : -1;
    const long double range = std::fabs(high - low);
    TickStep result;
    if (minTicks == 0) {
        // Unit steps follow the axis direction, so that a reversed axis is walked towards its end.
        result = {dir, 0, range > 10 ? 1 : 5};
    } else {
        long double g = std::log10(range / minTicks);
        long double h = g - std::trunc(g);
        if (std::fabs(h) < 1e-10L || std::fabs(h) > 0.9999999999L) {
            g = std::nearbyint(g);
            h = 0;
        }
        if (g < 0 && h != 0) g -= 1;
        if (h < 0) h += 1;
        result = mantissaStep(std::trunc(g), h);
        result.Step *= dir;
    }
    result.First = firstMultiple(result.Step, low, dir);
    return result;
}
