#include "chart/itempass/chartmarks.h"

#include "platform/graphics/bitmap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <utility>

using enum Graphics::TBrushStyle;

namespace {

using Offsets = std::set<std::pair<int, int>>;

constexpr int kSize = 21;
constexpr int kCentre = 10;

// A horizontal, vertical or diagonal segment without its end point.
Offsets seg(int x1, int y1, int x2, int y2) {
    Offsets s;
    const int sx = (x2 > x1) - (x2 < x1);
    const int sy = (y2 > y1) - (y2 < y1);
    for (int x = x1, y = y1; x != x2 || y != y2; x += sx, y += sy)
        s.insert({x, y});
    return s;
}

Offsets join(std::initializer_list<Offsets> parts) {
    Offsets all;
    for (const Offsets& p : parts)
        all.insert(p.begin(), p.end());
    return all;
}

Offsets chain(std::initializer_list<std::pair<int, int>> corners) {
    Offsets all;
    const auto* prev = corners.begin();
    for (const auto* p = prev + 1; p != corners.end(); prev = p++)
        all.merge(seg(prev->first, prev->second, p->first, p->second));
    return all;
}

Offsets stamp(std::initializer_list<const char*> rows) {
    Offsets s;
    int y = -3;
    for (const char* r : rows) {
        for (int x = 0; x < 7; ++x)
            if (r[x] == 'o') s.insert({x - 3, y});
        ++y;
    }
    return s;
}

Offsets square(int a) {
    return chain({{-a, -a}, {-a, a}, {a, a}, {a, -a}, {-a, -a}});
}
Offsets diamond(int a) {
    return chain({{-a, 0}, {0, a}, {a, 0}, {0, -a}, {-a, 0}});
}
Offsets ring(int lo, int hi) {
    return chain({{lo, lo}, {hi, lo}, {hi, hi}, {lo, hi}, {lo, lo}});
}
Offsets solidBox(int lo, int hi) {
    Offsets s;
    for (int y = lo; y <= hi; ++y)
        for (int x = lo; x <= hi; ++x)
            s.insert({x, y});
    return s;
}
Offsets solidDiamond(int a) {
    Offsets s;
    for (int y = -a; y <= a; ++y)
        for (int x = -a; x <= a; ++x)
            if (std::abs(x) + std::abs(y) <= a) s.insert({x, y});
    return s;
}

// Marks whose every pixel is known.
std::map<int, Offsets> exactMarks() {
    return {
        {0, {{0, 0}}},
        {1, stamp({"-------", "-------", "---o---", "--ooo--", "---o---", "-------", "-------"})},
        {2, stamp({"-------", "---o---", "---o---", "-ooooo-", "---o---", "---o---", "-------"})},
        {3, join({seg(-3, 0, 4, 0), seg(0, -3, 0, 4)})},
        {4, stamp({"-------", "-------", "--o-o--", "---o---", "--o-o--", "-------", "-------"})},
        {5, join({seg(-2, -2, 3, 3), seg(-2, 2, 3, -3)})},
        {6, join({seg(-3, -3, 4, 4), seg(-3, 3, 4, -4)})},
        {7, solidBox(-1, 1)},
        {8, solidBox(-2, 2)},
        {9, solidBox(-3, 3)},
        {10, square(1)},
        {11, square(2)},
        {12, square(3)},
        {13, join({diamond(3), {{0, 0}}})},
        {14, solidDiamond(2)},
        {15, solidDiamond(3)},
        {18, stamp({"o-o-o-o", "-o-o-o-", "o-o-o-o", "-o-o-o-", "o-o-o-o", "-o-o-o-", "o-o-o-o"})},
        {19, diamond(3)},
        {20, join({seg(0, 0, -3, 3), seg(0, 0, 3, 3)})},
        {21, join({seg(0, 0, -4, 4), seg(0, 0, 4, 4)})},
        {22, join({seg(0, 0, -3, -3), seg(0, 0, 3, -3)})},
        {23, join({seg(0, 0, -4, -4), seg(0, 0, 4, -4)})},
        {25, stamp({"oo---oo", "ooo-ooo", "-ooooo-", "--ooo--", "-ooooo-", "ooo-ooo", "oo---oo"})},
        {37, join({seg(-3, 0, 4, 0), seg(0, 0, 0, -8)})},
        {38, join({seg(-3, -2, 4, -2), seg(-3, 2, 4, 2), seg(0, -2, 0, 2)})},
        {48, join({ring(-3, 3), seg(-3, 0, 4, 0), seg(0, -3, 0, 4)})},
        {49, join({ring(-2, 2), seg(-4, 0, 5, 0), seg(0, -4, 0, 5)})},
        {50, join({seg(-4, 0, 5, 0), seg(0, -4, 0, 5), seg(-3, -3, 4, 4), seg(-3, 3, 4, -4)})},
        {51, join({seg(-4, 0, 5, 0), seg(0, -4, 0, 5), seg(-1, -3, 2, -3), seg(-1, 3, 2, 3),
                   seg(-3, -1, -3, 2), seg(3, -1, 3, 2)})},
    };
}

// Curved and slanted marks: the box their pixels fill (inclusive) and a pixel inside the outline.
struct ShapeMark {
    int type;
    int left, top, right, bottom;
    int probeX, probeY;
    bool filled;
};

const ShapeMark kShapeMarks[] = {
    {16, -2, -2, 2, 2, 0, 0, false},  {17, -3, -3, 3, 3, 0, 0, false},  {24, -3, -3, 3, 3, 0, 0, true},
    {26, -2, -2, 2, 2, 0, 0, true},   {27, -2, -2, 1, 1, 0, 0, false},  {28, -2, -2, 1, 1, 0, 0, true},
    {29, -2, 0, 2, 2, 0, 1, true},    {30, -3, 0, 3, 3, 0, 1, true},    {31, -2, 0, 2, 2, 0, 1, false},
    {32, -3, 0, 3, 3, 0, 1, false},   {33, -4, -3, 4, 4, 0, 0, false},  {34, -4, -3, 4, 4, 0, 0, true},
    {35, -4, -4, 4, 3, 0, 0, false},  {36, -4, -4, 4, 3, 0, 0, true},   {39, -3, -3, 3, 3, 1, 1, false},
    {40, -2, -2, 3, 2, 1, 0, false},  {41, -2, -2, 3, 2, 1, 0, true},   {42, -3, -3, 4, 3, 1, 0, false},
    {43, -3, -3, 4, 3, 1, 0, true},   {44, -3, -2, 2, 2, -1, 0, false}, {45, -3, -2, 2, 2, -1, 0, true},
    {46, -4, -3, 3, 3, -1, 0, false}, {47, -4, -3, 3, 3, -1, 0, true},
};

// Draws one mark in red on white with a blue solid brush, returning the offsets of the red pixels.
// Any other colour left in the picture (the brush's blue) fails the test.
Offsets drawn(int type) {
    TBitmap bmp(kSize, kSize);
    TCanvas& c = bmp.Canvas();
    c.Pen().Color = clRed;
    c.Brush() = TBrush{clBlue, bsSolid};
    drawMark(c, type, kCentre, kCentre);
    Offsets red;
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            const TColor p = c.Pixels(x, y);
            EXPECT_TRUE(p == clRed || p == clWhite) << "mark " << type << " at " << x << "," << y;
            if (p == clRed) red.insert({x - kCentre, y - kCentre});
        }
    return red;
}

} // namespace

TEST(ChartMarks, StampsLinesSquaresAndDiamondsSetExactlyTheirPixels) {
    for (const auto& [type, expected] : exactMarks())
        EXPECT_EQ(drawn(type), expected) << "mark " << type;
}

TEST(ChartMarks, CirclesAndTrianglesFillTheirBoxOpenOrFilled) {
    for (const ShapeMark& m : kShapeMarks) {
        const Offsets red = drawn(m.type);
        ASSERT_FALSE(red.empty()) << "mark " << m.type;
        const auto [minX, maxX] = std::minmax_element(red.begin(), red.end());
        int top = red.begin()->second, bottom = top;
        for (const auto& p : red) {
            top = std::min(top, p.second);
            bottom = std::max(bottom, p.second);
        }
        EXPECT_EQ(minX->first, m.left) << "mark " << m.type;
        EXPECT_EQ(maxX->first, m.right) << "mark " << m.type;
        EXPECT_EQ(top, m.top) << "mark " << m.type;
        EXPECT_EQ(bottom, m.bottom) << "mark " << m.type;
        EXPECT_EQ(red.count({m.probeX, m.probeY}) == 1, m.filled) << "mark " << m.type;
    }
}

TEST(ChartMarks, FiguresLeaveASolidBrushOfTheFormerColour) {
    TBitmap bmp(kSize, kSize);
    TCanvas& c = bmp.Canvas();
    c.Pen().Color = clRed;
    for (int type : {3, 9, 17}) { // a stamp, a filled and an open figure
        c.Brush() = TBrush{clGreen, bsClear};
        drawMark(c, type, kCentre, kCentre);
        EXPECT_EQ(c.Brush().Color, clGreen) << "mark " << type;
        EXPECT_EQ(c.Brush().Style, bsSolid) << "mark " << type;
    }
    c.MoveTo(3, 4);
    drawMark(c, 12, kCentre, kCentre);
    EXPECT_EQ(c.PenPos(), QPoint(3, 4));
}

TEST(ChartMarks, CharacterMarksAreCentredInThePenColour) {
    // Mark 65 is "A" with its cell centred on the point: compare with the text drawn there directly.
    TBitmap mark(40, 40);
    mark.Canvas().Pen().Color = clRed;
    mark.Canvas().Brush().Style = bsClear;
    drawMark(mark.Canvas(), 65, 20, 20);
    EXPECT_EQ(mark.Canvas().Font().Color(), TFont().Color()); // the font keeps its colour

    TBitmap text(40, 40);
    TCanvas& t = text.Canvas();
    t.Brush().Style = bsClear;
    t.Font().SetColor(clRed);
    t.TextOut(20 - t.TextWidth("A") / 2, 20 - t.TextHeight("A") / 2, "A");
    EXPECT_EQ(mark.Image(), text.Image());
    bool inked = false;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            inked = inked || mark.Canvas().Pixels(x, y) == clRed;
    EXPECT_TRUE(inked);

    TBitmap none(10, 10);
    drawMark(none.Canvas(), 256, 5, 5);
    drawMark(none.Canvas(), -1, 5, 5);
    EXPECT_EQ(none.Image(), TBitmap(10, 10).Image());
}
