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

void CanvasItemTarget::SetPenWidth(int width) {
    canvas.Pen().Width = width;
}
void CanvasItemTarget::SetPenColor(TColor color) {
    canvas.Pen().Color = color;
}
void CanvasItemTarget::SetPenStyle(TPenStyle style) {
    canvas.Pen().Style = style;
}

void CanvasItemTarget::SetBrushColor(TColor color) {
    canvas.Brush().Color = color;
    canvas.Brush().Style = bsSolid;
}

void CanvasItemTarget::SetBrushClear() {
    canvas.Brush().Style = bsClear;
}
void CanvasItemTarget::MoveTo(QPoint p) {
    canvas.MoveTo(p.x(), p.y());
}
void CanvasItemTarget::LineTo(QPoint p) {
    canvas.LineTo(p.x(), p.y());
}

void CanvasItemTarget::Polyline(const std::vector<QPoint>& points) {
    canvas.Polyline(QPolygon(points.begin(), points.end()));
}

void CanvasItemTarget::SetPixel(QPoint p, TColor color) {
    canvas.SetPixels(p.x(), p.y(), color);
}
void CanvasItemTarget::SetFontColor(TColor color) {
    canvas.Font().SetColor(color);
}

void CanvasItemTarget::SetFont(TFontStyles style, int points) {
    canvas.Font().SetStyle(style);
    canvas.Font().SetSize(points);
}

QSize CanvasItemTarget::TextExtent(const QString& text) {
    return canvas.TextExtent(text);
}
void CanvasItemTarget::TextOut(QPoint topLeft, const QString& text) {
    canvas.TextOut(topLeft.x(), topLeft.y(), text);
}
void CanvasItemTarget::DrawMark(int markType, QPoint centre) {
    ::drawMark(canvas, markType, centre.x(), centre.y());
}
bool CanvasItemTarget::PenOverdrawHarmless() const {
    return canvas.Pen().Mode == pmCopy;
}

namespace {

// One pass over the items: the attribute cache, the current position and the open polyline.
class ItemPass {
public:
    ItemPass(ItemTarget& target, const ChartItemList& items, const PerLayer<LayerMap>& maps,
             const ItemPassSettings& settings)
        : target(target), items(items), settings(settings), overdrawHarmless(target.PenOverdrawHarmless()),
          penWidth(settings.LineWidth), penColor(settings.ChartColor), brushColor(settings.ChartColor),
          fontColor(settings.ChartColor), current(settings.Origin) {
        mapLayers(maps);
        target.SetPenWidth(penWidth);
        target.MoveTo(current);
        target.SetPenColor(penColor);
        target.SetBrushColor(brushColor);
        target.SetPenStyle(penStyle);
    }
    // Takes up where a paused pass stood; the target is as the pass left it.
    ItemPass(ItemTarget& target, const ChartItemList& items, const PerLayer<LayerMap>& maps,
             const ItemPassSettings& settings, const ItemPassState& state)
        : target(target), items(items), settings(settings), overdrawHarmless(target.PenOverdrawHarmless()),
          penWidth(state.PenWidth), penColor(state.PenColor), brushColor(state.BrushColor),
          fontColor(state.FontColor), penStyle(state.PenStyle), current(state.Current) {
        mapLayers(maps);
    }

    // Draws the item at index, or the run of polyline points starting there; returns the index of
    // the next item to draw.
    int draw(int index) {
        const TChartItem& item = items[index];
        if (item.LineWidth != penWidth) {
            flush();
            penWidth = item.LineWidth;
            target.SetPenWidth(penWidth);
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
        target.SetPenWidth(1);
    }

    ItemPassState pause() {
        flush();
        return {penWidth, penColor, brushColor, fontColor, penStyle, current};
    }

private:
    void mapLayers(const PerLayer<LayerMap>& maps) {
        for (std::size_t i = 0; i < maps.size(); ++i)
            layers[i] = {PaintAxis(maps[i].X), PaintAxis(maps[i].Y)};
        points.reserve(kMaxPolylinePoints);
    }

    QPoint toTarget(int layer, double x, double y) const {
        const PaintLayer& map = layers[layerSlot(layer)];
        const QPoint control(map.X.Pixel(x), map.Y.Pixel(y));
        return control - settings.DataOrigin + settings.Origin;
    }

    void usePenColor(TColor color) {
        if (color != penColor) target.SetPenColor(penColor = color);
    }
    void usePenStyle(TPenStyle style) {
        if (style != penStyle) target.SetPenStyle(penStyle = style);
    }
    void useBrushColor(TColor color) {
        if (color != brushColor) target.SetBrushColor(brushColor = color);
    }

    void drawMark(const TChartItem& item) {
        flush();
        usePenColor(item.Color);
        usePenStyle(item.PenStyle);
        target.DrawMark(item.MarkOrAlign, toTarget(item.Layer, item.X1, item.Y1));
    }

    void drawLine(const TChartItem& item) {
        flush();
        usePenColor(item.Color);
        usePenStyle(item.PenStyle);
        useBrushColor(item.FillColor);
        const QPoint from = toTarget(item.Layer, item.X1, item.Y1);
        const QPointF end = items.EndOf(item);
        const QPoint to = toTarget(item.Layer, end.x(), end.y());
        if (from == to) {
            target.SetPixel(from, item.Color);
            return;
        }
        target.MoveTo(from);
        target.LineTo(to);
        current = to;
    }

    void usePointAttributes(const TChartItem& item) {
        if (item.Color != penColor || item.PenStyle != penStyle || item.FillColor != brushColor) {
            flush();
            target.SetPenColor(penColor = item.Color);
            target.SetPenStyle(penStyle = item.PenStyle);
            target.SetBrushColor(brushColor = item.FillColor);
        }
    }

    // The points from index on that are drawn alike, thinned column by column. Long lines spend
    // most of their time here: a point whose x lies in the span of the column before is not mapped
    // again.
    int addThinnedPoints(int index) {
        const TChartItem& head = items[index];
        const PaintLayer& map = layers[layerSlot(head.Layer)];
        const QPoint shift = settings.Origin - settings.DataOrigin;
        PaintAxis::Span span;
        int x = 0;
        for (; index < items.Count() && drawnAlike(items[index], head); ++index) {
            const TChartItem& item = items[index];
            if (!span.Holds(item.X1)) {
                x = map.X.Pixel(item.X1);
                span = map.X.PixelSpan(x);
            }
            keep(column.Add(QPoint(x, map.Y.Pixel(item.Y1)) + shift));
        }
        return index;
    }

    static bool drawnAlike(const TChartItem& item, const TChartItem& head) {
        return item.Kind == ikLineTo && item.Layer == head.Layer && item.Color == head.Color &&
               item.FillColor == head.FillColor && item.PenStyle == head.PenStyle &&
               item.LineWidth == head.LineWidth;
    }

    // Pen width and style only change after a flush, which closes the column run.
    bool thinnable() const { return overdrawHarmless && penWidth <= 1 && penStyle == psSolid; }

    void keep(std::span<const QPoint> kept) {
        for (QPoint p : kept)
            keep(p);
    }

    void keep(QPoint p) {
        if (points.empty()) points.push_back(current);
        points.push_back(p);
        if (static_cast<int>(points.size()) >= kMaxPolylinePoints) drawPolyline();
    }

    void drawText(const TChartItem& item) {
        flush();
        if (item.Color != fontColor) target.SetFontColor(fontColor = item.Color);
        const StoredText& text = items.TextOf(item);
        target.SetFont(settings.TextFontStyle, text.FontSize);
        if (settings.SolidTextBackground)
            target.SetBrushColor(brushColor = settings.TextBkColor);
        else
            target.SetBrushClear();
        const QSize extent = target.TextExtent(text.Text);
        QPoint p = toTarget(item.Layer, item.X1, item.Y1) - QPoint(0, extent.height() / 2);
        if (item.MarkOrAlign == 1)
            p.rx() -= extent.width();
        else if (item.MarkOrAlign == 2)
            p.rx() -= extent.width() / 2;
        target.TextOut(p, text.Text);
    }

    // Draws the open polyline with the rest of its column run.
    void flush() {
        keep(column.Close());
        drawPolyline();
    }

    // Draws the open polyline; its last point becomes the current position.
    void drawPolyline() {
        if (points.empty()) return;
        target.Polyline(points);
        current = points.back();
        target.MoveTo(current);
        points.clear();
    }

    ItemTarget& target;
    const ChartItemList& items;
    PerLayer<PaintLayer> layers;
    const ItemPassSettings& settings;
    const bool overdrawHarmless;
    int penWidth;
    TColor penColor;
    TColor brushColor;
    TColor fontColor;
    TPenStyle penStyle = psSolid;
    QPoint current;
    std::vector<QPoint> points;
    ColumnRun column;
};

} // namespace

void drawItemList(ItemTarget& target, const ChartItemList& items, const PerLayer<LayerMap>& maps,
                  const ItemPassSettings& settings, const ItemPassPlan& plan) {
    ItemPass pass = plan.Resume ? ItemPass(target, items, maps, settings, *plan.Resume)
                                : ItemPass(target, items, maps, settings);
    // A pause comes before an item that closes the polyline, never inside a run of polyline points.
    for (int i = plan.From; i < items.Count();) {
        if (i == plan.PauseBefore) plan.OnPause(pass.pause());
        i = pass.draw(i);
    }
    pass.finish();
}

bool closesPolyline(const TChartItem& item) {
    return item.Kind == ikMark || item.Kind == ikLine || item.Kind == ikText;
}
