// The date/time label settings as a plain value, shared by TDTLabel and the date/time tick pass.
#pragma once

#include "scales/scaleenums.h"

#include <QChar>

struct DateFormatSettings {
    TTimeFormat TimeFormat = TTimeFormat::tfHHMMSS;
    QChar DateSeparator = QLatin1Char('-');
    QChar TimeSeparator = QLatin1Char(':');
    TYearLength YearLength = TYearLength::ylYYYY;
    bool MonthName = true;
    TDateOrder DateOrder = TDateOrder::doDDMMYY;
    TDateForTime DateForTime = TDateForTime::dtOnePerDay;

    bool operator==(const DateFormatSettings&) const = default;
};
