// Drawing attributes shared by the canvas, the chart, the scales and the widgets. The enums sit in a
// meta-object namespace so that stored layouts can name their values ("psDot", "[fsBold]"). Source
// files that use the values name them with `using enum`; headers qualify them.
#pragma once

#include <QObject>

namespace Graphics {
Q_NAMESPACE

enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
Q_ENUM_NS(TPenStyle)

// How pen (and shape fill) pixels combine with what is already there.
enum class TPenMode { pmCopy, pmXor, pmNotXor };
Q_ENUM_NS(TPenMode)

enum class TBrushStyle { bsSolid, bsClear };
Q_ENUM_NS(TBrushStyle)

enum class TFontStyle { fsBold = 0x1, fsItalic = 0x2, fsUnderline = 0x4, fsStrikeOut = 0x8 };
Q_DECLARE_FLAGS(TFontStyles, TFontStyle)
Q_FLAG_NS(TFontStyles)

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
Q_ENUM_NS(TAlignment)

} // namespace Graphics

Q_DECLARE_OPERATORS_FOR_FLAGS(Graphics::TFontStyles)

using Graphics::TAlignment;
using Graphics::TBrushStyle;
using Graphics::TFontStyle;
using Graphics::TFontStyles;
using Graphics::TPenMode;
using Graphics::TPenStyle;
