#include "platform/system/linkrecord.h"

#include "platform/system/linkdirectory.h"
#include "platform/system/regularfile.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <functional>
#include <signal.h>

namespace {

// A record is a few short lines.
constexpr qint64 kMaxRecordSize = 64 * 1024;

bool processAlive(qint64 pid) {
    return pid > 0 && (kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

std::optional<LinkRecord> readRecord(const QString& path) {
    const std::optional<QByteArray> bytes = readRegularFile(QFile::encodeName(path), kMaxRecordSize);
    return bytes ? decodeLinkRecord(*bytes) : std::nullopt;
}

std::optional<LinkHandle> handleOfRecordName(const QString& fileName) {
    bool ok = false;
    const LinkHandle handle = fileName.chopped(5).toUInt(&ok, 16);
    return ok && handle != 0 ? std::optional(handle) : std::nullopt;
}

// The handle of the first live link window whose record fits, or 0.
LinkHandle findLinkWindowWhere(const std::function<bool(const LinkRecord&)>& fits) {
    const QString directory = linkDirectory();
    if (directory.isEmpty()) return 0;
    // Filtered by hand: a name pattern would compile a regular expression at every start.
    const QStringList names = QDir(directory).entryList(QDir::Files, QDir::Name);
    for (const QString& name : names) {
        if (!name.endsWith(QLatin1String(".link"))) continue;
        const std::optional<LinkHandle> handle = handleOfRecordName(name);
        const std::optional<LinkRecord> record = readRecord(directory + QLatin1Char('/') + name);
        if (handle && record && fits(*record) && processAlive(record->Pid)) return *handle;
    }
    return 0;
}

} // namespace

LinkHandle findLinkWindow(const QString& className, const QString& title) {
    return findLinkWindowWhere(
        [&](const LinkRecord& record) { return record.ClassName == className && record.Title == title; });
}

LinkHandle findLinkWindowOfProcess(const QString& className, qint64 pid) {
    if (pid <= 0) return 0;
    return findLinkWindowWhere(
        [&](const LinkRecord& record) { return record.ClassName == className && record.Pid == pid; });
}

bool isLinkWindow(LinkHandle handle) {
    const QString directory = linkDirectory();
    if (handle == 0 || directory.isEmpty()) return false;
    const std::optional<LinkRecord> record = readRecord(linkRecordPath(directory, handle));
    return record && processAlive(record->Pid);
}
