// Painting of the dot-matrix label: fill, dot grid, text, frame, each into the off-screen face,
// rendered once per change when the face is shown or read.
#include "widgets/rasterlab.h"

#include <QPainter>

#include <algorithm>

using enum Frame3D::TFrameStyle;
using enum Graphics::TBrushStyle;
using enum Graphics::TPenMode;
using enum Graphics::TPenStyle;
using enum RasterLab::TRDBlockMode;

namespace {

// The label draws the common 3-D frame in its own colours: its simple frame and the inner
// bottom-right edge of a lowered one are in the shadow colour, and a raised one is shadow outside
// and light inside at the top left (where standard controls are light outside and face inside).
FrameColors labelFrameColors(TFrameStyle style, TColorScheme scheme) {
    const FrameColors c = frameColors(scheme);
    switch (style) {
    case fsSimple:
        return {c.Shadow, c.Shadow, c.Light, c.Face};
    case fsLowered:
        return {c.Line, c.Shadow, c.Light, c.Shadow};
    case fsRaised:
        return {c.Line, c.Shadow, c.Shadow, c.Light};
    default:
        return c;
    }
}

// C++'s % already keeps the dividend's sign, as the grid phase wants.
int phaseOf(long long position, int pitch) {
    return static_cast<int>(position % pitch);
}

} // namespace

void TRasterLab::Paint() {
    FFaceStale = true;
    update();
}

void TRasterLab::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, Face().Image());
}

const TBitmap& TRasterLab::Face() const {
    if (FFaceStale || FFace.Width() != Width() || FFace.Height() != Height()) render();
    return FFace;
}

void TRasterLab::render() const {
    FFace.SetSize(Width(), Height());
    TCanvas& canvas = FFace.Canvas();
    fillFace(canvas);
    if (FCharBlockMode != rdbmOff) drawDotGrid(canvas);
    DrawDotText(canvas);
    drawFrame(canvas);
    FFaceStale = false;
    ++FPaintCount;
}

void TRasterLab::fillFace(TCanvas& canvas) const {
    canvas.Brush() = TBrush{FCharBlockMode != rdbmOff ? FColorDotOff : FColorLabBakG, bsSolid};
    const int w = FFace.Width();
    const int h = FFace.Height();
    canvas.FillRect(FFrameStyle == fsNone ? Rect(0, 0, w, h) : Rect(1, 1, w - 1, h - 1));
}

void TRasterLab::drawDotGrid(TCanvas& canvas) const {
    const int w = FFace.Width();
    const int h = FFace.Height();
    const int pitch = dotPitch();
    canvas.Pen() = TPen{FColorLabBakG, 1, psSolid, pmCopy};
    const int phaseY = phaseOf(static_cast<long long>(FPosY) + FScrollOffset.Y, pitch);
    for (int b = 0; b <= h / pitch + 1; ++b)
        for (int i = 1; i <= FDotSpacing; ++i) {
            const int y = phaseY + b * pitch - FDotSpacing - 1 + i;
            canvas.MoveTo(0, y);
            canvas.LineTo(w, y);
        }
    const int phaseX = phaseOf(static_cast<long long>(FPosX) + FScrollOffset.X, pitch);
    for (int b = 0; b <= w / pitch + 1; ++b)
        for (int i = 1; i <= FDotSpacing; ++i) {
            const int x = phaseX + b * pitch - FDotSpacing - 1 + i;
            canvas.MoveTo(x, 0);
            canvas.LineTo(x, h);
        }
}

void TRasterLab::DrawDotText(TCanvas& canvas) const {
    const long long y0 = static_cast<long long>(FPosY) + FScrollOffset.Y;
    const int pitch = dotPitch();
    long long x = static_cast<long long>(FPosX) + FScrollOffset.X;
    if (FCharBlockMode == rdbmOn) clearColumnStrip(canvas, x);
    for (char c : codes()) {
        const auto code = static_cast<unsigned char>(c);
        drawGlyph(canvas, code, x, y0);
        x += glyphAdvance(*FGlyphs, code, pitch, FProportional);
        if (FCharBlockMode == rdbmOn) clearColumnStrip(canvas, x);
    }
}

void TRasterLab::clearColumnStrip(TCanvas& canvas, long long x) const {
    if (x - dotPitch() > FFace.Width() || x < 0) return;
    canvas.Brush() = TBrush{FColorLabBakG, bsSolid};
    canvas.FillRect(Rect(static_cast<int>(x) - dotPitch(), 0, static_cast<int>(x) - 1, FFace.Height()));
}

void TRasterLab::drawGlyph(TCanvas& canvas, unsigned char code, long long x, long long y0) const {
    const int pitch = dotPitch();
    const GlyphSpan span = glyphSpan(*FGlyphs, code, FProportional);
    const TRect face = Rect(0, 0, FFace.Width(), FFace.Height());
    canvas.Brush() = TBrush{FColorDotOn, bsSolid};
    for (int r = 0; r < FGlyphs->CharHeight; ++r) {
        const long long y = y0 + static_cast<long long>(r) * pitch;
        if (y + FDotSize <= face.Top || y >= face.Bottom) continue;
        for (int k = std::max(span.First, 0); k <= std::min(span.Last, 31); ++k) {
            const long long dx = x + static_cast<long long>(k - span.First) * pitch;
            if (!FGlyphs->Lit(code, r, k) || dx + FDotSize <= face.Left || dx >= face.Right) continue;
            if (FDotSize == 1)
                canvas.SetPixels(static_cast<int>(dx), static_cast<int>(y), FColorDotOn);
            else
                canvas.FillRect(Rect(static_cast<int>(dx), static_cast<int>(y),
                                     static_cast<int>(dx) + FDotSize, static_cast<int>(y) + FDotSize));
        }
    }
}

void TRasterLab::drawFrame(TCanvas& canvas) const {
    DrawFrame3D(canvas, Rect(0, 0, FFace.Width(), FFace.Height()), FFrameStyle,
                labelFrameColors(FFrameStyle, FColorScheme));
}
