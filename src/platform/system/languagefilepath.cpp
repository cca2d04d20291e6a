#include "platform/system/languagefilepath.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString configFolder(const LanguageFileSearch& search) {
    const QString configHome = QFile::decodeName(search.environment("XDG_CONFIG_HOME"));
    if (QDir::isAbsolutePath(configHome)) return configHome;
    const QString home = QFile::decodeName(search.environment("HOME"));
    return home.isEmpty() ? QString() : home + QStringLiteral("/.config");
}

QByteArray messagesLocale(const LanguageFileSearch& search) {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (const QByteArray value = search.environment(name); !value.isEmpty()) return value;
    return {};
}

} // namespace

QString languageFilePath(const QString& besideProgram, const LanguageFileSearch& search) {
    if (search.exists(besideProgram)) return besideProgram;
    const QString name = QFileInfo(besideProgram).completeBaseName();
    const QString folder = configFolder(search);
    if (!folder.isEmpty()) {
        const QString own = QStringLiteral("%1/%2/%2.itl").arg(folder, name);
        if (search.exists(own)) return own;
    }
    const QString language =
        messagesLocale(search).startsWith("de") ? QStringLiteral("de") : QStringLiteral("en");
    return QStringLiteral("%1/%2/%2_%3.itl").arg(search.dataFolder, name, language);
}

QString installedDataFolder(const QString& programFolder) {
    return QDir::cleanPath(programFolder + QStringLiteral("/" KYVELO_DATA_FROM_PROGRAM));
}

LanguageFileSearch systemLanguageFileSearch(const QString& programFolder) {
    return {[](const char* name) { return qgetenv(name); },
            [](const QString& file) { return QFileInfo(file).isFile(); }, installedDataFolder(programFolder)};
}
