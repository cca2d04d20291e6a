#include "platform/system/regularfile.h"

#include "platform/system/lasterror.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <qt_windows.h>

namespace {

// A symbolic link, a junction or a shortcut put in the file's place.
bool isLink(const QFileInfo& info) {
    return info.isSymbolicLink() || info.isJunction() || info.isShortcut();
}

// Why nothing is read from path; empty when it is a regular file that may be read.
QString readRefusal(const QFileInfo& info, SymbolicLinks links) {
    if (!info.exists() && !info.isSymLink()) return systemErrorText(ERROR_FILE_NOT_FOUND);
    if ((links == SymbolicLinks::Refuse && isLink(info)) || !info.isFile())
        return QStringLiteral("not a regular file");
    return {};
}

} // namespace

std::optional<QByteArray> readRegularFile(const QByteArray& path, qint64 maxSize, SymbolicLinks links,
                                          QString* failure) {
    const QFileInfo info(QFile::decodeName(path));
    QString why = readRefusal(info, links);
    std::optional<QByteArray> bytes;
    if (QFile file(info.filePath()); why.isEmpty() && !file.open(QIODevice::ReadOnly)) {
        why = file.errorString();
    } else if (why.isEmpty()) {
        // One byte over the cap tells a file that is too large, or grew so while it was read.
        bytes = file.read(maxSize + 1);
        if (bytes->size() > maxSize) {
            why = fileTooLargeText(maxSize);
            bytes.reset();
        }
    }
    if (failure) *failure = why;
    return bytes;
}

QString replaceFile(const QByteArray& path, const std::function<QString(QIODevice&)>& fill) {
    const QFileInfo old(QFile::decodeName(path));
    if (old.exists() || old.isSymLink()) {
        if (isLink(old) || !old.isFile()) return QStringLiteral("Not a regular file");
        if (!old.isWritable()) return systemErrorText(ERROR_ACCESS_DENIED);
    }
    // Written beside it, flushed to the disk and moved over it by the system.
    QSaveFile file(old.filePath());
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    if (QString failure = fill(file); !failure.isEmpty()) {
        file.cancelWriting();
        return failure;
    }
    return file.commit() ? QString() : file.errorString();
}
