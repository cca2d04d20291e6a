#include "platform/graphics/bitmap.h"

#include <algorithm>

TBitmap::TBitmap(int width, int height) : FCanvas(&FImage) {
    SetSize(width, height);
}

void TBitmap::SetSize(int width, int height) {
    width = std::max(0, width);
    height = std::max(0, height);
    if (width == FWidth && height == FHeight && !FImage.isNull()) return;
    FCanvas.Release();
    FWidth = width;
    FHeight = height;
    FImage = Empty() ? QImage() : QImage(width, height, QImage::Format_RGB32);
    FImage.fill(Qt::white);
}

bool TBitmap::LoadFromFile(const QString& path) {
    QImage loaded;
    if (!loaded.load(path) || loaded.isNull()) return false;
    SetImage(loaded);
    return true;
}

void TBitmap::SetImage(const QImage& image) {
    if (&image == &FImage) return;
    QImage converted = image.convertToFormat(QImage::Format_RGB32);
    FCanvas.Release();
    FImage = std::move(converted);
    FWidth = FImage.width();
    FHeight = FImage.height();
}

QImage TBitmap::View(const QRect& area) {
    const QRect r = area & QRect(0, 0, FWidth, FHeight);
    if (r.isEmpty()) return {};
    FCanvas.Release();
    uchar* first =
        FImage.bits() + r.top() * FImage.bytesPerLine() + r.left() * static_cast<int>(sizeof(QRgb));
    return QImage(first, r.width(), r.height(), FImage.bytesPerLine(), FImage.format());
}
