#include "app/pointlabels.h"

#include "app/decimalseparator.h"
#include "app/measuringpoints.h"
#include "chart/rchart.h"
#include "platform/graphics/canvas.h"
#include "scales/labeltext.h"

#include <array>

namespace {

constexpr int kPadding = 2;  // pixels between the frame and the text
constexpr int kFontSize = 8; // points
constexpr TColor kFrame = clMaroon;

// The rectangle moved the least to lie inside the area.
QRect movedInside(QRect box, const QRect& area) {
    box.moveLeft(std::max(area.left(), std::min(box.left(), area.right() - box.width() + 1)));
    box.moveTop(std::max(area.top(), std::min(box.top(), area.bottom() - box.height() + 1)));
    return box;
}

} // namespace

QString pointLabelText(int point, QPointF at, QChar decimalSeparator) {
    return QStringLiteral("P%1 (%2 min | %3 km)")
        .arg(point)
        .arg(withDecimalSeparator(FormatFloatField(1, 1, at.x()), decimalSeparator),
             withDecimalSeparator(FormatFloatField(1, 2, at.y()), decimalSeparator));
}

QRect pointLabelBox(QPoint point, QSize size, const QRect& area, const QRect& clearOf) {
    const int right = point.x() + kPointLabelGap, left = point.x() - kPointLabelGap - size.width();
    const int above = point.y() - kPointLabelGap - size.height(), below = point.y() + kPointLabelGap;
    const std::array<QRect, 4> places{QRect(QPoint(right, above), size), QRect(QPoint(left, above), size),
                                      QRect(QPoint(right, below), size), QRect(QPoint(left, below), size)};
    for (const QRect& box : places)
        if (area.contains(box) && !box.intersects(clearOf)) return box;
    for (const QRect& box : places)
        if (!movedInside(box, area).intersects(clearOf)) return movedInside(box, area);
    return movedInside(places.front(), area);
}

PointLabels::PointLabels(TRChart& chart, const MeasuringPoints& points,
                         std::function<QChar()> decimalSeparator)
    : FChart(chart), FPoints(points), FDecimalSeparator(std::move(decimalSeparator)) {
    FChart.SetOnDataRendered([this](QObject*, TCanvas*& canvas, int top, int left) {
        if (FShown && !FValuesHidden) draw(*canvas, QPoint(left, top));
    });
}

void PointLabels::setShown(bool shown) {
    FShown = shown;
    FChart.RepaintIfAuto();
}

void PointLabels::setValuesHidden(bool hidden) {
    FValuesHidden = hidden;
    FChart.RepaintIfAuto();
}

// The canvas holds the data area `dataAreaOffset` pixels up and left of where the chart has it.
void PointLabels::draw(TCanvas& canvas, QPoint dataAreaOffset) const {
    const TScalePropsHoriz& x = *FChart.Scale1X();
    const TScalePropsVert& y = *FChart.Scale1Y();
    const QRect area(FChart.DataToPixel(1, x.RangeLow(), y.RangeHigh()) - dataAreaOffset,
                     FChart.DataToPixel(1, x.RangeHigh(), y.RangeLow()) - dataAreaOffset);
    const TPen pen = canvas.Pen();
    const TBrush brush = canvas.Brush();
    canvas.Font().SetSize(kFontSize);
    canvas.Font().SetColor(clBlack);
    canvas.Pen() = TPen{kFrame};
    canvas.Brush() = TBrush{clWhite};
    QRect first;
    for (int point = 1; point <= (FPoints.singlePoint() ? 1 : 2); ++point) {
        const QPointF at = FPoints.point(point);
        const QString text = pointLabelText(point, at, FDecimalSeparator());
        const QSize size = canvas.TextExtent(text) + QSize(2 * kPadding + 2, 2 * kPadding + 2);
        const QPoint pixel = FChart.DataToPixel(1, at.x(), at.y()) - dataAreaOffset;
        const QRect box = pointLabelBox(pixel, size, area, first);
        canvas.Rectangle(box.left(), box.top(), box.right() + 1, box.bottom() + 1);
        canvas.TextOut(box.left() + 1 + kPadding, box.top() + 1 + kPadding, text);
        first = box;
    }
    canvas.Pen() = pen;
    canvas.Brush() = brush;
}
