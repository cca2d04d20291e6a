// Painting of the chart: the frame bitmap (window colour, shadow, caption, scales), the data-area
// bitmap (background, grid, items, frame), the crosshairs, and the one copy to the screen.
#include "chart/rchart_p.h"

#include "chart/itempass/gridsteps.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <optional>

using enum Graphics::TBrushStyle;
using enum Graphics::TPenMode;
using enum Graphics::TPenStyle;
using enum RChart::TGridStyle;
using enum RChart::TTextBkStyle;

namespace {

std::vector<double> ticksOf(const TScale& scale) {
    std::vector<double> ticks;
    for (int i = 1; i <= scale.NumTicks(); ++i)
        ticks.push_back(scale.GetTick(i));
    return ticks;
}

void fireRender(const TRenderEvent& event, QObject* sender, TCanvas*& canvas, int top, int left) {
    if (event) event(sender, canvas, top, left);
}

} // namespace

TRect TCustomRChart::Private::dataAreaRect() const {
    return Rect(FLayers.Geometry.MarginLeft, FLayers.Geometry.MarginTop, FLayers.Geometry.dataRight(),
                FLayers.Geometry.dataBottom());
}

// ---- Paint

void TCustomRChart::Paint() {
    if (!Visible() || IsLoading() || d->FSuppressPaint) return;
    d->recomputeTransform();
    const bool frameKept = d->frameCurrent();
    if (!frameKept) d->drawFrame();
    // The data area is drawn right into the frame, over the crosshairs of the last paint (they
    // never leave it); on a bitmap of its own only where it does not fit in the frame or a handler
    // draws before the items.
    ChartPaintCache& cache = d->FCache;
    cache.setDataAreaInFrame(d->paintDataAreaInFrame());
    if (!cache.dataAreaInFrame()) {
        d->paintDataArea(d->sizedDataArea(), true);
        cache.frame().Canvas().Draw(d->FLayers.Geometry.MarginLeft, d->FLayers.Geometry.MarginTop,
                                    cache.dataAreaBitmap());
    }
    // Crosshairs (and whatever the mouse draws over the picture) go into the frame bitmap last.
    d->keepUnderCrossHairs();
    d->drawCrossHairs();
    d->coverControl();
    if (frameKept)
        update(d->controlRect(d->dataAreaInFrame()));
    else
        update();
}

// Once the picture has the control's size, nothing behind the control needs drawing first.
void TCustomRChart::Private::coverControl() {
    const TBitmap& frame = FCache.frame();
    q.setAttribute(Qt::WA_OpaquePaintEvent, QSize(frame.Width(), frame.Height()) == q.PictureSize());
}

void TCustomRChart::resizeEvent(QResizeEvent* event) {
    TMouseControl::resizeEvent(event);
    d->coverControl();
}

void TCustomRChart::paintEvent(QPaintEvent*) {
    if (d->FCache.frame().Empty()) return;
    QPainter painter(this);
    d->showScreen([&](const QImage& screen) { DrawPicture(painter, screen); });
}

// ---- Frame bitmap

void TCustomRChart::Private::drawFrame() {
    TBitmap& frame = FCache.frame();
    frame.SetScale(q.PictureScale());
    frame.SetSize(FLayers.Geometry.Width, FLayers.Geometry.Height);
    TCanvas& canvas = frame.Canvas();
    canvas.Pen() = TPen{FLook.WindColor, 1, psSolid, pmCopy};
    canvas.Brush() = TBrush{FLook.WindColor, bsSolid};
    canvas.FillRect(Rect(0, 0, frame.Width(), frame.Height()));
    if (FLayers.Geometry.ShadowWidth > 0)
        FLook.drawShadow(canvas, frame.Width(), frame.Height(), FLayers.Geometry.ShadowWidth);
    canvas.Font().Assign(*q.Font());
    FLook.drawCaption(canvas, FLayers.Geometry);
    drawScales();
    TCanvas* target = &canvas;
    fireRender(FOnScalesRendered, &q, target, 0, 0);
    FCache.frameDrawn(FLayers.scaleChanges());
}

// Handlers may draw something else on every paint, so with one set the frame is always drawn. The
// scale controls can be changed directly, without the chart's notice.
bool TCustomRChart::Private::frameCurrent() const {
    return !FOnScalesRendered && !FOnScaleTickDrawn &&
           FCache.frameCurrent(q.PictureSize(), FLayers.scaleChanges()) &&
           FCache.frame().Scale() == q.PictureScale();
}

void TCustomRChart::Private::drawScales() {
    for (int n = 1; n <= kLayerCount; ++n)
        q.ScaleControlX(n)->DrawNow();
    for (int n = 1; n <= kLayerCount; ++n)
        q.ScaleControlY(n)->DrawNow();
}

void TCustomRChart::Private::drawCrossHairs() {
    const std::array<const TCrossHair*, CrossHairCount> crossHairs{FCrossHairs[0], FCrossHairs[1],
                                                                   FCrossHairs[2], FCrossHairs[3]};
    ::drawCrossHairs(
        FCache.frame().Canvas(), crossHairs,
        [this](int layer, double x, double y) { return q.DataToPixel(layer, x, y); }, dataAreaRect(),
        FLook.ChartColor);
}

// ---- Data-area bitmap

void TCustomRChart::DrawBackground() {
    d->drawBackground(d->sizedDataArea());
    d->FCache.setDataAreaInFrame(false); // drawn over in full
}

TCanvas& TCustomRChart::Private::sizedDataArea() {
    return FCache.sizedDataArea(dataAreaInFrame().size());
}

void TCustomRChart::Private::drawBackground(TCanvas& canvas) {
    const LayerMap& layer1 = FLayers.Maps[0];
    const QPoint origin(FLayers.Geometry.MarginLeft, FLayers.Geometry.MarginTop);
    ::drawBackground(
        *FBackGroundImg, canvas, FLook.ChartColor, FLook.ChartFrameColor, [&](double x, double y) {
            return QPoint(paintClamp(layer1.X.toPixel(x)), paintClamp(layer1.Y.toPixel(y))) - origin;
        });
}

ItemPassSettings TCustomRChart::Private::itemPassSettings(int left, int top) const {
    ItemPassSettings s;
    s.Origin = QPoint(left, top);
    s.DataOrigin = QPoint(FLayers.Geometry.MarginLeft, FLayers.Geometry.MarginTop);
    s.LineWidth = q.LineWidth();
    s.ChartColor = FLook.ChartColor;
    s.TextFontStyle = FLook.TextFontStyle;
    s.SolidTextBackground = FLook.TextBkStyle == tbSolid;
    s.TextBkColor = FLook.TextBkColor;
    return s;
}

void TCustomRChart::DrawItems(TCanvas& canvas, int left, int top) {
    TCanvas* target = &canvas;
    const TColor penColor = canvas.Pen().Color;
    const TColor brushColor = canvas.Brush().Color;
    fireRender(d->FOnBeforeRenderData, this, target, d->FLayers.Geometry.MarginTop - top,
               d->FLayers.Geometry.MarginLeft - left);
    target->Pen().Color = penColor;
    target->Brush().Color = brushColor;
    if (d->FLook.GridStyle != gsNone) d->drawGrid(*target, left, top);
    CanvasItemTarget items(*target);
    drawItemList(items, Items(), d->FLayers.Maps, d->itemPassSettings(left, top));
    d->drawOverItems(*target, left, top);
}

void TCustomRChart::Private::drawOverItems(TCanvas& canvas, int left, int top) {
    drawTextLabels(canvas, left, top);
    TCanvas* target = &canvas;
    fireRender(FOnDataRendered, &q, target, FLayers.Geometry.MarginTop - top,
               FLayers.Geometry.MarginLeft - left);
    drawDataFrame(*target, left, top);
}

ItemSnapshot::Basis TCustomRChart::Private::snapshotBasis() const {
    return {FCache.look(), dataAreaInFrame().size(), q.LineWidth(), q.CurrentLayer()};
}

// The data area as DrawBackground and DrawItems draw it, on a canvas of its size: from the kept
// picture of the leading items when they are the same as last time, else from its background.
// `onBitmap` tells whether the canvas is the data-area bitmap's (sized), which a handler that draws
// before the items is given; without it nothing is drawn. Returns whether it drew.
bool TCustomRChart::Private::paintDataArea(TCanvas& canvas, bool onBitmap) {
    // OnBeforeRenderData may draw anything, or have the items drawn elsewhere.
    if (FOnBeforeRenderData) {
        if (!onBitmap) return false;
        FCache.snapshot().forget();
        q.DrawBackground();
        q.DrawItems(canvas, 0, 0);
        FCache.setItemsDrawn(q.ItemCount());
        return true;
    }
    ItemSnapshot& snapshot = FCache.snapshot();
    const ItemSnapshot::Basis basis = snapshotBasis();
    ItemPassPlan plan;
    plan.From = snapshot.resumableAt(basis, q.Items());
    if (plan.From > 0) {
        plan.Resume = snapshot.restore(canvas);
    } else {
        drawBackground(canvas);
        if (FLook.GridStyle != gsNone) drawGrid(canvas, 0, 0);
    }
    plan.PauseBefore = snapshot.pausePoint(q.Items(), plan.From);
    plan.OnPause = [&](const ItemPassState& state) { snapshot.keep(basis, canvas, state, plan.PauseBefore); };
    CanvasItemTarget target(canvas);
    drawItemList(target, q.Items(), FLayers.Maps, itemPassSettings(0, 0), plan);
    FCache.setItemsDrawn(q.ItemCount() - plan.From);
    snapshot.remember(basis, q.Items());
    drawOverItems(canvas, 0, 0);
    return true;
}

QRect TCustomRChart::Private::dataAreaInFrame() const {
    return {FLayers.Geometry.MarginLeft, FLayers.Geometry.MarginTop, FLayers.Geometry.dataWidth() + 1,
            FLayers.Geometry.dataHeight() + 1};
}

bool TCustomRChart::Private::paintDataAreaInFrame() {
    std::optional<QImage> area = FCache.dataAreaView(dataAreaInFrame());
    if (!area) return false;
    TCanvas canvas(&*area);
    canvas.SetScale(FCache.frame().Scale());
    return paintDataArea(canvas, false);
}

// What the crosshairs will cover in the frame's data area, kept so that the data area alone can be
// had back (DataAreaImage) while it was drawn right into the frame. A wide line reaches no further
// than its width from its middle.
void TCustomRChart::Private::keepUnderCrossHairs() {
    const QRect area = FCache.dataAreaPlace();
    std::vector<QRect> strips;
    for (const TCrossHair* c : FCrossHairs) {
        if (c->Mode() == TCrossHairMode::chOff) continue;
        const QPoint p = q.DataToPixel(c->Layer(), c->PosX(), c->PosY());
        const int w = c->LineWid();
        strips.push_back(QRect(area.left(), p.y() - w, area.width(), 2 * w + 1));
        strips.push_back(QRect(p.x() - w, area.top(), 2 * w + 1, area.height()));
    }
    FCache.keepUnderCrossHairs(strips);
}

// The control's pixels that show a part of the picture.
QRect TCustomRChart::Private::controlRect(const QRect& picture) const {
    const double zoom = q.Zoom();
    if (zoom == 1) return picture;
    const int left = static_cast<int>(std::floor(picture.left() * zoom));
    const int top = static_cast<int>(std::floor(picture.top() * zoom));
    return QRect(left, top, static_cast<int>(std::ceil((picture.left() + picture.width()) * zoom)) - left,
                 static_cast<int>(std::ceil((picture.top() + picture.height()) * zoom)) - top);
}

const QImage& TCustomRChart::FrameImage() const {
    return d->FCache.frame().Image();
}

const QImage& TCustomRChart::DataAreaImage() const {
    return d->FCache.dataAreaImage();
}

int TCustomRChart::FrameDrawCount() const {
    return d->FCache.frameDrawCount();
}

int TCustomRChart::ItemsDrawnLastPaint() const {
    return d->FCache.itemsDrawn();
}

void TCustomRChart::Private::drawDataFrame(TCanvas& canvas, int left, int top) {
    canvas.Pen() = TPen{FLook.ChartFrameColor, 1, psSolid, pmCopy};
    drawOutline(canvas, left, top, left + FLayers.Geometry.dataWidth(), top + FLayers.Geometry.dataHeight());
}

void TCustomRChart::Private::drawTextLabels(TCanvas& canvas, int left, int top) {
    const QPoint shift(left - FLayers.Geometry.MarginLeft, top - FLayers.Geometry.MarginTop);
    for (const TTextLabel* label : FTextLabels) {
        if (!label->Shown()) continue;
        const QPoint p = q.DataToPixel(label->Layer(), label->PosX(), label->PosY());
        drawTextLabel(canvas, *label, QPoint(paintClamp(p.x()), paintClamp(p.y())) + shift);
    }
}

// ---- Grid

void TCustomRChart::Private::drawGrid(TCanvas& canvas, int left, int top) {
    const int layer = q.CurrentLayer();
    const TScaleProps& x = *q.ScaleX(layer);
    const TScaleProps& y = *q.ScaleY(layer);
    const std::vector<double> xs = gridValues(x.RangeLow(), x.RangeHigh(), x.Logarithmic(), FLook.GridDx,
                                              ticksOf(*q.ScaleControlX(layer)));
    const std::vector<double> ys = gridValues(y.RangeLow(), y.RangeHigh(), y.Logarithmic(), FLook.GridDy,
                                              ticksOf(*q.ScaleControlY(layer)));
    canvas.Pen().Color = FLook.GridColor;
    canvas.Pen().Style = psSolid;
    canvas.Pen().Mode = pmCopy;
    canvas.Brush() = TBrush{FLook.ChartColor, bsSolid};
    if (FLook.GridStyle == gsPoints) {
        const QPoint shift(left - FLayers.Geometry.MarginLeft, top - FLayers.Geometry.MarginTop);
        int budget = kMaxGridValues;
        for (double vx : xs)
            for (double vy : ys) {
                if (budget-- <= 0) return;
                const QPoint p = q.DataToPixel(layer, vx, vy);
                canvas.SetPixels(paintClamp(p.x()) + shift.x(), paintClamp(p.y()) + shift.y(),
                                 FLook.GridColor);
            }
        return;
    }
    drawGridLines(canvas, xs, ys, left, top);
}

void TCustomRChart::Private::drawGridLines(TCanvas& canvas, const std::vector<double>& xs,
                                           const std::vector<double>& ys, int left, int top) {
    const int layer = q.CurrentLayer();
    const TScaleProps& x = *q.ScaleX(layer);
    const TScaleProps& y = *q.ScaleY(layer);
    const LayerMap& map = FLayers.Maps[layerSlot(layer)];
    const auto toX = [&](double v) {
        return paintClamp(map.X.toPixel(v)) - FLayers.Geometry.MarginLeft + left;
    };
    const auto toY = [&](double v) {
        return paintClamp(map.Y.toPixel(v)) - FLayers.Geometry.MarginTop + top;
    };
    const bool dotted = FLook.GridStyle == gsHorizDotLines || FLook.GridStyle == gsVertDotLines ||
                        FLook.GridStyle == gsDotLines;
    canvas.Pen().Style = dotted ? psDot : psSolid;
    if (FLook.GridStyle == gsVertLines || FLook.GridStyle == gsVertDotLines || FLook.GridStyle == gsLines ||
        FLook.GridStyle == gsDotLines) {
        const int from = toY(std::min(y.RangeLow(), y.RangeHigh()));
        const int to = toY(std::max(y.RangeLow(), y.RangeHigh()));
        for (double v : xs) {
            canvas.MoveTo(toX(v), from);
            canvas.LineTo(toX(v), to);
        }
    }
    if (FLook.GridStyle == gsHorizLines || FLook.GridStyle == gsHorizDotLines || FLook.GridStyle == gsLines ||
        FLook.GridStyle == gsDotLines) {
        const int from = toX(std::min(x.RangeLow(), x.RangeHigh()));
        const int to = toX(std::max(x.RangeLow(), x.RangeHigh()));
        for (double v : ys) {
            canvas.MoveTo(from, toY(v));
            canvas.LineTo(to, toY(v));
        }
    }
    canvas.Pen().Style = psSolid;
}

// ---- Render events

void TCustomRChart::SetOnBeforeRenderData(TRenderEvent handler) {
    d->FOnBeforeRenderData = std::move(handler);
}
void TCustomRChart::SetOnDataRendered(TRenderEvent handler) {
    d->FOnDataRendered = std::move(handler);
}
void TCustomRChart::SetOnScalesRendered(TRenderEvent handler) {
    d->FOnScalesRendered = std::move(handler);
}
void TCustomRChart::SetOnScaleTickDrawn(TScaleTickDrawnEvent handler) {
    d->FOnScaleTickDrawn = std::move(handler);
}
