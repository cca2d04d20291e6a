// TCanvas: draws on a QImage with the pixel rules of the classic desktop drawing interface, on which
// the chart and widget layouts depend:
//  - MoveTo/LineTo and Polyline leave out the last pixel of a line;
//  - Rectangle and Ellipse take a bounding box whose right and bottom edges are exclusive, outline it
//    with the pen and fill the inside with the brush; FillRect fills with the brush only;
//  - TextOut(x, y) puts the top-left corner of the text cell at (x, y); a solid brush paints the
//    cell's background, a clear brush leaves it;
//  - drawing is aliased, one-pixel pens are cosmetic with flat ends; text is not smoothed;
//  - pen modes pmXor / pmNotXor combine pen and shape fill with the pixels bit by bit, so drawing the
//    same figure twice restores the image. FillRect, TextOut, Pixels and bitmap copies always copy.
// System colours are resolved through the application palette when drawn.
//
// A canvas with a drawing scale other than 1 takes the same layout-pixel coordinates and draws them
// on an image of device pixels (see DrawingScale): one-pixel lines become bands as wide as one layout
// pixel, shapes keep their size wherever they stand, and text is laid out and smoothed by Qt at the
// device's resolution. The rules above hold in layout pixels; at scale 1 they hold pixel for pixel.
#pragma once

#include "platform/graphics/drawingscale.h"
#include "platform/graphics/font.h"
#include "platform/graphics/graphics.h"
#include "platform/graphics/rect.h"
#include "platform/graphics/tcolor.h"

#include <QImage>
#include <QPoint>
#include <QPolygon>
#include <QSize>
#include <QString>

#include <algorithm>
#include <memory>

class QPainter;
class QPen;
class TBitmap;

struct TPen {
    TColor Color = clBlack;
    int Width = 1; // 0 and 1 both give a one-pixel cosmetic pen
    TPenStyle Style = TPenStyle::psSolid;
    TPenMode Mode = TPenMode::pmCopy;
};

struct TBrush {
    TColor Color = clWhite;
    TBrushStyle Style = TBrushStyle::bsSolid;
};

// What Pixels returns outside the image.
constexpr TColor clPixelInvalid = -1;

class TCanvas {
public:
    // The image must outlive the canvas; the canvas paints on it until Release() or destruction.
    explicit TCanvas(QImage* image);
    ~TCanvas();
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    TPen& Pen() { return FPen; }
    const TPen& Pen() const { return FPen; }
    TBrush& Brush() { return FBrush; }
    const TBrush& Brush() const { return FBrush; }
    TFont& Font() { return FFont; }
    const TFont& Font() const { return FFont; }

    QPoint PenPos() const { return FPenPos; }
    void MoveTo(int x, int y) { FPenPos = QPoint(x, y); }
    // From the pen position to (x, y), without (x, y); the pen position becomes (x, y).
    void LineTo(int x, int y);
    // Joined lines through the points; the last point is left out, every other one drawn once.
    void Polyline(const QPolygon& points);
    // Closed outline with the pen, inside filled with the brush (alternate fill).
    void Polygon(const QPolygon& points);
    void Rectangle(int x1, int y1, int x2, int y2);
    void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
    void Ellipse(int x1, int y1, int x2, int y2);
    void Ellipse(const TRect& r) { Ellipse(r.Left, r.Top, r.Right, r.Bottom); }
    void FillRect(const TRect& r);

    TColor Pixels(int x, int y) const;
    void SetPixels(int x, int y, TColor color);

    void TextOut(int x, int y, const QString& text);
    int TextWidth(const QString& text) const;
    int TextHeight(const QString& text) const;
    QSize TextExtent(const QString& text) const;

    void Draw(int x, int y, const TBitmap& bitmap);
    void StretchDraw(const TRect& dest, const TBitmap& bitmap);
    // Copies sourceRect of another canvas (or of this one) into dest, scaled if the sizes differ.
    void CopyRect(const TRect& dest, const TCanvas& source, const TRect& sourceRect);

    // Device pixels per layout pixel; the image holds device pixels.
    const DrawingScale& Scale() const { return FScale; }
    void SetScale(const DrawingScale& scale) { FScale = scale; }

    // In layout pixels.
    QSize Size() const { return FScale.layoutSize(FImage->size()); }
    // The finished pixels; ends any painting in progress first.
    const QImage& Image() const;
    // Ends painting on the image (before it is replaced, resized or handed on).
    void Release() const;

private:
    QPainter& painter();
    void applyPen(QPainter& p) const;
    void applyBrush(QPainter& p) const;
    void applyMode(QPainter& p) const;
    // A 0 × n image has nothing to paint on.
    bool blank() const { return FImage->isNull(); }
    bool hasPen() const { return FPen.Style != TPenStyle::psClear; }
    bool hasBrush() const { return FBrush.Style != TBrushStyle::bsClear; }
    // Coordinates far outside the image are pulled in to just beyond its edges (by more than a wide
    // pen reaches): the same pixels get drawn and the arithmetic stays in range.
    int pullInMargin() const { return std::max(4, FPen.Width + 2); }
    int pullInX(int x) const;
    int pullInY(int y) const;
    struct ThinStroke;
    ThinStroke beginThinStroke();
    void strokeThinLine(QPoint from, QPoint to, ThinStroke& stroke);
    void strokeStraightLine(QPoint from, QPoint to, long long steps, ThinStroke& stroke);
    void strokeByPainter(QPoint from, QPoint to, ThinStroke& stroke);
    void plotPenPixel(int x, int y, ThinStroke& stroke);
    void drawImageRect(const QRect& dest, const QImage& source, const QRect& sourceRect);
    // The same calls at a drawing scale other than 1 (canvas_scaled.cpp).
    void scaledLine(QPoint from, QPoint to);
    void scaledPolyline(const QPolygon& points);
    void scaledBand(QPoint from, QPoint to);
    void scaledStyledBand(QPoint from, QPoint to, qreal& pos);
    void scaledPolygon(const QPolygon& points);
    void scaledRectangle(const TRect& box);
    void scaledEllipse(const TRect& box);
    QPen scaledPen() const;
    qreal scaledPenOffset() const;
    // The Qt font and its metrics for the current font on this image. Text is measured often (every
    // scale label on every paint), so they are kept and rebuilt only when the face, height or style
    // of the font has changed.
    struct TextFace;
    const TextFace& textFace() const;

    QImage* FImage;
    DrawingScale FScale;
    mutable std::unique_ptr<QPainter> FPainter;
    TPen FPen;
    TBrush FBrush;
    TFont FFont;
    QPoint FPenPos;
    mutable std::unique_ptr<TextFace> FTextFace;
};
