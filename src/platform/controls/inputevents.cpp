#include "platform/controls/inputevents.h"

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
