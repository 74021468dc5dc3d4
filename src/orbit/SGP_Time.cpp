#include "SGP_Time.h"

#include <cmath>
#include <cstdio>

#include "SGP_Math.h"

namespace kelvora {

namespace {

// Sidereal seconds in one solar day.
constexpr double kSiderealSecondsPerDay = 86636.555366976;

double GmstSeconds(double jd0, double ut) {
    const double tu = (jd0 - 2451545.0) / 36525.0;
    const double gmst0 = 24110.54841 + tu * (8640184.812866 + tu * (0.093104 - tu * 6.2e-6));
    return Modulus(gmst0 + kSiderealSecondsPerDay * ut, 86400.0);
}

std::string ZeroPadded(long value, int width) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%0*ld", width, value);
    return buf;
}

int DateField(std::string_view text, std::size_t pos, std::size_t len) {
    if (pos >= text.size()) return 0;
    int value = 0;
    return ParseInt(text.substr(pos, len), value) ? value : 0;
}

}  // namespace

double DayCountOfShownTime(double shownTime) { return shownTime - kShownTimeToDayCount; }
double JulianDateOfShownTime(double shownTime) { return shownTime + kShownTimeToJulian; }
double JulianDateOfDayCount(double dayCount) { return dayCount + kDayCountToJulian; }
double ShownTimeOfJulianDate(double jd) { return jd - kShownTimeToJulian; }

int CenturyBaseOfYear(int year) { return 100 * (year / 100); }

double JulianDateOfYear(int year) {
    const int y = year - 1;
    const int a = y / 100;
    const int b = 2 - a + a / 4;
    return std::trunc(365.25 * y) + 428.0 + 1720994.5 + b;
}

double JulianDateOfEpoch(double epoch, int centuryBase) {
    const int year = centuryBase + static_cast<int>(Int(epoch * 0.001));
    const double day = Frac(epoch * 0.001) * 1000.0;
    return JulianDateOfYear(year) + day;
}

TSiderealAtEpoch SiderealTimeAtEpoch(double epoch, int centuryBase) {
    const int year = centuryBase + static_cast<int>(Int(epoch * 0.001));
    const double day = Frac(epoch * 0.001) * 1000.0;
    const double ut = Frac(day);
    const double jd = JulianDateOfYear(year) + Int(day);
    TSiderealAtEpoch result;
    result.angle = kTwoPi * GmstSeconds(jd, ut) / 86400.0;
    result.daysSince1950 = jd - 2433281.5 + ut;
    return result;
}

double SiderealTimeOfJD(double jd) {
    const double ut = Frac(jd + 0.5);
    const double jd0 = jd - ut;
    return kTwoPi * GmstSeconds(jd0, ut) / 86400.0;
}

double DayCountOfDate(std::string_view text) {
    const int d = DateField(text, 0, 2);
    int m = DateField(text, 2, 2);
    int y = DateField(text, 4, 4);
    if (m >= 3) {
        m += 1;
        y -= 1900;
    } else {
        m += 13;
        y -= 1901;
    }
    return Int(y * 365.25) + Int(m * 30.6001) + d - 28553.0;
}

double EpochDayCount(double epoch) {
    const double a = epoch + 100000.0;
    const double b = Int(a / 1000.0);
    if (b == 85.0) return a - 82444.0;
    const double k = b - 85.0;
    const double q = Int(k / 4.0);
    return a - (635.0 * k + 82444.0 - q);
}

std::string EpochDateText(double epoch) {
    const long b = static_cast<long>(Int((epoch + 100000.0) / 1000.0));
    const std::string bText = ZeroPadded(b, 3);
    const std::string yy = bText.substr(1, 2);
    const long doy = static_cast<long>(Int(epoch - Int(epoch / 1000.0) * 1000.0));
    const bool leap = static_cast<double>(b) / 4.0 - Int(static_cast<double>(b) / 4.0) < 0.1;
    long sumBefore = 0;
    int month = 0;
    // Twelve months at most, so a day of year beyond the year stays in December.
    for (int i = 0; i < 12; ++i) {
        long len = 31;
        if (i == 3 || i == 5 || i == 8 || i == 10) len = 30;
        if (i == 1) len = leap ? 29 : 28;
        month = i + 1;
        if (sumBefore + len >= doy || i == 11) break;
        sumBefore += len;
    }
    return ZeroPadded(doy - sumBefore, 2) + ZeroPadded(month, 2) + "20" + yy;
}

}  // namespace kelvora
