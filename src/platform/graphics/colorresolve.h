// Turns a TColor into a QColor for drawing; system colours go through the application palette.
#pragma once

#include "platform/graphics/tcolor.h"

#include <QColor>

QColor toQColor(TColor color);

// Looks a colour up by its identifier ("clRed", "clBtnFace"); false when the name is unknown.
bool colorFromIdent(const QString& ident, TColor& color);
