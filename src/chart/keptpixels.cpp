#include "chart/keptpixels.h"

#include <QPainter>

void KeptPixels::keep(const QImage& image, const DrawingScale& scale, const std::vector<QRect>& areas,
                      QRect within) {
    FParts.clear();
    for (const QRect& area : areas) {
        const QRect part = scale.rect(toTRect(area)) & within;
        if (!part.isEmpty()) FParts.push_back({part.topLeft(), image.copy(part)});
    }
}

void KeptPixels::putBack(QImage& image, QPoint origin) const {
    if (FParts.empty()) return;
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (const auto& [at, pixels] : FParts)
        painter.drawImage(at - origin, pixels);
}

void addOutlineEdges(std::vector<QRect>& areas, const TRect& box) {
    const QRect r = box.toQRect();
    areas.push_back(QRect(r.left(), r.top(), r.width(), 1));
    areas.push_back(QRect(r.left(), r.bottom(), r.width(), 1));
    areas.push_back(QRect(r.left(), r.top(), 1, r.height()));
    areas.push_back(QRect(r.right(), r.top(), 1, r.height()));
}
