// Day numbers of the date/time values: day 0 is 30 December 1899, -693593 is 1 January 0001 and
// 2958465 is 31 December 9999 (proleptic Gregorian calendar).
#pragma once

struct CivilDate {
    int Year = 1899;
    int Month = 12;
    int Day = 30;
};

constexpr long long kMsPerDay = 86400000;
constexpr long long kFirstDateDay = -693593; // 0001-01-01
constexpr long long kLastDateDay = 2958465;  // 9999-12-31

long long daysFromCivil(int year, int month, int day);
CivilDate civilFromDays(long long days);
