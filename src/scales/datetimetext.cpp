#include "scales/datetimetext.h"

#include <cmath>

using enum ScaleEnums::TDateOrder;
using enum ScaleEnums::TTimeFormat;
using enum ScaleEnums::TYearLength;

namespace {

const char* const kMonthNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};

struct DateTimeParts {
    CivilDate Date;
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
    int Ms = 0;
};

DateTimeParts splitValue(double value) {
    const long long totalMs = std::llround(value * kMsPerDay);
    long long day = totalMs / kMsPerDay;
    long long msOfDay = totalMs % kMsPerDay;
    if (msOfDay < 0) {
        msOfDay += kMsPerDay;
        --day;
    }
    DateTimeParts parts;
    parts.Date = civilFromDays(day);
    parts.Hour = static_cast<int>(msOfDay / 3600000);
    parts.Minute = static_cast<int>(msOfDay / 60000 % 60);
    parts.Second = static_cast<int>(msOfDay / 1000 % 60);
    parts.Ms = static_cast<int>(msOfDay % 1000);
    return parts;
}

QString number(int value, int digits) {
    return QStringLiteral("%1").arg(value, digits, 10, QLatin1Char('0'));
}

int runLength(const QString& pattern, qsizetype at) {
    const QChar c = pattern[at].toLower();
    qsizetype end = at;
    while (end < pattern.size() && pattern[end].toLower() == c)
        ++end;
    return static_cast<int>(end - at);
}

QString monthText(int month, int count) {
    if (count <= 2) return number(month, count);
    const QString name = QString::fromLatin1(kMonthNames[month - 1]);
    return count == 3 ? name.left(3) : name;
}

QString fractionText(int ms, int count) {
    if (count == 1) return number(ms / 100, 1);
    if (count == 2) return number(ms / 10, 2);
    return number(ms, 3);
}

int clockHour(int hour, bool twelveHour) {
    if (!twelveHour) return hour;
    return hour % 12 == 0 ? 12 : hour % 12;
}

// The text of one run of a pattern letter; empty QString() for a letter that is not a field.
QString fieldText(QChar letter, int count, const DateTimeParts& t, bool twelveHour) {
    switch (letter.toLower().toLatin1()) {
    case 'd':
        return number(t.Date.Day, std::min(count, 2));
    case 'm':
        return monthText(t.Date.Month, count);
    case 'y':
        return count <= 2 ? number(((t.Date.Year % 100) + 100) % 100, 2) : number(t.Date.Year, 4);
    case 'h':
        return number(clockHour(t.Hour, twelveHour), std::min(count, 2));
    case 'n':
        return number(t.Minute, std::min(count, 2));
    case 's':
        return number(t.Second, std::min(count, 2));
    case 'z':
        return fractionText(t.Ms, std::min(count, 3));
    default:
        return QString();
    }
}

const QString kAmPm = QStringLiteral("am/pm");

// A separator standing in quotes, so that the formatter copies it literally.
QString literal(QChar c) {
    const QChar quote = c == QLatin1Char('"') ? QLatin1Char('\'') : QLatin1Char('"');
    return QString(quote) + c + quote;
}

QString yearPattern(TYearLength length) {
    switch (length) {
    case ylYY:
        return QStringLiteral("yy");
    case ylYYYY:
        return QStringLiteral("yyyy");
    default:
        return {};
    }
}

QString joined(const QStringList& parts, const QString& separator) {
    QStringList present;
    for (const QString& part : parts)
        if (!part.isEmpty()) present << part;
    return present.join(separator);
}

} // namespace

QString FormatDateTime(const QString& pattern, double value) {
    if (!std::isfinite(value)) return {};
    const DateTimeParts parts = splitValue(value);
    const bool twelveHour = pattern.contains(kAmPm, Qt::CaseInsensitive);
    QString text;
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar c = pattern[i];
        if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            const qsizetype close = pattern.indexOf(c, i + 1);
            const qsizetype end = close < 0 ? pattern.size() : close;
            text += pattern.mid(i + 1, end - i - 1);
            i = end + 1;
        } else if (pattern.mid(i, kAmPm.size()).compare(kAmPm, Qt::CaseInsensitive) == 0) {
            text += parts.Hour < 12 ? QStringLiteral("am") : QStringLiteral("pm");
            i += kAmPm.size();
        } else {
            const int count = runLength(pattern, i);
            const QString field = fieldText(c, count, parts, twelveHour);
            text += field.isNull() ? pattern.mid(i, count) : field;
            i += count;
        }
    }
    return text;
}

CivilDate dateOf(double value) {
    return splitValue(value).Date;
}

QString fullDatePattern(const DateFormatSettings& format) {
    const QString day = QStringLiteral("dd");
    const QString month = format.MonthName ? QStringLiteral("mmm") : QStringLiteral("mm");
    const QString year = yearPattern(format.YearLength);
    const QString sep = literal(format.DateSeparator);
    switch (format.DateOrder) {
    case doMMDDYY:
        return joined({month, day, year}, sep);
    case doYYMMDD:
        // Without a year this order reads month first, as the month-day order does.
        return joined({year, month, day}, sep);
    default:
        return joined({day, month, year}, sep);
    }
}

QString monthPattern(const DateFormatSettings& format) {
    const QString month = format.MonthName ? QStringLiteral("mmm") : QStringLiteral("mm");
    const QString year = yearPattern(format.YearLength);
    const QString sep = literal(format.DateSeparator);
    if (format.DateOrder == doYYMMDD) return joined({year, month}, sep);
    return joined({month, year}, sep);
}

QString clockPattern(const DateFormatSettings& format, ClockUnit unit) {
    const QString sep = literal(format.TimeSeparator);
    const QString hh = QStringLiteral("hh");
    const QString nn = QStringLiteral("nn");
    switch (format.TimeFormat) {
    case tfHHhMM:
        switch (unit) {
        case ClockUnit::Hours:
            return QStringLiteral("h\"h\"");
        case ClockUnit::Minutes:
            return QStringLiteral("h\"h\"nn");
        case ClockUnit::Seconds:
            return QStringLiteral("h\"h\"nn") + sep + QStringLiteral("ss");
        default:
            return QStringLiteral("h\"h\"nn") + sep + QStringLiteral("ss.zz");
        }
    case tfAMPM:
        switch (unit) {
        case ClockUnit::Hours:
            return QStringLiteral("ham/pm");
        case ClockUnit::Minutes:
            return QStringLiteral("h") + sep + QStringLiteral("nnam/pm");
        case ClockUnit::Seconds:
            return QStringLiteral("h") + sep + QStringLiteral("nn\".\"ssam/pm");
        default:
            return QStringLiteral("h") + sep + QStringLiteral("nn\".\"ss.zzam/pm");
        }
    default:
        switch (unit) {
        case ClockUnit::Hours:
        case ClockUnit::Minutes:
            return hh + sep + nn;
        case ClockUnit::Seconds:
            return hh + sep + nn + sep + QStringLiteral("ss");
        default:
            return hh + sep + nn + sep + QStringLiteral("ss.zz");
        }
    }
}

QString yearLabel(const DateFormatSettings& format, double value) {
    if (format.YearLength == ylNone) return {};
    if (format.YearLength == ylYY) return FormatDateTime(QStringLiteral("yy"), value);
    QString text = FormatDateTime(QStringLiteral("yyyy"), value);
    while (text.size() > 1 && text.startsWith(QLatin1Char('0')))
        text.remove(0, 1);
    return text;
}
