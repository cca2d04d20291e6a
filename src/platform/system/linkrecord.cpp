#include "platform/system/linkrecord.h"

#include <QList>

namespace {

const QByteArray kRecordTag = QByteArrayLiteral("kyvelo-link 1");

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
