// The pixel at which painting puts a value: paintClamp(AxisMap::ToPixel(value)), for the millions of
// points of a long line. ToPixel works in extended precision, which costs more than everything else
// a point needs; this works in double and falls back to ToPixel only where double's smaller
// precision could round to another pixel (values within a hair of a pixel boundary), or where the
// result lies beyond the painted range, so every result is the same.
#pragma once

#include "chart/rchartmapping.h"

#include <cmath>

class PaintAxis {
public:
    PaintAxis() = default;
    explicit PaintAxis(const AxisMap& map);

    int Pixel(double value) const {
        const double p = k * value + d;
        // NaN fails the test too.
        if (!(std::fabs(p) < kPaintLimit)) return exactPixel(value);
        // Adding and taking away 1.5 * 2^52 rounds half to even.
        const double rounded = (p + 0x1.8p52) - 0x1.8p52;
        if (!(std::fabs(std::fabs(p - rounded) - 0.5) > margin)) return exactPixel(value);
        return static_cast<int>(rounded);
    }

private:
    static constexpr double kPaintLimit = 30000;
    int exactPixel(double value) const;

    AxisMap exact;
    double k = 0;
    double d = 0;
    // How far from a boundary between pixels double's result must lie to round as ToPixel does.
    double margin = 0;
};

struct PaintLayer {
    PaintAxis X;
    PaintAxis Y;
};
