#include "platform/controls/mousecontrol.h"

#include <QMouseEvent>

namespace {

TShiftState shiftOf(const QMouseEvent& event) {
    return shiftStateOf(event.modifiers(), event.buttons());
}

} // namespace

TMouseControl::TMouseControl(TComponentBase* owner, QWidget* parent) : TControl(owner, parent) {
    PublishEvent(QStringLiteral("OnDblClick"), &FOnDblClick);
    PublishEvent(QStringLiteral("OnMouseMove"), &FOnMouseMove);
    PublishEvent(QStringLiteral("OnMouseDown"), &FOnMouseDown);
    PublishEvent(QStringLiteral("OnMouseUp"), &FOnMouseUp);
}

void TMouseControl::FireMouseDown(const QMouseEvent& event) {
    const QPoint p = event.position().toPoint();
    if (FOnMouseDown) FOnMouseDown(this, mouseButtonOf(event.button()), shiftOf(event), p.x(), p.y());
}

void TMouseControl::FireMouseMove(const QMouseEvent& event) {
    const QPoint p = event.position().toPoint();
    if (FOnMouseMove) FOnMouseMove(this, shiftOf(event), p.x(), p.y());
}

void TMouseControl::FireMouseUp(const QMouseEvent& event) {
    const QPoint p = event.position().toPoint();
    if (FOnMouseUp) FOnMouseUp(this, mouseButtonOf(event.button()), shiftOf(event), p.x(), p.y());
}

void TMouseControl::FireDblClick() {
    if (FOnDblClick) FOnDblClick(this);
}

void TMouseControl::mousePressEvent(QMouseEvent* event) {
    TControl::mousePressEvent(event);
    FireMouseDown(*event);
}

void TMouseControl::mouseMoveEvent(QMouseEvent* event) {
    TControl::mouseMoveEvent(event);
    FireMouseMove(*event);
}

void TMouseControl::mouseReleaseEvent(QMouseEvent* event) {
    TControl::mouseReleaseEvent(event);
    FireMouseUp(*event);
}

void TMouseControl::mouseDoubleClickEvent(QMouseEvent* event) {
    TControl::mouseDoubleClickEvent(event); // Qt passes this on as a press
    if (event->button() == Qt::LeftButton) FireDblClick();
}
