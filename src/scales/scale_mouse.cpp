// TScale's own mouse events besides the usual ones of TMouseControl: a click, and the context popup.
#include "scales/scale.h"

#include <QContextMenuEvent>
#include <QMouseEvent>

// A click is a left press released over the control.
void TScale::mouseReleaseEvent(QMouseEvent* event) {
    TMouseControl::mouseReleaseEvent(event);
    if (FOnClick && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        FOnClick(this);
}

void TScale::contextMenuEvent(QContextMenuEvent* event) {
    bool handled = false;
    if (FOnContextPopup) FOnContextPopup(this, event->pos(), handled);
    if (handled)
        event->accept();
    else
        TMouseControl::contextMenuEvent(event);
}
