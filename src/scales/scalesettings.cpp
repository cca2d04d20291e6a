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
    if (low == rangeLow && high == rangeHigh) return false;
    rangeLow = low;
    rangeHigh = high;
    return true;
}

bool ScaleSettings::setLogarithmic(bool value, bool creating) {
    const bool allowed =
        !value || creating || (rangeLow >= kLogFloor && rangeHigh >= kLogFloor && labelType != ftDateTime);
    return allowed && assignChanged(logarithmic, value);
}

bool ScaleSettings::setLabelType(TFigType value) {
    if (!assignChanged(labelType, value)) return false;
    if (value == ftDateTime) logarithmic = false;
    if (value == ftTime) decPlaces = 4;
    return true;
}

bool ScaleSettings::setDecPlaces(int value) {
    return assignChanged(decPlaces, std::clamp(value, -3, 12));
}
