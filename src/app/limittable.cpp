#include "app/limittable.h"

#include "app/tripmodel.h"
#include "app/velocitymodel.h"
#include "scales/labeltext.h"

namespace {

constexpr double kPerHour = 60;          // minutes
constexpr double kTangentHalfWidth = 0.5; // min, as single-point mode measures

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
        table.rows[i] = {dt, ds, ds / dt * kPerHour};
    }
    table.centralSecant = (tripProfileDistance(profile, t1 + kTangentHalfWidth) -
                           tripProfileDistance(profile, t1 - kTangentHalfWidth)) /
                          (2 * kTangentHalfWidth) * kPerHour;
    table.exact = tripProfileVelocity(profile, t1);
    return table;
}

std::vector<QStringList> limitTableCells(const LimitTable& table, const LimitTableCaptions& captions) {
    std::vector<QStringList> cells{{captions.dt, captions.ds, captions.velocity}};
    for (const LimitRow& row : table.rows)
        cells.push_back({QString::number(row.dt), FormatFloatField(1, 4, row.ds), velocityText(row.velocity)});
    cells.push_back({captions.centralSecant, QString(), velocityText(table.centralSecant)});
    cells.push_back({captions.exact, QString(), velocityText(table.exact)});
    return cells;
}

QString limitTableText(const LimitTable& table, const LimitTableCaptions& captions) {
    QString text;
    for (const QStringList& row : limitTableCells(table, captions))
        text += row.join(QLatin1Char('\t')) + QLatin1Char('\n');
    return text;
}
