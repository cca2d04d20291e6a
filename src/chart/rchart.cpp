#include "chart/rchart.h"

#include <QApplication>
#include <QImage>
#include <QMessageBox>

#include <algorithm>

TCustomRChart::TCustomRChart(TComponentBase* owner, QWidget* parent)
    : TMouseControl(owner, parent), FJointLayers(new TJointLayers(this)) {
    // Pixel proportions come from an off-screen device, as for every drawing of the chart.
    const QImage aux(10, 10, QImage::Format_RGB32);
    FAspectX = aux.logicalDpiY();
    FAspectY = aux.logicalDpiX();
    createLayers();
    createParts();
    initMouse();
    SetBounds(Left(), Top(), 280, 200);
    applyLayout(standardLayout(FStandardLayout));
}

TCustomRChart::~TCustomRChart() {
    leaveOwner();
    // Charts that showed this list keep what they show, as lists of their own.
    for (TCustomRChart* sharer : FSharingCharts) {
        sharer->FUseDataOf = nullptr;
        sharer->FItems.SetList(sharer->Items().Detached());
    }
}

void TCustomRChart::createParts() {
    FBackGroundImg = new TBakGndImg(this);
    FBackGroundImg->SetOnChange([this] { RepaintIfAuto(); });
    for (int i = 0; i < CrossHairCount; ++i) {
        FCrossHairs[static_cast<std::size_t>(i)] = new TCrossHair(i + 1, this);
        FCrossHairs[static_cast<std::size_t>(i)]->SetOnChange([this] { partsChanged(); });
    }
    for (TTextLabel*& label : FTextLabels) {
        label = new TTextLabel(this);
        label->SetOnChange([this] { partsChanged(); });
    }
    FJointLayers->OnJoined = [this](JointAxis axis, int layer) { layerJoined(axis, layer); };
    FJointLayers->OnChange = [this] { RepaintIfAuto(); };
    PublishEvent(QStringLiteral("OnBeforeRenderData"), &FOnBeforeRenderData);
    PublishEvent(QStringLiteral("OnDataRendered"), &FOnDataRendered);
    PublishEvent(QStringLiteral("OnScalesRendered"), &FOnScalesRendered);
    PublishEvent(QStringLiteral("OnScaleTickDrawn"), &FOnScaleTickDrawn);
}

TCrossHair* TCustomRChart::CrossHair(int number) const {
    return FCrossHairs[static_cast<std::size_t>(std::clamp(number, 1, CrossHairCount) - 1)];
}

TTextLabel* TCustomRChart::TextLabel(int number) const {
    return FTextLabels[static_cast<std::size_t>(std::clamp(number, 1, TextLabelCount) - 1)];
}

void TCustomRChart::SetTextAlignment(TAlignment value) {
    if (value == TextAlignment()) return;
    FItems.SetTextAlignment(value);
    RepaintIfAuto();
}

void TCustomRChart::SetSuppressPaint(bool value) {
    if (assignChanged(FSuppressPaint, value) && !value) Paint();
}

void TCustomRChart::RepaintIfAuto() {
    lookChanged();
    if (FAutoRedraw) Paint();
}

void TCustomRChart::partsChanged() {
    if (FAutoRedraw) Paint();
}

void TCustomRChart::ShowInfoMessage(const QString& text) {
    QMessageBox::information(this, QApplication::applicationName(), text, QMessageBox::Ok);
}

void TCustomRChart::showEvent(QShowEvent* event) {
    TMouseControl::showEvent(event);
    // Nothing is painted before the chart has a window.
    if (!FWindowCreated) {
        FWindowCreated = true;
        SetSuppressPaint(false);
    }
}

void TCustomRChart::changeEvent(QEvent* event) {
    TMouseControl::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange)
        lookChanged();
}

void TCustomRChart::FontChanged() {
    TMouseControl::FontChanged();
    RepaintIfAuto();
}
