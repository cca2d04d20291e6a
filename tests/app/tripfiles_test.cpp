// Measured trips in the main window as a student meets them: a trip file dropped on the window
// takes the profile box's fourth entry and the chart's axes; the arrow keys move point 1 over it
// and the velocity graph's trace follows the smoothed data; [ and ] change the smoothing; a file
// that cannot be used says why and leaves the trip shown.
#include "../qstringprinter.h"
#include "app/measuredtrip.h"
#include "app/simulation.h"
#include "app/studytools.h"
#include "app/tripfiles.h"
#include "app/velocitygraph.h"
#include "chart/rchart.h"
#include "mainformfixture.h"
#include "platform/controls/stdctrls.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMimeData>
#include <QTest>
#include <QUrl>

namespace {

const QString kRide = QStringLiteral(KYVELO_TEST_DATA "/../../data/trips/ride.gpx");

class TripFilesTest : public MainFormFixture {
protected:
    void SetUp() override {
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        form->Trips()->setDialogs({{}, {}, [this](const QString& message) { errors << message; }});
    }

    void key(int k) { QTest::keyClick(form->RC1, static_cast<Qt::Key>(k)); }

    // A file dragged onto the window and dropped there, as a file manager does it.
    void drop(const QString& path) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(form.get(), &enter);
        QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(form.get(), &drop);
    }

    const MeasuredTrip* trip() const { return asMeasuredTrip(form->Model().trip()); }
    QPointF lastDot() const { return form->Study()->graph().trace().back(); }
    DistanceRange axis(const TRChart& chart) const {
        return {chart.Scale1Y()->RangeLow(), chart.Scale1Y()->RangeHigh()};
    }

    QStringList errors;
};

} // namespace

TEST_F(TripFilesTest, DroppedRideIsMeasuredWithTheKeys) {
    drop(kRide);
    ASSERT_TRUE(trip()) << qPrintable(errors.join(QLatin1Char('\n')));
    EXPECT_EQ(form->CBoxMode->Items().value(3), QStringLiteral("ride.gpx"));
    EXPECT_EQ(form->CBoxMode->ItemIndex(), 3);
    const TripSpan span = trip()->timeSpan();
    EXPECT_EQ(span.Start, 0);
    EXPECT_EQ(span.End, 1678 / 60.0); // 840 samples 2 s apart
    EXPECT_EQ(form->RC1->Scale1X()->RangeLow(), 0);
    EXPECT_EQ(form->RC1->Scale1X()->RangeHigh(), span.End);
    const DistanceRange distances = trip()->distanceRange();
    const DistanceRange distanceAxis = axis(*form->RC1);
    EXPECT_LE(distanceAxis.Low, distances.Low);
    EXPECT_GE(distanceAxis.High, distances.High);
    EXPECT_LT(distanceAxis.High - distanceAxis.Low, 2 * (distances.High - distances.Low));

    // Point 1, taken into the trip's span from the start's 50 min, stands at its end.
    EXPECT_EQ(form->Time1(), span.End);
    form->CBox1Point->SetChecked(true);
    form->MovePoint(1, 8);
    key(Qt::Key_V);
    const TRChart& graph = *form->Study()->graph().chart();
    for (int step = 0; step < 4; ++step) {
        const double t1 = form->Time1();
        EXPECT_EQ(lastDot(), QPointF(t1, trip()->velocityAt(t1))) << step;
        key(Qt::Key_Right);
        EXPECT_EQ(form->Time1(), t1 + 0.5);
    }
    for (const QPointF& point : trip()->velocityCurve()) {
        ASSERT_GE(point.y(), axis(graph).Low);
        ASSERT_LE(point.y(), axis(graph).High);
    }
    EXPECT_NE(axis(graph).High, VelocityGraph::kHighest);
    EXPECT_FALSE(form->Study()->actions().ExactCurve->isEnabled());

    key(Qt::Key_BracketRight);
    EXPECT_EQ(trip()->tangentHalfWidth(), 1);
    EXPECT_TRUE(form->Label1->Caption().endsWith(QStringLiteral(" (\u00b11 min)")))
        << qPrintable(form->Label1->Caption());
    EXPECT_EQ(lastDot(), QPointF(form->Time1(), trip()->velocityAt(form->Time1())));

    // A profile and back: the trip keeps its smoothing, the profile the layout's distance axis.
    form->SetProfile(0);
    EXPECT_FALSE(trip());
    EXPECT_EQ(axis(*form->RC1).High, 180);
    EXPECT_TRUE(form->Study()->actions().ExactCurve->isEnabled());
    form->SetProfile(3);
    ASSERT_TRUE(trip());
    EXPECT_EQ(trip()->tangentHalfWidth(), 1);
    EXPECT_EQ(axis(*form->RC1).High, distanceAxis.High);
    EXPECT_TRUE(errors.isEmpty()) << qPrintable(errors.join(QLatin1Char('\n')));
}

TEST_F(TripFilesTest, FileThatCannotBeUsedSaysWhyAndKeepsTheTrip) {
    ASSERT_TRUE(form->Trips()->open(kRide));
    QTemporaryDir dir;
    const QString bad = dir.filePath(QStringLiteral("back.csv"));
    QFile file(bad);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("t [min],s [km]\n0,0\n2,1\n1,2\n");
    file.close();
    EXPECT_FALSE(form->Trips()->open(bad));
    EXPECT_EQ(errors,
              QStringList{QStringLiteral("back.csv, line 4: the time goes back, from 2 min to 1 min.")});
    ASSERT_TRUE(trip());
    EXPECT_EQ(trip()->name(), QStringLiteral("ride.gpx"));
    EXPECT_EQ(form->CBoxMode->Items().value(3), QStringLiteral("ride.gpx"));
}

TEST(SmoothingSteps, WiderAndNarrowerStopAtTheEnds) {
    // clang-format off
    const std::vector<std::tuple<double, bool, double>> cases{
        {0.5, true, 1}, {0.5, false, 0.25}, {5, true, 5}, {0.1, false, 0.1},
        {0.3, true, 0.5}, {0.3, false, 0.25}, {0.01, true, 0.1}, {7, false, 5}};
    // clang-format on
    for (const auto& [h, wider, next] : cases)
        EXPECT_EQ(nextSmoothingStep(h, wider), next) << h << (wider ? " wider" : " narrower");
}
