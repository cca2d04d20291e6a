#include "platform/system/regularfile.h"

#include "platform/system/lasterror.h"

#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kNameAttempts = 32;

QString tooLarge(qint64 maxSize) {
    return QStringLiteral("larger than %1 bytes").arg(maxSize);
}

// Reads to the end; a file that grows past maxSize while it is read is refused all the same.
std::optional<QByteArray> readAll(int fd, qint64 maxSize, QString& failure) {
    struct stat info {};
    if (fstat(fd, &info) != 0) {
        failure = systemErrorText(errno);
        return std::nullopt;
    }
    if (!S_ISREG(info.st_mode)) {
        failure = QStringLiteral("not a regular file");
        return std::nullopt;
    }
    if (info.st_size > maxSize) {
        failure = tooLarge(maxSize);
        return std::nullopt;
    }
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(info.st_size));
    char chunk[16384];
    for (;;) {
        const ssize_t got = read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) failure = systemErrorText(errno);
        else if (bytes.size() + got > maxSize) failure = tooLarge(maxSize);
        if (!failure.isEmpty()) return std::nullopt;
        if (got == 0) return bytes;
        bytes.append(chunk, got);
    }
}

bool writeAll(int fd, const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t put = write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) return false;
        done += put;
    }
    return true;
}

QByteArray directoryOf(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0) return ".";
    return slash == 0 ? QByteArray("/") : path.left(slash);
}

// A new file beside path, named after it; its descriptor, or -1 with errno set.
int createBeside(const QByteArray& path, QByteArray* name) {
    const QByteArray base = path.mid(path.lastIndexOf('/') + 1).left(200);
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        *name = directoryOf(path) + "/." + base + '.' +
                QByteArray::number(QRandomGenerator::global()->generate(), 36);
        const int fd = open(name->constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// Gives the new file its content (and the permissions of the file it replaces) and closes it; 0,
// or the errno of the step that failed.
int fillAndClose(int fd, const QByteArray& bytes, const struct stat* replaced) {
    const bool filled =
        (!replaced || fchmod(fd, replaced->st_mode & 07777) == 0) && writeAll(fd, bytes) && fsync(fd) == 0;
    const int error = filled ? 0 : errno;
    if (close(fd) != 0 && error == 0) return errno;
    return error;
}

} // namespace

std::optional<QByteArray> readRegularFile(const QByteArray& path, qint64 maxSize, SymbolicLinks links,
                                          QString* failure) {
    const int flags =
        O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY | (links == SymbolicLinks::Refuse ? O_NOFOLLOW : 0);
    QString why;
    std::optional<QByteArray> bytes;
    if (const int fd = open(path.constData(), flags); fd < 0) {
        why = systemErrorText(errno);
    } else {
        bytes = readAll(fd, maxSize, why);
        close(fd);
    }
    if (failure) *failure = why;
    return bytes;
}

QString writeFileAtomically(const QByteArray& path, const QByteArray& bytes) {
    struct stat old {};
    const bool replacing = lstat(path.constData(), &old) == 0;
    if (replacing && !S_ISREG(old.st_mode)) return QStringLiteral("Not a regular file");
    if (!replacing && errno != ENOENT) return systemErrorText(errno);
    QByteArray temporary;
    const int fd = createBeside(path, &temporary);
    if (fd < 0) return systemErrorText(errno);
    int error = fillAndClose(fd, bytes, replacing ? &old : nullptr);
    if (error == 0 && rename(temporary.constData(), path.constData()) != 0) error = errno;
    if (error == 0) return {};
    unlink(temporary.constData());
    return systemErrorText(error);
}
