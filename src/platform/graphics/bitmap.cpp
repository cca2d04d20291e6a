#include "platform/graphics/bitmap.h"

#include <algorithm>
#include <utility>

TBitmap::TBitmap(int width, int height, const DrawingScale& scale) : FCanvas(&FImage) {
    FCanvas.SetScale(scale);
    SetSize(width, height);
}

void TBitmap::SetSize(int width, int height) {
    width = std::max(0, width);
    height = std::max(0, height);
    if (width == FWidth && height == FHeight && !FImage.isNull()) return;
    FCanvas.Release();
    FWidth = width;
    FHeight = height;
    const QSize device = Scale().size(QSize(width, height));
    FImage = Empty() ? QImage() : QImage(device, QImage::Format_RGB32);
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
    const QSize layout = Scale().layoutSize(FImage.size());
    FWidth = layout.width();
    FHeight = layout.height();
}

void TBitmap::SetScale(const DrawingScale& scale) {
    if (scale == Scale()) return;
    FCanvas.Release();
    FCanvas.SetScale(scale);
    const int width = std::exchange(FWidth, -1);
    SetSize(width, FHeight);
}

void TBitmap::Assign(const TBitmap& source) {
    if (&source == this) return;
    FCanvas.Release();
    FCanvas.SetScale(source.Scale());
    FImage = source.Image();
    FWidth = source.Width();
    FHeight = source.Height();
}

QImage TBitmap::View(const QRect& area) {
    const QRect r = Scale().rect(toTRect(area)) & FImage.rect();
    if (r.isEmpty() || FImage.isNull()) return {};
    FCanvas.Release();
    uchar* first =
        FImage.bits() + r.top() * FImage.bytesPerLine() + r.left() * static_cast<int>(sizeof(QRgb));
    return QImage(first, r.width(), r.height(), FImage.bytesPerLine(), FImage.format());
}
