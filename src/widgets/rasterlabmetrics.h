// The arithmetic of the dot-matrix label, apart from drawing: text width in pixels, the height that
// fits the characters, the centred start position and one step of timer scrolling.
#pragma once

#include "platform/graphics/frame3d.h"
#include "widgets/rasterfont.h"

#include <QByteArray>
#include <QObject>

namespace RasterLab {
Q_NAMESPACE

enum class TRDScrollMode { rdsmOff, rdsmLeft, rdsmRight, rdsmDown, rdsmUp };
Q_ENUM_NS(TRDScrollMode)

// Where unlit dots show: nowhere, inside the character cells, or over the whole face.
enum class TRDBlockMode { rdbmOff, rdbmOn, rdbmRaster };
Q_ENUM_NS(TRDBlockMode)

} // namespace RasterLab

using RasterLab::TRDBlockMode;
using RasterLab::TRDScrollMode;

// First and last glyph column drawn for a code: its own columns when proportional, else the full cell.
struct GlyphSpan {
    int First;
    int Last;
};
GlyphSpan glyphSpan(const TGlyphTable& glyphs, unsigned char code, bool proportional);

// Pixels from one character's start to the next one's: its columns plus one empty dot column.
int glyphAdvance(const TGlyphTable& glyphs, unsigned char code, int pitch, bool proportional);
int dotTextWidth(const TGlyphTable& glyphs, const QByteArray& codes, int pitch, bool proportional);

// Pixels the frame takes from the top and left when fitting and centring.
int frameInset(TFrameStyle style);
int fittedHeight(TFrameStyle style, int pitch, int charHeight);
int centredPosX(int width, int textWidth, TFrameStyle style);

struct ScrollGeometry {
    int Width;      // control
    int Height;     // control
    int TextWidth;  // the label's TextWidthPixels()
    int TextHeight; // CharHeight · pitch
};

struct ScrollOffsets {
    int X = 0;
    int Y = 0;
};

// Moves the offsets one tick in the mode's direction; with loop, text that has left re-enters from
// the opposite side. Returns true when it re-entered.
bool scrollStep(TRDScrollMode mode, int increment, bool loop, const ScrollGeometry& g, ScrollOffsets& o);
