// The limit dt -> 0 in numbers: the secant slopes at measuring point 1 over shorter and shorter
// time intervals, from the left (t1 - dt to t1) and from the right (t1 to t1 + dt), and under them
// the tangent's slope, as the central secant of single-point mode and exactly. Plain logic over a
// trip; the table widget, Copy table and the command line show it.
#pragma once

#include "app/trip.h"

#include <QChar>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

// One secant of a row. A secant that would leave the trip's time span has no values: the trip says
// nothing about the car outside it.
struct LimitSecant {
    bool OnTrip = false;
    double Ds = 0;       // the later distance less the earlier, km
    double Velocity = 0; // Ds / dt * 60, km/h
};

struct LimitRow {
    double Dt = 0;        // min
    LimitSecant Backward; // from t1 - dt to t1
    LimitSecant Forward;  // from t1 to t1 + dt
};

struct LimitTable {
    static constexpr std::array<double, 8> kIntervals{60, 30, 10, 5, 1, 0.5, 0.1, 0.01};
    double T1 = 0; // min
    std::array<LimitRow, kIntervals.size()> Rows;
    double CentralSecant = 0;    // km/h, the tangent as single-point mode measures it (measurement.h)
    std::optional<double> Exact; // s'(t1) * 60, km/h; none for a trip without an exact velocity
};

LimitTable limitTable(const Trip& trip, double t1);

// A secant as the table shows it, with a decimal point: the velocity with two decimals, and Ds with
// the fewest decimals (two at least) from which a student's Ds / dt * 60, worked out exactly and
// rounded to two decimals with ties away from zero, gives that velocity. A secant off the trip
// shows a dash ("\u2013") for both.
struct SecantTexts {
    QString Ds;
    QString Velocity;
};
SecantTexts secantTexts(double dt, const LimitSecant& secant);

// The words around the numbers, in the language in use.
struct LimitTableWords {
    QString Heading;  // %1: the trip's name, %2: the time of point 1 in min
    QString Trip;     // the trip's name
    QString Backward; // the side t1 - dt to t1
    QString Forward;  // the side t1 to t1 + dt
    QString Dt;
    QString Ds;
    QString Velocity;
    QString CentralSecant;
    QString Exact;
    QChar DecimalSeparator = QLatin1Char('.');
};

// The table as text cells, numbers with the words' decimal separator: the heading alone, the two
// sides' names over their columns, the column captions, one row per interval (dt, then Ds and
// velocity backward, then forward), and the two tangent rows (caption first, velocity last; a dash
// for a trip without an exact velocity).
std::vector<QStringList> limitTableCells(const LimitTable& table, const LimitTableWords& words);
inline constexpr int kLimitTableHeadRows = 3;
inline constexpr int kLimitTableColumns = 5;

// The cells as tab-separated lines, each ended by a line feed, for a spreadsheet.
QString limitTableText(const LimitTable& table, const LimitTableWords& words);
