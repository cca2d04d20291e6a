// The chart's mouse: the pointer reported in data units, the cursor over the chart, and the drag
// actions chosen by MouseAction (panning, zoom windows, rubber band, zoom drag, dragging crosshairs
// and text labels). The zoom rectangle is an outline inverted over the last paint, so taking it away
// never needs a repaint and a repaint never leaves a stale one behind.
#include "chart/rchart_p.h"

#include "chart/chartcursors.h"
#include "chart/keptpixels.h"
#include "platform/graphics/canvas.h"

#include <QEnterEvent>
#include <QKeyEvent>
#include <QMouseEvent>

using enum Graphics::TBrushStyle;
using enum Graphics::TPenMode;
using enum Graphics::TPenStyle;
using enum TShiftStateFlag;
using enum VrxBase::TMouseActMode;

namespace {

bool isPanMode(TMouseActMode action) {
    return action == maPan || action == maPanHoriz || action == maPanVert;
}

// Keys the chart asks for when it has the focus, rather than letting them move the focus.
bool isNavigationKey(int key) {
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return true;
    default:
        return false;
    }
}

TShiftState shiftOf(const QInputEvent* event, Qt::MouseButtons buttons) {
    return shiftStateOf(event->modifiers(), buttons);
}

} // namespace

void TCustomRChart::Private::initMouse() {
    // Moves are reported with and without a button held.
    q.setMouseTracking(true);
    q.PublishEvent(QStringLiteral("OnMouseMoveInChart"), &FInput.FOnMouseMoveInChart);
    q.PublishEvent(QStringLiteral("OnMouseEnter"), &FInput.FOnMouseEnter);
    q.PublishEvent(QStringLiteral("OnMouseLeave"), &FInput.FOnMouseLeave);
    q.PublishEvent(QStringLiteral("OnZoomPan"), &FInput.FOnZoomPan);
    q.PublishEvent(QStringLiteral("OnRubberBand"), &FInput.FOnRubberBand);
    q.PublishEvent(QStringLiteral("OnCrossHairMove"), &FInput.FOnCrossHairMove);
    q.PublishEvent(QStringLiteral("OnTextLabelMove"), &FInput.FOnTextLabelMove);
    q.PublishEvent(QStringLiteral("OnKeyDown"), &FInput.FOnKeyDown);
}

// ---- Properties

TMouseActMode TCustomRChart::MouseAction() const {
    return d->FInput.FMouseAction;
}

void TCustomRChart::SetMouseAction(TMouseActMode value) {
    if (assignChanged(d->FInput.FMouseAction, value)) d->FInput.endDrag();
}

bool TCustomRChart::MouseCursorFixed() const {
    return d->FInput.FMouseCursorFixed;
}

void TCustomRChart::SetMouseCursorFixed(bool value) {
    d->FInput.FMouseCursorFixed = value;
}

bool TCustomRChart::MouseAffectsLayer(int layer) const {
    return isLayer(layer) && d->FInput.FMouseAffected[layerSlot(layer)];
}

void TCustomRChart::SetMouseAffectsLayer(int layer, bool value) {
    if (isLayer(layer)) d->FInput.FMouseAffected[layerSlot(layer)] = value;
}

DataArea ChartInput::mouseArea() const {
    return {FLayers.Geometry.MarginLeft, FLayers.Geometry.MarginTop, FLayers.Geometry.dataRight(),
            FLayers.Geometry.dataBottom()};
}

bool ChartInput::isRectangleMode() const {
    return FMouseAction == maZoomWind || FMouseAction == maZoomWindPos || FMouseAction == maRubberBand;
}

QImage TCustomRChart::ScreenImage() const {
    QImage screen;
    d->showScreen([&](const QImage& shown) { screen = shown.copy(); });
    return screen;
}

std::vector<QRect> ChartInput::overlayAreas() const {
    std::vector<QRect> areas;
    if (FDrag.OutlineShown) addOutlineEdges(areas, outlineRect(FDrag.Start, FDrag.Corner));
    if (FChart.hasFocus()) addFocusCueAreas(areas);
    return areas;
}

void ChartInput::drawOverlays(TCanvas& canvas) const {
    if (FDrag.OutlineShown) {
        canvas.Pen() = TPen{clWhite, 1, psSolid, pmXor};
        canvas.Brush().Style = bsClear;
        canvas.Rectangle(outlineRect(FDrag.Start, FDrag.Corner));
    }
    if (FChart.hasFocus()) drawFocusCues(canvas);
}

// The overlays go right onto the frame and come off again once shown: no copy of the whole picture
// is made for them.
void TCustomRChart::Private::showScreen(const std::function<void(const QImage&)>& show) {
    TBitmap& frame = FCache.frame();
    const std::vector<QRect> areas = FInput.overlayAreas();
    if (areas.empty()) {
        show(frame.Image());
        return;
    }
    KeptPixels under;
    under.keep(frame.Image(), frame.Scale(), areas, frame.Image().rect());
    TCanvas& canvas = frame.Canvas();
    const TPen pen = canvas.Pen();
    const TBrush brush = canvas.Brush();
    FInput.drawOverlays(canvas);
    canvas.Pen() = pen;
    canvas.Brush() = brush;
    show(frame.Image());
    QImage pixels = frame.View(QRect(0, 0, frame.Width(), frame.Height()));
    under.putBack(pixels, QPoint(0, 0));
}

// ---- Events

void TCustomRChart::SetOnMouseMoveInChart(TMouseMoveInChartEvent handler) {
    d->FInput.FOnMouseMoveInChart = std::move(handler);
}
void TCustomRChart::SetOnMouseEnter(TNotifyEvent handler) {
    d->FInput.FOnMouseEnter = std::move(handler);
}
void TCustomRChart::SetOnMouseLeave(TNotifyEvent handler) {
    d->FInput.FOnMouseLeave = std::move(handler);
}
void TCustomRChart::SetOnZoomPan(TNotifyEvent handler) {
    d->FInput.FOnZoomPan = std::move(handler);
}
void TCustomRChart::SetOnRubberBand(TRubberBandEvent handler) {
    d->FInput.FOnRubberBand = std::move(handler);
}
void TCustomRChart::SetOnCrossHairMove(TCrossHairMoveEvent handler) {
    d->FInput.FOnCrossHairMove = std::move(handler);
}
void TCustomRChart::SetOnTextLabelMove(TTextLabelMoveEvent handler) {
    d->FInput.FOnTextLabelMove = std::move(handler);
}
void TCustomRChart::SetOnKeyDown(TKeyEvent handler) {
    d->FInput.FOnKeyDown = std::move(handler);
}

// ---- Platform events

void TCustomRChart::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pointer = PicturePoint(event->position());
    const TShiftState shift = shiftOf(event, event->buttons());
    FireMouseMove(*event);
    d->FInput.runDragAction(pointer, shift);
    d->FInput.updateCursor(pointer);
    d->FInput.fireMouseMoveInChart(pointer, shift);
}

// The platform has given the chart the focus before the press arrives, where its focus policy
// lets a click take it.
void TCustomRChart::mousePressEvent(QMouseEvent* event) {
    const QPoint pointer = PicturePoint(event->position());
    if (hasFocus()) d->FInput.pressedWithFocus();
    FireMouseDown(*event);
    if (event->button() == Qt::LeftButton && d->FInput.isRectangleMode() &&
        d->FInput.mouseArea().contains(pointer))
        d->FInput.beginDrag(pointer);
}

void TCustomRChart::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint pointer = PicturePoint(event->position());
    FireMouseUp(*event);
    if (d->FInput.isRectangleMode() && d->FInput.FDrag.Active)
        d->FInput.releaseRectangle(pointer, event->button());
    else if (event->button() == Qt::LeftButton)
        d->FInput.endDrag();
}

// The platform reports the second press of a double click as this event alone: unlike the base
// class, the chart does not pass it on as a press, so it fires no OnMouseDown and starts no drag.
void TCustomRChart::mouseDoubleClickEvent(QMouseEvent*) {
    FireDblClick();
}

void TCustomRChart::enterEvent(QEnterEvent* event) {
    TMouseControl::enterEvent(event);
    if (d->FInput.FOnMouseEnter) d->FInput.FOnMouseEnter(this);
}

void TCustomRChart::leaveEvent(QEvent* event) {
    TMouseControl::leaveEvent(event);
    if (d->FInput.FOnMouseLeave) d->FInput.FOnMouseLeave(this);
}

bool TCustomRChart::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (isNavigationKey(key->key())) {
            keyPressEvent(key);
            return true;
        }
    }
    return TMouseControl::event(event);
}

void TCustomRChart::keyPressEvent(QKeyEvent* event) {
    int key = event->key();
    if (d->FInput.FOnKeyDown) d->FInput.FOnKeyDown(this, key, shiftOf(event, Qt::NoButton));
    if (key == 0 || isNavigationKey(event->key()))
        event->accept();
    else
        TMouseControl::keyPressEvent(event);
}

// ---- Mouse move steps

void ChartInput::runDragAction(QPoint pointer, TShiftState shift) {
    if (isRectangleMode()) {
        if (FDrag.Active) moveOutline(pointer);
        return;
    }
    if (!shift.testFlag(ssLeft)) {
        endDrag();
        return;
    }
    if (isPanMode(FMouseAction) || FMouseAction == maZoomDrag) {
        if (!mouseArea().contains(pointer)) return;
        if (!FDrag.Active)
            beginDrag(pointer);
        else if (FMouseAction == maZoomDrag)
            zoomDragTo(pointer);
        else
            panTo(pointer);
    } else if (FMouseAction == maDragCrossH) {
        if (FDrag.Active)
            dragCrossHairTo(pointer);
        else
            pickCrossHair(pointer);
    } else if (FMouseAction == maDragLabel) {
        if (FDrag.Active)
            dragTextLabelTo(pointer);
        else
            pickTextLabel(pointer);
    }
}

void ChartInput::updateCursor(QPoint pointer) {
    const std::optional<QCursor> cursor =
        cursorForMouseAction(FMouseAction, mouseArea().contains(pointer), FMouseCursorFixed);
    if (cursor) FChart.setCursor(*cursor);
}

void ChartInput::fireMouseMoveInChart(QPoint pointer, TShiftState shift) {
    if (!FOnMouseMoveInChart) return;
    double x = 0;
    double y = 0;
    FChart.PixelToData(FChart.CurrentLayer(), pointer.x(), pointer.y(), x, y);
    FOnMouseMoveInChart(&FChart, mouseArea().contains(pointer), shift, x, y);
}

// ---- Drags

void ChartInput::beginDrag(QPoint pointer) {
    FDrag.Active = true;
    FDrag.Start = pointer;
    FDrag.Corner = pointer;
    FDrag.OutlineShown = false;
    for (int n = 1; n <= kLayerCount; ++n)
        FDrag.StartRanges[layerSlot(n)] = {ChartLayers::rangeOf(*FChart.ScaleX(n)),
                                           ChartLayers::rangeOf(*FChart.ScaleY(n))};
}

void ChartInput::endDrag() {
    if (FDrag.OutlineShown) FChart.update();
    FDrag.Active = false;
    FDrag.OutlineShown = false;
}

template <typename F> void ChartInput::changeQuietly(F change) {
    const bool previous = FSuppressPaint;
    FSuppressPaint = true;
    change();
    FSuppressPaint = previous;
}

void ChartInput::zoomPanDone() {
    if (FOnZoomPan) FOnZoomPan(&FChart);
    FChart.Paint();
}

template <typename F> void ChartInput::changeAffectedLayers(F change) {
    changeQuietly([&] {
        for (int n = 1; n <= kLayerCount; ++n)
            if (FChart.MouseAffectsLayer(n)) change(n);
    });
    zoomPanDone();
}

void ChartInput::changeStartRanges(RangeChange change, double fx, double fy) {
    changeAffectedLayers([&](int n) {
        const LayerRanges& start = FDrag.StartRanges[layerSlot(n)];
        const AxisRange x = change(start.X, fx);
        const AxisRange y = change(start.Y, fy);
        FChart.SetRanges(n, x.Low, x.High, y.Low, y.High);
    });
}

void ChartInput::panTo(QPoint pointer) {
    const DataArea area = mouseArea();
    const double fx =
        FMouseAction == maPanVert ? 0 : panFractionX(FDrag.Start.x(), pointer.x(), area.width());
    const double fy =
        FMouseAction == maPanHoriz ? 0 : panFractionY(FDrag.Start.y(), pointer.y(), area.height());
    changeStartRanges(pannedRange, fx, fy);
}

void ChartInput::zoomDragTo(QPoint pointer) {
    const double fx = zoomDragFactorX(FDrag.Start.x(), pointer.x(), FLayers.Geometry.Width);
    const double fy =
        FLayers.Isometric ? fx : zoomDragFactorY(FDrag.Start.y(), pointer.y(), FLayers.Geometry.Height);
    changeStartRanges(scaledAboutCentre, fx, fy);
}

void ChartInput::pickCrossHair(QPoint pointer) {
    beginDrag(pointer);
    std::array<CrossHairTarget, TCustomRChart::CrossHairCount> targets;
    for (std::size_t i = 0; i < targets.size(); ++i) {
        const TCrossHair& c = *FChart.CrossHair(static_cast<int>(i) + 1);
        targets[i] = {FChart.DataToPixel(c.Layer(), c.PosX(), c.PosY()), c.ShowsVertical(),
                      c.ShowsHorizontal()};
    }
    FDrag.Target = nearestCrossHair(targets, pointer);
}

void ChartInput::pickTextLabel(QPoint pointer) {
    beginDrag(pointer);
    std::array<std::optional<QPoint>, TCustomRChart::TextLabelCount> shown;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const TTextLabel& label = *FChart.TextLabel(static_cast<int>(i) + 1);
        if (label.Shown()) shown[i] = FChart.DataToPixel(label.Layer(), label.PosX(), label.PosY());
    }
    FDrag.Target = nearestPoint(shown, pointer);
}

void ChartInput::placeAtPointer(PinnedPart& part, QPoint pointer) {
    double x = 0;
    double y = 0;
    FChart.PixelToData(part.Layer(), pointer.x(), pointer.y(), x, y);
    changeQuietly([&] {
        part.SetPosX(x);
        part.SetPosY(y);
    });
    FChart.Paint();
}

void ChartInput::dragCrossHairTo(QPoint pointer) {
    TCrossHair* c = FChart.CrossHair(FDrag.Target);
    placeAtPointer(*c, pointer);
    if (FOnCrossHairMove) FOnCrossHairMove(&FChart, c);
}

void ChartInput::dragTextLabelTo(QPoint pointer) {
    TTextLabel* label = FChart.TextLabel(FDrag.Target);
    placeAtPointer(*label, pointer);
    if (FOnTextLabelMove) FOnTextLabelMove(&FChart, label);
}

// ---- Zoom rectangle

QPoint ChartInput::rectangleCorner(QPoint pointer) const {
    const QPoint corner = mouseArea().clamped(pointer);
    return FLayers.Isometric ? squareCorner(FDrag.Start, corner) : corner;
}

void ChartInput::moveOutline(QPoint pointer) {
    FDrag.Corner = rectangleCorner(pointer);
    FDrag.OutlineShown = true;
    FChart.update();
}

void ChartInput::releaseRectangle(QPoint pointer, Qt::MouseButton button) {
    const QPoint corner = rectangleCorner(pointer);
    const bool spansArea = corner.x() != FDrag.Start.x() && corner.y() != FDrag.Start.y();
    const QPoint start = FDrag.Start;
    endDrag();
    if (button == Qt::LeftButton && spansArea) applyRectangle(start, corner);
}

LayerRanges ChartInput::rectangleRanges(int layer, QPoint start, QPoint corner) const {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    FChart.PixelToData(layer, start.x(), start.y(), x1, y1);
    FChart.PixelToData(layer, corner.x(), corner.y(), x2, y2);
    const AxisRange currentX = ChartLayers::rangeOf(*FChart.ScaleX(layer));
    const AxisRange currentY = ChartLayers::rangeOf(*FChart.ScaleY(layer));
    // Only the oriented window lets the drag direction flip an axis.
    LayerRanges r{{x1, x2, currentX.Logarithmic}, {y1, y2, currentY.Logarithmic}};
    if (FMouseAction != maZoomWind) r = {orderedLike(x1, x2, currentX), orderedLike(y1, y2, currentY)};
    if (FLayers.Isometric)
        r.Y = isometricYRange(r.X, r.Y, FLayers.Geometry.dataWidth(), FLayers.Geometry.dataHeight(),
                              FLayers.AspectX, FLayers.AspectY);
    return r;
}

void ChartInput::applyRectangle(QPoint start, QPoint corner) {
    changeAffectedLayers([&](int n) {
        const LayerRanges r = rectangleRanges(n, start, corner);
        if (FMouseAction != maRubberBand)
            FChart.SetRanges(n, r.X.Low, r.X.High, r.Y.Low, r.Y.High);
        else if (FOnRubberBand)
            FOnRubberBand(&FChart, n, r.X.Low, r.Y.Low, r.X.High, r.Y.High);
    });
}
