// Scaling of stored layouts: a layout states the PixelsPerInch it was designed at, and positions,
// sizes, size limits and font heights are multiplied by (screen PixelsPerInch / design PixelsPerInch)
// as they are read. Which properties scale is declared by each class in a "ScaledProperties" class
// info (a comma-separated list; the most derived class's list applies); a font's Height always does.
#pragma once

#include <QObject>
#include <QString>

class LayoutScale {
public:
    // No scaling when either resolution is unknown (0 or less), when they are equal, or when one is
    // more than kMaxScaleRatio times the other: no two displays differ that much, and following such
    // a slip would make a window of many gigabytes (a chart at 3 pixels per inch shown at 144).
    LayoutScale(int screenPixelsPerInch, int designPixelsPerInch);
    static constexpr qint64 kMaxScaleRatio = 8;

    bool active() const { return FScreen != FDesign; }
    // value * screen / design, rounded to the nearest integer, halves away from zero (-13 at
    // 120 -> 96 gives -10.4, so -10; 5 gives 4).
    qint64 apply(qint64 value) const;

private:
    qint64 FScreen;
    qint64 FDesign;
};

// Whether a stored value for the named property of target is a length that scales.
bool isScaledProperty(const QObject& target, const QString& name);
