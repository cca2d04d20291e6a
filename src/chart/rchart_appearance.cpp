// The chart's appearance: colours, grid, shadow, caption and the look of text items. Every change
// repaints when AutoRedraw is on; the frame is drawn anew.
#include "chart/rchart_p.h"

TColor TCustomRChart::WindColor() const {
    return d->FLook.WindColor;
}

void TCustomRChart::SetWindColor(TColor value) {
    if (!assignChanged(d->FLook.WindColor, value)) return;
    for (int n = 1; n <= kLayerCount; ++n) {
        ScaleControlX(n)->SetColorBackGnd(value);
        ScaleControlY(n)->SetColorBackGnd(value);
    }
    RepaintIfAuto();
}

TColor TCustomRChart::ChartColor() const {
    return d->FLook.ChartColor;
}
void TCustomRChart::SetChartColor(TColor value) {
    d->setLook(d->FLook.ChartColor, value);
}

TColor TCustomRChart::ChartFrameColor() const {
    return d->FLook.ChartFrameColor;
}
void TCustomRChart::SetChartFrameColor(TColor value) {
    d->setLook(d->FLook.ChartFrameColor, value);
}

TColor TCustomRChart::GridColor() const {
    return d->FLook.GridColor;
}
void TCustomRChart::SetGridColor(TColor value) {
    d->setLook(d->FLook.GridColor, value);
}

TGridStyle TCustomRChart::GridStyle() const {
    return d->FLook.GridStyle;
}
void TCustomRChart::SetGridStyle(TGridStyle value) {
    d->setLook(d->FLook.GridStyle, value);
}

double TCustomRChart::GridDx() const {
    return d->FLook.GridDx;
}
double TCustomRChart::GridDy() const {
    return d->FLook.GridDy;
}

void TCustomRChart::SetGridDx(double value) {
    if (value >= -3) d->setLook(d->FLook.GridDx, value);
}

void TCustomRChart::SetGridDy(double value) {
    if (value >= -3) d->setLook(d->FLook.GridDy, value);
}

TShadowStyle TCustomRChart::ShadowStyle() const {
    return d->FLook.ShadowStyle;
}
void TCustomRChart::SetShadowStyle(TShadowStyle value) {
    d->setLook(d->FLook.ShadowStyle, value);
}

TColor TCustomRChart::ShadowColor() const {
    return d->FLook.ShadowColor;
}
void TCustomRChart::SetShadowColor(TColor value) {
    d->setLook(d->FLook.ShadowColor, value);
}

TColor TCustomRChart::ShadowBakColor() const {
    return d->FLook.ShadowBakColor;
}
void TCustomRChart::SetShadowBakColor(TColor value) {
    d->setLook(d->FLook.ShadowBakColor, value);
}

QString TCustomRChart::Caption() const {
    return d->FLook.Caption;
}
void TCustomRChart::SetCaption(const QString& value) {
    d->setLook(d->FLook.Caption, value);
}

int TCustomRChart::CaptionPosX() const {
    return d->FLook.CaptionPosX;
}
void TCustomRChart::SetCaptionPosX(int value) {
    d->setLook(d->FLook.CaptionPosX, value);
}

int TCustomRChart::CaptionPosY() const {
    return d->FLook.CaptionPosY;
}
void TCustomRChart::SetCaptionPosY(int value) {
    d->setLook(d->FLook.CaptionPosY, value);
}

TAlignment TCustomRChart::CaptionAlignment() const {
    return d->FLook.CaptionAlignment;
}
void TCustomRChart::SetCaptionAlignment(TAlignment value) {
    d->setLook(d->FLook.CaptionAlignment, value);
}

TCaptionAnchorHoriz TCustomRChart::CaptionAnchorHoriz() const {
    return d->FLook.CaptionAnchorHoriz;
}
void TCustomRChart::SetCaptionAnchorHoriz(TCaptionAnchorHoriz value) {
    d->setLook(d->FLook.CaptionAnchorHoriz, value);
}

TCaptionAnchorVert TCustomRChart::CaptionAnchorVert() const {
    return d->FLook.CaptionAnchorVert;
}
void TCustomRChart::SetCaptionAnchorVert(TCaptionAnchorVert value) {
    d->setLook(d->FLook.CaptionAnchorVert, value);
}

TFontStyles TCustomRChart::TextFontStyle() const {
    return d->FLook.TextFontStyle;
}
void TCustomRChart::SetTextFontStyle(TFontStyles value) {
    d->setLook(d->FLook.TextFontStyle, value);
}

TTextBkStyle TCustomRChart::TextBkStyle() const {
    return d->FLook.TextBkStyle;
}
void TCustomRChart::SetTextBkStyle(TTextBkStyle value) {
    d->setLook(d->FLook.TextBkStyle, value);
}

TColor TCustomRChart::TextBkColor() const {
    return d->FLook.TextBkColor;
}
void TCustomRChart::SetTextBkColor(TColor value) {
    d->setLook(d->FLook.TextBkColor, value);
}
