#include "recordingchart.h"

#include <QApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>

#include <vector>

namespace {

// 576 x 446 with the data area 50..556 x 20..406; one data unit is one pixel.
struct FocusChart : RecordingChart {
    FocusChart() {
        SetBounds(0, 0, 576, 446);
        Scale1X()->SetRangeHigh(506);
        Scale1Y()->SetRangeHigh(386);
        setFocusPolicy(Qt::TabFocus);
        show();
        activateWindow();
        QApplication::setActiveWindow(this);
        focus(false); // the window gave its only control the focus
    }
    void focus(bool on, Qt::FocusReason reason = Qt::TabFocusReason) {
        if (on)
            setFocus(reason);
        else
            clearFocus();
        QApplication::processEvents();
    }
};

constexpr QRgb kBlack = 0xFF000000;

int blackInColumn(const QImage& image, int x) {
    int n = 0;
    for (int y = 2; y < image.height() - 2; ++y)
        n += image.pixel(x, y) == kBlack;
    return n;
}

} // namespace

TEST(RChartFocus, DottedRectangleJustInsideTheBorderOnlyWhileFocused) {
    FocusChart chart;
    EXPECT_EQ(chart.ScreenImage(), chart.FrameImage());
    const int paints = chart.paints;
    chart.focus(true);
    ASSERT_TRUE(chart.hasFocus());
    const QImage screen = chart.ScreenImage();
    EXPECT_EQ(chart.paints, paints); // the cues cost no repaint of the chart
    for (int x : {1, 574}) {
        EXPECT_GE(blackInColumn(screen, x), 440 / 2 - 2) << x;
        EXPECT_LE(blackInColumn(screen, x), 440 / 2 + 2) << x;
    }
    EXPECT_EQ(blackInColumn(screen, 0), 0);
    // Dotted three on, three off, as the canvas dots its lines.
    for (int y = 2; y < 440; ++y)
        ASSERT_NE(screen.pixel(1, y) == kBlack, screen.pixel(1, y + 3) == kBlack) << y;
    EXPECT_EQ(chart.FrameImage().pixel(1, 100), chart.FrameImage().pixel(0, 100));
    chart.focus(false);
    EXPECT_EQ(chart.ScreenImage(), chart.FrameImage());
}

TEST(RChartFocus, RingAroundTheFocusPointFollowsItAndGoesWithTheFocus) {
    FocusChart chart;
    chart.SetFocusPoint(200, 100); // pixel (250, 306)
    EXPECT_TRUE(chart.HasFocusPoint());
    EXPECT_EQ(chart.ScreenImage(), chart.FrameImage());
    chart.focus(true);
    QImage screen = chart.ScreenImage();
    for (QPoint p : {QPoint(258, 306), QPoint(242, 306), QPoint(250, 298), QPoint(250, 314)})
        EXPECT_EQ(screen.pixel(p), kBlack) << p.x() << "," << p.y();
    EXPECT_NE(screen.pixel(250, 306), kBlack); // a ring, not a disc
    EXPECT_NE(screen.pixel(261, 306), kBlack);

    chart.SetFocusPoint(300, 100);
    screen = chart.ScreenImage();
    EXPECT_NE(screen.pixel(258, 306), kBlack);
    EXPECT_EQ(screen.pixel(358, 306), kBlack);

    chart.ClearFocusPoint();
    EXPECT_FALSE(chart.HasFocusPoint());
    EXPECT_NE(chart.ScreenImage().pixel(358, 306), kBlack);
}

TEST(RChartFocus, TheRectangleOnlyWhenTheFocusCameFromTheKeyboardTheRingAlways) {
    struct Case {
        std::vector<Qt::FocusReason> reasons; // the focus leaves between them
        bool pressed;                         // then a mouse press on the focused chart
        bool rectangle;
    };
    const Case cases[] = {
        {{Qt::TabFocusReason}, false, true},
        {{Qt::BacktabFocusReason}, false, true},
        {{Qt::ShortcutFocusReason}, false, true},
        {{Qt::MouseFocusReason}, false, false},
        {{Qt::OtherFocusReason}, false, false},
        // Back from another window or a menu, the focus shows as it came first.
        {{Qt::TabFocusReason, Qt::ActiveWindowFocusReason}, false, true},
        {{Qt::MouseFocusReason, Qt::ActiveWindowFocusReason}, false, false},
        {{Qt::TabFocusReason, Qt::PopupFocusReason}, false, true},
        {{Qt::TabFocusReason}, true, false}, // the mouse takes over
    };
    for (const Case& c : cases) {
        FocusChart chart;
        chart.SetFocusPoint(200, 100); // pixel (250, 306)
        for (Qt::FocusReason reason : c.reasons) {
            chart.focus(false);
            chart.focus(true, reason);
        }
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(300, 200), QPointF(300, 200), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        if (c.pressed) QApplication::sendEvent(&chart, &press);
        const QImage screen = chart.ScreenImage();
        EXPECT_EQ(blackInColumn(screen, 1) > 0, c.rectangle) << c.reasons.back() << c.pressed;
        EXPECT_EQ(screen.pixel(258, 306), kBlack) << c.reasons.back() << c.pressed;
    }
}
