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
    int along = c.AxisStart;
    if (c.Anchor == uaSclCenter)
        along = c.AxisStart + (c.AxisEnd - c.AxisStart) / 2;
    else if (c.Anchor == uaSclBotRgt)
        along = c.AxisEnd;
    int x = (c.Vertical ? c.Base : along) + c.PosX;
    const int y = (c.Vertical ? along : c.Base) + c.PosY;
    if (c.Alignment == taRightJustify)
        x -= c.TextWidth;
    else if (c.Alignment == taCenter)
        x -= c.TextWidth / 2;
    return {x, y};
}
