// Date/time texts of the date/time scales: a small formatter for the pattern letters the labels use
// and the label patterns built from a DateFormat group.
#pragma once

#include "platform/numbers/calendar.h"
#include "scales/dateformat.h"

#include <QString>

// Formats a date/time value (days since 30 December 1899, the fraction the time of day; rounded to
// the millisecond) by a pattern:
//   d dd          day of the month, dd with two digits
//   m mm mmm mmmm month number, two digits, English abbreviation ("Jan"), full English name
//   yy yyyy       year with two or four digits
//   h hh n nn s ss hours, minutes, seconds (hh, nn, ss with two digits); 12-hour with am/pm
//   z zz zzz      tenths, hundredths or milliseconds of the second
//   am/pm         "am" or "pm"
//   "…" '…'       copied literally; any other character is copied as it is
QString FormatDateTime(const QString& pattern, double value);
// The date FormatDateTime shows for a finite value.
CivilDate dateOf(double value);

enum class ClockUnit { Hours, Minutes, Seconds, Hundredths };

// Day, month and year in the group's order and separators.
QString fullDatePattern(const DateFormatSettings& format);
// Month and year, for month ticks.
QString monthPattern(const DateFormatSettings& format);
// Time of day for the ticks of a clock unit.
QString clockPattern(const DateFormatSettings& format, ClockUnit unit);
// The label of a year tick: two digits, the year without leading zeros, or none.
QString yearLabel(const DateFormatSettings& format, double value);
