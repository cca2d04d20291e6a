// TRect: a rectangle in pixel coordinates whose right and bottom edges are exclusive, as every
// drawing call of the canvas takes it: (0, 0, 3, 2) covers 3 × 2 pixels.
#pragma once

#include <QRect>

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    // The same pixels as a QRect (whose right() is inclusive).
    QRect toQRect() const { return QRect(Left, Top, Width(), Height()); }
    bool operator==(const TRect&) const = default;
};

inline TRect Rect(int left, int top, int right, int bottom) {
    return TRect{left, top, right, bottom};
}

inline TRect toTRect(const QRect& r) {
    return TRect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}
