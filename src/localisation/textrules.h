// The text operations of the dictionary. Letter case is folded for the ASCII letters A to Z only,
// in either encoding of the language files.
#pragma once

#include <QString>

QString asciiLower(QString text);

// Replaces every occurrence of pattern from the start; the search goes on directly after the
// inserted text, which is never searched again.
QString replaceAll(const QString& text, const QString& pattern, const QString& replacement,
                   bool ignoreAsciiCase);
