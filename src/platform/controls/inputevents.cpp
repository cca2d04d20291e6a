#include "platform/controls/inputevents.h"

using enum TMouseButton;

TMouseButton mouseButtonOf(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return mbLeft;
    case Qt::RightButton:
        return mbRight;
    default:
        return mbMiddle;
    }
}
