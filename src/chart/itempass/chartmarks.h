// Mark symbols of the chart: small figures centred on a data point, chosen by a mark type 0..255.
// Types 0..51 are pixel stamps, lines, squares, diamonds, circles and triangles (a table in
// chartmarks.cpp); types 52..255 are the character with that code in the canvas's font.
#pragma once

class TCanvas;

constexpr int kMarkTypeCount = 256;
// Types below this are figures; the others are characters.
constexpr int kFirstCharacterMark = 52;

// Draws mark `markType` centred on pixel (x, y) in the canvas's pen colour. Filled figures are filled
// in the pen colour whatever the brush was, open ones are left transparent; afterwards the brush is
// solid in its former colour. Characters are drawn in the pen colour with the canvas's font and
// brush. The pen position is left where it was. Types outside 0..255 draw nothing.
void drawMark(TCanvas& canvas, int markType, int x, int y);
