// Where a scale puts its texts: horizontal tick labels and the caption. Plain pixel arithmetic,
// kept apart from drawing so that it can be checked exactly.
#pragma once

#include "platform/graphics/graphics.h"
#include "scales/scaleenums.h"

#include <QPoint>

// Left edge of a horizontal tick label centred on tick x, but never starting left of pixel 2 or
// ending right of controlWidth - 2.
int horizontalLabelLeft(int tickX, int textWidth, int controlWidth);

struct CaptionPlacement {
    bool vertical = false;
    int base = 0;       // the base line's y (horizontal scales) or x (vertical ones)
    int axisStart = 20; // MarginLeft, or MarginTop on vertical scales
    int axisEnd = 380;  // Width - MarginRight, or Height - MarginBottom
    TScaleUnitAnchor anchor = TScaleUnitAnchor::uaSclTopLft;
    TAlignment alignment = TAlignment::taCenter;
    int posX = 4;
    int posY = 4;
    int textWidth = 0;
};

// Top-left corner of the caption text.
QPoint captionTopLeft(const CaptionPlacement& c);
