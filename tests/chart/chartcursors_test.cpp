#include "chart/chartcursors.h"

#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

using enum VrxBase::TMouseActMode;

namespace {

QImage imageOf(const QCursor& c) {
    return c.pixmap().toImage();
}

// Whether the optional cursor is the named one of the chart.
bool isChartCursor(const std::optional<QCursor>& c, const char* name) {
    return c && c->shape() == Qt::BitmapCursor && imageOf(*c) == imageOf(chartCursor(name));
}

bool hasShape(const std::optional<QCursor>& c, Qt::CursorShape shape) {
    return c && c->shape() == shape;
}

} // namespace

TEST(ChartCursors, FourDistinctImagesOf32By32WithVisiblePixels) {
    QList<QImage> seen;
    for (const char* name : {"CURHAND", "CURZOOMW", "CURZOOMD", "CURZOOMP"}) {
        const QCursor c = chartCursor(name);
        ASSERT_EQ(c.shape(), Qt::BitmapCursor) << name;
        const QImage img = imageOf(c);
        EXPECT_EQ(img.size(), QSize(32, 32)) << name;
        EXPECT_TRUE(img.hasAlphaChannel()) << name;
        // Both an opaque and a see-through part, and black and white ink.
        int opaque = 0, black = 0, white = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                const QRgb p = img.pixel(x, y);
                opaque += qAlpha(p) == 255;
                black += qAlpha(p) == 255 && qGray(p) < 64;
                white += qAlpha(p) == 255 && qGray(p) > 192;
            }
        EXPECT_GT(opaque, 100) << name;
        EXPECT_LT(opaque, 32 * 32 - 100) << name;
        EXPECT_GT(black, 20) << name;
        EXPECT_GT(white, 20) << name;
        EXPECT_FALSE(seen.contains(img)) << name;
        seen << img;
        EXPECT_TRUE(QRect(0, 0, 32, 32).contains(c.hotSpot())) << name;
    }
    EXPECT_EQ(chartCursor("CURSOMETHING").shape(), Qt::ArrowCursor);
}

TEST(ChartCursors, ActionChoosesTheCursorInsideTheDataArea) {
    EXPECT_TRUE(hasShape(cursorForMouseAction(maNone, true, false), Qt::CrossCursor));
    EXPECT_TRUE(isChartCursor(cursorForMouseAction(maPan, true, false), "CURHAND"));
    EXPECT_TRUE(isChartCursor(cursorForMouseAction(maPanHoriz, true, false), "CURHAND"));
    EXPECT_TRUE(isChartCursor(cursorForMouseAction(maPanVert, true, false), "CURHAND"));
    EXPECT_TRUE(isChartCursor(cursorForMouseAction(maZoomWind, true, false), "CURZOOMW"));
    EXPECT_TRUE(isChartCursor(cursorForMouseAction(maZoomWindPos, true, false), "CURZOOMP"));
    EXPECT_TRUE(isChartCursor(cursorForMouseAction(maZoomDrag, true, false), "CURZOOMD"));
    for (TMouseActMode a : {maRubberBand, maDragCrossH, maDragLabel})
        EXPECT_TRUE(hasShape(cursorForMouseAction(a, true, false), Qt::ArrowCursor));
    for (TMouseActMode a : {maZoom, maRotate, maRotAndZoom, maRotXOnly, maRotZOnly})
        EXPECT_FALSE(cursorForMouseAction(a, true, false).has_value());
}

TEST(ChartCursors, FixedCursorOrPointerOutsideGivesTheArrow) {
    for (TMouseActMode a : {maNone, maPan, maZoomDrag, maRotate}) {
        EXPECT_TRUE(hasShape(cursorForMouseAction(a, true, true), Qt::ArrowCursor));
        EXPECT_TRUE(hasShape(cursorForMouseAction(a, false, false), Qt::ArrowCursor));
    }
}
