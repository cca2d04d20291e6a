// TScale mouse events: what a stand-alone scale reports to the form, in control pixels.
#include "scales/scale.h"

#include <QContextMenuEvent>
#include <QMouseEvent>

namespace {

TShiftState shiftOf(const QMouseEvent& event) {
    return shiftStateOf(event.modifiers(), event.buttons());
}

} // namespace

void TScale::mousePressEvent(QMouseEvent* event) {
    TControl::mousePressEvent(event);
    const QPoint p = event->position().toPoint();
    if (FOnMouseDown) FOnMouseDown(this, mouseButtonOf(event->button()), shiftOf(*event), p.x(), p.y());
}

void TScale::mouseMoveEvent(QMouseEvent* event) {
    TControl::mouseMoveEvent(event);
    const QPoint p = event->position().toPoint();
    if (FOnMouseMove) FOnMouseMove(this, shiftOf(*event), p.x(), p.y());
}

void TScale::mouseReleaseEvent(QMouseEvent* event) {
    TControl::mouseReleaseEvent(event);
    const QPoint p = event->position().toPoint();
    if (FOnMouseUp) FOnMouseUp(this, mouseButtonOf(event->button()), shiftOf(*event), p.x(), p.y());
    // A click is a left press released over the control.
    if (FOnClick && event->button() == Qt::LeftButton && rect().contains(p)) FOnClick(this);
}

void TScale::mouseDoubleClickEvent(QMouseEvent* event) {
    TControl::mouseDoubleClickEvent(event);
    if (FOnDblClick && event->button() == Qt::LeftButton) FOnDblClick(this);
}

void TScale::contextMenuEvent(QContextMenuEvent* event) {
    bool handled = false;
    if (FOnContextPopup) FOnContextPopup(this, event->pos(), handled);
    if (handled)
        event->accept();
    else
        TControl::contextMenuEvent(event);
}
