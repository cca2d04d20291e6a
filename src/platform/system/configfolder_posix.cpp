#include "platform/system/configfolder.h"

#include <QDir>
#include <QFile>

QString userConfigFolder(const std::function<QByteArray(const char*)>& environment) {
    const QString configHome = QFile::decodeName(environment("XDG_CONFIG_HOME"));
    if (QDir::isAbsolutePath(configHome)) return configHome;
    const QString home = QFile::decodeName(environment("HOME"));
    return home.isEmpty() ? QString() : home + QStringLiteral("/.config");
}
