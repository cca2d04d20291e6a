#include "platform/system/regularfile.h"

#include "platform/system/lasterror.h"

#include <QIODevice>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kNameAttempts = 32;

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
        failure = fileTooLargeText(maxSize);
        return std::nullopt;
    }
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(info.st_size));
    char chunk[16384];
    for (;;) {
        const ssize_t got = read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0)
            failure = systemErrorText(errno);
        else if (bytes.size() + got > maxSize)
            failure = fileTooLargeText(maxSize);
        if (!failure.isEmpty()) return std::nullopt;
        if (got == 0) return bytes;
        bytes.append(chunk, got);
    }
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

// Gives the new file the owner and permissions of the file it replaces; 0, or the errno.
int takeOwnerAndMode(int fd, const struct stat& replaced) {
    struct stat own {};
    if (fstat(fd, &own) != 0) return errno;
    if ((own.st_uid != replaced.st_uid || own.st_gid != replaced.st_gid) &&
        fchown(fd, replaced.st_uid, replaced.st_gid) != 0)
        return errno;
    return fchmod(fd, replaced.st_mode & 07777) == 0 ? 0 : errno;
}

// Why the file at path may not be replaced; empty when it may (or is not there). Only what the
// user could write in place, as the shell's redirection would, and never a file with other hard
// links, which would keep the old content under their names.
QString replaceRefusal(const QByteArray& path, const struct stat& old) {
    if (!S_ISREG(old.st_mode)) return QStringLiteral("Not a regular file");
    if (access(path.constData(), W_OK) != 0) return systemErrorText(errno);
    if (old.st_nlink > 1)
        return QStringLiteral(
                   "it has %1 hard links, which would keep the old content; remove the others first")
            .arg(old.st_nlink);
    return {};
}

// The new file as a device that writes straight to its descriptor and reports the system's error.
class DescriptorWriter : public QIODevice {
public:
    explicit DescriptorWriter(int fd) : FFd(fd) { open(QIODevice::WriteOnly | QIODevice::Unbuffered); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override {
        qint64 done = 0;
        while (done < size) {
            const ssize_t put = ::write(FFd, data + done, static_cast<size_t>(size - done));
            if (put < 0 && errno == EINTR) continue;
            if (put <= 0) {
                setErrorString(systemErrorText(put < 0 ? errno : EIO));
                return -1;
            }
            done += put;
        }
        return done;
    }

private:
    int FFd;
};

// Gives the new file its content (through fill), the owner and permissions of the file it
// replaces, and closes it; empty, or what failed.
QString fillAndClose(int fd, const std::function<QString(QIODevice&)>& fill, const struct stat* replaced) {
    QString failure;
    if (const int error = replaced ? takeOwnerAndMode(fd, *replaced) : 0; error != 0)
        failure = systemErrorText(error);
    if (failure.isEmpty()) {
        DescriptorWriter file(fd);
        failure = fill(file);
    }
    if (failure.isEmpty() && fsync(fd) != 0) failure = systemErrorText(errno);
    if (close(fd) != 0 && failure.isEmpty()) failure = systemErrorText(errno);
    return failure;
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

QString replaceFile(const QByteArray& path, const std::function<QString(QIODevice&)>& fill) {
    struct stat old {};
    const bool replacing = lstat(path.constData(), &old) == 0;
    if (!replacing && errno != ENOENT) return systemErrorText(errno);
    if (replacing)
        if (const QString refusal = replaceRefusal(path, old); !refusal.isEmpty()) return refusal;
    QByteArray temporary;
    const int fd = createBeside(path, &temporary);
    if (fd < 0) return systemErrorText(errno);
    QString failure = fillAndClose(fd, fill, replacing ? &old : nullptr);
    if (failure.isEmpty() && rename(temporary.constData(), path.constData()) != 0)
        failure = systemErrorText(errno);
    if (failure.isEmpty()) return {};
    unlink(temporary.constData());
    return failure;
}
