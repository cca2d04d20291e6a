#include "../painttestutil.h"

#include "platform/graphics/bitmap.h"

#include <gtest/gtest.h>

#include <QFile>

TEST(Bitmap, SizeIsNeverNegativeAndNewPixelsAreWhite) {
    TBitmap bmp;
    EXPECT_TRUE(bmp.Empty());
    bmp.SetSize(-3, 4);
    EXPECT_EQ(bmp.Width(), 0);
    EXPECT_EQ(bmp.Height(), 4);
    bmp.Canvas().LineTo(5, 5); // nothing to draw on, nothing breaks
    bmp.SetSize(3, 2);
    EXPECT_EQ(bmp.Image().format(), QImage::Format_RGB32);
    EXPECT_TRUE(pixelsNot(bmp, clWhite).empty());
    bmp.Canvas().SetPixels(0, 0, clRed);
    bmp.SetSize(3, 2); // same size keeps the picture
    EXPECT_EQ(bmp.Canvas().Pixels(0, 0), clRed);
}

TEST(Bitmap, LoadFromFileReadsPicturesAndRefusesOtherFiles) {
    TBitmap bmp(2, 3);
    EXPECT_FALSE(bmp.LoadFromFile(outputPath("does-not-exist.bmp")));
    const QString junk = outputPath("junk.png");
    QFile file(junk);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\x89PNG\r\n\x1a\n this is not a picture");
    file.close();
    EXPECT_FALSE(bmp.LoadFromFile(junk));
    EXPECT_EQ(bmp.Width(), 2);
    EXPECT_EQ(bmp.Height(), 3);

    for (const char* name : {"round.bmp", "round.png"}) {
        TBitmap src(5, 4);
        src.Canvas().SetPixels(1, 2, clBlack);
        ASSERT_TRUE(src.Image().save(outputPath(name))) << name;
        TBitmap loaded;
        ASSERT_TRUE(loaded.LoadFromFile(outputPath(name))) << name;
        EXPECT_EQ(loaded.Width(), 5);
        EXPECT_EQ(loaded.Height(), 4);
        EXPECT_EQ(pixelsNot(loaded, clWhite), (PixelSet{{1, 2}})) << name;
    }
}

// A view shares the bitmap's pixels: drawing on it draws on the bitmap, inside the area only.
TEST(Bitmap, ViewDrawsOnThePartOfTheBitmapItShows) {
    TBitmap bmp(10, 8);
    QImage view = bmp.View(QRect(2, 3, 4, 3));
    ASSERT_EQ(view.size(), QSize(4, 3));
    TCanvas canvas(&view);
    canvas.Brush().Color = clRed;
    canvas.FillRect(Rect(-5, -5, 50, 50)); // clipped to the view
    canvas.Release();
    PixelSet expected;
    for (int y = 3; y < 6; ++y)
        for (int x = 2; x < 6; ++x)
            expected.insert({x, y});
    EXPECT_EQ(pixelsOf(bmp, clRed), expected);
    EXPECT_EQ(bmp.View(QRect(8, 6, 5, 5)).size(), QSize(2, 2)); // cut at the bitmap's edge
    EXPECT_TRUE(bmp.View(QRect(20, 20, 3, 3)).isNull());
}
