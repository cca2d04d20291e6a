#include "chart/chartlook.h"

#include <QPolygon>

using enum Graphics::TAlignment;
using enum Graphics::TBrushStyle;
using enum Graphics::TPenMode;
using enum Graphics::TPenStyle;
using enum RChart::TShadowStyle;

void drawOutline(TCanvas& canvas, int left, int top, int right, int bottom) {
    canvas.MoveTo(left, top);
    canvas.LineTo(right, top);
    canvas.LineTo(right, bottom);
    canvas.LineTo(left, bottom);
    canvas.LineTo(left, top);
}

void ChartLook::drawShadow(TCanvas& canvas, int width, int height, int shadowWidth) const {
    const int s = shadowWidth;
    const int w = width;
    const int h = height;
    canvas.Brush() = TBrush{ShadowBakColor, bsSolid};
    canvas.FillRect(Rect(w - s, 0, w, s));
    canvas.FillRect(Rect(0, h - s, s, h));
    const bool flying = ShadowStyle == ssFlying;
    const int e = flying ? s - 1 : 0;
    canvas.Brush() = TBrush{ShadowColor, bsSolid};
    canvas.Pen() = TPen{flying ? ShadowColor : clBlack, 1, psSolid, pmCopy};
    canvas.Polygon(
        QPolygon({QPoint(e, h - s), QPoint(s - 1, h - 1), QPoint(w - 1, h - 1), QPoint(w - s, h - s)}));
    canvas.Polygon(
        QPolygon({QPoint(w - s, h - s), QPoint(w - 1, h - 1), QPoint(w - 1, s - 1), QPoint(w - s, e)}));
    canvas.Pen() = TPen{clBlack, 1, psSolid, pmCopy};
    drawOutline(canvas, 0, 0, w - s, h - s);
}

void ChartLook::drawCaption(TCanvas& canvas, const ChartGeometry& g) const {
    canvas.Pen().Color = ChartFrameColor;
    canvas.Brush().Style = bsClear;
    static constexpr int kNoOffset = 0;
    const int anchorsX[] = {kNoOffset, g.MarginLeft, g.MarginLeft + g.dataWidth() / 2, g.dataRight(),
                            g.Width};
    // The shadow is not taken off the chart bottom here.
    const int anchorsY[] = {kNoOffset, g.MarginTop, g.MarginTop + g.dataHeight() / 2,
                            g.Height - g.MarginBottom, g.Height};
    int x = CaptionPosX + anchorsX[static_cast<int>(CaptionAnchorHoriz)];
    const int y = CaptionPosY + anchorsY[static_cast<int>(CaptionAnchorVert)];
    if (CaptionAlignment == taRightJustify)
        x -= canvas.TextWidth(Caption);
    else if (CaptionAlignment == taCenter)
        x -= canvas.TextWidth(Caption) / 2;
    canvas.TextOut(x, y, Caption);
}

void ChartLook::applyLayout(const LayoutPreset& layout) {
    CaptionPosX = layout.CaptionPosX;
    CaptionPosY = layout.CaptionPosY;
    CaptionAlignment = layout.CaptionAlignment;
    CaptionAnchorHoriz = layout.CaptionAnchorHoriz;
    CaptionAnchorVert = layout.CaptionAnchorVert;
}
