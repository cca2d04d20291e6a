// The time-of-day pass: steps from a millisecond to twelve hours, labels as hh:mm:ss(.zzz).
#include "scales/labeltext.h"
#include "scales/ticks.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

struct TimeStep {
    double Seconds;
    int SubSteps;
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
        if (it->Seconds <= interval) return &*it;
    return nullptr;
}

} // namespace

std::optional<TickPass> timeTickPass(const TickSettings& s) {
    if (!std::isfinite(s.RangeLow) || !std::isfinite(s.RangeHigh)) return std::nullopt;
    const TimeStep* entry = fittingStep(std::fabs(s.RangeHigh - s.RangeLow) / s.MinTicks);
    if (entry == nullptr || entry == &kTimeSteps[std::size(kTimeSteps) - 1]) return std::nullopt;
    const double dir = s.RangeLow < s.RangeHigh ? 1 : -1;
    const double step = dir * entry->Seconds;
    const double sub = step / entry->SubSteps;
    const long count = static_cast<long>(std::trunc((s.RangeHigh - s.RangeLow) / sub)) + 5;
    const double first = std::floor(s.RangeLow / step / kSlack) * step;
    // Widened outward on both sides, also when the axis runs from high to low.
    const double bottom = std::min(s.RangeLow, s.RangeHigh);
    const double top = std::max(s.RangeLow, s.RangeHigh);
    const double lowBound = bottom >= 0 ? bottom * kSlack : bottom / kSlack;
    const double highBound = top > 0 ? top / kSlack : top * kSlack;
    auto inBounds = [&](double v) { return lowBound <= v && v <= highBound; };

    TickPass pass;
    pass.Kind = TickPassKind::TimeOfDay;
    // Milliseconds only where the step is below a second.
    const bool fractional = entry->Seconds < 1;
    if (s.ShortTicks)
        for (long j = 0; j <= count; ++j)
            if (const double v = first + j * sub; inBounds(v)) pass.Ticks.push_back({v, false, true, {}, {}});
    for (long j = 0; j <= count; ++j) {
        const double v = first + j * sub;
        if (std::fabs(v / step - std::nearbyint(v / step)) < 0.01 && inBounds(v))
            pass.Ticks.push_back({v, true, !s.ShortTicks, TimeText(fractional, v), {}});
    }
    return pass;
}
