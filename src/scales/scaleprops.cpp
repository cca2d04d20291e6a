#include "scales/scaleprops.h"

#include "scales/rangeends.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kLogFloor = 1e-100;

} // namespace

TScaleProps::TScaleProps(QObject* parent)
    : QObject(parent), FFont(new TFont(this)), FDateFormat(new TDTLabel(this)) {
    FFont->SetOnChange([this] { Changed(); });
    FDateFormat->SetOnChange([this] { Changed(); });
}

void TScaleProps::Changed() {
    if (FOnChange) FOnChange(this);
}

template <typename T> void TScaleProps::update(T& field, const T& value) {
    if (field == value) return;
    field = value;
    Changed();
}

void TScaleProps::setRange(double low, double high) {
    if (low == FRangeLow && high == FRangeHigh) return;
    FRangeLow = low;
    FRangeHigh = high;
    Changed();
}

void TScaleProps::SetRangeLow(double x) {
    if (!std::isfinite(x)) return;
    if (std::fabs(FRangeHigh - x) < FMinRange)
        setRange(x, EndAbove(x, FMinRange));
    else if (!(FLogarithmic && x < kLogFloor))
        setRange(x, FRangeHigh);
}

void TScaleProps::SetRangeHigh(double x) {
    if (!std::isfinite(x)) return;
    if (std::fabs(FRangeLow - x) < FMinRange)
        setRange(EndBelow(x, FMinRange), x);
    else if (!(FLogarithmic && x < kLogFloor))
        setRange(FRangeLow, x);
}

void TScaleProps::SetMinRange(double x) {
    if (!(x > kLogFloor) || !std::isfinite(x)) return;
    const bool widen = std::fabs(FRangeHigh - FRangeLow) < x;
    if (x == FMinRange && !widen) return;
    FMinRange = x;
    if (widen) {
        const double middle = (FRangeLow + FRangeHigh) / 2;
        FRangeLow = middle - x / 2;
        FRangeHigh = middle + x / 2;
    }
    Changed();
}

void TScaleProps::SetLogarithmic(bool value) {
    const bool allowed = !value || FCreating ||
                         (FRangeLow >= kLogFloor && FRangeHigh >= kLogFloor && FLabelType != ftDateTime);
    if (allowed) update(FLogarithmic, value);
}

void TScaleProps::SetLabelType(TFigType value) {
    if (value == FLabelType) return;
    FLabelType = value;
    if (value == ftDateTime) FLogarithmic = false;
    if (value == ftTime) FDecPlaces = 4;
    Changed();
}

void TScaleProps::SetMinTicks(int value) {
    update(FMinTicks, value);
}

void TScaleProps::SetShortTicks(bool value) {
    update(FShortTicks, value);
}

void TScaleProps::SetDecPlaces(int value) {
    update(FDecPlaces, std::clamp(value, -3, 12));
}

void TScaleProps::SetVisible(bool value) {
    update(FVisible, value);
}

int TScaleProps::ScalePos() const {
    return isVerticalScale(FScaleType) ? FScalePosVert : FScalePosHoriz;
}

void TScaleProps::SetScalePos(int value) {
    update(isVerticalScale(FScaleType) ? FScalePosVert : FScalePosHoriz, value);
}

void TScaleProps::SetCaption(const QString& value) {
    update(FCaption, value);
}

void TScaleProps::SetCaptionPosX(int value) {
    update(FCaptionPosX, value);
}

void TScaleProps::SetCaptionPosY(int value) {
    update(FCaptionPosY, value);
}

void TScaleProps::SetCaptionAlignment(TAlignment value) {
    update(FCaptionAlignment, value);
}

void TScaleProps::SetCaptionAnchor(TScaleUnitAnchor value) {
    update(FCaptionAnchor, value);
}

void TScaleProps::SetColorScale(TColor value) {
    update(FColorScale, value);
}

void TScaleProps::SetScaleInscript(const QString& value) {
    update(FScaleInscript, value);
}

void TScaleProps::SetUserTickText(const QString& value) {
    update(FUserTickText, value);
}

void TScaleProps::SetScaleType(TScaleType value) {
    update(FScaleType, value);
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
