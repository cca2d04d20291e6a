// The text operations of the dictionary. Letter case is folded for the ASCII letters A to Z only,
// in either encoding of the language files.
#pragma once

#include <QString>

QString asciiLower(QString text);

// Replaces every occurrence of pattern from the start; the search goes on directly after the
// inserted text, which is never searched again.
QString replaceAll(const QString& text, const QString& pattern, const QString& replacement,
                   bool ignoreAsciiCase);

// The most combining marks (Unicode's marks, and any character of a non-zero combining class) in
// a row that a text keeps: the limit of Unicode's stream-safe text format. Longer runs, which no
// writing system needs, would make each caption's layout take seconds.
constexpr int kMaxCombiningRun = 30;

// Drops the marks of each run beyond kMaxCombiningRun; how many were dropped.
qsizetype cutCombiningRuns(QString& text);
