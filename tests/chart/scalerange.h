// The range a chart's scale shows, compared to within four units in the last place: the ranges
// are computed exactly enough for a double comparison, zooms and scrolls included.
#pragma once

#include "scales/scaleprops.h"

#include <gtest/gtest.h>

inline void expectRange(const TScaleProps& props, double low, double high) {
    EXPECT_DOUBLE_EQ(props.RangeLow(), low);
    EXPECT_DOUBLE_EQ(props.RangeHigh(), high);
}
