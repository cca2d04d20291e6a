// The chart's look as its published properties set it: colours, grid, shadow, caption and the look
// of text items, and the parts of the frame drawn from it alone (shadow and caption).
#pragma once

#include "chart/itempass/axismap.h"
#include "chart/rchartlayout.h"
#include "chart/rcharttypes.h"
#include "platform/graphics/canvas.h"

#include <QString>

struct ChartLook {
    TColor WindColor = clBtnFace;
    TColor ChartColor = clWhite;
    TColor ChartFrameColor = clBlack;
    TColor GridColor = clBlack;
    RChart::TGridStyle GridStyle = RChart::TGridStyle::gsNone;
    double GridDx = 0;
    double GridDy = 0;
    RChart::TShadowStyle ShadowStyle = RChart::TShadowStyle::ssFlying;
    TColor ShadowColor = clGrayText;
    TColor ShadowBakColor = clBtnFace;
    QString Caption;
    int CaptionPosX = 0;
    int CaptionPosY = -16;
    Graphics::TAlignment CaptionAlignment = Graphics::TAlignment::taRightJustify;
    RChartLayout::TCaptionAnchorHoriz CaptionAnchorHoriz = RChartLayout::TCaptionAnchorHoriz::cahChartRight;
    RChartLayout::TCaptionAnchorVert CaptionAnchorVert = RChartLayout::TCaptionAnchorVert::cavChartTop;
    Graphics::TFontStyles TextFontStyle;
    RChart::TTextBkStyle TextBkStyle = RChart::TTextBkStyle::tbClear;
    TColor TextBkColor = clWhite;

    // The shadow along the right and bottom edges of a frame of width x height, and the outline
    // around the rest.
    void drawShadow(TCanvas& canvas, int width, int height, int shadowWidth) const;
    // The caption at its anchor, in the canvas's font.
    void drawCaption(TCanvas& canvas, const ChartGeometry& geometry) const;
    // Takes the caption's place from a standard layout.
    void applyLayout(const LayoutPreset& layout);
};

// The outline through the four corners, every one of its pixels drawn once.
void drawOutline(TCanvas& canvas, int left, int top, int right, int bottom);
