#include "chart/paintcache.h"

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
    FUnderCrossHairs.keep(FFrame.Image(), FFrame.Scale(), strips,
                          FFrame.Scale().rect(toTRect(FDataAreaPlace)));
}

const QImage& ChartPaintCache::dataAreaImage() const {
    if (FDataAreaInFrame) {
        const QRect place = FFrame.Scale().rect(toTRect(FDataAreaPlace));
        QImage area = FFrame.Image().copy(place);
        FUnderCrossHairs.putBack(area, place.topLeft());
        FDataArea.SetScale(FFrame.Scale());
        FDataArea.SetImage(area);
        FDataAreaInFrame = false;
    }
    return FDataArea.Image();
}
