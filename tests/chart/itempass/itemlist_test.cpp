#include "chart/itempass/itemlist.h"

#include <gtest/gtest.h>

using enum Graphics::TAlignment;
using enum Graphics::TPenStyle;

TEST(ChartItems, FreshStoreHasTheDocumentedDefaults) {
    ChartItems store;
    EXPECT_EQ(store.itemCount(), 0);
    EXPECT_EQ(store.list().capacity(), 0);
    EXPECT_EQ(store.allocSize(), 1000);
    EXPECT_EQ(store.dataColor(), clBlack);
    EXPECT_EQ(store.fillColor(), rgbColor(192, 192, 192));
    EXPECT_EQ(store.penStyle(), psSolid);
    EXPECT_EQ(store.lineWidth(), 1);
    EXPECT_EQ(store.classDefault(), 0);
    EXPECT_EQ(store.currentLayer(), 1);
    EXPECT_EQ(store.textAlignment(), taCenter);
}

TEST(ChartItems, EachKindIsStampedWithTheCurrentAttributes) {
    ChartItems store;
    store.setDataColor(clRed);
    store.setFillColor(clYellow);
    store.setPenStyle(psDot);
    store.setLineWidth(3);
    store.setClassDefault(7);
    store.setCurrentLayer(5);
    store.setTextAlignment(taRightJustify);
    store.addMark(1.5, 2.5, 24);
    store.addLine(1, 2, 3, 4);
    store.addLineTo(-7, 8);
    store.addText(9, 10, 12, QStringLiteral("dt"));
    ASSERT_EQ(store.itemCount(), 4);

    const TChartItem& mark = store.list()[0];
    EXPECT_EQ(mark.Kind, ikMark);
    EXPECT_EQ(mark.X1, 1.5);
    EXPECT_EQ(mark.Y1, 2.5);
    EXPECT_EQ(mark.MarkOrAlign, 24);
    EXPECT_EQ(mark.Color, clRed);
    EXPECT_EQ(mark.PenStyle, psDot);
    EXPECT_EQ(mark.LineWidth, 3);
    EXPECT_EQ(mark.ClassNo, 7);
    EXPECT_EQ(mark.Layer, 5);

    const TChartItem& line = store.list()[1];
    EXPECT_EQ(line.Kind, ikLine);
    EXPECT_EQ(line.X1, 1);
    EXPECT_EQ(line.Y1, 2);
    EXPECT_EQ(store.list().endOf(line), QPointF(3, 4));
    EXPECT_EQ(line.FillColor, clYellow);

    const TChartItem& lineTo = store.list()[2];
    EXPECT_EQ(lineTo.Kind, ikLineTo);
    EXPECT_EQ(lineTo.X1, -7);
    EXPECT_EQ(lineTo.Y1, 8);
    EXPECT_EQ(lineTo.FillColor, clYellow);

    const TChartItem& text = store.list()[3];
    EXPECT_EQ(text.Kind, ikText);
    EXPECT_EQ(store.list().textOf(text).Text, QStringLiteral("dt"));
    EXPECT_EQ(store.list().textOf(text).FontSize, 12);
    EXPECT_EQ(text.MarkOrAlign, 1); // right-justified
    EXPECT_EQ(text.Color, clRed);
    EXPECT_EQ(text.Layer, 5);
}

TEST(ChartItems, GrowsByAllocSizeAndKeepsEarlierItems) {
    ChartItems store;
    for (int i = 0; i < 1000; ++i)
        store.addLineTo(i, -i);
    EXPECT_EQ(store.list().capacity(), 1000);
    store.addLineTo(1000, -1000);
    EXPECT_EQ(store.list().capacity(), 2000);
    ASSERT_EQ(store.itemCount(), 1001);
    for (int i = 0; i <= 1000; ++i) {
        ASSERT_EQ(store.list()[i].X1, i);
        ASSERT_EQ(store.list()[i].Y1, -i);
    }

    store.setAllocSize(3);
    store.clearItems();
    store.addMark(0, 0, 1);
    EXPECT_EQ(store.list().capacity(), 3);
}

TEST(ChartItems, OutOfRangeAllocSizeAndClassDefaultAreIgnored) {
    ChartItems store;
    store.setAllocSize(1);
    EXPECT_EQ(store.allocSize(), 1);
    store.setAllocSize(1000000);
    EXPECT_EQ(store.allocSize(), 1000000);
    for (int bad : {0, -5, 1000001})
        store.setAllocSize(bad);
    EXPECT_EQ(store.allocSize(), 1000000);

    store.setClassDefault(254);
    EXPECT_EQ(store.classDefault(), 254);
    for (int bad : {255, -1, 256})
        store.setClassDefault(bad);
    EXPECT_EQ(store.classDefault(), 254);
}

TEST(ChartItems, LayerAndLineWidthAndMarkTypeAreKeptInTheirRanges) {
    ChartItems store;
    store.setCurrentLayer(0);
    EXPECT_EQ(store.currentLayer(), 1);
    store.setCurrentLayer(17);
    EXPECT_EQ(store.currentLayer(), 16);
    store.setLineWidth(300);
    EXPECT_EQ(store.lineWidth(), 255);
    store.setLineWidth(-2);
    EXPECT_EQ(store.lineWidth(), 0);
    store.addMark(0, 0, 256);
    store.addMark(0, 0, -1);
    EXPECT_EQ(store.list()[0].MarkOrAlign, 255);
    EXPECT_EQ(store.list()[1].MarkOrAlign, 0);
}

TEST(ChartItems, TextIsCutToFifteenCharacters) {
    ChartItems store;
    store.addText(0, 0, 10, QStringLiteral("abcdefghijklmnopqrst"));
    EXPECT_EQ(store.list().textOf(store.list()[0]).Text, QStringLiteral("abcdefghijklmno"));
    // A cut never leaves half of a surrogate pair behind.
    store.addText(0, 0, 10, QStringLiteral("abcdefghijklmn") + QString::fromUcs4(U"\U0001F697"));
    EXPECT_EQ(store.list().textOf(store.list()[1]).Text, QStringLiteral("abcdefghijklmn"));
}

TEST(ChartItems, ClearEmptiesTheListAndItsCapacity) {
    ChartItems store;
    store.addLine(0, 0, 1, 1);
    store.clearItems();
    EXPECT_EQ(store.itemCount(), 0);
    EXPECT_EQ(store.list().capacity(), 0);
}

TEST(ChartItems, LineEndsAndTextsBelongToTheirOwnKindAndCopyAlong) {
    ChartItems store;
    store.addText(1, 2, 9, QStringLiteral("a"));
    store.addLine(1, 2, 5, 6);
    store.addMark(3, 4, 1);
    store.addLineTo(7, 8);
    store.addLine(0, 0, -1, -2);
    const ChartItemList copy = store.list().detached();
    store.clearItems();
    ASSERT_EQ(copy.count(), 5);
    // The text and the first line are each the first of their kind.
    EXPECT_EQ(copy.textOf(copy[0]).Text, QStringLiteral("a"));
    EXPECT_EQ(copy.endOf(copy[0]), QPointF());
    EXPECT_EQ(copy.endOf(copy[1]), QPointF(5, 6));
    EXPECT_EQ(copy.textOf(copy[1]).Text, QString());
    EXPECT_EQ(copy.textOf(copy[1]).FontSize, 0);
    EXPECT_EQ(copy.endOf(copy[2]), QPointF());
    EXPECT_EQ(copy.endOf(copy[3]), QPointF());
    EXPECT_EQ(copy.endOf(copy[4]), QPointF(-1, -2));
}
