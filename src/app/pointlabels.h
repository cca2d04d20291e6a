// Labels beside the measuring points with their coordinates, "P1 (50.0 min | 61.40 km)", drawn over
// the distance chart's data area when asked for: each beside its point and inside the area, the
// second clear of the first. In single-point mode only point 1 has one. With the values hidden (a
// picture for "predict first" sheets) none is drawn.
#pragma once

#include <QChar>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <QString>

#include <functional>

class MeasuringPoints;
class TCanvas;
class TRChart;

// The label of point 1 or 2 at (time in min, distance in km), numbers with that decimal separator.
QString pointLabelText(int point, QPointF at, QChar decimalSeparator);

// Where a label of `size` goes for a point at `point` (pixels): kPointLabelGap up and to the right
// of it, else up and to the left, below to the right, below to the left, the first that lies
// inside `area` and clear of `clearOf`; failing that the first that is clear once moved inside.
inline constexpr int kPointLabelGap = 4;
QRect pointLabelBox(QPoint point, QSize size, const QRect& area, const QRect& clearOf);

class PointLabels {
public:
    // The decimal separator is asked for at each paint: the language file may change.
    PointLabels(TRChart& chart, const MeasuringPoints& points, std::function<QChar()> decimalSeparator);

    bool shown() const { return FShown; }
    void setShown(bool shown);
    bool valuesHidden() const { return FValuesHidden; }
    void setValuesHidden(bool hidden);

private:
    void draw(TCanvas& canvas, QPoint dataAreaOffset) const;

    TRChart& FChart;
    const MeasuringPoints& FPoints;
    std::function<QChar()> FDecimalSeparator;
    bool FShown = false;
    bool FValuesHidden = false;
};
