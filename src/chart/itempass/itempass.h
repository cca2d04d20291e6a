// The item pass of the chart: walks the item list in order and draws each item through a small
// drawing target, setting pen, brush and font only when they change, and joining runs of polyline
// points into polylines of at most 200 points. With a one-pixel solid pen on a target where drawing
// a pixel twice changes nothing, runs of points within one pixel column are thinned first (see
// ColumnRun). The target is an interface so that the pass can be watched call by call;
// CanvasItemTarget draws on a canvas.
#pragma once

#include "chart/itempass/axismap.h"
#include "chart/itempass/itemlist.h"
#include "chart/itempass/layers.h"
#include "platform/graphics/graphics.h"
#include "platform/graphics/tcolor.h"

#include <QPoint>
#include <QSize>
#include <QString>

#include <array>
#include <functional>
#include <optional>
#include <vector>

class TCanvas;

class ItemTarget {
public:
    virtual ~ItemTarget() = default;
    virtual void setPenWidth(int width) = 0;
    virtual void setPenColor(TColor color) = 0;
    virtual void setPenStyle(TPenStyle style) = 0;
    // Setting a brush colour makes a clear brush solid.
    virtual void setBrushColor(TColor color) = 0;
    virtual void setBrushClear() = 0;
    virtual void moveTo(QPoint p) = 0;
    // Leaves out the end pixel; the pen position becomes p.
    virtual void lineTo(QPoint p) = 0;
    // Joined lines through the points; the last point is left out.
    virtual void polyline(const std::vector<QPoint>& points) = 0;
    virtual void setPixel(QPoint p, TColor color) = 0;
    virtual void setFontColor(TColor color) = 0;
    virtual void setFont(TFontStyles style, int points) = 0;
    virtual QSize textExtent(const QString& text) = 0;
    virtual void textOut(QPoint topLeft, const QString& text) = 0;
    virtual void drawMark(int markType, QPoint centre) = 0;
    // Whether a pixel the pen draws twice looks as if drawn once (not so where the pen combines
    // with the picture). Targets that cannot tell get every point.
    virtual bool penOverdrawHarmless() const { return false; }
};

class CanvasItemTarget : public ItemTarget {
public:
    explicit CanvasItemTarget(TCanvas& canvas) : FCanvas(canvas) {}
    void setPenWidth(int width) override;
    void setPenColor(TColor color) override;
    void setPenStyle(TPenStyle style) override;
    void setBrushColor(TColor color) override;
    void setBrushClear() override;
    void moveTo(QPoint p) override;
    void lineTo(QPoint p) override;
    void polyline(const std::vector<QPoint>& points) override;
    void setPixel(QPoint p, TColor color) override;
    void setFontColor(TColor color) override;
    void setFont(TFontStyles style, int points) override;
    QSize textExtent(const QString& text) override;
    void textOut(QPoint topLeft, const QString& text) override;
    void drawMark(int markType, QPoint centre) override;
    bool penOverdrawHarmless() const override;

private:
    TCanvas& FCanvas;
};

struct ItemPassSettings {
    // Where the data area's top-left corner lies on the target, and where it lies in control
    // coordinates (the margins): item pixels move by origin - dataOrigin.
    QPoint Origin;
    QPoint DataOrigin;
    int LineWidth = 1;
    TColor ChartColor = clWhite;
    TFontStyles TextFontStyle;
    bool SolidTextBackground = false;
    TColor TextBkColor = clWhite;
};

constexpr int kMaxPolylinePoints = 200;

// Where a pass stands between two items with no polyline open: the attributes it last gave the
// target and the pen position. Resumed from it, with the target as it was, a pass draws the
// following items exactly as the uninterrupted pass would.
struct ItemPassState {
    int PenWidth = 1;
    TColor PenColor = clBlack;
    TColor BrushColor = clBlack;
    TColor FontColor = clBlack;
    TPenStyle PenStyle = TPenStyle::psSolid;
    QPoint Current;
};

// Which part of the list a pass draws: from item From on, resuming from Resume (a fresh pass when
// empty), and reporting its state to OnPause before item PauseBefore, which must close any open
// polyline itself (see closesPolyline).
struct ItemPassPlan {
    int From = 0;
    std::optional<ItemPassState> Resume;
    int PauseBefore = -1;
    std::function<void(const ItemPassState&)> OnPause;
};

// Draws the items in list order; layer n is placed through maps[n - 1]. Leaves the pen width at 1.
void drawItemList(ItemTarget& target, const ChartItemList& items, const PerLayer<LayerMap>& maps,
                  const ItemPassSettings& settings, const ItemPassPlan& plan = {});

// Whether drawing this item begins by closing the open polyline, whatever the pass's state: a pass
// paused just before it continues unchanged.
bool closesPolyline(const TChartItem& item);
