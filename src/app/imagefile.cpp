#include "app/imagefile.h"

#include <QFile>
#include <QImageWriter>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

QString writeImageFile(const QImage& image, const QByteArray& fileName, const QByteArray& format) {
    const int fd = ::open(fileName.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return QString::fromLocal8Bit(std::strerror(errno));
    QFile file;
    file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle);
    QImageWriter writer(&file, format);
    if (writer.write(image) && file.flush()) return {};
    const QString reason =
        writer.error() != QImageWriter::UnknownError ? writer.errorString() : file.errorString();
    file.close();
    ::unlink(fileName.constData());
    return reason;
}
