#include "scales/scalesettings.h"

#include "platform/graphics/assignchanged.h"

#include <algorithm>
#include <cmath>

using enum ScaleEnums::TFigType;

double endAbove(double x, double by) {
    const double end = x + by;
    return end != x ? end : std::nextafter(x, HUGE_VAL);
}

double endBelow(double x, double by) {
    const double end = x - by;
    return end != x ? end : std::nextafter(x, -HUGE_VAL);
}

bool ScaleSettings::setRange(double low, double high) {
    if (low == RangeLow && high == RangeHigh) return false;
    RangeLow = low;
    RangeHigh = high;
    return true;
}

bool ScaleSettings::setLogarithmic(bool value, bool creating) {
    const bool allowed =
        !value || creating || (RangeLow >= kLogFloor && RangeHigh >= kLogFloor && LabelType != ftDateTime);
    return allowed && assignChanged(Logarithmic, value);
}

bool ScaleSettings::setLabelType(TFigType value) {
    if (!assignChanged(LabelType, value)) return false;
    if (value == ftDateTime) Logarithmic = false;
    if (value == ftTime) DecPlaces = 4;
    return true;
}

bool ScaleSettings::setDecPlaces(int value) {
    return assignChanged(DecPlaces, std::clamp(value, -3, 12));
}
