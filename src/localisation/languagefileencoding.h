// The two encodings of language files. A file that begins with the UTF-8 byte-order mark and is
// UTF-8 after it is UTF-8, any other file Windows-1252. Both keep the markers "[", "]=" and "|$$" as the
// single bytes they are, so cutting entries and folding keys (ASCII letters only) work the same on the
// decoded text.
#pragma once

#include <QByteArray>
#include <QString>

enum class LanguageFileEncoding { Windows1252, Utf8 };

struct DecodedLanguageFile {
    QString Text;
    LanguageFileEncoding Encoding = LanguageFileEncoding::Windows1252;
};

// The text after the byte-order mark, if any. A mark before bytes that are not well-formed UTF-8
// (a Windows-1252 file saved with a mark by mistake) is dropped and the rest read as Windows-1252.
DecodedLanguageFile decodeLanguageFile(const QByteArray& bytes);

// UTF-8 begins with the byte-order mark, so that the file is read back as UTF-8; in Windows-1252,
// characters the code page lacks become '?'.
QByteArray encodeLanguageFile(const QString& text, LanguageFileEncoding encoding);
