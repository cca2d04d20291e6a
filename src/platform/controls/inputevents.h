// The parameter lists of the usual mouse and key events of a control, as stored layouts bind them.
#pragma once

#include "platform/controls/shiftstate.h"

#include <QObject>

#include <functional>

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

// OnMouseDown, OnMouseUp: the button, the state after the change and the pointer in control pixels.
using TMouseEvent =
    std::function<void(QObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(QObject* Sender, TShiftState Shift, int X, int Y)>;
// OnKeyDown: the handler may change the key or clear it (0) to swallow it.
using TKeyEvent = std::function<void(QObject* Sender, int& Key, TShiftState Shift)>;

// The button of a Qt mouse event; buttons beyond the three count as the middle one.
TMouseButton mouseButtonOf(Qt::MouseButton button);
