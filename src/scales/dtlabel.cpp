#include "scales/dtlabel.h"

#include "platform/graphics/assignchanged.h"

TDTLabel::TDTLabel(QObject* parent) : QObject(parent) {}

void TDTLabel::changed() {
    if (FOnChange) FOnChange();
}

void TDTLabel::SetSettings(const DateFormatSettings& value) {
    if (assignChanged(FSettings, value)) changed();
}

void TDTLabel::SetTimeFormat(TTimeFormat value) {
    if (assignChanged(FSettings.TimeFormat, value)) changed();
}

void TDTLabel::SetDateSeparator(const QString& value) {
    if (!value.isEmpty() && assignChanged(FSettings.DateSeparator, value[0])) changed();
}

void TDTLabel::SetTimeSeparator(const QString& value) {
    if (!value.isEmpty() && assignChanged(FSettings.TimeSeparator, value[0])) changed();
}

void TDTLabel::SetYearLength(TYearLength value) {
    if (assignChanged(FSettings.YearLength, value)) changed();
}

void TDTLabel::SetMonthName(bool value) {
    if (assignChanged(FSettings.MonthName, value)) changed();
}

void TDTLabel::SetDateOrder(TDateOrder value) {
    if (assignChanged(FSettings.DateOrder, value)) changed();
}

void TDTLabel::SetDateForTime(TDateForTime value) {
    if (assignChanged(FSettings.DateForTime, value)) changed();
}
