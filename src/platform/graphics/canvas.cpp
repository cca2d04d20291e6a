#include "platform/graphics/canvas.h"

#include "platform/graphics/bitmap.h"
#include "platform/graphics/colorresolve.h"
#include "platform/graphics/linepattern.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <cstdlib>
#include <cstring>
#include <span>
#include <utility>

using enum Graphics::TPenMode;
using enum Graphics::TPenStyle;

namespace {

QRgb rgbOf(TColor color) {
    return toQColor(color).rgb() & 0xFFFFFFu;
}

QRgb combine(QRgb dest, QRgb src, TPenMode mode) {
    switch (mode) {
    case pmXor:
        return 0xFF000000u | ((dest ^ src) & 0xFFFFFFu);
    case pmNotXor:
        return 0xFF000000u | (~(dest ^ src) & 0xFFFFFFu);
    default:
        return 0xFF000000u | src;
    }
}

} // namespace

TCanvas::TCanvas(QImage* image) : FImage(image) {}

TCanvas::~TCanvas() {
    Release();
}

QPainter& TCanvas::painter() {
    if (!FPainter) {
        Q_ASSERT(!blank());
        FPainter = std::make_unique<QPainter>(FImage);
        FPainter->setRenderHint(QPainter::Antialiasing, false);
        FPainter->setRenderHint(QPainter::TextAntialiasing, false);
    }
    return *FPainter;
}

void TCanvas::Release() const {
    FPainter.reset();
}

const QImage& TCanvas::Image() const {
    Release();
    return *FImage;
}

void TCanvas::applyMode(QPainter& p) const {
    switch (FPen.Mode) {
    case pmXor:
        p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        break;
    case pmNotXor:
        p.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
        break;
    default:
        p.setCompositionMode(QPainter::CompositionMode_Source);
        break;
    }
}

void TCanvas::applyPen(QPainter& p) const {
    if (!hasPen()) {
        p.setPen(Qt::NoPen);
        return;
    }
    const bool thin = FPen.Width <= 1;
    QPen pen(toQColor(FPen.Color), thin ? 0 : FPen.Width);
    pen.setCosmetic(thin);
    pen.setCapStyle(thin ? Qt::FlatCap : Qt::RoundCap);
    pen.setJoinStyle(thin ? Qt::MiterJoin : Qt::RoundJoin);
    const std::span<const int> pattern = thin ? stylePattern(FPen.Style) : std::span<const int>{};
    if (!pattern.empty()) pen.setDashPattern(QList<qreal>(pattern.begin(), pattern.end()));
    p.setPen(pen);
}

void TCanvas::applyBrush(QPainter& p) const {
    if (hasBrush())
        p.setBrush(toQColor(FBrush.Color));
    else
        p.setBrush(Qt::NoBrush);
}

// A one-pixel line in progress: its colour and how far it has got through its dash pattern.
struct TCanvas::ThinStroke {
    QRgb Color;
    std::span<const int> Pattern;
    long long Pos = 0;
    // The image's pixels and size, fetched once per stroke.
    uchar* Bits = nullptr;
    qsizetype Stride = 0;
    int Width = 0;
    int Height = 0;
};

TCanvas::ThinStroke TCanvas::beginThinStroke() {
    ThinStroke stroke{rgbOf(FPen.Color), stylePattern(FPen.Style)};
    if (!blank()) {
        stroke.Bits = FImage->bits();
        stroke.Stride = FImage->bytesPerLine();
        stroke.Width = FImage->width();
        stroke.Height = FImage->height();
    }
    return stroke;
}

// One pixel of a one-pixel pen, honouring the pen mode; outside the image nothing happens.
void TCanvas::plotPenPixel(int x, int y, ThinStroke& stroke) {
    const bool on = stroke.Pattern.empty() || PatternWalk(stroke.Pattern, stroke.Pos).on();
    ++stroke.Pos;
    if (!on || x < 0 || y < 0 || x >= stroke.Width || y >= stroke.Height) return;
    QRgb& pixel = reinterpret_cast<QRgb*>(stroke.Bits + y * stroke.Stride)[x];
    pixel = combine(pixel, stroke.Color, FPen.Mode);
}

// Bresenham from `from` up to but without `to`. Lines far beyond the image (mapped data can be
// anywhere) are skipped or clipped rather than walked pixel by pixel.
void TCanvas::strokeThinLine(QPoint from, QPoint to, ThinStroke& stroke) {
    const long long dx = std::llabs(static_cast<long long>(to.x()) - from.x());
    const long long dy = -std::llabs(static_cast<long long>(to.y()) - from.y());
    const long long steps = std::max(dx, -dy);
    const bool outside = std::max(from.x(), to.x()) < 0 || std::max(from.y(), to.y()) < 0 ||
                         std::min(from.x(), to.x()) >= FImage->width() ||
                         std::min(from.y(), to.y()) >= FImage->height();
    if (outside || blank()) {
        stroke.Pos += steps;
        return;
    }
    if (steps > 4LL * (FImage->width() + FImage->height()) + 64) {
        strokeByPainter(from, to, stroke);
        return;
    }
    if (from.x() == to.x() || from.y() == to.y()) {
        strokeStraightLine(from, to, steps, stroke);
        return;
    }
    const int sx = from.x() < to.x() ? 1 : -1;
    const int sy = from.y() < to.y() ? 1 : -1;
    long long err = dx + dy;
    int x = from.x();
    int y = from.y();
    while (x != to.x() || y != to.y()) {
        plotPenPixel(x, y, stroke);
        const long long e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

// A horizontal or vertical line (frames, grids, crosshairs): the pixels and pattern positions of the
// general walk, without its per-pixel bookkeeping.
void TCanvas::strokeStraightLine(QPoint from, QPoint to, long long steps, ThinStroke& stroke) {
    const int dx = (to.x() > from.x()) - (to.x() < from.x());
    const int dy = (to.y() > from.y()) - (to.y() < from.y());
    const auto [x0, x1] = stepsInside(from.x(), dx, stroke.Width, steps);
    const auto [y0, y1] = stepsInside(from.y(), dy, stroke.Height, steps);
    const long long rowPixels = stroke.Stride / static_cast<qsizetype>(sizeof(QRgb));
    const long long start = from.y() * rowPixels + from.x();
    const long long step = dx + dy * rowPixels;
    QRgb* pixels = reinterpret_cast<QRgb*>(stroke.Bits);
    const long long first = std::max(x0, y0);
    PatternWalk walk(stroke.Pattern, stroke.Pos + first);
    for (long long k = first; k < std::min(x1, y1); ++k, walk.next()) {
        if (!walk.on()) continue;
        QRgb& pixel = pixels[start + k * step];
        pixel = combine(pixel, stroke.Color, FPen.Mode);
    }
    stroke.Pos += steps;
}

void TCanvas::strokeByPainter(QPoint from, QPoint to, ThinStroke& stroke) {
    QPainter& p = painter();
    applyPen(p);
    applyMode(p);
    if (!stroke.Pattern.empty()) {
        QPen pen = p.pen();
        pen.setDashOffset(static_cast<qreal>(stroke.Pos));
        p.setPen(pen);
    }
    p.drawLine(from, to);
    stroke.Pos += std::max(std::llabs(static_cast<long long>(to.x()) - from.x()),
                           std::llabs(static_cast<long long>(to.y()) - from.y()));
}

void TCanvas::LineTo(int x, int y) {
    const QPoint to(x, y);
    if (!FScale.identity()) {
        if (hasPen() && !blank()) scaledLine(FPenPos, to);
    } else if (hasPen() && FPen.Width <= 1) {
        ThinStroke stroke = beginThinStroke();
        strokeThinLine(FPenPos, to, stroke);
    } else if (hasPen() && !blank()) {
        QPainter& p = painter();
        applyPen(p);
        applyMode(p);
        p.drawLine(FPenPos, to);
    }
    FPenPos = to;
}

void TCanvas::Polyline(const QPolygon& points) {
    if (points.isEmpty()) return;
    if (!FScale.identity()) {
        if (hasPen() && !blank()) scaledPolyline(points);
        return;
    }
    if (hasPen() && FPen.Width <= 1) {
        ThinStroke stroke = beginThinStroke();
        for (qsizetype i = 1; i < points.size(); ++i)
            strokeThinLine(points[i - 1], points[i], stroke);
    } else if (hasPen() && !blank()) {
        QPainter& p = painter();
        applyPen(p);
        applyMode(p);
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(points);
    }
}

void TCanvas::Polygon(const QPolygon& points) {
    if (points.size() < 2 || blank()) return;
    if (!FScale.identity()) {
        scaledPolygon(points);
        return;
    }
    QPainter& p = painter();
    applyMode(p);
    if (hasBrush()) {
        p.setPen(Qt::NoPen);
        applyBrush(p);
        p.drawPolygon(points, Qt::OddEvenFill);
    }
    QPolygon closed = points;
    if (closed.first() != closed.last()) closed << closed.first();
    Polyline(closed);
}

int TCanvas::pullInX(int x) const {
    return std::clamp(x, -pullInMargin(), FImage->width() + pullInMargin());
}

int TCanvas::pullInY(int y) const {
    return std::clamp(y, -pullInMargin(), FImage->height() + pullInMargin());
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    if (blank()) return;
    if (x2 < x1) std::swap(x1, x2);
    if (y2 < y1) std::swap(y1, y2);
    x1 = pullInX(x1);
    x2 = pullInX(x2);
    y1 = pullInY(y1);
    y2 = pullInY(y2);
    if (x2 - x1 < 1 || y2 - y1 < 1) return;
    if (!FScale.identity()) {
        scaledRectangle(Rect(x1, y1, x2, y2));
        return;
    }
    QPainter& p = painter();
    applyMode(p);
    // Without a pen the filled area loses the right column and bottom row, as a pen would have.
    const int inset = hasPen() ? 1 : 0;
    if (hasBrush() && x2 - x1 > 2 * inset && y2 - y1 > 2 * inset)
        p.fillRect(QRect(x1 + inset, y1 + inset, x2 - x1 - 2 * inset - (1 - inset),
                         y2 - y1 - 2 * inset - (1 - inset)),
                   toQColor(FBrush.Color));
    if (!hasPen()) return;
    if (FPen.Width <= 1) {
        Polyline(QPolygon{{x1, y1}, {x2 - 1, y1}, {x2 - 1, y2 - 1}, {x1, y2 - 1}, {x1, y1}});
        return;
    }
    applyPen(p);
    p.setBrush(Qt::NoBrush);
    const qreal half = FPen.Style == psInsideFrame ? FPen.Width / 2.0 : 0.0;
    p.drawRect(QRectF(x1 + 0.5 + half, y1 + 0.5 + half, x2 - x1 - 1 - 2 * half, y2 - y1 - 1 - 2 * half));
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    if (blank()) return;
    if (x2 < x1) std::swap(x1, x2);
    if (y2 < y1) std::swap(y1, y2);
    if (double(x2) - x1 < 1 || double(y2) - y1 < 1) return;
    if (!FScale.identity()) {
        scaledEllipse(Rect(x1, y1, x2, y2));
        return;
    }
    QPainter& p = painter();
    applyMode(p);
    applyPen(p);
    applyBrush(p);
    if (!hasPen() || FPen.Width <= 1) {
        // A cosmetic outline covers width + 1 pixels, so the box shrinks by one to end at x2 - 1.
        p.drawEllipse(QRectF(x1, y1, double(x2) - x1 - 1, double(y2) - y1 - 1));
        return;
    }
    const qreal half = FPen.Style == psInsideFrame ? FPen.Width / 2.0 : 0.0;
    p.drawEllipse(QRectF(x1 + 0.5 + half, y1 + 0.5 + half, double(x2) - x1 - 1 - 2 * half,
                         double(y2) - y1 - 1 - 2 * half));
}

void TCanvas::FillRect(const TRect& r) {
    if (r.IsEmpty() || !hasBrush() || blank()) return;
    // A plain copy of one colour: written straight into the pixels, which is much cheaper than a
    // painter call for the many small squares of the dot-matrix faces.
    const QRect device = FScale.rect(r);
    const int left = std::max(device.left(), 0);
    const int top = std::max(device.top(), 0);
    const int right = std::min(device.left() + device.width(), FImage->width());
    const int bottom = std::min(device.top() + device.height(), FImage->height());
    if (left >= right || top >= bottom) return;
    const QRgb color = 0xFF000000u | rgbOf(FBrush.Color);
    uchar* bits = FImage->bits();
    const qsizetype stride = FImage->bytesPerLine();
    const int width = right - left;
    QRgb* first = reinterpret_cast<QRgb*>(bits + top * stride) + left;
    std::fill_n(first, width, color);
    // The other rows copy the first: a block copy is several times faster than storing one value
    // pixel by pixel.
    for (int y = top + 1; y < bottom; ++y)
        std::memcpy(reinterpret_cast<QRgb*>(bits + y * stride) + left, first, width * sizeof(QRgb));
}

TColor TCanvas::Pixels(int x, int y) const {
    x = FScale.position(x);
    y = FScale.position(y);
    if (x < 0 || y < 0 || x >= FImage->width() || y >= FImage->height()) return clPixelInvalid;
    const QRgb rgb = FImage->pixel(x, y);
    return rgbColor(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

void TCanvas::SetPixels(int x, int y, TColor color) {
    if (!FScale.identity()) {
        const TBrush brush = std::exchange(FBrush, TBrush{color, TBrushStyle::bsSolid});
        FillRect(Rect(x, y, x + 1, y + 1));
        FBrush = brush;
        return;
    }
    if (x < 0 || y < 0 || x >= FImage->width() || y >= FImage->height()) return;
    reinterpret_cast<QRgb*>(FImage->scanLine(y))[x] = 0xFF000000u | rgbOf(color);
}

struct TCanvas::TextFace {
    QString Name;
    int Height;
    TFontStyles Style;
    DrawingScale Scale;
    QFont Font;
    QFontMetrics Metrics;

    // The font's colour plays no part, nor does the image: fonts are sized in pixels.
    bool fits(const TFont& f, const DrawingScale& scale) const {
        return Height == f.Height() && Style == f.Style() && Scale == scale && Name == f.Name();
    }
};

const TCanvas::TextFace& TCanvas::textFace() const {
    if (FTextFace && FTextFace->fits(FFont, FScale)) return *FTextFace;
    QFont font = FFont.toQFont();
    // In layout pixels text is drawn unsmoothed, so glyph pixels carry exactly the font colour; at
    // another scale Qt draws it at the device's resolution, smoothed as its own widgets draw theirs.
    if (FScale.identity())
        font.setStyleStrategy(QFont::NoAntialias);
    else
        font.setPixelSize(FScale.length(font.pixelSize()));
    const QFontMetrics metrics(font, FImage);
    FTextFace = std::make_unique<TextFace>(
        TextFace{FFont.Name(), FFont.Height(), FFont.Style(), FScale, font, metrics});
    return *FTextFace;
}

void TCanvas::TextOut(int x, int y, const QString& text) {
    if (text.isEmpty() || blank()) return;
    const TextFace& face = textFace();
    QPainter& p = painter();
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.setRenderHint(QPainter::TextAntialiasing, !FScale.identity());
    x = FScale.position(x);
    y = FScale.position(y);
    if (hasBrush())
        p.fillRect(QRect(x, y, face.Metrics.horizontalAdvance(text), face.Metrics.height()),
                   toQColor(FBrush.Color));
    p.setFont(face.Font);
    p.setPen(toQColor(FFont.Color()));
    p.drawText(QPoint(x, y + face.Metrics.ascent()), text);
}

QSize TCanvas::TextExtent(const QString& text) const {
    const QFontMetrics& metrics = textFace().Metrics;
    return QSize(FScale.layoutLength(metrics.horizontalAdvance(text)), FScale.layoutLength(metrics.height()));
}

int TCanvas::TextWidth(const QString& text) const {
    return TextExtent(text).width();
}

int TCanvas::TextHeight(const QString& text) const {
    return TextExtent(text).height();
}

void TCanvas::drawImageRect(const QRect& dest, const QImage& source, const QRect& sourceRect) {
    if (dest.isEmpty() || sourceRect.isEmpty() || blank()) return;
    QPainter& p = painter();
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawImage(dest, source, sourceRect);
}

void TCanvas::Draw(int x, int y, const TBitmap& bitmap) {
    drawImageRect(FScale.rect(Rect(x, y, x + bitmap.Width(), y + bitmap.Height())), bitmap.Image(),
                  bitmap.Image().rect());
}

void TCanvas::StretchDraw(const TRect& dest, const TBitmap& bitmap) {
    const QImage& image = bitmap.Image();
    drawImageRect(FScale.rect(dest), image, image.rect());
}

void TCanvas::CopyRect(const TRect& dest, const TCanvas& source, const TRect& sourceRect) {
    if (&source == this) {
        // Painting an image onto itself reads pixels already overwritten; copy the region first.
        const QImage region = FImage->copy(FScale.rect(sourceRect));
        drawImageRect(FScale.rect(dest), region, region.rect());
        return;
    }
    drawImageRect(FScale.rect(dest), source.Image(), source.FScale.rect(sourceRect));
}
