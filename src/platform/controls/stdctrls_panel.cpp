#include "platform/controls/stdctrls.h"

#include "platform/graphics/assignchanged.h"

#include <QPainter>
#include <qdrawutil.h>

using enum StdCtrls::TBevelCut;

namespace {

// Draws one bevel on the edge of r and moves r inside it.
void drawBevel(QPainter& painter, QRect& r, TBevelCut cut, int width, const QPalette& palette) {
    if (cut == bvNone) return;
    if (cut != bvSpace) qDrawShadePanel(&painter, r, palette, cut == bvLowered, width, nullptr);
    r.adjust(width, width, -width, -width);
}

int bevelExtent(TBevelCut cut, int width) {
    return cut == bvNone ? 0 : width;
}

} // namespace

TPanel::TPanel(TComponentBase* owner, QWidget* parent) : TControl(owner, parent) {
    setAutoFillBackground(true);
}

void TPanel::SetCaption(const QString& value) {
    if (assignChanged(FCaption, value)) update();
}

void TPanel::SetBevelOuter(TBevelCut value) {
    FBevelOuter = value;
    bevelsChanged();
}

void TPanel::SetBevelInner(TBevelCut value) {
    FBevelInner = value;
    bevelsChanged();
}

void TPanel::SetBevelWidth(int value) {
    FBevelWidth = std::max(value, 1);
    bevelsChanged();
}

void TPanel::bevelsChanged() {
    AlignControls();
    update();
}

QRect TPanel::AlignRect() const {
    const int inset = bevelExtent(FBevelOuter, FBevelWidth) + bevelExtent(FBevelInner, FBevelWidth);
    return rect().adjusted(inset, inset, -inset, -inset);
}

void TPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QRect r = rect();
    drawBevel(painter, r, FBevelOuter, FBevelWidth, palette());
    drawBevel(painter, r, FBevelInner, FBevelWidth, palette());
    if (!FCaption.isEmpty()) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(r, Qt::AlignCenter, FCaption);
    }
}
