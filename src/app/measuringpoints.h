// The two measuring points on the trip curve as the chart's keyboard, menu and glide see them:
// where they stand, whether the second one is in use, and how they move. The simulation provides
// them; a point moved through here updates the display as a drag does.
#pragma once

#include <QPointF>

class Trip;

class MeasuringPoints {
public:
    virtual ~MeasuringPoints() = default;
    // The trip the points stand on.
    virtual const Trip& trip() const = 0;
    // Only point 1 is shown and moved.
    virtual bool singlePoint() const = 0;
    // Point 1 or 2 as (time in min, distance in km).
    virtual QPointF point(int which) const = 0;
    // The point a press at time t takes: the nearer one (point 2 on a tie), point 1 in single-point
    // mode.
    virtual int nearerPoint(double t) const = 0;
    // Puts point 1 or 2 onto the curve at time t; the display follows.
    virtual void movePoint(int which, double t) = 0;
};
