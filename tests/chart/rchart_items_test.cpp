#include "recordingchart.h"

#include <gtest/gtest.h>

#include <QColor>

#include <memory>

using enum Graphics::TAlignment;
using enum Graphics::TPenStyle;
using enum RChart::TGridStyle;
using enum RChart::TTextBkStyle;
using enum RChartLayout::TCaptionAnchorVert;

namespace {

const QString kMyself = QStringLiteral("RChart: Cannot share data with myself");
const QString kForeign =
    QStringLiteral("RChart: Cannot use foreign data. Other RCharts are using my own data.");
const QString kExceeded = QStringLiteral("RChart: Max. number of data shares exceeded");

std::vector<TCustomRChart*> sharers(std::initializer_list<TCustomRChart*> charts) {
    return charts;
}

} // namespace

TEST(RChartItems, ConstructionDefaults) {
    RecordingChart chart("RC1");
    EXPECT_TRUE(chart.SuppressPaint());
    EXPECT_TRUE(chart.AutoRedraw());
    EXPECT_EQ(chart.ItemCount(), 0);
    EXPECT_EQ(chart.Items().capacity(), 0);
    EXPECT_EQ(chart.AllocSize(), 1000);
    EXPECT_EQ(chart.UseDataOf(), nullptr);
    EXPECT_EQ(chart.NumSharingCharts(), 0);
    EXPECT_EQ(chart.TextAlignment(), taCenter);
}

TEST(RChartItems, PublishedAttributesAreReadableByName) {
    RecordingChart chart("RC1");
    EXPECT_TRUE(chart.setProperty("PenStyle", QVariant::fromValue(psDash)));
    EXPECT_EQ(chart.PenStyle(), psDash);
    EXPECT_TRUE(chart.setProperty("AllocSize", 50));
    EXPECT_EQ(chart.AllocSize(), 50);
    EXPECT_TRUE(chart.setProperty("DataColor", clRed));
    EXPECT_EQ(chart.DataColor(), clRed);
    // Enumerations are reachable by their value names, as a stored layout writes them.
    EXPECT_TRUE(chart.setProperty("GridStyle", QStringLiteral("gsDotLines")));
    EXPECT_EQ(chart.GridStyle(), gsDotLines);
    EXPECT_TRUE(chart.setProperty("CaptionAnchorVert", QStringLiteral("cavChartBottom")));
    EXPECT_EQ(chart.CaptionAnchorVert(), cavChartBottom);
    EXPECT_TRUE(chart.setProperty("StandardLayout", QStringLiteral("rcl_X1Bottom_Y2Both")));
    EXPECT_EQ(chart.MarginRight(), 50);
    EXPECT_TRUE(chart.setProperty("TextBkStyle", QStringLiteral("tbSolid")));
    EXPECT_EQ(chart.TextBkStyle(), tbSolid);
    EXPECT_EQ(chart.property("BackGroundImg").value<TBakGndImg*>(), chart.BackGroundImg());
    EXPECT_EQ(chart.property("CrossHair4").value<TCrossHair*>(), chart.CrossHair(4));
}

TEST(RChartItems, SuppressPaintPaintsOnceWhenReleased) {
    RecordingChart chart("RC1");
    chart.SetSuppressPaint(false);
    EXPECT_EQ(chart.paints, 1);
    chart.SetSuppressPaint(false);
    EXPECT_EQ(chart.paints, 1);
    chart.SetSuppressPaint(true);
    chart.AddLineTo(1, 1);
    chart.SetDataColor(clBlue);
    chart.SetLineWidth(2);
    EXPECT_EQ(chart.paints, 1); // appending and the attribute setters never paint
    chart.SetSuppressPaint(false);
    EXPECT_EQ(chart.paints, 2);
}

TEST(RChartItems, TextAlignmentAndRepaintIfAutoFollowAutoRedraw) {
    RecordingChart chart("RC1");
    chart.SetTextAlignment(taLeftJustify);
    EXPECT_EQ(chart.paints, 1);
    chart.SetTextAlignment(taLeftJustify);
    EXPECT_EQ(chart.paints, 1);
    chart.SetAutoRedraw(false);
    chart.SetTextAlignment(taCenter);
    chart.RepaintIfAuto();
    EXPECT_EQ(chart.paints, 1);
}

TEST(RChartItems, SwitchingAutoRedrawOnCatchesUpWithEarlierChanges) {
    RecordingChart chart("RC1");
    chart.SetSuppressPaint(false);
    chart.SetAutoRedraw(false);
    chart.SetChartColor(clYellow);
    EXPECT_EQ(chart.paints, 1);
    EXPECT_EQ(chart.DataAreaImage().pixel(5, 5), QColor(Qt::white).rgb());
    chart.SetAutoRedraw(true);
    EXPECT_EQ(chart.paints, 2);
    EXPECT_EQ(chart.DataAreaImage().pixel(5, 5), QColor(Qt::yellow).rgb());
    chart.SetAutoRedraw(true);
    EXPECT_EQ(chart.paints, 2);
}

TEST(RChartSharing, ItemsAppendedAnywhereAppearInAllSharingCharts) {
    RecordingChart a("A"), b("B"), c("C");
    a.AddMark(1, 1, 24);
    b.SetUseDataOf(&a);
    c.SetUseDataOf(&a);
    EXPECT_EQ(b.UseDataOf(), &a);
    EXPECT_EQ(a.SharingCharts(), sharers({&b, &c}));
    EXPECT_EQ(b.ItemCount(), 1);
    b.AddLineTo(2, 2);                         // through a sharer: the owner and the other sharer see it
    a.AddText(3, 3, 10, QStringLiteral("ds")); // through the owner: every sharer sees it
    for (RecordingChart* chart : {&a, &b, &c}) {
        ASSERT_EQ(chart->ItemCount(), 3) << chart->Name().toStdString();
        EXPECT_EQ(chart->Items()[1].X1, 2);
        EXPECT_EQ(chart->Items().textOf(chart->Items()[2]).Text, QStringLiteral("ds"));
    }
    // Growing past the first allocation keeps the sharing intact.
    for (int i = 0; i < 1500; ++i)
        c.AddLineTo(i, i);
    EXPECT_EQ(a.ItemCount(), 1503);
    EXPECT_EQ(b.Items().capacity(), 2000);
    EXPECT_EQ(b.Items()[1502].X1, 1499);

    b.ClearItems();
    for (RecordingChart* chart : {&a, &b, &c})
        EXPECT_EQ(chart->ItemCount(), 0) << chart->Name().toStdString();
    EXPECT_TRUE(a.messages.isEmpty() && b.messages.isEmpty() && c.messages.isEmpty());
}

TEST(RChartSharing, RefusedRequestsShowTheirMessageAndChangeNothing) {
    RecordingChart a("A"), b("B"), c("C");
    a.SetUseDataOf(&a);
    EXPECT_EQ(a.messages, QStringList{kMyself});
    EXPECT_EQ(a.UseDataOf(), nullptr);

    b.SetUseDataOf(&a);
    a.SetUseDataOf(&c);
    EXPECT_EQ(a.messages, (QStringList{kMyself, kForeign}));
    EXPECT_EQ(a.UseDataOf(), nullptr);
    EXPECT_EQ(a.SharingCharts(), sharers({&b}));
}

TEST(RChartSharing, SharingNeverChainsAndAFifthChartIsRefused) {
    RecordingChart a("A"), b("B"), c("C"), d("D"), e("E"), f("F");
    b.SetUseDataOf(&a);
    c.SetUseDataOf(&b); // C ends up on A, not on B
    EXPECT_EQ(c.UseDataOf(), &a);
    EXPECT_EQ(a.SharingCharts(), sharers({&b, &c}));
    EXPECT_EQ(b.NumSharingCharts(), 0);
    d.SetUseDataOf(&a);
    e.SetUseDataOf(&a);
    a.AddMark(0, 0, 1);
    f.AddMark(5, 5, 1);
    f.SetUseDataOf(&a);
    EXPECT_EQ(f.messages, QStringList{kExceeded});
    EXPECT_EQ(f.UseDataOf(), nullptr);
    EXPECT_EQ(f.ItemCount(), 1);
    EXPECT_EQ(f.Items()[0].X1, 5);
    EXPECT_EQ(a.NumSharingCharts(), 4);
    // A sharer pointing at another sharer of the same owner stays where it is, without a message.
    e.SetUseDataOf(&b);
    EXPECT_TRUE(e.messages.isEmpty());
    EXPECT_EQ(a.SharingCharts(), sharers({&b, &c, &d, &e}));
}

TEST(RChartSharing, LeavingKeepsTheItemsAsAnIndependentList) {
    RecordingChart a("A"), b("B"), c("C");
    a.AddMark(1, 1, 0);
    b.SetUseDataOf(&a);
    c.SetUseDataOf(&a);
    const int paintsBefore = b.paints;
    b.SetUseDataOf(nullptr);
    EXPECT_EQ(b.paints, paintsBefore + 1);
    EXPECT_EQ(b.UseDataOf(), nullptr);
    EXPECT_EQ(a.SharingCharts(), sharers({&c}));
    EXPECT_EQ(b.ItemCount(), 1);
    b.AddMark(2, 2, 0);
    a.AddMark(3, 3, 0);
    EXPECT_EQ(b.ItemCount(), 2);
    EXPECT_EQ(a.ItemCount(), 2);
    EXPECT_EQ(b.Items()[1].X1, 2);
    EXPECT_EQ(c.Items()[1].X1, 3);

    // Moving to another owner leaves the first one.
    RecordingChart d("D");
    c.SetUseDataOf(&d);
    EXPECT_EQ(a.NumSharingCharts(), 0);
    EXPECT_EQ(d.SharingCharts(), sharers({&c}));
    EXPECT_EQ(c.ItemCount(), 0);
}

TEST(RChartSharing, DestroyedChartsLeaveNoDanglingRelations) {
    RecordingChart a("A");
    auto owner = std::make_unique<RecordingChart>("Owner");
    auto sharer = std::make_unique<RecordingChart>("Sharer");
    RecordingChart b("B"), c("C");
    owner->AddMark(1, 1, 0);
    sharer->SetUseDataOf(owner.get());
    b.SetUseDataOf(owner.get());
    c.SetUseDataOf(owner.get());

    sharer.reset();
    EXPECT_EQ(owner->SharingCharts(), sharers({&b, &c}));

    owner.reset();
    EXPECT_EQ(b.UseDataOf(), nullptr);
    EXPECT_EQ(c.UseDataOf(), nullptr);
    EXPECT_EQ(b.ItemCount(), 1);
    b.AddMark(2, 2, 0);
    EXPECT_EQ(c.ItemCount(), 1); // no longer related to each other
    c.SetUseDataOf(&b);
    EXPECT_EQ(c.UseDataOf(), &b);
}
