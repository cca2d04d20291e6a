// The velocity graph, the limit table, the point labels, "Set points..." and Reset in the real main
// window, driven by their keys as a student at the keyboard drives them.
#include "../painttestutil.h"
#include "app/chartaccess.h"
#include "app/limittablepanel.h"
#include "app/pointlabels.h"
#include "app/profiletrip.h"
#include "app/setpointsdialog.h"
#include "app/simulation.h"
#include "app/studytexts.h"
#include "app/studytools.h"
#include "app/toolslayout.h"
#include "app/velocitygraph.h"
#include "app/velocitymodel.h"
#include "chart/rchart.h"
#include "hostlink/marvestodemon.h"
#include "localisation/rivazidad2000.h"
#include "mainformfixture.h"
#include "platform/controls/stdctrls.h"
#include "scales/labeltext.h"
#include "viewer/htmlviewer.h"
#include "widgets/rasterlab.h"
#include "widgets/sline.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

namespace {

class StudyToolsTest : public MainFormFixture {
protected:
    void SetUp() override {
        study = form->Study();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    // A key pressed on the chart, as the window's keys and the chart's own see it.
    void key(int k) { QTest::keyClick(form->RC1, static_cast<Qt::Key>(k)); }
    TRChart& graph() const { return *study->graph().chart(); } // once shown
    // The pixel of a point of the velocity graph, in the window.
    QPoint inWindow(const TRChart& chart, int layer, double t, double y) const {
        return chart.mapTo(form.get(), chart.DataToPixel(layer, t, y));
    }
    QRgb graphPixel(double t, double v) const {
        return graph().FrameImage().pixel(graph().DataToPixel(1, t, v));
    }

    StudyTools* study = nullptr;
};

} // namespace

// V shows the graph under the chart on the same time axis; in single-point mode every step of
// point 1 leaves a dot at t1 and the velocity the read-out shows; V again gives the chart its room back.
TEST_F(StudyToolsTest, VelocityGraphTracesTheMeasuredVelocities) {
    const QRect chartAlone = form->RC1->geometry();
    key(Qt::Key_V);
    ASSERT_TRUE(graph().isVisible());
    EXPECT_LT(form->RC1->height(), chartAlone.height());
    EXPECT_EQ(graph().geometry().bottom() + 1, form->Panel3->y());
    for (double t : {0.0, 133.0})
        EXPECT_EQ(inWindow(graph(), 1, t, 0).x(), inWindow(*form->RC1, 1, t, 0).x()) << t;

    form->CBox1Point->SetChecked(true);
    for (int step = 0; step < 4; ++step) {
        key(Qt::Key_Right);
        const QPointF dot = study->graph().trace().back();
        EXPECT_EQ(dot.x(), form->Time1());
        EXPECT_EQ(FormatFloatField(3, 1, dot.y()) + QStringLiteral("km/h"), form->RLabSpeed->Text());
        EXPECT_EQ(graphPixel(dot.x(), dot.y()), rgb(clRed)) << dot.x();
    }
    // Two points: the dot sits at the middle of [t1, t2] under the average's segment.
    form->CBox1Point->SetChecked(false);
    const QPointF middle = study->graph().trace().back();
    EXPECT_EQ(middle.x(), (form->Time1() + form->Time2()) / 2);
    EXPECT_EQ(graphPixel(middle.x(), middle.y()), rgb(clRed));
    EXPECT_EQ(graphPixel((form->Time1() + middle.x()) / 2, middle.y()), rgb(clBlue));
    // Single-point mode's first dot (the secant's dot of the start is gone), four steps, two points.
    EXPECT_EQ(study->graph().trace().size(), 6u);

    // Pictures for worksheets hold the graph too.
    form->Access()->copyPictureAction()->trigger();
    const QRect area = form->RC1->geometry().united(form->Panel2->geometry()).united(graph().geometry());
    EXPECT_EQ(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
              form->grab().toImage().convertToFormat(QImage::Format_RGB32).copy(area));

    form->CBoxMode->SetItemIndex(profileIndex(TripProfile::BackAndForth));
    form->CBoxModeChange(form->CBoxMode);
    EXPECT_EQ(study->graph().trace().size(), 1u);

    key(Qt::Key_V);
    EXPECT_FALSE(graph().isVisible());
    EXPECT_EQ(form->RC1->geometry(), chartAlone);
}

// The picture of the way back with the exact curve: below the zero line, the average's segment
// from t1 to t2, and the measured dot on it.
TEST_F(StudyToolsTest, PictureOfTheGraphWithExactCurve) {
    ViewState state;
    state.Simulation = {profileIndex(TripProfile::BackAndForth), 90, 120, false, true};
    state.ExactCurve = true;
    study->apply(state);
    const QImage& picture = graph().FrameImage();
    picture.save(outputPath(QStringLiteral("velocity_graph.png")));
    const QRgb green = rgb(clGreen), blue = rgb(clBlue), red = rgb(clRed);
    for (double t : {10.0, 40.0, 70.0, 78.0, 100.0, 130.0})
        EXPECT_EQ(graphPixel(t, tripProfileVelocity(profileIndex(TripProfile::BackAndForth), t)), green) << t;
    const double average = (tripProfileDistance(profileIndex(TripProfile::BackAndForth), 120) -
                            tripProfileDistance(profileIndex(TripProfile::BackAndForth), 90)) /
                           30 * 60;
    ASSERT_EQ(study->graph().trace(), (std::vector<QPointF>{{105, average}}));
    EXPECT_LT(average, 0);
    EXPECT_GT(graph().DataToPixel(1, 105, average).y(), graph().DataToPixel(1, 105, 0).y());
    for (double t : {91.0, 98.0, 112.0, 119.0})
        EXPECT_EQ(graphPixel(t, average), blue) << t;
    EXPECT_EQ(graphPixel(105, average), red);
}

// T shows the table of point 1, which follows the point: the window shows what Copy table copies.
TEST_F(StudyToolsTest, LimitTableFollowsPointOneAndCopies) {
    key(Qt::Key_T);
    LimitTablePanel& panel = *study->table();
    ASSERT_TRUE(panel.isVisible());
    EXPECT_EQ(panel.geometry().right() + 1, form->Panel2->x());
    EXPECT_EQ(form->RC1->geometry().right() + 1, panel.x());
    form->MovePoint(1, 20);
    panel.copyButton()->click();
    const QStringList lines =
        QGuiApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 13);
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral(", point 1 at 20.0 min"))) << qPrintable(lines[0]);
    EXPECT_EQ(panel.heading()->text(), lines[0]);
    // Sixty minutes before point 1 lie before the trip.
    EXPECT_TRUE(lines[3].startsWith(QStringLiteral("60\t\u2013\t\u2013\t"))) << qPrintable(lines[3]);
    const auto* model = static_cast<QStandardItemModel*>(panel.view()->model());
    ASSERT_EQ(model->rowCount(), 11);
    for (int row = 0; row < model->rowCount(); ++row) {
        const QStringList cells = lines[row == 0 ? 1 : row + 2].split(QLatin1Char('\t'));
        for (int column = 0; column < 5; ++column)
            EXPECT_EQ(model->item(row, column)->text(), cells[column]) << row << " " << column;
    }
}

// Save picture with the table open shows the table as the window does, between chart and read-outs.
TEST_F(StudyToolsTest, SavedPictureShowsTheOpenLimitTable) {
    key(Qt::Key_T);
    QApplication::processEvents();
    const QRect area = form->RC1->geometry().united(form->Panel2->geometry());
    const QImage expected = form->grab().toImage().convertToFormat(QImage::Format_RGB32).copy(area);
    QTemporaryDir dir;
    form->Access()->setPictureDialogs(
        {[&](const QString&) { return dir.filePath(QStringLiteral("sheet.png")); },
         [](const QString& message) { FAIL() << qPrintable(message); }});
    form->Access()->savePictureAction()->trigger();
    const QImage saved(dir.filePath(QStringLiteral("sheet.png")), "PNG");
    saved.save(outputPath(QStringLiteral("picture_with_limit_table.png")));
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), expected);
}

// For a "predict first" sheet the read-outs and the table's numbers stay blank while the points
// move; the table keeps its intervals and captions.
TEST_F(StudyToolsTest, HiddenValuesLeaveReadoutsAndTableNumbersBlank) {
    ViewState state;
    state.LimitTable = true;
    state.HideValues = true;
    study->apply(state);
    form->MovePoint(1, 20);
    for (const TRasterLab* readout : {form->RLabSpeed, form->RLabDS, form->RLabDT})
        EXPECT_EQ(readout->Text(), QString());
    const auto* model = static_cast<QStandardItemModel*>(study->table()->view()->model());
    // Row 0 names the sides; the intervals and the tangent rows' captions stay, their numbers go.
    for (int row = 1; row < model->rowCount(); ++row) {
        EXPECT_FALSE(model->item(row, 0)->text().isEmpty()) << row;
        for (int column = 1; column < model->columnCount(); ++column)
            EXPECT_EQ(model->item(row, column)->text(), QString()) << row << " " << column;
    }

    state.HideValues = false;
    study->apply(state);
    EXPECT_EQ(form->RLabDT->Text(), QStringLiteral("60.0 min"));
    EXPECT_EQ(model->item(1, 4)->text(), QStringLiteral("70.64"));
}

namespace {

// Runs "Set points..." as a student who types these times and presses OK (point 2's box left as it
// is where its text is null).
std::function<bool(SetPointsDialog&)> typing(const QString& t1, const QString& t2 = QString()) {
    return [=](SetPointsDialog& dialog) {
        dialog.setResult(QDialog::Rejected); // as exec() starts
        dialog.box1()->setText(t1);
        if (!t2.isNull()) dialog.box2()->setText(t2);
        dialog.accept();
        return dialog.result() == QDialog::Accepted;
    };
}

} // namespace

TEST(TypedTime, PointOrCommaWithinTheTimeAxis) {
    const struct {
        const char* text;
        std::optional<double> time;
    } cases[] = {{"12.5", 12.5}, {"99,5", 99.5},  {" 7 ", 7},  {"0", 0},        {"133", 133},
                 {"200", {}},    {"133.01", {}},  {"-", {}},   {"-1", {}},      {"", {}},
                 {"nan", {}},    {"1,000.5", {}}, {"abc", {}}, {"12.5 min", {}}};
    for (const auto& c : cases)
        EXPECT_EQ(typedTime(QString::fromUtf8(c.text), ProfileTrip::span()), c.time) << c.text;
}

// P places the points as typed; a time off the axis keeps the dialog open, saying which times it
// takes, and changes nothing. Point 2 is held in single-point mode. Reset returns to the start and
// keeps the graph.
TEST_F(StudyToolsTest, SetPointsAndReset) {
    study->setDialogRunner([](SetPointsDialog& dialog) {
        const bool accepted = typing(QStringLiteral("30,04"), QStringLiteral("200"))(dialog);
        EXPECT_TRUE(dialog.message()->isVisibleTo(&dialog));
        EXPECT_EQ(dialog.message()->text(), QStringLiteral("Type a time from 0 to 133 min."));
        return accepted;
    });
    key(Qt::Key_P);
    EXPECT_EQ(std::pair(form->Time1(), form->Time2()), std::pair(50.0, 110.0));
    study->setDialogRunner(typing(QStringLiteral("30,04"), QStringLiteral("133")));
    key(Qt::Key_P);
    EXPECT_EQ(std::pair(form->Time1(), form->Time2()), std::pair(30.04, 133.0));
    form->CBox1Point->SetChecked(true);
    study->setDialogRunner([](SetPointsDialog& dialog) {
        EXPECT_FALSE(dialog.message()->isVisibleTo(&dialog));
        EXPECT_FALSE(dialog.box2()->isEnabled());
        return typing(QStringLiteral("12.3"), QStringLiteral("x"))(dialog);
    });
    key(Qt::Key_P);
    EXPECT_EQ(form->Time1(), 12.3);
    EXPECT_EQ(form->Time2(), 133.0);
    // A box left alone keeps its point where it was, not where its one decimal puts it.
    form->MovePoint(1, 12.34);
    study->setDialogRunner([](SetPointsDialog& dialog) {
        EXPECT_EQ(dialog.box1()->text(), QStringLiteral("12.3"));
        return typing(dialog.box1()->text())(dialog);
    });
    key(Qt::Key_P);
    EXPECT_EQ(form->Time1(), 12.34);

    key(Qt::Key_V);
    form->CBoxShowCH->SetChecked(false);
    form->CBoxMode->SetItemIndex(profileIndex(TripProfile::Uniform));
    study->reset();
    EXPECT_EQ(form->CBoxMode->ItemIndex(), profileIndex(TripProfile::StandardRoad));
    EXPECT_EQ(std::pair(form->Time1(), form->Time2()), std::pair(50.0, 110.0));
    EXPECT_FALSE(form->CBox1Point->Checked());
    EXPECT_TRUE(form->CBoxShowCH->Checked());
    EXPECT_EQ(form->RLabSpeed->Text(), QStringLiteral("70.6km/h"));
    EXPECT_TRUE(graph().isVisible());
    EXPECT_EQ(study->graph().trace(), (std::vector<QPointF>{{80, form->SLine1->GetSlope() * 60}}));
}

// With the graph, the text strip shows the whole of its longer text, in each language and at each
// window size: it grows out of the graph's share, the distance chart keeps its room, and its links
// still open the help pages as files. Without the graph the strip has its stored height again.
TEST_F(StudyToolsTest, TextStripGrowsOutOfTheGraphsShare) {
    const QSize laidOut(shippedLayoutValue("ClientWidth"), shippedLayoutValue("ClientHeight"));
    for (const char* language : {"kyvelo_en.itl", "kyvelo_de.itl"})
        for (const QSize size : {laidOut, QSize(1366, 740)}) {
            SCOPED_TRACE(testing::Message() << language << " " << size.width());
            QFile file(QStringLiteral(KYVELO_TEST_DATA "/../../src/app/languages/") +
                       QLatin1String(language));
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            form->cliDemon->Dictionary().LoadFromStream(file);
            form->resize(size + QSize(0, clientTop(*form)));
            const int room = size.height() - form->Panel1->height() - form->Panel3->height();
            key(Qt::Key_V);
            EXPECT_LE(form->HTMLView->heightForWidth(form->HTMLView->width()), form->HTMLView->height());
            EXPECT_EQ(form->RC1->height(), room - static_cast<int>(std::lround(room * kGraphShare)));
            EXPECT_EQ(graph().geometry().bottom() + 1, form->Panel3->y());
            EXPECT_FALSE(form->HTMLView->Browser()->toHtml().contains(QStringLiteral("help:")));
            key(Qt::Key_V);
            EXPECT_EQ(form->Panel3->height(), 80);
        }
}

// A tangent caption wider than its columns wraps onto a second line instead of being cut short; one
// that fits keeps its row one line high.
TEST_F(StudyToolsTest, LimitTableWrapsALongTangentCaption) {
    StudyTexts german(nullptr);
    german.setProperty(
        "CentralSecant",
        QStringLiteral("Tangente, zentrale Sekante über die Minute um Punkt 1, von einer halben "
                       "Minute davor bis zu einer halben Minute danach"));
    german.setProperty("ExactTangent", QStringLiteral("Tangente, exakt"));
    Simulation model(std::make_unique<ProfileTrip>(TripProfile::StandardRoad));
    model.setPoints(50, 110);
    LimitTablePanel panel(*form, model, german, [this] { return &form->cliDemon->Dictionary(); });
    panel.follow();
    panel.setShown(true);
    panel.SetBounds(0, 0, 248, 446); // as the window lays it out at its default size
    QCoreApplication::processEvents();
    const QTableView& view = *panel.view();
    const int central = 1 + static_cast<int>(LimitTable::kIntervals.size());
    EXPECT_GT(view.rowHeight(central), view.rowHeight(1));
    EXPECT_EQ(view.rowHeight(central + 1), view.rowHeight(1));
}

// L labels the points with their coordinates: each label beside its point, above and to the right
// where it fits inside the data area and clear of the other label, else to the left;
// only point 1 in single-point mode; none with the values hidden or after L again.
TEST_F(StudyToolsTest, PointLabelsBesideThePoints) {
    EXPECT_EQ(pointLabelText(1, {50, 61.4}, QLatin1Char(',')), QStringLiteral("P1 (50,0 min | 61,40 km)"));
    const TRChart& chart = *form->RC1;
    const auto pixel = [&](double t) { return chart.DataToPixel(1, t, tripProfileDistance(1, t)); };
    const QRgb frame = rgb(clMaroon);
    const auto framed = [&](QPoint at) { return chart.FrameImage().pixel(at) == frame; };
    const QPoint gap(kPointLabelGap, kPointLabelGap);
    EXPECT_EQ(countOf(chart.FrameImage(), clMaroon), 0);
    key(Qt::Key_L);
    // Point 1 above right: its frame's lower left corner is the gap away from the point.
    const QPoint p1 = pixel(50);
    EXPECT_TRUE(framed({p1.x() + gap.x(), p1.y() - gap.y() - 1}));
    EXPECT_FALSE(framed({p1.x() + gap.x() - 1, p1.y() - gap.y() - 1}));
    // Point 2 above left, the frame's lower right corner the gap away: at 110 min the label would
    // leave the data area on the right, at 51 min it would cover point 1's.
    for (double t2 : {110.0, 51.0}) {
        form->MovePoint(2, t2);
        const QPoint p2 = pixel(t2);
        EXPECT_TRUE(framed(p2 - gap - QPoint(1, 1))) << t2;
        EXPECT_FALSE(framed(p2 - gap - QPoint(0, 1))) << t2;
    }
    chart.FrameImage().save(outputPath(QStringLiteral("point_labels.png")));

    const int two = countOf(chart.FrameImage(), clMaroon);
    form->CBox1Point->SetChecked(true);
    const int one = countOf(chart.FrameImage(), clMaroon);
    EXPECT_TRUE(framed({p1.x() + gap.x(), p1.y() - gap.y() - 1}));
    EXPECT_GT(one, 0);
    EXPECT_LT(one, two * 2 / 3);
    study->labels().setValuesHidden(true);
    EXPECT_EQ(countOf(chart.FrameImage(), clMaroon), 0);
    study->labels().setValuesHidden(false);
    key(Qt::Key_L);
    EXPECT_EQ(countOf(chart.FrameImage(), clMaroon), 0);
}

// The dialog grows with its title, so that a title bar shows it whole in every language.
TEST_F(StudyToolsTest, SetPointsDialogIsWideEnoughForItsTitle) {
    StudyTexts texts(nullptr);
    for (const char* title : {"Placer les points de mesure", "Ορισμός των σημείων μέτρησης"}) {
        texts.setProperty("SetPoints", QString::fromUtf8(title) + QStringLiteral("..."));
        SetPointsDialog dialog(form.get(), texts);
        dialog.show();
        QFont bold = dialog.font();
        bold.setBold(true);
        EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8(title));
        EXPECT_GE(dialog.width(), QFontMetrics(bold).horizontalAdvance(dialog.windowTitle()) + 100) << title;
    }
}
