#include "localisation/textrules.h"

namespace {

char16_t lowerAscii(char16_t c) {
    return c >= u'A' && c <= u'Z' ? char16_t(c + (u'a' - u'A')) : c;
}

bool matchesAt(const QString& text, qsizetype at, const QString& pattern, bool ignoreAsciiCase) {
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        char16_t a = text[at + i].unicode();
        char16_t b = pattern[i].unicode();
        if (ignoreAsciiCase) {
            a = lowerAscii(a);
            b = lowerAscii(b);
        }
        if (a != b) return false;
    }
    return true;
}

} // namespace

QString asciiLower(QString text) {
    for (QChar& c : text)
        c = QChar(lowerAscii(c.unicode()));
    return text;
}

QString replaceAll(const QString& text, const QString& pattern, const QString& replacement,
                   bool ignoreAsciiCase) {
    if (pattern.isEmpty()) return text;
    QString result;
    qsizetype copied = 0;
    for (qsizetype i = 0; i + pattern.size() <= text.size();) {
        if (!matchesAt(text, i, pattern, ignoreAsciiCase)) {
            ++i;
            continue;
        }
        result += QStringView(text).mid(copied, i - copied);
        result += replacement;
        i += pattern.size();
        copied = i;
    }
    if (copied == 0) return text;
    result += QStringView(text).mid(copied);
    return result;
}
