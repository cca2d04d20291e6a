#include "platform/graphics/drawingscale.h"

#include <algorithm>
#include <cmath>

DrawingScale::DrawingScale(double factor) : FFactor(factor > 0 ? factor : 1) {}

// Far-off coordinates (mapped data can be anywhere) stay far off without leaving int's range.
int DrawingScale::position(int value) const {
    if (identity()) return value;
    constexpr double kFar = 1 << 30;
    return static_cast<int>(std::nearbyint(std::clamp(value * FFactor, -kFar, kFar)));
}

int DrawingScale::length(int value) const {
    if (identity() || value <= 0) return position(value);
    return std::max(1, position(value));
}

// The edges are brought near first, so that a rectangle reaching far off on both sides has a width
// int can hold; the pixels it covers on any picture stay the same.
QRect DrawingScale::rect(const TRect& r) const {
    static constexpr int kNear = 1 << 29;
    const auto near = [](int edge) { return std::clamp(edge, -kNear, kNear); };
    const TRect n{near(r.Left), near(r.Top), near(r.Right), near(r.Bottom)};
    return {position(n.Left), position(n.Top), length(n.Width()), length(n.Height())};
}

int DrawingScale::layoutLength(int devicePixels) const {
    return identity() ? devicePixels : static_cast<int>(std::ceil(devicePixels / FFactor - 1e-9));
}

QSize DrawingScale::layoutSize(QSize devicePixels) const {
    if (identity()) return devicePixels;
    return {static_cast<int>(std::nearbyint(devicePixels.width() / FFactor)),
            static_cast<int>(std::nearbyint(devicePixels.height() / FFactor))};
}
