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
    bool Vertical = false;
    int Base = 0;       // the base line's y (horizontal scales) or x (vertical ones)
    int AxisStart = 20; // MarginLeft, or MarginTop on vertical scales
    int AxisEnd = 380;  // Width - MarginRight, or Height - MarginBottom
    TScaleUnitAnchor Anchor = TScaleUnitAnchor::uaSclTopLft;
    TAlignment Alignment = TAlignment::taCenter;
    int PosX = 4;
    int PosY = 4;
    int TextWidth = 0;
};

// Top-left corner of the caption text.
QPoint captionTopLeft(const CaptionPlacement& c);
