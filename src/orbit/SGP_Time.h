// Time scales of the orbit code and the conversions between them.
//
// shown time  : days since 1899-12-30 00:00 (the platform date-time value)
// day count   : days since 1978-01-01 00:00 = shown time - 28491
// Julian date : shown time + 2415018.5 = day count + 2443509.5
//
// Element epochs are kept as written: YYDDD.DDDDDDDD. The two-digit year is
// expanded with a century base that the caller owns and passes in.
#pragma once

#include <string>
#include <string_view>

namespace kelvora {

inline constexpr double kShownTimeToDayCount = 28491.0;
inline constexpr double kShownTimeToJulian = 2415018.5;
inline constexpr double kDayCountToJulian = 2443509.5;

double DayCountOfShownTime(double shownTime);
double JulianDateOfShownTime(double shownTime);
double JulianDateOfDayCount(double dayCount);
double ShownTimeOfJulianDate(double jd);

// 100 * whole hundreds of the year: 2000 for 2000..2099.
int CenturyBaseOfYear(int year);

// Julian date of 0.0 January of the (Gregorian) year.
double JulianDateOfYear(int year);
double JulianDateOfEpoch(double epoch, int centuryBase);

struct TSiderealAtEpoch {
    double angle = 0.0;  // Greenwich sidereal angle, radians
    double daysSince1950 = 0.0;  // from 1950-01-00 0h
};
TSiderealAtEpoch SiderealTimeAtEpoch(double epoch, int centuryBase);
// Greenwich mean sidereal angle of a Julian date, radians in [0, 2pi).
double SiderealTimeOfJD(double jd);

// Day count of a DDMMYYYY text (valid 1901..2099). A malformed field reads as 0.
double DayCountOfDate(std::string_view text);
// Day count of an epoch instant; the year is always taken as 20YY.
double EpochDayCount(double epoch);
// The epoch's calendar date as DDMM20YY.
std::string EpochDateText(double epoch);

}  // namespace kelvora
