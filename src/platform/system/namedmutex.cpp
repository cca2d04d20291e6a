#include "platform/system/namedmutex.h"

#include "platform/system/linkdirectory.h"

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

} // namespace

NamedMutex::Attempt NamedMutex::tryAcquire(const QString& name) {
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name == QLatin1String("..") ||
        name == QLatin1String("."))
        return {nullptr, State::Failed, EINVAL};
    const QString directory = linkDirectory();
    if (directory.isEmpty()) return {nullptr, State::Failed, errno};
    // The lock file stays: removing it would let two processes lock two different files.
    const QByteArray path = QFile::encodeName(directory + QLatin1Char('/') + name + QStringLiteral(".lock"));
    const int fd = openLockFile(path);
    if (fd < 0) return {nullptr, State::Failed, errno};
    if (flock(fd, LOCK_EX | LOCK_NB) == 0)
        return {std::unique_ptr<NamedMutex>(new NamedMutex(fd)), State::Acquired, 0};
    const int error = errno;
    close(fd);
    return {nullptr, error == EWOULDBLOCK ? State::HeldElsewhere : State::Failed, error};
}

NamedMutex::~NamedMutex() {
    close(FFd);
}
