#include "../painttestutil.h"

#include "widgets/rasterlab.h"

#include <gtest/gtest.h>

#include <QPainter>

#include <cmath>
#include <set>
#include <vector>

using enum Frame3D::TColorScheme;
using enum Frame3D::TFrameStyle;
using enum RasterLab::TRDBlockMode;

namespace {

// One of the main window's three displays, set up as its stored layout does, then given its text.
void setUpDisplay(TRasterLab& lab, TColor dotOn, const QString& text) {
    lab.SetBounds(0, 0, 201, 41);
    lab.SetAutoHeight(false);
    lab.SetAutoCenter(true);
    lab.SetColorLabBakG(clBlack);
    lab.SetColorDotOn(dotOn);
    lab.SetColorDotOff(4210752);
    lab.SetColorScheme(csBWG);
    lab.SetDotSpacing(1);
    lab.SetDotSize(2);
    lab.Font()->SetHeight(-13);
    lab.SetFrameStyle(fsLowered);
    lab.SetPosX(57);
    lab.SetPosY(4);
    lab.SetProportional(true);
    lab.SetCharBlockMode(rdbmRaster);
    lab.SetText(text);
}

} // namespace

TEST(RasterLabPicture, MainWindowDisplays) {
    const std::array<std::pair<TColor, QString>, 3> displays{{{clYellow, QStringLiteral("70.6km/h")},
                                                              {clLime, QStringLiteral("70.64 km")},
                                                              {clLime, QStringLiteral("60.0 min")}}};
    QImage sheet(201 + 16, 3 * 41 + 4 * 8, QImage::Format_RGB32);
    sheet.fill(QColor(0xF0, 0xF0, 0xF0));
    QPainter painter(&sheet);
    int top = 8;
    for (const auto& [color, text] : displays) {
        TRasterLab lab(nullptr);
        setUpDisplay(lab, color, text);
        // Centred: equal dark margins left and right of the text, within a pixel.
        const int width = dotTextWidth(lab.Glyphs(), dotMatrixCodes(text), 3, true);
        EXPECT_EQ(lab.PosX(), (201 - width) / 2 + 2);
        EXPECT_EQ(lab.Face().Canvas().Pixels(lab.PosX() - 1, 20), clBlack);
        painter.drawImage(8, top, lab.Face().Image());
        top += 41 + 8;
    }
    painter.end();
    EXPECT_TRUE(sheet.scaled(sheet.size() * 3).save(outputPath("rasterlab-displays.png")));
}

TEST(RasterLabPicture, EveryBuiltInGlyphStaysInsideItsCell) {
    const TGlyphTable glyphs = builtinGlyphTable();
    TRasterLab lab(nullptr);
    lab.SetFrameStyle(fsNone);
    lab.SetCharBlockMode(rdbmOff);
    lab.SetDotSize(2);
    lab.SetDotSpacing(1);
    lab.SetPosY(2);
    lab.SetBounds(0, 0, 16 * 8 * 3 + 4, 38);
    QImage sheet(lab.Width(), 14 * 38, QImage::Format_RGB32);
    QPainter painter(&sheet);
    for (int code = 32; code < 256; ++code) {
        const int left = glyphs.LeftCol[code];
        const int right = glyphs.RightCol[code];
        EXPECT_LE(left, right) << code;
        EXPECT_LE(right, 6) << code;
        bool inked = false;
        for (int row = 0; row < 12; ++row) {
            inked = inked || glyphs.Rows[code][row] != 0;
            EXPECT_EQ(glyphs.Rows[code][row] & ~(((2u << right) - 1) & ~((1u << left) - 1)), 0u)
                << "code " << code << " row " << row;
        }
        EXPECT_EQ(inked, code != 32 && code != 160) << code;
        if (code % 16 == 15) {
            QString line;
            for (int c = code - 15; c <= code; ++c)
                line += charOfDotMatrixCode(static_cast<unsigned char>(c));
            lab.SetText(line);
            painter.drawImage(0, (code / 16 - 2) * 38, lab.Face().Image());
        }
    }
    painter.end();
    EXPECT_TRUE(sheet.scaled(sheet.size() * 2).save(outputPath("rasterlab-font.png")));
}

namespace {

// The sizes (width x height) of the lit dots: the 4-connected groups of pixels in the dot colour.
std::set<std::pair<int, int>> dotSizes(const QImage& face, TColor dotOn) {
    PixelSet left = pixelsOf(face, dotOn);
    std::set<std::pair<int, int>> sizes;
    while (!left.empty()) {
        PixelSet dot;
        std::vector<std::pair<int, int>> next{*left.begin()};
        while (!next.empty()) {
            const auto p = next.back();
            next.pop_back();
            if (!left.erase(p)) continue;
            dot.insert(p);
            for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
                next.push_back({p.first + dx, p.second + dy});
        }
        const QRect box = boxOf(dot);
        sizes.insert({box.width(), box.height()});
        EXPECT_EQ(static_cast<int>(dot.size()), box.width() * box.height()) << "a dot that is no square";
    }
    return sizes;
}

} // namespace

// Zoomed, the display lays out the same face and draws it in device pixels: at 1.5 every lit dot is
// 3 x 3 however the dots fall on the device grid; at 2 the face is the picture at 1 doubled.
TEST(RasterLabPicture, AZoomedDisplayDrawsEveryDotOneSize) {
    TRasterLab plain(nullptr);
    setUpDisplay(plain, clYellow, QStringLiteral("70.6km/h"));
    const QImage atOne = plain.Face().Image();
    const struct {
        double zoom;
        std::set<std::pair<int, int>> sizes;
    } cases[] = {{1.5, {{3, 3}}}, {2, {{4, 4}}}};
    for (const auto& c : cases) {
        TRasterLab lab(nullptr);
        setUpDisplay(lab, clYellow, QStringLiteral("70.6km/h"));
        lab.SetBounds(0, 0, static_cast<int>(std::lround(201 * c.zoom)),
                      static_cast<int>(std::lround(41 * c.zoom)));
        lab.SetZoom(c.zoom);
        EXPECT_EQ(lab.Face().Image().size(), lab.size());
        EXPECT_EQ(dotSizes(lab.Face().Image(), clYellow), c.sizes) << c.zoom;
        if (c.zoom == 2) {
            EXPECT_EQ(lab.Face().Image(), atOne.scaled(atOne.size() * 2));
        }
        lab.Face().Image().save(outputPath(QStringLiteral("rasterlab-zoom-%1.png").arg(c.zoom)));
    }
}
