#include "widgets/rasterlabmetrics.h"

#include <algorithm>
#include <climits>

using enum Frame3D::TFrameStyle;
using enum RasterLab::TRDScrollMode;

namespace {

// Offsets of a label that scrolls without looping grow for ever; they stop at the ends of int.
int saturated(long long value) {
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

} // namespace

GlyphSpan glyphSpan(const TGlyphTable& glyphs, unsigned char code, bool proportional) {
    if (proportional) return {glyphs.LeftCol[code], glyphs.RightCol[code]};
    return {0, glyphs.CharWidth - 1};
}

int glyphAdvance(const TGlyphTable& glyphs, unsigned char code, int pitch, bool proportional) {
    const GlyphSpan span = glyphSpan(glyphs, code, proportional);
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

bool scrollStep(TRDScrollMode mode, int increment, bool loop, const ScrollGeometry& g, ScrollOffsets& o) {
    if (mode == rdsmOff) {
        o = {};
        return false;
    }
    const bool horizontal = mode == rdsmLeft || mode == rdsmRight;
    const bool forward = mode == rdsmRight || mode == rdsmDown;
    int& offset = horizontal ? o.X : o.Y;
    const int room = horizontal ? g.Width : g.Height;
    const int length = horizontal ? g.TextWidth : g.TextHeight;
    offset = saturated(static_cast<long long>(offset) +
                       (forward ? increment : -static_cast<long long>(increment)));
    if (!loop) return false;
    if (forward && offset > room) {
        offset = -length;
        return true;
    }
    if (!forward && offset < -length) {
        offset = room;
        return true;
    }
    return false;
}
