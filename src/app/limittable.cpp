#include "app/limittable.h"

#include "app/decimalseparator.h"
#include "app/measurement.h"
#include "scales/labeltext.h"

#include <cmath>

namespace {

constexpr int kVelocityDecimals = 2;
constexpr int kLeastDsDecimals = 2;
// Far more than any row needs; Ds at this many decimals times 60 / dt still fits in 64 bits.
constexpr int kMostDsDecimals = 12;
constexpr QChar kNoValue(0x2013); // en dash

// From `from` to `to`, dt apart.
LimitSecant secant(const Trip& trip, double from, double to, double dt) {
    const TripSpan span = trip.timeSpan();
    if (!(from >= span.Start && to <= span.End)) return {};
    const double ds = trip.distanceAt(to) - trip.distanceAt(from);
    return {true, ds, secantVelocity(ds, dt)};
}

// A fixed-decimal text's digits as a whole number: "-0.0104" gives -104.
qint64 scaledDigits(const QString& fixed) {
    return QString(fixed).remove(QLatin1Char('.')).toLongLong();
}

qint64 powerOfTen(int exponent) {
    qint64 power = 1;
    for (int i = 0; i < exponent; ++i)
        power *= 10;
    return power;
}

// A student's velocity from Ds shown with `decimals` decimals, in hundredths of km/h: Ds * 60 / dt
// worked out exactly (60 / dt is a whole number for every interval) and rounded, ties away from zero.
qint64 velocityByHand(qint64 dsDigits, int decimals, qint64 perHourFactor) {
    const qint64 product = dsDigits * perHourFactor;
    const qint64 unit = powerOfTen(decimals - kVelocityDecimals);
    const qint64 whole = product / unit;
    const qint64 rest = product % unit;
    return 2 * std::abs(rest) >= unit ? whole + (product < 0 ? -1 : 1) : whole;
}

QString velocityText(double v, QChar separator) {
    return withDecimalSeparator(FormatFloatField(1, kVelocityDecimals, v), separator);
}

QStringList intervalRow(const LimitRow& row, QChar separator) {
    QStringList cells{withDecimalSeparator(QString::number(row.Dt), separator)};
    for (const LimitSecant& side : {row.Backward, row.Forward}) {
        const SecantTexts texts = secantTexts(row.Dt, side);
        cells << withDecimalSeparator(texts.Ds, separator) << withDecimalSeparator(texts.Velocity, separator);
    }
    return cells;
}

QStringList tangentRow(const QString& caption, std::optional<double> velocity, QChar separator) {
    QStringList cells(kLimitTableColumns);
    cells.front() = caption;
    cells.back() = velocity ? velocityText(*velocity, separator) : QString(kNoValue);
    return cells;
}

} // namespace

LimitTable limitTable(const Trip& trip, double t1) {
    LimitTable table;
    table.T1 = t1;
    for (std::size_t i = 0; i < LimitTable::kIntervals.size(); ++i) {
        const double dt = LimitTable::kIntervals[i];
        table.Rows[i] = {dt, secant(trip, t1 - dt, t1, dt), secant(trip, t1, t1 + dt, dt)};
    }
    table.CentralSecant = centralSecant(trip, t1).Velocity;
    table.Exact = trip.exactVelocity(t1);
    return table;
}

SecantTexts secantTexts(double dt, const LimitSecant& secant) {
    if (!secant.OnTrip) return {kNoValue, kNoValue};
    const QString velocity = FormatFloatField(1, kVelocityDecimals, secant.Velocity);
    const qint64 shown = scaledDigits(velocity);
    const qint64 factor = std::lround(kMinutesPerHour / dt);
    int decimals = kLeastDsDecimals;
    QString ds = FormatFloatField(1, decimals, secant.Ds);
    while (decimals < kMostDsDecimals && velocityByHand(scaledDigits(ds), decimals, factor) != shown)
        ds = FormatFloatField(1, ++decimals, secant.Ds);
    return {ds, velocity};
}

std::vector<QStringList> limitTableCells(const LimitTable& table, const LimitTableWords& words) {
    const QChar separator = words.DecimalSeparator;
    std::vector<QStringList> cells{
        {words.Heading.arg(words.Trip, withDecimalSeparator(FormatFloatField(1, 1, table.T1), separator))},
        {QString(), words.Backward, QString(), words.Forward, QString()},
        {words.Dt, words.Ds, words.Velocity, words.Ds, words.Velocity}};
    for (const LimitRow& row : table.Rows)
        cells.push_back(intervalRow(row, separator));
    cells.push_back(tangentRow(words.CentralSecant, table.CentralSecant, separator));
    cells.push_back(tangentRow(words.Exact, table.Exact, separator));
    return cells;
}

QString limitTableText(const LimitTable& table, const LimitTableWords& words) {
    QString text;
    for (const QStringList& row : limitTableCells(table, words))
        text += row.join(QLatin1Char('\t')) + QLatin1Char('\n');
    return text;
}
