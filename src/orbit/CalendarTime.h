#pragma once

// Conversions between the shown time (days since 1899-12-30 00:00, the
// platform's date-time value) and calendar fields. Times are rounded to
// whole milliseconds first, like the platform's own date decoding, so that
// 12:04:00 does not come out as 12:03:59.999.

#include <string>

namespace kelvora {

struct TCalendarInstant {
    int Year = 1899;
    int Month = 12;
    int Day = 30;
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
    int Millisecond = 0;
};

// The calendar range, as the platform's date-time value has it: 0100-01-01
// 00:00 up to (not including) 10000-01-01 00:00.
inline constexpr double kFirstShownTime = -657434.0;
inline constexpr double kEndShownTime = 2958466.0;
bool IsCalendarShownTime(double shownTime);

// Calendar fields of a shown time. A time before the range gives its first
// instant, one after it 9999-12-31 23:59:59.999, a time that is not a number
// 1899-12-30 00:00.
TCalendarInstant SplitShownTime(double shownTime);

// Calendar fields to shown time (proleptic Gregorian, no range checks).
double ShownTimeOf(int year, int month, int day, int hour, int minute, double second);

// "hh:nn" of a shown time or day count (only the time of day matters).
std::string HourMinuteText(double days);

// Days from 1970-01-01 for a civil date, and the inverse.
long long DaysFromCivil(int year, int month, int day);
void CivilFromDays(long long days, int& year, int& month, int& day);

}  // namespace kelvora
