// Label texts of the scales and the shared fixed-width number text: numbers with fixed or automatic
// decimals, scientific notation, time of day, user-supplied tick texts and the unit inscription.
// Plain text logic; the tick passes call it, the scale control only places the results.
#pragma once

#include <QString>

// x right-aligned in a field of abs(width) characters with `decimals` decimals (ties away from
// zero). decimals = -2 selects scientific notation with a two-digit exponent; an exponent that
// needs more digits gives a row of "*". A negative width pads with zeros instead of blanks
// (FormatFloatField(-6, 1, -3.5) = "-003.5").
QString FormatFloatField(int width, int decimals, double x);

// The scale's variant: no zero padding, and scientific notation for decimals = -1.
QString ScaleNumberText(int width, int decimals, double x);

// Decimals of linear scale labels: `decPlaces` itself unless it asks for automatic ones (-2, -3);
// -1 means scientific notation.
int AutoDecimals(int decPlaces, double high, double low);
// Decimals of logarithmic scale labels (automatic only for -2).
int AutoDecimalsLog(int decPlaces, double high, double low);

// Time of day for t seconds: sign (" " or "-"), hours, minutes and seconds of two digits at least,
// and with `withFraction` "." and three digits of milliseconds (TimeText(true, 3723.5) =
// " 01:02:03.500"). Hours do not wrap at 24.
QString TimeText(bool withFraction, double seconds);

// The index-th (1-based) "|"-separated piece of list; past the end the last piece again.
QString UserTickTextItem(const QString& list, int index);

// Puts number where inscript has its first "&" (in front of an inscript without one);
// an empty number stays empty.
QString ApplyInscript(const QString& number, const QString& inscript);

// Label settings shared by the numeric label rules of the linear and logarithmic passes.
struct NumberLabelSettings {
    double RangeLow = 0;
    double RangeHigh = 1;
    int DecPlaces = -2;
    bool UserText = false;
    QString UserTickText;
    QString ScaleInscript;
};

// Label of a long tick of the linear pass; longTickNumber counts the long ticks of the pass from 1.
QString linearTickLabel(const NumberLabelSettings& settings, double value, int longTickNumber);
// Label of a major tick of the logarithmic pass; decade tells a tick with multiplier 1.
QString logTickLabel(const NumberLabelSettings& settings, double value, bool decade, int majorTickNumber);
