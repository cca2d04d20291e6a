// The 3-D frames of opaque controls: styles, colour schemes and the drawing of a frame as two nested
// one-pixel rectangles, each with one colour for its top and left edges and one for its bottom and
// right edges (the bottom-right colour owns the top-right and bottom-left corners).
#pragma once

#include "platform/graphics/canvas.h"
#include "platform/graphics/rect.h"
#include "platform/graphics/tcolor.h"

#include <QObject>

namespace Frame3D {
Q_NAMESPACE

enum class TFrameStyle { fsNone, fsSimple, fsLowered, fsRaised, fsEmbossed, fsEngraved };
Q_ENUM_NS(TFrameStyle)

// csBWG: grey shadow and white highlight; csSystem: the palette's button shadow and highlight.
enum class TColorScheme { csBWG, csSystem };
Q_ENUM_NS(TColorScheme)

} // namespace Frame3D

using Frame3D::TColorScheme;
using Frame3D::TFrameStyle;

struct FrameColors {
    TColor Line = clBlack;  // simple frame, dark inner/outer lines
    TColor Shadow = clGray; // by scheme
    TColor Light = clWhite; // by scheme
    TColor Face = clSilver; // the remaining inner line
};

FrameColors frameColors(TColorScheme scheme);

// Draws the frame on the edge of r (right and bottom exclusive) and one pixel inside it:
//   style       outer top-left  outer bottom-right  inner top-left  inner bottom-right
//   fsSimple    Line            Line                -               -
//   fsLowered   Shadow          Light               Line            Face
//   fsRaised    Light           Line                Face            Shadow
//   fsEmbossed  Light           Shadow              Shadow          Light
//   fsEngraved  Shadow          Light               Light           Shadow
void DrawFrame3D(TCanvas& canvas, const TRect& r, TFrameStyle style, const FrameColors& colors);
inline void DrawFrame3D(TCanvas& canvas, const TRect& r, TFrameStyle style, TColorScheme scheme) {
    DrawFrame3D(canvas, r, style, frameColors(scheme));
}
