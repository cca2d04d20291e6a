#include "widgets/rasterfont.h"

#include "platform/graphics/bitmap.h"
#include "platform/graphics/font.h"

#include <algorithm>

using enum Graphics::TBrushStyle;

namespace {

// Windows-1252 on 128..159; 0 marks the five unassigned codes.
constexpr std::array<char16_t, 32> cp1252High{0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                              0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                              0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                              0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char codeOf(QChar ch) {
    const char16_t u = ch.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return static_cast<char>(u);
    const auto it = std::find(cp1252High.begin(), cp1252High.end(), u);
    if (u != 0 && it != cp1252High.end()) return static_cast<char>(0x80 + (it - cp1252High.begin()));
    return '?';
}

// Samples one drawn character into the table; true when any pixel was set.
bool sampleGlyph(const TCanvas& canvas, int code, TGlyphTable& table) {
    int minCol = 31;
    int maxCol = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            if (canvas.Pixels(x, y) == clWhite) continue;
            table.Rows[code][y] |= 1u << x;
            minCol = std::min(minCol, x);
            maxCol = std::max(maxCol, x);
        }
        if (table.Rows[code][y] != 0) table.CharHeight = std::max(table.CharHeight, y + 1);
    }
    table.LeftCol[code] = static_cast<std::uint8_t>(minCol);
    table.RightCol[code] = static_cast<std::uint8_t>(maxCol);
    table.CharWidth = std::max(table.CharWidth, maxCol - minCol + 1);
    return minCol <= maxCol;
}

} // namespace

QByteArray dotMatrixCodes(const QString& text) {
    QByteArray codes;
    codes.reserve(text.size());
    for (QChar ch : text)
        codes.append(codeOf(ch));
    return codes;
}

QChar charOfDotMatrixCode(unsigned char code) {
    if (code < 32) return QChar();
    if (code >= 0x80 && code < 0xA0) return QChar(cp1252High[code - 0x80]);
    return QChar(code);
}

TGlyphTable builtinGlyphTable() {
    TGlyphTable table;
    table.CharWidth = 7;
    table.CharHeight = 12;
    for (int i = 0; i < static_cast<int>(builtinFontData.size()); ++i) {
        const BuiltinGlyph& glyph = builtinFontData[i];
        const int code = kBuiltinFirstCode + i;
        table.LeftCol[code] = glyph.Left;
        table.RightCol[code] = glyph.Right;
        std::copy(glyph.Rows.begin(), glyph.Rows.end(), table.Rows[code].begin());
    }
    return table;
}

std::shared_ptr<const TGlyphTable> sharedBuiltinGlyphTable() {
    static const auto table = std::make_shared<const TGlyphTable>(builtinGlyphTable());
    return table;
}

TGlyphTable rasterisedGlyphTable(const TFont& font) {
    TGlyphTable table;
    TBitmap bitmap(65, 65);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Font().Assign(font);
    // The shapes are read as "not white", so they are drawn in black whatever the font's colour.
    canvas.Font().SetColor(clBlack);
    canvas.Brush().Color = clWhite;
    std::array<bool, 256> inked{};
    for (int code = kBuiltinFirstCode; code < 256; ++code) {
        canvas.Brush().Style = bsSolid;
        canvas.FillRect(Rect(0, 0, 100, 100));
        canvas.Brush().Style = bsClear;
        canvas.TextOut(0, 0, QString(charOfDotMatrixCode(static_cast<unsigned char>(code))));
        inked[code] = sampleGlyph(canvas, code, table);
    }
    // Empty glyphs would keep the scan's start columns (31, 0) and move text backwards.
    for (int code = kBuiltinFirstCode; code < 256; ++code) {
        if (inked[code]) continue;
        table.LeftCol[code] = 0;
        table.RightCol[code] = static_cast<std::uint8_t>(table.CharWidth / 2);
    }
    return table;
}

std::shared_ptr<const TGlyphTable> glyphTableFor(const TFont* font) {
    if (!font || font->Name().compare(QLatin1String("default"), Qt::CaseInsensitive) == 0)
        return sharedBuiltinGlyphTable();
    return std::make_shared<const TGlyphTable>(rasterisedGlyphTable(*font));
}
