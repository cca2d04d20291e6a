#include "platform/system/linkrecord.h"

#include "platform/system/linkdirectory.h"
#include "platform/system/regularfile.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <functional>
#include <signal.h>

namespace {

const QByteArray kRecordTag = QByteArrayLiteral("kyvelo-link 1");
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

} // namespace

QByteArray encodeLinkRecord(const LinkRecord& record) {
    return kRecordTag + '\n' + QByteArray::number(record.Pid) + '\n' + record.ClassName.toUtf8() + '\n' +
           record.Title.toUtf8() + '\n';
}

std::optional<LinkRecord> decodeLinkRecord(const QByteArray& bytes) {
    // A complete record ends with its fourth line break; a title has none of its own.
    const QList<QByteArray> lines = bytes.split('\n');
    if (lines.size() != 5 || lines[0] != kRecordTag || !lines[4].isEmpty()) return std::nullopt;
    bool ok = false;
    const qint64 pid = lines[1].toLongLong(&ok);
    if (!ok || pid <= 0) return std::nullopt;
    return LinkRecord{pid, QString::fromUtf8(lines[2]), QString::fromUtf8(lines[3])};
}

QString linkRecordPath(const QString& directory, LinkHandle handle) {
    return directory + QStringLiteral("/%1.link").arg(handle, 8, 16, QLatin1Char('0'));
}

QString linkSocketPath(const QString& directory, LinkHandle handle) {
    return directory + QStringLiteral("/%1.sock").arg(handle, 8, 16, QLatin1Char('0'));
}

namespace {

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
