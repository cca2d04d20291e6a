#include "localisation/languagefile.h"

#include "localisation/textrules.h"

#include <QCoreApplication>
#include <QIODevice>

#include <cstdio>

namespace {

const QString kEndMarker = QStringLiteral("|$$");

// Cuts one entry (its text up to and including the end marker). A missing "[" lets the key start
// at the beginning of the entry; a missing "]=" gives an empty key and lets the value start at the
// entry's second character.
void cutEntry(QStringView entry, QString& key, QString& value) {
    const qsizetype open = entry.indexOf(u'[');
    const qsizetype assign = entry.indexOf(u"]=");
    const qsizetype keyStart = open + 1;
    const qsizetype keyLength = assign - keyStart;
    key = keyLength > 0 ? entry.mid(keyStart, keyLength).toString() : QString();
    const qsizetype valueStart = assign >= 0 ? assign + 2 : 1;
    const qsizetype valueEnd = entry.size() - kEndMarker.size();
    value = valueEnd > valueStart ? entry.mid(valueStart, valueEnd - valueStart).toString() : QString();
}

} // namespace

QString processKey(const QString& rawKey) {
    QString key = asciiLower(rawKey);
    key.replace(u'\r', u' ').replace(u'\n', u' ').replace(u'\t', u' ');
    while (key.contains(QStringLiteral("  ")))
        key.replace(QStringLiteral("  "), QStringLiteral(" "));
    qsizetype leading = 0;
    while (leading < key.size() && key[leading] == u' ')
        ++leading;
    return key.mid(leading);
}

QString processValue(const QString& rawValue, const QString& appName) {
    QString value = rawValue;
    value.replace(u'\r', u' ').replace(u'\n', u' ');
    value = replaceAll(value, QStringLiteral("\\n"), QStringLiteral("\r\n"), false);
    return replaceAll(value, QStringLiteral("<%APPNAME%>"), appName, true);
}

LanguageEntries readLanguageFile(QIODevice& stream, const QString& appName) {
    // The whole stream at once: an entry ends at the first end marker after the previous one, so
    // reading ahead changes nothing but the number of reads.
    stream.seek(0);
    const DecodedLanguageFile file = decodeLanguageFile(stream.readAll());
    const QString& text = file.Text;
    LanguageEntries entries;
    entries.Encoding = file.Encoding;
    qsizetype start = 0;
    for (qsizetype end; (end = text.indexOf(kEndMarker, start)) >= 0; start = end + kEndMarker.size()) {
        QString key;
        QString value;
        cutEntry(QStringView(text).mid(start, end + kEndMarker.size() - start), key, value);
        entries.Keys.append(processKey(key));
        entries.Values.append(processValue(value, appName));
        if (const qsizetype dropped = cutCombiningRuns(entries.Values.last()); dropped > 0)
            std::fprintf(
                stderr,
                "%s: the language file's text for \"%s\" has %lld combining marks too many in a row; "
                "they are left out\n",
                qPrintable(QCoreApplication::applicationName()), qPrintable(entries.Keys.last().left(60)),
                static_cast<long long>(dropped));
    }
    return entries;
}

QString languageFileLine(const QString& key, const QString& value) {
    return QLatin1Char('[') + key + QStringLiteral("]=") + value + kEndMarker;
}
