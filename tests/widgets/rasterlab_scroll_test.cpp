#include "../manualtimer.h"
#include "widgets/rasterlab.h"

#include <gtest/gtest.h>

#include <climits>

using enum RasterLab::TRDScrollMode;

namespace {

class ScrollingLab : public testing::Test {
protected:
    TRasterLab lab{nullptr};
    ManualTimer* timer = new ManualTimer;
    int ticks = 0;
    int restarts = 0;
    void SetUp() override {
        lab.SetScrollTimer(std::unique_ptr<IntervalTimer>(timer));
        lab.SetBounds(0, 0, 60, 30);
        lab.SetText(QStringLiteral("1"));
        lab.SetOnScrollTimer([this](QObject* sender) {
            EXPECT_EQ(sender, &lab);
            ++ticks;
        });
        lab.SetOnScrollLoopRestart([this](QObject*) { ++restarts; });
    }
};

} // namespace

TEST_F(ScrollingLab, TimerRunsOnlyWhileAModeIsSet) {
    EXPECT_FALSE(timer->Running);
    lab.SetScrollMode(rdsmLeft);
    EXPECT_TRUE(timer->Running);
    EXPECT_EQ(timer->Interval, 100);
    lab.SetScrollInterval(5);
    EXPECT_EQ(timer->Interval, 10);
    lab.SetScrollMode(rdsmOff);
    EXPECT_FALSE(timer->Running);
}

TEST_F(ScrollingLab, LeftStepsLoopBackFromTheRight) {
    lab.SetScrollIncrement(4);
    lab.SetScrollMode(rdsmLeft);
    const int textWidth = lab.TextWidthPixels(); // '1': 6 columns · pitch 4, plus one
    EXPECT_EQ(textWidth, 25);
    lab.Face();
    const int paints = lab.PaintCount();
    timer->fire();
    EXPECT_EQ(lab.ScrollOffset(), QPoint(-4, 0));
    EXPECT_EQ(ticks, 1);
    lab.Face();
    EXPECT_EQ(lab.PaintCount(), paints + 1);
    for (int i = 0; i < 5; ++i)
        timer->fire();
    EXPECT_EQ(lab.ScrollOffset().x(), -24);
    EXPECT_EQ(restarts, 0);
    timer->fire(); // -28 has left the face: re-enter at the right edge
    EXPECT_EQ(lab.ScrollOffset().x(), 60);
    EXPECT_EQ(restarts, 1);
}

TEST_F(ScrollingLab, OtherDirectionsAndRunningOffWithoutLoop) {
    lab.SetScrollIncrement(20);
    lab.SetScrollMode(rdsmRight);
    timer->fire();
    timer->fire();
    timer->fire();
    timer->fire();
    EXPECT_EQ(lab.ScrollOffset().x(), -lab.TextWidthPixels());
    EXPECT_EQ(restarts, 1);

    lab.SetScrollMode(rdsmDown);
    EXPECT_EQ(lab.ScrollOffset(), QPoint(-lab.TextWidthPixels(), 0)); // only rdsmOff resets
    timer->fire();
    timer->fire();
    EXPECT_EQ(lab.ScrollOffset().y(), -12 * 4); // re-entered above by the character height
    EXPECT_EQ(restarts, 2);

    lab.SetScrollMode(rdsmUp);
    lab.SetScrollLoop(false);
    for (int i = 0; i < 10; ++i)
        timer->fire();
    EXPECT_EQ(lab.ScrollOffset().y(), -48 - 200);
    EXPECT_EQ(restarts, 2);
}

TEST_F(ScrollingLab, BackToOffPutsTheTextInPlaceAtOnce) {
    const QImage still = lab.Face().Image().copy();
    lab.SetScrollMode(rdsmUp);
    timer->fire();
    timer->fire();
    EXPECT_NE(lab.Face().Image(), still);
    lab.SetScrollMode(rdsmOff);
    EXPECT_EQ(lab.ScrollOffset(), QPoint(0, 0));
    EXPECT_EQ(lab.Face().Image(), still);
}

TEST_F(ScrollingLab, RefusedTimerRaisesWithTheComponentName) {
    lab.SetName(QStringLiteral("RLabSpeed"));
    timer->Refuse = true;
    try {
        lab.SetScrollMode(rdsmLeft);
        FAIL() << "no exception";
    } catch (const EVRXRasterLabError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Component \"RLabSpeed\": no timer available"));
    }
    EXPECT_EQ(lab.ScrollMode(), rdsmLeft);
    EXPECT_FALSE(timer->Running);
    EXPECT_THROW(lab.SetScrollInterval(500), EVRXError);
    EXPECT_EQ(lab.ScrollInterval(), 500);
}

TEST_F(ScrollingLab, AnExceptionInTheHandlerDoesNotStopTheTimer) {
    QString reported;
    setTimerExceptionHandler([&](const std::exception& e) { reported = QString::fromUtf8(e.what()); });
    lab.SetOnScrollTimer([](QObject*) { throw EVRXError(QStringLiteral("handler failed")); });
    lab.SetScrollMode(rdsmLeft);
    timer->fire();
    timer->fire();
    setTimerExceptionHandler(nullptr);
    EXPECT_EQ(reported, QStringLiteral("handler failed"));
    EXPECT_TRUE(timer->Running);
    EXPECT_EQ(lab.ScrollOffset().x(), -2);
}

TEST(ScrollStep, OffsetsSaturateInsteadOfOverflowing) {
    ScrollOffsets o{INT_MAX - 1, 0};
    EXPECT_FALSE(scrollStep(rdsmRight, 10, false, {100, 40, 30, 36}, o));
    EXPECT_EQ(o.X, INT_MAX);
    o = {0, 5};
    EXPECT_TRUE(scrollStep(rdsmUp, 50, true, {100, 40, 30, 36}, o));
    EXPECT_EQ(o.Y, 40);
    EXPECT_FALSE(scrollStep(rdsmOff, 50, true, {100, 40, 30, 36}, o));
    EXPECT_EQ(o.Y, 0);
}
