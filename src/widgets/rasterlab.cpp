#include "widgets/rasterlab.h"

#include "platform/graphics/assignchanged.h"

#include <QMouseEvent>

#include <algorithm>
#include <climits>
#include <cmath>

TRasterLab::TRasterLab(TComponentBase* owner, QWidget* parent)
    : TMouseControl(owner, parent), FGlyphs(sharedBuiltinGlyphTable()),
      FTimer(std::make_unique<QtIntervalTimer>()) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    FTimer->setOnTick([this] { ScrollTimerTick(); });
    PublishEvent(QStringLiteral("OnClick"), &FOnClick);
    PublishEvent(QStringLiteral("OnScrollTimer"), &FOnScrollTimer);
    PublishEvent(QStringLiteral("OnScrollLoopRestart"), &FOnScrollLoopRestart);
    SetBounds(Left(), Top(), 400, 68);
    FConstructed = true;
    Font()->SetName(QStringLiteral("default"));
    Font()->SetSize(8);
}

TRasterLab::~TRasterLab() {
    FTimer->stop();
}

void TRasterLab::SetAutoHeight(bool value) {
    if (!assignChanged(FAutoHeight, value)) return;
    if (FAutoHeight) AdjustHeight();
    Paint();
}

void TRasterLab::SetAutoCenter(bool value) {
    if (!assignChanged(FAutoCenter, value)) return;
    if (FAutoCenter)
        CenterText();
    else
        FPosX = 1;
    Paint();
}

void TRasterLab::SetColorLabBakG(TColor value) {
    if (assignChanged(FColorLabBakG, value)) Paint();
}

void TRasterLab::SetColorDotOn(TColor value) {
    if (assignChanged(FColorDotOn, value)) Paint();
}

void TRasterLab::SetColorDotOff(TColor value) {
    if (assignChanged(FColorDotOff, value)) Paint();
}

void TRasterLab::SetFrameStyle(TFrameStyle value) {
    if (assignChanged(FFrameStyle, value)) Paint();
}

void TRasterLab::SetCharBlockMode(TRDBlockMode value) {
    if (assignChanged(FCharBlockMode, value)) Paint();
}

void TRasterLab::SetProportional(bool value) {
    if (assignChanged(FProportional, value)) Paint();
}

void TRasterLab::SetPosX(int value) {
    if (assignChanged(FPosX, value)) Paint();
}

void TRasterLab::SetPosY(int value) {
    if (assignChanged(FPosY, value)) Paint();
}

void TRasterLab::SetText(const QString& value) {
    if (!assignChanged(FText, value)) return;
    if (FAutoCenter) CenterText();
    Paint();
}

void TRasterLab::SetColorScheme(TColorScheme value) {
    if (assignChanged(FColorScheme, value)) Paint();
}

void TRasterLab::SetDotSize(int value) {
    if (assignChanged(FDotSize, std::clamp(value, 1, 32))) dotMetricsChanged();
}

void TRasterLab::SetDotSpacing(int value) {
    if (assignChanged(FDotSpacing, std::clamp(value, 0, 3))) dotMetricsChanged();
}

void TRasterLab::dotMetricsChanged() {
    if (FAutoHeight) AdjustHeight();
    if (FAutoCenter) CenterText();
    Paint();
}

void TRasterLab::ZoomChanged() {
    dotMetricsChanged();
}

void TRasterLab::FontChanged() {
    TMouseControl::FontChanged();
    if (!FConstructed) return;
    BuildGlyphTable();
    dotMetricsChanged();
}

void TRasterLab::BuildGlyphTable() {
    FGlyphs = glyphTableFor(Font());
}

void TRasterLab::AdjustHeight() {
    SetHeight(
        static_cast<int>(std::lround(fittedHeight(FFrameStyle, dotPitch(), FGlyphs->CharHeight) * Zoom())));
}

int TRasterLab::TextWidthPixels() const {
    const long long width = dotTextWidth(*FGlyphs, codes(), dotPitch(), FProportional);
    return static_cast<int>(std::min<long long>(width + 1, INT_MAX));
}

void TRasterLab::CenterText() {
    FPosX = centredPosX(PictureSize().width(), dotTextWidth(*FGlyphs, codes(), dotPitch(), FProportional),
                        FFrameStyle);
}

bool TRasterLab::Assign(const QObject* source) {
    const auto* other = qobject_cast<const TRasterLab*>(source);
    if (!other) return false;
    FFrameStyle = other->FFrameStyle;
    FText = other->FText;
    FColorLabBakG = other->FColorLabBakG;
    FColorDotOn = other->FColorDotOn;
    FColorScheme = other->FColorScheme;
    Paint();
    return true;
}

bool TRasterLab::AssignTo(QObject* dest) const {
    auto* other = qobject_cast<TRasterLab*>(dest);
    return other && other->Assign(this);
}

// A click is a left press released over the label.
void TRasterLab::mouseReleaseEvent(QMouseEvent* event) {
    TMouseControl::mouseReleaseEvent(event);
    if (FOnClick && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        FOnClick(this);
}
