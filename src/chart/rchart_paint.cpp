// Painting of the chart: the frame bitmap (window colour, shadow, caption, scales), the data-area
// bitmap (background, grid, items, frame), the crosshairs, and the one copy to the screen.
#include "chart/rchart.h"

#include "chart/itempass/gridsteps.h"

#include <QPainter>
#include <QPolygon>

#include <algorithm>

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

void TCustomRChart::SetWindColor(TColor value) {
    if (!assignChanged(FWindColor, value)) return;
    for (int n = 1; n <= kLayerCount; ++n) {
        ScaleControlX(n)->SetColorBackGnd(value);
        ScaleControlY(n)->SetColorBackGnd(value);
    }
    RepaintIfAuto();
}

void TCustomRChart::SetGridDx(double value) {
    if (value >= -3 && assignChanged(FGridDx, value)) RepaintIfAuto();
}

void TCustomRChart::SetGridDy(double value) {
    if (value >= -3 && assignChanged(FGridDy, value)) RepaintIfAuto();
}

TRect TCustomRChart::dataAreaRect() const {
    return Rect(FGeometry.MarginLeft, FGeometry.MarginTop, FGeometry.DataRight(), FGeometry.DataBottom());
}

// ---- Paint

void TCustomRChart::Paint() {
    if (!Visible() || IsLoading() || FSuppressPaint) return;
    recomputeTransform();
    const bool frameKept = frameCurrent();
    if (!frameKept) drawFrame();
    // The data area is drawn right into the frame, over the crosshairs of the last paint (they
    // never leave it); on a bitmap of its own only where it does not fit in the frame or a handler
    // draws before the items.
    FDataAreaInFrame = paintDataAreaInFrame();
    if (!FDataAreaInFrame) {
        paintDataArea(sizedDataArea(), true);
        FFrame.Canvas().Draw(FGeometry.MarginLeft, FGeometry.MarginTop, FDataArea);
    }
    // Crosshairs (and whatever the mouse draws over the picture) go into the frame bitmap last.
    keepUnderCrossHairs();
    drawCrossHairs();
    coverControl();
    if (frameKept)
        update(dataAreaInFrame());
    else
        update();
}

// Once the picture has the control's size, nothing behind the control needs drawing first.
void TCustomRChart::coverControl() {
    setAttribute(Qt::WA_OpaquePaintEvent, FFrame.Width() == Width() && FFrame.Height() == Height());
}

void TCustomRChart::resizeEvent(QResizeEvent* event) {
    TMouseControl::resizeEvent(event);
    coverControl();
}

void TCustomRChart::paintEvent(QPaintEvent*) {
    if (FFrame.Empty()) return;
    QPainter painter(this);
    painter.drawImage(0, 0, ScreenImage());
}

// ---- Frame bitmap

void TCustomRChart::drawFrame() {
    FFrame.SetSize(Width(), Height());
    TCanvas& canvas = FFrame.Canvas();
    canvas.Pen() = TPen{FWindColor, 1, psSolid, pmCopy};
    canvas.Brush() = TBrush{FWindColor, bsSolid};
    canvas.FillRect(Rect(0, 0, FFrame.Width(), FFrame.Height()));
    if (FGeometry.ShadowWidth > 0) drawShadow(canvas);
    drawCaption(canvas);
    drawScales();
    TCanvas* target = &canvas;
    fireRender(FOnScalesRendered, this, target, 0, 0);
    FFrameLook = FLook;
    FFrameScaleChanges = scaleChanges();
    ++FFrameDrawCount;
}

// Handlers may draw something else on every paint, so with one set the frame is always drawn. The
// scale controls can be changed directly, without the chart's notice.
bool TCustomRChart::frameCurrent() const {
    return FFrameLook == FLook && FFrame.Width() == Width() && FFrame.Height() == Height() &&
           !FOnScalesRendered && !FOnScaleTickDrawn && scaleChanges() == FFrameScaleChanges;
}

long long TCustomRChart::scaleChanges() const {
    long long count = 0;
    for (const PerLayer<TScale*>* scales : {&FScaleControlX, &FScaleControlY})
        for (const TScale* scale : *scales)
            count += scale->LookChanges();
    return count;
}

void TCustomRChart::drawShadow(TCanvas& canvas) {
    const int s = FGeometry.ShadowWidth;
    const int w = FFrame.Width();
    const int h = FFrame.Height();
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

void TCustomRChart::drawCaption(TCanvas& canvas) {
    canvas.Pen().Color = FChartFrameColor;
    canvas.Brush().Style = bsClear;
    canvas.Font().Assign(*Font());
    const ChartGeometry& g = FGeometry;
    static constexpr int kNoOffset = 0;
    const int anchorsX[] = {kNoOffset, g.MarginLeft, g.MarginLeft + g.DataWidth() / 2, g.DataRight(),
                            g.Width};
    // The shadow is not taken off the chart bottom here.
    const int anchorsY[] = {kNoOffset, g.MarginTop, g.MarginTop + g.DataHeight() / 2,
                            g.Height - g.MarginBottom, g.Height};
    int x = FCaptionPosX + anchorsX[static_cast<int>(FCaptionAnchorHoriz)];
    const int y = FCaptionPosY + anchorsY[static_cast<int>(FCaptionAnchorVert)];
    if (FCaptionAlignment == taRightJustify)
        x -= canvas.TextWidth(FCaption);
    else if (FCaptionAlignment == taCenter)
        x -= canvas.TextWidth(FCaption) / 2;
    canvas.TextOut(x, y, FCaption);
}

void TCustomRChart::drawScales() {
    for (int n = 1; n <= kLayerCount; ++n)
        ScaleControlX(n)->DrawNow();
    for (int n = 1; n <= kLayerCount; ++n)
        ScaleControlY(n)->DrawNow();
}

void TCustomRChart::drawCrossHairs() {
    const std::array<const TCrossHair*, CrossHairCount> crossHairs{FCrossHairs[0], FCrossHairs[1],
                                                                   FCrossHairs[2], FCrossHairs[3]};
    ::drawCrossHairs(
        FFrame.Canvas(), crossHairs,
        [this](int layer, double x, double y) { return DataToPixel(layer, x, y); }, dataAreaRect(),
        FChartColor);
}

// ---- Data-area bitmap

void TCustomRChart::DrawBackground() {
    drawBackground(sizedDataArea());
    FDataAreaInFrame = false; // drawn over in full
}

TCanvas& TCustomRChart::sizedDataArea() {
    FDataArea.SetSize(std::max(FGeometry.DataWidth() + 1, 0), std::max(FGeometry.DataHeight() + 1, 0));
    return FDataArea.Canvas();
}

void TCustomRChart::drawBackground(TCanvas& canvas) {
    const LayerMap& layer1 = FMaps[0];
    const QPoint origin(FGeometry.MarginLeft, FGeometry.MarginTop);
    ::drawBackground(*FBackGroundImg, canvas, FChartColor, FChartFrameColor, [&](double x, double y) {
        return QPoint(paintClamp(layer1.X.ToPixel(x)), paintClamp(layer1.Y.ToPixel(y))) - origin;
    });
}

ItemPassSettings TCustomRChart::itemPassSettings(int left, int top) const {
    ItemPassSettings s;
    s.Origin = QPoint(left, top);
    s.DataOrigin = QPoint(FGeometry.MarginLeft, FGeometry.MarginTop);
    s.LineWidth = LineWidth();
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
    fireRender(FOnBeforeRenderData, this, target, FGeometry.MarginTop - top, FGeometry.MarginLeft - left);
    target->Pen().Color = penColor;
    target->Brush().Color = brushColor;
    if (FGridStyle != gsNone) drawGrid(*target, left, top);
    CanvasItemTarget items(*target);
    drawItemList(items, Items(), FMaps, itemPassSettings(left, top));
    drawOverItems(*target, left, top);
}

void TCustomRChart::drawOverItems(TCanvas& canvas, int left, int top) {
    drawTextLabels(canvas, left, top);
    TCanvas* target = &canvas;
    fireRender(FOnDataRendered, this, target, FGeometry.MarginTop - top, FGeometry.MarginLeft - left);
    drawDataFrame(*target, left, top);
}

ItemSnapshot::Basis TCustomRChart::snapshotBasis() const {
    return {FLook, dataAreaInFrame().size(), LineWidth(), CurrentLayer()};
}

// The data area as DrawBackground and DrawItems draw it, on a canvas of its size: from the kept
// picture of the leading items when they are the same as last time, else from its background.
// `onBitmap` tells whether the canvas is the data-area bitmap's (sized), which a handler that draws
// before the items is given; without it nothing is drawn. Returns whether it drew.
bool TCustomRChart::paintDataArea(TCanvas& canvas, bool onBitmap) {
    // OnBeforeRenderData may draw anything, or have the items drawn elsewhere.
    if (FOnBeforeRenderData) {
        if (!onBitmap) return false;
        FItemSnapshot.forget();
        DrawBackground();
        DrawItems(canvas, 0, 0);
        FItemsDrawn = ItemCount();
        return true;
    }
    const ItemSnapshot::Basis basis = snapshotBasis();
    ItemPassPlan plan;
    plan.From = FItemSnapshot.resumableAt(basis, Items());
    if (plan.From > 0) {
        plan.Resume = FItemSnapshot.restore(canvas);
    } else {
        drawBackground(canvas);
        if (FGridStyle != gsNone) drawGrid(canvas, 0, 0);
    }
    plan.PauseBefore = FItemSnapshot.pausePoint(Items(), plan.From);
    plan.OnPause = [&](const ItemPassState& state) {
        FItemSnapshot.keep(basis, canvas, state, plan.PauseBefore);
    };
    CanvasItemTarget target(canvas);
    drawItemList(target, Items(), FMaps, itemPassSettings(0, 0), plan);
    FItemsDrawn = ItemCount() - plan.From;
    FItemSnapshot.remember(basis, Items());
    drawOverItems(canvas, 0, 0);
    return true;
}

QRect TCustomRChart::dataAreaInFrame() const {
    return {FGeometry.MarginLeft, FGeometry.MarginTop, FGeometry.DataWidth() + 1, FGeometry.DataHeight() + 1};
}

bool TCustomRChart::paintDataAreaInFrame() {
    FDataAreaPlace = dataAreaInFrame();
    QImage area = FFrame.View(FDataAreaPlace);
    if (area.size() != FDataAreaPlace.size()) return false;
    TCanvas canvas(&area);
    return paintDataArea(canvas, false);
}

// What the crosshairs will cover in the frame's data area, kept so that the data area alone can be
// had back (DataAreaImage) while it was drawn right into the frame. A wide line reaches no further
// than its width from its middle.
void TCustomRChart::keepUnderCrossHairs() {
    FUnderCrossHairs.clear();
    if (!FDataAreaInFrame) return;
    const QRect area = FDataAreaPlace;
    for (const TCrossHair* c : FCrossHairs) {
        if (c->Mode() == TCrossHairMode::chOff) continue;
        const QPoint p = DataToPixel(c->Layer(), c->PosX(), c->PosY());
        const int w = c->LineWid();
        for (const QRect& strip : {QRect(area.left(), p.y() - w, area.width(), 2 * w + 1),
                                   QRect(p.x() - w, area.top(), 2 * w + 1, area.height())}) {
            const QRect part = strip & area;
            if (!part.isEmpty())
                FUnderCrossHairs.push_back({part.topLeft() - area.topLeft(), FFrame.Image().copy(part)});
        }
    }
}

const QImage& TCustomRChart::DataAreaImage() const {
    if (FDataAreaInFrame) {
        QImage area = FFrame.Image().copy(FDataAreaPlace);
        QPainter painter(&area);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        for (const auto& [at, pixels] : FUnderCrossHairs)
            painter.drawImage(at, pixels);
        painter.end();
        FDataArea.SetImage(area);
        FDataAreaInFrame = false;
    }
    return FDataArea.Image();
}

void TCustomRChart::drawDataFrame(TCanvas& canvas, int left, int top) {
    canvas.Pen() = TPen{FChartFrameColor, 1, psSolid, pmCopy};
    drawOutline(canvas, left, top, left + FGeometry.DataWidth(), top + FGeometry.DataHeight());
}

void TCustomRChart::drawTextLabels(TCanvas& canvas, int left, int top) {
    const QPoint shift(left - FGeometry.MarginLeft, top - FGeometry.MarginTop);
    for (const TTextLabel* label : FTextLabels) {
        if (!label->Shown()) continue;
        const QPoint p = DataToPixel(label->Layer(), label->PosX(), label->PosY());
        drawTextLabel(canvas, *label, QPoint(paintClamp(p.x()), paintClamp(p.y())) + shift);
    }
}

// ---- Grid

void TCustomRChart::drawGrid(TCanvas& canvas, int left, int top) {
    const int layer = CurrentLayer();
    const TScaleProps& x = *ScaleX(layer);
    const TScaleProps& y = *ScaleY(layer);
    const std::vector<double> xs =
        gridValues(x.RangeLow(), x.RangeHigh(), x.Logarithmic(), FGridDx, ticksOf(*ScaleControlX(layer)));
    const std::vector<double> ys =
        gridValues(y.RangeLow(), y.RangeHigh(), y.Logarithmic(), FGridDy, ticksOf(*ScaleControlY(layer)));
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
                const QPoint p = DataToPixel(layer, vx, vy);
                canvas.SetPixels(paintClamp(p.x()) + shift.x(), paintClamp(p.y()) + shift.y(), FGridColor);
            }
        return;
    }
    drawGridLines(canvas, xs, ys, left, top);
}

void TCustomRChart::drawGridLines(TCanvas& canvas, const std::vector<double>& xs,
                                  const std::vector<double>& ys, int left, int top) {
    const int layer = CurrentLayer();
    const TScaleProps& x = *ScaleX(layer);
    const TScaleProps& y = *ScaleY(layer);
    const LayerMap& map = FMaps[layerSlot(layer)];
    const auto toX = [&](double v) { return paintClamp(map.X.ToPixel(v)) - FGeometry.MarginLeft + left; };
    const auto toY = [&](double v) { return paintClamp(map.Y.ToPixel(v)) - FGeometry.MarginTop + top; };
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
