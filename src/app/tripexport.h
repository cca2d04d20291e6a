// A measured trip written out as a table a spreadsheet reads: a header line, then one line per
// sample with its time in min, its distance in km and the velocity in km/h that the trip's
// smoothing gives there (MeasuredTrip::velocityAt).
#pragma once

#include <QChar>
#include <QString>

class MeasuredTrip;

// The table with this decimal separator; fields are separated by ";" where it is the comma, as
// spreadsheets in languages with a decimal comma expect, else by ",". Times and distances are
// written in the fewest digits that read back as the same numbers, so that reading the table gives
// the same trip; velocities to three decimals.
QString tripCsvText(const MeasuredTrip& trip, QChar decimalSeparator);
