// Painting of the dot-matrix label: fill, dot grid, text, frame, each into the off-screen face,
// rendered once per change when the face is shown or read.
#include "widgets/rasterlab.h"

#include <QPainter>

#include <algorithm>
#include <bit>
#include <cstdint>

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
    const BlankLook look = blankLook();
    if (!(look == FBlankLook)) renderBlank(look);
    if (FBlank.Empty())
        FFace.SetSize(Width(), Height());
    else
        FFace.SetImage(FBlank.Image()); // shared until the first lit dot copies it
    TCanvas& canvas = FFace.Canvas();
    DrawDotText(canvas);
    drawFrame(canvas);
    FFaceStale = false;
    ++FPaintCount;
}

TRasterLab::BlankLook TRasterLab::blankLook() const {
    const bool grid = FCharBlockMode != rdbmOff;
    const int pitch = dotPitch();
    return {QSize(Width(), Height()),
            FFrameStyle != fsNone,
            grid,
            grid ? FColorDotOff : FColorLabBakG,
            FColorLabBakG,
            pitch,
            FDotSpacing,
            phaseOf(static_cast<long long>(FPosX) + FScrollOffset.X, pitch),
            phaseOf(static_cast<long long>(FPosY) + FScrollOffset.Y, pitch)};
}

void TRasterLab::renderBlank(const BlankLook& look) const {
    FBlank.SetSize(look.Size.width(), look.Size.height());
    TCanvas& canvas = FBlank.Canvas();
    fillFace(canvas, look);
    if (look.Grid) drawDotGrid(canvas, look);
    FBlankLook = look;
}

void TRasterLab::fillFace(TCanvas& canvas, const BlankLook& look) {
    canvas.Brush() = TBrush{look.Fill, bsSolid};
    const int w = look.Size.width();
    const int h = look.Size.height();
    canvas.FillRect(look.Framed ? Rect(1, 1, w - 1, h - 1) : Rect(0, 0, w, h));
}

void TRasterLab::drawDotGrid(TCanvas& canvas, const BlankLook& look) {
    const int w = look.Size.width();
    const int h = look.Size.height();
    const int pitch = look.Pitch;
    const int spacing = look.Spacing;
    canvas.Pen() = TPen{look.Gaps, 1, psSolid, pmCopy};
    for (int b = 0; b <= h / pitch + 1; ++b)
        for (int i = 1; i <= spacing; ++i) {
            const int y = look.PhaseY + b * pitch - spacing - 1 + i;
            canvas.MoveTo(0, y);
            canvas.LineTo(w, y);
        }
    for (int b = 0; b <= w / pitch + 1; ++b)
        for (int i = 1; i <= spacing; ++i) {
            const int x = look.PhaseX + b * pitch - spacing - 1 + i;
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
    const int first = std::max(span.First, 0);
    const int last = std::min(span.Last, 31);
    if (first > last) return;
    const auto columns =
        static_cast<std::uint32_t>(((std::uint64_t{2} << last) - 1) & ~((std::uint64_t{1} << first) - 1));
    for (int r = 0; r < FGlyphs->CharHeight; ++r) {
        const long long y = y0 + static_cast<long long>(r) * pitch;
        if (y + FDotSize <= face.Top || y >= face.Bottom) continue;
        // Only the lit dots are visited, lowest column first.
        for (std::uint32_t lit = FGlyphs->Rows[code][static_cast<std::size_t>(r)] & columns; lit != 0;
             lit &= lit - 1) {
            const int k = std::countr_zero(lit);
            const long long dx = x + static_cast<long long>(k - span.First) * pitch;
            if (dx + FDotSize <= face.Left || dx >= face.Right) continue;
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
