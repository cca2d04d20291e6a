#include "chart/itempass/itemlist.h"

#include <gtest/gtest.h>

using enum Graphics::TAlignment;
using enum Graphics::TPenStyle;

TEST(ChartItems, FreshStoreHasTheDocumentedDefaults) {
    ChartItems store;
    EXPECT_EQ(store.ItemCount(), 0);
    EXPECT_EQ(store.List().Capacity(), 0);
    EXPECT_EQ(store.AllocSize(), 1000);
    EXPECT_EQ(store.DataColor(), clBlack);
    EXPECT_EQ(store.FillColor(), rgbColor(192, 192, 192));
    EXPECT_EQ(store.PenStyle(), psSolid);
    EXPECT_EQ(store.LineWidth(), 1);
    EXPECT_EQ(store.ClassDefault(), 0);
    EXPECT_EQ(store.CurrentLayer(), 1);
    EXPECT_EQ(store.TextAlignment(), taCenter);
}

TEST(ChartItems, EachKindIsStampedWithTheCurrentAttributes) {
    ChartItems store;
    store.SetDataColor(clRed);
    store.SetFillColor(clYellow);
    store.SetPenStyle(psDot);
    store.SetLineWidth(3);
    store.SetClassDefault(7);
    store.SetCurrentLayer(5);
    store.SetTextAlignment(taRightJustify);
    store.AddMark(1.5, 2.5, 24);
    store.AddLine(1, 2, 3, 4);
    store.AddLineTo(-7, 8);
    store.AddText(9, 10, 12, QStringLiteral("dt"));
    ASSERT_EQ(store.ItemCount(), 4);

    const TChartItem& mark = store.List()[0];
    EXPECT_EQ(mark.Kind, ikMark);
    EXPECT_EQ(mark.X1, 1.5);
    EXPECT_EQ(mark.Y1, 2.5);
    EXPECT_EQ(mark.MarkOrAlign, 24);
    EXPECT_EQ(mark.Color, clRed);
    EXPECT_EQ(mark.PenStyle, psDot);
    EXPECT_EQ(mark.LineWidth, 3);
    EXPECT_EQ(mark.ClassNo, 7);
    EXPECT_EQ(mark.Layer, 5);

    const TChartItem& line = store.List()[1];
    EXPECT_EQ(line.Kind, ikLine);
    EXPECT_EQ(line.X1, 1);
    EXPECT_EQ(line.Y1, 2);
    EXPECT_EQ(store.List().EndOf(line), QPointF(3, 4));
    EXPECT_EQ(line.FillColor, clYellow);

    const TChartItem& lineTo = store.List()[2];
    EXPECT_EQ(lineTo.Kind, ikLineTo);
    EXPECT_EQ(lineTo.X1, -7);
    EXPECT_EQ(lineTo.Y1, 8);
    EXPECT_EQ(lineTo.FillColor, clYellow);

    const TChartItem& text = store.List()[3];
    EXPECT_EQ(text.Kind, ikText);
    EXPECT_EQ(store.List().TextOf(text).Text, QStringLiteral("dt"));
    EXPECT_EQ(store.List().TextOf(text).FontSize, 12);
    EXPECT_EQ(text.MarkOrAlign, 1); // right-justified
    EXPECT_EQ(text.Color, clRed);
    EXPECT_EQ(text.Layer, 5);
}

TEST(ChartItems, GrowsByAllocSizeAndKeepsEarlierItems) {
    ChartItems store;
    for (int i = 0; i < 1000; ++i)
        store.AddLineTo(i, -i);
    EXPECT_EQ(store.List().Capacity(), 1000);
    store.AddLineTo(1000, -1000);
    EXPECT_EQ(store.List().Capacity(), 2000);
    ASSERT_EQ(store.ItemCount(), 1001);
    for (int i = 0; i <= 1000; ++i) {
        ASSERT_EQ(store.List()[i].X1, i);
        ASSERT_EQ(store.List()[i].Y1, -i);
    }

    store.SetAllocSize(3);
    store.ClearItems();
    store.AddMark(0, 0, 1);
    EXPECT_EQ(store.List().Capacity(), 3);
}

TEST(ChartItems, OutOfRangeAllocSizeAndClassDefaultAreIgnored) {
    ChartItems store;
    store.SetAllocSize(1);
    EXPECT_EQ(store.AllocSize(), 1);
    store.SetAllocSize(1000000);
    EXPECT_EQ(store.AllocSize(), 1000000);
    for (int bad : {0, -5, 1000001})
        store.SetAllocSize(bad);
    EXPECT_EQ(store.AllocSize(), 1000000);

    store.SetClassDefault(254);
    EXPECT_EQ(store.ClassDefault(), 254);
    for (int bad : {255, -1, 256})
        store.SetClassDefault(bad);
    EXPECT_EQ(store.ClassDefault(), 254);
}

TEST(ChartItems, LayerAndLineWidthAndMarkTypeAreKeptInTheirRanges) {
    ChartItems store;
    store.SetCurrentLayer(0);
    EXPECT_EQ(store.CurrentLayer(), 1);
    store.SetCurrentLayer(17);
    EXPECT_EQ(store.CurrentLayer(), 16);
    store.SetLineWidth(300);
    EXPECT_EQ(store.LineWidth(), 255);
    store.SetLineWidth(-2);
    EXPECT_EQ(store.LineWidth(), 0);
    store.AddMark(0, 0, 256);
    store.AddMark(0, 0, -1);
    EXPECT_EQ(store.List()[0].MarkOrAlign, 255);
    EXPECT_EQ(store.List()[1].MarkOrAlign, 0);
}

TEST(ChartItems, TextIsCutToFifteenCharacters) {
    ChartItems store;
    store.AddText(0, 0, 10, QStringLiteral("abcdefghijklmnopqrst"));
    EXPECT_EQ(store.List().TextOf(store.List()[0]).Text, QStringLiteral("abcdefghijklmno"));
    // A cut never leaves half of a surrogate pair behind.
    store.AddText(0, 0, 10, QStringLiteral("abcdefghijklmn") + QString::fromUcs4(U"\U0001F697"));
    EXPECT_EQ(store.List().TextOf(store.List()[1]).Text, QStringLiteral("abcdefghijklmn"));
}

TEST(ChartItems, ClearEmptiesTheListAndItsCapacity) {
    ChartItems store;
    store.AddLine(0, 0, 1, 1);
    store.ClearItems();
    EXPECT_EQ(store.ItemCount(), 0);
    EXPECT_EQ(store.List().Capacity(), 0);
}

TEST(ChartItems, LineEndsAndTextsBelongToTheirOwnKindAndCopyAlong) {
    ChartItems store;
    store.AddText(1, 2, 9, QStringLiteral("a"));
    store.AddLine(1, 2, 5, 6);
    store.AddMark(3, 4, 1);
    store.AddLineTo(7, 8);
    store.AddLine(0, 0, -1, -2);
    const ChartItemList copy = store.List().Detached();
    store.ClearItems();
    ASSERT_EQ(copy.Count(), 5);
    // The text and the first line are each the first of their kind.
    EXPECT_EQ(copy.TextOf(copy[0]).Text, QStringLiteral("a"));
    EXPECT_EQ(copy.EndOf(copy[0]), QPointF());
    EXPECT_EQ(copy.EndOf(copy[1]), QPointF(5, 6));
    EXPECT_EQ(copy.TextOf(copy[1]).Text, QString());
    EXPECT_EQ(copy.TextOf(copy[1]).FontSize, 0);
    EXPECT_EQ(copy.EndOf(copy[2]), QPointF());
    EXPECT_EQ(copy.EndOf(copy[3]), QPointF());
    EXPECT_EQ(copy.EndOf(copy[4]), QPointF(-1, -2));
}
