#include "scales/scaleprops.h"

#include "platform/graphics/assignchanged.h"

#include <cmath>

using enum ScaleEnums::TScaleLocationHoriz;
using enum ScaleEnums::TScaleLocationVert;
using enum ScaleEnums::TScaleType;

TScaleProps::TScaleProps(QObject* parent)
    : QObject(parent), FFont(new TFont(this)), FDateFormat(new TDTLabel(this)) {
    FFont->SetOnChange([this] { changed(); });
    FDateFormat->SetOnChange([this] { changed(); });
}

void TScaleProps::changed() {
    if (FOnChange) FOnChange(this);
}

void TScaleProps::setRange(double low, double high) {
    if (FSettings.setRange(low, high)) changed();
}

void TScaleProps::SetRangeLow(double x) {
    if (!std::isfinite(x)) return;
    if (std::fabs(RangeHigh() - x) < FMinRange)
        setRange(x, endAbove(x, FMinRange));
    else if (!(Logarithmic() && x < kLogFloor))
        setRange(x, RangeHigh());
}

void TScaleProps::SetRangeHigh(double x) {
    if (!std::isfinite(x)) return;
    if (std::fabs(RangeLow() - x) < FMinRange)
        setRange(endBelow(x, FMinRange), x);
    else if (!(Logarithmic() && x < kLogFloor))
        setRange(RangeLow(), x);
}

void TScaleProps::SetMinRange(double x) {
    if (!(x > kLogFloor) || !std::isfinite(x)) return;
    const bool widen = std::fabs(RangeHigh() - RangeLow()) < x;
    if (x == FMinRange && !widen) return;
    FMinRange = x;
    if (widen) {
        const double middle = (RangeLow() + RangeHigh()) / 2;
        FSettings.setRange(middle - x / 2, middle + x / 2);
    }
    changed();
}

void TScaleProps::SetLogarithmic(bool value) {
    if (FSettings.setLogarithmic(value, FCreating)) changed();
}

void TScaleProps::SetLabelType(TFigType value) {
    if (FSettings.setLabelType(value)) changed();
}

void TScaleProps::SetMinTicks(int value) {
    if (assignChanged(FMinTicks, value)) changed();
}

void TScaleProps::SetShortTicks(bool value) {
    if (assignChanged(FShortTicks, value)) changed();
}

void TScaleProps::SetDecPlaces(int value) {
    if (FSettings.setDecPlaces(value)) changed();
}

void TScaleProps::SetVisible(bool value) {
    if (assignChanged(FVisible, value)) changed();
}

int TScaleProps::ScalePos() const {
    return isVerticalScale(FScaleType) ? FScalePosVert : FScalePosHoriz;
}

void TScaleProps::SetScalePos(int value) {
    if (assignChanged(isVerticalScale(FScaleType) ? FScalePosVert : FScalePosHoriz, value)) changed();
}

void TScaleProps::SetCaption(const QString& value) {
    if (assignChanged(FCaption, value)) changed();
}

void TScaleProps::SetCaptionPosX(int value) {
    if (assignChanged(FCaptionPosX, value)) changed();
}

void TScaleProps::SetCaptionPosY(int value) {
    if (assignChanged(FCaptionPosY, value)) changed();
}

void TScaleProps::SetCaptionAlignment(TAlignment value) {
    if (assignChanged(FCaptionAlignment, value)) changed();
}

void TScaleProps::SetCaptionAnchor(TScaleUnitAnchor value) {
    if (assignChanged(FCaptionAnchor, value)) changed();
}

void TScaleProps::SetColorScale(TColor value) {
    if (assignChanged(FColorScale, value)) changed();
}

void TScaleProps::SetScaleInscript(const QString& value) {
    if (assignChanged(FScaleInscript, value)) changed();
}

void TScaleProps::SetUserTickText(const QString& value) {
    if (assignChanged(FUserTickText, value)) changed();
}

void TScaleProps::SetScaleType(TScaleType value) {
    if (assignChanged(FScaleType, value)) changed();
}

TScalePropsHoriz::TScalePropsHoriz(QObject* parent) : TScaleProps(parent) {
    SetScaleType(sctXT);
}

TScaleLocationHoriz TScalePropsHoriz::ScaleLocation() const {
    return ScaleType() == sctXB ? slTop : slBottom;
}

void TScalePropsHoriz::SetScaleLocation(TScaleLocationHoriz value) {
    SetScaleType(value == slTop ? sctXB : sctXT);
}

TScalePropsVert::TScalePropsVert(QObject* parent) : TScaleProps(parent) {
    SetScaleType(sctYR);
}

TScaleLocationVert TScalePropsVert::ScaleLocation() const {
    return ScaleType() == sctYL ? slRight : slLeft;
}

void TScalePropsVert::SetScaleLocation(TScaleLocationVert value) {
    SetScaleType(value == slRight ? sctYL : sctYR);
}
