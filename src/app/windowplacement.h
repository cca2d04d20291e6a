// Where the program's windows open: inside the free area of the screen (without the task bars),
// so that no control of a window is out of reach on a small screen.
#pragma once

#include <QRect>
#include <QSize>

class QWidget;

// Where a window whose frame is `window` opens inside the free area `area`: where it stands when it
// fits; otherwise centred, and shrunk to the area where it is larger, though never below `minimum`.
// A window still larger than the area keeps its top left corner in it, title bar in reach.
QRect fitIntoArea(const QRect& window, const QRect& area, const QSize& minimum);

// Applies fitIntoArea to a top-level window on the screen it stands on (the primary one when it
// stands on none). The frame counts as far as the platform knows it: before a window is first on
// the screen, most window managers have not yet told its size.
void keepInsideScreen(QWidget& window);
// Centres a top-level window over another, then keeps it inside the screen.
void centreOver(QWidget& window, const QWidget& other);
// Shows a top-level window restored if it was minimised, raised and active, and the dialog it
// waits for, if any, in front of it: what a second start of the program asks of the first.
void bringToFront(QWidget& window);
