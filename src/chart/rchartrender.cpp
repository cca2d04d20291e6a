#include "chart/rchartrender.h"

#include "chart/chartmarks.h"
#include "platform/graphics/canvas.h"

#include <QPolygon>

#include <algorithm>

void CanvasItemTarget::SetPenWidth(int width) {
    FCanvas.Pen().Width = width;
}
void CanvasItemTarget::SetPenColor(TColor color) {
    FCanvas.Pen().Color = color;
}
void CanvasItemTarget::SetPenStyle(TPenStyle style) {
    FCanvas.Pen().Style = style;
}

void CanvasItemTarget::SetBrushColor(TColor color) {
    FCanvas.Brush().Color = color;
    FCanvas.Brush().Style = bsSolid;
}

void CanvasItemTarget::SetBrushClear() {
    FCanvas.Brush().Style = bsClear;
}
void CanvasItemTarget::MoveTo(QPoint p) {
    FCanvas.MoveTo(p.x(), p.y());
}
void CanvasItemTarget::LineTo(QPoint p) {
    FCanvas.LineTo(p.x(), p.y());
}

void CanvasItemTarget::Polyline(const std::vector<QPoint>& points) {
    FCanvas.Polyline(QPolygon(points.begin(), points.end()));
}

void CanvasItemTarget::SetPixel(QPoint p, TColor color) {
    FCanvas.SetPixels(p.x(), p.y(), color);
}
void CanvasItemTarget::SetFontColor(TColor color) {
    FCanvas.Font().SetColor(color);
}

void CanvasItemTarget::SetFont(TFontStyles style, int points) {
    FCanvas.Font().SetStyle(style);
    FCanvas.Font().SetSize(points);
}

QSize CanvasItemTarget::TextExtent(const QString& text) {
    return FCanvas.TextExtent(text);
}
void CanvasItemTarget::TextOut(QPoint topLeft, const QString& text) {
    FCanvas.TextOut(topLeft.x(), topLeft.y(), text);
}
void CanvasItemTarget::DrawMark(int markType, QPoint centre) {
    ::drawMark(FCanvas, markType, centre.x(), centre.y());
}

namespace {

// One pass over the items: the attribute cache, the current position and the open polyline.
class ItemPass {
public:
    ItemPass(ItemTarget& target, const PerLayer<LayerMap>& maps, const ItemPassSettings& settings)
        : FTarget(target), FMaps(maps), FSettings(settings), FPenWidth(settings.LineWidth),
          FPenColor(settings.ChartColor), FBrushColor(settings.ChartColor), FFontColor(settings.ChartColor),
          FCurrent(settings.Origin) {
        FPoints.reserve(kMaxPolylinePoints);
        FTarget.SetPenWidth(FPenWidth);
        FTarget.MoveTo(FCurrent);
        FTarget.SetPenColor(FPenColor);
        FTarget.SetBrushColor(FBrushColor);
        FTarget.SetPenStyle(FPenStyle);
    }

    void draw(const TChartItem& item) {
        if (item.LineWidth != FPenWidth) {
            flush();
            FPenWidth = item.LineWidth;
            FTarget.SetPenWidth(FPenWidth);
        }
        switch (item.Kind) {
        case ikMark:
            drawMark(item);
            break;
        case ikLine:
            drawLine(item);
            break;
        case ikLineTo:
            addPoint(item);
            break;
        case ikText:
            drawText(item);
            break;
        default:
            break;
        }
    }

    void finish() {
        flush();
        FTarget.SetPenWidth(1);
    }

private:
    QPoint toTarget(int layer, double x, double y) const {
        const LayerMap& map = FMaps[layerSlot(layer)];
        const QPoint control(paintClamp(map.X.ToPixel(x)), paintClamp(map.Y.ToPixel(y)));
        return control - FSettings.DataOrigin + FSettings.Origin;
    }

    void penColor(TColor color) {
        if (color != FPenColor) FTarget.SetPenColor(FPenColor = color);
    }
    void penStyle(TPenStyle style) {
        if (style != FPenStyle) FTarget.SetPenStyle(FPenStyle = style);
    }
    void brushColor(TColor color) {
        if (color != FBrushColor) FTarget.SetBrushColor(FBrushColor = color);
    }

    void drawMark(const TChartItem& item) {
        flush();
        penColor(item.Color);
        penStyle(item.PenStyle);
        FTarget.DrawMark(item.MarkOrAlign, toTarget(item.Layer, item.X1, item.Y1));
    }

    void drawLine(const TChartItem& item) {
        flush();
        penColor(item.Color);
        penStyle(item.PenStyle);
        brushColor(item.FillColor);
        const QPoint from = toTarget(item.Layer, item.X1, item.Y1);
        const QPoint to = toTarget(item.Layer, item.X2, item.Y2);
        if (from == to) {
            FTarget.SetPixel(from, item.Color);
            return;
        }
        FTarget.MoveTo(from);
        FTarget.LineTo(to);
        FCurrent = to;
    }

    void addPoint(const TChartItem& item) {
        if (item.Color != FPenColor || item.PenStyle != FPenStyle || item.FillColor != FBrushColor) {
            flush();
            FTarget.SetPenColor(FPenColor = item.Color);
            FTarget.SetPenStyle(FPenStyle = item.PenStyle);
            FTarget.SetBrushColor(FBrushColor = item.FillColor);
        }
        if (FPoints.empty()) FPoints.push_back(FCurrent);
        FPoints.push_back(toTarget(item.Layer, item.X1, item.Y1));
        if (static_cast<int>(FPoints.size()) >= kMaxPolylinePoints) flush();
    }

    void drawText(const TChartItem& item) {
        flush();
        if (item.Color != FFontColor) FTarget.SetFontColor(FFontColor = item.Color);
        FTarget.SetFont(FSettings.TextFontStyle, item.FontSize);
        if (FSettings.SolidTextBackground)
            FTarget.SetBrushColor(FBrushColor = FSettings.TextBkColor);
        else
            FTarget.SetBrushClear();
        const QSize extent = FTarget.TextExtent(item.Text);
        QPoint p = toTarget(item.Layer, item.X1, item.Y1) - QPoint(0, extent.height() / 2);
        if (item.MarkOrAlign == 1)
            p.rx() -= extent.width();
        else if (item.MarkOrAlign == 2)
            p.rx() -= extent.width() / 2;
        FTarget.TextOut(p, item.Text);
    }

    // Draws the open polyline; its last point becomes the current position.
    void flush() {
        if (FPoints.empty()) return;
        FTarget.Polyline(FPoints);
        FCurrent = FPoints.back();
        FTarget.MoveTo(FCurrent);
        FPoints.clear();
    }

    ItemTarget& FTarget;
    const PerLayer<LayerMap>& FMaps;
    const ItemPassSettings& FSettings;
    int FPenWidth;
    TColor FPenColor;
    TColor FBrushColor;
    TColor FFontColor;
    TPenStyle FPenStyle = psSolid;
    QPoint FCurrent;
    std::vector<QPoint> FPoints;
};

} // namespace

void drawItemList(ItemTarget& target, const ChartItemList& items, const PerLayer<LayerMap>& maps,
                  const ItemPassSettings& settings) {
    ItemPass pass(target, maps, settings);
    for (int i = 0; i < items.Count(); ++i)
        pass.draw(items[i]);
    pass.finish();
}
