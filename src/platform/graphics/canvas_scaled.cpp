// The canvas at a drawing scale other than 1: the same figures in layout pixels, drawn by the
// painter in device pixels. A one-pixel pen is as wide as one layout pixel and covers the device
// pixels of the layout pixels it would cover, so frames, ticks and grid lines meet the filled
// shapes beside them as they do in layout pixels.
#include "platform/graphics/canvas.h"

#include "platform/graphics/colorresolve.h"
#include "platform/graphics/linepattern.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <span>

using enum Graphics::TPenStyle;

namespace {

bool straight(QPoint from, QPoint to) {
    return from.x() == to.x() || from.y() == to.y();
}

} // namespace

QPen TCanvas::scaledPen() const {
    const bool thin = FPen.Width <= 1;
    QPen pen(toQColor(FPen.Color), FScale.length(thin ? 1 : FPen.Width));
    pen.setCapStyle(thin ? Qt::FlatCap : Qt::RoundCap);
    pen.setJoinStyle(thin ? Qt::MiterJoin : Qt::RoundJoin);
    // Dash runs count in pen widths, which is one layout pixel.
    const std::span<const int> runs = thin ? stylePattern(FPen.Style) : std::span<const int>{};
    if (!runs.empty()) pen.setDashPattern(QList<qreal>(runs.begin(), runs.end()));
    return pen;
}

// A layout pixel's device pixels start at its mapped corner; a pen is centred on its path, so the
// path runs half a pen width in. Wide pens are centred on their layout pixel.
qreal TCanvas::scaledPenOffset() const {
    if (FPen.Width <= 1) return FScale.length(1) / 2.0;
    return FScale.factor() / 2.0;
}

void TCanvas::scaledLine(QPoint from, QPoint to) {
    scaledPolyline(QPolygon{from, to});
}

// The layout pixels from `from` up to `to`, without `to`, of a one-pixel solid pen on a straight line.
void TCanvas::scaledBand(QPoint from, QPoint to) {
    if (from == to) return;
    const QPoint step((to.x() > from.x()) - (to.x() < from.x()), (to.y() > from.y()) - (to.y() < from.y()));
    const QPoint last = to - step;
    const QPoint first(std::min(from.x(), last.x()), std::min(from.y(), last.y()));
    // Mapped corners, so that joined bands of one line leave no gap.
    const QPoint start = FScale.point(first);
    const QPoint end =
        FScale.point(QPoint(std::max(from.x(), last.x()) + 1, std::max(from.y(), last.y()) + 1));
    const int thick = FScale.length(1);
    QPainter& p = painter();
    applyMode(p);
    p.fillRect(
        QRect(start, QSize(step.x() ? end.x() - start.x() : thick, step.y() ? end.y() - start.y() : thick)),
        toQColor(FPen.Color));
}

// A straight one-pixel line of a styled pen, dashed as the painter dashes it (runs counted in pen
// widths along the path, which runs half a pen width in, the pattern going on from `pos`), each
// dash filled as a band of the device pixels whose centres it covers: the stroker's picture without
// the stroker. Only the part over the image is walked.
void TCanvas::scaledStyledBand(QPoint from, QPoint to, qreal& pos) {
    const bool horizontal = from.y() == to.y();
    const int width = FScale.length(1);
    const qreal offset = scaledPenOffset();
    const auto along = [&](QPoint p) {
        return (horizontal ? FScale.position(p.x()) : FScale.position(p.y())) + offset;
    };
    const qreal start = along(from);
    const qreal length = std::abs(along(to) - start);
    const int direction = along(to) >= start ? 1 : -1;
    const int across = horizontal ? FScale.position(from.y()) : FScale.position(from.x());
    const qreal extent = horizontal ? FImage->width() : FImage->height();
    const std::span<const int> pattern = stylePattern(FPen.Style);
    qreal period = 0;
    for (int run : pattern)
        period += run * width;
    QPainter& p = painter();
    applyMode(p);
    const QColor color = toQColor(FPen.Color);
    // The stretch of the path over the image, as distances from its start.
    const qreal first = std::max<qreal>(0, direction > 0 ? -start : start - extent);
    const qreal last = std::min(length, direction > 0 ? extent - start : start);
    qreal s = first;
    while (s < last) {
        qreal phase = std::fmod(pos + s, period);
        std::size_t run = 0;
        while (phase >= pattern[run] * width)
            phase -= pattern[run++] * width;
        const qreal end = std::min(last, s + pattern[run] * width - phase);
        if (run % 2 == 0) {
            const qreal lo = direction > 0 ? start + s : start - end;
            const qreal hi = direction > 0 ? start + end : start - s;
            const int a = static_cast<int>(std::ceil(lo - 0.5));
            const int b = static_cast<int>(std::ceil(hi - 0.5));
            if (b > a)
                p.fillRect(horizontal ? QRect(a, across, b - a, width) : QRect(across, a, width, b - a),
                           color);
        }
        s = end;
    }
    pos += length;
}

void TCanvas::scaledPolyline(const QPolygon& points) {
    // Frames, ticks, grid lines and crosshairs: a band per segment (or per dash), each solid one
    // without its end, as at scale 1.
    if (FPen.Width <= 1 && std::adjacent_find(points.begin(), points.end(), [](QPoint a, QPoint b) {
                               return !straight(a, b);
                           }) == points.end()) {
        const bool solid = stylePattern(FPen.Style).empty();
        qreal pos = 0;
        for (qsizetype i = 1; i < points.size(); ++i) {
            if (solid)
                scaledBand(points[i - 1], points[i]);
            else
                scaledStyledBand(points[i - 1], points[i], pos);
        }
        return;
    }
    QPainter& p = painter();
    applyMode(p);
    p.setPen(scaledPen());
    p.setBrush(Qt::NoBrush);
    const qreal offset = scaledPenOffset();
    QPolygonF path;
    path.reserve(points.size());
    for (const QPoint& point : points)
        path << QPointF(FScale.point(point)) + QPointF(offset, offset);
    // A single line of a flat-capped pen goes through the painter's line rasteriser, not its stroker.
    if (path.size() == 2)
        p.drawLine(path[0], path[1]);
    else
        p.drawPolyline(path);
}

void TCanvas::scaledPolygon(const QPolygon& points) {
    QPainter& p = painter();
    applyMode(p);
    if (hasBrush()) {
        p.setPen(Qt::NoPen);
        applyBrush(p);
        QPolygon mapped;
        for (const QPoint& point : points)
            mapped << FScale.point(point);
        p.drawPolygon(mapped, Qt::OddEvenFill);
    }
    if (!hasPen()) return;
    QPolygon closed = points;
    if (closed.first() != closed.last()) closed << closed.first();
    scaledPolyline(closed);
}

void TCanvas::scaledRectangle(const TRect& box) {
    QPainter& p = painter();
    applyMode(p);
    const QRect d = FScale.rect(box);
    const int pen = hasPen() ? FScale.length(std::max(FPen.Width, 1)) : 0;
    if (hasBrush() && d.width() > 2 * pen && d.height() > 2 * pen)
        p.fillRect(d.adjusted(pen, pen, -pen, -pen), toQColor(FBrush.Color));
    if (!hasPen()) return;
    if (FPen.Style != psSolid && FPen.Width <= 1) {
        scaledPolyline(QPolygon{{box.Left, box.Top},
                                {box.Right - 1, box.Top},
                                {box.Right - 1, box.Bottom - 1},
                                {box.Left, box.Bottom - 1},
                                {box.Left, box.Top}});
        return;
    }
    // The outline as four bands inside the box, none drawn twice (the pen mode may be XOR).
    const QColor color = toQColor(FPen.Color);
    const int w = std::min(pen, d.height());
    const int h = std::min(pen, d.width());
    p.fillRect(QRect(d.left(), d.top(), d.width(), w), color);
    if (d.height() > w) p.fillRect(QRect(d.left(), d.bottom() - w + 1, d.width(), w), color);
    const int inner = d.height() - 2 * w;
    if (inner > 0) {
        p.fillRect(QRect(d.left(), d.top() + w, h, inner), color);
        if (d.width() > h) p.fillRect(QRect(d.right() - h + 1, d.top() + w, h, inner), color);
    }
}

void TCanvas::scaledEllipse(const TRect& box) {
    QPainter& p = painter();
    applyMode(p);
    applyBrush(p);
    const QRect d = FScale.rect(box);
    if (!hasPen()) {
        p.setPen(Qt::NoPen);
        p.drawEllipse(d);
        return;
    }
    const QPen pen = scaledPen();
    p.setPen(pen);
    const qreal half = pen.widthF() / 2;
    p.drawEllipse(QRectF(d).adjusted(half, half, -half, -half));
}
