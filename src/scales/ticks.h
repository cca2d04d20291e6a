// Tick passes: each divides a scale's range into the ordered ticks a drawing pass draws (value,
// long or short, label, whether it goes into the scale's tick list) or, for date/time scales
// that cannot be divided, a message to show instead. Plain value objects; the scale control only
// draws them.
#pragma once

#include "scales/dateformat.h"
#include "scales/scaleenums.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

struct Tick {
    double Value = 0;
    bool IsLong = false;   // long (major) ticks carry the labels
    bool Recorded = false; // goes into the scale's tick list
    QString Label;
    QString DateLine; // second label line with the date under a clock label, or empty
};

enum class TickPassKind { Linear, Logarithmic, TimeOfDay, DateTime };

struct TickPass {
    TickPassKind Kind = TickPassKind::Linear;
    std::vector<Tick> Ticks; // in drawing order
    // Non-empty instead of ticks when a date/time range cannot be divided; shown at MessageValue,
    // in one line on horizontal scales and in MessageWords stacked on vertical ones.
    QString Message;
    QStringList MessageWords;
    double MessageValue = 0;
};

// Everything a tick pass needs to know of its scale.
struct TickSettings {
    double RangeLow = 0;
    double RangeHigh = 100;
    int MinTicks = 3;
    bool ShortTicks = true;
    int DecPlaces = -2;
    TFigType LabelType = TFigType::ftNum;
    bool Logarithmic = false;
    bool Vertical = false;
    QString UserTickText;
    QString ScaleInscript;
    DateFormatSettings DateFormat;
};

// The capacity of a scale's tick list; later ticks are drawn but not recorded.
constexpr int kTickListCapacity = 250;

TickPass linearTickPass(const TickSettings& settings);
// Falls back to the linear pass for ranges of less than one decade (or not wholly positive).
TickPass logTickPass(const TickSettings& settings);
// Declines (nullopt) when a labelled interval would be a day or more, or less than a millisecond.
std::optional<TickPass> timeTickPass(const TickSettings& settings);
TickPass dateTimeTickPass(const TickSettings& settings);

// The pass the label type selects: date/time, time of day (falling back), logarithmic or linear.
TickPass runTickPass(const TickSettings& settings);

// The tick list of a pass: the recorded values in drawing order, at most kTickListCapacity.
std::vector<double> recordedTicks(const TickPass& pass);
