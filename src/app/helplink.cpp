#include "app/helplink.h"

#include "localisation/languagefilepath.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include <cstdio>
#include <optional>

namespace {

const QLatin1String kHelpScheme("help:");

// The page's file in the first folder that has it, else in the last folder; none when the cleaned
// path leaves its folder ("../../etc/passwd").
std::optional<QString> pageFile(const QString& page, const HelpFolders& help) {
    QString file;
    for (const QString& folder : help.Folders) {
        file = QDir::cleanPath(folder + QLatin1Char('/') + page);
        if (!file.startsWith(QDir::cleanPath(folder) + QLatin1Char('/'))) return std::nullopt;
        if (help.Exists(file)) break;
    }
    return file;
}

// Where the value of an attribute href="…" (or '…') ends, when its value begins at `at`; -1 when
// the text at `at` is no such value or its quote does not close on the same line. (Scanned by hand:
// a regular expression would page in Qt's expression compiler at every start.)
qsizetype hrefValueEnd(const QString& html, qsizetype at) {
    if (at == 0) return -1;
    const QChar quote = html[at - 1];
    if (quote != u'"' && quote != u'\'') return -1;
    qsizetype i = at - 2;
    while (i >= 0 && html[i].isSpace())
        --i;
    if (i < 0 || html[i] != u'=') return -1;
    --i;
    while (i >= 0 && html[i].isSpace())
        --i;
    if (i < 3 || QStringView(html).mid(i - 3, 4).compare(u"href", Qt::CaseInsensitive) != 0) return -1;
    const qsizetype end = html.indexOf(quote, at);
    return end < 0 || QStringView(html).mid(at, end - at).contains(u'\n') ? -1 : end;
}

} // namespace

QString resolveHelpLink(const QString& link, const HelpFolders& help) {
    if (!link.startsWith(kHelpScheme, Qt::CaseInsensitive)) return link;
    const QString reference = link.mid(kHelpScheme.size());
    const qsizetype hash = reference.indexOf(QLatin1Char('#'));
    const std::optional<QString> file = pageFile(reference.left(hash), help);
    if (!file) {
        std::fprintf(stderr, "kyvelo: the link %s is left out: it leads outside the help folder\n",
                     qPrintable(link));
        return {};
    }
    QUrl url = QUrl::fromLocalFile(*file);
    if (hash >= 0) url.setFragment(reference.mid(hash + 1));
    return url.toString(QUrl::FullyEncoded);
}

QString resolveHelpLinks(const QString& html, const HelpFolders& help) {
    QString result;
    qsizetype copied = 0;
    for (qsizetype at = html.indexOf(kHelpScheme, 0, Qt::CaseInsensitive); at >= 0;
         at = html.indexOf(kHelpScheme, at + 1, Qt::CaseInsensitive)) {
        const qsizetype end = hrefValueEnd(html, at);
        if (end < 0) continue;
        result += html.mid(copied, at - copied) + resolveHelpLink(html.mid(at, end - at), help);
        copied = at = end;
    }
    return result + html.mid(copied);
}

HelpFolders systemHelpFolders(const QString& programFolder) {
    return {{programFolder + QStringLiteral("/help"),
             installedDataFolder(programFolder) + QStringLiteral("/kyvelo/help")},
            [](const QString& file) { return QFileInfo(file).isFile(); }};
}
