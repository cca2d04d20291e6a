#include "chart/dragmath.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

QPoint DataArea::clamped(QPoint p) const {
    return {std::clamp(p.x(), Left, std::max(Left, Right)), std::clamp(p.y(), Top, std::max(Top, Bottom))};
}

AxisRange pannedRange(const AxisRange& start, double fraction) {
    AxisRange r = start;
    if (start.Logarithmic) {
        const double factor = std::pow(start.High / start.Low, fraction);
        r.Low = start.Low * factor;
        r.High = start.High * factor;
    } else {
        const double shift = (start.High - start.Low) * fraction;
        r.Low = start.Low + shift;
        r.High = start.High + shift;
    }
    return r;
}

double panFractionX(int start, int now, int size) {
    return size > 0 ? static_cast<double>(start - now) / size : 0;
}

double panFractionY(int start, int now, int size) {
    return size > 0 ? static_cast<double>(now - start) / size : 0;
}

AxisRange scaledAboutCentre(const AxisRange& start, double factor) {
    const double centre = (start.Low + start.High) / 2;
    const double half = (start.High - start.Low) / 2 * factor;
    return {centre - half, centre + half, start.Logarithmic};
}

double zoomDragFactorX(int start, int now, int width) {
    return width > 0 ? 1 - static_cast<double>(now - start) / width : 1;
}

double zoomDragFactorY(int start, int now, int height) {
    return height > 0 ? static_cast<double>(now - start) / height + 1 : 1;
}

QPoint squareCorner(QPoint start, QPoint corner) {
    const QPoint d = corner - start;
    const int side = std::min(std::abs(d.x()), std::abs(d.y()));
    return start + QPoint(d.x() < 0 ? -side : side, d.y() < 0 ? -side : side);
}

TRect outlineRect(QPoint a, QPoint b) {
    return Rect(std::min(a.x(), b.x()), std::min(a.y(), b.y()), std::max(a.x(), b.x()) + 1,
                std::max(a.y(), b.y()) + 1);
}

AxisRange orderedLike(double a, double b, const AxisRange& current) {
    const bool ascending = current.High >= current.Low;
    return {ascending ? std::min(a, b) : std::max(a, b), ascending ? std::max(a, b) : std::min(a, b),
            current.Logarithmic};
}

namespace {

using Distance = std::optional<long long>;

long long squared(int d) {
    return static_cast<long long>(d) * d;
}

// The number (1-based) of the smallest distance; the first one on ties; 1 when there is none.
template <typename Item, typename Measure> int nearest(std::span<const Item> items, Measure measure) {
    int best = 1;
    long long bestDistance = std::numeric_limits<long long>::max();
    for (std::size_t i = 0; i < items.size(); ++i) {
        const Distance d = measure(items[i]);
        if (d && *d < bestDistance) {
            bestDistance = *d;
            best = static_cast<int>(i) + 1;
        }
    }
    return best;
}

} // namespace

int nearestCrossHair(std::span<const CrossHairTarget> crossHairs, QPoint pointer) {
    return nearest(crossHairs, [pointer](const CrossHairTarget& c) -> Distance {
        const long long dx = squared(c.Pixel.x() - pointer.x());
        const long long dy = squared(c.Pixel.y() - pointer.y());
        Distance d;
        if (c.Vertical) d = dx;
        if (c.Horizontal) d = d ? std::min(*d, dy) : dy;
        return d;
    });
}

int nearestPoint(std::span<const std::optional<QPoint>> points, QPoint pointer) {
    return nearest(points, [pointer](const std::optional<QPoint>& p) -> Distance {
        if (!p) return std::nullopt;
        const QPoint d = *p - pointer;
        return squared(d.x()) + squared(d.y());
    });
}
