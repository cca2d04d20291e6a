// The date/time pass: values are days; the unit (clock units, days, months, years) follows the days
// per labelled interval. No tick is placed after 31 December 9999.
#include "scales/calendar.h"
#include "scales/datetimetext.h"
#include "scales/ticks.h"

#include <algorithm>
#include <cmath>

using enum ScaleEnums::TDateForTime;

namespace {

constexpr double kTolerance = 1e-8;

enum class DateUnit { None, Hundredths, Seconds, Minutes, Hours, Days, Months, Years };

struct ClockTable {
    ClockUnit unit;
    long long unitsPerDay;
    int steps[6];
    int spacings[6];
};

constexpr ClockTable kClockTables[] = {
    {ClockUnit::Hours, 24, {1, 2, 3, 6, 8, 12}, {1, 1, 1, 2, 2, 3}},
    {ClockUnit::Minutes, 1440, {1, 2, 5, 10, 20, 30}, {1, 1, 1, 2, 5, 10}},
    {ClockUnit::Seconds, 86400, {1, 2, 5, 10, 20, 30}, {1, 1, 1, 2, 5, 10}},
    {ClockUnit::Hundredths, 8640000, {1, 2, 5, 10, 20, 50}, {1, 1, 1, 5, 10, 10}},
};

DateUnit chooseUnit(double daysPerInterval, bool vertical) {
    struct Bound {
        double limit;
        DateUnit unit;
    };
    static const Bound horizontal[] = {{1.1574e-5, DateUnit::None},   {0.00069444, DateUnit::Seconds},
                                       {0.041667, DateUnit::Minutes}, {1, DateUnit::Hours},
                                       {30, DateUnit::Days},          {366, DateUnit::Months}};
    static const Bound verticalBounds[] = {{1.0 / 8640000, DateUnit::None},
                                           {1.0 / 86400, DateUnit::Hundredths},
                                           {1.0 / 1440, DateUnit::Seconds},
                                           {0.041667, DateUnit::Minutes},
                                           {1, DateUnit::Hours},
                                           {30, DateUnit::Days},
                                           {366, DateUnit::Months}};
    const auto pick = [daysPerInterval](const auto& table) {
        for (const Bound& b : table)
            if (daysPerInterval <= b.limit) return b.unit;
        return DateUnit::Years;
    };
    return vertical ? pick(verticalBounds) : pick(horizontal);
}

TickPass messagePass(const TickSettings& s, const QString& message, const QStringList& words) {
    TickPass pass;
    pass.kind = TickPassKind::DateTime;
    pass.message = message;
    pass.messageWords = words;
    pass.messageValue = (s.rangeLow + s.rangeHigh) / 2;
    return pass;
}

// Every date/time tick passes here: the range and the end of the calendar decide whether it is
// drawn (true) and whether the pass goes on (the bool returned by `more`).
struct DateTickSink {
    const TickSettings& s;
    TickPass pass;

    bool beyondEnd(double v) const { return v - s.rangeHigh >= kTolerance || v >= kLastDateDay + 1; }
    void add(double v, bool isLong, const QString& label) {
        if (v >= s.rangeLow - kTolerance)
            pass.ticks.push_back({v, isLong, true, isLong ? label : QString(), {}});
    }
};

long long floorMod(long long a, long long b) {
    return ((a % b) + b) % b;
}

// Date lines under clock labels, by DateForTime.
class DateLines {
public:
    explicit DateLines(const DateFormatSettings& format)
        : FFormat(format), FPattern(fullDatePattern(format)) {}

    QString lineFor(double v) {
        const int day = civilFromDays(static_cast<long long>(std::floor(v + 0.5 / kMsPerDay))).day;
        const bool show = FFormat.dateForTime == dtAllTicks ||
                          (FFormat.dateForTime != dtNone && FLastDay < 0) ||
                          (FFormat.dateForTime == dtOnePerDay && day != FLastDay);
        if (!show) return {};
        FLastDay = day;
        return FormatDateTime(FPattern, v);
    }

private:
    const DateFormatSettings& FFormat;
    QString FPattern;
    int FLastDay = -1;
};

void clockTicks(DateTickSink& sink, const ClockTable& table, double daysPerInterval) {
    const TickSettings& s = sink.s;
    const double wanted = table.unitsPerDay * daysPerInterval;
    int index = 0;
    for (int i = 0; i < 6; ++i)
        if (table.steps[i] <= wanted) index = i;
    const long long step = table.steps[index];
    const long long spacing = table.spacings[index];
    const long double perDay = static_cast<long double>(table.unitsPerDay);
    const long double day0 = std::floor(static_cast<long double>(s.rangeLow));
    // Units into rangeLow's day, rounded up; the slack absorbs the rounding of the value itself.
    const auto into = static_cast<long long>(std::ceil((s.rangeLow - day0) * perDay - 1e-6L));
    long long n = (into + step - 1) / step * step;
    const auto valueOf = [&](long long units) { return static_cast<double>(day0 + units / perDay); };
    if (s.shortTicks)
        while (valueOf(n) > s.rangeLow)
            n -= spacing;
    const long long increment = s.shortTicks ? spacing : step;
    const QString pattern = clockPattern(s.dateFormat, table.unit);
    DateLines dates(s.dateFormat);
    for (; !sink.beyondEnd(valueOf(n)); n += increment) {
        const double v = valueOf(n);
        const bool isLong = !s.shortTicks || floorMod(n, step) == 0;
        const std::size_t before = sink.pass.ticks.size();
        sink.add(v, isLong, FormatDateTime(pattern, v));
        if (isLong && sink.pass.ticks.size() > before) sink.pass.ticks.back().dateLine = dates.lineFor(v);
    }
}

void dayTicks(DateTickSink& sink, double daysPerInterval) {
    const TickSettings& s = sink.s;
    long long step = 1;
    for (long long candidate : {1, 2, 3, 7, 14, 28})
        if (candidate <= daysPerInterval) step = candidate;
    const long long spacing = step <= 7 ? 1 : 7;
    const CivilDate lowDate = civilFromDays(static_cast<long long>(std::floor(s.rangeLow)));
    const long long jan1 = daysFromCivil(lowDate.year, 1, 1);
    const long long first = jan1 + step * static_cast<long long>(std::trunc((s.rangeLow - jan1) / step));
    const long long increment = s.shortTicks ? spacing : step;
    const QString pattern = fullDatePattern(s.dateFormat);
    for (long long v = first; !sink.beyondEnd(static_cast<double>(v)); v += increment) {
        const bool isLong = !s.shortTicks || floorMod(v - first, step) == 0;
        sink.add(static_cast<double>(v), isLong, FormatDateTime(pattern, static_cast<double>(v)));
    }
}

void monthTicks(DateTickSink& sink) {
    const TickSettings& s = sink.s;
    const double wanted = (s.rangeHigh - s.rangeLow) / 30.4375 / std::max(s.minTicks, 1);
    int step = 1;
    for (int candidate : {1, 2, 3, 4, 6})
        if (candidate <= wanted) step = candidate;
    const CivilDate lowDate = civilFromDays(static_cast<long long>(std::floor(s.rangeLow)));
    long long month = lowDate.year * 12LL + (lowDate.month - 1); // months since year 0
    const auto monthOfYear = [](long long m) { return static_cast<int>(floorMod(m, 12)) + 1; };
    if (step > 1 && !s.shortTicks) do
            ++month;
        while (monthOfYear(month) % step != 1);
    const int increment = s.shortTicks ? 1 : step;
    const QString pattern = monthPattern(s.dateFormat);
    for (;; month += increment) {
        const auto v =
            static_cast<double>(daysFromCivil(static_cast<int>(month / 12), monthOfYear(month), 1));
        if (sink.beyondEnd(v)) break;
        const bool isLong = !s.shortTicks || step == 1 || monthOfYear(month) % step == 1;
        sink.add(v, isLong, FormatDateTime(pattern, v));
    }
}

void yearTicks(DateTickSink& sink) {
    const TickSettings& s = sink.s;
    const double years = std::max((s.rangeHigh - s.rangeLow) / 365.25 / std::max(s.minTicks, 1), 1.0);
    const double lg = std::log10(years);
    const double exponent = std::trunc(lg);
    const double mantissa = std::pow(10.0, lg - exponent);
    const int leading = mantissa < 2 ? 1 : mantissa < 5 ? 2 : 5;
    const auto step = static_cast<long long>(std::nearbyint(leading * std::pow(10.0, exponent)));
    const long long increment =
        (!s.shortTicks || step == 1)
            ? step
            : std::max(1LL, std::llround(std::nearbyint(step / (leading == 5 ? 5.0 : 2.0))));
    const long long lowDay = static_cast<long long>(std::floor(s.rangeLow));
    const int lowYear = civilFromDays(lowDay).year;
    long long year = (lowYear + increment - 1) / increment * increment;
    if (year == lowYear && s.rangeLow > daysFromCivil(lowYear, 1, 1) + kTolerance) year += increment;
    for (; year <= 9999; year += increment) {
        const auto v = static_cast<double>(daysFromCivil(static_cast<int>(year), 1, 1));
        if (sink.beyondEnd(v)) break;
        sink.add(v, !s.shortTicks || year % step == 0, yearLabel(s.dateFormat, v));
    }
}

} // namespace

TickPass dateTimeTickPass(const TickSettings& s) {
    if (!(s.rangeHigh >= s.rangeLow && s.rangeLow >= kFirstDateDay && s.rangeHigh <= 3000000))
        return messagePass(s, QStringLiteral("invalid DateTime scale"),
                           {QStringLiteral("invalid"), QStringLiteral("DateTime"), QStringLiteral("scale")});
    const double daysPerInterval = (s.rangeHigh - s.rangeLow) / std::max(s.minTicks, 1);
    const DateUnit unit = chooseUnit(daysPerInterval, s.vertical);
    if (unit == DateUnit::None)
        return messagePass(s, QStringLiteral("DateTime range is below 1 second"),
                           {QStringLiteral("DateTime"), QStringLiteral("range is"), QStringLiteral("below 1"),
                            QStringLiteral("second")});
    DateTickSink sink{s, {}};
    sink.pass.kind = TickPassKind::DateTime;
    switch (unit) {
    case DateUnit::Hundredths:
        clockTicks(sink, kClockTables[3], daysPerInterval);
        break;
    case DateUnit::Seconds:
        clockTicks(sink, kClockTables[2], daysPerInterval);
        break;
    case DateUnit::Minutes:
        clockTicks(sink, kClockTables[1], daysPerInterval);
        break;
    case DateUnit::Hours:
        clockTicks(sink, kClockTables[0], daysPerInterval);
        break;
    case DateUnit::Days:
        dayTicks(sink, daysPerInterval);
        break;
    case DateUnit::Months:
        monthTicks(sink);
        break;
    default:
        yearTicks(sink);
        break;
    }
    return sink.pass;
}
