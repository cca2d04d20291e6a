// The identity of a request: local time of day in milliseconds and the day number counted from
// 1 January 0001 as day 1. A reply carries the stamp of its request.
#pragma once

#include <QDateTime>
#include <QtGlobal>

struct LinkTimeStamp {
    qint32 Time = 0;
    qint32 Date = 0;
    bool operator==(const LinkTimeStamp&) const = default;
};

LinkTimeStamp timeStampOf(const QDateTime& local);
LinkTimeStamp currentTimeStamp();
// The stamp of a link's next request at time `now`, after its last request stamped `last`: `now`,
// unless that is not later than `last` by less than a second (requests in the same millisecond, or
// a burst that ran ahead of the clock); then one millisecond after `last`, so that no two requests
// share an identity. A clock set back further is followed.
LinkTimeStamp nextTimeStamp(LinkTimeStamp now, LinkTimeStamp last);
