#include "chart/rchart.h"

#include <QApplication>
#include <QMessageBox>

TCustomRChart::TCustomRChart(TComponentBase* owner, QWidget* parent) : TControl(owner, parent) {}

TCustomRChart::~TCustomRChart() {
    leaveOwner();
    // Charts that showed this list keep what they show, as lists of their own.
    for (TCustomRChart* sharer : FSharingCharts) {
        sharer->FUseDataOf = nullptr;
        sharer->FItems.SetList(sharer->Items().Detached());
    }
}

void TCustomRChart::SetTextAlignment(TAlignment value) {
    FItems.SetTextAlignment(value);
    RepaintIfAuto();
}

void TCustomRChart::SetSuppressPaint(bool value) {
    if (value == FSuppressPaint) return;
    FSuppressPaint = value;
    if (!value) Paint();
}

void TCustomRChart::RepaintIfAuto() {
    if (FAutoRedraw) Paint();
}

void TCustomRChart::Paint() {}

void TCustomRChart::ShowInfoMessage(const QString& text) {
    QMessageBox::information(this, QApplication::applicationName(), text, QMessageBox::Ok);
}

void TCustomRChart::showEvent(QShowEvent* event) {
    TControl::showEvent(event);
    // Nothing is painted before the chart has a window.
    if (!FWindowCreated) {
        FWindowCreated = true;
        SetSuppressPaint(false);
    }
}
