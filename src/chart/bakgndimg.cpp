#include "chart/bakgndimg.h"

#include "chart/itempass/axismap.h"
#include "platform/graphics/assignchanged.h"
#include "platform/graphics/bitmap.h"

#include <QSize>

#include <algorithm>

using enum BakGnd::TBakGndAreaMode;
using enum BakGnd::TBakGndFillMode;
using enum Graphics::TBrushStyle;
using enum Graphics::TPenMode;
using enum Graphics::TPenStyle;

namespace {

// Far-away area edges are pulled in so that they stay within the drawing coordinates.
QPoint clampPixel(QPoint p) {
    return QPoint(paintClamp(p.x()), paintClamp(p.y()));
}

void drawPlain(TCanvas& canvas, QSize area) {
    canvas.Rectangle(0, 0, area.width(), area.height());
}

void drawTiled(TCanvas& canvas, QSize area, const TBitmap& image) {
    const int iw = image.Width();
    const int ih = image.Height();
    for (int column = 1; column <= (area.width() - 1) / iw + 1; ++column)
        for (int row = 0; row <= (area.height() - 1) / ih; ++row)
            canvas.Draw(iw * (column - 1), ih * row, image);
}

void drawImage(TCanvas& canvas, QSize area, const TBitmap& image, TBakGndFillMode mode) {
    switch (mode) {
    case bfSimple:
        drawPlain(canvas, area);
        canvas.Draw(0, 0, image);
        break;
    case bfStretch:
        canvas.StretchDraw(TRect{0, 0, area.width(), area.height()}, image);
        break;
    case bfTile:
        drawTiled(canvas, area, image);
        break;
    }
}

TRect areaRect(const TBakGndImg& background, QSize area, const Layer1ToPixel& toPixel) {
    const QPoint topLeft = clampPixel(toPixel(background.AreaLeft(), background.AreaTop()));
    const QPoint bottomRight = clampPixel(toPixel(background.AreaRight(), background.AreaBottom()));
    const int l = topLeft.x(), t = topLeft.y(), r = bottomRight.x(), b = bottomRight.y();
    const int w = area.width(), h = area.height();
    switch (background.AreaMode()) {
    case bamLeft:
        return TRect{0, 0, l, h};
    case bamRight:
        return TRect{r, 0, w, h};
    case bamTop:
        return TRect{0, 0, w, t};
    case bamBottom:
        return TRect{0, b, w, h};
    case bamVStripe:
        return TRect{l, 0, r, h};
    case bamHStripe:
        return TRect{0, t, w, b};
    case bamRect:
        return TRect{l, t, r, b};
    case bamNone:
        break;
    }
    return TRect{};
}

void drawArea(TCanvas& canvas, const TBakGndImg& background, QSize area, const Layer1ToPixel& toPixel) {
    if (background.AreaMode() == bamNone) return;
    canvas.Pen().Color = background.AreaColor();
    canvas.Brush().Color = background.AreaColor();
    canvas.Rectangle(areaRect(background, area, toPixel));
}

} // namespace

TBakGndImg::TBakGndImg(QObject* parent) : QObject(parent) {}

void TBakGndImg::SetName(const QString& value) {
    if (assignChanged(FName, FIncludePath ? value : stripDirectory(value))) notify();
}

void TBakGndImg::SetIncludePath(bool value) {
    if (!assignChanged(FIncludePath, value)) return;
    if (!FIncludePath) FName = stripDirectory(FName);
    notify();
}

void TBakGndImg::SetFillMode(TBakGndFillMode value) {
    if (assignChanged(FFillMode, value)) notify();
}
void TBakGndImg::SetAreaMode(TBakGndAreaMode value) {
    if (assignChanged(FAreaMode, value)) notify();
}
void TBakGndImg::SetAreaColor(TColor value) {
    if (assignChanged(FAreaColor, value)) notify();
}
void TBakGndImg::SetAreaLeft(double value) {
    if (assignChanged(FAreaLeft, value)) notify();
}
void TBakGndImg::SetAreaRight(double value) {
    if (assignChanged(FAreaRight, value)) notify();
}
void TBakGndImg::SetAreaTop(double value) {
    if (assignChanged(FAreaTop, value)) notify();
}
void TBakGndImg::SetAreaBottom(double value) {
    if (assignChanged(FAreaBottom, value)) notify();
}

QString stripDirectory(const QString& path) {
    const qsizetype cut = std::max({path.lastIndexOf('/'), path.lastIndexOf('\\'), path.lastIndexOf(':')});
    return path.mid(cut + 1);
}

void drawBackground(TBakGndImg& background, TCanvas& canvas, TColor chartColor, TColor frameColor,
                    const Layer1ToPixel& toPixel) {
    const QSize area = canvas.Size();
    canvas.Pen() = TPen{frameColor, 1, psSolid, pmCopy};
    canvas.Brush() = TBrush{chartColor, bsSolid};
    if (background.Name().isEmpty()) {
        drawPlain(canvas, area);
        drawArea(canvas, background, area, toPixel);
        return;
    }
    TBitmap image;
    if (!image.LoadFromFile(background.Name()) || image.Empty()) {
        drawPlain(canvas, area);
        background.ForgetName();
        return;
    }
    drawImage(canvas, area, image, background.FillMode());
}
