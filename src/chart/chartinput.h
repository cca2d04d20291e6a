// The chart's input handler: the mouse (the pointer in data units, the cursor over the chart, the
// drag actions MouseAction chooses) and the keyboard focus with its cues. It changes the chart
// through its public face and paints through it; the zoom rectangle's outline and the focus cues
// are drawn over the picture only on the way to the screen (rchart_mouse.cpp, rchart_focus.cpp).
#pragma once

#include "chart/chartlayers.h"
#include "chart/dragmath.h"
#include "chart/rchart.h"

#include <QPoint>
#include <QRect>

#include <optional>
#include <vector>

class ChartInput {
public:
    // Changes made during a drag are made with `suppressPaint`, the chart's own flag, held up.
    ChartInput(TCustomRChart& chart, const ChartLayers& layers, bool& suppressPaint)
        : FChart(chart), FLayers(layers), FSuppressPaint(suppressPaint) {}

    DataArea mouseArea() const;
    bool isRectangleMode() const;
    void runDragAction(QPoint pointer, TShiftState shift);
    void updateCursor(QPoint pointer);
    void fireMouseMoveInChart(QPoint pointer, TShiftState shift);
    void beginDrag(QPoint pointer);
    void endDrag();
    void releaseRectangle(QPoint pointer, Qt::MouseButton button);
    // The mouse has taken over from the keyboard.
    void pressedWithFocus();
    // The layout rectangles the overlays cover, and their drawing.
    std::vector<QRect> overlayAreas() const;
    void drawOverlays(TCanvas& canvas) const;

private:
    friend class TCustomRChart;

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
    LayerRanges rectangleRanges(int layer, QPoint start, QPoint corner) const;
    void applyRectangle(QPoint start, QPoint corner);
    std::optional<TRect> focusRing() const;
    TRect focusFrame() const;
    void drawFocusCues(TCanvas& canvas) const;
    void addFocusCueAreas(std::vector<QRect>& areas) const;

    TCustomRChart& FChart;
    const ChartLayers& FLayers;
    bool& FSuppressPaint;
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
