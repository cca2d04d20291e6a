// Windows-1252, the encoding of language files without byte-order mark. Such a file is decoded to
// QString when read and encoded again when written; each byte is one character, so byte-level
// rules (ASCII-only case folding, byte-wise key comparison) hold unchanged on the decoded text.
#pragma once

#include <QByteArray>
#include <QString>

QString decodeWindows1252(const QByteArray& bytes);
// Characters the code page lacks become '?'.
QByteArray encodeWindows1252(const QString& text);
