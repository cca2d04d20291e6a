#include "chart/paintcache.h"

#include <QPainter>

#include <algorithm>

bool ChartPaintCache::frameCurrent(QSize size, long long scaleChanges) const {
    return FFrameLook == FLook && FFrame.Width() == size.width() && FFrame.Height() == size.height() &&
           scaleChanges == FFrameScaleChanges;
}

void ChartPaintCache::frameDrawn(long long scaleChanges) {
    FFrameLook = FLook;
    FFrameScaleChanges = scaleChanges;
    ++FFrameDrawCount;
}

std::optional<QImage> ChartPaintCache::dataAreaView(QRect place) {
    FDataAreaPlace = place;
    QImage area = FFrame.View(place);
    if (area.size() != FFrame.Scale().rect(toTRect(place)).size()) return std::nullopt;
    return area;
}

TCanvas& ChartPaintCache::sizedDataArea(QSize size) {
    FDataArea.SetScale(FFrame.Scale());
    FDataArea.SetSize(std::max(size.width(), 0), std::max(size.height(), 0));
    return FDataArea.Canvas();
}

void ChartPaintCache::keepUnderCrossHairs(const std::vector<QRect>& strips) {
    FUnderCrossHairs.clear();
    if (!FDataAreaInFrame) return;
    const DrawingScale& scale = FFrame.Scale();
    const QRect area = scale.rect(toTRect(FDataAreaPlace));
    for (const QRect& strip : strips) {
        const QRect part = scale.rect(toTRect(strip)) & area;
        if (!part.isEmpty())
            FUnderCrossHairs.push_back({part.topLeft() - area.topLeft(), FFrame.Image().copy(part)});
    }
}

const QImage& ChartPaintCache::dataAreaImage() const {
    if (FDataAreaInFrame) {
        QImage area = FFrame.Image().copy(FFrame.Scale().rect(toTRect(FDataAreaPlace)));
        QPainter painter(&area);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        for (const auto& [at, pixels] : FUnderCrossHairs)
            painter.drawImage(at, pixels);
        painter.end();
        FDataArea.SetScale(FFrame.Scale());
        FDataArea.SetImage(area);
        FDataAreaInFrame = false;
    }
    return FDataArea.Image();
}
