#include "platform/graphics/frame3d.h"

using enum Frame3D::TColorScheme;
using enum Frame3D::TFrameStyle;

namespace {

struct EdgeColors {
    TColor TopLeft;
    TColor BottomRight;
};

// One one-pixel rectangle on the edge of r: top and left in one colour, bottom and right in the other.
void drawEdges(TCanvas& canvas, const TRect& r, EdgeColors colors) {
    if (r.IsEmpty()) return;
    const int right = r.Right - 1;
    const int bottom = r.Bottom - 1;
    TPen& pen = canvas.Pen();
    pen = TPen{};
    pen.Color = colors.TopLeft;
    canvas.Polyline(QPolygon{{r.Left, bottom}, {r.Left, r.Top}, {right, r.Top}});
    pen.Color = colors.BottomRight;
    canvas.Polyline(QPolygon{{right, r.Top}, {right, bottom}, {r.Left - 1, bottom}});
}

} // namespace

FrameColors frameColors(TColorScheme scheme) {
    FrameColors colors;
    if (scheme == csSystem) {
        colors.Shadow = clBtnShadow;
        colors.Light = clBtnHighlight;
    }
    return colors;
}

void DrawFrame3D(TCanvas& canvas, const TRect& r, TFrameStyle style, const FrameColors& c) {
    const TRect inner{r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
    const TPen saved = canvas.Pen();
    switch (style) {
    case fsNone:
        break;
    case fsSimple:
        drawEdges(canvas, r, {c.Line, c.Line});
        break;
    case fsLowered:
        drawEdges(canvas, r, {c.Shadow, c.Light});
        drawEdges(canvas, inner, {c.Line, c.Face});
        break;
    case fsRaised:
        drawEdges(canvas, r, {c.Light, c.Line});
        drawEdges(canvas, inner, {c.Face, c.Shadow});
        break;
    case fsEmbossed:
        drawEdges(canvas, r, {c.Light, c.Shadow});
        drawEdges(canvas, inner, {c.Shadow, c.Light});
        break;
    case fsEngraved:
        drawEdges(canvas, r, {c.Shadow, c.Light});
        drawEdges(canvas, inner, {c.Light, c.Shadow});
        break;
    }
    canvas.Pen() = saved;
}
