// The date/time pass: values are days; the unit (clock units, days, months, years) follows the days
// per labelled interval. No tick is placed after 31 December 9999.
#include "platform/numbers/calendar.h"
#include "scales/datetimetext.h"
#include "scales/ticks.h"

#include <algorithm>
#include <cmath>

using enum ScaleEnums::TDateForTime;

namespace {

constexpr double kTolerance = 1e-8;

enum class DateUnit { None, Hundredths, Seconds, Minutes, Hours, Days, Months, Years };

struct ClockTable {
    ClockUnit Unit;
    long long UnitsPerDay;
    int Steps[6];
    int Spacings[6];
};

constexpr ClockTable kClockTables[] = {
    {ClockUnit::Hours, 24, {1, 2, 3, 6, 8, 12}, {1, 1, 1, 2, 2, 3}},
    {ClockUnit::Minutes, 1440, {1, 2, 5, 10, 20, 30}, {1, 1, 1, 2, 5, 10}},
    {ClockUnit::Seconds, 86400, {1, 2, 5, 10, 20, 30}, {1, 1, 1, 2, 5, 10}},
    {ClockUnit::Hundredths, 8640000, {1, 2, 5, 10, 20, 50}, {1, 1, 1, 5, 10, 10}},
};

DateUnit chooseUnit(double daysPerInterval, bool vertical) {
    struct Bound {
        double Limit;
        DateUnit Unit;
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
            if (daysPerInterval <= b.Limit) return b.Unit;
        return DateUnit::Years;
    };
    return vertical ? pick(verticalBounds) : pick(horizontal);
}

TickPass messagePass(const TickSettings& s, const QString& message, const QStringList& words) {
    TickPass pass;
    pass.Kind = TickPassKind::DateTime;
    pass.Message = message;
    pass.MessageWords = words;
    pass.MessageValue = (s.RangeLow + s.RangeHigh) / 2;
    return pass;
}

// Every date/time tick passes here: the range and the end of the calendar decide whether it is
// drawn (true) and whether the pass goes on (the bool returned by `more`).
struct DateTickSink {
    const TickSettings& S;
    TickPass Pass;

    bool beyondEnd(double v) const { return v - S.RangeHigh >= kTolerance || v >= kLastDateDay + 1; }
    void add(double v, bool isLong, const QString& label) {
        if (v >= S.RangeLow - kTolerance)
            Pass.Ticks.push_back({v, isLong, true, isLong ? label : QString(), {}});
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
        const int day = dateOf(v).Day;
        const bool show = FFormat.DateForTime == dtAllTicks ||
                          (FFormat.DateForTime != dtNone && FLastDay < 0) ||
                          (FFormat.DateForTime == dtOnePerDay && day != FLastDay);
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
    const TickSettings& s = sink.S;
    const double wanted = table.UnitsPerDay * daysPerInterval;
    int index = 0;
    for (int i = 0; i < 6; ++i)
        if (table.Steps[i] <= wanted) index = i;
    const long long step = table.Steps[index];
    const long long spacing = table.Spacings[index];
    const long double perDay = static_cast<long double>(table.UnitsPerDay);
    const long double day0 = std::floor(static_cast<long double>(s.RangeLow));
    // Units into RangeLow's day, rounded up; the slack absorbs the rounding of the value itself.
    const auto into = static_cast<long long>(std::ceil((s.RangeLow - day0) * perDay - 1e-6L));
    long long n = (into + step - 1) / step * step;
    const auto valueOf = [&](long long units) { return static_cast<double>(day0 + units / perDay); };
    if (s.ShortTicks)
        while (valueOf(n) > s.RangeLow)
            n -= spacing;
    const long long increment = s.ShortTicks ? spacing : step;
    const QString pattern = clockPattern(s.DateFormat, table.Unit);
    DateLines dates(s.DateFormat);
    for (; !sink.beyondEnd(valueOf(n)); n += increment) {
        const double v = valueOf(n);
        const bool isLong = !s.ShortTicks || floorMod(n, step) == 0;
        const std::size_t before = sink.Pass.Ticks.size();
        sink.add(v, isLong, FormatDateTime(pattern, v));
        if (isLong && sink.Pass.Ticks.size() > before) sink.Pass.Ticks.back().DateLine = dates.lineFor(v);
    }
}

void dayTicks(DateTickSink& sink, double daysPerInterval) {
    const TickSettings& s = sink.S;
    long long step = 1;
    for (long long candidate : {1, 2, 3, 7, 14, 28})
        if (candidate <= daysPerInterval) step = candidate;
    const long long spacing = step <= 7 ? 1 : 7;
    const CivilDate lowDate = civilFromDays(static_cast<long long>(std::floor(s.RangeLow)));
    const long long jan1 = daysFromCivil(lowDate.Year, 1, 1);
    const long long first = jan1 + step * static_cast<long long>(std::trunc((s.RangeLow - jan1) / step));
    const long long increment = s.ShortTicks ? spacing : step;
    const QString pattern = fullDatePattern(s.DateFormat);
    for (long long v = first; !sink.beyondEnd(static_cast<double>(v)); v += increment) {
        const bool isLong = !s.ShortTicks || floorMod(v - first, step) == 0;
        sink.add(static_cast<double>(v), isLong, FormatDateTime(pattern, static_cast<double>(v)));
    }
}

void monthTicks(DateTickSink& sink) {
    const TickSettings& s = sink.S;
    const double wanted = (s.RangeHigh - s.RangeLow) / 30.4375 / std::max(s.MinTicks, 1);
    int step = 1;
    for (int candidate : {1, 2, 3, 4, 6})
        if (candidate <= wanted) step = candidate;
    const CivilDate lowDate = civilFromDays(static_cast<long long>(std::floor(s.RangeLow)));
    long long month = lowDate.Year * 12LL + (lowDate.Month - 1); // months since year 0
    const auto monthOfYear = [](long long m) { return static_cast<int>(floorMod(m, 12)) + 1; };
    if (step > 1 && !s.ShortTicks) do
            ++month;
        while (monthOfYear(month) % step != 1);
    const int increment = s.ShortTicks ? 1 : step;
    const QString pattern = monthPattern(s.DateFormat);
    for (;; month += increment) {
        const auto v =
            static_cast<double>(daysFromCivil(static_cast<int>(month / 12), monthOfYear(month), 1));
        if (sink.beyondEnd(v)) break;
        const bool isLong = !s.ShortTicks || step == 1 || monthOfYear(month) % step == 1;
        sink.add(v, isLong, FormatDateTime(pattern, v));
    }
}

void yearTicks(DateTickSink& sink) {
    const TickSettings& s = sink.S;
    const double years = std::max((s.RangeHigh - s.RangeLow) / 365.25 / std::max(s.MinTicks, 1), 1.0);
    const double lg = std::log10(years);
    const double exponent = std::trunc(lg);
    const double mantissa = std::pow(10.0, lg - exponent);
    const int leading = mantissa < 2 ? 1 : mantissa < 5 ? 2 : 5;
    const auto step = static_cast<long long>(std::nearbyint(leading * std::pow(10.0, exponent)));
    const long long increment =
        (!s.ShortTicks || step == 1)
            ? step
            : std::max(1LL, std::llround(std::nearbyint(step / (leading == 5 ? 5.0 : 2.0))));
    const long long lowDay = static_cast<long long>(std::floor(s.RangeLow));
    const int lowYear = civilFromDays(lowDay).Year;
    long long year = (lowYear + increment - 1) / increment * increment;
    if (year == lowYear && s.RangeLow > daysFromCivil(lowYear, 1, 1) + kTolerance) year += increment;
    for (;; year += increment) {
        const auto v = static_cast<double>(daysFromCivil(static_cast<int>(year), 1, 1));
        if (sink.beyondEnd(v)) break;
        sink.add(v, !s.ShortTicks || year % step == 0, yearLabel(s.DateFormat, v));
    }
}

} // namespace

TickPass dateTimeTickPass(const TickSettings& s) {
    if (!(s.RangeHigh >= s.RangeLow && s.RangeLow >= kFirstDateDay && s.RangeHigh <= 3000000))
        return messagePass(s, QStringLiteral("invalid DateTime scale"),
                           {QStringLiteral("invalid"), QStringLiteral("DateTime"), QStringLiteral("scale")});
    const double daysPerInterval = (s.RangeHigh - s.RangeLow) / std::max(s.MinTicks, 1);
    const DateUnit unit = chooseUnit(daysPerInterval, s.Vertical);
    if (unit == DateUnit::None)
        return messagePass(s, QStringLiteral("DateTime range is below 1 second"),
                           {QStringLiteral("DateTime"), QStringLiteral("range is"), QStringLiteral("below 1"),
                            QStringLiteral("second")});
    DateTickSink sink{s, {}};
    sink.Pass.Kind = TickPassKind::DateTime;
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
    return sink.Pass;
}
