#include "scales/dtlabel.h"

#include <gtest/gtest.h>

#include <functional>

using enum ScaleEnums::TDateForTime;
using enum ScaleEnums::TDateOrder;
using enum ScaleEnums::TTimeFormat;
using enum ScaleEnums::TYearLength;

TEST(DTLabel, OnChangeOncePerRealChange) {
    TDTLabel label;
    int changes = 0;
    label.SetOnChange([&] { ++changes; });
    const std::function<void()> setters[] = {
        [&] { label.SetTimeFormat(tfAMPM); },      [&] { label.SetDateSeparator("/"); },
        [&] { label.SetTimeSeparator("."); },      [&] { label.SetYearLength(ylYY); },
        [&] { label.SetMonthName(false); },        [&] { label.SetDateOrder(doYYMMDD); },
        [&] { label.SetDateForTime(dtAllTicks); },
    };
    for (const auto& set : setters) {
        const int before = changes;
        set();
        set(); // the same value again: no change
        EXPECT_EQ(changes, before + 1);
    }
    DateFormatSettings expected{tfAMPM, QLatin1Char('/'), QLatin1Char('.'), ylYY,
                                false,  doYYMMDD,         dtAllTicks};
    EXPECT_EQ(label.Settings(), expected);
}

TEST(DTLabel, SeparatorsAreSingleCharacters) {
    TDTLabel label;
    int changes = 0;
    label.SetOnChange([&] { ++changes; });
    label.SetDateSeparator(""); // ignored
    EXPECT_EQ(label.DateSeparator(), "-");
    label.SetDateSeparator("-x"); // the first character is the one already there
    EXPECT_EQ(changes, 0);
    label.SetTimeSeparator(".:");
    EXPECT_EQ(label.TimeSeparator(), ".");
    EXPECT_EQ(changes, 1);
}

TEST(DTLabel, SetSettingsFiresOnceForManyFields) {
    TDTLabel label;
    int changes = 0;
    label.SetOnChange([&] { ++changes; });
    DateFormatSettings next;
    next.MonthName = false;
    next.YearLength = ylNone;
    label.SetSettings(next);
    label.SetSettings(next);
    EXPECT_EQ(changes, 1);
    TDTLabel copy;
    copy.Assign(label);
    EXPECT_EQ(copy.Settings(), next);
}
