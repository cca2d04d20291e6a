#include "hostlink/timestamp.h"

namespace {

// Julian day number of the day before 1 January 0001 (proleptic Gregorian calendar).
constexpr qint64 kDayZero = 1721425;
constexpr qint64 kMsPerDay = 86400000;
constexpr qint64 kBurst = 1000; // ms a burst of requests may run ahead of the clock

qint64 msOf(TTimeStamp stamp) {
    return stamp.Date * kMsPerDay + stamp.Time;
}

TTimeStamp stampOf(qint64 ms) {
    return {static_cast<qint32>(ms % kMsPerDay), static_cast<qint32>(ms / kMsPerDay)};
}

} // namespace

TTimeStamp timeStampOf(const QDateTime& local) {
    return {local.time().msecsSinceStartOfDay(), static_cast<qint32>(local.date().toJulianDay() - kDayZero)};
}

TTimeStamp currentTimeStamp() {
    return timeStampOf(QDateTime::currentDateTime());
}

TTimeStamp nextTimeStamp(TTimeStamp now, TTimeStamp last) {
    const qint64 ahead = msOf(last) - msOf(now);
    return ahead >= 0 && ahead < kBurst ? stampOf(msOf(last) + 1) : now;
}
