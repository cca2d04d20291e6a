// Splits a stored layout's text into words: names (dotted names included), numbers, quoted strings
// (with '' for a quote and #nnn character codes, parts written next to each other joined), binary
// blocks in braces, and the punctuation = : [ ] , ( ) +.
#pragma once

#include <QByteArray>
#include <QString>

struct LayoutToken {
    enum class Kind { End, Name, Integer, Float, String, Binary, Symbol };
    Kind Type = Kind::End;
    QString Text;        // as written, for messages; the value for names, strings and symbols
    QString StringValue; // strings: the decoded text
    qint64 IntegerValue = 0;
    double FloatValue = 0;
    QByteArray Bytes; // binary blocks
    int Line = 1;
};

class LayoutLexer {
public:
    LayoutLexer(QString text, QString fileName);

    // The next word; Kind::End at the end of the text. Throws ELayoutError on a malformed word.
    LayoutToken next();
    const QString& fileName() const { return FFileName; }

private:
    bool atEnd() const;
    // The character `ahead` places on; a null character past the end (or on a NUL: ask atEnd()).
    QChar peek(int ahead = 0) const;
    void skipBlanks();
    [[noreturn]] void fail(int line, const QString& what, const QString& word) const;
    LayoutToken readName();
    LayoutToken readNumber();
    LayoutToken readString();
    LayoutToken readBinary();
    void readQuoted(QString& value);
    void readCharCode(QString& value);

    QString FText;
    QString FFileName;
    qsizetype FPos = 0;
    int FLine = 1;
};
