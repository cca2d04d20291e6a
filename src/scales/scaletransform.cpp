#include "scales/scaletransform.h"

#include "scales/scalesettings.h"

#include <algorithm>
#include <cmath>

void ScaleTransform::update(const AxisGeometry& axis, double low, double high, bool logarithmic) {
    if (low == high) return;
    FLogarithmic = logarithmic;
    const int length = axis.Vertical ? axis.Height - axis.MarginTop - axis.MarginBottom - 1
                                     : axis.Width - axis.MarginLeft - axis.MarginRight - 1;
    if (length <= 0) {
        FFactor = 0;
        FOffset = (axis.Vertical ? axis.Height : axis.Width) / 2.0;
        return;
    }
    if (logarithmic) {
        if (!(low > 0 && high > 0)) return;
        low = std::log(low);
        high = std::log(high);
    }
    if (axis.Vertical) {
        FFactor = length / (low - high);
        FOffset = axis.MarginTop - high * FFactor;
    } else {
        FFactor = length / (high - low);
        FOffset = axis.MarginLeft - low * FFactor;
    }
}

int ScaleTransform::valueToPixel(double value) const {
    // Values a logarithmic scale cannot show map as its smallest positive value would.
    const double x = FLogarithmic ? std::log(std::max(value, kLogFloor)) : value;
    double p = FFactor * x + FOffset;
    if (std::isnan(p)) p = 0;
    return static_cast<int>(std::nearbyint(std::clamp(p, -2147483647.0, 2147483647.0)));
}
