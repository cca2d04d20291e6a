// The chart's own enumerations, which stored layouts name ("gsDotLines", "ssBox"), and the
// signatures of its events.
#pragma once

#include "chart/vrxbase.h"
#include "platform/controls/inputevents.h"

#include <QObject>

#include <functional>

class TCanvas;

namespace RChart {
Q_NAMESPACE

enum class TGridStyle {
    gsNone,
    gsPoints,
    gsVertLines,
    gsHorizLines,
    gsLines,
    gsHorizDotLines,
    gsVertDotLines,
    gsDotLines
};
Q_ENUM_NS(TGridStyle)

// ssFlying: a shadow with slanted ends, as if the chart floated; ssBox: a plain box shadow.
enum class TShadowStyle { ssFlying, ssBox };
Q_ENUM_NS(TShadowStyle)

// Background of text items.
enum class TTextBkStyle { tbClear, tbSolid };
Q_ENUM_NS(TTextBkStyle)

} // namespace RChart

using RChart::TGridStyle;
using RChart::TShadowStyle;
using RChart::TTextBkStyle;

// OnBeforeRenderData, OnDataRendered, OnScalesRendered: the canvas drawn on and where the data
// area's top-left corner lies on it.
using TRenderEvent = std::function<void(QObject* sender, TCanvas*& canvas, int top, int left)>;
// OnMouseMoveInChart: whether the pointer is in the data area (edges included), the keys and buttons
// held, and the pointer in data units of CurrentLayer.
using TMouseMoveInChartEvent =
    std::function<void(QObject* sender, bool inChart, TShiftState shift, double x, double y)>;
// OnRubberBand: a layer and the rectangle released over it, in its data units.
using TRubberBandEvent =
    std::function<void(QObject* sender, int layer, double loX, double loY, double hiX, double hiY)>;
using TCrossHairMoveEvent = std::function<void(QObject* sender, TCrossHair* whichCrossHair)>;
using TTextLabelMoveEvent = std::function<void(QObject* sender, TTextLabel* whichTextLabel)>;
