// Painting of the dot-matrix label: fill, dot grid, text, frame, each into the off-screen face.
#include "widgets/rasterlab.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <climits>
#include <utility>
#include <vector>

namespace {

// The label's frame as one-pixel polylines per style, each in one of the three frame colours.
enum class FrameColor { Dark, Shadow, Light };

struct FramePolyline {
    FrameColor color;
    // (x, y); a negative coordinate counts from the far edge: -1 is W - 1 (or H - 1).
    std::vector<std::pair<int, int>> points;
};

QPoint framePoint(std::pair<int, int> p, int w, int h) {
    return QPoint(p.first < 0 ? w + p.first : p.first, p.second < 0 ? h + p.second : p.second);
}

struct FrameDrawing {
    // The polylines leave the top-right corner and the start of the bottom edge open; those pixels
    // take the colour of the outer bottom-right edge, so no earlier paint shows through.
    FrameColor corner;
    std::vector<FramePolyline> lines;
};

const FrameDrawing& frameDrawing(TFrameStyle style) {
    using enum FrameColor;
    static const FrameDrawing none{Shadow, {}};
    static const FrameDrawing simple{Shadow, {{Shadow, {{0, 0}, {-1, 0}, {-1, -1}, {0, -1}, {0, 0}}}}};
    static const FrameDrawing lowered{Light,
                                      {{Dark, {{1, -3}, {1, 1}, {-2, 1}}},
                                       {Light, {{2, -1}, {-1, -1}, {-1, 0}}},
                                       {Shadow, {{0, 0}, {-2, 0}, {-2, -2}, {0, -2}, {0, 0}}}}};
    static const FrameDrawing raised{Dark,
                                     {{Light, {{1, -3}, {1, 1}, {-2, 1}}},
                                      {Dark, {{0, -1}, {-1, -1}, {-1, 0}}},
                                      {Shadow, {{0, 0}, {-2, 0}, {-2, -2}, {0, -2}, {0, 0}}}}};
    static const FrameDrawing embossed{Shadow,
                                       {{Shadow, {{1, 1}, {-1, 1}, {-1, -1}, {1, -1}, {1, 1}}},
                                        {Light, {{0, 0}, {-2, 0}, {-2, -2}, {0, -2}, {0, 0}}}}};
    static const FrameDrawing engraved{Light,
                                       {{Light, {{1, 1}, {-1, 1}, {-1, -1}, {1, -1}, {1, 1}}},
                                        {Shadow, {{0, 0}, {-2, 0}, {-2, -2}, {0, -2}, {0, 0}}}}};
    switch (style) {
    case fsSimple:
        return simple;
    case fsLowered:
        return lowered;
    case fsRaised:
        return raised;
    case fsEmbossed:
        return embossed;
    case fsEngraved:
        return engraved;
    default:
        return none;
    }
}

// C++'s % already keeps the dividend's sign, as the grid phase wants.
int phaseOf(long long position, int pitch) {
    return static_cast<int>(position % pitch);
}

} // namespace

void TRasterLab::Paint() {
    if (!Visible()) return;
    Render();
    ++FPaintCount;
    update();
}

void TRasterLab::paintEvent(QPaintEvent*) {
    // The face may be stale: setters do not paint while the label is hidden, and resizing does not.
    Render();
    QPainter painter(this);
    painter.drawImage(0, 0, FFace.Image());
}

void TRasterLab::Render() {
    FFace.SetSize(Width(), Height());
    TCanvas& canvas = FFace.Canvas();
    FillFace(canvas);
    if (FCharBlockMode != rdbmOff) DrawDotGrid(canvas);
    DrawDotText(canvas);
    DrawFrame(canvas);
}

void TRasterLab::FillFace(TCanvas& canvas) const {
    canvas.Brush() = TBrush{FCharBlockMode != rdbmOff ? FColorDotOff : FColorLabBakG, bsSolid};
    const int w = FFace.Width();
    const int h = FFace.Height();
    canvas.FillRect(FFrameStyle == fsNone ? Rect(0, 0, w, h) : Rect(1, 1, w - 1, h - 1));
}

void TRasterLab::DrawDotGrid(TCanvas& canvas) const {
    const int w = FFace.Width();
    const int h = FFace.Height();
    const int pitch = Pitch();
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

void TRasterLab::DrawDotText(TCanvas& canvas) {
    const long long start = static_cast<long long>(FPosX) + FScrollOffset.X;
    const long long y0 = static_cast<long long>(FPosY) + FScrollOffset.Y;
    const int pitch = Pitch();
    long long x = start;
    if (FCharBlockMode == rdbmOn) ClearColumnStrip(canvas, x);
    for (char c : Codes()) {
        const auto code = static_cast<unsigned char>(c);
        DrawGlyph(canvas, code, x, y0);
        x += glyphAdvance(*FGlyphs, code, pitch, FProportional);
        if (FCharBlockMode == rdbmOn) ClearColumnStrip(canvas, x);
    }
    FTextWidth = static_cast<int>(std::clamp<long long>(x - start + 1, INT_MIN, INT_MAX));
}

void TRasterLab::ClearColumnStrip(TCanvas& canvas, long long x) const {
    if (x - Pitch() > FFace.Width() || x < 0) return;
    canvas.Brush() = TBrush{FColorLabBakG, bsSolid};
    canvas.FillRect(Rect(static_cast<int>(x) - Pitch(), 0, static_cast<int>(x) - 1, FFace.Height()));
}

void TRasterLab::DrawGlyph(TCanvas& canvas, unsigned char code, long long x, long long y0) const {
    const int pitch = Pitch();
    const TGlyphSpan span = glyphSpan(*FGlyphs, code, FProportional);
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

void TRasterLab::DrawFrame(TCanvas& canvas) const {
    if (FFrameStyle == fsNone) return;
    const int w = FFace.Width();
    const int h = FFace.Height();
    const FrameDrawing& frame = frameDrawing(FFrameStyle);
    const std::array<TColor, 3> colors{FColorFrameDark, FColorFrameShadow, FColorFrameLight}; // by FrameColor
    const TColor corner = colors[static_cast<int>(frame.corner)];
    for (QPoint p : {QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(1, h - 1)})
        canvas.SetPixels(p.x(), p.y(), corner);
    canvas.Pen() = TPen{};
    for (const FramePolyline& line : frame.lines) {
        canvas.Pen().Color = colors[static_cast<int>(line.color)];
        QPolygon points;
        for (const auto& p : line.points)
            points << framePoint(p, w, h);
        canvas.Polyline(points);
    }
}
