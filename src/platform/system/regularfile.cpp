#include "platform/system/regularfile.h"

#include <QIODevice>

QString writeFileAtomically(const QByteArray& path, const QByteArray& bytes) {
    return replaceFile(path, [&bytes](QIODevice& file) {
        return file.write(bytes) == bytes.size() ? QString() : file.errorString();
    });
}

QString fileTooLargeText(qint64 maxSize) {
    return QStringLiteral("larger than %1 bytes").arg(maxSize);
}
