// Turns a value read from a stored layout into a value of a published property's type:
//   bool            True / False
//   integers        integers; an int property also takes a colour identifier (clBtnFace)
//   double, float   integers and floats
//   QString         strings;  QChar: a string of one character
//   QStringList     string lists ( 'a' 'b' )
//   enum            one of its value names (alTop)
//   flags (set)     [names], [] for none
//   QByteArray      binary data { hex }
//   QImage          binary data holding an image file (PNG, BMP, ... as Qt's readers know them),
//                   written as the file's bytes in hex: Glyph = { 89504E470D0A1A0A... }
#pragma once

#include "platform/layout/layoutparser.h"

#include <QMetaProperty>
#include <QVariant>

#include <optional>

// The converted value, or nothing when it does not fit; then offendingWord is the part that did not.
std::optional<QVariant> toPropertyValue(const QMetaProperty& property, const LayoutValue& value,
                                        QString& offendingWord);
