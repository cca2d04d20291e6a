#include "app/timeaxis.h"

#include "chart/rchart.h"
#include "scales/tickstep.h"

#include <cmath>

void fitTimeAxis(TRChart& chart, TripSpan span) {
    const TScalePropsHoriz& time = *chart.Scale1X();
    if (time.RangeLow() == span.Start && time.RangeHigh() == span.End) return;
    chart.SetRanges(1, span.Start, span.End, chart.Scale1Y()->RangeLow(), chart.Scale1Y()->RangeHigh());
}

DistanceRange tickedRange(const TRChart& chart, double low, double high) {
    if (!(high > low)) {
        const double around = std::max(1.0, std::abs(low) / 10);
        return tickedRange(chart, low - around, high + around);
    }
    const double step = static_cast<double>(CalcTickStep(chart.Scale1Y()->MinTicks(), high, low).Step);
    return {std::floor(low / step) * step, std::ceil(high / step) * step};
}

void setValueAxis(TRChart& chart, DistanceRange range) {
    const TScalePropsVert& value = *chart.Scale1Y();
    if (value.RangeLow() == range.Low && value.RangeHigh() == range.High) return;
    chart.SetRanges(1, chart.Scale1X()->RangeLow(), chart.Scale1X()->RangeHigh(), range.Low, range.High);
}
