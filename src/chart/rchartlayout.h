// The chart's seven standard layouts as data: margins, chart caption placement and, for layers
// 1..4, where each scale sits, whether it shows and where its caption goes. Applying one is the
// chart's business; this unit only holds the table.
#pragma once

#include "platform/graphics/graphics.h"
#include "scales/scaleenums.h"

#include <QObject>

#include <array>

namespace RChartLayout {
Q_NAMESPACE

enum class TrcLayout {
    rcl_X1Bottom_Y1Left,
    rcl_X1Bottom_Y2Left,
    rcl_X1Bottom_Y3Left,
    rcl_X1Bottom_Y4Left,
    rcl_X1Bottom_Y2Both,
    rcl_X2Bottom_Y2Left,
    rcl_X2Both_Y2Both
};
Q_ENUM_NS(TrcLayout)

// Horizontal anchor of the chart caption: the control's or the data area's edges or centre.
enum class TCaptionAnchorHoriz {
    cahControlLeft,
    cahChartLeft,
    cahChartCenter,
    cahChartRight,
    cahControlRight
};
Q_ENUM_NS(TCaptionAnchorHoriz)

// Vertical anchor of the chart caption.
enum class TCaptionAnchorVert {
    cavControlTop,
    cavChartTop,
    cavChartCenter,
    cavChartBottom,
    cavControlBottom
};
Q_ENUM_NS(TCaptionAnchorVert)

} // namespace RChartLayout

using RChartLayout::TCaptionAnchorHoriz;
using RChartLayout::TCaptionAnchorVert;
using RChartLayout::TrcLayout;

// The layers whose scales a layout places; the others are hidden.
constexpr int kLayoutScaleLayers = 4;

// One scale of layers 1..4 in a layout. `Far` is the top for x scales and the right for y scales.
struct PresetScale {
    bool Visible = false;
    bool Far = false;
    int ScalePos = 0;
    int CaptionPosX = 10;
    int CaptionPosY = 100;
    TAlignment CaptionAlignment = TAlignment::taCenter;
    TScaleUnitAnchor CaptionAnchor = TScaleUnitAnchor::uaSclCenter;
};

struct LayoutPreset {
    int MarginLeft = 0;
    int MarginRight = 0;
    int MarginTop = 0;
    int MarginBottom = 0;
    int CaptionPosX = 0;
    int CaptionPosY = 0;
    TAlignment CaptionAlignment = TAlignment::taRightJustify;
    TCaptionAnchorHoriz CaptionAnchorHoriz = TCaptionAnchorHoriz::cahChartRight;
    TCaptionAnchorVert CaptionAnchorVert = TCaptionAnchorVert::cavChartTop;
    std::array<PresetScale, kLayoutScaleLayers> X;
    std::array<PresetScale, kLayoutScaleLayers> Y;
};

const LayoutPreset& standardLayout(TrcLayout layout);
