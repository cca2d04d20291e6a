// TRChart: a 2-D chart that keeps what it shows as a flat list of drawing items in data
// coordinates, spread over 16 layers, each with its own pair of scales. The application sets the
// current drawing attributes, appends items and lets the chart paint; it never draws on it directly.
//
// An item list can be shown by up to five charts: its owner and up to four charts whose UseDataOf
// points at the owner. Sharing never chains; every sharing chart points at the owner itself.
//
// Painting is double-buffered: a frame bitmap the size of the control (window colour, shadow,
// caption, scales) receives the data-area bitmap (background, grid, items, frame) and the
// crosshairs, and reaches the screen in one copy. What did not change since the last paint is not
// drawn again: the frame is kept while nothing but items, crosshairs and text labels changed, and
// the data area starts from its picture after the leading items that are still the same.
#pragma once

#include "chart/bakgndimg.h"
#include "chart/itempass/itemlist.h"
#include "chart/dragmath.h"
#include "chart/itempass/itemsnapshot.h"
#include "chart/jointlayers.h"
#include "chart/itempass/layers.h"
#include "chart/rchartlayout.h"
#include "chart/itempass/axismap.h"
#include "chart/itempass/itempass.h"
#include "chart/vrxbase.h"
#include "platform/controls/assignchanged.h"
#include "platform/controls/component.h"
#include "platform/controls/mousecontrol.h"
#include "platform/graphics/bitmap.h"
#include "scales/scale.h"
#include "scales/scaleprops.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

namespace RChart {
Q_NAMESPACE

enum class TGridStyle {
    gsNone,
    gsPoints,
    gsVertLines,
    gsHorizLines,
    gsLines,
    gsHorizDotLines,
    gsVertDotLines,
    gsDotLines
};
Q_ENUM_NS(TGridStyle)

// ssFlying: a shadow with slanted ends, as if the chart floated; ssBox: a plain box shadow.
enum class TShadowStyle { ssFlying, ssBox };
Q_ENUM_NS(TShadowStyle)

// Background of text items.
enum class TTextBkStyle { tbClear, tbSolid };
Q_ENUM_NS(TTextBkStyle)

} // namespace RChart

using RChart::TGridStyle;
using RChart::TShadowStyle;
using RChart::TTextBkStyle;

// OnBeforeRenderData, OnDataRendered, OnScalesRendered: the canvas drawn on and where the data
// area's top-left corner lies on it.
using TRenderEvent = std::function<void(QObject* sender, TCanvas*& canvas, int top, int left)>;
// OnMouseMoveInChart: whether the pointer is in the data area (edges included), the keys and buttons
// held, and the pointer in data units of CurrentLayer.
using TMouseMoveInChartEvent =
    std::function<void(QObject* sender, bool inChart, TShiftState shift, double x, double y)>;
// OnRubberBand: a layer and the rectangle released over it, in its data units.
using TRubberBandEvent =
    std::function<void(QObject* sender, int layer, double loX, double loY, double hiX, double hiY)>;
using TCrossHairMoveEvent = std::function<void(QObject* sender, TCrossHair* whichCrossHair)>;
using TTextLabelMoveEvent = std::function<void(QObject* sender, TTextLabel* whichTextLabel)>;

class TCustomRChart : public TMouseControl {
    Q_OBJECT
public:
    static constexpr int MaxDataShares = 4;
    static constexpr int CrossHairCount = 4;
    static constexpr int TextLabelCount = 30;
    static constexpr int MaxShadowWidth = 32;

    explicit TCustomRChart(TComponentBase* owner, QWidget* parent = nullptr);
    ~TCustomRChart() override;

    // ---- Items (rchart_items.cpp)

    // Drawing operations: each appends one item stamped with the current attributes; none paints.
    // Charts sharing a list hold handles on one storage, so every one of them sees the new item.
    void AddMark(double x, double y, int markType) { FItems.AddMark(x, y, markType); }
    void AddLine(double x1, double y1, double x2, double y2) { FItems.AddLine(x1, y1, x2, y2); }
    void AddLineTo(double x, double y) { FItems.AddLineTo(x, y); }
    void AddText(double x, double y, int fontSize, const QString& text) {
        FItems.AddText(x, y, fontSize, text);
    }
    // Removes all items, here and in every chart sharing the list, and repaints this chart's
    // data-area bitmap with its background (the screen is left alone); while painting is suppressed
    // that is left to the next paint.
    void ClearItems();
    int ItemCount() const { return FItems.ItemCount(); }
    const ChartItemList& Items() const { return FItems.List(); }

    TColor DataColor() const { return FItems.DataColor(); }
    void SetDataColor(TColor value) { FItems.SetDataColor(value); }
    TColor FillColor() const { return FItems.FillColor(); }
    void SetFillColor(TColor value) { FItems.SetFillColor(value); }
    TPenStyle PenStyle() const { return FItems.PenStyle(); }
    void SetPenStyle(TPenStyle value) { FItems.SetPenStyle(value); }
    int LineWidth() const { return FItems.LineWidth(); }
    void SetLineWidth(int value) { FItems.SetLineWidth(value); }
    int ClassDefault() const { return FItems.ClassDefault(); }
    void SetClassDefault(int value) { FItems.SetClassDefault(value); }
    int CurrentLayer() const { return FItems.CurrentLayer(); }
    void SetCurrentLayer(int value) { FItems.SetCurrentLayer(value); }
    TAlignment TextAlignment() const { return FItems.TextAlignment(); }
    void SetTextAlignment(TAlignment value);
    int AllocSize() const { return FItems.AllocSize(); }
    void SetAllocSize(int value) { FItems.SetAllocSize(value); }

    // The chart whose item list this one shows; nullptr when it shows its own. Refused requests are
    // reported in an information message box and change nothing.
    TCustomRChart* UseDataOf() const { return FUseDataOf; }
    void SetUseDataOf(TCustomRChart* chart);
    // The charts showing this chart's list, in the order in which they joined.
    const std::vector<TCustomRChart*>& SharingCharts() const { return FSharingCharts; }
    int NumSharingCharts() const { return static_cast<int>(FSharingCharts.size()); }

    // While true, Paint returns at once; setting it to false paints once.
    bool SuppressPaint() const { return FSuppressPaint; }
    void SetSuppressPaint(bool value);
    bool AutoRedraw() const { return FAutoRedraw; }
    // Switching it on repaints, so that changes made while it was off show at once.
    void SetAutoRedraw(bool value) {
        if (assignChanged(FAutoRedraw, value)) RepaintIfAuto();
    }
    // Paints when AutoRedraw is on: what every property change of the chart and its parts calls.
    // Frame and data area are drawn anew.
    void RepaintIfAuto();

    // ---- Layers and mapping (rchart_layers.cpp)

    int MarginLeft() const { return FGeometry.MarginLeft; }
    void SetMarginLeft(int value) { setMargin(FGeometry.MarginLeft, value); }
    int MarginRight() const { return FGeometry.MarginRight; }
    void SetMarginRight(int value) { setMargin(FGeometry.MarginRight, value); }
    int MarginTop() const { return FGeometry.MarginTop; }
    void SetMarginTop(int value) { setMargin(FGeometry.MarginTop, value); }
    int MarginBottom() const { return FGeometry.MarginBottom; }
    void SetMarginBottom(int value) { setMargin(FGeometry.MarginBottom, value); }
    // Clamped to 0..32.
    int ShadowWidth() const { return FGeometry.ShadowWidth; }
    void SetShadowWidth(int value);

    // The scale settings and scale controls of a layer; numbers outside 1..16 give layer 1.
    TScalePropsHoriz* ScaleX(int layer) const;
    TScalePropsVert* ScaleY(int layer) const;
    TScale* ScaleControlX(int layer) const;
    TScale* ScaleControlY(int layer) const;

    TJointLayers* JointLayers() const { return FJointLayers; }
    // Copies the tables of `value`.
    void SetJointLayers(TJointLayers* value);
    bool Isometric() const { return FIsometric; }
    void SetIsometric(bool value);
    TrcLayout StandardLayout() const { return FStandardLayout; }
    void SetStandardLayout(TrcLayout value);

    // Data of a layer (outside 1..16: the nearest layer) to control pixels, and back.
    QPoint DataToPixel(int layer, double x, double y) const;
    void PixelToData(int layer, int px, int py, double& x, double& y) const;
    // Sets a layer's ranges; joined axes keep following their controlling layer, and the layers
    // joined to this one follow it. Pairs narrower than the axis's MinRange are not taken.
    void SetRanges(int layer, double xLow, double xHigh, double yLow, double yHigh);

    // Never smaller than a data area of 80 x 20 pixels.
    void SetBounds(int left, int top, int width, int height) override;
    void Loaded() override;

    // ---- Appearance (rchart_paint.cpp)

    TColor WindColor() const { return FWindColor; }
    void SetWindColor(TColor value);
    TColor ChartColor() const { return FChartColor; }
    void SetChartColor(TColor value) {
        if (assignChanged(FChartColor, value)) RepaintIfAuto();
    }
    TColor ChartFrameColor() const { return FChartFrameColor; }
    void SetChartFrameColor(TColor value) {
        if (assignChanged(FChartFrameColor, value)) RepaintIfAuto();
    }
    TColor GridColor() const { return FGridColor; }
    void SetGridColor(TColor value) {
        if (assignChanged(FGridColor, value)) RepaintIfAuto();
    }
    TGridStyle GridStyle() const { return FGridStyle; }
    void SetGridStyle(TGridStyle value) {
        if (assignChanged(FGridStyle, value)) RepaintIfAuto();
    }
    // Spacing of grid values; values below -3 are ignored.
    double GridDx() const { return FGridDx; }
    void SetGridDx(double value);
    double GridDy() const { return FGridDy; }
    void SetGridDy(double value);
    TShadowStyle ShadowStyle() const { return FShadowStyle; }
    void SetShadowStyle(TShadowStyle value) {
        if (assignChanged(FShadowStyle, value)) RepaintIfAuto();
    }
    TColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor value) {
        if (assignChanged(FShadowColor, value)) RepaintIfAuto();
    }
    TColor ShadowBakColor() const { return FShadowBakColor; }
    void SetShadowBakColor(TColor value) {
        if (assignChanged(FShadowBakColor, value)) RepaintIfAuto();
    }
    QString Caption() const { return FCaption; }
    void SetCaption(const QString& value) {
        if (assignChanged(FCaption, value)) RepaintIfAuto();
    }
    int CaptionPosX() const { return FCaptionPosX; }
    void SetCaptionPosX(int value) {
        if (assignChanged(FCaptionPosX, value)) RepaintIfAuto();
    }
    int CaptionPosY() const { return FCaptionPosY; }
    void SetCaptionPosY(int value) {
        if (assignChanged(FCaptionPosY, value)) RepaintIfAuto();
    }
    TAlignment CaptionAlignment() const { return FCaptionAlignment; }
    void SetCaptionAlignment(TAlignment value) {
        if (assignChanged(FCaptionAlignment, value)) RepaintIfAuto();
    }
    TCaptionAnchorHoriz CaptionAnchorHoriz() const { return FCaptionAnchorHoriz; }
    void SetCaptionAnchorHoriz(TCaptionAnchorHoriz value) {
        if (assignChanged(FCaptionAnchorHoriz, value)) RepaintIfAuto();
    }
    TCaptionAnchorVert CaptionAnchorVert() const { return FCaptionAnchorVert; }
    void SetCaptionAnchorVert(TCaptionAnchorVert value) {
        if (assignChanged(FCaptionAnchorVert, value)) RepaintIfAuto();
    }
    TFontStyles TextFontStyle() const { return FTextFontStyle; }
    void SetTextFontStyle(TFontStyles value) {
        if (assignChanged(FTextFontStyle, value)) RepaintIfAuto();
    }
    TTextBkStyle TextBkStyle() const { return FTextBkStyle; }
    void SetTextBkStyle(TTextBkStyle value) {
        if (assignChanged(FTextBkStyle, value)) RepaintIfAuto();
    }
    TColor TextBkColor() const { return FTextBkColor; }
    void SetTextBkColor(TColor value) {
        if (assignChanged(FTextBkColor, value)) RepaintIfAuto();
    }

    TBakGndImg* BackGroundImg() const { return FBackGroundImg; }
    TCrossHair* CrossHair(int number) const;
    TTextLabel* TextLabel(int number) const;

    void SetOnBeforeRenderData(TRenderEvent handler) { FOnBeforeRenderData = std::move(handler); }
    void SetOnDataRendered(TRenderEvent handler) { FOnDataRendered = std::move(handler); }
    void SetOnScalesRendered(TRenderEvent handler) { FOnScalesRendered = std::move(handler); }
    void SetOnScaleTickDrawn(TScaleTickDrawnEvent handler) { FOnScaleTickDrawn = std::move(handler); }

    // Composes the picture off screen and hands it to the screen in one copy.
    virtual void Paint();
    // Sizes the data-area bitmap and fills it with the background: chart colour and frame, image or
    // coloured area.
    void DrawBackground();
    // Grid, items and data-area frame; (left, top) is where the data area's top-left corner lies.
    void DrawItems(TCanvas& canvas, int left, int top);
    // The composed picture of the last paint, as it went to the screen.
    const QImage& FrameImage() const { return FFrame.Image(); }
    const QImage& DataAreaImage() const;
    // How often the frame (window colour, shadow, caption, scales) has been drawn, and how many
    // items the last paint drew; the others came from the kept picture of the leading items.
    int FrameDrawCount() const { return FFrameDrawCount; }
    int ItemsDrawnLastPaint() const { return FItemsDrawn; }

    // ---- Mouse (rchart_mouse.cpp)

    TMouseActMode MouseAction() const { return FMouseAction; }
    // A drag under way ends (its rectangle erased) when the action changes.
    void SetMouseAction(TMouseActMode value);
    // While true the pointer keeps the default cursor over the whole chart.
    bool MouseCursorFixed() const { return FMouseCursorFixed; }
    void SetMouseCursorFixed(bool value) { FMouseCursorFixed = value; }
    // Whether zooming and panning change a layer's ranges; only layer 1 does at first. Numbers
    // outside 1..16 read false and are not stored.
    bool MouseAffectsLayer(int layer) const;
    void SetMouseAffectsLayer(int layer, bool value);
    // What the screen shows: the last paint, with the outline of a zoom rectangle being dragged.
    QImage ScreenImage() const;

    void SetOnMouseMoveInChart(TMouseMoveInChartEvent handler) { FOnMouseMoveInChart = std::move(handler); }
    void SetOnMouseEnter(TNotifyEvent handler) { FOnMouseEnter = std::move(handler); }
    void SetOnMouseLeave(TNotifyEvent handler) { FOnMouseLeave = std::move(handler); }
    void SetOnZoomPan(TNotifyEvent handler) { FOnZoomPan = std::move(handler); }
    void SetOnRubberBand(TRubberBandEvent handler) { FOnRubberBand = std::move(handler); }
    void SetOnCrossHairMove(TCrossHairMoveEvent handler) { FOnCrossHairMove = std::move(handler); }
    void SetOnTextLabelMove(TTextLabelMoveEvent handler) { FOnTextLabelMove = std::move(handler); }
    void SetOnKeyDown(TKeyEvent handler) { FOnKeyDown = std::move(handler); }

    // ---- Keyboard focus (rchart_focus.cpp)
    // While the chart has the focus the screen shows a ring around the focus point (data units of
    // CurrentLayer), the item the keys act on, and, when the focus came from the keyboard, a dotted
    // rectangle just inside its border (a mouse press takes the rectangle away). Neither goes into
    // FrameImage, so pictures taken of the chart never show them.
    void SetFocusPoint(double x, double y);
    void ClearFocusPoint();
    bool HasFocusPoint() const { return FHasFocusPoint; }

protected:
    // Shows a refused data-sharing request; a modal information box with one OK button.
    virtual void ShowInfoMessage(const QString& text);
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // System colours are looked up when drawing: a new palette makes the next paint draw anew.
    void changeEvent(QEvent* event) override;
    void FontChanged() override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    // Arrow and tab keys reach the chart instead of moving the focus.
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // Items and sharing.
    void leaveOwner();
    void joinOwner(TCustomRChart* owner);

    // Layers.
    void createLayers();
    void setLayerDefaults(int layer);
    void setMargin(int& margin, int value);
    void geometryChanged(bool isometric);
    void scaleSettingsChanged();
    void syncScaleControls();
    void syncScaleControl(int layer);
    void recomputeTransform();
    AxisRange rangeOf(const TScaleProps& props) const;
    void setLayerRanges(int layer, double xLow, double xHigh, double yLow, double yHigh);
    void setAxisRange(TScaleProps& props, double low, double high);
    void followControllers(int layer);
    void layerJoined(JointAxis axis, int layer);
    void applyIsometric();
    void applyLayout(const LayoutPreset& layout);

    // Painting.
    void createParts();
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
    // Crosshairs and text labels are drawn on every paint: their changes keep frame and items.
    void partsChanged();
    // Marks the frame and the picture under the items as out of date.
    void lookChanged() { ++FLook; }
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
    void drawFocusCues(TCanvas& canvas) const;
    void pressedWithFocus();

    // Mouse.
    void initMouse();
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

    // Holds the chart's own changes to its scale settings apart from changes made from outside.
    struct InternalChange;
    // Suppresses painting for its lifetime and restores the previous state (repainting if that was
    // "not suppressed").
    struct PaintSuppression;

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
    TJointLayers* FJointLayers;
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

    TBitmap FFrame;
    // The data area on a bitmap of its own: drawn there where it does not fit in the frame, by a
    // handler that draws before the items or by DrawBackground; else made from the frame when asked
    // for (DataAreaImage), so that a start needs no more than the frame.
    mutable TBitmap FDataArea;
    mutable bool FDataAreaInFrame = false;
    QRect FDataAreaPlace; // where it was drawn into the frame
    std::vector<std::pair<QPoint, QImage>> FUnderCrossHairs;
    std::uint64_t FLook = 1;
    std::uint64_t FFrameLook = 0; // FLook when the frame was drawn
    long long FFrameScaleChanges = 0; // scaleChanges() when the frame was drawn
    int FFrameDrawCount = 0;
    int FItemsDrawn = 0;
    ItemSnapshot FItemSnapshot;
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

// The chart with its published properties.
class TRChart : public TCustomRChart {
    Q_OBJECT
    Q_PROPERTY(int AllocSize READ AllocSize WRITE SetAllocSize)
    Q_PROPERTY(bool AutoRedraw READ AutoRedraw WRITE SetAutoRedraw)
    Q_PROPERTY(TBakGndImg* BackGroundImg READ BackGroundImg)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(Graphics::TAlignment CaptionAlignment READ CaptionAlignment WRITE SetCaptionAlignment)
    Q_PROPERTY(RChartLayout::TCaptionAnchorHoriz CaptionAnchorHoriz READ CaptionAnchorHoriz WRITE
                   SetCaptionAnchorHoriz)
    Q_PROPERTY(
        RChartLayout::TCaptionAnchorVert CaptionAnchorVert READ CaptionAnchorVert WRITE SetCaptionAnchorVert)
    Q_PROPERTY(int CaptionPosX READ CaptionPosX WRITE SetCaptionPosX)
    Q_PROPERTY(int CaptionPosY READ CaptionPosY WRITE SetCaptionPosY)
    Q_PROPERTY(TColor ChartColor READ ChartColor WRITE SetChartColor)
    Q_PROPERTY(TColor ChartFrameColor READ ChartFrameColor WRITE SetChartFrameColor)
    Q_PROPERTY(int ClassDefault READ ClassDefault WRITE SetClassDefault)
    Q_PROPERTY(TCrossHair* CrossHair1 READ CrossHair1)
    Q_PROPERTY(TCrossHair* CrossHair2 READ CrossHair2)
    Q_PROPERTY(TCrossHair* CrossHair3 READ CrossHair3)
    Q_PROPERTY(TCrossHair* CrossHair4 READ CrossHair4)
    Q_PROPERTY(TColor DataColor READ DataColor WRITE SetDataColor)
    Q_PROPERTY(TColor FillColor READ FillColor WRITE SetFillColor)
    Q_PROPERTY(TColor GridColor READ GridColor WRITE SetGridColor)
    Q_PROPERTY(double GridDx READ GridDx WRITE SetGridDx)
    Q_PROPERTY(double GridDy READ GridDy WRITE SetGridDy)
    Q_PROPERTY(RChart::TGridStyle GridStyle READ GridStyle WRITE SetGridStyle)
    Q_PROPERTY(bool Isometric READ Isometric WRITE SetIsometric)
    Q_PROPERTY(TJointLayers* JointLayers READ JointLayers WRITE SetJointLayers)
    Q_PROPERTY(int LineWidth READ LineWidth WRITE SetLineWidth)
    Q_PROPERTY(int MarginLeft READ MarginLeft WRITE SetMarginLeft)
    Q_PROPERTY(int MarginRight READ MarginRight WRITE SetMarginRight)
    Q_PROPERTY(int MarginTop READ MarginTop WRITE SetMarginTop)
    Q_PROPERTY(int MarginBottom READ MarginBottom WRITE SetMarginBottom)
    Q_PROPERTY(int LRim READ MarginLeft WRITE SetMarginLeft STORED false)
    Q_PROPERTY(int RRim READ MarginRight WRITE SetMarginRight STORED false)
    Q_PROPERTY(int TRim READ MarginTop WRITE SetMarginTop STORED false)
    Q_PROPERTY(int BRim READ MarginBottom WRITE SetMarginBottom STORED false)
    Q_PROPERTY(VrxBase::TMouseActMode MouseAction READ MouseAction WRITE SetMouseAction)
    Q_PROPERTY(bool MouseCursorFixed READ MouseCursorFixed WRITE SetMouseCursorFixed)
    Q_PROPERTY(Graphics::TPenStyle PenStyle READ PenStyle WRITE SetPenStyle)
    Q_PROPERTY(TScalePropsHoriz* Scale1X READ Scale1X)
    Q_PROPERTY(TScalePropsVert* Scale1Y READ Scale1Y)
    Q_PROPERTY(TScalePropsHoriz* Scale2X READ Scale2X)
    Q_PROPERTY(TScalePropsVert* Scale2Y READ Scale2Y)
    Q_PROPERTY(TScalePropsHoriz* Scale3X READ Scale3X)
    Q_PROPERTY(TScalePropsVert* Scale3Y READ Scale3Y)
    Q_PROPERTY(TScalePropsHoriz* Scale4X READ Scale4X)
    Q_PROPERTY(TScalePropsVert* Scale4Y READ Scale4Y)
    Q_PROPERTY(TColor ShadowBakColor READ ShadowBakColor WRITE SetShadowBakColor)
    Q_PROPERTY(TColor ShadowColor READ ShadowColor WRITE SetShadowColor)
    Q_PROPERTY(RChart::TShadowStyle ShadowStyle READ ShadowStyle WRITE SetShadowStyle)
    Q_PROPERTY(int ShadowWidth READ ShadowWidth WRITE SetShadowWidth)
    Q_PROPERTY(RChartLayout::TrcLayout StandardLayout READ StandardLayout WRITE SetStandardLayout)
    Q_PROPERTY(Graphics::TAlignment TextAlignment READ TextAlignment WRITE SetTextAlignment)
    Q_PROPERTY(TColor TextBkColor READ TextBkColor WRITE SetTextBkColor)
    Q_PROPERTY(RChart::TTextBkStyle TextBkStyle READ TextBkStyle WRITE SetTextBkStyle)
    Q_PROPERTY(Graphics::TFontStyles TextFontStyle READ TextFontStyle WRITE SetTextFontStyle)
    Q_PROPERTY(TCustomRChart* UseDataOf READ UseDataOf WRITE SetUseDataOf)
    Q_PROPERTY(TColor WindColor READ WindColor WRITE SetWindColor)
public:
    using TCustomRChart::TCustomRChart;

    TCrossHair* CrossHair1() const { return CrossHair(1); }
    TCrossHair* CrossHair2() const { return CrossHair(2); }
    TCrossHair* CrossHair3() const { return CrossHair(3); }
    TCrossHair* CrossHair4() const { return CrossHair(4); }
    TScalePropsHoriz* Scale1X() const { return ScaleX(1); }
    TScalePropsVert* Scale1Y() const { return ScaleY(1); }
    TScalePropsHoriz* Scale2X() const { return ScaleX(2); }
    TScalePropsVert* Scale2Y() const { return ScaleY(2); }
    TScalePropsHoriz* Scale3X() const { return ScaleX(3); }
    TScalePropsVert* Scale3Y() const { return ScaleY(3); }
    TScalePropsHoriz* Scale4X() const { return ScaleX(4); }
    TScalePropsVert* Scale4Y() const { return ScaleY(4); }
};
