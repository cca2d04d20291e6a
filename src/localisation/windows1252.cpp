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

QString decodeWindows1252(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        text[i] = QChar(windows1252CharOrControl(static_cast<unsigned char>(bytes[i])));
    return text;
}

QByteArray encodeWindows1252(const QString& text) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        bytes[i] = encodeChar(text[i].unicode());
    return bytes;
}
