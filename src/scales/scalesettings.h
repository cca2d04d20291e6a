// The setting rules a scale control and a chart's scale group share: range, logarithmic mapping,
// label type and decimals. Each setter stores the normalised value and says whether anything
// changed, so that the holder goes on to redraw or to tell its owner only then.
#pragma once

#include "platform/numbers/logfloor.h"
#include "scales/scaleenums.h"

// Widening an empty range: the new end lies `by` beyond x, or, where `by` is lost in the rounding
// of x (1e-10 next to 1e7), on the nearest double beyond x, so that the two ends always differ.
double endAbove(double x, double by);
double endBelow(double x, double by);

struct ScaleSettings {
    double RangeLow = 0;
    double RangeHigh = 100;
    bool Logarithmic = false;
    TFigType LabelType = TFigType::ftNum;
    int DecPlaces = -2;

    bool setRange(double low, double high);
    // Switching on is refused after creation unless both ends are >= kLogFloor and the labels are
    // not dates.
    bool setLogarithmic(bool value, bool creating);
    // ftDateTime switches Logarithmic off; ftTime sets DecPlaces to 4.
    bool setLabelType(TFigType value);
    // Clamped to -3 … 12.
    bool setDecPlaces(int value);
};
