#include "chart/paintaxis.h"

#include <limits>

PaintAxis::PaintAxis(const AxisMap& map) : exact(map) {
    if (map.Logarithmic) {
        // Every value takes the exact way: the logarithm itself differs between the precisions.
        k = std::numeric_limits<double>::quiet_NaN();
        return;
    }
    k = static_cast<double>(map.K);
    d = static_cast<double>(map.D);
    // Rounding K and D to double and the two double operations are each off by at most half a unit
    // in the last place of numbers no larger than |p| + |D|; with |p| below the limit, 2^-46 of
    // that is many times the sum of these errors and of ToPixel's own.
    margin = (kPaintLimit + std::fabs(d)) * 0x1p-46;
    if (!std::isfinite(margin)) k = std::numeric_limits<double>::quiet_NaN();
}

int PaintAxis::exactPixel(double value) const {
    return paintClamp(exact.ToPixel(value));
}
