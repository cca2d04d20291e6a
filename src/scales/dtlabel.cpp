#include "scales/dtlabel.h"

TDTLabel::TDTLabel(QObject* parent) : QObject(parent) {}

template <typename T> void TDTLabel::update(T DateFormatSettings::*field, T value) {
    DateFormatSettings next = FSettings;
    next.*field = value;
    SetSettings(next);
}

void TDTLabel::SetSettings(const DateFormatSettings& value) {
    if (value == FSettings) return;
    FSettings = value;
    if (FOnChange) FOnChange();
}

void TDTLabel::SetTimeFormat(TTimeFormat value) {
    update(&DateFormatSettings::timeFormat, value);
}

void TDTLabel::SetDateSeparator(const QString& value) {
    if (!value.isEmpty()) update(&DateFormatSettings::dateSeparator, value[0]);
}

void TDTLabel::SetTimeSeparator(const QString& value) {
    if (!value.isEmpty()) update(&DateFormatSettings::timeSeparator, value[0]);
}

void TDTLabel::SetYearLength(TYearLength value) {
    update(&DateFormatSettings::yearLength, value);
}

void TDTLabel::SetMonthName(bool value) {
    update(&DateFormatSettings::monthName, value);
}

void TDTLabel::SetDateOrder(TDateOrder value) {
    update(&DateFormatSettings::dateOrder, value);
}

void TDTLabel::SetDateForTime(TDateForTime value) {
    update(&DateFormatSettings::dateForTime, value);
}
