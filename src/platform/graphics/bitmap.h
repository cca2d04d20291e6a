// TBitmap: an off-screen picture (QImage, Format_RGB32) with its own TCanvas. A new or resized
// bitmap is white. Width and Height are in layout pixels; at a drawing scale other than 1 the image
// holds the device pixels (DrawingScale::size of them) and the canvas draws at that scale.
#pragma once

#include "platform/graphics/canvas.h"

#include <QImage>
#include <QString>

class TBitmap {
public:
    TBitmap() : TBitmap(0, 0) {}
    TBitmap(int width, int height, const DrawingScale& scale = DrawingScale());
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;

    // Negative sizes count as 0. Keeps the picture when the size does not change.
    void SetSize(int width, int height);
    void SetWidth(int width) { SetSize(width, Height()); }
    void SetHeight(int height) { SetSize(Width(), height); }
    // A new scale makes the bitmap anew (white) at the same layout size.
    void SetScale(const DrawingScale& scale);
    const DrawingScale& Scale() const { return FCanvas.Scale(); }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    bool Empty() const { return FWidth == 0 || FHeight == 0; }

    TCanvas& Canvas() { return FCanvas; }
    const TCanvas& Canvas() const { return FCanvas; }
    const QImage& Image() const { return FCanvas.Image(); }

    // BMP, PNG, JPEG or GIF (first frame). False and the bitmap unchanged when the file cannot be read.
    bool LoadFromFile(const QString& path);
    // Takes over a picture of device pixels (converted to RGB32), keeping the scale.
    void SetImage(const QImage& image);
    // Takes over another bitmap's picture and scale.
    void Assign(const TBitmap& source);
    // A picture of the part of this bitmap inside `area` (layout pixels) that shares its pixels:
    // drawing on it draws on the bitmap. Valid until the bitmap is resized, replaced or shared.
    QImage View(const QRect& area);

private:
    // Kept apart from the image, which cannot be 0 × n.
    int FWidth = 0;
    int FHeight = 0;
    QImage FImage;
    TCanvas FCanvas;
};
