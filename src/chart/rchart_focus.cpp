// The chart's keyboard focus cues: drawn over the last paint on the way to the screen, like the
// zoom rectangle, so that gaining or losing the focus costs no repaint of the chart.
#include "chart/rchart_p.h"

#include "chart/keptpixels.h"

#include "platform/graphics/canvas.h"

#include <QFocusEvent>

#include <optional>

using enum Graphics::TBrushStyle;
using enum Graphics::TPenMode;
using enum Graphics::TPenStyle;

namespace {

constexpr int kFocusRingRadius = 8; // around a point mark of the chart's usual size
constexpr int kFocusRingWidth = 2;

} // namespace

void TCustomRChart::SetFocusPoint(double x, double y) {
    d->FInput.FFocusPointX = x;
    d->FInput.FFocusPointY = y;
    d->FInput.FHasFocusPoint = true;
    if (hasFocus()) update();
}

void TCustomRChart::ClearFocusPoint() {
    d->FInput.FHasFocusPoint = false;
    if (hasFocus()) update();
}

bool TCustomRChart::HasFocusPoint() const {
    return d->FInput.FHasFocusPoint;
}

void TCustomRChart::focusInEvent(QFocusEvent* event) {
    TMouseControl::focusInEvent(event);
    switch (event->reason()) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
        d->FInput.FKeyboardFocus = true;
        break;
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
    case Qt::MenuBarFocusReason:
        break; // the focus comes back the way it first came
    default:
        d->FInput.FKeyboardFocus = false;
    }
    update();
}

void ChartInput::pressedWithFocus() {
    if (!FKeyboardFocus) return;
    FKeyboardFocus = false;
    FChart.update();
}

void TCustomRChart::focusOutEvent(QFocusEvent* event) {
    TMouseControl::focusOutEvent(event);
    update();
}

// The ring's box around the focus point, when there is one.
std::optional<TRect> ChartInput::focusRing() const {
    if (!FHasFocusPoint) return std::nullopt;
    const QPoint p = FChart.DataToPixel(FChart.CurrentLayer(), FFocusPointX, FFocusPointY);
    return Rect(p.x() - kFocusRingRadius, p.y() - kFocusRingRadius, p.x() + kFocusRingRadius + 1,
                p.y() + kFocusRingRadius + 1);
}

TRect ChartInput::focusFrame() const {
    return Rect(1, 1, FLayers.Geometry.Width - 1, FLayers.Geometry.Height - 1);
}

void ChartInput::drawFocusCues(TCanvas& canvas) const {
    canvas.Brush().Style = bsClear;
    if (FKeyboardFocus) {
        canvas.Pen() = TPen{clBlack, 1, psDot, pmCopy};
        canvas.Rectangle(focusFrame());
    }
    const std::optional<TRect> ring = focusRing();
    if (!ring) return;
    canvas.Pen() = TPen{clBlack, kFocusRingWidth, psSolid, pmCopy};
    canvas.Ellipse(*ring);
}

void ChartInput::addFocusCueAreas(std::vector<QRect>& areas) const {
    if (FKeyboardFocus) addOutlineEdges(areas, focusFrame());
    if (const std::optional<TRect> ring = focusRing())
        areas.push_back(
            ring->toQRect().adjusted(-kFocusRingWidth, -kFocusRingWidth, kFocusRingWidth, kFocusRingWidth));
}
