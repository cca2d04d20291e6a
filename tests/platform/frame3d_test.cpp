#include "../painttestutil.h"

#include "platform/graphics/colorresolve.h"
#include "platform/graphics/frame3d.h"

#include <gtest/gtest.h>

using enum Frame3D::TColorScheme;
using enum Frame3D::TFrameStyle;

namespace {

// Colours of the outer and inner rectangles' top-left and bottom-right edges, read at edge middles,
// plus the two corners owned by the bottom-right colour.
struct Edges {
    TColor outerTop, outerLeft, outerBottom, outerRight, innerTop, innerLeft, innerBottom, innerRight;
};

Edges frameOf(TFrameStyle style, TColorScheme scheme) {
    TBitmap bmp(10, 8);
    bmp.Canvas().Brush().Color = clAqua;
    bmp.Canvas().FillRect(Rect(0, 0, 10, 8));
    DrawFrame3D(bmp.Canvas(), Rect(0, 0, 10, 8), style, scheme);
    const TCanvas& c = bmp.Canvas();
    return {c.Pixels(4, 0), c.Pixels(0, 4), c.Pixels(4, 7), c.Pixels(9, 4),
            c.Pixels(4, 1), c.Pixels(1, 4), c.Pixels(4, 6), c.Pixels(8, 4)};
}

void expectEdges(TFrameStyle style, TColor outerTL, TColor outerBR, TColor innerTL, TColor innerBR) {
    const Edges e = frameOf(style, csBWG);
    EXPECT_EQ(e.outerTop, outerTL);
    EXPECT_EQ(e.outerLeft, outerTL);
    EXPECT_EQ(e.outerBottom, outerBR);
    EXPECT_EQ(e.outerRight, outerBR);
    EXPECT_EQ(e.innerTop, innerTL);
    EXPECT_EQ(e.innerLeft, innerTL);
    EXPECT_EQ(e.innerBottom, innerBR);
    EXPECT_EQ(e.innerRight, innerBR);
}

} // namespace

TEST(Frame3D, EachStyleColoursItsTwoRectangles) {
    expectEdges(fsSimple, clBlack, clBlack, clAqua, clAqua);
    expectEdges(fsLowered, clGray, clWhite, clBlack, clSilver);
    expectEdges(fsRaised, clWhite, clBlack, clSilver, clGray);
    expectEdges(fsEmbossed, clWhite, clGray, clGray, clWhite);
    expectEdges(fsEngraved, clGray, clWhite, clWhite, clGray);
    expectEdges(fsNone, clAqua, clAqua, clAqua, clAqua);
}

TEST(Frame3D, BottomRightColourOwnsTheCornersItMeets) {
    TBitmap bmp(6, 5);
    DrawFrame3D(bmp.Canvas(), Rect(0, 0, 6, 5), fsLowered, csBWG);
    const TCanvas& c = bmp.Canvas();
    EXPECT_EQ(c.Pixels(0, 0), clGray);
    EXPECT_EQ(c.Pixels(5, 0), clWhite);
    EXPECT_EQ(c.Pixels(0, 4), clWhite);
    EXPECT_EQ(c.Pixels(5, 4), clWhite);
    EXPECT_EQ(c.Pixels(4, 1), clSilver);
    EXPECT_EQ(c.Pixels(1, 3), clSilver);
    EXPECT_EQ(c.Pixels(2, 2), clWhite); // inside untouched
}

TEST(Frame3D, SystemSchemeUsesThePaletteShadowAndHighlight) {
    const FrameColors colors = frameColors(csSystem);
    EXPECT_EQ(colors.Shadow, clBtnShadow);
    EXPECT_EQ(colors.Light, clBtnHighlight);
    TBitmap bmp(6, 5);
    DrawFrame3D(bmp.Canvas(), Rect(0, 0, 6, 5), fsLowered, csSystem);
    EXPECT_EQ(bmp.Image().pixel(2, 0) & 0xFFFFFFu, toQColor(clBtnShadow).rgb() & 0xFFFFFFu);
    EXPECT_EQ(bmp.Image().pixel(2, 4) & 0xFFFFFFu, toQColor(clBtnHighlight).rgb() & 0xFFFFFFu);
}
