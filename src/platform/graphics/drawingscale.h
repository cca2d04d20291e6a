// DrawingScale: where a picture laid out in layout pixels lands on a device that has `factor` device
// pixels to each of them (a high-resolution screen, a zoomed view, or both). Positions and lengths
// are rounded to whole device pixels apart (halves to even), so that shapes of one size come out of
// one size wherever they stand: at 1.5 every 2-pixel dot is 3 device pixels across, though the dots
// stand 4 or 5 device pixels apart. At factor 1 every value is itself.
#pragma once

#include "platform/graphics/rect.h"

#include <QPoint>
#include <QRect>
#include <QSize>

class DrawingScale {
public:
    // Factors of 0 or less, or not a number, count as 1.
    explicit DrawingScale(double factor = 1);

    double factor() const { return FFactor; }
    bool identity() const { return FFactor == 1; }
    bool operator==(const DrawingScale&) const = default;

    int position(int value) const;
    // A length of at least one layout pixel stays at least one device pixel.
    int length(int value) const;
    QPoint point(QPoint p) const { return {position(p.x()), position(p.y())}; }
    QSize size(QSize s) const { return {length(s.width()), length(s.height())}; }
    // The corner by position, the size by length.
    QRect rect(const TRect& r) const;
    // How many layout pixels a device length takes, rounded up: text measured at device size.
    int layoutLength(int devicePixels) const;
    // The layout size of a device picture, the inverse of size() (rounded to nearest).
    QSize layoutSize(QSize devicePixels) const;

private:
    double FFactor;
};
