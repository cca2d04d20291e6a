// The pixel at which painting puts a value: paintClamp(AxisMap::toPixel(value)), for the millions of
// points of a long line. toPixel works in extended precision, which costs more than everything else
// a point needs; this works in double and falls back to toPixel only where double's smaller
// precision could round to another pixel (values within a hair of a pixel boundary), or where the
// result lies beyond the painted range, so every result is the same.
#pragma once

#include "chart/itempass/axismap.h"

#include <cmath>

class PaintAxis {
public:
    PaintAxis() = default;
    explicit PaintAxis(const AxisMap& map);

    int pixel(double value) const {
        const double p = FK * value + FD;
        // Adding and taking away 1.5 * 2^52 rounds half to even. NaN fails the tests too.
        const double rounded = (p + 0x1.8p52) - 0x1.8p52;
        if (std::fabs(p - rounded) < FNearestHalf && std::fabs(rounded) <= kPaintLimit)
            return static_cast<int>(rounded);
        return exactPixel(value);
    }

    // Values from Low to High (inclusive) all lie on the given pixel; Low > High where that cannot
    // be told cheaply.
    struct Span {
        double Low = 1;
        double High = 0;
        bool holds(double value) const { return value >= Low && value <= High; }
    };
    Span pixelSpan(int at) const;

private:
    int exactPixel(double value) const;

    AxisMap FExact;
    double FK = 0;
    double FD = 0;
    // How far from its pixel's centre double's result may lie and still round as toPixel does.
    double FNearestHalf = 0;
};

struct PaintLayer {
    PaintAxis X;
    PaintAxis Y;
};
