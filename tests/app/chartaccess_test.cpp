// The main window beyond the mouse, driven as a keyboard or screen-reader user would: key events
// on the chart, its context menu, pictures, the glide of point 2, and the accessible interfaces.
#include "../manualtimer.h"
#include "app/accessibleface.h"
#include "app/chartaccess.h"
#include "app/languagemenu.h"
#include "app/simulation.h"
#include "app/tripmodel.h"
#include "chart/rchart.h"
#include "mainformfixture.h"
#include "platform/controls/buttons.h"
#include "platform/controls/stdctrls.h"
#include "widgets/rasterlab.h"
#include "widgets/sline.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMetaProperty>
#include <QMouseEvent>
#include <QTemporaryDir>

#include <memory>

using enum TShiftStateFlag;

namespace {

class ChartAccessTest : public MainFormFixture {
protected:
    void SetUp() override {
        access = form->Access();
        auto owned = std::make_unique<ManualTimer>();
        timer = owned.get();
        access->setGlideTimer(std::move(owned));
    }
    void TearDown() override { setAnnounceHandler({}); }

    void key(int k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent event(QEvent::KeyPress, k, modifiers);
        QApplication::sendEvent(form->RC1, &event);
    }
    void dragTo(double t) { form->RC1MouseMoveInChart(form->RC1, true, TShiftState(ssLeft), t, 0); }
    void focusChart() {
        form->activateWindow();
        QApplication::setActiveWindow(form.get());
        form->RC1->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
    }
    QPoint pixelOf(double t) const {
        return form->RC1->DataToPixel(1, t, form->Model().trip().distanceAt(t));
    }
    double speed() const { return form->RLabSpeed->Text().chopped(4).toDouble(); }

    ChartAccess* access = nullptr;
    ManualTimer* timer = nullptr;
};

QAccessibleInterface* accessible(QObject* o) {
    return QAccessible::queryAccessibleInterface(o);
}

} // namespace

// ---- Keys

TEST_F(ChartAccessTest, ArrowsHomeAndEndMoveTheActivePointAlongTheCurve) {
    struct Step {
        int key;
        Qt::KeyboardModifiers modifiers;
        double time1;
    };
    const Step steps[] = {
        {Qt::Key_Right, Qt::NoModifier, 50.5},  {Qt::Key_Right, Qt::ShiftModifier, 55.5},
        {Qt::Key_Left, Qt::NoModifier, 55},     {Qt::Key_Left, Qt::ShiftModifier, 50},
        {Qt::Key_Home, Qt::NoModifier, 0},      {Qt::Key_Left, Qt::NoModifier, 0},
        {Qt::Key_End, Qt::NoModifier, 133},     {Qt::Key_Right, Qt::ShiftModifier, 133},
        {Qt::Key_Left, Qt::ShiftModifier, 128},
    };
    for (const Step& s : steps) {
        key(s.key, s.modifiers);
        EXPECT_EQ(form->Time1(), s.time1) << s.key;
        EXPECT_EQ(form->Dist1(), tripProfileDistance(profileIndex(TripProfile::StandardRoad), s.time1));
        EXPECT_EQ(form->Time2(), 110);
    }
    // The same update as a drag: the mark, the crosshair and the read-outs follow.
    EXPECT_EQ(form->RC1->Items()[135].X1, 128);
    EXPECT_EQ(form->RC1->CrossHair1()->PosX(), 128);
    EXPECT_EQ(form->RLabDT->Text(), QStringLiteral("18.0 min"));
}

TEST_F(ChartAccessTest, TheLastDraggedPointIsTheOneTheKeysMove) {
    EXPECT_EQ(access->activePoint(), 1);
    dragTo(100); // nearer to point 2
    EXPECT_EQ(access->activePoint(), 2);
    key(Qt::Key_Left);
    EXPECT_EQ(form->Time2(), 99.5);
    EXPECT_EQ(form->Time1(), 50);
}

TEST_F(ChartAccessTest, APressPicksThePointTheKeysMove) {
    form->activateWindow();
    QApplication::setActiveWindow(form.get());
    auto press = [&](double t, Qt::MouseButton button) {
        form->RC1->setFocus(Qt::MouseFocusReason); // as the platform does for a click
        const QPoint at = pixelOf(t);
        QMouseEvent event(QEvent::MouseButtonPress, at, form->RC1->mapToGlobal(at), button, button,
                          Qt::NoModifier);
        QApplication::sendEvent(form->RC1, &event);
    };
    press(100, Qt::LeftButton); // nearer to point 2
    EXPECT_EQ(access->activePoint(), 2);
    EXPECT_EQ(form->Time2(), 110); // a press alone moves nothing
    key(Qt::Key_Left);
    EXPECT_EQ(form->Time2(), 109.5);
    EXPECT_EQ(form->Time1(), 50);
    const QPoint ring = pixelOf(109.5) - QPoint(8, 0);
    EXPECT_EQ(form->RC1->ScreenImage().pixel(ring), qRgb(0, 0, 0));

    press(60, Qt::RightButton); // the context menu's button picks no point
    EXPECT_EQ(access->activePoint(), 2);
    press(-10, Qt::LeftButton); // nor does a press left of the time axis
    EXPECT_EQ(access->activePoint(), 2);
    press(60, Qt::LeftButton);
    EXPECT_EQ(access->activePoint(), 1);
}

TEST_F(ChartAccessTest, SpaceAndTabSwitchBetweenThePoints) {
    key(Qt::Key_Space);
    EXPECT_EQ(access->activePoint(), 2);
    key(Qt::Key_Right);
    EXPECT_EQ(form->Time2(), 110.5);
    key(Qt::Key_Tab);
    EXPECT_EQ(access->activePoint(), 1);
    key(Qt::Key_Right);
    EXPECT_EQ(form->Time1(), 50.5);

    // In single-point mode there is only point 1.
    key(Qt::Key_Space);
    form->CBox1Point->SetChecked(true);
    EXPECT_EQ(access->activePoint(), 1);
    key(Qt::Key_Space);
    key(Qt::Key_Right);
    EXPECT_EQ(form->Time1(), 51);
    EXPECT_EQ(form->Time2(), 110.5);
}

TEST_F(ChartAccessTest, TabReachesTheChartAndNeverCatchesTheKeyboard) {
    focusChart();
    ASSERT_TRUE(form->RC1->hasFocus());
    // Where Tab cannot switch points, and with Ctrl, it moves on; Shift+Tab moves back.
    key(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_FALSE(form->RC1->hasFocus());
    EXPECT_EQ(access->activePoint(), 1);
    focusChart();
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_FALSE(form->RC1->hasFocus());
    focusChart();
    form->CBox1Point->SetChecked(true);
    key(Qt::Key_Tab);
    EXPECT_FALSE(form->RC1->hasFocus());
}

// ---- Focus cues

TEST_F(ChartAccessTest, FocusRectangleAndRingShowOnlyWhileTheChartHasTheFocus) {
    const TRChart& chart = *form->RC1;
    const int w = chart.Width(), h = chart.Height();
    const QPoint p1 = pixelOf(50);
    auto dotsOnEdges = [&](const QImage& image) {
        int black = 0;
        for (int y = 2; y < h - 2; ++y)
            black += (image.pixel(1, y) == qRgb(0, 0, 0)) + (image.pixel(w - 2, y) == qRgb(0, 0, 0));
        return black;
    };
    EXPECT_EQ(dotsOnEdges(chart.ScreenImage()), 0);

    focusChart();
    const QImage focused = chart.ScreenImage();
    EXPECT_GT(dotsOnEdges(focused), h / 2); // dotted: about every other pixel
    EXPECT_LT(dotsOnEdges(focused), h + 4);
    EXPECT_EQ(focused.pixel(p1.x() + 8, p1.y()), qRgb(0, 0, 0)); // the ring around point 1
    EXPECT_EQ(focused.pixel(p1.x(), p1.y() - 8), qRgb(0, 0, 0));
    // Pictures never carry the cues.
    EXPECT_EQ(chart.FrameImage().pixel(1, h / 2), focused.pixel(0, h / 2));

    // The ring follows the active point.
    key(Qt::Key_Space);
    const QPoint p2 = pixelOf(110);
    EXPECT_EQ(chart.ScreenImage().pixel(p2.x() - 8, p2.y()), qRgb(0, 0, 0));
    EXPECT_NE(chart.ScreenImage().pixel(p1.x() + 8, p1.y()), qRgb(0, 0, 0));

    form->CBoxShowCH->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(chart.ScreenImage(), chart.FrameImage());
}

TEST_F(ChartAccessTest, AMouseOnlySessionStartsWithTheUnchangedPicture) {
    QApplication::processEvents();
    const QImage expected(QStringLiteral(KYVELO_TEST_DATA "/app/start_window.png"));
    ASSERT_FALSE(expected.isNull());
    // The client area under the menu bar, as the layout lays it out.
    const QRect client(0, clientTop(*form), form->width(), form->ClientHeight());
    const QImage now = form->grab(client).toImage().convertToFormat(expected.format());
    ASSERT_EQ(now.size(), expected.size());
    EXPECT_EQ(now, expected);
}

// ---- Context menu and pictures

TEST_F(ChartAccessTest, RightButtonAndMenuKeyOpenTheContextMenu) {
    const QPoint at = pixelOf(80);
    QContextMenuEvent right(QContextMenuEvent::Mouse, at, form->RC1->mapToGlobal(at));
    QApplication::sendEvent(form->RC1, &right);
    QMenu* menu = access->menu();
    ASSERT_TRUE(menu->isVisible());
    EXPECT_EQ(access->copyPictureAction()->text(), QStringLiteral("Copy picture"));
    EXPECT_EQ(access->savePictureAction()->text(), QStringLiteral("Save picture..."));
    EXPECT_EQ(access->glideAction()->text(), QStringLiteral("Let point 2 glide to point 1\tA"));
    EXPECT_TRUE(access->glideAction()->isEnabled());
    menu->hide();

    // The Menu key opens it at the active point; in single-point mode there is nothing to glide.
    form->CBox1Point->SetChecked(true);
    key(Qt::Key_Menu);
    ASSERT_TRUE(menu->isVisible());
    EXPECT_FALSE(access->glideAction()->isEnabled());
    EXPECT_LT((menu->pos() - form->RC1->mapToGlobal(pixelOf(50))).manhattanLength(), 3);
    menu->hide();
}

TEST_F(ChartAccessTest, PicturesHoldTheChartAndTheReadoutsAsTheWindowShowsThem) {
    QApplication::processEvents();
    const QImage window = form->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect area = form->RC1->geometry().united(form->Panel2->geometry());
    ASSERT_EQ(area, QRect(0, clientTop(*form) + 41, 792, 446));
    const QImage expected = window.copy(area);

    access->copyPictureAction()->trigger();
    EXPECT_EQ(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), expected);

    QTemporaryDir dir;
    QString proposed;
    access->setPictureDialogs({[&](const QString& proposal) {
                                   proposed = proposal;
                                   return dir.filePath(QStringLiteral("worksheet"));
                               },
                               [](const QString& message) { FAIL() << qPrintable(message); }});
    access->savePictureAction()->trigger();
    EXPECT_TRUE(proposed.endsWith(QStringLiteral("/kyvelo-chart.png")));
    const QImage saved(dir.filePath(QStringLiteral("worksheet.png")), "PNG");
    ASSERT_FALSE(saved.isNull());
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), expected);

    // The focus cues stay off the picture.
    focusChart();
    access->copyPictureAction()->trigger();
    EXPECT_EQ(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), expected);
}

TEST_F(ChartAccessTest, APictureThatCannotBeWrittenIsReportedAndCancellingSavesNothing) {
    QString error;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("missing/folder/a.png"));
    access->setPictureDialogs({[&](const QString&) { return path; }, [&](const QString& m) { error = m; }});
    access->savePictureAction()->trigger();
    EXPECT_EQ(error, QStringLiteral("The picture could not be saved as %1.").arg(path));

    error.clear();
    access->setPictureDialogs(
        {[](const QString&) { return QString(); }, [&](const QString& m) { error = m; }});
    access->savePictureAction()->trigger();
    EXPECT_TRUE(error.isEmpty());
}

// ---- The glide

TEST_F(ChartAccessTest, PointTwoGlidesOntoTheTangentInAboutTwoSeconds) {
    form->CBox1Point->SetChecked(true);
    const double tangent = speed();
    EXPECT_EQ(form->RLabSpeed->Text(), QStringLiteral("62.7km/h"));
    form->CBox1Point->SetChecked(false);

    key(Qt::Key_A);
    ASSERT_TRUE(access->gliding());
    EXPECT_EQ(access->activePoint(), 2);
    timer->fire();
    const double afterFirst = form->Time2();
    EXPECT_LT(afterFirst, 110);
    const int ticks = 1 + timer->runOut();
    EXPECT_EQ(ticks, PointGlide::kSteps);
    EXPECT_NEAR(ticks * timer->Interval, 2000, 100);
    EXPECT_FALSE(access->gliding());
    EXPECT_EQ(form->Time2(), 50.5);
    EXPECT_EQ(form->Dist2(), tripProfileDistance(profileIndex(TripProfile::StandardRoad), 50.5));
    EXPECT_NEAR(speed(), tangent, 1.0);
    EXPECT_EQ(form->RLabDT->Text(), QStringLiteral("0.5 min"));
}

TEST_F(ChartAccessTest, TheGlideIsEasedAndEndsOnPointTwosOwnSide) {
    PointGlide glide;
    glide.start(110, 50.5);
    double previous = 110, previousStep = 1e9;
    for (int i = 1; i <= PointGlide::kSteps; ++i) {
        const double t = glide.next();
        const double step = previous - t;
        EXPECT_GT(step, 0) << i;
        EXPECT_LE(step, previousStep + 1e-12) << i; // slowing down towards the limit
        previous = t;
        previousStep = step;
    }
    EXPECT_FALSE(glide.active());
    EXPECT_EQ(previous, 50.5);

    EXPECT_EQ(PointGlide::target(50, 110, 0.5, {0, 133}), 50.5);
    EXPECT_EQ(PointGlide::target(90, 20, 0.5, {0, 133}), 89.5);
    EXPECT_EQ(PointGlide::target(40, 40, 0.5, {0, 133}), 40.5);    // on one time: the later side
    EXPECT_EQ(PointGlide::target(133, 133, 0.5, {0, 133}), 132.5); // no room beyond the axis
    EXPECT_EQ(PointGlide::target(0, 0, 0.5, {0, 133}), 0.5);
}

TEST_F(ChartAccessTest, AnyKeyOrMousePressStopsTheGlide) {
    access->glideAction()->trigger();
    timer->fire();
    ASSERT_TRUE(access->gliding());
    const double reached = form->Time2();
    key(Qt::Key_Right); // stops, and does nothing else
    EXPECT_FALSE(access->gliding());
    EXPECT_FALSE(timer->Running);
    EXPECT_EQ(form->Time2(), reached);
    EXPECT_EQ(form->Time1(), 50);

    key(Qt::Key_A);
    ASSERT_TRUE(access->gliding());
    const QPoint at = pixelOf(20);
    QMouseEvent press(QEvent::MouseButtonPress, at, form->RC1->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form->RC1, &press);
    EXPECT_FALSE(access->gliding());

    // In single-point mode A does nothing.
    form->CBox1Point->SetChecked(true);
    key(Qt::Key_A);
    EXPECT_FALSE(access->gliding());
}

// ---- Assistive technology

TEST_F(ChartAccessTest, ReadoutsAreNamedByTheirCaptionsAndValuedByTheirTexts) {
    struct Readout {
        TRasterLab* lab;
        const char* name;
        const char* value;
    };
    const Readout readouts[] = {{form->RLabSpeed, "Average velocity", "70.6 km/h"},
                                {form->RLabDS, "Distance Interval ds [km]", "70.64 km"},
                                {form->RLabDT, "Time Interval dt [min]", "60.0 min"}};
    for (const Readout& r : readouts) {
        QAccessibleInterface* face = accessible(r.lab);
        ASSERT_TRUE(face);
        EXPECT_EQ(face->role(), QAccessible::StaticText);
        EXPECT_EQ(face->text(QAccessible::Name), QString::fromLatin1(r.name));
        EXPECT_EQ(face->text(QAccessible::Value), QString::fromLatin1(r.value));
        // Screen readers read a label's words through its text interface.
        QAccessibleTextInterface* text = face->textInterface();
        ASSERT_TRUE(text);
        EXPECT_EQ(text->text(0, text->characterCount()), QString::fromLatin1(r.value));
    }
    // Translated captions rename them; a velocity on the way back is read with its sign.
    form->Label1->SetCaption(QStringLiteral("Geschwindigkeit"));
    EXPECT_EQ(accessible(form->RLabSpeed)->text(QAccessible::Name), QStringLiteral("Geschwindigkeit"));
    form->CBoxMode->SetItemIndex(2);
    form->CBoxModeChange(form->CBoxMode);
    for (double t : {75, 90, 120})
        dragTo(t);
    EXPECT_EQ(accessible(form->RLabSpeed)->text(QAccessible::Value), QStringLiteral("-59.3 km/h"));
}

TEST_F(ChartAccessTest, TheChartIsAGraphicDescribingProfileAndPoints) {
    QAccessibleInterface* chart = accessible(form->RC1);
    ASSERT_TRUE(chart);
    EXPECT_EQ(chart->role(), QAccessible::Graphic);
    EXPECT_EQ(chart->text(QAccessible::Name), QStringLiteral("Distance-time chart"));
    EXPECT_EQ(chart->text(QAccessible::Description),
              QStringLiteral("Standard Road Situation. Point 1: 50.0 min, 61.4 km; "
                             "point 2: 110.0 min, 132.0 km"));
    form->CBox1Point->SetChecked(true);
    EXPECT_EQ(chart->text(QAccessible::Description),
              QStringLiteral("Standard Road Situation. Point 1: 50.0 min, 61.4 km"));
}

TEST_F(ChartAccessTest, ADragAnnouncesTheChangedValuesAndDescription) {
    std::vector<std::pair<QObject*, QAccessible::Event>> events;
    QString announcedSpeed;
    setAnnounceHandler([&](QAccessibleEvent* e) {
        events.emplace_back(e->object(), e->type());
        if (e->object() == form->RLabSpeed)
            announcedSpeed = static_cast<QAccessibleValueChangeEvent*>(e)->value().toString();
    });
    dragTo(100);
    const std::vector<std::pair<QObject*, QAccessible::Event>> expected{
        {form->RLabSpeed, QAccessible::ValueChanged},
        {form->RLabDS, QAccessible::ValueChanged},
        {form->RLabDT, QAccessible::ValueChanged},
        {form->RC1, QAccessible::DescriptionChanged}};
    EXPECT_EQ(events, expected);
    EXPECT_EQ(announcedSpeed, accessible(form->RLabSpeed)->text(QAccessible::Value));

    // Nothing changed, nothing said; hidden read-outs stay silent.
    events.clear();
    form->UpdateDisplay();
    EXPECT_TRUE(events.empty());
    form->CBox1Point->SetChecked(true);
    events.clear();
    dragTo(60);
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].first, form->RLabSpeed);
    EXPECT_EQ(events[1].first, form->RC1);
}

template <class Inner> QString innerName(QWidget* control) {
    return accessible(control->findChild<Inner*>())->text(QAccessible::Name);
}

TEST_F(ChartAccessTest, ControlsKeepTheirAccessibleNamesAfterTranslation) {
    EXPECT_EQ(innerName<QCheckBox>(form->CBox1Point), QStringLiteral("Single Point Measurement"));
    // The profile box carries a name of its own; Qt on Linux reads a combo box by its selection.
    EXPECT_EQ(form->CBoxMode->findChild<QComboBox*>()->accessibleName(), QStringLiteral("Trip profile"));
    EXPECT_EQ(innerName<QComboBox>(form->CBoxMode), QStringLiteral("Standard Road Situation"));
    EXPECT_EQ(innerName<QAbstractButton>(form->SBAbout), QStringLiteral("About"));

    // The dictionary sets the translated captions through the same properties.
    form->CBox1Point->setProperty("Caption", QStringLiteral("Einzelpunktmessung"));
    form->CBoxShowCH->setProperty("Caption", QStringLiteral("Fadenkreuz anzeigen"));
    form->SBExit->setProperty("Caption", QStringLiteral("Beenden"));
    form->CBoxMode->setProperty("Items", QStringList{QStringLiteral("Gleichförmige Bewegung"),
                                                     QStringLiteral("Normaler Straßenverkehr"),
                                                     QStringLiteral("Hin und zurück")});
    EXPECT_EQ(innerName<QCheckBox>(form->CBox1Point), QStringLiteral("Einzelpunktmessung"));
    EXPECT_EQ(innerName<QCheckBox>(form->CBoxShowCH), QStringLiteral("Fadenkreuz anzeigen"));
    EXPECT_EQ(innerName<QAbstractButton>(form->SBExit), QStringLiteral("Beenden"));
    EXPECT_EQ(innerName<QComboBox>(form->CBoxMode), QStringLiteral("Normaler Straßenverkehr"));
}

// The new texts are "BF_" string properties of a component the window owns, which is what the
// dictionary translates at start; what it writes there is what the menu and the chart's description show.
TEST_F(ChartAccessTest, TheNewTextsTranslateLikeEveryCaption) {
    QObject* texts = nullptr;
    for (TComponentBase* c : form->Components())
        if (c->Name() == QStringLiteral("AccessTexts")) texts = c->AsObject();
    ASSERT_TRUE(texts);
    int translated = 0;
    const QMetaObject* meta = texts->metaObject();
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
        const QMetaProperty p = meta->property(i);
        const QString value = p.read(texts).toString();
        // Translated when the window was read: no language file beside the tests, so the key itself.
        ASSERT_FALSE(value.isEmpty() || value.startsWith(QStringLiteral("BF_"))) << p.name();
        p.write(texts, QStringLiteral("de:") + value);
        ++translated;
    }
    EXPECT_EQ(translated, 10);
    access->retranslate();
    EXPECT_EQ(access->copyPictureAction()->text(), QStringLiteral("de:Copy picture"));
    EXPECT_TRUE(
        accessible(form->RC1)->text(QAccessible::Description).contains(QStringLiteral("de:point 2: 110.0")));
}
