// The character shapes of the dot-matrix label: per single-byte character code, which dots of the
// character cell are lit. A table comes either from the built-in 7 × 12 font (codes 32 to 255:
// Latin-1, with the Windows-1252 signs on 128 to 159) or from rasterising a named font.
#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>

class TFont;

struct TGlyphTable {
    int CharWidth = 0;  // widest glyph in columns
    int CharHeight = 0; // dot rows of a character
    std::array<std::uint8_t, 256> LeftCol{};
    std::array<std::uint8_t, 256> RightCol{};
    // Per code and row: bit j set = column j lit (bit 0 is the leftmost column).
    std::array<std::array<std::uint32_t, 32>, 256> Rows{};
};

// One entry of the built-in font: left and right column, then rows 0 to 11 (bit j = column j).
// Bodies sit on rows 1 to 9, descenders on 10 and 11, capital accents on row 0.
struct BuiltinGlyph {
    std::uint8_t Left;
    std::uint8_t Right;
    std::array<std::uint8_t, 12> Rows;
};

constexpr int kBuiltinFirstCode = 32;
extern const std::array<BuiltinGlyph, 224> kBuiltinFontData;

TGlyphTable builtinGlyphTable();
// The built-in table, built once and shared read-only by every label that shows it (33 KiB each).
std::shared_ptr<const TGlyphTable> sharedBuiltinGlyphTable();
// Draws each character of the font unsmoothed and samples the 32 × 32 pixel corner of its cell.
// Characters that come out empty are shown as blanks as wide as the space.
TGlyphTable rasterisedGlyphTable(const TFont& font);
// The built-in font when there is no font or its name is "default" (any case), else the named one.
std::shared_ptr<const TGlyphTable> glyphTableFor(const TFont* font);

// Text as the label's single-byte codes: Latin-1 as it is, the Windows-1252 signs (€, “, …) on 128
// to 159, '?' for every other character.
QByteArray dotMatrixCodes(const QString& text);
// The character a code stands for (the inverse of dotMatrixCodes); codes 0 to 31 give QChar().
QChar charOfDotMatrixCode(unsigned char code);
