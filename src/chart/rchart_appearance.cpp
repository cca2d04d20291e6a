// The chart's appearance: colours, grid, shadow, caption and the look of text items. Every change
// repaints when AutoRedraw is on; the frame is drawn anew.
#include "chart/rchart_p.h"

TColor TCustomRChart::WindColor() const {
    return d->FWindColor;
}

void TCustomRChart::SetWindColor(TColor value) {
    if (!assignChanged(d->FWindColor, value)) return;
    for (int n = 1; n <= kLayerCount; ++n) {
        ScaleControlX(n)->SetColorBackGnd(value);
        ScaleControlY(n)->SetColorBackGnd(value);
    }
    RepaintIfAuto();
}

TColor TCustomRChart::ChartColor() const {
    return d->FChartColor;
}
void TCustomRChart::SetChartColor(TColor value) {
    d->setLook(d->FChartColor, value);
}

TColor TCustomRChart::ChartFrameColor() const {
    return d->FChartFrameColor;
}
void TCustomRChart::SetChartFrameColor(TColor value) {
    d->setLook(d->FChartFrameColor, value);
}

TColor TCustomRChart::GridColor() const {
    return d->FGridColor;
}
void TCustomRChart::SetGridColor(TColor value) {
    d->setLook(d->FGridColor, value);
}

TGridStyle TCustomRChart::GridStyle() const {
    return d->FGridStyle;
}
void TCustomRChart::SetGridStyle(TGridStyle value) {
    d->setLook(d->FGridStyle, value);
}

double TCustomRChart::GridDx() const {
    return d->FGridDx;
}
double TCustomRChart::GridDy() const {
    return d->FGridDy;
}

void TCustomRChart::SetGridDx(double value) {
    if (value >= -3) d->setLook(d->FGridDx, value);
}

void TCustomRChart::SetGridDy(double value) {
    if (value >= -3) d->setLook(d->FGridDy, value);
}

TShadowStyle TCustomRChart::ShadowStyle() const {
    return d->FShadowStyle;
}
void TCustomRChart::SetShadowStyle(TShadowStyle value) {
    d->setLook(d->FShadowStyle, value);
}

TColor TCustomRChart::ShadowColor() const {
    return d->FShadowColor;
}
void TCustomRChart::SetShadowColor(TColor value) {
    d->setLook(d->FShadowColor, value);
}

TColor TCustomRChart::ShadowBakColor() const {
    return d->FShadowBakColor;
}
void TCustomRChart::SetShadowBakColor(TColor value) {
    d->setLook(d->FShadowBakColor, value);
}

QString TCustomRChart::Caption() const {
    return d->FCaption;
}
void TCustomRChart::SetCaption(const QString& value) {
    d->setLook(d->FCaption, value);
}

int TCustomRChart::CaptionPosX() const {
    return d->FCaptionPosX;
}
void TCustomRChart::SetCaptionPosX(int value) {
    d->setLook(d->FCaptionPosX, value);
}

int TCustomRChart::CaptionPosY() const {
    return d->FCaptionPosY;
}
void TCustomRChart::SetCaptionPosY(int value) {
    d->setLook(d->FCaptionPosY, value);
}

TAlignment TCustomRChart::CaptionAlignment() const {
    return d->FCaptionAlignment;
}
void TCustomRChart::SetCaptionAlignment(TAlignment value) {
    d->setLook(d->FCaptionAlignment, value);
}

TCaptionAnchorHoriz TCustomRChart::CaptionAnchorHoriz() const {
    return d->FCaptionAnchorHoriz;
}
void TCustomRChart::SetCaptionAnchorHoriz(TCaptionAnchorHoriz value) {
    d->setLook(d->FCaptionAnchorHoriz, value);
}

TCaptionAnchorVert TCustomRChart::CaptionAnchorVert() const {
    return d->FCaptionAnchorVert;
}
void TCustomRChart::SetCaptionAnchorVert(TCaptionAnchorVert value) {
    d->setLook(d->FCaptionAnchorVert, value);
}

TFontStyles TCustomRChart::TextFontStyle() const {
    return d->FTextFontStyle;
}
void TCustomRChart::SetTextFontStyle(TFontStyles value) {
    d->setLook(d->FTextFontStyle, value);
}

TTextBkStyle TCustomRChart::TextBkStyle() const {
    return d->FTextBkStyle;
}
void TCustomRChart::SetTextBkStyle(TTextBkStyle value) {
    d->setLook(d->FTextBkStyle, value);
}

TColor TCustomRChart::TextBkColor() const {
    return d->FTextBkColor;
}
void TCustomRChart::SetTextBkColor(TColor value) {
    d->setLook(d->FTextBkColor, value);
}
