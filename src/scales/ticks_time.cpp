// The time-of-day pass: steps from a millisecond to twelve hours, labels as hh:mm:ss(.zzz).
#include "scales/labeltext.h"
#include "scales/ticks.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

struct TimeStep {
    double seconds;
    int subSteps;
};

constexpr TimeStep kTimeSteps[] = {
    {0.001, 5}, {0.002, 4}, {0.005, 5}, {0.01, 5},  {0.02, 4},  {0.05, 5},  {0.1, 5},
    {0.2, 4},   {0.5, 5},   {1, 5},     {2, 4},     {5, 5},     {10, 5},    {20, 4},
    {30, 6},    {60, 6},    {120, 6},   {180, 6},   {300, 5},   {600, 5},   {1200, 6},
    {1800, 6},  {3600, 6},  {7200, 4},  {14400, 4}, {21600, 6}, {43200, 6}, {86400, 6},
};

constexpr double kSlack = 0.999999999;

// The largest step that fits the wanted interval, or null.
const TimeStep* fittingStep(double interval) {
    for (auto it = std::rbegin(kTimeSteps); it != std::rend(kTimeSteps); ++it)
        if (it->seconds <= interval) return &*it;
    return nullptr;
}

} // namespace

std::optional<TickPass> timeTickPass(const TickSettings& s) {
    if (!std::isfinite(s.rangeLow) || !std::isfinite(s.rangeHigh)) return std::nullopt;
    const TimeStep* entry = fittingStep(std::fabs(s.rangeHigh - s.rangeLow) / s.minTicks);
    if (entry == nullptr || entry == &kTimeSteps[std::size(kTimeSteps) - 1]) return std::nullopt;
    const double dir = s.rangeLow < s.rangeHigh ? 1 : -1;
    const double step = dir * entry->seconds;
    const double sub = step / entry->subSteps;
    const long count = static_cast<long>(std::trunc((s.rangeHigh - s.rangeLow) / sub)) + 5;
    const double first = std::floor(s.rangeLow / step / kSlack) * step;
    // Widened outward on both sides, also when the axis runs from high to low.
    const double bottom = std::min(s.rangeLow, s.rangeHigh);
    const double top = std::max(s.rangeLow, s.rangeHigh);
    const double lowBound = bottom >= 0 ? bottom * kSlack : bottom / kSlack;
    const double highBound = top > 0 ? top / kSlack : top * kSlack;
    auto inBounds = [&](double v) { return lowBound <= v && v <= highBound; };

    TickPass pass;
    pass.kind = TickPassKind::TimeOfDay;
    // Milliseconds only where the step is below a second.
    const bool fractional = entry->seconds < 1;
    if (s.shortTicks)
        for (long j = 0; j <= count; ++j)
            if (const double v = first + j * sub; inBounds(v)) pass.ticks.push_back({v, false, true, {}, {}});
    for (long j = 0; j <= count; ++j) {
        const double v = first + j * sub;
        if (std::fabs(v / step - std::nearbyint(v / step)) < 0.01 && inBounds(v))
            pass.ticks.push_back({v, true, !s.shortTicks, TimeText(fractional, v), {}});
    }
    return pass;
}
