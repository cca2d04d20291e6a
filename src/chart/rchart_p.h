// What TCustomRChart keeps for itself: its state and the steps its published functions are made of.
// Only the chart's own source files include this header.
#pragma once

#include "chart/dragmath.h"
#include "chart/itempass/axismap.h"
#include "chart/itempass/itemlist.h"
#include "chart/itempass/itempass.h"
#include "chart/itempass/layers.h"
#include "chart/paintcache.h"
#include "chart/rchart.h"
#include "platform/graphics/assignchanged.h"

#include <QPoint>
#include <QRect>

#include <array>
#include <functional>
#include <optional>
#include <vector>

struct TCustomRChart::Private {
    explicit Private(TCustomRChart& chart) : q(chart) {}

    // Holds the chart's own changes to its scale settings apart from changes made from outside.
    struct InternalChange;
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
    void setLayerDefaults(int layer);
    void setMargin(int& margin, int value);
    void geometryChanged(bool isometric);
    void scaleSettingsChanged();
    void syncScaleControls();
    void syncScaleControl(int layer);
    void recomputeTransform();
    // The picture has a new size (the control was resized or zoomed).
    void pictureResized();
    QRect controlRect(const QRect& picture) const;
    static AxisRange rangeOf(const TScaleProps& props);
    void setLayerRanges(int layer, double xLow, double xHigh, double yLow, double yHigh);
    static void setAxisRange(TScaleProps& props, double low, double high);
    void followControllers(int layer);
    void layerJoined(JointAxis axis, int layer);
    void applyIsometric();
    void applyLayout(const LayoutPreset& layout);

    // Painting (rchart.cpp, rchart_paint.cpp).
    void createParts();
    // Crosshairs and text labels are drawn on every paint: their changes keep frame and items.
    void partsChanged();
    void drawFrame();
    void drawShadow(TCanvas& canvas);
    void drawCaption(TCanvas& canvas);
    void drawScales();
    ItemPassSettings itemPassSettings(int left, int top) const;
    void drawGrid(TCanvas& canvas, int left, int top);
    void drawGridLines(TCanvas& canvas, const std::vector<double>& xs, const std::vector<double>& ys,
                       int left, int top);
    void drawDataFrame(TCanvas& canvas, int left, int top);
    void drawTextLabels(TCanvas& canvas, int left, int top);
    void drawCrossHairs();
    bool frameCurrent() const;
    // How often the scale controls' looks have changed, all together.
    long long scaleChanges() const;
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

    // Focus (rchart_focus.cpp).
    std::optional<TRect> focusRing() const;
    TRect focusFrame() const;
    void drawFocusCues(TCanvas& canvas) const;
    void addFocusCueAreas(std::vector<QRect>& areas) const;
    // The mouse has taken over from the keyboard.
    void pressedWithFocus();

    // Mouse (rchart_mouse.cpp).
    void initMouse();
    // The zoom rectangle's outline and the focus cues, drawn over the last paint on the way to the
    // screen: the layout rectangles they cover, and the drawing.
    std::vector<QRect> overlayAreas() const;
    void drawOverlays(TCanvas& canvas) const;
    // Runs `show` with the picture as the screen shows it.
    void showScreen(const std::function<void(const QImage&)>& show);
    DataArea mouseArea() const;
    bool isRectangleMode() const;
    void runDragAction(QPoint pointer, TShiftState shift);
    void updateCursor(QPoint pointer);
    void fireMouseMoveInChart(QPoint pointer, TShiftState shift);
    void beginDrag(QPoint pointer);
    void endDrag();
    // Runs `change` with painting held back, without the repaint that lifting SuppressPaint makes.
    template <typename F> void changeQuietly(F change);
    void zoomPanDone();
    // Runs `change(layer)` for every mouse-affected layer with painting held back, then reports the
    // zoom or pan and paints once.
    template <typename F> void changeAffectedLayers(F change);
    // Gives every mouse-affected layer its ranges at the start of the drag, changed by `change` with
    // the factor fx for x and fy for y.
    using RangeChange = AxisRange (*)(const AxisRange& start, double factor);
    void changeStartRanges(RangeChange change, double fx, double fy);
    void panTo(QPoint pointer);
    void zoomDragTo(QPoint pointer);
    void pickCrossHair(QPoint pointer);
    void pickTextLabel(QPoint pointer);
    void placeAtPointer(PinnedPart& part, QPoint pointer);
    void dragCrossHairTo(QPoint pointer);
    void dragTextLabelTo(QPoint pointer);
    QPoint rectangleCorner(QPoint pointer) const;
    void moveOutline(QPoint pointer);
    void releaseRectangle(QPoint pointer, Qt::MouseButton button);
    LayerRanges rectangleRanges(int layer, QPoint start, QPoint corner) const;
    void applyRectangle(QPoint start, QPoint corner);

    TCustomRChart& q;

    ChartItems FItems;
    TCustomRChart* FUseDataOf = nullptr;
    std::vector<TCustomRChart*> FSharingCharts;
    bool FSuppressPaint = true;
    bool FAutoRedraw = true;
    bool FWindowCreated = false;

    ChartGeometry FGeometry;
    PerLayer<TScalePropsHoriz*> FScaleX{};
    PerLayer<TScalePropsVert*> FScaleY{};
    PerLayer<TScale*> FScaleControlX{};
    PerLayer<TScale*> FScaleControlY{};
    PerLayer<LayerMap> FMaps{};
    TJointLayers* FJointLayers = nullptr;
    bool FIsometric = false;
    TrcLayout FStandardLayout = TrcLayout::rcl_X1Bottom_Y1Left;
    int FAspectX = 1;
    int FAspectY = 1;
    int FInternalChange = 0;

    TColor FWindColor = clBtnFace;
    TColor FChartColor = clWhite;
    TColor FChartFrameColor = clBlack;
    TColor FGridColor = clBlack;
    TGridStyle FGridStyle = TGridStyle::gsNone;
    double FGridDx = 0;
    double FGridDy = 0;
    TShadowStyle FShadowStyle = TShadowStyle::ssFlying;
    TColor FShadowColor = clGrayText;
    TColor FShadowBakColor = clBtnFace;
    QString FCaption;
    int FCaptionPosX = 0;
    int FCaptionPosY = -16;
    TAlignment FCaptionAlignment = TAlignment::taRightJustify;
    TCaptionAnchorHoriz FCaptionAnchorHoriz = TCaptionAnchorHoriz::cahChartRight;
    TCaptionAnchorVert FCaptionAnchorVert = TCaptionAnchorVert::cavChartTop;
    TFontStyles FTextFontStyle;
    TTextBkStyle FTextBkStyle = TTextBkStyle::tbClear;
    TColor FTextBkColor = clWhite;
    TBakGndImg* FBackGroundImg = nullptr;
    std::array<TCrossHair*, CrossHairCount> FCrossHairs{};
    std::array<TTextLabel*, TextLabelCount> FTextLabels{};

    ChartPaintCache FCache;
    TRenderEvent FOnBeforeRenderData;
    TRenderEvent FOnDataRendered;
    TRenderEvent FOnScalesRendered;
    TScaleTickDrawnEvent FOnScaleTickDrawn;

    TMouseActMode FMouseAction = TMouseActMode::maNone;
    bool FMouseCursorFixed = true;
    PerLayer<bool> FMouseAffected{true};
    MouseDrag FDrag;
    TMouseMoveInChartEvent FOnMouseMoveInChart;
    TNotifyEvent FOnMouseEnter;
    TNotifyEvent FOnMouseLeave;
    TNotifyEvent FOnZoomPan;
    TRubberBandEvent FOnRubberBand;
    TCrossHairMoveEvent FOnCrossHairMove;
    TTextLabelMoveEvent FOnTextLabelMove;
    TKeyEvent FOnKeyDown;
    double FFocusPointX = 0;
    double FFocusPointY = 0;
    bool FHasFocusPoint = false;
    bool FKeyboardFocus = false; // the focus came from the keyboard
};
