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

constexpr char32_t kLastCodePoint = 0x10FFFF;

// A character for a message: control characters (a NUL byte among them) in the layout's own
// #nnn notation, so that the message stays readable.
QString shownCharacter(QChar c) {
    if (c.category() == QChar::Other_Control) return QStringLiteral("#%1").arg(c.unicode());
    return QString(c);
}

} // namespace

LayoutLexer::LayoutLexer(QString text, QString fileName)
    : FText(std::move(text)), FFileName(std::move(fileName)) {}

bool LayoutLexer::atEnd() const {
    return FPos >= FText.size();
}

QChar LayoutLexer::peek(int ahead) const {
    const qsizetype i = FPos + ahead;
    return i < FText.size() ? FText[i] : QChar();
}

void LayoutLexer::skipBlanks() {
    while (FPos < FText.size() && FText[FPos].isSpace()) {
        if (FText[FPos] == u'\n') ++FLine;
        ++FPos;
    }
}

void LayoutLexer::fail(int line, const QString& what, const QString& word) const {
    throw ELayoutError(FFileName, line, quotedWord(what, word));
}

LayoutToken LayoutLexer::next() {
    skipBlanks();
    if (atEnd()) return LayoutToken{LayoutToken::Kind::End, {}, {}, 0, 0, {}, FLine};
    const QChar c = peek();
    if (isNameStart(c)) return readName();
    if (isDigit(c) || (c == u'-' && isDigit(peek(1)))) return readNumber();
    if (c == u'\'' || c == u'#') return readString();
    if (c == u'{') return readBinary();
    if (QStringLiteral("=:[],()+").contains(c)) {
        ++FPos;
        return LayoutToken{LayoutToken::Kind::Symbol, QString(c), {}, 0, 0, {}, FLine};
    }
    fail(FLine, QStringLiteral("unexpected character"), shownCharacter(c));
}

LayoutToken LayoutLexer::readName() {
    const qsizetype start = FPos;
    while (isNameChar(peek()))
        ++FPos;
    return LayoutToken{LayoutToken::Kind::Name, FText.mid(start, FPos - start), {}, 0, 0, {}, FLine};
}

LayoutToken LayoutLexer::readNumber() {
    const qsizetype start = FPos;
    bool isFloat = false;
    if (peek() == u'-') ++FPos;
    while (isDigit(peek()))
        ++FPos;
    if (peek() == u'.' && isDigit(peek(1))) {
        isFloat = true;
        for (++FPos; isDigit(peek()); ++FPos) {
        }
    }
    if ((peek() == u'e' || peek() == u'E') &&
        (isDigit(peek(1)) || ((peek(1) == u'-' || peek(1) == u'+') && isDigit(peek(2))))) {
        isFloat = true;
        for (FPos += 2; isDigit(peek()); ++FPos) {
        }
    }
    while (isNameChar(peek())) // "12px" is no number; take the whole word for the message
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
    if (!ok) fail(FLine, QStringLiteral("bad number"), t.Text);
    return t;
}

LayoutToken LayoutLexer::readString() {
    const qsizetype start = FPos;
    QString value;
    for (;;) {
        if (peek() == u'\'')
            readQuoted(value);
        else if (peek() == u'#')
            readCharCode(value);
        else
            break;
    }
    return LayoutToken{LayoutToken::Kind::String, FText.mid(start, FPos - start), value, 0, 0, {}, FLine};
}

void LayoutLexer::readQuoted(QString& value) {
    const qsizetype start = FPos++;
    for (;;) {
        const QChar c = peek();
        if (atEnd() || c == u'\n' || c == u'\r')
            fail(FLine, QStringLiteral("unterminated string"), FText.mid(start, FPos - start));
        if (c.isNull()) fail(FLine, QStringLiteral("unexpected character"), shownCharacter(c));
        ++FPos;
        if (c != u'\'') {
            value += c;
        } else if (peek() == u'\'') {
            value += c;
            ++FPos;
        } else {
            return;
        }
    }
}

void LayoutLexer::readCharCode(QString& value) {
    const qsizetype start = FPos++;
    const bool hex = peek() == u'$';
    if (hex) ++FPos;
    const qsizetype digits = FPos;
    while (hex ? isHexDigit(peek()) : isDigit(peek()))
        ++FPos;
    bool ok = false;
    const qulonglong code = FText.mid(digits, FPos - digits).toULongLong(&ok, hex ? 16 : 10);
    if (!ok || code > kLastCodePoint)
        fail(FLine, QStringLiteral("bad character code"), FText.mid(start, FPos - start));
    const char32_t cp = static_cast<char32_t>(code);
    value += QString::fromUcs4(&cp, 1);
}

LayoutToken LayoutLexer::readBinary() {
    const int startLine = FLine;
    QByteArray hex;
    for (++FPos;; ++FPos) {
        skipBlanks();
        if (atEnd()) fail(startLine, QStringLiteral("unterminated binary data"), QStringLiteral("{"));
        const QChar c = peek();
        if (c == u'}') break;
        if (!isHexDigit(c)) fail(FLine, QStringLiteral("bad binary data"), shownCharacter(c));
        hex += static_cast<char>(c.unicode());
    }
    ++FPos;
    if (hex.size() % 2 != 0)
        fail(startLine, QStringLiteral("odd number of hex digits in binary data"), QStringLiteral("{"));
    LayoutToken t{
        LayoutToken::Kind::Binary, QStringLiteral("{...}"), {}, 0, 0, QByteArray::fromHex(hex), startLine};
    return t;
}
