#include "scales/labeltext.h"

#include <gtest/gtest.h>

#include <limits>

TEST(FormatFloatField, PadsWithBlanksOrZeros) {
    EXPECT_EQ(FormatFloatField(6, 2, 3.14159), "  3.14");
    EXPECT_EQ(FormatFloatField(-6, 2, 3.14159), "003.14");
    EXPECT_EQ(FormatFloatField(-6, 1, -3.5), "-003.5");
    EXPECT_EQ(FormatFloatField(-4, 1, -3.5), "-3.5");
    EXPECT_EQ(FormatFloatField(3, 1, 1234.5), "1234.5"); // wider than the field when needed
    EXPECT_EQ(FormatFloatField(5, 0, 70.6), "   71");
}

TEST(FormatFloatField, RoundsExactTiesAwayFromZero) {
    EXPECT_EQ(FormatFloatField(1, 1, 2.25), "2.3");
    EXPECT_EQ(FormatFloatField(1, 1, -2.25), "-2.3");
    EXPECT_EQ(FormatFloatField(1, 0, 0.5), "1");
    EXPECT_EQ(FormatFloatField(1, 0, 2.5), "3");
    EXPECT_EQ(FormatFloatField(1, 2, 1.005), "1.00"); // 1.005 is stored a little below the tie
    EXPECT_EQ(FormatFloatField(1, 1, 9.96), "10.0");
    EXPECT_EQ(FormatFloatField(1, 2, -0.001), "0.00"); // no "-0.00"
    EXPECT_EQ(FormatFloatField(1, 3, 1e-300), "0.000");
    EXPECT_EQ(FormatFloatField(1, 0, 1e20), "100000000000000000000");
}

TEST(FormatFloatField, ScientificWithTwoExponentDigitsOrStars) {
    EXPECT_EQ(FormatFloatField(10, -2, 12345.678), " 1.235E+04");
    EXPECT_EQ(FormatFloatField(10, -2, -0.000125), "-1.250E-04");
    EXPECT_EQ(FormatFloatField(1, -2, 0), " 0.0E+00");
    EXPECT_EQ(FormatFloatField(10, -2, 9.9996), " 1.000E+01");
    EXPECT_EQ(FormatFloatField(10, -2, 1e100), "**********");
    EXPECT_EQ(FormatFloatField(10, -2, 1e-150), "**********");
}

TEST(FormatFloatField, NonFiniteValuesGiveStars) {
    EXPECT_EQ(FormatFloatField(4, 1, std::numeric_limits<double>::quiet_NaN()), "****");
    EXPECT_EQ(FormatFloatField(-3, 1, std::numeric_limits<double>::infinity()), "***");
}

TEST(ScaleNumberText, NoPaddingAndScientificForMinusOne) {
    EXPECT_EQ(ScaleNumberText(1, 2, 0.4), "0.40");
    EXPECT_EQ(ScaleNumberText(1, -1, 0.00002), " 2.0E-05");
    EXPECT_EQ(ScaleNumberText(-6, 1, -3.5), "  -3.5");
}

TEST(AutoDecimals, FollowsTheSpan) {
    EXPECT_EQ(AutoDecimals(-2, 133, 0), 0);
    EXPECT_EQ(AutoDecimals(-2, 100, 0), 0);
    EXPECT_EQ(AutoDecimals(-2, 1, 0), 2);
    EXPECT_EQ(AutoDecimals(-3, 0, 1), 2);
    EXPECT_EQ(AutoDecimals(-2, 10, 0), 1);   // 2 - round(0.92)
    EXPECT_EQ(AutoDecimals(-2, 0.01, 0), 4); // 2 - round(-1.84)
    EXPECT_EQ(AutoDecimals(-2, 0.00005, 0), -1);
    EXPECT_EQ(AutoDecimals(-2, 2e6, 0), -1);
    EXPECT_EQ(AutoDecimals(3, 0.00005, 0), 3);
    EXPECT_EQ(AutoDecimalsLog(-2, 1000, 1), 0);
    EXPECT_EQ(AutoDecimalsLog(-2, 0.001, 1), 4); // 1 - round(log10 0.001)
    EXPECT_EQ(AutoDecimalsLog(-2, 1e7, 1), -1);
    EXPECT_EQ(AutoDecimalsLog(-3, 0.001, 1), -3);
}

TEST(TimeText, SignHoursMinutesSecondsAndMilliseconds) {
    EXPECT_EQ(TimeText(true, 3723.5), " 01:02:03.500");
    EXPECT_EQ(TimeText(false, 3723.5), " 01:02:03");
    EXPECT_EQ(TimeText(false, -61), "-00:01:01");
    EXPECT_EQ(TimeText(false, 90000), " 25:00:00"); // hours do not wrap
    // A millisecond rounding up carries into the seconds instead of reading ".1000".
    EXPECT_EQ(TimeText(true, 59.9996), " 00:01:00.000");
    EXPECT_EQ(TimeText(false, 2.9999999999), " 00:00:03");
}

TEST(UserTickTextItem, PiecesRepeatTheLast) {
    EXPECT_EQ(UserTickTextItem("a|b|c", 1), "a");
    EXPECT_EQ(UserTickTextItem("a|b|c", 3), "c");
    EXPECT_EQ(UserTickTextItem("a|b|c", 7), "c");
    EXPECT_EQ(UserTickTextItem("a|b|", 5), "");
    EXPECT_EQ(UserTickTextItem("", 1), "");
    EXPECT_EQ(UserTickTextItem("a|b", 0), "a");
}

TEST(ApplyInscript, PlacesTheNumberAtTheAmpersand) {
    EXPECT_EQ(ApplyInscript("20", "& km"), "20 km");
    EXPECT_EQ(ApplyInscript("20", "$&"), "$20");
    EXPECT_EQ(ApplyInscript("20", "km"), "km20");
    EXPECT_EQ(ApplyInscript("", "& km"), "");
    EXPECT_EQ(ApplyInscript("5", "a&b&c"), "a5b&c");
}

TEST(LinearTickLabel, ZeroCutsEmptyLabelsAndInscript) {
    NumberLabelSettings s{0, 1, -2, false, {}, {}};
    EXPECT_EQ(linearTickLabel(s, 0.6000000000000001, 1), "0.60");
    EXPECT_EQ(linearTickLabel(s, 1e-17, 1), "0.00"); // relative size below 1e-14 reads as zero
    s = {-1e6, 1e6, -2, false, {}, {}};
    EXPECT_EQ(linearTickLabel(s, 1e-9, 1), "0.0"); // a wide span writes its zero short
    s = {0, 10, 0, false, {}, "& km"};
    EXPECT_EQ(linearTickLabel(s, 2.5, 1), ""); // no decimals: a fractional value gets no label
    EXPECT_EQ(linearTickLabel(s, 20, 1), "20 km");
    s = {0, 1e30, 2, false, {}, {}};
    EXPECT_EQ(linearTickLabel(s, 1.5e29, 1).size(), 14); // cut to 14 characters
    s = {0, 10, -2, true, "a|b|c", "& km"};
    EXPECT_EQ(linearTickLabel(s, 4, 2), "b"); // user texts replace numbers and inscript
}

TEST(LogTickLabel, ExponentsAndTrailingZeros) {
    NumberLabelSettings s{0.001, 1, -2, false, {}, {}};
    EXPECT_EQ(logTickLabel(s, 0.001, true, 1), "0.001");
    EXPECT_EQ(logTickLabel(s, 0.5, false, 2), "0.5");
    s.DecPlaces = -3;
    EXPECT_EQ(logTickLabel(s, 1000, true, 1), "3");
    EXPECT_EQ(logTickLabel(s, 0.01, true, 1), "-2");
    EXPECT_EQ(logTickLabel(s, 2000, false, 2), "");
    s.DecPlaces = 3;
    EXPECT_EQ(logTickLabel(s, 0.5, false, 2), "0.500"); // fixed decimals keep their zeros
}
