// TShiftState: the modifier keys and mouse buttons held during a mouse or key event, and whether the
// event is the second press of a double click. Handlers test it with testFlag(ssLeft) and the like.
#pragma once

#include <QFlags>
#include <Qt>

enum class TShiftStateFlag : unsigned {
    ssShift = 0x01,
    ssAlt = 0x02,
    ssCtrl = 0x04,
    ssLeft = 0x08,
    ssRight = 0x10,
    ssMiddle = 0x20,
    ssDouble = 0x40
};
Q_DECLARE_FLAGS(TShiftState, TShiftStateFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TShiftState)

// The state for Qt's modifiers and buttons.
TShiftState shiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);
