// The date/time label settings as a plain value, shared by TDTLabel and the date/time tick pass.
#pragma once

#include "scales/scaleenums.h"

#include <QChar>

struct DateFormatSettings {
    TTimeFormat timeFormat = TTimeFormat::tfHHMMSS;
    QChar dateSeparator = QLatin1Char('-');
    QChar timeSeparator = QLatin1Char(':');
    TYearLength yearLength = TYearLength::ylYYYY;
    bool monthName = true;
    TDateOrder dateOrder = TDateOrder::doDDMMYY;
    TDateForTime dateForTime = TDateForTime::dtOnePerDay;

    bool operator==(const DateFormatSettings&) const = default;
};
