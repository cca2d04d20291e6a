// The small record beside each link window's socket: which process owns it, its class name and its
// title. Finding a window means scanning these records; a record whose process has died is stale.
// On Windows the link windows are real windows, found by the system (FindWindowExA); there are no
// records.
#pragma once

#include "platform/system/linkframe.h"

#include <QByteArray>
#include <QString>

#include <optional>

struct LinkRecord {
    qint64 Pid = 0;
    QString ClassName;
    QString Title;
};

QByteArray encodeLinkRecord(const LinkRecord& record);
// None for anything that is not a complete record (a half-written one among them).
std::optional<LinkRecord> decodeLinkRecord(const QByteArray& bytes);

QString linkRecordPath(const QString& directory, LinkHandle handle);
QString linkSocketPath(const QString& directory, LinkHandle handle);

// The handle of a live link window with exactly this class name and title, or 0.
LinkHandle findLinkWindow(const QString& className, const QString& title);
// The handle of a live link window of this class that process pid owns, or 0.
LinkHandle findLinkWindowOfProcess(const QString& className, qint64 pid);
// True when handle names a link window whose process is alive.
bool isLinkWindow(LinkHandle handle);
