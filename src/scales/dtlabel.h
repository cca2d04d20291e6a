// TDTLabel: the date-format group (`DateFormat`) of a scale or scale settings group. Owned by that
// scale, which redraws on its OnChange.
#pragma once

#include "scales/dateformat.h"

#include <QObject>
#include <QString>

#include <functional>

class TDTLabel : public QObject {
    Q_OBJECT
    Q_PROPERTY(ScaleEnums::TTimeFormat TimeFormat READ TimeFormat WRITE SetTimeFormat)
    Q_PROPERTY(QString DateSeparator READ DateSeparator WRITE SetDateSeparator)
    Q_PROPERTY(QString TimeSeparator READ TimeSeparator WRITE SetTimeSeparator)
    Q_PROPERTY(ScaleEnums::TYearLength YearLength READ YearLength WRITE SetYearLength)
    Q_PROPERTY(bool MonthName READ MonthName WRITE SetMonthName)
    Q_PROPERTY(ScaleEnums::TDateOrder DateOrder READ DateOrder WRITE SetDateOrder)
    Q_PROPERTY(ScaleEnums::TDateForTime DateForTime READ DateForTime WRITE SetDateForTime)
public:
    explicit TDTLabel(QObject* parent = nullptr);

    TTimeFormat TimeFormat() const { return FSettings.TimeFormat; }
    void SetTimeFormat(TTimeFormat value);
    // Separators are single characters; a layout gives them as one-character strings. An empty
    // string is ignored, a longer one keeps its first character.
    QString DateSeparator() const { return FSettings.DateSeparator; }
    void SetDateSeparator(const QString& value);
    QString TimeSeparator() const { return FSettings.TimeSeparator; }
    void SetTimeSeparator(const QString& value);
    TYearLength YearLength() const { return FSettings.YearLength; }
    void SetYearLength(TYearLength value);
    bool MonthName() const { return FSettings.MonthName; }
    void SetMonthName(bool value);
    TDateOrder DateOrder() const { return FSettings.DateOrder; }
    void SetDateOrder(TDateOrder value);
    TDateForTime DateForTime() const { return FSettings.DateForTime; }
    void SetDateForTime(TDateForTime value);

    const DateFormatSettings& Settings() const { return FSettings; }
    // Copies all seven fields; fires OnChange once when anything differed.
    void SetSettings(const DateFormatSettings& value);
    void Assign(const TDTLabel& source) { SetSettings(source.Settings()); }

    // Called after a value has really changed; one handler or none.
    void SetOnChange(std::function<void()> handler) { FOnChange = std::move(handler); }

private:
    void changed();

    DateFormatSettings FSettings;
    std::function<void()> FOnChange;
};
