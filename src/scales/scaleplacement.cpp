#include "scales/scaleplacement.h"

#include <algorithm>

using enum Graphics::TAlignment;
using enum ScaleEnums::TScaleUnitAnchor;

int horizontalLabelLeft(int tickX, int textWidth, int controlWidth) {
    const int half = textWidth / 2;
    const int shift = std::min(tickX - 2, half);
    return tickX + half < controlWidth - 2 ? tickX - shift : controlWidth - 2 * half - 2;
}

QPoint captionTopLeft(const CaptionPlacement& c) {
    int along = c.axisStart;
    if (c.anchor == uaSclCenter)
        along = c.axisStart + (c.axisEnd - c.axisStart) / 2;
    else if (c.anchor == uaSclBotRgt)
        along = c.axisEnd;
    int x = (c.vertical ? c.base : along) + c.posX;
    const int y = (c.vertical ? along : c.base) + c.posY;
    if (c.alignment == taRightJustify)
        x -= c.textWidth;
    else if (c.alignment == taCenter)
        x -= c.textWidth / 2;
    return {x, y};
}
