#include "../painttestutil.h"

#include "chart/vrxbase.h"

#include "platform/graphics/bitmap.h"

#include <QMetaProperty>
#include <gtest/gtest.h>

#include <array>
#include <cmath>

using enum Graphics::TPenMode;
using enum Graphics::TPenStyle;
using enum VrxBase::TCrossHairMode;
using enum VrxBase::TTextLabelMode;

namespace {

QStringList ownPropertyNames(const QObject& o) {
    QStringList names;
    const QMetaObject* mo = o.metaObject();
    for (int i = QObject::staticMetaObject.propertyCount(); i < mo->propertyCount(); ++i)
        names << mo->property(i).name();
    return names;
}

PixelSet column(int x, int y1, int y2) {
    PixelSet points;
    for (int y = y1; y <= y2; ++y)
        points.insert({x, y});
    return points;
}

PixelSet row(int y, int x1, int x2) {
    PixelSet points;
    for (int x = x1; x <= x2; ++x)
        points.insert({x, y});
    return points;
}

const TRect kArea{10, 10, 90, 70};

} // namespace

TEST(CrossHair, DefaultsClampsAndChangeNotification) {
    TCrossHair c(3);
    EXPECT_EQ(c.Layer(), 3);
    EXPECT_EQ(c.PosX(), 0);
    EXPECT_EQ(c.PosY(), 0);
    EXPECT_EQ(c.Color(), clBlack);
    EXPECT_EQ(c.Mode(), chOff);
    EXPECT_EQ(c.LineType(), psSolid);
    EXPECT_EQ(c.LineWid(), 1);

    int changes = 0;
    c.SetOnChange([&] { ++changes; });
    c.SetLayer(0);
    EXPECT_EQ(c.Layer(), 1);
    c.SetLayer(20);
    EXPECT_EQ(c.Layer(), 16);
    c.SetPosX(12.5);
    c.SetPosX(12.5); // unchanged: no notification
    c.SetPosY(std::nan(""));
    EXPECT_EQ(c.PosY(), 0);
    c.SetLineWid(0);
    EXPECT_EQ(c.LineWid(), 1);
    EXPECT_EQ(changes, 3);
}

TEST(CrossHair, PublishedPropertiesAreReadableByName) {
    TCrossHair c(1);
    EXPECT_EQ(ownPropertyNames(c),
              (QStringList{"PosX", "PosY", "Layer", "Color", "Mode", "LineType", "LineWid"}));
    // A layout names enum values by identifier.
    EXPECT_TRUE(c.setProperty("Mode", "chBoth"));
    EXPECT_EQ(c.Mode(), chBoth);
    EXPECT_TRUE(c.setProperty("LineType", "psDot"));
    EXPECT_EQ(c.LineType(), psDot);
    EXPECT_TRUE(c.setProperty("Color", clGray));
    EXPECT_EQ(c.Color(), clGray);
    EXPECT_TRUE(c.setProperty("Layer", 40));
    EXPECT_EQ(c.Layer(), 16);
}

TEST(CrossHairDrawing, LinesOnTheDataAreaEdgeAreLeftOut) {
    TCrossHair c(1);
    c.SetMode(chBoth);
    TBitmap bmp(100, 80);
    bmp.Canvas().Pen().Color = clRed;
    // On the left and bottom edges: nothing at all.
    drawCrossHairLines(bmp.Canvas(), c, QPoint(10, 70), kArea);
    EXPECT_TRUE(pixelsOf(bmp, clRed).empty());
    // One pixel inside: both lines, from one pixel inside the frame up to the far frame, exclusive.
    drawCrossHairLines(bmp.Canvas(), c, QPoint(11, 69), kArea);
    PixelSet expected = column(11, 11, 69);
    expected.merge(row(69, 12, 89));
    EXPECT_EQ(pixelsOf(bmp, clRed), expected);
}

TEST(CrossHairDrawing, ModeSelectsTheLinesAndWideLinesKeepOffTheFrame) {
    TCrossHair c(1);
    c.SetMode(chVert);
    c.SetLineWid(3);
    TBitmap bmp(100, 80);
    bmp.Canvas().Pen().Color = clBlue;
    bmp.Canvas().Pen().Width = 3;
    drawCrossHairLines(bmp.Canvas(), c, QPoint(11, 40), kArea); // 10 + 3 div 2 < 11 fails
    EXPECT_TRUE(pixelsOf(bmp, clBlue).empty());
    drawCrossHairLines(bmp.Canvas(), c, QPoint(12, 40), kArea);
    EXPECT_EQ(bmp.Canvas().Pixels(12, 40), clBlue);
    EXPECT_EQ(bmp.Canvas().Pixels(11, 40), clBlue);
    EXPECT_EQ(bmp.Canvas().Pixels(13, 40), clBlue);
    EXPECT_EQ(bmp.Canvas().Pixels(20, 40), clWhite); // no horizontal line in chVert
}

TEST(CrossHairDrawing, ThePassMapsEachThroughItsLayerAndRestoresThePen) {
    std::array<TCrossHair, 4> hairs{TCrossHair(1), TCrossHair(2), TCrossHair(3), TCrossHair(4)};
    const std::array<const TCrossHair*, 4> all{&hairs[0], &hairs[1], &hairs[2], &hairs[3]};
    QList<int> layersMapped;
    const LayerToPixel toPixel = [&](int layer, double x, double y) {
        layersMapped << layer;
        return QPoint(static_cast<int>(x), static_cast<int>(y));
    };
    TBitmap bmp(100, 80);
    TCanvas& canvas = bmp.Canvas();
    canvas.Pen() = TPen{clGreen, 2, psDash, pmCopy};
    drawCrossHairs(canvas, all, toPixel, kArea, clWhite);
    EXPECT_TRUE(layersMapped.isEmpty());

    hairs[2].SetMode(chHoriz);
    hairs[2].SetColor(clRed);
    hairs[2].SetLayer(7);
    hairs[2].SetPosX(50);
    hairs[2].SetPosY(30);
    drawCrossHairs(canvas, all, toPixel, kArea, clWhite);
    EXPECT_EQ(layersMapped, QList<int>{7});
    EXPECT_EQ(pixelsOf(bmp, clRed), row(30, 11, 89));
    EXPECT_EQ(canvas.Pen().Color, clGreen);
    EXPECT_EQ(canvas.Pen().Width, 2);
    EXPECT_EQ(canvas.Pen().Style, psDash);
}

TEST(TextLabel, CreatedHiddenAndDrawnOnlyWhenShown) {
    TTextLabel label;
    EXPECT_FALSE(label.Visible());
    EXPECT_EQ(label.Mode(), tlOff);
    EXPECT_EQ(label.Layer(), 1);
    int changes = 0;
    label.SetOnChange([&] { ++changes; });
    label.SetCaption("Max");
    label.SetColor(clRed);
    label.SetVisible(true);
    EXPECT_EQ(changes, 3);

    TBitmap bmp(80, 40);
    drawTextLabel(bmp.Canvas(), label, QPoint(5, 5)); // still tlOff
    EXPECT_TRUE(pixelsOf(bmp, clRed).empty());
    label.SetMode(tlSimple);
    drawTextLabel(bmp.Canvas(), label, QPoint(5, 5));
    const PixelSet ink = pixelsOf(bmp, clRed);
    ASSERT_FALSE(ink.empty());
    const QSize extent = bmp.Canvas().TextExtent("Max");
    for (auto [x, y] : ink)
        EXPECT_TRUE(QRect(QPoint(5, 5), extent).contains(x, y)) << x << "," << y;
}

TEST(TextLabel, PublishedAndKeptInRangeLikeCrossHairs) {
    TTextLabel label;
    QStringList names = ownPropertyNames(label);
    names.sort();
    EXPECT_EQ(names, (QStringList{"Caption", "Color", "Layer", "Mode", "PosX", "PosY", "Visible"}));
    int changes = 0;
    label.SetOnChange([&] { ++changes; });
    label.SetLayer(0);
    EXPECT_EQ(label.Layer(), 1);
    EXPECT_TRUE(label.setProperty("Layer", 20));
    EXPECT_EQ(label.Layer(), 16);
    label.SetPosY(-3.5);
    label.SetPosY(std::nan(""));
    EXPECT_EQ(label.PosY(), -3.5);
    EXPECT_EQ(changes, 2); // layer 1 was unchanged
}
