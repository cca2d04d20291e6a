// The main window driven as a student would: it is built from its real layout at the resolution
// it was designed for, so the chart has the size the simulation was laid out for.
#include "../chartmouse.h"
#include "app/presentationmode.h"
#include "app/tripmodel.h"
#include "chart/rchart.h"
#include "mainformfixture.h"
#include "platform/controls/buttons.h"
#include "platform/controls/stdctrls.h"
#include "scopedlanguagefiles.h"
#include "widgets/rasterlab.h"
#include "widgets/sline.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <optional>
#include <random>

using enum TShiftStateFlag;
using enum VrxBase::TCrossHairMode;

namespace {

class MainFormTest : public MainFormFixture {
protected:
    void expectReadouts(const char* speed, const char* ds, const char* dt) {
        EXPECT_EQ(form->RLabSpeed->Text(), QString::fromLatin1(speed));
        EXPECT_EQ(form->RLabDS->Text(), QString::fromLatin1(ds));
        EXPECT_EQ(form->RLabDT->Text(), QString::fromLatin1(dt));
    }

    // Moves a measuring point the way a drag with the left button does.
    void dragTo(double t) { form->RC1MouseMoveInChart(form->RC1, true, TShiftState(ssLeft), t, 0); }

    const TChartItem& item(int i) const { return form->RC1->Items()[i]; }
    QPointF endOf(int i) const { return form->RC1->Items().endOf(item(i)); }
    const StoredText& textOf(int i) const { return form->RC1->Items().textOf(item(i)); }

    // A real mouse event on the chart, at the pixel of time t and distance s.
    void mouseOnChart(QEvent::Type type, double t, double s, Qt::MouseButtons buttons) {
        ::mouseOnChart(*form->RC1, type, t, s, buttons);
    }
};

} // namespace

TEST_F(MainFormTest, StartsWithTheStandardRoadAndTwoPoints) {
    EXPECT_EQ(form->CBoxMode->ItemIndex(), 1);
    EXPECT_EQ(form->Time1(), 50);
    EXPECT_EQ(form->Time2(), 110);
    EXPECT_NEAR(form->Dist1(), 61.3959, 5e-5);
    EXPECT_NEAR(form->Dist2(), 132.0384, 5e-5);
    expectReadouts("70.6km/h", "70.64 km", "60.0 min");
}

TEST_F(MainFormTest, ItemListHoldsCurveSecantPointsAndTriangle) {
    const TRChart& chart = *form->RC1;
    ASSERT_EQ(chart.ItemCount(), 134 + 1 + 2 + 4);
    for (int i = 0; i <= 133; ++i) {
        ASSERT_EQ(item(i).Kind, ikLineTo) << i;
        EXPECT_EQ(item(i).X1, i);
        EXPECT_EQ(item(i).Y1, tripProfileDistance(profileIndex(TripProfile::StandardRoad), i));
        EXPECT_EQ(item(i).Color, clBlack);
        EXPECT_EQ(item(i).LineWidth, 2);
    }
    const TChartItem& secant = item(134);
    EXPECT_EQ(secant.Kind, ikLine);
    EXPECT_EQ(secant.Color, clBlue);
    EXPECT_EQ(secant.LineWidth, 1);
    EXPECT_EQ(secant.X1, 0);
    EXPECT_EQ(endOf(134).x(), 133);
    EXPECT_DOUBLE_EQ(secant.Y1, form->SLine1->YAt(0));
    EXPECT_DOUBLE_EQ(endOf(134).y(), form->SLine1->YAt(133));

    for (int i : {135, 136}) {
        EXPECT_EQ(item(i).Kind, ikMark);
        EXPECT_EQ(item(i).MarkOrAlign, 24);
        EXPECT_EQ(item(i).Color, clRed);
    }
    EXPECT_EQ(item(135).X1, 50);
    EXPECT_EQ(item(136).X1, 110);

    // s1 < s2: the dt leg at the height of point 1, the ds leg at t2, "ds" 3 min right of it.
    const double s1 = form->Dist1(), s2 = form->Dist2();
    EXPECT_EQ(item(137).Kind, ikLine);
    EXPECT_EQ(item(137).Y1, s1);
    EXPECT_EQ(endOf(137).y(), s1);
    EXPECT_EQ(item(138).Kind, ikText);
    EXPECT_EQ(textOf(138).Text, QStringLiteral("dt"));
    EXPECT_EQ(item(138).X1, 80);
    EXPECT_EQ(item(138).Y1, s1 - 5);
    EXPECT_EQ(textOf(138).FontSize, 10);
    EXPECT_EQ(item(138).MarkOrAlign, 2); // centred, from the layout's TextAlignment
    EXPECT_EQ(item(139).X1, 110);
    EXPECT_EQ(endOf(139).x(), 110);
    EXPECT_EQ(textOf(140).Text, QStringLiteral("ds"));
    EXPECT_EQ(item(140).X1, 113);
    EXPECT_EQ(item(140).Y1, (s1 + s2) / 2);
    EXPECT_EQ(item(140).Color, clRed);

    EXPECT_EQ(chart.CrossHair1()->PosX(), 50);
    EXPECT_EQ(chart.CrossHair2()->PosY(), s2);
}

TEST_F(MainFormTest, SinglePointModeShowsTheTangent) {
    form->CBox1Point->SetChecked(true);
    expectReadouts("62.7km/h", "70.64 km", "60.0 min");
    EXPECT_EQ(form->Label1->Caption(), QStringLiteral("Velocity at point 1"));
    EXPECT_FALSE(form->RLabDS->Visible());
    EXPECT_FALSE(form->LblDT->Visible());
    EXPECT_EQ(form->RC1->CrossHair2()->Mode(), chOff);
    EXPECT_EQ(form->RC1->ItemCount(), 134 + 1 + 1);

    // Point 1 follows the mouse alone; point 2 stays and comes back with two-point mode.
    dragTo(100);
    EXPECT_EQ(form->Time1(), 100);
    EXPECT_EQ(form->Time2(), 110);
    form->CBox1Point->SetChecked(false);
    EXPECT_TRUE(form->RLabDS->Visible());
    EXPECT_EQ(form->RC1->CrossHair2()->Mode(), chBoth);
    EXPECT_EQ(form->RC1->ItemCount(), 134 + 1 + 2 + 4);
}

TEST_F(MainFormTest, TheNearerPointMovesAndATieMovesPointTwo) {
    dragTo(70);
    EXPECT_EQ(form->Time1(), 70);
    dragTo(90); // exactly halfway between 70 and 110
    EXPECT_EQ(form->Time1(), 70);
    EXPECT_EQ(form->Time2(), 90);
}

TEST_F(MainFormTest, MovesWithoutButtonOrOutsideChangeNothing) {
    form->RC1MouseMoveInChart(form->RC1, true, TShiftState(), 70, 0);
    form->RC1MouseMoveInChart(form->RC1, false, TShiftState(ssLeft), 70, 0);
    form->RC1MouseMoveInChart(form->RC1, true, TShiftState(ssRight), 70, 0);
    EXPECT_EQ(form->Time1(), 50);
    EXPECT_EQ(form->Time2(), 110);
}

// Where both points meet, the line and the velocity are the tangent's at that time, whatever the
// last position was, and no slope triangle is drawn; a step apart brings the secant back.
TEST_F(MainFormTest, PointsAtOneTimeShowTheTangentThere) {
    EXPECT_EQ(form->Label1->Caption(), QStringLiteral("Average velocity"));
    form->MovePoint(1, 110); // from the secant over 50 to 110 min, 70.6 km/h
    expectReadouts("87.7km/h", "0.00 km", "0.0 min");
    EXPECT_EQ(form->SLine1->GetSlope(),
              tripProfileDistance(profileIndex(TripProfile::StandardRoad), 110.5) -
                  tripProfileDistance(profileIndex(TripProfile::StandardRoad), 109.5));
    EXPECT_EQ(form->Label1->Caption(), QStringLiteral("Velocity at point 1"));
    EXPECT_EQ(form->RC1->ItemCount(), 134 + 1 + 2);

    form->MovePoint(1, 100);
    EXPECT_EQ(form->Label1->Caption(), QStringLiteral("Average velocity"));
    EXPECT_EQ(form->RC1->ItemCount(), 134 + 1 + 2 + 4);
}

TEST_F(MainFormTest, BackAndForthShowsANegativeVelocityAndAbsoluteIntervals) {
    form->CBoxMode->SetItemIndex(2);
    form->CBoxModeChange(form->CBoxMode);
    dragTo(75);  // point 1 is nearer (25 against 35 min)
    dragTo(90);  // point 1 again (15 against 20)
    dragTo(120); // point 2
    ASSERT_EQ(form->Time1(), 90);
    ASSERT_EQ(form->Time2(), 120);
    const double slope = (tripProfileDistance(2, 120) - tripProfileDistance(2, 90)) / 30 * 60;
    EXPECT_LT(slope, 0);
    EXPECT_EQ(form->RLabSpeed->Text(), QStringLiteral("-59.3km/h"));
    EXPECT_EQ(form->RLabDS->Text(), QStringLiteral("29.65 km"));
    EXPECT_EQ(form->RLabDT->Text(), QStringLiteral("30.0 min"));
    // s1 >= s2: the ds leg stands at t1 and its label 3 min to the left.
    EXPECT_EQ(item(139).X1, 90);
    EXPECT_EQ(item(140).X1, 87);
}

TEST_F(MainFormTest, CrosshairBoxHidesAndShowsBothCrosshairs) {
    form->CBoxShowCH->SetChecked(false);
    EXPECT_EQ(form->RC1->CrossHair1()->Mode(), chOff);
    EXPECT_EQ(form->RC1->CrossHair2()->Mode(), chOff);
    form->CBox1Point->SetChecked(true);
    form->CBoxShowCH->SetChecked(true);
    EXPECT_EQ(form->RC1->CrossHair1()->Mode(), chBoth);
    EXPECT_EQ(form->RC1->CrossHair2()->Mode(), chOff);
}

TEST_F(MainFormTest, CurveFollowsEveryChangeOfProfile) {
    for (int profile : {profileIndex(TripProfile::BackAndForth), profileIndex(TripProfile::Uniform),
                        profileIndex(TripProfile::StandardRoad), profileIndex(TripProfile::BackAndForth)}) {
        form->CBoxMode->SetItemIndex(profile);
        form->CBoxModeChange(form->CBoxMode);
        for (int i = 0; i <= 133; ++i)
            ASSERT_EQ(item(i).Y1, tripProfileDistance(profile, i)) << profile << " " << i;
    }
}

TEST_F(MainFormTest, NoProfileLaysTheCurveOnTheTimeAxis) {
    form->CBoxMode->SetItemIndex(-1);
    form->CBoxModeChange(form->CBoxMode);
    for (int i = 0; i <= 133; ++i)
        ASSERT_EQ(item(i).Y1, 0) << i;
}

TEST_F(MainFormTest, ChartTakesTheSpaceBetweenThePanels) {
    const int top = clientTop(*form); // the menu bar's
    const auto inClientArea = [top](const QWidget* w) { return w->geometry().translated(0, -top); };
    EXPECT_EQ(inClientArea(form->RC1), QRect(0, 41, 576, 446));
    EXPECT_EQ(form->RC1->MarginLeft(), 50);
    EXPECT_EQ(inClientArea(form->Panel2), QRect(576, 41, 216, 446));
    EXPECT_EQ(inClientArea(form->Panel3), QRect(0, 487, 792, 80));

    // Growing the window keeps the chart between the panels and the top-right controls at their
    // distance from the right edge.
    form->SetBounds(form->Left(), form->Top(), 892, 667 + top);
    EXPECT_EQ(inClientArea(form->RC1), QRect(0, 41, 676, 546));
    EXPECT_EQ(form->SBExit->geometry(), QRect(780, 5, 105, 29));
    EXPECT_EQ(form->CBoxMode->geometry(), QRect(444, 8, 217, 24));

    // Not smaller than the constraints.
    form->SetBounds(form->Left(), form->Top(), 300, 200);
    EXPECT_EQ(form->width(), 640);
    EXPECT_EQ(form->ClientHeight(), 480);
}

TEST_F(MainFormTest, DraggingOnTheChartMovesTheNearerPoint) {
    mouseOnChart(QEvent::MouseMove, 100, 20, Qt::NoButton); // button up: nothing moves
    EXPECT_EQ(form->Time2(), 110);

    mouseOnChart(QEvent::MouseButtonPress, 100, 20, Qt::LeftButton);
    mouseOnChart(QEvent::MouseMove, 100, 20, Qt::LeftButton);
    EXPECT_NEAR(form->Time2(), 100, 0.3); // to the pixel: 133 min over 506 px
    EXPECT_EQ(form->Dist2(), tripProfileDistance(profileIndex(TripProfile::StandardRoad), form->Time2()));
    mouseOnChart(QEvent::MouseMove, 30, 20, Qt::LeftButton);
    EXPECT_NEAR(form->Time1(), 30, 0.3);

    // Outside the data area (below the time axis) nothing moves.
    const double before = form->Time1();
    mouseOnChart(QEvent::MouseMove, 40, -20, Qt::LeftButton);
    EXPECT_EQ(form->Time1(), before);
    mouseOnChart(QEvent::MouseButtonRelease, 40, -20, Qt::NoButton);
    EXPECT_EQ(form->RLabDT->Text(), QStringLiteral("%1 min").arg(form->Time2() - form->Time1(), 0, 'f', 1));
}

// On a screen at 200 % every pixel of the chart's and the read-outs' pictures covers two by two
// device pixels, unsmoothed: the secant is two device pixels wide, the curve four, a point's mark 14
// across and a dot four, the sizes they have on a screen at 100 %.
TEST_F(MainFormTest, AtTwiceTheDevicePixelRatioEveryPixelIsDoubled) {
    const struct {
        QWidget* widget;
        QImage picture;
    } cases[] = {{form->RC1, form->RC1->FrameImage()}, {form->RLabSpeed, form->RLabSpeed->Face().Image()}};
    for (const auto& c : cases) {
        QImage screen(c.widget->size() * 2, QImage::Format_RGB32);
        screen.setDevicePixelRatio(2);
        c.widget->render(&screen);
        screen.setDevicePixelRatio(1);
        EXPECT_EQ(screen, c.picture.scaled(c.picture.size() * 2)) << qPrintable(c.widget->objectName());
    }
}

// The read-outs draw dots of a fixed pixel size; a screen below the layout's 120 dpi must not cut
// off their lowest dot row, which carries the decimal point.
TEST(MainFormScaling, ReadoutsKeepTheirDecimalPointOnA96DpiScreen) {
    std::optional<ProgramWindows> program(std::in_place, 96);
    showPastStartupScreen(*program->form);
    const TRasterLab& speed = *program->form->RLabSpeed;
    ASSERT_EQ(speed.Text(), QStringLiteral("70.6km/h"));
    EXPECT_EQ(speed.Height(), 41);
    // "7" and "0" take 6 dot columns of pitch 3 each; the point is one dot in row 9.
    const int pointX = speed.PosX() + 2 * 6 * 3;
    const int pointY = speed.PosY() + 9 * 3;
    EXPECT_EQ(speed.Face().Canvas().Pixels(pointX, pointY), clYellow);
    EXPECT_EQ(speed.Face().Canvas().Pixels(pointX + 1, pointY + 1), clYellow);

    // Above the layout's resolution it still grows with the screen. One main window at a time: a
    // second one would find the program running already and end the process.
    program.reset();
    EXPECT_EQ(ProgramWindows(144).form->RLabSpeed->Height(), 49);
}

// The window's own layout with names or classes changed, read from a file of its own.
TEST(MainFormLayout, AComponentTheWindowNeedsIsNamedWhenMissingOrOfAnotherClass) {
    const struct {
        LayoutEdits edits;
        QString message;
    } cases[] = {
        {{{"object RLabSpeed: TRasterLab", "object RLabSpeed2: TRasterLab"}},
         R"(Component "RLabSpeed" is missing from the layout)"},
        {{{"object SLine1: TSLine", "object SLine2: TSLine"}},
         R"(Component "SLine1" is missing from the layout)"},
        {{{"object Label1: TLabel", "object Swapped: TLabel"},
          {"object RLabSpeed: TRasterLab", "object Label1: TRasterLab"},
          {"object Swapped: TLabel", "object RLabSpeed: TLabel"}},
         R"(Component "Label1" in the layout is a TRasterLab, not a TLabel)"},
    };
    for (const auto& c : cases) {
        try {
            ProgramWindows{c.edits};
            ADD_FAILURE() << "no exception for " << qPrintable(c.message);
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), c.message);
        }
    }
    EXPECT_NE(ProgramWindows(LayoutEdits{}).form->RLabSpeed, nullptr); // the unedited layout reads
}

// The language file lies beside the program and shares its name, with ".itl" appended (the program
// file has no extension). Without it the captions lose only their prefix.
TEST(MainFormTranslation, CaptionsComeFromTheLanguageFileOrLoseTheirPrefix) {
    const QTemporaryDir folder;
    const ScopedLanguageFiles files(systemLanguageFiles(folder.filePath(QStringLiteral("kyvelo"))));
    const QString languageFile = folder.filePath(QStringLiteral("kyvelo.itl"));
    {
        const ProgramWindows program;
        EXPECT_EQ(program.form->Caption(), QStringLiteral("Distance - Time - Velocity"));
        EXPECT_EQ(program.form->SBExit->Caption(), QStringLiteral("Exit"));
        EXPECT_EQ(program.form->CBox1Point->Caption(), QStringLiteral("Single Point Measurement"));
    }
    QFile file(languageFile);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Distance - Time - Velocity]=Weg - Zeit - Geschwindigkeit|$$\r\n[exit]=Ende|$$\r\n"
               "[Average velocity]=Mittlere Geschwindigkeit|$$\r\n"
               "[Velocity at point 1]=Geschwindigkeit in Punkt 1|$$\r\n");
    file.close();
    {
        const ProgramWindows program;
        TForm1& form = *program.form;
        EXPECT_EQ(form.Caption(), QStringLiteral("Weg - Zeit - Geschwindigkeit"));
        EXPECT_EQ(form.SBExit->Caption(), QStringLiteral("Ende"));
        EXPECT_EQ(form.CBox1Point->Caption(), QStringLiteral("Single Point Measurement"));
        // The velocity's caption, chosen by what is measured, from the same file.
        form.MovePoint(2, 110);
        EXPECT_EQ(form.Label1->Caption(), QStringLiteral("Mittlere Geschwindigkeit"));
        form.CBox1Point->SetChecked(true);
        EXPECT_EQ(form.Label1->Caption(), QStringLiteral("Geschwindigkeit in Punkt 1"));
    }
}

// The chart draws only what changed between paints. After every few random moves of the measuring
// points (some by real mouse events), profile changes, clicks on the check boxes and resizes, the
// picture must equal the one a full repaint of the same state draws.
// A point's move redraws the data area only: scales, caption and shadow stay as they were.
TEST_F(MainFormTest, MovesOfAPointKeepTheChartsFrame) {
    dragTo(30);
    const int frames = form->RC1->FrameDrawCount();
    for (double t : {40.0, 50.0, 60.0})
        dragTo(t);
    mouseOnChart(QEvent::MouseButtonPress, 60, 20, Qt::LeftButton);
    mouseOnChart(QEvent::MouseMove, 70, 20, Qt::LeftButton);
    mouseOnChart(QEvent::MouseButtonRelease, 70, 20, Qt::NoButton);
    EXPECT_EQ(form->RC1->FrameDrawCount(), frames);
}

TEST_F(MainFormTest, IncrementalChartPicturesEqualFullRepaints) {
    std::mt19937 random(17);
    const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    const auto minute = [&] { return std::uniform_real_distribution<double>(0, 133)(random); };
    int partial = 0;
    for (int check = 0; check < 80; ++check) {
        QString actions;
        for (int i = 1 + pick(4); i > 0; --i) {
            switch (pick(7)) {
            case 0:
                form->CBoxMode->SetItemIndex(pick(4) - 1); // -1: no profile
                actions += QStringLiteral("profile ");
                break;
            case 1:
                form->CBox1Point->SetChecked(!form->CBox1Point->Checked());
                actions += QStringLiteral("tangent ");
                break;
            case 2:
                form->CBoxShowCH->SetChecked(!form->CBoxShowCH->Checked());
                actions += QStringLiteral("crosshairs ");
                break;
            case 3:
                form->SetBounds(form->Left(), form->Top(), 640 + pick(300), 480 + pick(200));
                actions += QStringLiteral("resize ");
                break;
            case 4: {
                const double t = minute();
                mouseOnChart(QEvent::MouseButtonPress, t, 20, Qt::LeftButton);
                mouseOnChart(QEvent::MouseMove, t + 1, 20, Qt::LeftButton);
                mouseOnChart(QEvent::MouseButtonRelease, t + 1, 20, Qt::NoButton);
                actions += QStringLiteral("mouse ");
                break;
            }
            default:
                dragTo(minute());
                actions += QStringLiteral("move ");
                break;
            }
            partial += form->RC1->ItemsDrawnLastPaint() < form->RC1->ItemCount();
        }
        const QImage shown = form->RC1->FrameImage().copy();
        form->RC1->RepaintIfAuto(); // draws frame and data area anew
        ASSERT_EQ(form->RC1->ItemsDrawnLastPaint(), form->RC1->ItemCount());
        ASSERT_EQ(shown, form->RC1->FrameImage()) << "check " << check << ": " << actions.toStdString();
    }
    EXPECT_GT(partial, 40);
}

// A zoom and back leaves the chart and the read-outs drawing the pictures they drew, pixel for pixel.
TEST_F(MainFormTest, AZoomAndBackLeavesThePicturesOfScaleOne) {
    const QImage chart = form->RC1->FrameImage().copy();
    const QImage speed = form->RLabSpeed->Face().Image().copy();
    for (double zoom : {1.5, 1.0}) {
        form->RC1->SetZoom(zoom);
        form->RLabSpeed->SetZoom(zoom);
        form->RC1->Paint();
    }
    EXPECT_EQ(form->RC1->FrameImage(), chart);
    EXPECT_EQ(form->RLabSpeed->Face().Image(), speed);
}

// The one rule of how large presentation mode draws: a 768 x 432 picture stretched over the screen,
// never below the window's size.
TEST(PresentationMode, ZoomFollowsTheScreen) {
    const struct {
        QSize screen;
        double zoom;
    } cases[] = {{{1920, 1080}, 2.5},
                 {{2560, 1440}, 2560 / 768.0},
                 {{1366, 768}, 768 / 432.0},
                 {{1080, 1920}, 1080 / 768.0},
                 {{640, 480}, 1}};
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(PresentationMode::zoomFor(c.screen), c.zoom) << c.screen.width();
}
