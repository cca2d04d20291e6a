// The road strip: the car drawn to scale at the cursor and turned round on the way back, and the
// keys that play it, with a clock and a frame timer the test moves.
#include "../manualtimer.h"
#include "../painttestutil.h"
#include "app/accessibleface.h"
#include "app/roadstrip.h"
#include "app/roadstriptexts.h"
#include "fakeclock.h"
#include "polylinetrip.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QKeyEvent>
#include <QLayout>

namespace {

class RoadStripTest : public testing::Test {
protected:
    RoadStripTest() : texts(nullptr), strip(trip, clock, texts) {
        auto owned = std::make_unique<ManualTimer>();
        timer = owned.get();
        strip.setFrameTimer(std::move(owned));
        strip.resize(640, 80);
        strip.layout()->activate();
    }

    void press(Qt::Key key) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, QString());
        QCoreApplication::sendEvent(&strip, &event);
    }

    // The car's middle (its body's) and its headlight's, in pixels from the strip's left.
    std::pair<double, double> carAt(double t) {
        strip.showTime(t);
        const QImage image = strip.grab().toImage();
        image.save(outputPath(QStringLiteral("roadstrip-%1.png").arg(t)));
        const auto middle = [&](QRgb colour) {
            const QRect box = boxOf(pixelsWhere(image, [colour](QRgb p) { return p == colour; }));
            return box.isNull() ? -1.0 : (box.left() + box.right() + 1) / 2.0;
        };
        return {middle(qRgb(200, 0, 0)), middle(qRgb(255, 220, 0))};
    }

    const PolylineTrip trip; // 0 to 40 km and back to 25 km
    FakeClock clock;
    RoadStripTexts texts;
    RoadStrip strip;
    ManualTimer* timer = nullptr;
};

} // namespace

TEST_F(RoadStripTest, CarDrivesToScaleAndTurnsRoundOnTheWayBack) {
    const QRect road = strip.roadArea();
    const double kmPixels = (road.width() - 2 * RoadStrip::kRoadMargin) / 40.0;
    const double start = road.left() + RoadStrip::kRoadMargin;
    struct At {
        double t, km;
        bool back;
    };
    for (const At at : {At{10, 10, false}, At{45, 35, true}}) {
        const auto [body, headlight] = carAt(at.t);
        EXPECT_NEAR(body, start + at.km * kmPixels, 1) << at.t;
        EXPECT_EQ(headlight < body, at.back) << at.t;
    }
}

TEST_F(RoadStripTest, KeysPlayPauseStepAndChooseTheSpeed) {
    std::vector<double> cursor;
    strip.setOnCursorMoved([&](double t) { cursor.push_back(t); });
    std::vector<QAccessible::Event> announced;
    setAnnounceHandler([&](QAccessibleEvent* event) { announced.push_back(event->type()); });

    press(Qt::Key_3); // x60
    press(Qt::Key_Space);
    EXPECT_TRUE(timer->Running);
    EXPECT_EQ(timer->Interval, RoadStrip::kFrameMs);
    clock.Ms = 25000;
    timer->fire();
    EXPECT_EQ(cursor.back(), 25);
    EXPECT_EQ(strip.speedometerText(), QStringLiteral("120 km/h"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&strip)->text(QAccessible::Value),
              QStringLiteral("BF_Car at 25.0 min: 30.0 km, 120 km/h"));

    press(Qt::Key_Space); // pausing stops the frames
    EXPECT_FALSE(timer->Running);
    press(Qt::Key_Right); // a step at x60 is a trip minute
    EXPECT_EQ(cursor.back(), 26);
    press(Qt::Key_1);
    press(Qt::Key_Right);
    EXPECT_DOUBLE_EQ(cursor.back(), 26 + 1.0 / 60);

    press(Qt::Key_Space);
    clock.Ms += 3600 * 1000; // the trip ends: the last frame stops the timer
    EXPECT_EQ(timer->runOut(), 1);
    EXPECT_EQ(cursor.back(), 60);
    EXPECT_EQ(announced.size(), 8u); // after each of 7 keys and at the end, not on the frames
    setAnnounceHandler({});
}
