#include "app/windowplacement.h"

#include <QApplication>
#include <QWidget>

#include <gtest/gtest.h>

TEST(WindowPlacement, OpensInsideTheFreeAreaOfTheScreen) {
    // A 1366 x 768 screen with a task bar of 40 pixels at its top, and a screen smaller than the
    // main window's minimum of 640 x 480 beside a wider one.
    const QRect laptop(0, 40, 1366, 728);
    const QRect tiny(1920, 20, 600, 400);
    const QSize minimum(640, 480);
    struct Case {
        const char* what;
        QRect area;
        QRect window;
        QRect placed;
    };
    const Case cases[] = {
        {"fits: stays", laptop, {306, 230, 792, 480}, {306, 230, 792, 480}},
        {"on the edges: stays", laptop, {0, 40, 1366, 728}, {0, 40, 1366, 728}},
        {"off the bottom: centred", laptop, {306, 230, 792, 567}, {287, 120, 792, 567}},
        {"under the task bar: centred", laptop, {306, 0, 792, 567}, {287, 120, 792, 567}},
        {"off the right: centred", laptop, {1000, 100, 792, 567}, {287, 120, 792, 567}},
        {"larger than the screen: shrunk", laptop, {10, 10, 1600, 1200}, {0, 40, 1366, 728}},
        {"taller only: shrunk in height", laptop, {10, 10, 800, 900}, {283, 40, 800, 728}},
        {"below the minimum: kept at it, top left in reach", tiny, {1900, 0, 800, 600}, {1920, 20, 640, 480}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fitIntoArea(c.window, c.area, minimum), c.placed) << c.what;
}

TEST(WindowPlacement, ASecondStartBringsAMinimisedWindowBackInFront) {
    QWidget window;
    QWidget other;
    window.showMinimized();
    other.show();
    other.activateWindow();
    QApplication::processEvents();
    bringToFront(window);
    QApplication::processEvents();
    EXPECT_FALSE(window.isMinimized());
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.isActiveWindow());
    EXPECT_FALSE(other.isActiveWindow());
}
