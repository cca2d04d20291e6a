// Scaling of stored layouts: a layout states the PixelsPerInch it was designed at, and positions,
// sizes, size limits and font heights are multiplied by (screen PixelsPerInch / design PixelsPerInch)
// as they are read. Which properties scale is declared by each class in a "ScaledProperties" class
// info (a comma-separated list; the most derived class's list applies); a font's Height always does.
#pragma once

#include <QObject>
#include <QString>

class LayoutScale {
public:
    // No scaling when either resolution is unknown (0 or less) or they are equal.
    LayoutScale(int screenPixelsPerInch, int designPixelsPerInch);

    bool Active() const { return FScreen != FDesign; }
    // value * screen / design, rounded to the nearest integer, halves away from zero (-13 at
    // 120 -> 96 gives -10.4, so -10; 5 gives 4).
    qint64 Apply(qint64 value) const;

private:
    qint64 FScreen;
    qint64 FDesign;
};

// Whether a stored value for the named property of target is a length that scales.
bool isScaledProperty(const QObject& target, const QString& name);
