#include "hostlink/timestamp.h"

namespace {

// Julian day number of the day before 1 January 0001 (proleptic Gregorian calendar).
constexpr qint64 kDayZero = 1721425;

} // namespace

TTimeStamp timeStampOf(const QDateTime& local) {
    return {local.time().msecsSinceStartOfDay(), static_cast<qint32>(local.date().toJulianDay() - kDayZero)};
}

TTimeStamp currentTimeStamp() {
    return timeStampOf(QDateTime::currentDateTime());
}
