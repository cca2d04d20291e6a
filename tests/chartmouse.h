// A real mouse event on a chart, at the pixel of a time and distance of layer 1, as a user's hand
// gives it.
#pragma once

#include "chart/rchart.h"

#include <QCoreApplication>
#include <QMouseEvent>

inline void mouseOnChart(TRChart& chart, QEvent::Type type, double t, double s, Qt::MouseButtons buttons) {
    const QPointF p = chart.DataToPixel(1, t, s);
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, p, chart.mapToGlobal(p), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(&chart, &event);
}
