#include "platform/graphics/font.h"

#include <gtest/gtest.h>

#include <QMetaEnum>
#include <QMetaProperty>

using enum Graphics::TAlignment;
using enum Graphics::TBrushStyle;
using enum Graphics::TFontStyle;
using enum Graphics::TPenMode;
using enum Graphics::TPenStyle;

TEST(Font, DefaultsAndPointSizeFollowTheScreenResolution) {
    TFont font;
    EXPECT_EQ(font.Name(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(font.Height(), -11);
    EXPECT_EQ(font.Color(), clWindowText);
    EXPECT_EQ(font.Style(), TFontStyles());
    const int dpi = screenPixelsPerInch();
    font.SetSize(10);
    EXPECT_EQ(font.Height(), -((10 * dpi + 36) / 72));
    EXPECT_EQ(font.Size(), 10);
    font.SetHeight(-16);
    EXPECT_EQ(font.Size(), (16 * 72 + dpi / 2) / dpi);
}

TEST(Font, OnChangeFiresOnlyForRealChangesAndAssignCopiesAll) {
    TFont font;
    int changes = 0;
    font.SetOnChange([&] { ++changes; });
    font.SetHeight(-11);
    font.SetName(QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(changes, 0);
    font.SetColor(clRed);
    font.SetStyle(fsBold | fsItalic);
    EXPECT_EQ(changes, 2);

    TFont other;
    other.SetName(QStringLiteral("Courier New"));
    other.SetHeight(-20);
    font.Assign(other);
    EXPECT_EQ(changes, 3);
    EXPECT_TRUE(font.SameAs(other));
    font.Assign(other);
    EXPECT_EQ(changes, 3);
}

TEST(Font, DesktopNamesMapToInstalledTwinsAndHeightBecomesPixelSize) {
    EXPECT_EQ(substituteFontName(QStringLiteral("MS Sans Serif")), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(substituteFontName(QStringLiteral("arial")), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(substituteFontName(QStringLiteral("Courier New")), QStringLiteral("Liberation Mono"));
    EXPECT_EQ(substituteFontName(QStringLiteral("Times New Roman")), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(substituteFontName(QStringLiteral("DejaVu Sans")), QStringLiteral("DejaVu Sans"));

    TFont font;
    font.SetName(QStringLiteral("Courier New"));
    font.SetHeight(-13);
    font.SetStyle(fsBold | fsUnderline);
    const QFont q = font.toQFont();
    EXPECT_EQ(q.family(), QStringLiteral("Liberation Mono"));
    EXPECT_EQ(q.pixelSize(), 13);
    EXPECT_TRUE(q.bold());
    EXPECT_TRUE(q.underline());
    EXPECT_FALSE(q.italic());
    // A positive height is the whole cell, so the em comes out smaller.
    font.SetHeight(20);
    EXPECT_LT(font.toQFont().pixelSize(), 20);
    EXPECT_GT(font.toQFont().pixelSize(), 12);
}

TEST(Font, PropertiesAndEnumsAreReachableByName) {
    TFont font;
    EXPECT_TRUE(font.setProperty("Style", QStringLiteral("fsBold|fsStrikeOut")));
    EXPECT_EQ(font.Style(), fsBold | fsStrikeOut);
    EXPECT_TRUE(font.setProperty("Height", -13));
    EXPECT_EQ(font.Height(), -13);
    EXPECT_TRUE(font.setProperty("Color", 255));
    EXPECT_EQ(font.Color(), clRed);

    EXPECT_STREQ(QMetaEnum::fromType<TPenStyle>().valueToKey(int(psDashDot)), "psDashDot");
    EXPECT_EQ(QMetaEnum::fromType<TBrushStyle>().keyToValue("bsClear"), int(bsClear));
    EXPECT_EQ(QMetaEnum::fromType<TPenMode>().keyToValue("pmXor"), int(pmXor));
    EXPECT_EQ(QMetaEnum::fromType<TAlignment>().keyToValue("taCenter"), int(taCenter));
    EXPECT_EQ(QMetaEnum::fromType<TFontStyles>().keysToValue("fsItalic|fsUnderline"), 0x6);
}
