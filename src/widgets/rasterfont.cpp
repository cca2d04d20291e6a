#include "widgets/rasterfont.h"

#include "platform/graphics/bitmap.h"
#include "platform/graphics/codepage1252.h"
#include "platform/graphics/font.h"

#include <algorithm>

using enum Graphics::TBrushStyle;

namespace {

// Characters the code page lacks, and the C1 controls, show as '?'.
char codeOf(QChar ch) {
    const int code = windows1252Code(ch.unicode());
    return code < 0 ? '?' : static_cast<char>(code);
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
    return QChar(windows1252Char(code)); // the undefined codes have no character
}

TGlyphTable builtinGlyphTable() {
    TGlyphTable table;
    table.CharWidth = 7;
    table.CharHeight = 12;
    for (int i = 0; i < static_cast<int>(kBuiltinFontData.size()); ++i) {
        const BuiltinGlyph& glyph = kBuiltinFontData[i];
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
