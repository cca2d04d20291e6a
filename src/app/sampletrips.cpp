#include "app/sampletrips.h"

#include "localisation/languagefilepath.h"

#include <QFileInfo>

QString sampleTripFolder(const QString& programFolder) {
    const QString beside = programFolder + QStringLiteral("/trips");
    if (QFileInfo(beside).isDir()) return beside;
    return installedDataFolder(programFolder) + QStringLiteral("/kyvelo/trips");
}
