// TScale: settings, transform, tick list and the redraw policy. Drawing itself is scale_paint.cpp.
#include "scales/scale.h"

#include "platform/graphics/assignchanged.h"
#include "scales/scaleprops.h"

#include <QResizeEvent>
#include <QShowEvent>

#include <algorithm>
#include <cmath>

TScale::TScale(TComponentBase* owner, QWidget* parent)
    : TMouseControl(owner, parent), FDateFormat(new TDTLabel(this)), FFont(new TFont(this)) {
    FDateFormat->SetOnChange([this] { redraw(); });
    FFont->SetOnChange([this] { redraw(); });
    PublishEvent(QStringLiteral("OnBeforeScaleRendered"), &FOnBeforeScaleRendered);
    PublishEvent(QStringLiteral("OnAfterScaleRendered"), &FOnAfterScaleRendered);
    PublishEvent(QStringLiteral("OnScaleTickDrawn"), &FOnScaleTickDrawn);
    PublishEvent(QStringLiteral("OnClick"), &FOnClick);
    PublishEvent(QStringLiteral("OnContextPopup"), &FOnContextPopup);
    SetBounds(Left(), Top(), 400, 400);
}

TScale::~TScale() = default;

void TScale::updateTransformAndRedraw() {
    UpdateTransform();
    redraw();
}

void TScale::setRange(double low, double high) {
    if (FSettings.setRange(low, high)) updateTransformAndRedraw();
}

void TScale::SetRangeLow(double x) {
    if (std::isfinite(x)) setRange(x, x == RangeHigh() ? endAbove(x, 1) : RangeHigh());
}

void TScale::SetRangeHigh(double x) {
    if (std::isfinite(x)) setRange(x == RangeLow() ? endAbove(x, 1) : RangeLow(), x);
}

void TScale::SetLogarithmic(bool value) {
    if (FSettings.setLogarithmic(value, FCreating)) updateTransformAndRedraw();
}

void TScale::SetMinTicks(int value) {
    if (assignChanged(FMinTicks, value == 0 ? 0 : std::clamp(value, 2, 10))) redraw();
}

void TScale::SetShortTicks(bool value) {
    if (assignChanged(FShortTicks, value)) redraw();
}

void TScale::SetDecPlaces(int value) {
    if (FSettings.setDecPlaces(value)) updateTransformAndRedraw();
}

void TScale::SetLabelType(TFigType value) {
    if (FSettings.setLabelType(value)) updateTransformAndRedraw();
}

void TScale::SetScaleType(TScaleType value) {
    if (assignChanged(FScaleType, value)) updateTransformAndRedraw();
}

void TScale::SetMarginTop(int value) {
    if (assignChanged(FAxis.MarginTop, std::max(value, 0))) updateTransformAndRedraw();
}

void TScale::SetMarginBottom(int value) {
    if (assignChanged(FAxis.MarginBottom, std::max(value, 0))) updateTransformAndRedraw();
}

void TScale::SetMarginLeft(int value) {
    if (assignChanged(FAxis.MarginLeft, std::max(value, 0))) updateTransformAndRedraw();
}

void TScale::SetMarginRight(int value) {
    if (assignChanged(FAxis.MarginRight, std::max(value, 0))) updateTransformAndRedraw();
}

void TScale::SetScaleInscript(const QString& value) {
    if (assignChanged(FScaleInscript, value)) redraw();
}

void TScale::SetUserTickText(const QString& value) {
    if (assignChanged(FUserTickText, value)) redraw();
}

void TScale::SetColorScale(TColor value) {
    if (assignChanged(FColorScale, value)) redraw();
}

void TScale::SetColorBackGnd(TColor value) {
    if (assignChanged(FColorBackGnd, value)) redraw();
}

void TScale::SetColorScheme(TColorScheme value) {
    if (assignChanged(FColorScheme, value)) redraw();
}

void TScale::SetFrameStyle(TFrameStyle value) {
    if (assignChanged(FFrameStyle, value)) redraw();
}

void TScale::SetTransparent(bool value) {
    if (assignChanged(FTransparent, value)) redraw();
}

void TScale::SetShowBaseLine(bool value) {
    if (assignChanged(FShowBaseLine, value)) redraw();
}

void TScale::SetCaption(const QString& value) {
    if (assignChanged(FCaption, value)) redraw();
}

void TScale::SetCaptionPosX(int value) {
    if (assignChanged(FCaptionPosX, value)) redraw();
}

void TScale::SetCaptionPosY(int value) {
    if (assignChanged(FCaptionPosY, value)) redraw();
}

void TScale::SetCaptionAlignment(TAlignment value) {
    if (assignChanged(FCaptionAlignment, value)) redraw();
}

void TScale::SetCaptionAnchor(TScaleUnitAnchor value) {
    if (assignChanged(FCaptionAnchor, value)) redraw();
}

double TScale::GetTick(int index) const {
    if (index < 1 || index > NumTicks()) return 0;
    return FTicks[static_cast<std::size_t>(index - 1)];
}

void TScale::UpdateTransform() {
    if (IsLoading()) return;
    FAxis.Width = Width();
    FAxis.Height = Height();
    FAxis.Vertical = isVerticalScale(FScaleType);
    FTransform.update(FAxis, RangeLow(), RangeHigh(), Logarithmic());
}

TickSettings TScale::currentTickSettings() const {
    TickSettings s;
    s.RangeLow = RangeLow();
    s.RangeHigh = RangeHigh();
    s.MinTicks = FMinTicks;
    s.ShortTicks = FShortTicks;
    s.DecPlaces = DecPlaces();
    s.LabelType = LabelType();
    s.Logarithmic = Logarithmic();
    s.Vertical = isVerticalScale(FScaleType);
    s.UserTickText = FUserTickText;
    s.ScaleInscript = FScaleInscript;
    s.DateFormat = FDateFormat->Settings();
    return s;
}

void TScale::SetDrawTarget(TCanvas* canvas, int dx, int dy) {
    FDrawTarget = canvas;
    FTargetDx = dx;
    FTargetDy = dy;
}

void TScale::SetSuppressPaint(bool value) {
    if (assignChanged(FSuppressPaint, value) && !value) paintAndShow(false);
}

void TScale::DrawNow() {
    paintAndShow(true);
}

void TScale::SetEmbedded(bool value) {
    if (!assignChanged(FEmbedded, value)) return;
    // An embedded scale lives on its owner's canvas, never as a window of its own.
    setVisible(Visible());
    redraw();
}

void TScale::setVisible(bool visible) {
    QWidget::setVisible(visible && !FEmbedded);
}

void TScale::Assign(const TScale& source) {
    FSettings = source.FSettings;
    FMinTicks = source.FMinTicks;
    FShortTicks = source.FShortTicks;
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
    updateTransformAndRedraw();
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
    updateTransformAndRedraw();
}

void TScale::SetBounds(int left, int top, int width, int height) {
    TMouseControl::SetBounds(left, top, width, height);
    updateTransformAndRedraw();
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
