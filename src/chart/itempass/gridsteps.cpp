#include "chart/itempass/gridsteps.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

// A decimal logarithm this close to an integer is taken as that integer, so that 1000 computed
// with a rounding error still starts its own decade.
constexpr double kLogTolerance = 1e-14;

double log10Snapped(double v, double (*roundFn)(double)) {
    const double l = std::log10(v);
    const double nearest = std::nearbyint(l);
    return std::fabs(l - nearest) < kLogTolerance ? nearest : roundFn(l);
}

int decadeOf(double v) {
    return static_cast<int>(log10Snapped(v, std::floor));
}

// m · 10^e, dividing for negative exponents so that 3 · 10^-1 is the double nearest 0.3.
double scaled(double m, int e) {
    return e >= 0 ? m * std::pow(10.0, e) : m / std::pow(10.0, -e);
}

// The mantissa of v in its decade, rounded half to even.
double roundedMantissa(double v, int decade) {
    return std::nearbyint(scaled(v, -decade));
}

double firstOneTwoFive(double low) {
    const int e = decadeOf(low);
    const double m = roundedMantissa(low, e);
    return scaled(m <= 2 ? 2 : m <= 5 ? 5 : 10, e);
}

double nextOneTwoFive(double v) {
    const int e = decadeOf(v);
    const double m = roundedMantissa(v, e);
    return scaled(m < 2 ? 2 : m < 5 ? 5 : 10, e);
}

double firstOneToNine(double low) {
    const int e = decadeOf(low);
    return scaled(roundedMantissa(low, e), e);
}

double nextOneToNine(double v) {
    const int e = decadeOf(v);
    return scaled(roundedMantissa(v, e) + 1, e);
}

// Collects first, next(first), ... below high; ends early when the value stops growing.
std::vector<double> run(double first, double high, const std::function<double(double)>& next) {
    std::vector<double> values;
    for (double v = first; v < high && static_cast<int>(values.size()) < kMaxGridValues;) {
        values.push_back(v);
        const double following = next(v);
        if (!(following > v)) break;
        v = following;
    }
    return values;
}

std::vector<double> tickValues(double low, double high, const std::vector<double>& ticks) {
    if (ticks.empty()) return {low};
    std::vector<double> values;
    for (double t : ticks)
        if (t >= low && t < high && static_cast<int>(values.size()) < kMaxGridValues) values.push_back(t);
    return values;
}

std::vector<double> multiples(double first, double high, double step) {
    return run(first, high, [step](double v) { return v + step; });
}

std::vector<double> logarithmicValues(double low, double high, int kind) {
    // Below the smallest normal double the decades are no longer representable.
    if (!std::isnormal(low) || low < 0) return {};
    switch (kind) {
    case -1:
        return run(scaled(1, static_cast<int>(log10Snapped(low, std::ceil))), high,
                   [](double v) { return scaled(1, decadeOf(v) + 1); });
    case -2:
        return run(firstOneTwoFive(low), high, nextOneTwoFive);
    default:
        return run(firstOneToNine(low), high, nextOneToNine);
    }
}

bool isLogarithmicKind(double step) {
    return step == -1 || step == -2 || step == -3;
}

} // namespace

std::vector<double> gridValues(double bound1, double bound2, bool logarithmic, double step,
                               const std::vector<double>& ticks) {
    const double low = std::min(bound1, bound2);
    const double high = std::max(bound1, bound2);
    if (!std::isfinite(low) || !std::isfinite(high) || !std::isfinite(step) || !(low < high)) return {};
    if (step > 0) return multiples(std::ceil(low / step) * step, high, step);
    if (step == 0) return tickValues(low, high, ticks);
    if (logarithmic && isLogarithmicKind(step)) return logarithmicValues(low, high, static_cast<int>(step));
    return multiples(std::ceil(low / step) * step, high, -step);
}
