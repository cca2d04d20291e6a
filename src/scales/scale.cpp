// TScale: settings, transform, tick list and the redraw policy. Drawing itself is scale_paint.cpp.
#include "scales/scale.h"

#include "scales/rangeends.h"
#include "scales/scaleprops.h"

#include <QResizeEvent>
#include <QShowEvent>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kLogFloor = 1e-100;

} // namespace

TScale::TScale(TComponentBase* owner, QWidget* parent)
    : TMouseControl(owner, parent), FDateFormat(new TDTLabel(this)), FFont(new TFont(this)) {
    FDateFormat->SetOnChange([this] { Redraw(); });
    FFont->SetOnChange([this] { Redraw(); });
    PublishEvent(QStringLiteral("OnBeforeScaleRendered"), &FOnBeforeScaleRendered);
    PublishEvent(QStringLiteral("OnAfterScaleRendered"), &FOnAfterScaleRendered);
    PublishEvent(QStringLiteral("OnScaleTickDrawn"), &FOnScaleTickDrawn);
    PublishEvent(QStringLiteral("OnClick"), &FOnClick);
    PublishEvent(QStringLiteral("OnContextPopup"), &FOnContextPopup);
    SetBounds(Left(), Top(), 400, 400);
}

TScale::~TScale() = default;

template <typename T> void TScale::update(T& field, const T& value, bool transform) {
    if (field == value) return;
    field = value;
    if (transform) UpdateTransform();
    Redraw();
}

void TScale::setRange(double low, double high) {
    if (low == FRangeLow && high == FRangeHigh) return;
    FRangeLow = low;
    FRangeHigh = high;
    UpdateTransform();
    Redraw();
}

void TScale::SetRangeLow(double x) {
    if (std::isfinite(x)) setRange(x, x == FRangeHigh ? EndAbove(x, 1) : FRangeHigh);
}

void TScale::SetRangeHigh(double x) {
    if (std::isfinite(x)) setRange(x == FRangeLow ? EndAbove(x, 1) : FRangeLow, x);
}

void TScale::SetLogarithmic(bool value) {
    const bool allowed = !value || FCreating ||
                         (FRangeLow >= kLogFloor && FRangeHigh >= kLogFloor && FLabelType != ftDateTime);
    if (allowed) update(FLogarithmic, value, true);
}

void TScale::SetMinTicks(int value) {
    update(FMinTicks, value == 0 ? 0 : std::clamp(value, 2, 10), false);
}

void TScale::SetShortTicks(bool value) {
    update(FShortTicks, value, false);
}

void TScale::SetDecPlaces(int value) {
    update(FDecPlaces, std::clamp(value, -3, 12), true);
}

void TScale::SetLabelType(TFigType value) {
    if (value == FLabelType) return;
    FLabelType = value;
    if (value == ftDateTime) FLogarithmic = false;
    if (value == ftTime) FDecPlaces = 4;
    UpdateTransform();
    Redraw();
}

void TScale::SetScaleType(TScaleType value) {
    update(FScaleType, value, true);
}

void TScale::SetMarginTop(int value) {
    update(FAxis.marginTop, std::max(value, 0), true);
}

void TScale::SetMarginBottom(int value) {
    update(FAxis.marginBottom, std::max(value, 0), true);
}

void TScale::SetMarginLeft(int value) {
    update(FAxis.marginLeft, std::max(value, 0), true);
}

void TScale::SetMarginRight(int value) {
    update(FAxis.marginRight, std::max(value, 0), true);
}

void TScale::SetScaleInscript(const QString& value) {
    update(FScaleInscript, value, false);
}

void TScale::SetUserTickText(const QString& value) {
    update(FUserTickText, value, false);
}

void TScale::SetColorScale(TColor value) {
    update(FColorScale, value, false);
}

void TScale::SetColorBackGnd(TColor value) {
    update(FColorBackGnd, value, false);
}

void TScale::SetColorScheme(TColorScheme value) {
    update(FColorScheme, value, false);
}

void TScale::SetFrameStyle(TFrameStyle value) {
    update(FFrameStyle, value, false);
}

void TScale::SetTransparent(bool value) {
    update(FTransparent, value, false);
}

void TScale::SetShowBaseLine(bool value) {
    update(FShowBaseLine, value, false);
}

void TScale::SetCaption(const QString& value) {
    update(FCaption, value, false);
}

void TScale::SetCaptionPosX(int value) {
    update(FCaptionPosX, value, false);
}

void TScale::SetCaptionPosY(int value) {
    update(FCaptionPosY, value, false);
}

void TScale::SetCaptionAlignment(TAlignment value) {
    update(FCaptionAlignment, value, false);
}

void TScale::SetCaptionAnchor(TScaleUnitAnchor value) {
    update(FCaptionAnchor, value, false);
}

double TScale::GetTick(int index) const {
    if (index < 1 || index > NumTicks()) return 0;
    return FTicks[static_cast<std::size_t>(index - 1)];
}

void TScale::UpdateTransform() {
    if (IsLoading()) return;
    FAxis.width = Width();
    FAxis.height = Height();
    FAxis.vertical = isVerticalScale(FScaleType);
    FTransform.Update(FAxis, FRangeLow, FRangeHigh, FLogarithmic);
}

TickSettings TScale::CurrentTickSettings() const {
    TickSettings s;
    s.rangeLow = FRangeLow;
    s.rangeHigh = FRangeHigh;
    s.minTicks = FMinTicks;
    s.shortTicks = FShortTicks;
    s.decPlaces = FDecPlaces;
    s.labelType = FLabelType;
    s.logarithmic = FLogarithmic;
    s.vertical = isVerticalScale(FScaleType);
    s.userTickText = FUserTickText;
    s.scaleInscript = FScaleInscript;
    s.dateFormat = FDateFormat->Settings();
    return s;
}

void TScale::SetDrawTarget(TCanvas* canvas, int dx, int dy) {
    FDrawTarget = canvas;
    FTargetDx = dx;
    FTargetDy = dy;
}

void TScale::SetSuppressPaint(bool value) {
    if (value == FSuppressPaint) return;
    FSuppressPaint = value;
    if (!value) PaintAndShow(false);
}

void TScale::DrawNow() {
    PaintAndShow(true);
}

void TScale::SetEmbedded(bool value) {
    if (value == FEmbedded) return;
    FEmbedded = value;
    // An embedded scale lives on its owner's canvas, never as a window of its own.
    setVisible(Visible());
    Redraw();
}

void TScale::setVisible(bool visible) {
    QWidget::setVisible(visible && !FEmbedded);
}

void TScale::Assign(const TScale& source) {
    FRangeLow = source.FRangeLow;
    FRangeHigh = source.FRangeHigh;
    FLogarithmic = source.FLogarithmic;
    FMinTicks = source.FMinTicks;
    FShortTicks = source.FShortTicks;
    FDecPlaces = source.FDecPlaces;
    FLabelType = source.FLabelType;
    FScaleType = source.FScaleType;
    FAxis = source.FAxis;
    FScaleInscript = source.FScaleInscript;
    FUserTickText = source.FUserTickText;
    FColorScale = source.FColorScale;
    FColorBackGnd = source.FColorBackGnd;
    FColorScheme = source.FColorScheme;
    FFrameStyle = source.FFrameStyle;
    FTransparent = source.FTransparent;
    FShowBaseLine = source.FShowBaseLine;
    FCaption = source.FCaption;
    FCaptionPosX = source.FCaptionPosX;
    FCaptionPosY = source.FCaptionPosY;
    FCaptionAlignment = source.FCaptionAlignment;
    FCaptionAnchor = source.FCaptionAnchor;
    FTicks = source.FTicks;
    SetDrawTarget(source.FDrawTarget, source.FTargetDx, source.FTargetDy);
    FDateFormat->SetSettings(source.FDateFormat->Settings());
    FFont->Assign(*source.FFont);
    UpdateTransform();
    Redraw();
}

void TScale::ApplySettings(const TScaleProps& props) {
    SetScaleType(props.ScaleType());
    setRange(props.RangeLow(), props.RangeHigh());
    SetVisible(props.Visible());
    SetCaption(props.Caption());
    SetCaptionPosX(props.CaptionPosX());
    SetCaptionPosY(props.CaptionPosY());
    SetCaptionAlignment(props.CaptionAlignment());
    SetCaptionAnchor(props.CaptionAnchor());
    SetColorScale(props.ColorScale());
    // The label type first: its side effects on decimals and logarithmic mapping are overridden.
    SetLabelType(props.LabelType());
    SetDecPlaces(props.DecPlaces());
    SetLogarithmic(props.Logarithmic());
    SetShortTicks(props.ShortTicks());
    SetMinTicks(props.MinTicks());
    SetScaleInscript(props.ScaleInscript());
    SetUserTickText(props.UserTickText());
    FFont->Assign(*props.Font());
    FDateFormat->Assign(*props.DateFormat());
}

void TScale::Loaded() {
    TMouseControl::Loaded();
    FCreating = false;
    UpdateTransform();
    Redraw();
}

void TScale::SetBounds(int left, int top, int width, int height) {
    TMouseControl::SetBounds(left, top, width, height);
    UpdateTransform();
    Redraw();
}

void TScale::resizeEvent(QResizeEvent* event) {
    TMouseControl::resizeEvent(event);
    UpdateTransform();
}

void TScale::showEvent(QShowEvent* event) {
    TMouseControl::showEvent(event);
    // The window exists now: painting may begin.
    SetSuppressPaint(false);
}
