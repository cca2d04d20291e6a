#include "app/limittable.h"

#include "app/tripmodel.h"
#include "app/velocitymodel.h"
#include "scales/labeltext.h"

namespace {

constexpr double kPerHour = 60; // minutes

QString velocityText(double v) {
    return FormatFloatField(1, 2, v);
}

} // namespace

LimitTable limitTable(int profile, double t1) {
    LimitTable table;
    const double s1 = tripProfileDistance(profile, t1);
    for (std::size_t i = 0; i < LimitTable::kIntervals.size(); ++i) {
        const double dt = LimitTable::kIntervals[i];
        const double ds = tripProfileDistance(profile, t1 + dt) - s1;
        table.Rows[i] = {dt, ds, ds / dt * kPerHour};
    }
    table.CentralSecant = (tripProfileDistance(profile, t1 + kTangentHalfWidth) -
                           tripProfileDistance(profile, t1 - kTangentHalfWidth)) /
                          (2 * kTangentHalfWidth) * kPerHour;
    table.Exact = tripProfileVelocity(profile, t1);
    return table;
}

std::vector<QStringList> limitTableCells(const LimitTable& table, const LimitTableCaptions& captions) {
    std::vector<QStringList> cells{{captions.Dt, captions.Ds, captions.Velocity}};
    for (const LimitRow& row : table.Rows)
        cells.push_back({QString::number(row.Dt), FormatFloatField(1, 4, row.Ds), velocityText(row.Velocity)});
    cells.push_back({captions.CentralSecant, QString(), velocityText(table.CentralSecant)});
    cells.push_back({captions.Exact, QString(), velocityText(table.Exact)});
    return cells;
}

QString limitTableText(const LimitTable& table, const LimitTableCaptions& captions) {
    QString text;
    for (const QStringList& row : limitTableCells(table, captions))
        text += row.join(QLatin1Char('\t')) + QLatin1Char('\n');
    return text;
}
