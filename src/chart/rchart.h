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
//
// What the chart keeps for itself (its settings, the paint cache, the drag under way) lies behind
// it in rchart_p.h.
#pragma once

#include "chart/bakgndimg.h"
#include "chart/itempass/itemlist.h"
#include "chart/jointlayers.h"
#include "chart/rchartlayout.h"
#include "chart/rcharttypes.h"
#include "chart/vrxbase.h"
#include "platform/controls/component.h"
#include "platform/controls/mousecontrol.h"
#include "scales/scale.h"
#include "scales/scaleprops.h"

#include <QImage>
#include <QPoint>
#include <QString>

#include <memory>
#include <vector>

class TCustomRChart : public TMouseControl {
    Q_OBJECT
public:
    static constexpr int MaxDataShares = 4;
    static constexpr int CrossHairCount = 4;
    static constexpr int TextLabelCount = 30;
    static constexpr int MaxShadowWidth = 32;

    explicit TCustomRChart(TComponentBase* owner, QWidget* parent = nullptr);
    ~TCustomRChart() override;

    // ---- Items and sharing (rchart_items.cpp)

    // Drawing operations: each appends one item stamped with the current attributes; none paints.
    // Charts sharing a list hold handles on one storage, so every one of them sees the new item.
    void AddMark(double x, double y, int markType);
    void AddLine(double x1, double y1, double x2, double y2);
    void AddLineTo(double x, double y);
    void AddText(double x, double y, int fontSize, const QString& text);
    // Removes all items, here and in every chart sharing the list, and repaints this chart's
    // data-area bitmap with its background (the screen is left alone); while painting is suppressed
    // that is left to the next paint.
    void ClearItems();
    int ItemCount() const;
    const ChartItemList& Items() const;

    TColor DataColor() const;
    void SetDataColor(TColor value);
    TColor FillColor() const;
    void SetFillColor(TColor value);
    TPenStyle PenStyle() const;
    void SetPenStyle(TPenStyle value);
    int LineWidth() const;
    void SetLineWidth(int value);
    int ClassDefault() const;
    void SetClassDefault(int value);
    int CurrentLayer() const;
    void SetCurrentLayer(int value);
    TAlignment TextAlignment() const;
    void SetTextAlignment(TAlignment value);
    int AllocSize() const;
    void SetAllocSize(int value);

    // The chart whose item list this one shows; nullptr when it shows its own. Refused requests are
    // reported in an information message box and change nothing.
    TCustomRChart* UseDataOf() const;
    void SetUseDataOf(TCustomRChart* chart);
    // The charts showing this chart's list, in the order in which they joined.
    const std::vector<TCustomRChart*>& SharingCharts() const;
    int NumSharingCharts() const;

    // While true, Paint returns at once; setting it to false paints once.
    bool SuppressPaint() const;
    void SetSuppressPaint(bool value);
    bool AutoRedraw() const;
    // Switching it on repaints, so that changes made while it was off show at once.
    void SetAutoRedraw(bool value);
    // Paints when AutoRedraw is on: what every property change of the chart and its parts calls.
    // Frame and data area are drawn anew.
    void RepaintIfAuto();

    // ---- Layers and mapping (rchart_layers.cpp)

    int MarginLeft() const;
    void SetMarginLeft(int value);
    int MarginRight() const;
    void SetMarginRight(int value);
    int MarginTop() const;
    void SetMarginTop(int value);
    int MarginBottom() const;
    void SetMarginBottom(int value);
    // Clamped to 0..32.
    int ShadowWidth() const;
    void SetShadowWidth(int value);

    // The scale settings and scale controls of a layer; numbers outside 1..16 give layer 1.
    TScalePropsHoriz* ScaleX(int layer) const;
    TScalePropsVert* ScaleY(int layer) const;
    TScale* ScaleControlX(int layer) const;
    TScale* ScaleControlY(int layer) const;

    TJointLayers* JointLayers() const;
    // Copies the tables of `value`.
    void SetJointLayers(TJointLayers* value);
    bool Isometric() const;
    void SetIsometric(bool value);
    TrcLayout StandardLayout() const;
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

    // ---- Appearance (rchart_appearance.cpp) and painting (rchart_paint.cpp)

    TColor WindColor() const;
    void SetWindColor(TColor value);
    TColor ChartColor() const;
    void SetChartColor(TColor value);
    TColor ChartFrameColor() const;
    void SetChartFrameColor(TColor value);
    TColor GridColor() const;
    void SetGridColor(TColor value);
    TGridStyle GridStyle() const;
    void SetGridStyle(TGridStyle value);
    // Spacing of grid values; values below -3 are ignored.
    double GridDx() const;
    void SetGridDx(double value);
    double GridDy() const;
    void SetGridDy(double value);
    TShadowStyle ShadowStyle() const;
    void SetShadowStyle(TShadowStyle value);
    TColor ShadowColor() const;
    void SetShadowColor(TColor value);
    TColor ShadowBakColor() const;
    void SetShadowBakColor(TColor value);
    QString Caption() const;
    void SetCaption(const QString& value);
    int CaptionPosX() const;
    void SetCaptionPosX(int value);
    int CaptionPosY() const;
    void SetCaptionPosY(int value);
    TAlignment CaptionAlignment() const;
    void SetCaptionAlignment(TAlignment value);
    TCaptionAnchorHoriz CaptionAnchorHoriz() const;
    void SetCaptionAnchorHoriz(TCaptionAnchorHoriz value);
    TCaptionAnchorVert CaptionAnchorVert() const;
    void SetCaptionAnchorVert(TCaptionAnchorVert value);
    TFontStyles TextFontStyle() const;
    void SetTextFontStyle(TFontStyles value);
    TTextBkStyle TextBkStyle() const;
    void SetTextBkStyle(TTextBkStyle value);
    TColor TextBkColor() const;
    void SetTextBkColor(TColor value);

    TBakGndImg* BackGroundImg() const;
    TCrossHair* CrossHair(int number) const;
    TTextLabel* TextLabel(int number) const;

    void SetOnBeforeRenderData(TRenderEvent handler);
    void SetOnDataRendered(TRenderEvent handler);
    void SetOnScalesRendered(TRenderEvent handler);
    void SetOnScaleTickDrawn(TScaleTickDrawnEvent handler);

    // Composes the picture off screen and hands it to the screen in one copy.
    virtual void Paint();
    // Sizes the data-area bitmap and fills it with the background: chart colour and frame, image or
    // coloured area.
    void DrawBackground();
    // Grid, items and data-area frame; (left, top) is where the data area's top-left corner lies.
    void DrawItems(TCanvas& canvas, int left, int top);
    // The composed picture of the last paint, as it went to the screen.
    const QImage& FrameImage() const;
    const QImage& DataAreaImage() const;
    // How often the frame (window colour, shadow, caption, scales) has been drawn, and how many
    // items the last paint drew; the others came from the kept picture of the leading items.
    int FrameDrawCount() const;
    int ItemsDrawnLastPaint() const;

    // ---- Mouse (rchart_mouse.cpp)

    TMouseActMode MouseAction() const;
    // A drag under way ends (its rectangle erased) when the action changes.
    void SetMouseAction(TMouseActMode value);
    // While true the pointer keeps the default cursor over the whole chart.
    bool MouseCursorFixed() const;
    void SetMouseCursorFixed(bool value);
    // Whether zooming and panning change a layer's ranges; only layer 1 does at first. Numbers
    // outside 1..16 read false and are not stored.
    bool MouseAffectsLayer(int layer) const;
    void SetMouseAffectsLayer(int layer, bool value);
    // What the screen shows: the last paint, with the outline of a zoom rectangle being dragged.
    QImage ScreenImage() const;

    void SetOnMouseMoveInChart(TMouseMoveInChartEvent handler);
    void SetOnMouseEnter(TNotifyEvent handler);
    void SetOnMouseLeave(TNotifyEvent handler);
    void SetOnZoomPan(TNotifyEvent handler);
    void SetOnRubberBand(TRubberBandEvent handler);
    void SetOnCrossHairMove(TCrossHairMoveEvent handler);
    void SetOnTextLabelMove(TTextLabelMoveEvent handler);
    void SetOnKeyDown(TKeyEvent handler);

    // ---- Keyboard focus (rchart_focus.cpp)
    // While the chart has the focus the screen shows a ring around the focus point (data units of
    // CurrentLayer), the item the keys act on, and, when the focus came from the keyboard, a dotted
    // rectangle just inside its border (a mouse press takes the rectangle away). Neither goes into
    // FrameImage, so pictures taken of the chart never show them.
    void SetFocusPoint(double x, double y);
    void ClearFocusPoint();
    bool HasFocusPoint() const;

protected:
    // Shows a refused data-sharing request; a modal information box with one OK button.
    virtual void ShowInfoMessage(const QString& text);
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void ZoomChanged() override;
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
    // The chart's state and its private steps (rchart_p.h).
    struct Private;
    std::unique_ptr<Private> d;
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
