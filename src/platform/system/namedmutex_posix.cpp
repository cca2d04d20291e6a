#include "platform/system/namedmutex.h"

#include "platform/system/linkdirectory.h"
#include "platform/system/regularfile.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The lock file itself, never what a symbolic link in its place points to; a FIFO or device put
// there is refused without blocking. The descriptor, or -1 with errno set.
int openLockFile(const QByteArray& path) {
    const int fd =
        open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY, 0600);
    if (fd < 0) return -1;
    struct stat info {};
    if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) return fd;
    close(fd);
    errno = EINVAL;
    return -1;
}

bool plainName(const QString& name) {
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && name != QLatin1String("..") &&
           name != QLatin1String(".");
}

// The lock file's path; empty with errno set when there is no link directory.
QByteArray lockPath(const QString& name) {
    const QString directory = linkDirectory();
    return directory.isEmpty()
               ? QByteArray()
               : QFile::encodeName(directory + QLatin1Char('/') + name + QStringLiteral(".lock"));
}

// The holder writes its process id into the file, for another process to find it by.
void recordHolder(int fd) {
    const QByteArray pid = QByteArray::number(static_cast<qint64>(getpid())) + '\n';
    if (ftruncate(fd, 0) == 0) (void)!pwrite(fd, pid.constData(), static_cast<size_t>(pid.size()), 0);
}

} // namespace

NamedMutex::Attempt NamedMutex::tryAcquire(const QString& name) {
    if (!plainName(name)) return {nullptr, State::Failed, EINVAL};
    // The lock file stays: removing it would let two processes lock two different files.
    const QByteArray path = lockPath(name);
    if (path.isEmpty()) return {nullptr, State::Failed, errno};
    const int fd = openLockFile(path);
    if (fd < 0) return {nullptr, State::Failed, errno};
    if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
        recordHolder(fd);
        return {std::unique_ptr<NamedMutex>(new NamedMutex(fd)), State::Acquired, 0};
    }
    const int error = errno;
    close(fd);
    return {nullptr, error == EWOULDBLOCK ? State::HeldElsewhere : State::Failed, error};
}

NamedMutex::~NamedMutex() {
    close(FFd);
}

qint64 NamedMutex::holder(const QString& name) {
    const QByteArray path = plainName(name) ? lockPath(name) : QByteArray();
    const std::optional<QByteArray> bytes = path.isEmpty() ? std::nullopt : readRegularFile(path, 32);
    bool ok = false;
    const qint64 pid = bytes ? bytes->trimmed().toLongLong(&ok) : 0;
    return ok && pid > 0 ? pid : 0;
}
