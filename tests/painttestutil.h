// Helpers shared by the pixel tests of every folder: which pixels of a picture are in a colour (or
// not), how many, their bounding box, and where pictures written for a look go.
#pragma once

#include "platform/graphics/bitmap.h"
#include "platform/graphics/colorresolve.h"

#include <QDir>
#include <QImage>
#include <QRect>

#include <set>
#include <utility>

// (x, y) of each pixel.
using PixelSet = std::set<std::pair<int, int>>;

// The pixel value a colour paints (system colours resolved).
inline QRgb rgb(TColor color) {
    return toQColor(color).rgb();
}

template <class Keep> PixelSet pixelsWhere(const QImage& image, Keep keep) {
    PixelSet set;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (keep(image.pixel(x, y))) set.insert({x, y});
    return set;
}

inline PixelSet pixelsOf(const QImage& image, TColor color) {
    return pixelsWhere(image, [want = rgb(color)](QRgb pixel) { return pixel == want; });
}

inline PixelSet pixelsNot(const QImage& image, TColor background) {
    return pixelsWhere(image, [other = rgb(background)](QRgb pixel) { return pixel != other; });
}

// A bitmap of no width or height has no pixels (its image keeps one).
inline PixelSet pixelsOf(const TBitmap& bitmap, TColor color) {
    return bitmap.Empty() ? PixelSet{} : pixelsOf(bitmap.Image(), color);
}

inline PixelSet pixelsNot(const TBitmap& bitmap, TColor background) {
    return bitmap.Empty() ? PixelSet{} : pixelsNot(bitmap.Image(), background);
}

inline int countOf(const QImage& image, TColor color) {
    return static_cast<int>(pixelsOf(image, color).size());
}

inline int countOf(const TBitmap& bitmap, TColor color) {
    return static_cast<int>(pixelsOf(bitmap, color).size());
}

// The bounding box of the pixels (right() and bottom() inclusive, as QRect has them); a null
// rectangle when there are none.
inline QRect boxOf(const PixelSet& set) {
    QRect box;
    for (auto [x, y] : set)
        box |= QRect(x, y, 1, 1);
    return box;
}

inline QRect boxOf(const QImage& image, TColor color) {
    return boxOf(pixelsOf(image, color));
}

// Pictures written for a look by eye go to the build's test-output folder.
inline QString outputPath(const QString& name) {
    QDir().mkpath(QStringLiteral(KYVELO_TEST_OUTPUT));
    return QStringLiteral(KYVELO_TEST_OUTPUT "/") + name;
}
