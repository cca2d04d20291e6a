// The captions the velocity read-out takes by what it measures. They are published "BF_"
// properties of a component the window owns and creates before reading its layout, so the language
// file translates them together with every caption of the layout.
#pragma once

#include "platform/controls/component.h"

class ReadoutTexts : public TComponent {
    Q_OBJECT
    Q_PROPERTY(QString AverageVelocity MEMBER FAverageVelocity)
    Q_PROPERTY(QString VelocityAtPoint MEMBER FVelocityAtPoint)
public:
    explicit ReadoutTexts(TComponentBase* owner);

    // The slope of the secant through both points.
    QString AverageVelocity() const { return FAverageVelocity; }
    // The slope of the tangent at point 1.
    QString VelocityAtPoint() const { return FVelocityAtPoint; }

private:
    QString FAverageVelocity = QStringLiteral("BF_Average velocity");
    QString FVelocityAtPoint = QStringLiteral("BF_Velocity at point 1");
};
