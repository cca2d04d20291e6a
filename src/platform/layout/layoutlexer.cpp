#include "platform/layout/layoutlexer.h"

#include "platform/layout/layouterror.h"

#include <utility>

namespace {

bool isNameStart(QChar c) {
    return c.isLetter() || c == u'_';
}
bool isNameChar(QChar c) {
    return c.isLetterOrNumber() || c == u'_' || c == u'.';
}
bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}
bool isHexDigit(QChar c) {
    return isDigit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

constexpr char32_t LastCodePoint = 0x10FFFF;

} // namespace

LayoutLexer::LayoutLexer(QString text, QString fileName)
    : FText(std::move(text)), FFileName(std::move(fileName)) {}

QChar LayoutLexer::Peek(int ahead) const {
    const qsizetype i = FPos + ahead;
    return i < FText.size() ? FText[i] : QChar();
}

void LayoutLexer::SkipBlanks() {
    while (FPos < FText.size() && FText[FPos].isSpace()) {
        if (FText[FPos] == u'\n') ++FLine;
        ++FPos;
    }
}

void LayoutLexer::Fail(int line, const QString& what, const QString& word) const {
    throw ELayoutError(FFileName, line, quotedWord(what, word));
}

LayoutToken LayoutLexer::Next() {
    SkipBlanks();
    const QChar c = Peek();
    if (c.isNull()) return LayoutToken{LayoutToken::Kind::End, {}, {}, 0, 0, {}, FLine};
    if (isNameStart(c)) return ReadName();
    if (isDigit(c) || (c == u'-' && isDigit(Peek(1)))) return ReadNumber();
    if (c == u'\'' || c == u'#') return ReadString();
    if (c == u'{') return ReadBinary();
    if (QStringLiteral("=:[],()+").contains(c)) {
        ++FPos;
        return LayoutToken{LayoutToken::Kind::Symbol, QString(c), {}, 0, 0, {}, FLine};
    }
    Fail(FLine, QStringLiteral("unexpected character"), QString(c));
}

LayoutToken LayoutLexer::ReadName() {
    const qsizetype start = FPos;
    while (isNameChar(Peek()))
        ++FPos;
    return LayoutToken{LayoutToken::Kind::Name, FText.mid(start, FPos - start), {}, 0, 0, {}, FLine};
}

LayoutToken LayoutLexer::ReadNumber() {
    const qsizetype start = FPos;
    bool isFloat = false;
    if (Peek() == u'-') ++FPos;
    while (isDigit(Peek()))
        ++FPos;
    if (Peek() == u'.' && isDigit(Peek(1))) {
        isFloat = true;
        for (++FPos; isDigit(Peek()); ++FPos) {
        }
    }
    if ((Peek() == u'e' || Peek() == u'E') &&
        (isDigit(Peek(1)) || ((Peek(1) == u'-' || Peek(1) == u'+') && isDigit(Peek(2))))) {
        isFloat = true;
        for (FPos += 2; isDigit(Peek()); ++FPos) {
        }
    }
    while (isNameChar(Peek())) // "12px" is no number; take the whole word for the message
        ++FPos;
    LayoutToken t{isFloat ? LayoutToken::Kind::Float : LayoutToken::Kind::Integer,
                  FText.mid(start, FPos - start),
                  {},
                  0,
                  0,
                  {},
                  FLine};
    bool ok = false;
    if (isFloat)
        t.FloatValue = t.Text.toDouble(&ok);
    else
        t.IntegerValue = t.Text.toLongLong(&ok);
    if (!ok) Fail(FLine, QStringLiteral("bad number"), t.Text);
    return t;
}

LayoutToken LayoutLexer::ReadString() {
    const qsizetype start = FPos;
    QString value;
    for (;;) {
        if (Peek() == u'\'')
            ReadQuoted(value);
        else if (Peek() == u'#')
            ReadCharCode(value);
        else
            break;
    }
    return LayoutToken{LayoutToken::Kind::String, FText.mid(start, FPos - start), value, 0, 0, {}, FLine};
}

void LayoutLexer::ReadQuoted(QString& value) {
    const qsizetype start = FPos++;
    for (;;) {
        const QChar c = Peek();
        if (c.isNull() || c == u'\n' || c == u'\r')
            Fail(FLine, QStringLiteral("unterminated string"), FText.mid(start, FPos - start));
        ++FPos;
        if (c != u'\'') {
            value += c;
        } else if (Peek() == u'\'') {
            value += c;
            ++FPos;
        } else {
            return;
        }
    }
}

void LayoutLexer::ReadCharCode(QString& value) {
    const qsizetype start = FPos++;
    const bool hex = Peek() == u'$';
    if (hex) ++FPos;
    const qsizetype digits = FPos;
    while (hex ? isHexDigit(Peek()) : isDigit(Peek()))
        ++FPos;
    bool ok = false;
    const qulonglong code = FText.mid(digits, FPos - digits).toULongLong(&ok, hex ? 16 : 10);
    if (!ok || code > LastCodePoint)
        Fail(FLine, QStringLiteral("bad character code"), FText.mid(start, FPos - start));
    const char32_t cp = static_cast<char32_t>(code);
    value += QString::fromUcs4(&cp, 1);
}

LayoutToken LayoutLexer::ReadBinary() {
    const int startLine = FLine;
    QByteArray hex;
    for (++FPos;; ++FPos) {
        SkipBlanks();
        const QChar c = Peek();
        if (c.isNull()) Fail(startLine, QStringLiteral("unterminated binary data"), QStringLiteral("{"));
        if (c == u'}') break;
        if (!isHexDigit(c)) Fail(FLine, QStringLiteral("bad binary data"), QString(c));
        hex += static_cast<char>(c.unicode());
    }
    ++FPos;
    if (hex.size() % 2 != 0)
        Fail(startLine, QStringLiteral("odd number of hex digits in binary data"), QStringLiteral("{"));
    LayoutToken t{
        LayoutToken::Kind::Binary, QStringLiteral("{...}"), {}, 0, 0, QByteArray::fromHex(hex), startLine};
    return t;
}
