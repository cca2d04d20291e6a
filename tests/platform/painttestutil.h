// Helpers for pixel tests: the set of pixels of a bitmap that differ from a background colour.
#pragma once

#include "platform/graphics/bitmap.h"

#include <QPoint>

#include <set>
#include <utility>

using PixelSet = std::set<std::pair<int, int>>;

inline PixelSet pixelsNot(const TBitmap& bitmap, TColor background) {
    PixelSet set;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            if (bitmap.Canvas().Pixels(x, y) != background) set.insert({x, y});
    return set;
}

// Bounding box (left, top, right, bottom; inclusive) of a non-empty pixel set.
struct InkBox {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
};

inline InkBox inkBox(const PixelSet& set) {
    InkBox box;
    for (auto [x, y] : set) {
        box.left = std::min(box.left, x);
        box.top = std::min(box.top, y);
        box.right = std::max(box.right, x);
        box.bottom = std::max(box.bottom, y);
    }
    return box;
}
