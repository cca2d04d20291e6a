#include "app/timeaxis.h"

#include "chart/rchart.h"

void fitTimeAxis(TRChart& chart, TripSpan span) {
    const TScalePropsHoriz& time = *chart.Scale1X();
    if (time.RangeLow() == span.Start && time.RangeHigh() == span.End) return;
    chart.SetRanges(1, span.Start, span.End, chart.Scale1Y()->RangeLow(), chart.Scale1Y()->RangeHigh());
}
