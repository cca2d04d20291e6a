#include "platform/numbers/calendar.h"
#include "scales/datetimetext.h"

#include <gtest/gtest.h>

using enum ScaleEnums::TDateOrder;
using enum ScaleEnums::TTimeFormat;
using enum ScaleEnums::TYearLength;

TEST(FormatDateTime, PatternLetters) {
    const double v = daysFromCivil(2023, 3, 5) + (13 * 3600 + 4 * 60 + 5.25) / 86400.0;
    EXPECT_EQ(FormatDateTime("dd\"-\"mmm\"-\"yyyy", v), "05-Mar-2023");
    EXPECT_EQ(FormatDateTime("d/m/yy mmmm", v), "5/3/23 March");
    EXPECT_EQ(FormatDateTime("hh\":\"nn\":\"ss.zzz", v), "13:04:05.250");
    EXPECT_EQ(FormatDateTime("ss.zz", v), "05.25");
    EXPECT_EQ(FormatDateTime("h\"h\"nn", v), "13h04");
    EXPECT_EQ(FormatDateTime("h\":\"nnam/pm", v), "1:04pm");
    EXPECT_EQ(FormatDateTime("ham/pm", daysFromCivil(2023, 3, 5)), "12am");
    EXPECT_EQ(FormatDateTime("yyyy", kFirstDateDay), "0001");
    // Just below midnight rounds to the millisecond and so to the next day.
    EXPECT_EQ(FormatDateTime("dd hh:nn", 1 - 1e-10), "31 00:00");
    EXPECT_EQ(FormatDateTime("dd hh", -0.25), "29 18");
}

TEST(DateTimePatterns, FollowTheDateFormatGroup) {
    DateFormatSettings f;
    EXPECT_EQ(FormatDateTime(fullDatePattern(f), 45000), "15-Mar-2023");
    f.DateOrder = doMMDDYY;
    f.DateSeparator = '/';
    f.MonthName = false;
    EXPECT_EQ(FormatDateTime(fullDatePattern(f), 45000), "03/15/2023");
    f.DateOrder = doYYMMDD;
    f.YearLength = ylYY;
    EXPECT_EQ(FormatDateTime(fullDatePattern(f), 45000), "23/03/15");
    EXPECT_EQ(FormatDateTime(monthPattern(f), 45000), "23/03");
    f.YearLength = ylNone;
    EXPECT_EQ(FormatDateTime(fullDatePattern(f), 45000), "03/15");
    f.DateSeparator = '"'; // a quote as separator still comes out literally
    EXPECT_EQ(FormatDateTime(fullDatePattern(f), 45000), "03\"15");

    DateFormatSettings t;
    t.TimeSeparator = '.';
    const double v = 0.5 + 90.5 / 86400.0;
    EXPECT_EQ(FormatDateTime(clockPattern(t, ClockUnit::Seconds), v), "12.01.30");
    t.TimeFormat = tfHHhMM;
    EXPECT_EQ(FormatDateTime(clockPattern(t, ClockUnit::Hundredths), v), "12h01.30.50");
    t.TimeFormat = tfAMPM;
    EXPECT_EQ(FormatDateTime(clockPattern(t, ClockUnit::Seconds), v), "12.01.30pm");
}

TEST(DateTimePatterns, YearLabels) {
    DateFormatSettings f;
    EXPECT_EQ(yearLabel(f, daysFromCivil(800, 1, 1)), "800");
    EXPECT_EQ(yearLabel(f, daysFromCivil(2024, 1, 1)), "2024");
    f.YearLength = ylYY;
    EXPECT_EQ(yearLabel(f, daysFromCivil(2005, 1, 1)), "05");
    f.YearLength = ylNone;
    EXPECT_EQ(yearLabel(f, daysFromCivil(2005, 1, 1)), "");
}
