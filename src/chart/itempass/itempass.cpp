#include "chart/itempass/itempass.h"

#include "chart/itempass/chartmarks.h"
#include "chart/itempass/columnrun.h"
#include "chart/itempass/paintaxis.h"
#include "platform/graphics/canvas.h"

#include <QPolygon>

#include <algorithm>

using enum Graphics::TBrushStyle;
using enum Graphics::TPenMode;
using enum Graphics::TPenStyle;

void CanvasItemTarget::setPenWidth(int width) {
    FCanvas.Pen().Width = width;
}
void CanvasItemTarget::setPenColor(TColor color) {
    FCanvas.Pen().Color = color;
}
void CanvasItemTarget::setPenStyle(TPenStyle style) {
    FCanvas.Pen().Style = style;
}

void CanvasItemTarget::setBrushColor(TColor color) {
    FCanvas.Brush().Color = color;
    FCanvas.Brush().Style = bsSolid;
}

void CanvasItemTarget::setBrushClear() {
    FCanvas.Brush().Style = bsClear;
}
void CanvasItemTarget::moveTo(QPoint p) {
    FCanvas.MoveTo(p.x(), p.y());
}
void CanvasItemTarget::lineTo(QPoint p) {
    FCanvas.LineTo(p.x(), p.y());
}

void CanvasItemTarget::polyline(const std::vector<QPoint>& points) {
    FCanvas.Polyline(QPolygon(points.begin(), points.end()));
}

void CanvasItemTarget::setPixel(QPoint p, TColor color) {
    FCanvas.SetPixels(p.x(), p.y(), color);
}
void CanvasItemTarget::setFontColor(TColor color) {
    FCanvas.Font().SetColor(color);
}

void CanvasItemTarget::setFont(TFontStyles style, int points) {
    FCanvas.Font().SetStyle(style);
    FCanvas.Font().SetSize(points);
}

QSize CanvasItemTarget::textExtent(const QString& text) {
    return FCanvas.TextExtent(text);
}
void CanvasItemTarget::textOut(QPoint topLeft, const QString& text) {
    FCanvas.TextOut(topLeft.x(), topLeft.y(), text);
}
void CanvasItemTarget::drawMark(int markType, QPoint centre) {
    ::drawMark(FCanvas, markType, centre.x(), centre.y());
}
bool CanvasItemTarget::penOverdrawHarmless() const {
    return FCanvas.Pen().Mode == pmCopy;
}

namespace {

// One pass over the items: the attribute cache, the current position and the open polyline.
class ItemPass {
public:
    ItemPass(ItemTarget& target, const ChartItemList& items, const PerLayer<LayerMap>& maps,
             const ItemPassSettings& settings)
        : FTarget(target), FItems(items), FSettings(settings),
          FOverdrawHarmless(target.penOverdrawHarmless()), FPenWidth(settings.LineWidth),
          FPenColor(settings.ChartColor), FBrushColor(settings.ChartColor), FFontColor(settings.ChartColor),
          FCurrent(settings.Origin) {
        mapLayers(maps);
        target.setPenWidth(FPenWidth);
        target.moveTo(FCurrent);
        target.setPenColor(FPenColor);
        target.setBrushColor(FBrushColor);
        target.setPenStyle(FPenStyle);
    }
    // Takes up where a paused pass stood; the target is as the pass left it.
    ItemPass(ItemTarget& target, const ChartItemList& items, const PerLayer<LayerMap>& maps,
             const ItemPassSettings& settings, const ItemPassState& state)
        : FTarget(target), FItems(items), FSettings(settings),
          FOverdrawHarmless(target.penOverdrawHarmless()), FPenWidth(state.PenWidth),
          FPenColor(state.PenColor), FBrushColor(state.BrushColor), FFontColor(state.FontColor),
          FPenStyle(state.PenStyle), FCurrent(state.Current) {
        mapLayers(maps);
    }

    // Draws the item at index, or the run of polyline points starting there; returns the index of
    // the next item to draw.
    int draw(int index) {
        const TChartItem& item = FItems[index];
        if (item.LineWidth != FPenWidth) {
            flush();
            FPenWidth = item.LineWidth;
            FTarget.setPenWidth(FPenWidth);
        }
        switch (item.Kind) {
        case ikMark:
            drawMark(item);
            break;
        case ikLine:
            drawLine(item);
            break;
        case ikLineTo:
            usePointAttributes(item);
            if (thinnable()) return addThinnedPoints(index);
            keep(toTarget(item.Layer, item.X1, item.Y1));
            break;
        case ikText:
            drawText(item);
            break;
        default:
            break;
        }
        return index + 1;
    }

    void finish() {
        flush();
        FTarget.setPenWidth(1);
    }

    ItemPassState pause() {
        flush();
        return {FPenWidth, FPenColor, FBrushColor, FFontColor, FPenStyle, FCurrent};
    }

private:
    void mapLayers(const PerLayer<LayerMap>& maps) {
        for (std::size_t i = 0; i < maps.size(); ++i)
            FLayers[i] = {PaintAxis(maps[i].X), PaintAxis(maps[i].Y)};
        FPoints.reserve(kMaxPolylinePoints);
    }

    QPoint toTarget(int layer, double x, double y) const {
        const PaintLayer& map = FLayers[layerSlot(layer)];
        const QPoint control(map.X.pixel(x), map.Y.pixel(y));
        return control - FSettings.DataOrigin + FSettings.Origin;
    }

    void usePenColor(TColor color) {
        if (color != FPenColor) FTarget.setPenColor(FPenColor = color);
    }
    void usePenStyle(TPenStyle style) {
        if (style != FPenStyle) FTarget.setPenStyle(FPenStyle = style);
    }
    void useBrushColor(TColor color) {
        if (color != FBrushColor) FTarget.setBrushColor(FBrushColor = color);
    }

    void drawMark(const TChartItem& item) {
        flush();
        usePenColor(item.Color);
        usePenStyle(item.PenStyle);
        FTarget.drawMark(item.MarkOrAlign, toTarget(item.Layer, item.X1, item.Y1));
    }

    void drawLine(const TChartItem& item) {
        flush();
        usePenColor(item.Color);
        usePenStyle(item.PenStyle);
        useBrushColor(item.FillColor);
        const QPoint from = toTarget(item.Layer, item.X1, item.Y1);
        const QPointF end = FItems.endOf(item);
        const QPoint to = toTarget(item.Layer, end.x(), end.y());
        if (from == to) {
            FTarget.setPixel(from, item.Color);
            return;
        }
        FTarget.moveTo(from);
        FTarget.lineTo(to);
        FCurrent = to;
    }

    void usePointAttributes(const TChartItem& item) {
        if (item.Color != FPenColor || item.PenStyle != FPenStyle || item.FillColor != FBrushColor) {
            flush();
            FTarget.setPenColor(FPenColor = item.Color);
            FTarget.setPenStyle(FPenStyle = item.PenStyle);
            FTarget.setBrushColor(FBrushColor = item.FillColor);
        }
    }

    // The points from index on that are drawn alike, thinned column by column. Long lines spend
    // most of their time here: a point whose x lies in the span of the column before is not mapped
    // again.
    int addThinnedPoints(int index) {
        const TChartItem& head = FItems[index];
        const PaintLayer& map = FLayers[layerSlot(head.Layer)];
        const QPoint shift = FSettings.Origin - FSettings.DataOrigin;
        PaintAxis::Span span;
        int x = 0;
        for (; index < FItems.count() && drawnAlike(FItems[index], head); ++index) {
            const TChartItem& item = FItems[index];
            if (!span.holds(item.X1)) {
                x = map.X.pixel(item.X1);
                span = map.X.pixelSpan(x);
            }
            keep(FColumn.add(QPoint(x, map.Y.pixel(item.Y1)) + shift));
        }
        return index;
    }

    static bool drawnAlike(const TChartItem& item, const TChartItem& head) {
        return item.Kind == ikLineTo && item.Layer == head.Layer && item.Color == head.Color &&
               item.FillColor == head.FillColor && item.PenStyle == head.PenStyle &&
               item.LineWidth == head.LineWidth;
    }

    // Pen width and style only change after a flush, which closes the column run.
    bool thinnable() const { return FOverdrawHarmless && FPenWidth <= 1 && FPenStyle == psSolid; }

    void keep(std::span<const QPoint> kept) {
        for (QPoint p : kept)
            keep(p);
    }

    void keep(QPoint p) {
        if (FPoints.empty()) FPoints.push_back(FCurrent);
        FPoints.push_back(p);
        if (static_cast<int>(FPoints.size()) >= kMaxPolylinePoints) drawPolyline();
    }

    void drawText(const TChartItem& item) {
        flush();
        if (item.Color != FFontColor) FTarget.setFontColor(FFontColor = item.Color);
        const StoredText& text = FItems.textOf(item);
        FTarget.setFont(FSettings.TextFontStyle, text.FontSize);
        if (FSettings.SolidTextBackground)
            FTarget.setBrushColor(FBrushColor = FSettings.TextBkColor);
        else
            FTarget.setBrushClear();
        const QSize extent = FTarget.textExtent(text.Text);
        QPoint p = toTarget(item.Layer, item.X1, item.Y1) - QPoint(0, extent.height() / 2);
        if (item.MarkOrAlign == 1)
            p.rx() -= extent.width();
        else if (item.MarkOrAlign == 2)
            p.rx() -= extent.width() / 2;
        FTarget.textOut(p, text.Text);
    }

    // Draws the open polyline with the rest of its column run.
    void flush() {
        keep(FColumn.close());
        drawPolyline();
    }

    // Draws the open polyline; its last point becomes the current position.
    void drawPolyline() {
        if (FPoints.empty()) return;
        FTarget.polyline(FPoints);
        FCurrent = FPoints.back();
        FTarget.moveTo(FCurrent);
        FPoints.clear();
    }

    ItemTarget& FTarget;
    const ChartItemList& FItems;
    PerLayer<PaintLayer> FLayers;
    const ItemPassSettings& FSettings;
    const bool FOverdrawHarmless;
    int FPenWidth;
    TColor FPenColor;
    TColor FBrushColor;
    TColor FFontColor;
    TPenStyle FPenStyle = psSolid;
    QPoint FCurrent;
    std::vector<QPoint> FPoints;
    ColumnRun FColumn;
};

} // namespace

void drawItemList(ItemTarget& target, const ChartItemList& items, const PerLayer<LayerMap>& maps,
                  const ItemPassSettings& settings, const ItemPassPlan& plan) {
    ItemPass pass = plan.Resume ? ItemPass(target, items, maps, settings, *plan.Resume)
                                : ItemPass(target, items, maps, settings);
    // A pause comes before an item that closes the polyline, never inside a run of polyline points.
    for (int i = plan.From; i < items.count();) {
        if (i == plan.PauseBefore) plan.OnPause(pass.pause());
        i = pass.draw(i);
    }
    pass.finish();
}

bool closesPolyline(const TChartItem& item) {
    return item.Kind == ikMark || item.Kind == ikLine || item.Kind == ikText;
}
