// The captions of the View menu's zoom entries, the road strip's option and the zoom level as screen readers
// hear it. Like StudyTexts they are published "BF_" properties of a component the window owns and
// creates before reading its layout, so the language file translates them with the layout's.
#pragma once

#include "platform/controls/component.h"

class ViewTexts : public TComponent {
    Q_OBJECT
    Q_PROPERTY(QString ZoomIn MEMBER FZoomIn)
    Q_PROPERTY(QString ZoomOut MEMBER FZoomOut)
    Q_PROPERTY(QString WholeTrip MEMBER FWholeTrip)
    Q_PROPERTY(QString Zoomed MEMBER FZoomed)
    Q_PROPERTY(QString FollowCar MEMBER FFollowCar)
public:
    explicit ViewTexts(TComponentBase* owner);

    QString ZoomIn() const { return FZoomIn; }
    QString ZoomOut() const { return FZoomOut; }
    QString WholeTrip() const { return FWholeTrip; }
    QString Zoomed() const { return FZoomed; }
    QString FollowCar() const { return FFollowCar; }

private:
    QString FZoomIn = QStringLiteral("BF_Zoom in");
    QString FZoomOut = QStringLiteral("BF_Zoom out");
    QString FWholeTrip = QStringLiteral("BF_Whole trip");
    // %1: how many times the window is narrower than the whole trip, %2 and %3: its ends in min.
    QString FZoomed = QStringLiteral("BF_zoomed in %1 times: %2 to %3 min");
    QString FFollowCar = QStringLiteral("BF_Point 1 follows the car");
};
