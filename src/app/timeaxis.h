// The charts' time axis is the trip's time span: the distance chart and the velocity graph under it
// take it from the trip they show.
#pragma once

#include "app/trip.h"

class TRChart;

// Sets the chart's time axis (layer 1) to the span where it differs, keeping the other axis.
void fitTimeAxis(TRChart& chart, TripSpan span);
