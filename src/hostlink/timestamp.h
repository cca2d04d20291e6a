// The identity of a request: local time of day in milliseconds and the day number counted from
// 1 January 0001 as day 1. A reply carries the stamp of its request.
#pragma once

#include <QDateTime>
#include <QtGlobal>

struct TTimeStamp {
    qint32 Time = 0;
    qint32 Date = 0;
    bool operator==(const TTimeStamp&) const = default;
};

TTimeStamp timeStampOf(const QDateTime& local);
TTimeStamp currentTimeStamp();
