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
    LayoutToken Next();
    const QString& FileName() const { return FFileName; }

private:
    QChar Peek(int ahead = 0) const;
    void SkipBlanks();
    [[noreturn]] void Fail(int line, const QString& what, const QString& word) const;
    LayoutToken ReadName();
    LayoutToken ReadNumber();
    LayoutToken ReadString();
    LayoutToken ReadBinary();
    void ReadQuoted(QString& value);
    void ReadCharCode(QString& value);

    QString FText;
    QString FFileName;
    qsizetype FPos = 0;
    int FLine = 1;
};
