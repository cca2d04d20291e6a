// The charts' axes follow the trip they show: the time axis is the trip's time span, on the
// distance chart and on the velocity graph under it; a measured trip's distances and velocities
// get axes rounded outwards to the ticks the scales draw.
#pragma once

#include "app/trip.h"

class TRChart;

// Sets the chart's time axis (layer 1) to the span where it differs, keeping the other axis.
void fitTimeAxis(TRChart& chart, TripSpan span);

// low .. high widened to the nearest long ticks outside them that the chart's value axis would
// draw (its MinTicks, steps of 1, 2 or 5 times a power of ten); an empty range gets one step
// around it.
DistanceRange tickedRange(const TRChart& chart, double low, double high);
// Sets the chart's value axis (layer 1) to low .. high, keeping the time axis.
void setValueAxis(TRChart& chart, DistanceRange range);
