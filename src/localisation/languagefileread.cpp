#include "localisation/languagefileread.h"

#include "platform/system/regularfile.h"

#include <QFile>

std::optional<QByteArray> readLanguageFileBytes(const QString& path, QString* failure) {
    return readRegularFile(QFile::encodeName(path), kMaxLanguageFileSize, SymbolicLinks::Follow, failure);
}

std::optional<FoundLanguageFile>
readFirstLanguageFile(const QStringList& candidates,
                      const std::function<void(const QString& path, const QString& why)>& passedOver) {
    for (const QString& path : candidates) {
        QString failure;
        if (std::optional<QByteArray> bytes = readLanguageFileBytes(path, &failure))
            return FoundLanguageFile{path, std::move(*bytes)};
        passedOver(path, failure);
    }
    return std::nullopt;
}
