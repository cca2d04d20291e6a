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
    DrawPicture(painter, Face().Image());
}

// At another drawing scale the face is drawn anew in device pixels; at scale 1 it is the picture
// of layout pixels it always was.
const TBitmap& TRasterLab::Face() const {
    if (FFaceStale || FFace.Scale() != PictureScale() ||
        QSize(FFace.Width(), FFace.Height()) != PictureSize())
        render();
    return FFace;
}

void TRasterLab::render() const {
    const BlankLook look = blankLook();
    if (!(look == FBlankLook)) renderBlank(look);
    if (FBlank.Empty()) {
        FFace.SetScale(look.Scale);
        FFace.SetSize(look.Size.width(), look.Size.height());
    } else {
        FFace.Assign(FBlank); // shared until the first lit dot copies it
    }
    TCanvas& canvas = FFace.Canvas();
    DrawDotText(canvas);
    drawFrame(canvas);
    FFaceStale = false;
    ++FPaintCount;
}

TRasterLab::BlankLook TRasterLab::blankLook() const {
    const bool grid = FCharBlockMode != rdbmOff;
    const int pitch = dotPitch();
    return {PictureSize(),
            PictureScale(),
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
    FBlank.SetScale(look.Scale);
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

// The gaps first, then every unlit dot as a square of its own, the way lit dots are drawn: at any
// drawing scale the unlit dots lie exactly under the lit ones and are of their size.
void TRasterLab::drawDotGrid(TCanvas& canvas, const BlankLook& look) {
    const int w = look.Size.width();
    const int h = look.Size.height();
    const int pitch = look.Pitch;
    const int dot = pitch - look.Spacing;
    canvas.Brush() = TBrush{look.Gaps, bsSolid};
    canvas.FillRect(Rect(0, 0, w, h));
    canvas.Brush() = TBrush{look.Fill, bsSolid};
    for (int y = look.PhaseY - pitch; y < h; y += pitch)
        for (int x = look.PhaseX - pitch; x < w; x += pitch)
            canvas.FillRect(Rect(x, y, x + dot, y + dot));
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
