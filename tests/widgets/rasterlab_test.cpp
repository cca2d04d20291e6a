#include "widgets/rasterlab.h"

#include "platform/graphics/colorresolve.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMetaProperty>
#include <QMouseEvent>

#include <array>
#include <climits>
#include <map>
#include <random>
#include <vector>

using enum Frame3D::TColorScheme;
using enum Frame3D::TFrameStyle;
using enum RasterLab::TRDBlockMode;
using enum RasterLab::TRDScrollMode;
using enum TShiftStateFlag;

namespace {

// The main window's display setup, on a 201 × 41 label.
void setUpDisplay(TRasterLab& lab, TColor dotOn) {
    lab.SetBounds(0, 0, 201, 41);
    lab.SetAutoCenter(true);
    lab.SetColorLabBakG(clBlack);
    lab.SetColorDotOn(dotOn);
    lab.SetDotSize(2);
    lab.SetDotSpacing(1);
    lab.Font()->SetHeight(-13);
    lab.SetPosX(57);
    lab.SetPosY(4);
    lab.SetCharBlockMode(rdbmRaster);
}

} // namespace

TEST(RasterLab, DefaultsAndPublishedOrder) {
    TRasterLab lab(nullptr);
    EXPECT_EQ(lab.Width(), 400);
    EXPECT_EQ(lab.Height(), 68);
    EXPECT_FALSE(lab.AutoHeight());
    EXPECT_FALSE(lab.AutoCenter());
    EXPECT_EQ(lab.ColorLabBakG(), clBlack);
    EXPECT_EQ(lab.ColorDotOn(), 65280);
    EXPECT_EQ(lab.ColorDotOff(), 4210752);
    EXPECT_EQ(lab.ColorScheme(), csBWG);
    EXPECT_EQ(lab.DotSpacing(), 1);
    EXPECT_EQ(lab.DotSize(), 3);
    EXPECT_EQ(lab.Font()->Name(), QStringLiteral("default"));
    EXPECT_EQ(lab.Font()->Size(), 8);
    EXPECT_EQ(lab.FrameStyle(), fsLowered);
    EXPECT_EQ(lab.PosX(), 1);
    EXPECT_EQ(lab.PosY(), 1);
    EXPECT_TRUE(lab.Proportional());
    EXPECT_EQ(lab.ScrollMode(), rdsmOff);
    EXPECT_EQ(lab.ScrollInterval(), 100);
    EXPECT_EQ(lab.ScrollIncrement(), 1);
    EXPECT_TRUE(lab.ScrollLoop());
    EXPECT_EQ(lab.CharBlockMode(), rdbmOn);
    EXPECT_EQ(lab.Text(), QStringLiteral("Text"));
    EXPECT_EQ(lab.Glyphs().CharWidth, 7);
    EXPECT_EQ(lab.Glyphs().CharHeight, 12);

    const QMetaObject* meta = lab.metaObject();
    QStringList own;
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i)
        own << QLatin1String(meta->property(i).name());
    EXPECT_EQ(own, (QStringList{"AutoHeight",
                                "AutoCenter",
                                "ColorLabBakG",
                                "ColorDotOn",
                                "ColorDotOff",
                                "ColorScheme",
                                "DotSpacing",
                                "DotSize",
                                "Font",
                                "FrameStyle",
                                "ParentFont",
                                "PosX",
                                "PosY",
                                "Proportional",
                                "ScrollMode",
                                "ScrollInterval",
                                "ScrollIncrement",
                                "ScrollLoop",
                                "CharBlockMode",
                                "ShowHint",
                                "Visible",
                                "Text"}));
    EXPECT_TRUE(lab.setProperty("ScrollMode", QStringLiteral("rdsmOff")));
    EXPECT_TRUE(lab.setProperty("CharBlockMode", QStringLiteral("rdbmRaster")));
    EXPECT_EQ(lab.CharBlockMode(), rdbmRaster);
    EXPECT_TRUE(lab.PublishedEvents().contains(QStringLiteral("OnScrollLoopRestart")));
}

TEST(RasterLab, OutOfRangeValuesAreClamped) {
    TRasterLab lab(nullptr);
    lab.SetDotSize(40);
    EXPECT_EQ(lab.DotSize(), 32);
    lab.SetDotSize(-5);
    EXPECT_EQ(lab.DotSize(), 1);
    lab.SetDotSpacing(7);
    EXPECT_EQ(lab.DotSpacing(), 3);
    lab.SetDotSpacing(-1);
    EXPECT_EQ(lab.DotSpacing(), 0);
    lab.SetScrollInterval(5);
    EXPECT_EQ(lab.ScrollInterval(), 10);
    lab.SetScrollIncrement(0);
    EXPECT_EQ(lab.ScrollIncrement(), 1);
    lab.SetScrollIncrement(-4);
    EXPECT_EQ(lab.ScrollIncrement(), 4);
    lab.SetScrollIncrement(INT_MIN);
    EXPECT_EQ(lab.ScrollIncrement(), INT_MAX);
}

TEST(RasterLab, SettersMarkTheFaceStaleOnlyWhenSomethingChanged) {
    TRasterLab lab(nullptr);
    // How often the face is rendered for a change, read once before and once after it.
    const auto rendersFor = [&lab](const auto& change) {
        lab.Face();
        const int before = lab.PaintCount();
        change();
        lab.Face();
        return lab.PaintCount() - before;
    };
    EXPECT_EQ(rendersFor([&] { lab.SetText(QStringLiteral("Text")); }), 0);
    EXPECT_EQ(rendersFor([&] { lab.SetScrollLoop(true); }), 1);
    EXPECT_EQ(rendersFor([&] { lab.SetText(QStringLiteral("12")); }), 1);
    EXPECT_EQ(rendersFor([&] {
                  lab.SetColorDotOn(clLime);
                  lab.SetPosX(1);
                  lab.SetDotSize(3);
                  lab.SetScrollInterval(200); // timer settings never paint
                  lab.SetScrollIncrement(3);
              }),
              0);
    EXPECT_EQ(rendersFor([&] { lab.SetColorDotOn(clRed); }), 1);
    EXPECT_EQ(lab.Face().Canvas().Pixels(lab.PosX() + 2 * 4, lab.PosY() + 4),
              clRed); // '1' row 1: column 3 of 1..5
    // Many changes, one render; nothing changed, nothing rendered.
    EXPECT_EQ(rendersFor([&] {
                  lab.SetColorDotOn(clBlue);
                  lab.SetPosX(5);
                  lab.SetFrameStyle(fsRaised);
              }),
              1);
    EXPECT_EQ(rendersFor([] {}), 0);

    // Setters never render themselves; a hidden label's face is up to date once read.
    lab.SetVisible(false);
    const int paints = lab.PaintCount();
    lab.SetColorDotOn(clYellow);
    EXPECT_EQ(lab.PaintCount(), paints);
    EXPECT_EQ(lab.Face().Canvas().Pixels(lab.PosX() + 2 * 4, lab.PosY() + 4), clYellow);
    EXPECT_EQ(lab.PaintCount(), paints + 1);
    // A resize alone makes the face stale too.
    lab.SetBounds(0, 0, 50, 20);
    EXPECT_EQ(lab.Face().Width(), 50);
    EXPECT_EQ(lab.Face().Height(), 20);
}

TEST(RasterLab, CentredTextWidthAndFixedPitch) {
    TRasterLab lab(nullptr);
    lab.SetBounds(0, 0, 201, 41);
    lab.SetDotSize(2);
    lab.SetDotSpacing(1);
    const QByteArray codes = dotMatrixCodes(QStringLiteral("12.3 km"));
    EXPECT_EQ(dotTextWidth(lab.Glyphs(), codes, 3, true), 132);
    lab.SetText(QStringLiteral("12.3 km"));
    lab.SetAutoCenter(true);
    EXPECT_EQ(lab.PosX(), 36);
    EXPECT_EQ(lab.TextWidthPixels(), 133);
    lab.SetAutoCenter(false);
    EXPECT_EQ(lab.PosX(), 1);

    EXPECT_EQ(dotTextWidth(lab.Glyphs(), codes, 3, false), 7 * 8 * 3);
    lab.SetProportional(false);
    EXPECT_EQ(lab.TextWidthPixels(), 7 * 8 * 3 + 1);
    // Wider than the label: the centre lies left of the frame, truncating toward zero.
    EXPECT_EQ(centredPosX(201, 204, fsLowered), -1 + 1 + 1);
}

TEST(RasterLab, AutoHeightFitsTheCharacterRows) {
    TRasterLab lab(nullptr);
    lab.SetFrameStyle(fsEngraved);
    lab.SetAutoHeight(true);
    EXPECT_EQ(lab.Height(), 50);
    lab.SetDotSize(2);
    EXPECT_EQ(lab.Height(), 2 + 3 * 12);
    lab.SetFrameStyle(fsNone); // the frame alone does not refit
    EXPECT_EQ(lab.Height(), 38);
    lab.SetDotSpacing(0);
    EXPECT_EQ(lab.Height(), 24);
}

TEST(RasterLab, PaintedDotsDecodeBackIntoTheGlyphBytes) {
    TRasterLab lab(nullptr);
    setUpDisplay(lab, clYellow);
    const QString text = QStringLiteral("70.6km/h");
    lab.SetText(text);
    // The glyphs as the display must show them: left, right, rows 0..11.
    const std::map<char, std::vector<int>> expected{
        {'7', {0x01, 0x05, 0x00, 0x3e, 0x22, 0x20, 0x10, 0x10, 0x08, 0x08, 0x04, 0x04, 0x00, 0x00}},
        {'0', {0x01, 0x05, 0x00, 0x1c, 0x22, 0x22, 0x22, 0x22, 0x22, 0x22, 0x22, 0x1c, 0x00, 0x00}},
        {'.', {0x03, 0x03, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x08, 0x00, 0x00}},
        {'6', {0x01, 0x05, 0x00, 0x18, 0x04, 0x02, 0x02, 0x1e, 0x22, 0x22, 0x22, 0x1c, 0x00, 0x00}},
        {'k', {0x00, 0x06, 0x00, 0x03, 0x02, 0x02, 0x32, 0x12, 0x0a, 0x0e, 0x12, 0x63, 0x00, 0x00}},
        {'m', {0x00, 0x06, 0x00, 0x00, 0x00, 0x00, 0x17, 0x2a, 0x2a, 0x2a, 0x2a, 0x6b, 0x00, 0x00}},
        {'/', {0x00, 0x06, 0x00, 0x00, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01, 0x00, 0x00, 0x00}},
        {'h', {0x00, 0x06, 0x00, 0x03, 0x02, 0x02, 0x1a, 0x26, 0x22, 0x22, 0x22, 0x77, 0x00, 0x00}}};
    const TCanvas& face = lab.Face().Canvas();
    const int pitch = 3;
    int x = lab.PosX();
    for (QChar ch : text) {
        const std::vector<int>& glyph = expected.at(ch.toLatin1());
        const int first = glyph[0];
        const int last = glyph[1];
        for (int r = 0; r < 12; ++r) {
            int row = 0;
            for (int k = first; k <= last; ++k) {
                const TColor dot = face.Pixels(x + (k - first) * pitch, lab.PosY() + r * pitch);
                ASSERT_TRUE(dot == clYellow || dot == 0x404040) << ch.toLatin1() << " row " << r;
                // The whole DotSize square carries the dot's colour, the gap after it the background.
                EXPECT_EQ(face.Pixels(x + (k - first) * pitch + 1, lab.PosY() + r * pitch + 1), dot);
                EXPECT_EQ(face.Pixels(x + (k - first) * pitch + 2, lab.PosY() + r * pitch), clBlack);
                if (dot == clYellow) row |= 1 << k;
            }
            EXPECT_EQ(row, glyph[2 + r]) << ch.toLatin1() << " row " << r;
        }
        // One unlit column separates characters.
        for (int r = 0; r < 12; ++r)
            EXPECT_EQ(face.Pixels(x + (last - first + 1) * pitch, lab.PosY() + r * pitch), 0x404040);
        x += (last - first + 2) * pitch;
    }
    EXPECT_EQ(lab.TextWidthPixels(), x - lab.PosX() + 1);
}

TEST(RasterLab, BlockModesDecideWhereUnlitDotsShow) {
    TRasterLab lab(nullptr);
    lab.SetBounds(0, 0, 80, 30);
    lab.SetFrameStyle(fsNone);
    lab.SetDotSize(2);
    lab.SetPosX(10);
    lab.SetPosY(1);
    lab.SetText(QStringLiteral("1"));
    const auto pixel = [&lab](int x, int y) { return lab.Face().Canvas().Pixels(x, y); };
    // rdbmOn: unlit dots inside the cell ('1' row 0 is empty), background before and after it.
    EXPECT_EQ(pixel(10, 1), 0x404040);
    EXPECT_EQ(pixel(7, 1), clBlack);
    EXPECT_EQ(pixel(10 + 5 * 3, 1), clBlack);
    EXPECT_EQ(pixel(1, 1), 0x404040); // far from the text the raster stays
    lab.SetCharBlockMode(rdbmRaster);
    EXPECT_EQ(pixel(7, 1), 0x404040);
    EXPECT_EQ(pixel(9, 1), clBlack); // grid line before the text's first dot column
    EXPECT_EQ(pixel(10, 0), clBlack);
    lab.SetCharBlockMode(rdbmOff);
    for (int x = 0; x < 80; ++x)
        for (int y = 0; y < 30; ++y)
            ASSERT_NE(pixel(x, y), 0x404040);
    EXPECT_EQ(pixel(10 + 3 * 2, 1 + 3 * 1), clLime); // '1' row 1 lit at column 3 (first 1)
    EXPECT_EQ(pixel(10 + 3 * 2 + 1, 1 + 3 * 1 + 1), clLime);
}

TEST(RasterLab, FrameStylesAndSchemes) {
    TRasterLab lab(nullptr);
    lab.SetBounds(0, 0, 30, 20);
    lab.SetText(QString());
    const auto pixel = [&lab](int x, int y) { return lab.Face().Canvas().Pixels(x, y); };
    // fsLowered: dark inner top-left, shadow outer top-left and inner bottom-right, light outside.
    EXPECT_EQ(pixel(5, 0), clGray);
    EXPECT_EQ(pixel(0, 5), clGray);
    EXPECT_EQ(pixel(5, 1), clBlack);
    EXPECT_EQ(pixel(1, 5), clBlack);
    EXPECT_EQ(pixel(5, 19), clWhite);
    EXPECT_EQ(pixel(29, 5), clWhite);
    EXPECT_EQ(pixel(5, 18), clGray);
    EXPECT_EQ(pixel(28, 5), clGray);
    // Corners the edges leave open take the outer bottom-right colour, whatever the grid put there.
    EXPECT_EQ(pixel(29, 0), clWhite);
    EXPECT_EQ(pixel(0, 19), clWhite);
    EXPECT_EQ(pixel(1, 19), clWhite);
    lab.SetColorScheme(csSystem);
    EXPECT_EQ(lab.Face().Image().pixel(5, 0) & 0xFFFFFFu, toQColor(clBtnShadow).rgb() & 0xFFFFFFu);
    EXPECT_EQ(lab.Face().Image().pixel(5, 19) & 0xFFFFFFu, toQColor(clBtnHighlight).rgb() & 0xFFFFFFu);
    lab.SetColorScheme(csBWG);
    // Top edge from the outside in, then the bottom edge from the inside out. fsRaised, unlike a
    // standard raised frame, is shadow outside and light inside at the top left.
    const struct {
        TFrameStyle style;
        std::array<TColor, 2> top;
        std::array<TColor, 2> bottom;
    } styles[] = {{fsRaised, {clGray, clWhite}, {clGray, clBlack}},
                  {fsEmbossed, {clWhite, clGray}, {clWhite, clGray}},
                  {fsEngraved, {clGray, clWhite}, {clGray, clWhite}}};
    for (const auto& [style, top, bottom] : styles) {
        lab.SetFrameStyle(style);
        EXPECT_EQ(pixel(5, 0), top[0]) << int(style);
        EXPECT_EQ(pixel(5, 1), top[1]) << int(style);
        EXPECT_EQ(pixel(5, 18), bottom[0]) << int(style);
        EXPECT_EQ(pixel(5, 19), bottom[1]) << int(style);
        EXPECT_EQ(pixel(28, 5), bottom[0]) << int(style); // the right edges as the bottom ones
        EXPECT_EQ(pixel(29, 5), bottom[1]) << int(style);
    }
    lab.SetFrameStyle(fsSimple);
    EXPECT_EQ(pixel(0, 0), clGray);
    EXPECT_EQ(pixel(29, 19), clGray);
    EXPECT_EQ(pixel(1, 1), 0x404040); // a dot, no inner frame
    lab.SetFrameStyle(fsNone);
    lab.SetCharBlockMode(rdbmOff);
    EXPECT_EQ(pixel(0, 0), clBlack);
}

TEST(RasterLab, TheFaceDoesNotDependOnEarlierPaints) {
    TRasterLab moved(nullptr);
    moved.SetBounds(0, 0, 60, 25);
    for (int pos = 0; pos < 4; ++pos) {
        moved.SetPosX(pos);
        moved.Face();
        moved.SetPosY(pos);
        moved.Face();
    }
    for (TFrameStyle style : {fsLowered, fsRaised, fsEmbossed, fsEngraved, fsSimple}) {
        moved.SetFrameStyle(style);
        TRasterLab fresh(nullptr);
        fresh.SetBounds(0, 0, 60, 25);
        fresh.SetPosX(3);
        fresh.SetPosY(3);
        fresh.SetFrameStyle(style);
        EXPECT_EQ(moved.Face().Image(), fresh.Face().Image()) << int(style);
    }
}

// The face under the text is kept between renders. Whatever the changes in between, a label's face
// equals that of a new label with the same settings, rendered once.
TEST(RasterLab, KeptFaceUnderTheTextNeverShowsThroughAfterChanges) {
    struct Settings {
        QString text = QStringLiteral("70.6km/h");
        int width = 201, posX = 57, posY = 4, dotSize = 2, spacing = 1;
        TRDBlockMode mode = rdbmRaster;
        TFrameStyle frame = fsLowered;
        TColor off = 0x404040, dotOn = clLime;
        void apply(TRasterLab& lab) const {
            lab.SetBounds(0, 0, width, 41);
            lab.SetPosX(posX);
            lab.SetPosY(posY);
            lab.SetDotSize(dotSize);
            lab.SetDotSpacing(spacing);
            lab.SetCharBlockMode(mode);
            lab.SetFrameStyle(frame);
            lab.SetColorDotOff(off);
            lab.SetColorDotOn(dotOn);
            lab.SetText(text);
        }
    };
    std::mt19937 random(5);
    const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    Settings s;
    TRasterLab kept(nullptr);
    s.apply(kept);
    int renders = kept.PaintCount();
    for (int step = 0; step < 200; ++step) {
        switch (pick(8)) {
        case 0:
            s.width = 150 + pick(80);
            break;
        case 1:
            s.posX = pick(9) - 4;
            break;
        case 2:
            s.posY = pick(9) - 4;
            break;
        case 3:
            s.dotSize = 1 + pick(3);
            s.spacing = pick(4);
            break;
        case 4:
            s.mode = TRDBlockMode(pick(3));
            s.frame = TFrameStyle(pick(6));
            break;
        case 5:
            s.off = pick(2) ? 0x404040 : clNavy;
            s.dotOn = pick(2) ? clLime : clYellow;
            break;
        default: // most often only the text changes, as in the main window
            s.text = QStringLiteral("%1 km").arg(pick(10000) / 100.0, 0, 'f', 2);
            break;
        }
        s.apply(kept);
        TRasterLab fresh(nullptr);
        s.apply(fresh);
        ASSERT_EQ(kept.Face().Image(), fresh.Face().Image()) << "step " << step;
        // Rendered once per change, however often the face is read.
        kept.Face();
        EXPECT_LE(kept.PaintCount(), renders + 1) << "step " << step;
        renders = kept.PaintCount();
    }
}

TEST(RasterLab, AssignCopiesOnlyTheLookOfTheFace) {
    TRasterLab source(nullptr);
    source.SetText(QStringLiteral("42"));
    source.SetFrameStyle(fsRaised);
    source.SetColorDotOn(clYellow);
    source.SetColorLabBakG(clNavy);
    source.SetColorDotOff(clRed);
    source.SetColorScheme(csSystem);
    source.SetDotSize(5);
    TRasterLab dest(nullptr);
    dest.Face();
    const int paints = dest.PaintCount();
    EXPECT_TRUE(source.AssignTo(&dest));
    dest.Face();
    EXPECT_EQ(dest.PaintCount(), paints + 1);
    EXPECT_EQ(dest.Text(), QStringLiteral("42"));
    EXPECT_EQ(dest.FrameStyle(), fsRaised);
    EXPECT_EQ(dest.ColorDotOn(), clYellow);
    EXPECT_EQ(dest.ColorLabBakG(), clNavy);
    EXPECT_EQ(dest.ColorScheme(), csSystem);
    EXPECT_EQ(dest.ColorDotOff(), 0x404040);
    EXPECT_EQ(dest.DotSize(), 3);
    QObject other;
    EXPECT_FALSE(dest.Assign(&other));
    EXPECT_FALSE(source.AssignTo(&other));
}

TEST(RasterLab, NamedFontsAreRasterisedWhateverTheirColour) {
    TRasterLab lab(nullptr);
    lab.Font()->SetName(QStringLiteral("DejaVu Sans"));
    lab.Font()->SetHeight(-12);
    lab.Font()->SetColor(clWhite);
    const TGlyphTable& glyphs = lab.Glyphs();
    EXPECT_GT(glyphs.CharHeight, 8);
    EXPECT_LE(glyphs.CharHeight, 32);
    EXPECT_GT(glyphs.CharWidth, 3);
    EXPECT_NE(glyphs.Rows['l'][5], 0u);
    EXPECT_GT(glyphs.RightCol['W'] - glyphs.LeftCol['W'], glyphs.RightCol['l'] - glyphs.LeftCol['l']);
    // Space and glyphs the face lacks advance like the space, never backwards.
    EXPECT_EQ(glyphs.LeftCol[' '], 0);
    EXPECT_EQ(glyphs.RightCol[' '], glyphs.CharWidth / 2);
    for (int code = 32; code < 256; ++code)
        EXPECT_GT(glyphAdvance(glyphs, static_cast<unsigned char>(code), 4, true), 0) << code;
    lab.Font()->SetName(QStringLiteral("DEFAULT"));
    EXPECT_EQ(lab.Glyphs().CharHeight, 12);
}

// The built-in table is shared, so a label that turns to a named font must not change it for others.
TEST(RasterLab, LabelsOnTheBuiltInFontShareOneTableThatANamedFontLeavesAlone) {
    TRasterLab first(nullptr);
    TRasterLab second(nullptr);
    EXPECT_EQ(&first.Glyphs(), &second.Glyphs());
    EXPECT_EQ(&first.Glyphs(), sharedBuiltinGlyphTable().get());
    first.Font()->SetName(QStringLiteral("DejaVu Sans"));
    first.Font()->SetHeight(-20);
    EXPECT_NE(&first.Glyphs(), &second.Glyphs());
    EXPECT_NE(first.Glyphs().CharHeight, 12);
    const TGlyphTable built = builtinGlyphTable();
    EXPECT_EQ(second.Glyphs().CharWidth, 7);
    EXPECT_EQ(second.Glyphs().CharHeight, 12);
    EXPECT_EQ(second.Glyphs().Rows, built.Rows);
    EXPECT_EQ(second.Glyphs().LeftCol, built.LeftCol);
    EXPECT_EQ(second.Glyphs().RightCol, built.RightCol);
    first.Font()->SetName(QStringLiteral("Default"));
    EXPECT_EQ(&first.Glyphs(), &second.Glyphs());
}

TEST(RasterLab, TextBecomesSingleByteCodes) {
    EXPECT_EQ(dotMatrixCodes(QString::fromUtf8("A\u00e9\u20ac\u201c\u4e00")), QByteArray("A\xe9\x80\x93?"));
    EXPECT_EQ(charOfDotMatrixCode(0x80), QChar(0x20AC));
    EXPECT_EQ(charOfDotMatrixCode(0xE9), QChar(0xE9));
    EXPECT_TRUE(charOfDotMatrixCode(7).isNull());
}

TEST(RasterLab, ShownLabelCopiesAFreshFaceToTheScreen) {
    QWidget window;
    window.resize(120, 40);
    TRasterLab lab(nullptr, &window);
    lab.SetBounds(0, 0, 100, 30);
    lab.SetVisible(false);
    lab.SetText(QStringLiteral("8"));
    lab.SetVisible(true);
    window.show();
    const QImage shown = lab.grab().toImage();
    const int paints = lab.PaintCount();
    EXPECT_EQ(shown.convertToFormat(QImage::Format_RGB32), lab.Face().Image());
    EXPECT_EQ(lab.Face().Canvas().Pixels(lab.PosX() + 4, lab.PosY() + 4), clLime); // '8' row 1, column 2
    // The face is rendered once per change, where it is shown.
    lab.grab();
    EXPECT_EQ(lab.PaintCount(), paints);
    lab.SetText(QStringLiteral("9"));
    lab.SetPosX(4);
    EXPECT_EQ(lab.PaintCount(), paints);
    const QImage changed = lab.grab().toImage();
    EXPECT_EQ(lab.PaintCount(), paints + 1);
    EXPECT_EQ(changed.convertToFormat(QImage::Format_RGB32), lab.Face().Image());
    EXPECT_EQ(lab.PaintCount(), paints + 1);
}

TEST(RasterLab, MouseEventsReachTheirHandlers) {
    TRasterLab lab(nullptr);
    QStringList seen;
    lab.SetOnMouseDown([&](QObject*, TMouseButton b, TShiftState s, int x, int y) {
        seen << QStringLiteral("down %1 %2 %3,%4").arg(int(b)).arg(s.testFlag(ssLeft)).arg(x).arg(y);
    });
    lab.SetOnMouseUp([&](QObject*, TMouseButton b, TShiftState, int x, int y) {
        seen << QStringLiteral("up %1 %2,%3").arg(int(b)).arg(x).arg(y);
    });
    lab.SetOnMouseMove(
        [&](QObject*, TShiftState, int x, int y) { seen << QStringLiteral("move %1,%2").arg(x).arg(y); });
    lab.SetOnClick([&](QObject* sender) { seen << (sender == &lab ? QStringLiteral("click") : QString()); });
    auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, at, lab.mapToGlobal(at), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(&lab, &event);
    };
    send(QEvent::MouseButtonPress, {5, 6}, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, {7, 8}, Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, {9, 10}, Qt::LeftButton, Qt::NoButton);
    send(QEvent::MouseButtonRelease, {500, 10}, Qt::LeftButton, Qt::NoButton); // outside: no click
    EXPECT_EQ(seen, (QStringList{"down 0 1 5,6", "move 7,8", "up 0 9,10", "click", "up 0 500,10"}));
}
