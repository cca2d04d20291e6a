// What TCustomRChart keeps for itself: its state and the steps its published functions are made of.
// Only the chart's own source files include this header.
#pragma once

#include "chart/chartinput.h"
#include "chart/chartlayers.h"
#include "chart/chartlook.h"
#include "chart/itempass/itemlist.h"
#include "chart/itempass/itempass.h"
#include "chart/paintcache.h"
#include "chart/rchart.h"
#include "platform/graphics/assignchanged.h"

#include <QImage>
#include <QRect>

#include <array>
#include <functional>
#include <vector>

// The chart's state in parts: its look, its layer set and its input handler, beside the items, the
// paint cache and its own parts (background image, crosshairs, text labels).
struct TCustomRChart::Private {
    explicit Private(TCustomRChart& chart) : q(chart), FInput(chart, FLayers, FSuppressPaint) {}

    // Suppresses painting for its lifetime and restores the previous state (repainting if that was
    // "not suppressed").
    struct PaintSuppression;

    // Stores a value that changes the chart's look and repaints when it changed.
    template <typename T> void setLook(T& field, const T& value) {
        if (assignChanged(field, value)) q.RepaintIfAuto();
    }

    // Items and sharing (rchart_items.cpp).
    void leaveOwner();
    void joinOwner(TCustomRChart* owner);

    // Layers (rchart_layers.cpp).
    void createLayers();
    void setMargin(int& margin, int value);
    void geometryChanged(bool isometric);
    void scaleSettingsChanged();
    void syncScaleControls();
    void syncScaleControl(int layer);
    void recomputeTransform();
    // The picture has a new size (the control was resized or zoomed).
    void pictureResized();
    QRect controlRect(const QRect& picture) const;
    void setLayerRanges(int layer, double xLow, double xHigh, double yLow, double yHigh);
    void followControllers(int layer);
    void layerJoined(JointAxis axis, int layer);
    void applyLayout(const LayoutPreset& layout);

    // Painting (rchart.cpp, rchart_paint.cpp).
    void createParts();
    // Crosshairs and text labels are drawn on every paint: their changes keep frame and items.
    void partsChanged();
    void drawFrame();
    void drawScales();
    ItemPassSettings itemPassSettings(int left, int top) const;
    void drawGrid(TCanvas& canvas, int left, int top);
    void drawGridLines(TCanvas& canvas, const std::vector<double>& xs, const std::vector<double>& ys,
                       int left, int top);
    void drawDataFrame(TCanvas& canvas, int left, int top);
    void drawTextLabels(TCanvas& canvas, int left, int top);
    void drawCrossHairs();
    bool frameCurrent() const;
    void coverControl();
    bool paintDataArea(TCanvas& canvas, bool onBitmap);
    // The data-area bitmap at the data area's size.
    TCanvas& sizedDataArea();
    void drawBackground(TCanvas& canvas);
    QRect dataAreaInFrame() const;
    bool paintDataAreaInFrame();
    void keepUnderCrossHairs();
    // Text labels, OnDataRendered and the data-area frame: what lies over the items.
    void drawOverItems(TCanvas& canvas, int left, int top);
    ItemSnapshot::Basis snapshotBasis() const;
    TRect dataAreaRect() const;

    // Mouse (rchart_mouse.cpp).
    void initMouse();
    // Runs `show` with the picture as the screen shows it, the input's overlays drawn over it.
    void showScreen(const std::function<void(const QImage&)>& show);

    TCustomRChart& q;
    ChartItems FItems;
    TCustomRChart* FUseDataOf = nullptr;
    std::vector<TCustomRChart*> FSharingCharts;
    bool FSuppressPaint = true;
    bool FAutoRedraw = true;
    bool FWindowCreated = false;
    ChartLook FLook;
    ChartLayers FLayers;
    ChartInput FInput;
    TBakGndImg* FBackGroundImg = nullptr;
    std::array<TCrossHair*, CrossHairCount> FCrossHairs{};
    std::array<TTextLabel*, TextLabelCount> FTextLabels{};
    ChartPaintCache FCache;
    TRenderEvent FOnBeforeRenderData;
    TRenderEvent FOnDataRendered;
    TRenderEvent FOnScalesRendered;
    TScaleTickDrawnEvent FOnScaleTickDrawn;
};
