#include "chart/itempass/axismap.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr long double MaxPixel = 2147483647.0L;

long double axisValue(long double value, bool logarithmic) {
    return logarithmic ? std::log(value) : value;
}

// The axis whose low value lands on pixel `from` and high value on pixel `to`.
AxisMap axisMap(const AxisRange& range, int from, int to) {
    AxisMap map;
    map.Logarithmic = range.Logarithmic;
    const long double low = axisValue(range.Low, range.Logarithmic);
    const long double high = axisValue(range.High, range.Logarithmic);
    map.K = (to - from) / (high - low);
    map.D = (from * high - to * low) / (high - low);
    return map;
}

AxisMap centred(int extent) {
    AxisMap map;
    map.D = extent / 2.0L;
    return map;
}

} // namespace

int AxisMap::toPixel(double value) const {
    if (Logarithmic && !(value > kLogFloor)) return std::isnan(value) ? 0 : Pinned;
    const long double p = K * axisValue(value, Logarithmic) + D;
    if (std::isnan(p)) return 0;
    // rint rounds half to even like nearbyint, without saving and restoring the FPU state each time.
    return static_cast<int>(std::rint(std::clamp(p, -MaxPixel, MaxPixel)));
}

long double AxisMap::toData(long double pixel) const {
    if (K == 0) return 0;
    const long double v = (pixel - D) / K;
    return Logarithmic ? std::exp(v) : v;
}

LayerMap layerMap(const ChartGeometry& g, const AxisRange& x, const AxisRange& y) {
    LayerMap map;
    map.X = g.dataWidth() > 0 ? axisMap(x, g.MarginLeft, g.dataRight()) : centred(g.Width);
    map.X.Logarithmic = x.Logarithmic;
    map.X.Pinned = x.High >= x.Low ? 0 : g.Width;
    map.Y = g.dataHeight() > 0 ? axisMap(y, g.dataBottom(), g.MarginTop) : centred(g.Height);
    map.Y.Logarithmic = y.Logarithmic;
    map.Y.Pinned = y.High >= y.Low ? g.Height : 0;
    return map;
}

int paintClamp(int pixel) {
    return std::clamp(pixel, -kPaintLimit, kPaintLimit);
}

BoundsUpdate acceptedBounds(double low, double high, double minRange, bool logarithmic) {
    if (!(std::fabs(high - low) >= minRange)) return {};
    if (!logarithmic) return {true, true};
    return {low >= kLogFloor, high >= kLogFloor};
}

AxisRange isometricYRange(const AxisRange& x, const AxisRange& y, int dataWidth, int dataHeight, int aspectX,
                          int aspectY) {
    if (dataWidth < 0 || dataHeight < 0 || aspectX == 0) return y;
    const double c = (y.Low + y.High) / 2;
    const double h = (x.High - x.Low) * (dataHeight + 1) / (dataWidth + 1) * aspectY / aspectX / 2;
    return {c - h, c + h, y.Logarithmic};
}
