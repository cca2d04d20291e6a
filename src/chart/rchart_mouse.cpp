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
    q.PublishEvent(QStringLiteral("OnMouseMoveInChart"), &FOnMouseMoveInChart);
    q.PublishEvent(QStringLiteral("OnMouseEnter"), &FOnMouseEnter);
    q.PublishEvent(QStringLiteral("OnMouseLeave"), &FOnMouseLeave);
    q.PublishEvent(QStringLiteral("OnZoomPan"), &FOnZoomPan);
    q.PublishEvent(QStringLiteral("OnRubberBand"), &FOnRubberBand);
    q.PublishEvent(QStringLiteral("OnCrossHairMove"), &FOnCrossHairMove);
    q.PublishEvent(QStringLiteral("OnTextLabelMove"), &FOnTextLabelMove);
    q.PublishEvent(QStringLiteral("OnKeyDown"), &FOnKeyDown);
}

// ---- Properties

TMouseActMode TCustomRChart::MouseAction() const {
    return d->FMouseAction;
}

void TCustomRChart::SetMouseAction(TMouseActMode value) {
    if (assignChanged(d->FMouseAction, value)) d->endDrag();
}

bool TCustomRChart::MouseCursorFixed() const {
    return d->FMouseCursorFixed;
}

void TCustomRChart::SetMouseCursorFixed(bool value) {
    d->FMouseCursorFixed = value;
}

bool TCustomRChart::MouseAffectsLayer(int layer) const {
    return isLayer(layer) && d->FMouseAffected[layerSlot(layer)];
}

void TCustomRChart::SetMouseAffectsLayer(int layer, bool value) {
    if (isLayer(layer)) d->FMouseAffected[layerSlot(layer)] = value;
}

DataArea TCustomRChart::Private::mouseArea() const {
    return {FGeometry.MarginLeft, FGeometry.MarginTop, FGeometry.dataRight(), FGeometry.dataBottom()};
}

bool TCustomRChart::Private::isRectangleMode() const {
    return FMouseAction == maZoomWind || FMouseAction == maZoomWindPos || FMouseAction == maRubberBand;
}

QImage TCustomRChart::ScreenImage() const {
    QImage screen;
    d->showScreen([&](const QImage& shown) { screen = shown.copy(); });
    return screen;
}

std::vector<QRect> TCustomRChart::Private::overlayAreas() const {
    std::vector<QRect> areas;
    if (FDrag.OutlineShown) addOutlineEdges(areas, outlineRect(FDrag.Start, FDrag.Corner));
    if (q.hasFocus()) addFocusCueAreas(areas);
    return areas;
}

void TCustomRChart::Private::drawOverlays(TCanvas& canvas) const {
    if (FDrag.OutlineShown) {
        canvas.Pen() = TPen{clWhite, 1, psSolid, pmXor};
        canvas.Brush().Style = bsClear;
        canvas.Rectangle(outlineRect(FDrag.Start, FDrag.Corner));
    }
    if (q.hasFocus()) drawFocusCues(canvas);
}

// The overlays go right onto the frame and come off again once shown: no copy of the whole picture
// is made for them.
void TCustomRChart::Private::showScreen(const std::function<void(const QImage&)>& show) {
    TBitmap& frame = FCache.frame();
    const std::vector<QRect> areas = overlayAreas();
    if (areas.empty()) {
        show(frame.Image());
        return;
    }
    KeptPixels under;
    under.keep(frame.Image(), frame.Scale(), areas, frame.Image().rect());
    TCanvas& canvas = frame.Canvas();
    const TPen pen = canvas.Pen();
    const TBrush brush = canvas.Brush();
    drawOverlays(canvas);
    canvas.Pen() = pen;
    canvas.Brush() = brush;
    show(frame.Image());
    QImage pixels = frame.View(QRect(0, 0, frame.Width(), frame.Height()));
    under.putBack(pixels, QPoint(0, 0));
}

// ---- Events

void TCustomRChart::SetOnMouseMoveInChart(TMouseMoveInChartEvent handler) {
    d->FOnMouseMoveInChart = std::move(handler);
}
void TCustomRChart::SetOnMouseEnter(TNotifyEvent handler) {
    d->FOnMouseEnter = std::move(handler);
}
void TCustomRChart::SetOnMouseLeave(TNotifyEvent handler) {
    d->FOnMouseLeave = std::move(handler);
}
void TCustomRChart::SetOnZoomPan(TNotifyEvent handler) {
    d->FOnZoomPan = std::move(handler);
}
void TCustomRChart::SetOnRubberBand(TRubberBandEvent handler) {
    d->FOnRubberBand = std::move(handler);
}
void TCustomRChart::SetOnCrossHairMove(TCrossHairMoveEvent handler) {
    d->FOnCrossHairMove = std::move(handler);
}
void TCustomRChart::SetOnTextLabelMove(TTextLabelMoveEvent handler) {
    d->FOnTextLabelMove = std::move(handler);
}
void TCustomRChart::SetOnKeyDown(TKeyEvent handler) {
    d->FOnKeyDown = std::move(handler);
}

// ---- Platform events

void TCustomRChart::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pointer = PicturePoint(event->position());
    const TShiftState shift = shiftOf(event, event->buttons());
    FireMouseMove(*event);
    d->runDragAction(pointer, shift);
    d->updateCursor(pointer);
    d->fireMouseMoveInChart(pointer, shift);
}

// The platform has given the chart the focus before the press arrives, where its focus policy
// lets a click take it.
void TCustomRChart::mousePressEvent(QMouseEvent* event) {
    const QPoint pointer = PicturePoint(event->position());
    if (hasFocus()) d->pressedWithFocus();
    FireMouseDown(*event);
    if (event->button() == Qt::LeftButton && d->isRectangleMode() && d->mouseArea().contains(pointer))
        d->beginDrag(pointer);
}

void TCustomRChart::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint pointer = PicturePoint(event->position());
    FireMouseUp(*event);
    if (d->isRectangleMode() && d->FDrag.Active)
        d->releaseRectangle(pointer, event->button());
    else if (event->button() == Qt::LeftButton)
        d->endDrag();
}

// The platform reports the second press of a double click as this event alone: unlike the base
// class, the chart does not pass it on as a press, so it fires no OnMouseDown and starts no drag.
void TCustomRChart::mouseDoubleClickEvent(QMouseEvent*) {
    FireDblClick();
}

void TCustomRChart::enterEvent(QEnterEvent* event) {
    TMouseControl::enterEvent(event);
    if (d->FOnMouseEnter) d->FOnMouseEnter(this);
}

void TCustomRChart::leaveEvent(QEvent* event) {
    TMouseControl::leaveEvent(event);
    if (d->FOnMouseLeave) d->FOnMouseLeave(this);
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
    if (d->FOnKeyDown) d->FOnKeyDown(this, key, shiftOf(event, Qt::NoButton));
    if (key == 0 || isNavigationKey(event->key()))
        event->accept();
    else
        TMouseControl::keyPressEvent(event);
}

// ---- Mouse move steps

void TCustomRChart::Private::runDragAction(QPoint pointer, TShiftState shift) {
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

void TCustomRChart::Private::updateCursor(QPoint pointer) {
    const std::optional<QCursor> cursor =
        cursorForMouseAction(FMouseAction, mouseArea().contains(pointer), FMouseCursorFixed);
    if (cursor) q.setCursor(*cursor);
}

void TCustomRChart::Private::fireMouseMoveInChart(QPoint pointer, TShiftState shift) {
    if (!FOnMouseMoveInChart) return;
    double x = 0;
    double y = 0;
    q.PixelToData(q.CurrentLayer(), pointer.x(), pointer.y(), x, y);
    FOnMouseMoveInChart(&q, mouseArea().contains(pointer), shift, x, y);
}

// ---- Drags

void TCustomRChart::Private::beginDrag(QPoint pointer) {
    FDrag.Active = true;
    FDrag.Start = pointer;
    FDrag.Corner = pointer;
    FDrag.OutlineShown = false;
    for (int n = 1; n <= kLayerCount; ++n)
        FDrag.StartRanges[layerSlot(n)] = {rangeOf(*q.ScaleX(n)), rangeOf(*q.ScaleY(n))};
}

void TCustomRChart::Private::endDrag() {
    if (FDrag.OutlineShown) q.update();
    FDrag.Active = false;
    FDrag.OutlineShown = false;
}

template <typename F> void TCustomRChart::Private::changeQuietly(F change) {
    const bool previous = FSuppressPaint;
    FSuppressPaint = true;
    change();
    FSuppressPaint = previous;
}

void TCustomRChart::Private::zoomPanDone() {
    if (FOnZoomPan) FOnZoomPan(&q);
    q.Paint();
}

template <typename F> void TCustomRChart::Private::changeAffectedLayers(F change) {
    changeQuietly([&] {
        for (int n = 1; n <= kLayerCount; ++n)
            if (q.MouseAffectsLayer(n)) change(n);
    });
    zoomPanDone();
}

void TCustomRChart::Private::changeStartRanges(RangeChange change, double fx, double fy) {
    changeAffectedLayers([&](int n) {
        const LayerRanges& start = FDrag.StartRanges[layerSlot(n)];
        const AxisRange x = change(start.X, fx);
        const AxisRange y = change(start.Y, fy);
        q.SetRanges(n, x.Low, x.High, y.Low, y.High);
    });
}

void TCustomRChart::Private::panTo(QPoint pointer) {
    const DataArea area = mouseArea();
    const double fx =
        FMouseAction == maPanVert ? 0 : panFractionX(FDrag.Start.x(), pointer.x(), area.width());
    const double fy =
        FMouseAction == maPanHoriz ? 0 : panFractionY(FDrag.Start.y(), pointer.y(), area.height());
    changeStartRanges(pannedRange, fx, fy);
}

void TCustomRChart::Private::zoomDragTo(QPoint pointer) {
    const double fx = zoomDragFactorX(FDrag.Start.x(), pointer.x(), FGeometry.Width);
    const double fy = FIsometric ? fx : zoomDragFactorY(FDrag.Start.y(), pointer.y(), FGeometry.Height);
    changeStartRanges(scaledAboutCentre, fx, fy);
}

void TCustomRChart::Private::pickCrossHair(QPoint pointer) {
    beginDrag(pointer);
    std::array<CrossHairTarget, CrossHairCount> targets;
    for (std::size_t i = 0; i < targets.size(); ++i) {
        const TCrossHair& c = *FCrossHairs[i];
        targets[i] = {q.DataToPixel(c.Layer(), c.PosX(), c.PosY()), c.ShowsVertical(), c.ShowsHorizontal()};
    }
    FDrag.Target = nearestCrossHair(targets, pointer);
}

void TCustomRChart::Private::pickTextLabel(QPoint pointer) {
    beginDrag(pointer);
    std::array<std::optional<QPoint>, TextLabelCount> shown;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const TTextLabel& label = *FTextLabels[i];
        if (label.Shown()) shown[i] = q.DataToPixel(label.Layer(), label.PosX(), label.PosY());
    }
    FDrag.Target = nearestPoint(shown, pointer);
}

void TCustomRChart::Private::placeAtPointer(PinnedPart& part, QPoint pointer) {
    double x = 0;
    double y = 0;
    q.PixelToData(part.Layer(), pointer.x(), pointer.y(), x, y);
    changeQuietly([&] {
        part.SetPosX(x);
        part.SetPosY(y);
    });
    q.Paint();
}

void TCustomRChart::Private::dragCrossHairTo(QPoint pointer) {
    TCrossHair* c = q.CrossHair(FDrag.Target);
    placeAtPointer(*c, pointer);
    if (FOnCrossHairMove) FOnCrossHairMove(&q, c);
}

void TCustomRChart::Private::dragTextLabelTo(QPoint pointer) {
    TTextLabel* label = q.TextLabel(FDrag.Target);
    placeAtPointer(*label, pointer);
    if (FOnTextLabelMove) FOnTextLabelMove(&q, label);
}

// ---- Zoom rectangle

QPoint TCustomRChart::Private::rectangleCorner(QPoint pointer) const {
    const QPoint corner = mouseArea().clamped(pointer);
    return FIsometric ? squareCorner(FDrag.Start, corner) : corner;
}

void TCustomRChart::Private::moveOutline(QPoint pointer) {
    FDrag.Corner = rectangleCorner(pointer);
    FDrag.OutlineShown = true;
    q.update();
}

void TCustomRChart::Private::releaseRectangle(QPoint pointer, Qt::MouseButton button) {
    const QPoint corner = rectangleCorner(pointer);
    const bool spansArea = corner.x() != FDrag.Start.x() && corner.y() != FDrag.Start.y();
    const QPoint start = FDrag.Start;
    endDrag();
    if (button == Qt::LeftButton && spansArea) applyRectangle(start, corner);
}

LayerRanges TCustomRChart::Private::rectangleRanges(int layer, QPoint start, QPoint corner) const {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    q.PixelToData(layer, start.x(), start.y(), x1, y1);
    q.PixelToData(layer, corner.x(), corner.y(), x2, y2);
    const AxisRange currentX = rangeOf(*q.ScaleX(layer));
    const AxisRange currentY = rangeOf(*q.ScaleY(layer));
    // Only the oriented window lets the drag direction flip an axis.
    LayerRanges r{{x1, x2, currentX.Logarithmic}, {y1, y2, currentY.Logarithmic}};
    if (FMouseAction != maZoomWind) r = {orderedLike(x1, x2, currentX), orderedLike(y1, y2, currentY)};
    if (FIsometric)
        r.Y = isometricYRange(r.X, r.Y, FGeometry.dataWidth(), FGeometry.dataHeight(), FAspectX, FAspectY);
    return r;
}

void TCustomRChart::Private::applyRectangle(QPoint start, QPoint corner) {
    changeAffectedLayers([&](int n) {
        const LayerRanges r = rectangleRanges(n, start, corner);
        if (FMouseAction != maRubberBand)
            q.SetRanges(n, r.X.Low, r.X.High, r.Y.Low, r.Y.High);
        else if (FOnRubberBand)
            FOnRubberBand(&q, n, r.X.Low, r.Y.Low, r.X.High, r.Y.High);
    });
}
