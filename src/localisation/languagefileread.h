// Reading a language file from the file system, the same way wherever it is read (the loader, the
// list of languages to choose from): a regular file, a symbolic link followed (a class's file may be
// linked into place), within a size cap and without waiting on a FIFO. A file refused here counts
// as missing: the search goes on to the next one.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// A thousand times the size of the program's own language files.
constexpr qint64 kMaxLanguageFileSize = 4 << 20;

// The file's bytes; none, with failure (if given) saying why, when it is refused.
std::optional<QByteArray> readLanguageFileBytes(const QString& path, QString* failure = nullptr);

struct FoundLanguageFile {
    QString Path;
    QByteArray Bytes;
};

// The first of candidates that reads; passedOver is told of each one refused before it.
std::optional<FoundLanguageFile>
readFirstLanguageFile(const QStringList& candidates,
                      const std::function<void(const QString& path, const QString& why)>& passedOver);
