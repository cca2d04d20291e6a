// Pixels of a picture kept from under figures drawn over it for a while, to be put back: the
// chart's crosshairs, and the zoom rectangle and focus cues that are drawn only on the way to the
// screen.
#pragma once

#include "platform/graphics/drawingscale.h"
#include "platform/graphics/rect.h"

#include <QImage>
#include <QPoint>
#include <QRect>

#include <utility>
#include <vector>

class KeptPixels {
public:
    // Keeps the device pixels of `image` (at `scale`) under these layout rectangles, as far as they
    // lie in `within` (device pixels); forgets the last ones.
    void keep(const QImage& image, const DrawingScale& scale, const std::vector<QRect>& areas, QRect within);
    // Puts them back on `image`, whose top-left device pixel is `origin` of the kept picture.
    void putBack(QImage& image, QPoint origin) const;
    void clear() { FParts.clear(); }

private:
    std::vector<std::pair<QPoint, QImage>> FParts;
};

// Adds the four one-pixel edges that the outline of `box` covers (right and bottom exclusive).
void addOutlineEdges(std::vector<QRect>& areas, const TRect& box);
