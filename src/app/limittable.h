// The limit dt -> 0 in numbers: the secant slopes from measuring point 1 over shorter and shorter
// time intervals, and under them the tangent's slope, as the central secant of single-point mode
// and exactly. Plain logic over the trip model; the table widget and the command line show it.
#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

struct LimitRow {
    double Dt = 0;       // min
    double Ds = 0;       // s(t1 + dt) - s(t1), km
    double Velocity = 0; // ds / dt * 60, km/h
};

struct LimitTable {
    static constexpr std::array<double, 8> kIntervals{60, 30, 10, 5, 1, 0.5, 0.1, 0.01};
    std::array<LimitRow, kIntervals.size()> Rows;
    double CentralSecant = 0; // (s(t1 + 0.5) - s(t1 - 0.5)) * 60, km/h
    double Exact = 0;         // s'(t1) * 60, km/h
};

LimitTable limitTable(int profile, double t1);

struct LimitTableCaptions {
    QString Dt = QStringLiteral("dt [min]");
    QString Ds = QStringLiteral("ds [km]");
    QString Velocity = QStringLiteral("ds/dt [km/h]");
    QString CentralSecant = QStringLiteral("Tangent, central secant");
    QString Exact = QStringLiteral("Tangent, exact");
};

// The table as text cells: a header row, one row per interval, then the two tangent rows (their
// caption in the first column, the second empty). Numbers with a decimal point whatever the
// language: dt as given, ds with four decimals, velocities with two.
std::vector<QStringList> limitTableCells(const LimitTable& table, const LimitTableCaptions& captions);

// The cells as tab-separated lines, each ended by a line feed, for a spreadsheet.
QString limitTableText(const LimitTable& table, const LimitTableCaptions& captions);
