// The arithmetic behind the chart's mouse actions, kept apart from the widget: where the pointer lies
// relative to the data area, the ranges that panning, zoom windows and zoom dragging produce, and
// which crosshair or label a drag picks up.
#pragma once

#include "chart/itempass/axismap.h"
#include "chart/itempass/layers.h"
#include "platform/graphics/rect.h"

#include <QPoint>

#include <array>
#include <optional>
#include <span>

// The data area's edges in control pixels; unlike a drawing rectangle both edges belong to it.
struct DataArea {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    bool contains(QPoint p) const {
        return Left <= p.x() && p.x() <= Right && Top <= p.y() && p.y() <= Bottom;
    }
    QPoint clamped(QPoint p) const;
    int width() const { return Right - Left; }
    int height() const { return Bottom - Top; }
};

struct LayerRanges {
    AxisRange X;
    AxisRange Y;
};

// What a drag of the mouse has gathered so far.
struct MouseDrag {
    bool Active = false;
    // Where the drag started and, for the rectangle modes, the current opposite corner.
    QPoint Start;
    QPoint Corner;
    // Whether the rectangle's outline is on the screen.
    bool OutlineShown = false;
    // The crosshair or label being dragged (1-based).
    int Target = 1;
    // Every layer's ranges when the drag started; moves are measured against these.
    PerLayer<LayerRanges> StartRanges{};
};

// A range shifted by `fraction` of its span; on a logarithmic axis both bounds are multiplied by
// (high / low) ^ fraction, so the shift is the same on the screen.
AxisRange pannedRange(const AxisRange& start, double fraction);

// The fractions of the span that keep the data point under the pointer: the pointer moved from
// `start` to `now` over an axis of `size` pixels. x grows to the right, y grows upwards.
double panFractionX(int start, int now, int size);
double panFractionY(int start, int now, int size);

// The range about the same centre with its span times `factor`.
AxisRange scaledAboutCentre(const AxisRange& start, double factor);

// Zoom-drag factors: dragging right narrows x, dragging down widens y.
double zoomDragFactorX(int start, int now, int width);
double zoomDragFactorY(int start, int now, int height);

// The corner that makes the rectangle from `start` a square, inside the rectangle the pointer spans.
QPoint squareCorner(QPoint start, QPoint corner);

// The pixel rectangle whose outline passes through both corners (right and bottom exclusive).
TRect outlineRect(QPoint a, QPoint b);

// A range from a and b running the same way as `current` (ascending or descending).
AxisRange orderedLike(double a, double b, const AxisRange& current);

// What the crosshair drag measures: the crosshair's pixel and which of its lines are shown.
struct CrossHairTarget {
    QPoint Pixel;
    bool Vertical = false;
    bool Horizontal = false;
};

// The crosshair nearest to the pointer: a vertical line is measured in x, a horizontal one in y,
// a crosshair with both by the nearer of the two; the lower number wins a tie; 1 when none shows.
int nearestCrossHair(std::span<const CrossHairTarget> crossHairs, QPoint pointer);

// The nearest of the shown points (no value: not shown); the lower number on ties; 1 when none.
int nearestPoint(std::span<const std::optional<QPoint>> points, QPoint pointer);
