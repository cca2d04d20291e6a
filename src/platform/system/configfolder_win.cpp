#include "platform/system/configfolder.h"

#include <QDir>
#include <QFile>

QString userConfigFolder(const std::function<QByteArray(const char*)>& environment) {
    const QString appData = QDir::fromNativeSeparators(QFile::decodeName(environment("APPDATA")));
    return QDir::isAbsolutePath(appData) ? appData : QString();
}
