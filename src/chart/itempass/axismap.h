// The chart's geometry and the per-layer transformation between data and pixel coordinates:
// plain arithmetic, kept apart from the widget so it can be checked without a display.
#pragma once

#include "platform/numbers/logfloor.h"

struct ChartGeometry {
    int Width = 0;
    int Height = 0;
    int MarginLeft = 0;
    int MarginRight = 0;
    int MarginTop = 0;
    int MarginBottom = 0;
    int ShadowWidth = 0;

    // The data area runs from (MarginLeft, MarginTop) to (dataRight, dataBottom).
    int dataRight() const { return Width - MarginRight - ShadowWidth; }
    int dataBottom() const { return Height - MarginBottom - ShadowWidth; }
    int dataWidth() const { return dataRight() - MarginLeft; }
    int dataHeight() const { return dataBottom() - MarginTop; }
    // The smallest size the chart accepts: a data area of at least 80 by 20 pixels.
    int minimumWidth() const { return MarginLeft + MarginRight + ShadowWidth + 80; }
    int minimumHeight() const { return MarginTop + MarginBottom + ShadowWidth + 20; }
};

struct AxisRange {
    double Low = 0;
    double High = 1;
    bool Logarithmic = false;
};

// One axis of a layer: pixel = K * value + D (or K * ln value + D).
struct AxisMap {
    long double K = 0;
    long double D = 0;
    bool Logarithmic = false;
    // Where a logarithmic axis puts values at or below kLogFloor: its low end.
    int Pinned = 0;

    // Clamped to +-2147483647 and rounded half to even; not-a-number gives 0.
    int toPixel(double value) const;
    // 0 when the axis has no pixels (K = 0).
    long double toData(long double pixel) const;

    bool operator==(const AxisMap&) const = default;
};

struct LayerMap {
    AxisMap X;
    AxisMap Y;

    bool operator==(const LayerMap&) const = default;
};

// Low x at the left edge, high x at the right; low y at the bottom, high y at the top. A data area
// without pixels maps every point to the middle of the control.
LayerMap layerMap(const ChartGeometry& geometry, const AxisRange& x, const AxisRange& y);

// Painting keeps coordinates within -kPaintLimit..kPaintLimit so that far-away data never overflows.
constexpr int kPaintLimit = 30000;
int paintClamp(int pixel);

struct BoundsUpdate {
    bool SetLow = false;
    bool SetHigh = false;
    bool operator==(const BoundsUpdate&) const = default;
};

// Which bounds of a requested range an axis takes: none when the pair is narrower than minRange;
// on a logarithmic axis only the bounds at or above kLogFloor.
BoundsUpdate acceptedBounds(double low, double high, double minRange, bool logarithmic);

// The y range that gives one data unit the same length in x and y on a data area of
// dataWidth x dataHeight pixels; unchanged when the data area has no pixels.
AxisRange isometricYRange(const AxisRange& x, const AxisRange& y, int dataWidth, int dataHeight, int aspectX,
                          int aspectY);
