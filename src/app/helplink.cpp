#include "app/helplink.h"

#include "localisation/languagefilepath.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

namespace {

const QLatin1String kHelpScheme("help:");

QString pageFile(const QString& page, const HelpFolders& help) {
    QString file;
    for (const QString& folder : help.folders) {
        file = QDir::cleanPath(folder + QLatin1Char('/') + page);
        if (help.exists(file)) break;
    }
    return file;
}

} // namespace

QString resolveHelpLink(const QString& link, const HelpFolders& help) {
    if (!link.startsWith(kHelpScheme, Qt::CaseInsensitive)) return link;
    const QString reference = link.mid(kHelpScheme.size());
    const qsizetype hash = reference.indexOf(QLatin1Char('#'));
    QUrl url = QUrl::fromLocalFile(pageFile(reference.left(hash), help));
    if (hash >= 0) url.setFragment(reference.mid(hash + 1));
    return url.toString(QUrl::FullyEncoded);
}

QString resolveHelpLinks(const QString& html, const HelpFolders& help) {
    static const QRegularExpression href(QStringLiteral("href\\s*=\\s*([\"'])(help:.*?)\\1"),
                                         QRegularExpression::CaseInsensitiveOption);
    QString result;
    qsizetype copied = 0;
    for (const QRegularExpressionMatch& link : href.globalMatch(html)) {
        result += html.mid(copied, link.capturedStart(2) - copied) + resolveHelpLink(link.captured(2), help);
        copied = link.capturedEnd(2);
    }
    return result + html.mid(copied);
}

HelpFolders systemHelpFolders(const QString& programFolder) {
    return {{programFolder + QStringLiteral("/help"),
             installedDataFolder(programFolder) + QStringLiteral("/kyvelo/help")},
            [](const QString& file) { return QFileInfo(file).isFile(); }};
}
