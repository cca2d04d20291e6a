// The spoken texts of the road strip. Like StudyTexts they are published "BF_" properties of a
// component the window owns, so that the language file translates them with the layout's.
#pragma once

#include "platform/controls/component.h"

class RoadStripTexts : public TComponent {
    Q_OBJECT
    Q_PROPERTY(QString StripName MEMBER FStripName)
    Q_PROPERTY(QString StripKeys MEMBER FStripKeys)
    Q_PROPERTY(QString CarState MEMBER FCarState)
    Q_PROPERTY(QString SpeedChoice MEMBER FSpeedChoice)
    Q_PROPERTY(QString Speedometer MEMBER FSpeedometer)
public:
    explicit RoadStripTexts(TComponentBase* owner);

    QString StripName() const { return FStripName; }
    QString StripKeys() const { return FStripKeys; }
    QString CarState() const { return FCarState; }
    QString SpeedChoice() const { return FSpeedChoice; }
    QString Speedometer() const { return FSpeedometer; }

private:
    QString FStripName = QStringLiteral("BF_Road strip");
    QString FStripKeys = QStringLiteral(
        "BF_Space plays and pauses, the right arrow steps on, 1, 2 and 3 choose the speed x1, x10 or x60");
    // %1: time in min, %2: distance in km, %3: velocity in km/h.
    QString FCarState = QStringLiteral("BF_Car at %1 min: %2 km, %3 km/h");
    QString FSpeedChoice = QStringLiteral("BF_Playback speed");
    QString FSpeedometer = QStringLiteral("BF_Speedometer");
};
