#include "platform/system/linkdirectory.h"

#include "platform/system/lasterror.h"

#include <QDir>
#include <QFile>
#include <QStringList>

#include <cerrno>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// The longest name of a file in the directory: a socket "01234567.sock".
constexpr qsizetype kLongestEntry = 14;

// Why the existing directory at path may not be used, or empty when it may: it must be a
// directory of this user that the user can write to and, with mustBePrivate, that nobody else may
// enter (nor may it be a symbolic link then).
QString refusal(const QByteArray& path, bool mustBePrivate) {
    struct stat info {};
    if ((mustBePrivate ? lstat(path.constData(), &info) : stat(path.constData(), &info)) != 0)
        return systemErrorText(errno);
    errno = EACCES;
    if (!S_ISDIR(info.st_mode)) return QStringLiteral("it is not a directory");
    if (info.st_uid != getuid()) return QStringLiteral("it belongs to another user");
    if (mustBePrivate && (info.st_mode & 077) != 0) return QStringLiteral("other users may enter it");
    if (access(path.constData(), W_OK | X_OK) != 0) return systemErrorText(errno);
    return {};
}

// Makes the link directory at path when it is missing; why it cannot be used, or empty.
QString useAsLinkDirectory(const QString& path) {
    const QByteArray native = QFile::encodeName(path);
    if (native.size() + 1 + kLongestEntry >= static_cast<qsizetype>(sizeof sockaddr_un{}.sun_path)) {
        errno = ENAMETOOLONG;
        return QStringLiteral("the path is too long for the names of sockets");
    }
    if (mkdir(native.constData(), 0700) != 0 && errno != EEXIST) return systemErrorText(errno);
    return refusal(native, true);
}

// $XDG_RUNTIME_DIR/kyvelo-link, or why it cannot be used.
QString runtimeCandidate(const QString& runtime, QStringList* problems) {
    if (!QDir::isAbsolutePath(runtime)) {
        problems->append(QStringLiteral("XDG_RUNTIME_DIR \"%1\" is not an absolute path").arg(runtime));
        return {};
    }
    // The runtime directory must be the user's own; root writing into another user's would take
    // that user's link directory.
    if (const QString why = refusal(QFile::encodeName(runtime), false); !why.isEmpty()) {
        problems->append(QStringLiteral("%1: %2").arg(runtime, why));
        return {};
    }
    const QString path = runtime + QStringLiteral("/kyvelo-link");
    if (const QString why = useAsLinkDirectory(path); !why.isEmpty()) {
        problems->append(QStringLiteral("%1: %2").arg(path, why));
        return {};
    }
    return path;
}

} // namespace

LinkDirectory findLinkDirectory() {
    QStringList problems;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty()) {
        const QString path = runtimeCandidate(runtime, &problems);
        if (!path.isEmpty()) return {path, {}};
    }
    const QString temp = QDir::tempPath();
    const QString fallback = (QDir::isAbsolutePath(temp) ? temp : QStringLiteral("/tmp")) +
                             QStringLiteral("/kyvelo-link-%1").arg(getuid());
    const QString why = useAsLinkDirectory(fallback);
    if (why.isEmpty()) return {fallback, problems.join(QStringLiteral("; "))};
    const int error = errno;
    problems.append(QStringLiteral("%1: %2").arg(fallback, why));
    errno = error;
    return {QString(), problems.join(QStringLiteral("; "))};
}

QString linkDirectory() {
    return findLinkDirectory().Path;
}
