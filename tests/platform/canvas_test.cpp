#include "../painttestutil.h"

#include "platform/graphics/bitmap.h"
#include "platform/graphics/colorresolve.h"

#include <QLineF>
#include <QPainter>
#include <QPen>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <functional>

using enum Graphics::TBrushStyle;
using enum Graphics::TFontStyle;
using enum Graphics::TPenMode;
using enum Graphics::TPenStyle;

namespace {

PixelSet lineFrom(QPoint from, QPoint to) {
    TBitmap bmp(8, 8);
    bmp.Canvas().MoveTo(from.x(), from.y());
    bmp.Canvas().LineTo(to.x(), to.y());
    EXPECT_EQ(bmp.Canvas().PenPos(), to);
    return pixelsNot(bmp, clWhite);
}

} // namespace

TEST(Canvas, LineToLeavesOutTheEndPixel) {
    EXPECT_EQ(lineFrom({1, 2}, {5, 2}), (PixelSet{{1, 2}, {2, 2}, {3, 2}, {4, 2}}));
    EXPECT_EQ(lineFrom({5, 2}, {1, 2}), (PixelSet{{5, 2}, {4, 2}, {3, 2}, {2, 2}}));
    EXPECT_EQ(lineFrom({2, 1}, {2, 4}), (PixelSet{{2, 1}, {2, 2}, {2, 3}}));
    EXPECT_EQ(lineFrom({0, 0}, {4, 4}), (PixelSet{{0, 0}, {1, 1}, {2, 2}, {3, 3}}));
    EXPECT_EQ(lineFrom({4, 0}, {0, 4}), (PixelSet{{4, 0}, {3, 1}, {2, 2}, {1, 3}}));
    EXPECT_EQ(lineFrom({0, 0}, {4, 2}).size(), 4u);
    EXPECT_TRUE(lineFrom({3, 3}, {3, 3}).empty());
}

TEST(Canvas, PolylineDrawsEveryJointOnceAndLeavesOutTheLastPoint) {
    TBitmap bmp(6, 6);
    TCanvas& c = bmp.Canvas();
    c.Polyline(QPolygon{{0, 0}, {3, 0}, {3, 3}});
    EXPECT_EQ(pixelsNot(bmp, clWhite), (PixelSet{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {3, 1}, {3, 2}}));

    // In XOR mode a joint drawn twice would vanish.
    TBitmap xorBmp(6, 6);
    xorBmp.Canvas().Pen().Color = clWhite;
    xorBmp.Canvas().Pen().Mode = pmXor;
    xorBmp.Canvas().Polyline(QPolygon{{0, 0}, {3, 0}, {3, 3}, {0, 3}, {0, 0}});
    EXPECT_EQ(pixelsNot(xorBmp, clWhite).size(), 12u);
    EXPECT_EQ(xorBmp.Canvas().Pixels(3, 0), clBlack);
    EXPECT_EQ(xorBmp.Canvas().Pixels(0, 0), clBlack);
}

TEST(Canvas, RectangleOutlinesWithPenAndFillsInsideWithBrushRightBottomExclusive) {
    TBitmap bmp(8, 6);
    TCanvas& c = bmp.Canvas();
    c.Brush().Color = clRed;
    c.Rectangle(1, 1, 5, 4);
    PixelSet outline, fill;
    for (int x = 1; x <= 4; ++x)
        outline.insert({{x, 1}, {x, 3}});
    outline.insert({{1, 2}, {4, 2}});
    fill = {{2, 2}, {3, 2}};
    EXPECT_EQ(pixelsNot(bmp, clWhite).size(), outline.size() + fill.size());
    for (auto [x, y] : outline)
        EXPECT_EQ(c.Pixels(x, y), clBlack) << x << "," << y;
    for (auto [x, y] : fill)
        EXPECT_EQ(c.Pixels(x, y), clRed) << x << "," << y;

    TBitmap hollow(8, 6);
    hollow.Canvas().Brush().Style = bsClear;
    hollow.Canvas().Rectangle(1, 1, 5, 4);
    EXPECT_EQ(pixelsNot(hollow, clWhite), outline);

    // Without a pen the fill keeps to where the inside of an outline would end.
    TBitmap penless(8, 6);
    penless.Canvas().Pen().Style = psClear;
    penless.Canvas().Brush().Color = clRed;
    penless.Canvas().Rectangle(1, 1, 5, 4);
    EXPECT_EQ(pixelsNot(penless, clWhite), (PixelSet{{1, 1}, {2, 1}, {3, 1}, {1, 2}, {2, 2}, {3, 2}}));
}

TEST(Canvas, EllipseStaysInsideItsBoundingBoxAndTouchesEveryEdge) {
    TBitmap bmp(12, 10);
    TCanvas& c = bmp.Canvas();
    c.Brush().Color = clRed;
    c.Ellipse(2, 2, 9, 7);
    const QRect box = boxOf(pixelsNot(bmp, clWhite));
    EXPECT_EQ(box.left(), 2);
    EXPECT_EQ(box.top(), 2);
    EXPECT_EQ(box.right(), 8);
    EXPECT_EQ(box.bottom(), 6);
    EXPECT_EQ(c.Pixels(5, 4), clRed);
    EXPECT_EQ(c.Pixels(2, 4), clBlack);
}

TEST(Canvas, PolygonOutlinesEveryVertexAndFillsInside) {
    TBitmap bmp(9, 9);
    TCanvas& c = bmp.Canvas();
    c.Brush().Color = clRed;
    c.Polygon(QPolygon{{1, 1}, {6, 1}, {6, 6}});
    const QRect box = boxOf(pixelsNot(bmp, clWhite));
    EXPECT_EQ(box.left(), 1);
    EXPECT_EQ(box.top(), 1);
    EXPECT_EQ(box.right(), 6);
    EXPECT_EQ(box.bottom(), 6);
    for (auto [x, y] : PixelSet{{1, 1}, {6, 1}, {6, 6}, {3, 3}, {6, 4}})
        EXPECT_EQ(c.Pixels(x, y), clBlack) << x << "," << y;
    EXPECT_EQ(c.Pixels(5, 2), clRed);
    EXPECT_EQ(c.Pixels(2, 4), clWhite);
}

TEST(Canvas, FillRectUsesTheBrushOnly) {
    TBitmap bmp(5, 5);
    TCanvas& c = bmp.Canvas();
    c.Brush().Color = clBlue;
    c.Pen().Color = clRed;
    c.Pen().Mode = pmXor; // fills always copy
    c.FillRect(Rect(1, 1, 3, 3));
    EXPECT_EQ(pixelsNot(bmp, clWhite), (PixelSet{{1, 1}, {2, 1}, {1, 2}, {2, 2}}));
    EXPECT_EQ(c.Pixels(1, 1), clBlue);
    c.Brush().Style = bsClear;
    c.FillRect(Rect(0, 0, 5, 5));
    EXPECT_EQ(c.Pixels(0, 0), clWhite);
}

TEST(Canvas, FillRectFillsExactlyTheClippedRectangle) {
    const TRect rects[] = {Rect(0, 0, 7, 5), Rect(2, 1, 5, 4),  Rect(-3, -2, 3, 2), Rect(4, 3, 12, 9),
                           Rect(1, 4, 6, 5), Rect(6, 0, 7, 5),  Rect(-9, 2, 20, 3), Rect(3, -9, 4, 20),
                           Rect(7, 0, 9, 5), Rect(-4, -4, 0, 0)};
    for (const TRect& r : rects) {
        TBitmap bmp(7, 5);
        bmp.Canvas().Brush().Color = clNavy;
        bmp.Canvas().FillRect(r);
        PixelSet expected;
        for (int y = std::max(r.Top, 0); y < std::min(r.Bottom, 5); ++y)
            for (int x = std::max(r.Left, 0); x < std::min(r.Right, 7); ++x)
                expected.insert({x, y});
        EXPECT_EQ(pixelsNot(bmp, clWhite), expected)
            << r.Left << "," << r.Top << "," << r.Right << "," << r.Bottom;
        for (auto [x, y] : expected)
            ASSERT_EQ(bmp.Canvas().Pixels(x, y), clNavy) << x << "," << y;
    }
}

TEST(Canvas, XorDrawingTwiceRestoresTheImage) {
    TBitmap bmp(20, 16);
    TCanvas& c = bmp.Canvas();
    c.Brush().Color = clTeal;
    c.FillRect(Rect(0, 0, 10, 16));
    c.SetPixels(12, 3, clMaroon);
    const QImage before = bmp.Image().copy();
    auto figures = [&] {
        c.Pen().Mode = pmXor;
        c.Pen().Color = clYellow;
        c.Brush().Color = clSilver;
        c.MoveTo(0, 0);
        c.LineTo(19, 13);
        c.Polyline(QPolygon{{1, 14}, {18, 2}, {3, 3}});
        c.Rectangle(2, 2, 15, 12);
        c.Pen().Style = psDot;
        c.MoveTo(0, 15);
        c.LineTo(19, 15);
        c.Pen().Style = psSolid;
    };
    figures();
    EXPECT_NE(bmp.Image(), before);
    EXPECT_EQ(c.Pixels(0, 0), clTeal ^ clYellow);
    figures();
    EXPECT_EQ(bmp.Image(), before);

    // pmNotXor over white draws the pen colour itself.
    TBitmap notXor(4, 1);
    notXor.Canvas().Pen().Mode = pmNotXor;
    notXor.Canvas().Pen().Color = clRed;
    notXor.Canvas().LineTo(3, 0);
    EXPECT_EQ(notXor.Canvas().Pixels(1, 0), clRed);
}

TEST(Canvas, StyledPensRepeatTheirOnOffRuns) {
    auto run = [](TPenStyle style, int length) {
        TBitmap bmp(length + 1, 1);
        bmp.Canvas().Pen().Style = style;
        bmp.Canvas().LineTo(length, 0);
        QString s;
        for (int x = 0; x < length; ++x)
            s += bmp.Canvas().Pixels(x, 0) == clBlack ? QLatin1Char('o') : QLatin1Char('-');
        return s;
    };
    EXPECT_EQ(run(psDot, 14), QStringLiteral("ooo---ooo---oo"));
    EXPECT_EQ(run(psDash, 26), QStringLiteral("oooooooooooooooooo------oo"));
    EXPECT_EQ(run(psDashDot, 26), QStringLiteral("ooooooooo------ooo------oo"));
    EXPECT_EQ(run(psClear, 5), QStringLiteral("-----"));
    EXPECT_EQ(run(psInsideFrame, 5), QStringLiteral("ooooo"));
}

// The dots count from the line's start, off the image too, in whichever direction it runs.
TEST(Canvas, StraightStyledLinesKeepTheirRhythmWhereTheyLeaveTheImage) {
    const struct {
        QPoint from, to;
        bool vertical;
        const char* seen; // pixels 0..9 of row or column 2
    } cases[] = {
        {{-4, 2}, {12, 2}, false, "--ooo---oo"}, {{12, 2}, {-4, 2}, false, "o---ooo---"},
        {{2, -4}, {2, 12}, true, "--ooo---oo"},  {{2, 12}, {2, -4}, true, "o---ooo---"},
        {{2, 2}, {2, 2}, true, "----------"},    {{-9, 2}, {0, 2}, false, "----------"},
    };
    for (const auto& c : cases) {
        TBitmap bmp(10, 10);
        bmp.Canvas().Pen().Style = psDot;
        bmp.Canvas().MoveTo(c.from.x(), c.from.y());
        bmp.Canvas().LineTo(c.to.x(), c.to.y());
        QString seen;
        for (int i = 0; i < 10; ++i) {
            const TColor pixel = c.vertical ? bmp.Canvas().Pixels(2, i) : bmp.Canvas().Pixels(i, 2);
            seen += pixel == clBlack ? QLatin1Char('o') : QLatin1Char('-');
        }
        EXPECT_EQ(seen, QString::fromLatin1(c.seen)) << c.from.x() << "," << c.from.y();
        EXPECT_EQ(pixelsNot(bmp, clWhite).size(), static_cast<std::size_t>(seen.count(QLatin1Char('o'))));
    }
}

// At a drawing scale a straight styled line, one line or a polyline's segments, is dashed as the
// painter's dashed pen of one layout pixel's width dashes it, its pattern going on from segment to
// segment, but without the painter's stroker.
TEST(Canvas, StraightStyledLinesAtADrawingScaleAreDashedAsByThePainter) {
    const QPolygon lines[] = {{QPoint(-4, 2), QPoint(12, 2)},
                              {QPoint(2, 12), QPoint(2, -4)},
                              {QPoint(1, 1), QPoint(8, 1), QPoint(8, 8), QPoint(1, 8)},
                              {QPoint(3, 3), QPoint(3, 3)}};
    for (double factor : {2.0, 2.5})
        for (TPenStyle style : {psDot, psDashDot})
            for (const QPolygon& line : lines) {
                const DrawingScale scale(factor);
                TBitmap bmp(10, 10, scale);
                bmp.Canvas().Pen().Style = style;
                bmp.Canvas().Polyline(line);

                QImage expected(bmp.Image().size(), QImage::Format_RGB32);
                expected.fill(Qt::white);
                QPainter painter(&expected);
                QPen pen(Qt::black, scale.length(1));
                pen.setCapStyle(Qt::FlatCap);
                pen.setJoinStyle(Qt::MiterJoin);
                pen.setDashPattern(style == psDot ? QList<qreal>{3, 3} : QList<qreal>{9, 6, 3, 6});
                // Segment by segment, the pattern going on: the joins are where the two may differ.
                const qreal half = scale.length(1) / 2.0;
                qreal done = 0;
                for (qsizetype i = 1; i < line.size(); ++i) {
                    const QPointF a = QPointF(scale.point(line[i - 1])) + QPointF(half, half);
                    const QPointF b = QPointF(scale.point(line[i])) + QPointF(half, half);
                    pen.setDashOffset(done / scale.length(1));
                    painter.setPen(pen);
                    painter.drawLine(a, b);
                    done += QLineF(a, b).length();
                }
                painter.end();
                EXPECT_EQ(bmp.Image(), expected) << factor << " " << line.size() << " points";
            }
}

TEST(Canvas, PixelsReadAndWriteColoursAndIgnoreOutsidePoints) {
    TBitmap bmp(4, 4);
    TCanvas& c = bmp.Canvas();
    c.SetPixels(2, 3, clRed);
    EXPECT_EQ(c.Pixels(2, 3), clRed);
    EXPECT_EQ(bmp.Image().pixel(2, 3), qRgb(255, 0, 0));
    c.SetPixels(-1, 0, clRed);
    c.SetPixels(4, 0, clRed);
    EXPECT_EQ(c.Pixels(4, 0), clPixelInvalid);
    EXPECT_EQ(c.Pixels(0, -1), clPixelInvalid);
    EXPECT_EQ(pixelsNot(bmp, clWhite).size(), 1u);
    // Lines running off the image are clipped, not a crash.
    c.MoveTo(-100, -100);
    c.LineTo(100, 100);
    EXPECT_EQ(c.Pixels(1, 1), clBlack);
}

TEST(Canvas, LinesFarBeyondTheImageAreClippedNotWalked) {
    TBitmap bmp(10, 10);
    TCanvas& c = bmp.Canvas();
    c.MoveTo(-2000000000, 5);
    c.LineTo(2000000000, 5);
    for (int x = 0; x < 10; ++x)
        EXPECT_EQ(c.Pixels(x, 5), clBlack) << x;
    c.Polyline(QPolygon{{-1000000000, -1000000000}, {1000000000, 1000000000}, {2000000000, -2000000000}});
    EXPECT_EQ(c.Pixels(5, 5), clBlack);
    EXPECT_EQ(c.Pixels(2, 2), clBlack);
    c.MoveTo(-2000000000, 50);
    c.LineTo(2000000000, 50);                       // entirely below the image
    EXPECT_EQ(pixelsNot(bmp, clWhite).size(), 19u); // the row and the diagonal share (5, 5)

    TBitmap shapes(10, 10);
    shapes.Canvas().Brush().Color = clRed;
    shapes.Canvas().Rectangle(-2000000000, 3, 2000000000, 2000000000);
    EXPECT_EQ(shapes.Canvas().Pixels(0, 3), clBlack); // top edge
    EXPECT_EQ(shapes.Canvas().Pixels(9, 9), clRed);   // the other edges lie far outside
    shapes.Canvas().FillRect(Rect(INT_MIN, INT_MIN, 2, INT_MAX));
    EXPECT_EQ(shapes.Canvas().Pixels(1, 9), clRed);
    EXPECT_EQ(shapes.Canvas().Pixels(1, 0), clRed);
    shapes.Canvas().Brush().Color = clBlue;
    shapes.Canvas().Ellipse(-2000000000, -2000000000, 2000000000, 2000000000);
    EXPECT_EQ(shapes.Canvas().Pixels(5, 5), clBlue);
}

TEST(Canvas, SystemColoursResolveThroughThePalette) {
    TBitmap bmp(3, 3);
    TCanvas& c = bmp.Canvas();
    c.Pen().Color = clBtnShadow;
    c.MoveTo(0, 0);
    c.LineTo(3, 0);
    c.Brush().Color = clInfoBk;
    c.FillRect(Rect(0, 1, 3, 3));
    EXPECT_EQ(bmp.Image().pixel(1, 0) & 0xFFFFFFu, toQColor(clBtnShadow).rgb() & 0xFFFFFFu);
    EXPECT_EQ(bmp.Image().pixel(1, 2) & 0xFFFFFFu, toQColor(clInfoBk).rgb() & 0xFFFFFFu);
}

TEST(Canvas, TextOutPutsTheCellTopLeftAtThePointAndHonoursTheBrush) {
    TBitmap bmp(80, 40);
    TCanvas& c = bmp.Canvas();
    c.Font().SetName(QStringLiteral("Arial"));
    c.Font().SetHeight(-13);
    c.Font().SetColor(clBlack);
    const QString text = QStringLiteral("Hg|");
    const int w = c.TextWidth(text);
    const int h = c.TextHeight(text);
    ASSERT_GT(w, 10);
    ASSERT_GE(h, 13);
    c.Brush().Style = bsClear;
    c.TextOut(5, 4, text);
    const PixelSet ink = pixelsNot(bmp, clWhite);
    ASSERT_FALSE(ink.empty());
    for (auto [x, y] : ink) {
        EXPECT_TRUE(x >= 5 && x < 5 + w && y >= 4 && y < 4 + h) << x << "," << y;
        EXPECT_EQ(c.Pixels(x, y), clBlack); // unsmoothed
    }
    const QRect box = boxOf(ink);
    EXPECT_LE(box.top(), 4 + h / 3);    // "|" reaches up near the cell top
    EXPECT_GE(box.bottom(), 4 + h - 4); // and "g" down near its bottom

    TBitmap opaque(80, 40);
    opaque.Canvas().Font().Assign(c.Font());
    opaque.Canvas().Brush().Color = clYellow;
    opaque.Canvas().TextOut(5, 4, text);
    EXPECT_EQ(pixelsNot(opaque, clWhite).size(), static_cast<size_t>(w * h));
    EXPECT_EQ(opaque.Canvas().Pixels(5, 4), clYellow);
    EXPECT_EQ(opaque.Canvas().Pixels(5 + w - 1, 4 + h - 1), clYellow);
    EXPECT_EQ(opaque.Canvas().Pixels(5 + w, 4), clWhite);
    EXPECT_EQ(opaque.Canvas().Pixels(5, 4 + h), clWhite);
}

// The canvas keeps the measurements of its font: each change of face, height or style must be
// measured anew, as a canvas that never measured the earlier font does.
TEST(Canvas, TextMeasuresFollowEveryFontChange) {
    const QString text = QStringLiteral("Hgmw");
    const std::pair<const char*, std::function<void(TFont&)>> changes[] = {
        {"height", [](TFont& f) { f.SetHeight(-20); }},
        {"style", [](TFont& f) { f.SetStyle(TFontStyles(fsBold)); }},
        {"name", [](TFont& f) { f.SetName(QStringLiteral("Courier New")); }},
        {"cell height", [](TFont& f) { f.SetHeight(30); }},
        {"assign",
         [](TFont& f) {
             TFont other;
             other.SetHeight(-9);
             f.Assign(other);
         }},
    };
    TBitmap bmp(120, 40);
    TCanvas& c = bmp.Canvas();
    QSize before = c.TextExtent(text);
    for (const auto& [what, change] : changes) {
        change(c.Font());
        TBitmap fresh(120, 40);
        fresh.Canvas().Font().Assign(c.Font());
        const QSize expected = fresh.Canvas().TextExtent(text);
        EXPECT_NE(expected, before) << what; // the change matters to the measure
        EXPECT_EQ(c.TextExtent(text), expected) << what;
        EXPECT_EQ(c.TextWidth(text), expected.width()) << what;
        EXPECT_EQ(c.TextHeight(text), expected.height()) << what;
        // And the text is drawn in the new font: the same pixels as on the fresh canvas.
        c.Brush().Color = clWhite;
        c.FillRect(Rect(0, 0, 120, 40));
        c.Font().SetColor(clBlack);
        fresh.Canvas().Font().SetColor(clBlack);
        c.Brush().Color = clYellow;
        fresh.Canvas().Brush().Color = clYellow;
        c.TextOut(2, 3, text);
        fresh.Canvas().TextOut(2, 3, text);
        EXPECT_EQ(bmp.Image(), fresh.Image()) << what;
        before = expected;
    }
}

TEST(Canvas, DrawStretchDrawAndCopyRectMovePixels) {
    TBitmap src(2, 2);
    src.Canvas().SetPixels(0, 0, clRed);
    src.Canvas().SetPixels(1, 1, clBlue);

    TBitmap dst(8, 8);
    dst.Canvas().Draw(3, 4, src);
    EXPECT_EQ(pixelsNot(dst, clWhite), (PixelSet{{3, 4}, {4, 5}}));

    TBitmap big(8, 8);
    big.Canvas().StretchDraw(Rect(2, 2, 6, 6), src);
    EXPECT_EQ(big.Canvas().Pixels(2, 2), clRed);
    EXPECT_EQ(big.Canvas().Pixels(3, 3), clRed);
    EXPECT_EQ(big.Canvas().Pixels(4, 4), clBlue);
    EXPECT_EQ(big.Canvas().Pixels(5, 5), clBlue);
    EXPECT_EQ(pixelsNot(big, clWhite).size(), 8u);

    // Overlapping copy within one canvas reads the pixels as they were before.
    TBitmap same(6, 1);
    for (int x = 0; x < 3; ++x)
        same.Canvas().SetPixels(x, 0, rgbColor(x * 10, 0, 0));
    same.Canvas().CopyRect(Rect(1, 0, 4, 1), same.Canvas(), Rect(0, 0, 3, 1));
    EXPECT_EQ(same.Canvas().Pixels(1, 0), rgbColor(0, 0, 0));
    EXPECT_EQ(same.Canvas().Pixels(2, 0), rgbColor(10, 0, 0));
    EXPECT_EQ(same.Canvas().Pixels(3, 0), rgbColor(20, 0, 0));

    TBitmap other(4, 4);
    other.Canvas().CopyRect(Rect(0, 0, 1, 1), src.Canvas(), Rect(1, 1, 2, 2));
    EXPECT_EQ(other.Canvas().Pixels(0, 0), clBlue);
}

// At 1.5 a one-pixel line covers the device pixels of the layout pixels it covers at 1 (the end
// pixel left out), shapes of one size keep it, and text is measured in layout pixels.
TEST(Canvas, AtADrawingScaleFiguresCoverTheDevicePixelsOfTheirLayoutPixels) {
    TBitmap bmp(10, 10, DrawingScale(1.5));
    ASSERT_EQ(bmp.Image().size(), QSize(15, 15));
    TCanvas& canvas = bmp.Canvas();
    canvas.MoveTo(1, 2);
    canvas.LineTo(5, 2);
    PixelSet band;
    for (int x = 2; x < 8; ++x)
        for (int y = 3; y < 5; ++y)
            band.insert({x, y});
    EXPECT_EQ(pixelsOf(bmp.Image(), clBlack), band);

    canvas.Brush().Color = clRed;
    canvas.FillRect(Rect(0, 6, 2, 8));
    canvas.FillRect(Rect(3, 6, 5, 8));
    EXPECT_EQ(boxOf(bmp.Image(), clRed), QRect(0, 9, 7, 3));
    EXPECT_EQ(countOf(bmp.Image(), clRed), 2 * 3 * 3);
    EXPECT_EQ(canvas.Pixels(3, 6), clRed);
    EXPECT_EQ(canvas.Size(), QSize(10, 10));
}
