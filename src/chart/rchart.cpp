#include "chart/rchart_p.h"

#include <QApplication>
#include <QImage>
#include <QMessageBox>

#include <algorithm>

TCustomRChart::TCustomRChart(TComponentBase* owner, QWidget* parent)
    : TMouseControl(owner, parent), d(std::make_unique<Private>(*this)) {
    d->FLayers.Joint = new TJointLayers(this);
    // Pixel proportions come from an off-screen device, as for every drawing of the chart.
    const QImage aux(10, 10, QImage::Format_RGB32);
    d->FLayers.AspectX = aux.logicalDpiY();
    d->FLayers.AspectY = aux.logicalDpiX();
    d->createLayers();
    d->createParts();
    d->initMouse();
    SetBounds(Left(), Top(), 280, 200);
    d->applyLayout(standardLayout(d->FLayers.StandardLayout));
}

TCustomRChart::~TCustomRChart() {
    d->leaveOwner();
    // Charts that showed this list keep what they show, as lists of their own.
    for (TCustomRChart* sharer : d->FSharingCharts) {
        sharer->d->FUseDataOf = nullptr;
        sharer->d->FItems.setList(sharer->Items().detached());
    }
}

void TCustomRChart::Private::createParts() {
    FBackGroundImg = new TBakGndImg(&q);
    FBackGroundImg->SetOnChange([this] { q.RepaintIfAuto(); });
    for (int i = 0; i < CrossHairCount; ++i) {
        FCrossHairs[static_cast<std::size_t>(i)] = new TCrossHair(i + 1, &q);
        FCrossHairs[static_cast<std::size_t>(i)]->SetOnChange([this] { partsChanged(); });
    }
    for (TTextLabel*& label : FTextLabels) {
        label = new TTextLabel(&q);
        label->SetOnChange([this] { partsChanged(); });
    }
    FLayers.Joint->OnJoined = [this](JointAxis axis, int layer) { layerJoined(axis, layer); };
    FLayers.Joint->OnChange = [this] { q.RepaintIfAuto(); };
    q.PublishEvent(QStringLiteral("OnBeforeRenderData"), &FOnBeforeRenderData);
    q.PublishEvent(QStringLiteral("OnDataRendered"), &FOnDataRendered);
    q.PublishEvent(QStringLiteral("OnScalesRendered"), &FOnScalesRendered);
    q.PublishEvent(QStringLiteral("OnScaleTickDrawn"), &FOnScaleTickDrawn);
}

TBakGndImg* TCustomRChart::BackGroundImg() const {
    return d->FBackGroundImg;
}

TCrossHair* TCustomRChart::CrossHair(int number) const {
    return d->FCrossHairs[static_cast<std::size_t>(std::clamp(number, 1, CrossHairCount) - 1)];
}

TTextLabel* TCustomRChart::TextLabel(int number) const {
    return d->FTextLabels[static_cast<std::size_t>(std::clamp(number, 1, TextLabelCount) - 1)];
}

bool TCustomRChart::SuppressPaint() const {
    return d->FSuppressPaint;
}

void TCustomRChart::SetSuppressPaint(bool value) {
    if (assignChanged(d->FSuppressPaint, value) && !value) Paint();
}

bool TCustomRChart::AutoRedraw() const {
    return d->FAutoRedraw;
}

void TCustomRChart::SetAutoRedraw(bool value) {
    if (assignChanged(d->FAutoRedraw, value)) RepaintIfAuto();
}

void TCustomRChart::RepaintIfAuto() {
    d->FCache.lookChanged();
    if (d->FAutoRedraw) Paint();
}

void TCustomRChart::Private::partsChanged() {
    if (FAutoRedraw) q.Paint();
}

void TCustomRChart::ShowInfoMessage(const QString& text) {
    QMessageBox::information(this, QApplication::applicationName(), text, QMessageBox::Ok);
}

void TCustomRChart::showEvent(QShowEvent* event) {
    TMouseControl::showEvent(event);
    // Nothing is painted before the chart has a window.
    if (!d->FWindowCreated) {
        d->FWindowCreated = true;
        SetSuppressPaint(false);
    }
}

void TCustomRChart::changeEvent(QEvent* event) {
    TMouseControl::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange)
        d->FCache.lookChanged();
}

void TCustomRChart::FontChanged() {
    TMouseControl::FontChanged();
    RepaintIfAuto();
}
