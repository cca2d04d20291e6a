#include "chart/itempass/paintaxis.h"

#include <algorithm>
#include <limits>

PaintAxis::PaintAxis(const AxisMap& map) : FExact(map) {
    if (map.Logarithmic) {
        // Every value takes the exact way: the logarithm itself differs between the precisions.
        FK = std::numeric_limits<double>::quiet_NaN();
        return;
    }
    FK = static_cast<double>(map.K);
    FD = static_cast<double>(map.D);
    // Rounding K and D to double and the two double operations are each off by at most half a unit
    // in the last place of numbers no larger than |p| + |D|; with |p| below the limit, 2^-46 of
    // that is many times the sum of these errors and of toPixel's own.
    FNearestHalf = 0.5 - (kPaintLimit + std::fabs(FD)) * 0x1p-46;
}

// pixel() grows (or falls) with the value, so when both ends of a span lie on the pixel, everything
// between does. The ends are the pixel's edges pulled in by a millionth of its width.
PaintAxis::Span PaintAxis::pixelSpan(int at) const {
    const double a = (at - 0.5 - FD) / FK;
    const double b = (at + 0.5 - FD) / FK;
    const double inset = std::fabs(b - a) * 1e-6;
    const Span span{std::min(a, b) + inset, std::max(a, b) - inset};
    if (pixel(span.Low) == at && pixel(span.High) == at) return span;
    return {};
}

int PaintAxis::exactPixel(double value) const {
    return paintClamp(FExact.toPixel(value));
}
