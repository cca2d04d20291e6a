#include "hostlink/timestamp.h"

#include "platform/numbers/calendar.h"

namespace {

constexpr qint64 kBurst = 1000; // ms a burst of requests may run ahead of the clock

qint64 msOf(LinkTimeStamp stamp) {
    return stamp.Date * kMsPerDay + stamp.Time;
}

LinkTimeStamp stampOf(qint64 ms) {
    return {static_cast<qint32>(ms % kMsPerDay), static_cast<qint32>(ms / kMsPerDay)};
}

} // namespace

LinkTimeStamp timeStampOf(const QDateTime& local) {
    const QDate date = local.date();
    const long long day = daysFromCivil(date.year(), date.month(), date.day()) - kFirstDateDay + 1;
    return {local.time().msecsSinceStartOfDay(), static_cast<qint32>(day)};
}

LinkTimeStamp currentTimeStamp() {
    return timeStampOf(QDateTime::currentDateTime());
}

LinkTimeStamp nextTimeStamp(LinkTimeStamp now, LinkTimeStamp last) {
    const qint64 ahead = msOf(last) - msOf(now);
    return ahead >= 0 && ahead < kBurst ? stampOf(msOf(last) + 1) : now;
}
