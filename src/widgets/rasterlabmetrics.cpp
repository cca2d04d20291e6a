#include "widgets/rasterlabmetrics.h"

#include <algorithm>
#include <climits>

namespace {

// Offsets of a label that scrolls without looping grow for ever; they stop at the ends of int.
int saturated(long long value) {
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

} // namespace

TGlyphSpan glyphSpan(const TGlyphTable& glyphs, unsigned char code, bool proportional) {
    if (proportional) return {glyphs.LeftCol[code], glyphs.RightCol[code]};
    return {0, glyphs.CharWidth - 1};
}

int glyphAdvance(const TGlyphTable& glyphs, unsigned char code, int pitch, bool proportional) {
    const TGlyphSpan span = glyphSpan(glyphs, code, proportional);
    return (span.Last - span.First + 2) * pitch;
}

int dotTextWidth(const TGlyphTable& glyphs, const QByteArray& codes, int pitch, bool proportional) {
    long long width = 0;
    for (char c : codes)
        width += glyphAdvance(glyphs, static_cast<unsigned char>(c), pitch, proportional);
    return saturated(width);
}

int frameInset(TFrameStyle style) {
    switch (style) {
    case fsNone:
        return 0;
    case fsEmbossed:
    case fsEngraved:
        return 2;
    default:
        return 1;
    }
}

int fittedHeight(TFrameStyle style, int pitch, int charHeight) {
    return frameInset(style) + pitch * charHeight;
}

int centredPosX(int width, int textWidth, TFrameStyle style) {
    return (width - textWidth) / 2 + frameInset(style) + 1;
}

bool scrollStep(TRDScrollMode mode, int increment, bool loop, const TScrollGeometry& g, TScrollOffsets& o) {
    switch (mode) {
    case rdsmOff:
        o = {};
        return false;
    case rdsmLeft:
        o.X = saturated(static_cast<long long>(o.X) - increment);
        if (loop && o.X < -g.TextWidth) {
            o.X = g.Width;
            return true;
        }
        return false;
    case rdsmRight:
        o.X = saturated(static_cast<long long>(o.X) + increment);
        if (loop && o.X > g.Width) {
            o.X = -g.TextWidth;
            return true;
        }
        return false;
    case rdsmDown:
        o.Y = saturated(static_cast<long long>(o.Y) + increment);
        if (loop && o.Y > g.Height) {
            o.Y = -g.TextHeight;
            return true;
        }
        return false;
    case rdsmUp:
        o.Y = saturated(static_cast<long long>(o.Y) - increment);
        if (loop && o.Y < -g.TextHeight) {
            o.Y = g.Height;
            return true;
        }
        return false;
    }
    return false;
}
