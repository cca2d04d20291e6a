#include "../painttestutil.h"

#include "chart/bakgndimg.h"

#include "platform/graphics/bitmap.h"

#include <QFile>
#include <QImage>
#include <QMetaProperty>
#include <gtest/gtest.h>

using enum BakGnd::TBakGndAreaMode;
using enum BakGnd::TBakGndFillMode;

namespace {

constexpr TColor kChart = clYellow;
constexpr TColor kFrame = clNavy;

// A 4 × 3 picture, every pixel a different colour, saved in the given format.
QString writeTestImage(const QString& fileName) {
    QImage img(4, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            img.setPixel(x, y, qRgb(40 * x + 10, 60 * y + 20, 200));
    const QString path = outputPath(fileName);
    EXPECT_TRUE(img.save(path));
    return path;
}

TColor imagePixel(int x, int y) {
    return rgbColor(40 * x + 10, 60 * y + 20, 200);
}

// Layer 1 as a test chart maps it: 10 pixels per unit, origin at (20, 15), y upwards.
QPoint testMapping(double x, double y) {
    return QPoint(static_cast<int>(20 + x * 10), static_cast<int>(15 - y * 10));
}

} // namespace

TEST(BakGndImg, DefaultsAndPublishedOrder) {
    TBakGndImg b;
    EXPECT_EQ(b.Name(), "");
    EXPECT_FALSE(b.IncludePath());
    EXPECT_EQ(b.FillMode(), bfStretch);
    EXPECT_EQ(b.AreaMode(), bamNone);
    EXPECT_EQ(b.AreaColor(), rgbColor(221, 221, 221));
    EXPECT_EQ(b.AreaLeft(), -1);
    EXPECT_EQ(b.AreaRight(), 1);
    EXPECT_EQ(b.AreaTop(), 1);
    EXPECT_EQ(b.AreaBottom(), -1);
    QStringList names;
    for (int i = QObject::staticMetaObject.propertyCount(); i < b.metaObject()->propertyCount(); ++i)
        names << b.metaObject()->property(i).name();
    EXPECT_EQ(names, (QStringList{"Name", "IncludePath", "FillMode", "AreaMode", "AreaColor", "AreaLeft",
                                  "AreaRight", "AreaTop", "AreaBottom"}));
    EXPECT_TRUE(b.setProperty("AreaMode", "bamHStripe"));
    EXPECT_EQ(b.AreaMode(), bamHStripe);
}

TEST(BakGndImg, NameKeepsItsDirectoryOnlyWithIncludePath) {
    TBakGndImg b;
    int changes = 0;
    b.SetOnChange([&] { ++changes; });
    b.SetName("/srv/pictures/road.bmp");
    EXPECT_EQ(b.Name(), "road.bmp");
    b.SetName("C:\\Bilder\\strasse.bmp");
    EXPECT_EQ(b.Name(), "strasse.bmp");
    b.SetName("D:feld.png");
    EXPECT_EQ(b.Name(), "feld.png");
    EXPECT_EQ(changes, 3);

    b.SetIncludePath(true);
    b.SetName("/srv/pictures/road.bmp");
    EXPECT_EQ(b.Name(), "/srv/pictures/road.bmp");
    b.SetName("/srv/pictures/road.bmp"); // unchanged
    EXPECT_EQ(changes, 5);
    b.SetIncludePath(false); // strips the current name, one notification
    EXPECT_EQ(b.Name(), "road.bmp");
    EXPECT_EQ(changes, 6);
    b.SetAreaTop(4.5);
    b.SetAreaColor(clRed);
    b.SetFillMode(bfTile);
    EXPECT_EQ(changes, 9);
}

TEST(BakGndImgDrawing, WithoutImageChartColourInsideTheFrame) {
    TBakGndImg b;
    TBitmap area(41, 31);
    drawBackground(b, area.Canvas(), kChart, kFrame, testMapping);
    EXPECT_EQ(countOf(area, kChart), 39 * 29);
    EXPECT_EQ(countOf(area, kFrame), 41 * 31 - 39 * 29);
    EXPECT_EQ(area.Canvas().Pixels(0, 0), kFrame);
    EXPECT_EQ(area.Canvas().Pixels(40, 30), kFrame);
}

TEST(BakGndImgDrawing, AreaModesFillTheirPartInAreaColour) {
    // Area edges -1..1 and -1..1 map to x 10 and 30, y 25 and 5.
    const std::pair<TBakGndAreaMode, TRect> cases[] = {
        {bamLeft, {0, 0, 10, 31}},    {bamRight, {30, 0, 41, 31}},   {bamTop, {0, 0, 41, 5}},
        {bamBottom, {0, 25, 41, 31}}, {bamVStripe, {10, 0, 30, 31}}, {bamHStripe, {0, 5, 41, 25}},
        {bamRect, {10, 5, 30, 25}},
    };
    for (const auto& [mode, expected] : cases) {
        TBakGndImg b;
        b.SetAreaMode(mode);
        b.SetAreaColor(clLime);
        TBitmap area(41, 31);
        drawBackground(b, area.Canvas(), kChart, kFrame, testMapping);
        EXPECT_EQ(boxOf(area.Image(), clLime), expected.toQRect()) << static_cast<int>(mode);
        EXPECT_EQ(countOf(area, clLime), expected.Width() * expected.Height()) << static_cast<int>(mode);
    }
}

TEST(BakGndImgDrawing, FarAwayAreaEdgesAreClamped) {
    TBakGndImg b;
    b.SetAreaMode(bamRight);
    b.SetAreaRight(-1e300);
    TBitmap area(41, 31);
    drawBackground(b, area.Canvas(), kChart, kFrame,
                   [](double, double) { return QPoint(-2147483647, 2147483647); });
    EXPECT_EQ(countOf(area, kDefaultAreaColor), 41 * 31);
}

TEST(BakGndImgDrawing, ImageAtItsOwnSizeStretchedOrTiled) {
    const QString png = writeTestImage("bakgnd.png");
    TBakGndImg b;
    b.SetIncludePath(true);
    b.SetName(png);

    b.SetFillMode(bfSimple);
    TBitmap simple(10, 8);
    drawBackground(b, simple.Canvas(), kChart, kFrame, testMapping);
    EXPECT_EQ(simple.Canvas().Pixels(0, 0), imagePixel(0, 0));
    EXPECT_EQ(simple.Canvas().Pixels(3, 2), imagePixel(3, 2));
    EXPECT_EQ(simple.Canvas().Pixels(4, 2), kChart);
    EXPECT_EQ(simple.Canvas().Pixels(9, 7), kFrame);

    b.SetFillMode(bfStretch);
    TBitmap stretched(8, 6);
    drawBackground(b, stretched.Canvas(), kChart, kFrame, testMapping);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(stretched.Canvas().Pixels(x, y), imagePixel(x / 2, y / 2)) << x << "," << y;

    b.SetFillMode(bfTile);
    TBitmap tiled(10, 7);
    drawBackground(b, tiled.Canvas(), kChart, kFrame, testMapping);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 10; ++x)
            EXPECT_EQ(tiled.Canvas().Pixels(x, y), imagePixel(x % 4, y % 3)) << x << "," << y;
    EXPECT_EQ(b.Name(), png);
}

TEST(BakGndImgDrawing, BmpAndJpegFilesLoadToo) {
    for (const char* file : {"bakgnd.bmp", "bakgnd.jpg"}) {
        TBakGndImg b;
        b.SetIncludePath(true);
        b.SetName(writeTestImage(file));
        TBitmap area(4, 3);
        drawBackground(b, area.Canvas(), kChart, kFrame, testMapping);
        EXPECT_FALSE(b.Name().isEmpty()) << file;
        EXPECT_EQ(countOf(area, kFrame), 0) << file;
    }
}

TEST(BakGndImgDrawing, UnreadableImageIsDroppedSilently) {
    const QString notAnImage = outputPath(QStringLiteral("not-an-image.bmp"));
    {
        QFile f(notAnImage);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("BM this is no bitmap");
    }
    for (const QString& name : {QString("/no/such/dir/missing.bmp"), notAnImage}) {
        TBakGndImg b;
        b.SetIncludePath(true);
        b.SetName(name);
        b.SetAreaMode(bamRect); // not drawn in this paint: the image was asked for
        int changes = 0;
        b.SetOnChange([&] { ++changes; });
        TBitmap area(41, 31);
        drawBackground(b, area.Canvas(), kChart, kFrame, testMapping);
        EXPECT_EQ(b.Name(), "") << name.toStdString();
        EXPECT_EQ(changes, 0);
        EXPECT_EQ(countOf(area, kChart), 39 * 29);
    }
}
