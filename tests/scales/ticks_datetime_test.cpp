#include "scales/calendar.h"
#include "scales/ticks.h"

#include <gtest/gtest.h>

using enum ScaleEnums::TDateForTime;
using enum ScaleEnums::TFigType;
using enum ScaleEnums::TTimeFormat;

namespace {

TickSettings dates(double low, double high, bool vertical = false) {
    TickSettings s;
    s.rangeLow = low;
    s.rangeHigh = high;
    s.labelType = ftDateTime;
    s.vertical = vertical;
    return s;
}

} // namespace

TEST(Calendar, OriginAndEnds) {
    EXPECT_EQ(daysFromCivil(1899, 12, 30), 0);
    EXPECT_EQ(daysFromCivil(1, 1, 1), kFirstDateDay);
    EXPECT_EQ(daysFromCivil(9999, 12, 31), kLastDateDay);
    EXPECT_EQ(daysFromCivil(2023, 3, 15), 45000);
    const CivilDate d = civilFromDays(-1);
    EXPECT_EQ(d.year * 10000 + d.month * 100 + d.day, 18991229);
    const CivilDate leap = civilFromDays(daysFromCivil(2000, 2, 29));
    EXPECT_EQ(leap.month * 100 + leap.day, 229);
}

TEST(DateTimeTickPass, OneDayInHours) {
    const TickPass pass = dateTimeTickPass(dates(0, 1));
    ASSERT_EQ(pass.ticks.size(), 13u); // every 2 hours
    std::vector<QString> labels;
    std::vector<QString> dateLines;
    for (std::size_t i = 0; i < pass.ticks.size(); ++i) {
        const Tick& t = pass.ticks[i];
        EXPECT_NEAR(t.value * 24, 2.0 * i, 1e-9);
        EXPECT_EQ(t.isLong, i % 4 == 0) << i;
        EXPECT_TRUE(t.recorded);
        if (t.isLong) {
            labels.push_back(t.label);
            dateLines.push_back(t.dateLine);
        }
    }
    EXPECT_EQ(labels, (std::vector<QString>{"00:00", "08:00", "16:00", "00:00"}));
    EXPECT_EQ(dateLines, (std::vector<QString>{"30-Dec-1899", "", "", "31-Dec-1899"}));
}

TEST(DateTimeTickPass, DateLinesByDateForTime) {
    TickSettings s = dates(0, 1);
    s.dateFormat.dateForTime = dtOnePerChart;
    int shown = 0;
    for (const Tick& t : dateTimeTickPass(s).ticks)
        shown += t.dateLine.isEmpty() ? 0 : 1;
    EXPECT_EQ(shown, 1);
    s.dateFormat.dateForTime = dtAllTicks;
    s.dateFormat.timeFormat = tfAMPM;
    const TickPass pass = dateTimeTickPass(s);
    EXPECT_EQ(pass.ticks[4].label, "8am");
    EXPECT_EQ(pass.ticks[8].label, "4pm");
    EXPECT_EQ(pass.ticks[8].dateLine, "30-Dec-1899");
}

TEST(DateTimeTickPass, ThreeThousandDaysInYears) {
    const TickPass pass = dateTimeTickPass(dates(0, 3000));
    std::vector<int> years;
    std::vector<QString> labels;
    for (const Tick& t : pass.ticks) {
        years.push_back(civilFromDays(static_cast<long long>(t.value)).year);
        EXPECT_EQ(civilFromDays(static_cast<long long>(t.value)).day, 1);
        if (t.isLong)
            labels.push_back(t.label);
        else
            EXPECT_TRUE(t.label.isEmpty());
    }
    EXPECT_EQ(years, (std::vector<int>{1900, 1901, 1902, 1903, 1904, 1905, 1906, 1907, 1908}));
    EXPECT_EQ(labels, (std::vector<QString>{"1900", "1902", "1904", "1906", "1908"}));
}

TEST(DateTimeTickPass, DaysAndMonths) {
    TickPass pass = dateTimeTickPass(dates(45000, 45010)); // 3 days per interval from 15 March 2023
    ASSERT_FALSE(pass.ticks.empty());
    EXPECT_EQ(pass.ticks.front().value, 45000);
    EXPECT_FALSE(pass.ticks.front().isLong);
    EXPECT_EQ(pass.ticks[2].value, 45002);
    EXPECT_EQ(pass.ticks[2].label, "17-Mar-2023");
    EXPECT_EQ(pass.ticks.back().value, 45010);

    pass = dateTimeTickPass(dates(45000, 45300)); // 3 months per interval
    std::vector<QString> labels;
    for (const Tick& t : pass.ticks)
        if (t.isLong) labels.push_back(t.label);
    EXPECT_EQ(pass.ticks.size(), 10u); // 1 April 2023 … 1 January 2024
    EXPECT_EQ(labels, (std::vector<QString>{"Apr-2023", "Jul-2023", "Oct-2023", "Jan-2024"}));
}

TEST(DateTimeTickPass, StopsAtTheLastDay) {
    TickPass pass = dateTimeTickPass(dates(2900000, 3000000));
    ASSERT_FALSE(pass.ticks.empty());
    EXPECT_EQ(civilFromDays(static_cast<long long>(pass.ticks.back().value)).year, 9990);
    pass = dateTimeTickPass(dates(kLastDateDay + 0.5, kLastDateDay + 1.5));
    ASSERT_FALSE(pass.ticks.empty());
    for (const Tick& t : pass.ticks)
        EXPECT_LT(t.value, kLastDateDay + 1);
    pass = dateTimeTickPass(dates(kLastDateDay + 2, kLastDateDay + 40));
    EXPECT_TRUE(pass.ticks.empty());
    EXPECT_TRUE(pass.message.isEmpty());
}

TEST(DateTimeTickPass, MessagesInsteadOfTicks) {
    for (const TickSettings& s : {dates(-700000, 0), dates(10, 5), dates(0, 3000001)}) {
        const TickPass pass = dateTimeTickPass(s);
        EXPECT_TRUE(pass.ticks.empty());
        EXPECT_EQ(pass.message, "invalid DateTime scale");
        EXPECT_EQ(pass.messageWords, (QStringList{"invalid", "DateTime", "scale"}));
        EXPECT_EQ(pass.messageValue, (s.rangeLow + s.rangeHigh) / 2);
    }
    TickPass pass = dateTimeTickPass(dates(0, 0.00001));
    EXPECT_EQ(pass.message, "DateTime range is below 1 second");
    EXPECT_EQ(pass.messageWords, (QStringList{"DateTime", "range is", "below 1", "second"}));
    // Vertical scales go down to hundredths of a second first.
    pass = dateTimeTickPass(dates(0, 0.00001, true));
    EXPECT_TRUE(pass.message.isEmpty());
    ASSERT_FALSE(pass.ticks.empty());
    EXPECT_EQ(pass.ticks.front().label, "00:00:00.00");
    EXPECT_EQ(pass.ticks[2].label, "00:00:00.20");
}
