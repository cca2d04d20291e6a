// Painting of the chart: the frame bitmap (window colour, shadow, caption, scales), the data-area
// bitmap (background, grid, items, frame), the crosshairs, and the one copy to the screen.
#include "chart/rchart_p.h"

#include "chart/itempass/gridsteps.h"

#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <cmath>
#include <optional>

using enum Graphics::TAlignment;
using enum Graphics::TBrushStyle;
using enum Graphics::TPenMode;
using enum Graphics::TPenStyle;
using enum RChart::TGridStyle;
using enum RChart::TShadowStyle;
using enum RChart::TTextBkStyle;

namespace {

std::vector<double> ticksOf(const TScale& scale) {
    std::vector<double> ticks;
    for (int i = 1; i <= scale.NumTicks(); ++i)
        ticks.push_back(scale.GetTick(i));
    return ticks;
}

// The outline through the four corners, every one of its pixels drawn once.
void drawOutline(TCanvas& canvas, int left, int top, int right, int bottom) {
    canvas.MoveTo(left, top);
    canvas.LineTo(right, top);
    canvas.LineTo(right, bottom);
    canvas.LineTo(left, bottom);
    canvas.LineTo(left, top);
}

void fireRender(const TRenderEvent& event, QObject* sender, TCanvas*& canvas, int top, int left) {
    if (event) event(sender, canvas, top, left);
}

} // namespace

TRect TCustomRChart::Private::dataAreaRect() const {
    return Rect(FGeometry.MarginLeft, FGeometry.MarginTop, FGeometry.dataRight(), FGeometry.dataBottom());
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
        cache.frame().Canvas().Draw(d->FGeometry.MarginLeft, d->FGeometry.MarginTop, cache.dataAreaBitmap());
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
    frame.SetSize(FGeometry.Width, FGeometry.Height);
    TCanvas& canvas = frame.Canvas();
    canvas.Pen() = TPen{FWindColor, 1, psSolid, pmCopy};
    canvas.Brush() = TBrush{FWindColor, bsSolid};
    canvas.FillRect(Rect(0, 0, frame.Width(), frame.Height()));
    if (FGeometry.ShadowWidth > 0) drawShadow(canvas);
    drawCaption(canvas);
    drawScales();
    TCanvas* target = &canvas;
    fireRender(FOnScalesRendered, &q, target, 0, 0);
    FCache.frameDrawn(scaleChanges());
}

// Handlers may draw something else on every paint, so with one set the frame is always drawn. The
// scale controls can be changed directly, without the chart's notice.
bool TCustomRChart::Private::frameCurrent() const {
    return !FOnScalesRendered && !FOnScaleTickDrawn && FCache.frameCurrent(q.PictureSize(), scaleChanges()) &&
           FCache.frame().Scale() == q.PictureScale();
}

long long TCustomRChart::Private::scaleChanges() const {
    long long count = 0;
    for (const PerLayer<TScale*>* scales : {&FScaleControlX, &FScaleControlY})
        for (const TScale* scale : *scales)
            count += scale->LookChanges();
    return count;
}

void TCustomRChart::Private::drawShadow(TCanvas& canvas) {
    const int s = FGeometry.ShadowWidth;
    const int w = FCache.frame().Width();
    const int h = FCache.frame().Height();
    canvas.Brush() = TBrush{FShadowBakColor, bsSolid};
    canvas.FillRect(Rect(w - s, 0, w, s));
    canvas.FillRect(Rect(0, h - s, s, h));
    const bool flying = FShadowStyle == ssFlying;
    const int e = flying ? s - 1 : 0;
    canvas.Brush() = TBrush{FShadowColor, bsSolid};
    canvas.Pen() = TPen{flying ? FShadowColor : clBlack, 1, psSolid, pmCopy};
    canvas.Polygon(
        QPolygon({QPoint(e, h - s), QPoint(s - 1, h - 1), QPoint(w - 1, h - 1), QPoint(w - s, h - s)}));
    canvas.Polygon(
        QPolygon({QPoint(w - s, h - s), QPoint(w - 1, h - 1), QPoint(w - 1, s - 1), QPoint(w - s, e)}));
    canvas.Pen() = TPen{clBlack, 1, psSolid, pmCopy};
    drawOutline(canvas, 0, 0, w - s, h - s);
}

void TCustomRChart::Private::drawCaption(TCanvas& canvas) {
    canvas.Pen().Color = FChartFrameColor;
    canvas.Brush().Style = bsClear;
    canvas.Font().Assign(*q.Font());
    const ChartGeometry& g = FGeometry;
    static constexpr int kNoOffset = 0;
    const int anchorsX[] = {kNoOffset, g.MarginLeft, g.MarginLeft + g.dataWidth() / 2, g.dataRight(),
                            g.Width};
    // The shadow is not taken off the chart bottom here.
    const int anchorsY[] = {kNoOffset, g.MarginTop, g.MarginTop + g.dataHeight() / 2,
                            g.Height - g.MarginBottom, g.Height};
    int x = FCaptionPosX + anchorsX[static_cast<int>(FCaptionAnchorHoriz)];
    const int y = FCaptionPosY + anchorsY[static_cast<int>(FCaptionAnchorVert)];
    if (FCaptionAlignment == taRightJustify)
        x -= canvas.TextWidth(FCaption);
    else if (FCaptionAlignment == taCenter)
        x -= canvas.TextWidth(FCaption) / 2;
    canvas.TextOut(x, y, FCaption);
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
        FChartColor);
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
    const LayerMap& layer1 = FMaps[0];
    const QPoint origin(FGeometry.MarginLeft, FGeometry.MarginTop);
    ::drawBackground(*FBackGroundImg, canvas, FChartColor, FChartFrameColor, [&](double x, double y) {
        return QPoint(paintClamp(layer1.X.toPixel(x)), paintClamp(layer1.Y.toPixel(y))) - origin;
    });
}

ItemPassSettings TCustomRChart::Private::itemPassSettings(int left, int top) const {
    ItemPassSettings s;
    s.Origin = QPoint(left, top);
    s.DataOrigin = QPoint(FGeometry.MarginLeft, FGeometry.MarginTop);
    s.LineWidth = q.LineWidth();
    s.ChartColor = FChartColor;
    s.TextFontStyle = FTextFontStyle;
    s.SolidTextBackground = FTextBkStyle == tbSolid;
    s.TextBkColor = FTextBkColor;
    return s;
}

void TCustomRChart::DrawItems(TCanvas& canvas, int left, int top) {
    TCanvas* target = &canvas;
    const TColor penColor = canvas.Pen().Color;
    const TColor brushColor = canvas.Brush().Color;
    fireRender(d->FOnBeforeRenderData, this, target, d->FGeometry.MarginTop - top,
               d->FGeometry.MarginLeft - left);
    target->Pen().Color = penColor;
    target->Brush().Color = brushColor;
    if (d->FGridStyle != gsNone) d->drawGrid(*target, left, top);
    CanvasItemTarget items(*target);
    drawItemList(items, Items(), d->FMaps, d->itemPassSettings(left, top));
    d->drawOverItems(*target, left, top);
}

void TCustomRChart::Private::drawOverItems(TCanvas& canvas, int left, int top) {
    drawTextLabels(canvas, left, top);
    TCanvas* target = &canvas;
    fireRender(FOnDataRendered, &q, target, FGeometry.MarginTop - top, FGeometry.MarginLeft - left);
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
        if (FGridStyle != gsNone) drawGrid(canvas, 0, 0);
    }
    plan.PauseBefore = snapshot.pausePoint(q.Items(), plan.From);
    plan.OnPause = [&](const ItemPassState& state) { snapshot.keep(basis, canvas, state, plan.PauseBefore); };
    CanvasItemTarget target(canvas);
    drawItemList(target, q.Items(), FMaps, itemPassSettings(0, 0), plan);
    FCache.setItemsDrawn(q.ItemCount() - plan.From);
    snapshot.remember(basis, q.Items());
    drawOverItems(canvas, 0, 0);
    return true;
}

QRect TCustomRChart::Private::dataAreaInFrame() const {
    return {FGeometry.MarginLeft, FGeometry.MarginTop, FGeometry.dataWidth() + 1, FGeometry.dataHeight() + 1};
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
    canvas.Pen() = TPen{FChartFrameColor, 1, psSolid, pmCopy};
    drawOutline(canvas, left, top, left + FGeometry.dataWidth(), top + FGeometry.dataHeight());
}

void TCustomRChart::Private::drawTextLabels(TCanvas& canvas, int left, int top) {
    const QPoint shift(left - FGeometry.MarginLeft, top - FGeometry.MarginTop);
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
    const std::vector<double> xs =
        gridValues(x.RangeLow(), x.RangeHigh(), x.Logarithmic(), FGridDx, ticksOf(*q.ScaleControlX(layer)));
    const std::vector<double> ys =
        gridValues(y.RangeLow(), y.RangeHigh(), y.Logarithmic(), FGridDy, ticksOf(*q.ScaleControlY(layer)));
    canvas.Pen().Color = FGridColor;
    canvas.Pen().Style = psSolid;
    canvas.Pen().Mode = pmCopy;
    canvas.Brush() = TBrush{FChartColor, bsSolid};
    if (FGridStyle == gsPoints) {
        const QPoint shift(left - FGeometry.MarginLeft, top - FGeometry.MarginTop);
        int budget = kMaxGridValues;
        for (double vx : xs)
            for (double vy : ys) {
                if (budget-- <= 0) return;
                const QPoint p = q.DataToPixel(layer, vx, vy);
                canvas.SetPixels(paintClamp(p.x()) + shift.x(), paintClamp(p.y()) + shift.y(), FGridColor);
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
    const LayerMap& map = FMaps[layerSlot(layer)];
    const auto toX = [&](double v) { return paintClamp(map.X.toPixel(v)) - FGeometry.MarginLeft + left; };
    const auto toY = [&](double v) { return paintClamp(map.Y.toPixel(v)) - FGeometry.MarginTop + top; };
    const bool dotted =
        FGridStyle == gsHorizDotLines || FGridStyle == gsVertDotLines || FGridStyle == gsDotLines;
    canvas.Pen().Style = dotted ? psDot : psSolid;
    if (FGridStyle == gsVertLines || FGridStyle == gsVertDotLines || FGridStyle == gsLines ||
        FGridStyle == gsDotLines) {
        const int from = toY(std::min(y.RangeLow(), y.RangeHigh()));
        const int to = toY(std::max(y.RangeLow(), y.RangeHigh()));
        for (double v : xs) {
            canvas.MoveTo(toX(v), from);
            canvas.LineTo(toX(v), to);
        }
    }
    if (FGridStyle == gsHorizLines || FGridStyle == gsHorizDotLines || FGridStyle == gsLines ||
        FGridStyle == gsDotLines) {
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
