#include "platform/system/linkdirectory.h"

#include <QDir>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString candidatePath() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty()) return runtime + QStringLiteral("/kyvelo-link");
    return QDir::tempPath() + QStringLiteral("/kyvelo-link-%1").arg(getuid());
}

bool isPrivateDirectory(const QByteArray& path) {
    struct stat info {};
    if (lstat(path.constData(), &info) != 0) return false;
    if (!S_ISDIR(info.st_mode) || info.st_uid != getuid() || (info.st_mode & 077) != 0) {
        errno = EACCES;
        return false;
    }
    return true;
}

} // namespace

QString linkDirectory() {
    const QString path = candidatePath();
    const QByteArray native = QFile::encodeName(path);
    if (mkdir(native.constData(), 0700) != 0 && errno != EEXIST) return {};
    return isPrivateDirectory(native) ? path : QString();
}
