// The ".itl" language file: a sequence of entries "[" key "]=" value "|$$"; anything before the
// "[" of an entry (the line break after the previous one, remarks) and anything after the last
// "|$$" is ignored, and a value may run over several lines. The file is Windows-1252 text, or UTF-8
// when it begins with the byte-order mark (languagefileencoding.h).
#pragma once

#include "localisation/languagefileencoding.h"

#include <QString>
#include <QStringList>

class QIODevice;

struct LanguageEntries {
    // Lower-cased and normalised, in file order.
    QStringList Keys;
    // Processed; Values[i] belongs to Keys[i].
    QStringList Values;
    // What the file was written in; a collected file is written back the same way.
    LanguageFileEncoding Encoding = LanguageFileEncoding::Windows1252;
};

// Reads every entry of a seekable stream from position 0. "<%APPNAME%>" in values becomes appName.
// Runs of combining marks in a value are cut to kMaxCombiningRun (textrules.h), and that is said on
// stderr.
LanguageEntries readLanguageFile(QIODevice& stream, const QString& appName);

// Lower case; CR, LF and TAB become spaces; runs of spaces become one; leading spaces go, trailing
// ones stay.
QString processKey(const QString& rawKey);
// CR and LF become spaces (a CR LF pair two); "\n" becomes CR LF; "<%APPNAME%>" (any letter case)
// becomes appName.
QString processValue(const QString& rawValue, const QString& appName);

// A file's line for one entry: "[" key "]=" value "|$$".
QString languageFileLine(const QString& key, const QString& value);
