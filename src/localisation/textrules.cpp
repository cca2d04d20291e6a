#include "localisation/textrules.h"

#include <utility>

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

bool isCombining(char32_t c) {
    const QChar::Category category = QChar::category(c);
    return category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining ||
           category == QChar::Mark_Enclosing || QChar::combiningClass(c) != 0;
}

// The code point at i and how many UTF-16 units it takes.
std::pair<char32_t, qsizetype> codePointAt(const QString& text, qsizetype i) {
    const QChar c = text[i];
    if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
        return {QChar::surrogateToUcs4(c, text[i + 1]), 2};
    return {c.unicode(), 1};
}

// Whether the text holds a run of more UTF-16 units at or above U+0300, where the combining marks
// begin, than kMaxCombiningRun: only then can it hold too long a run of marks. A cheap look at every
// unit spares the character tables for ordinary text.
bool mayHoldALongCombiningRun(const QString& text) {
    constexpr char16_t kFirstCombining = 0x300;
    int run = 0;
    for (const QChar c : text) {
        run = c.unicode() >= kFirstCombining ? run + 1 : 0;
        if (run > kMaxCombiningRun) return true;
    }
    return false;
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

qsizetype cutCombiningRuns(QString& text) {
    if (!mayHoldALongCombiningRun(text)) return 0;
    QString kept;
    qsizetype dropped = 0;
    int run = 0;
    for (qsizetype i = 0; i < text.size();) {
        const auto [c, length] = codePointAt(text, i);
        run = isCombining(c) ? run + 1 : 0;
        if (run > kMaxCombiningRun) {
            if (dropped++ == 0) kept = text.left(i); // copied only once something goes
        } else if (dropped > 0) {
            kept += QStringView(text).mid(i, length);
        }
        i += length;
    }
    if (dropped > 0) text = kept;
    return dropped;
}
