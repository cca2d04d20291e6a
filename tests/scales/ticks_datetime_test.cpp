#include "platform/numbers/calendar.h"
#include "scales/ticks.h"

#include <gtest/gtest.h>

using enum ScaleEnums::TDateForTime;
using enum ScaleEnums::TFigType;
using enum ScaleEnums::TTimeFormat;

namespace {

TickSettings dates(double low, double high, bool vertical = false) {
    TickSettings s;
    s.RangeLow = low;
    s.RangeHigh = high;
    s.LabelType = ftDateTime;
    s.Vertical = vertical;
    return s;
}

} // namespace

TEST(Calendar, OriginAndEnds) {
    EXPECT_EQ(daysFromCivil(1899, 12, 30), 0);
    EXPECT_EQ(daysFromCivil(1, 1, 1), kFirstDateDay);
    EXPECT_EQ(daysFromCivil(9999, 12, 31), kLastDateDay);
    EXPECT_EQ(daysFromCivil(2023, 3, 15), 45000);
    const CivilDate d = civilFromDays(-1);
    EXPECT_EQ(d.Year * 10000 + d.Month * 100 + d.Day, 18991229);
    const CivilDate leap = civilFromDays(daysFromCivil(2000, 2, 29));
    EXPECT_EQ(leap.Month * 100 + leap.Day, 229);
}

TEST(DateTimeTickPass, OneDayInHours) {
    const TickPass pass = dateTimeTickPass(dates(0, 1));
    ASSERT_EQ(pass.Ticks.size(), 13u); // every 2 hours
    std::vector<QString> labels;
    std::vector<QString> dateLines;
    for (std::size_t i = 0; i < pass.Ticks.size(); ++i) {
        const Tick& t = pass.Ticks[i];
        EXPECT_NEAR(t.Value * 24, 2.0 * i, 1e-9);
        EXPECT_EQ(t.IsLong, i % 4 == 0) << i;
        EXPECT_TRUE(t.Recorded);
        if (t.IsLong) {
            labels.push_back(t.Label);
            dateLines.push_back(t.DateLine);
        }
    }
    EXPECT_EQ(labels, (std::vector<QString>{"00:00", "08:00", "16:00", "00:00"}));
    EXPECT_EQ(dateLines, (std::vector<QString>{"30-Dec-1899", "", "", "31-Dec-1899"}));
}

TEST(DateTimeTickPass, DateLinesByDateForTime) {
    TickSettings s = dates(0, 1);
    s.DateFormat.DateForTime = dtOnePerChart;
    int shown = 0;
    for (const Tick& t : dateTimeTickPass(s).Ticks)
        shown += t.DateLine.isEmpty() ? 0 : 1;
    EXPECT_EQ(shown, 1);
    s.DateFormat.DateForTime = dtAllTicks;
    s.DateFormat.TimeFormat = tfAMPM;
    const TickPass pass = dateTimeTickPass(s);
    EXPECT_EQ(pass.Ticks[4].Label, "8am");
    EXPECT_EQ(pass.Ticks[8].Label, "4pm");
    EXPECT_EQ(pass.Ticks[8].DateLine, "30-Dec-1899");
}

TEST(DateTimeTickPass, ThreeThousandDaysInYears) {
    const TickPass pass = dateTimeTickPass(dates(0, 3000));
    std::vector<int> years;
    std::vector<QString> labels;
    for (const Tick& t : pass.Ticks) {
        years.push_back(civilFromDays(static_cast<long long>(t.Value)).Year);
        EXPECT_EQ(civilFromDays(static_cast<long long>(t.Value)).Day, 1);
        if (t.IsLong)
            labels.push_back(t.Label);
        else
            EXPECT_TRUE(t.Label.isEmpty());
    }
    EXPECT_EQ(years, (std::vector<int>{1900, 1901, 1902, 1903, 1904, 1905, 1906, 1907, 1908}));
    EXPECT_EQ(labels, (std::vector<QString>{"1900", "1902", "1904", "1906", "1908"}));
}

TEST(DateTimeTickPass, DaysAndMonths) {
    TickPass pass = dateTimeTickPass(dates(45000, 45010)); // 3 days per interval from 15 March 2023
    ASSERT_FALSE(pass.Ticks.empty());
    EXPECT_EQ(pass.Ticks.front().Value, 45000);
    EXPECT_FALSE(pass.Ticks.front().IsLong);
    EXPECT_EQ(pass.Ticks[2].Value, 45002);
    EXPECT_EQ(pass.Ticks[2].Label, "17-Mar-2023");
    EXPECT_EQ(pass.Ticks.back().Value, 45010);

    pass = dateTimeTickPass(dates(45000, 45300)); // 3 months per interval
    std::vector<QString> labels;
    for (const Tick& t : pass.Ticks)
        if (t.IsLong) labels.push_back(t.Label);
    EXPECT_EQ(pass.Ticks.size(), 10u); // 1 April 2023 … 1 January 2024
    EXPECT_EQ(labels, (std::vector<QString>{"Apr-2023", "Jul-2023", "Oct-2023", "Jan-2024"}));
}

TEST(DateTimeTickPass, StopsAtTheLastDay) {
    TickPass pass = dateTimeTickPass(dates(2900000, 3000000));
    ASSERT_FALSE(pass.Ticks.empty());
    EXPECT_EQ(civilFromDays(static_cast<long long>(pass.Ticks.back().Value)).Year, 9990);
    pass = dateTimeTickPass(dates(kLastDateDay + 0.5, kLastDateDay + 1.5));
    ASSERT_FALSE(pass.Ticks.empty());
    for (const Tick& t : pass.Ticks)
        EXPECT_LT(t.Value, kLastDateDay + 1);
    pass = dateTimeTickPass(dates(kLastDateDay + 2, kLastDateDay + 40));
    EXPECT_TRUE(pass.Ticks.empty());
    EXPECT_TRUE(pass.Message.isEmpty());
}

TEST(DateTimeTickPass, MessagesInsteadOfTicks) {
    for (const TickSettings& s : {dates(-700000, 0), dates(10, 5), dates(0, 3000001)}) {
        const TickPass pass = dateTimeTickPass(s);
        EXPECT_TRUE(pass.Ticks.empty());
        EXPECT_EQ(pass.Message, "invalid DateTime scale");
        EXPECT_EQ(pass.MessageWords, (QStringList{"invalid", "DateTime", "scale"}));
        EXPECT_EQ(pass.MessageValue, (s.RangeLow + s.RangeHigh) / 2);
    }
    TickPass pass = dateTimeTickPass(dates(0, 0.00001));
    EXPECT_EQ(pass.Message, "DateTime range is below 1 second");
    EXPECT_EQ(pass.MessageWords, (QStringList{"DateTime", "range is", "below 1", "second"}));
    // Vertical scales go down to hundredths of a second first.
    pass = dateTimeTickPass(dates(0, 0.00001, true));
    EXPECT_TRUE(pass.Message.isEmpty());
    ASSERT_FALSE(pass.Ticks.empty());
    EXPECT_EQ(pass.Ticks.front().Label, "00:00:00.00");
    EXPECT_EQ(pass.Ticks[2].Label, "00:00:00.20");
}
