#include "CalendarTime.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace kelvora {

namespace {
constexpr long long kMsPerDay = 86400000LL;
// Shown time 25569 is 1970-01-01.
constexpr long long kUnixEpochShown = 25569;

long long FloorDiv(long long a, long long b) {
    long long q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}
}  // namespace

// Howard Hinnant's days-from-civil algorithm.
long long DaysFromCivil(int year, int month, int day) {
    const long long y = static_cast<long long>(year) - (month <= 2 ? 1 : 0);
    const long long era = FloorDiv(y, 400);
    const long long yoe = y - era * 400;
    const long long mp = (month + 9) % 12;
    const long long doy = (153 * mp + 2) / 5 + day - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(long long days, int& year, int& month, int& day) {
    const long long z = days + 719468;
    const long long era = FloorDiv(z, 146097);
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
}

bool IsCalendarShownTime(double shownTime) { return shownTime >= kFirstShownTime && shownTime < kEndShownTime; }

namespace {
// Whole milliseconds since 1899-12-30, clamped to the calendar range so that
// no conversion can overflow.
long long ClampedMilliseconds(double shownTime) {
    const long long first = static_cast<long long>(kFirstShownTime) * kMsPerDay;
    const long long last = static_cast<long long>(kEndShownTime) * kMsPerDay - 1;
    if (shownTime <= kFirstShownTime) return first;
    if (shownTime >= kEndShownTime) return last;
    return std::clamp(std::llround(shownTime * static_cast<double>(kMsPerDay)), first, last);
}
}  // namespace

TCalendarInstant SplitShownTime(double shownTime) {
    TCalendarInstant out;
    if (std::isnan(shownTime)) return out;
    const long long totalMs = ClampedMilliseconds(shownTime);
    const long long dayNumber = FloorDiv(totalMs, kMsPerDay);
    long long msOfDay = totalMs - dayNumber * kMsPerDay;
    CivilFromDays(dayNumber - kUnixEpochShown, out.Year, out.Month, out.Day);
    out.Hour = static_cast<int>(msOfDay / 3600000);
    msOfDay %= 3600000;
    out.Minute = static_cast<int>(msOfDay / 60000);
    msOfDay %= 60000;
    out.Second = static_cast<int>(msOfDay / 1000);
    out.Millisecond = static_cast<int>(msOfDay % 1000);
    return out;
}

double ShownTimeOf(int year, int month, int day, int hour, int minute, double second) {
    const double days = static_cast<double>(DaysFromCivil(year, month, day) + kUnixEpochShown);
    return days + (hour * 3600.0 + minute * 60.0 + second) / 86400.0;
}

std::string HourMinuteText(double days) {
    // Only the time of day counts, so any day is as good as another.
    const TCalendarInstant t = SplitShownTime(std::isfinite(days) ? days - std::floor(days) : 0.0);
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d:%02d", t.Hour % 100, t.Minute % 100);
    return buf;
}

}  // namespace kelvora
