#include "localisation/windows1252.h"

#include "platform/graphics/codepage1252.h"

namespace {

// The C1 controls that stand for the five undefined bytes go back to those bytes.
char encodeChar(char16_t c) {
    const int code = windows1252Code(c);
    if (code >= 0) return static_cast<char>(code);
    if (c >= 0x80 && c < 0xA0 && windows1252Char(static_cast<unsigned char>(c)) == 0)
        return static_cast<char>(c);
    return '?';
}

} // namespace

// Latin-1 decoding is right for every byte but 0x80 to 0x9F, which the code page gives signs of its
// own; only those few are looked up.
QString decodeWindows1252(const QByteArray& bytes) {
    QString text = QString::fromLatin1(bytes);
    char16_t* c = reinterpret_cast<char16_t*>(text.data());
    for (const char16_t* end = c + text.size(); c != end; ++c)
        if (static_cast<char16_t>(*c - 0x80) < 0x20)
            *c = windows1252CharOrControl(static_cast<unsigned char>(*c));
    return text;
}

QByteArray encodeWindows1252(const QString& text) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        bytes[i] = encodeChar(text[i].unicode());
    return bytes;
}
