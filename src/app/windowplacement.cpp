#include "app/windowplacement.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

QRect fitIntoArea(const QRect& window, const QRect& area, const QSize& minimum) {
    if (area.contains(window)) return window;
    const QSize size = window.size().boundedTo(area.size()).expandedTo(minimum);
    return {area.left() + std::max(0, (area.width() - size.width()) / 2),
            area.top() + std::max(0, (area.height() - size.height()) / 2), size.width(), size.height()};
}

namespace {

QMargins frameMargins(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

// Puts the window's frame at `frame`, fitted into the free area of the screen under its centre.
void placeFrame(QWidget& window, const QRect& frame) {
    const QScreen* screen = QGuiApplication::screenAt(frame.center());
    if (!screen) screen = window.screen();
    const QMargins margins = frameMargins(window);
    const QRect fitted =
        fitIntoArea(frame, screen->availableGeometry(), window.minimumSize().grownBy(margins));
    if (fitted.size() != window.frameGeometry().size()) window.resize(fitted.size().shrunkBy(margins));
    window.move(fitted.topLeft());
}

} // namespace

void keepInsideScreen(QWidget& window) {
    placeFrame(window, window.frameGeometry());
}

void centreOver(QWidget& window, const QWidget& other) {
    QRect frame = window.frameGeometry();
    frame.moveCenter(other.frameGeometry().center());
    placeFrame(window, frame);
}

void bringToFront(QWidget& window) {
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
    // A dialog the window waits for (the start-up screen) stays in front of it.
    if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != &window) {
        modal->raise();
        modal->activateWindow();
    }
}
