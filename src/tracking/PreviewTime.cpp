#include "PreviewTime.h"

#include "CalendarTime.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <string>

namespace kelvora {

namespace {
bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}
}  // namespace

TPreviewStart PreviewStartOf(double shownTime) {
    const TCalendarInstant c = SplitShownTime(shownTime);
    return {c.Day, c.Month, c.Year, c.Hour, c.Minute, 0};
}

std::optional<double> ShownTimeOf(const TPreviewStart& s) {
    if (s.Year < 100 || s.Year > 9999 || s.Month < 1 || s.Month > 12) return std::nullopt;
    if (s.Day < 1 || s.Day > DaysInMonth(s.Year, s.Month)) return std::nullopt;
    if (s.Hour < 0 || s.Hour > 23 || s.Minute < 0 || s.Minute > 59 || s.Second < 0 || s.Second > 59)
        return std::nullopt;
    return ShownTimeOf(s.Year, s.Month, s.Day, s.Hour, s.Minute, s.Second);
}

TPreviewInterval DefaultPreviewInterval(double revsPerDay) {
    return revsPerDay <= 6.4 ? TPreviewInterval{0, 15, 0} : TPreviewInterval{0, 2, 0};
}

double PreviewIntervalDays(const TPreviewInterval& i) {
    const double days = i.Hours / 24.0 + i.Minutes / 1440.0 + i.Seconds / 86400.0;
    return days == 0 ? 2.0 / 1440 : days;
}

void ToggleStepFactor(TPreviewState& state) { state.StepFactor = state.StepFactor == 5 ? 1 : 5; }

double ArrowStepDays(TPreviewState& state, int newPosition) {
    const int last = state.LastArrowPosition;
    state.LastArrowPosition = newPosition;
    if (newPosition == last) return 0;
    const double step = state.StepFactor * state.IntervalDays;
    return newPosition > last ? step : -step;
}

double ParseMaTarget(std::string_view text) {
    std::string s(text);
    if (const size_t comma = s.find(','); comma != std::string::npos) s[comma] = '.';
    size_t i = s.find_first_not_of(' ');
    if (i == std::string::npos) return 0;
    // Plain decimal numbers only: no exponent, no "inf" or "nan".
    size_t end = i;
    if (end < s.size() && (s[end] == '+' || s[end] == '-')) ++end;
    while (end < s.size() && std::isdigit(static_cast<unsigned char>(s[end]))) ++end;
    if (end < s.size() && s[end] == '.') ++end;
    while (end < s.size() && std::isdigit(static_cast<unsigned char>(s[end]))) ++end;
    if (s[i] == '+') ++i;
    double value = 0;
    const auto result = std::from_chars(s.data() + i, s.data() + end, value);
    return result.ec == std::errc() ? value : 0;
}

double MaAdvanceDays(double target, double maNow, double revsPerDay) {
    // A set without a mean motion has no period to step by.
    if (!(revsPerDay > 0)) return 0;
    double f = (target - maNow) / 256.0;
    if (f < 0) f += 1;
    const double periodMinutes = 1440.0 / revsPerDay;
    return f * periodMinutes / 1440.0;
}

bool ShownTimeInRange(double shownTime) { return IsCalendarShownTime(shownTime); }

void SetPreviewDayCount(TTimeScales& time, double dayCount) {
    time.DayCount = dayCount;
    time.ShownTime = dayCount + 28491.0;
    time.JulianDate = dayCount + 2443509.5;
}

void ShowSnapshot(TTrackingState& state, const TTimeScales& time, TParts parts, const TSnapshotHooks& extra) {
    state.CurrentSet = parts.Satellite.ActiveSet();
    if (extra.DrawDateTime) extra.DrawDateTime(FormatShownTime(time.ShownTime, time.TimeScaleLetter));
    if (state.CurrentSet < 1) {
        // No satellite loaded: nothing to compute, so the window keeps showing what
        // real time shows without one (no data line, the plain map).
        state.ActiveComputable = false;
        return;
    }
    parts.Satellite.SelectSatellite(state.CurrentSet);
    parts.Satellite.PropagateAndLook(time.JulianDate, time.DayCount);
    state.ActiveComputable = parts.Satellite.Computable();
    parts.Satellite.SubSatellitePoint();
    if (state.ActiveComputable) parts.Radio.UpdateDoppler();
    // No warm-up wait here, and nothing for the data server, the radio or the rotor.
    if (parts.Radio.HasFrequencyEntry() && !state.ActiveComputable) {
        parts.Output.BlankDopplerText();
    } else if (parts.Radio.HasFrequencyEntry()) {
        parts.Radio.BuildDopplerText();
        if (std::fabs(parts.Satellite.RangeRate()) > 0.001) parts.Radio.DrawDopplerText();
    }
    // The sun does not depend on the map point, so it may come before both.
    if (state.SunOn && extra.ComputeSunAtCursor) extra.ComputeSunAtCursor();
    parts.Map.MapPointAndComposeMap();
    if (state.SunOn) parts.Output.ShowIllumination();
    parts.Satellite.ComputeSquint();
    parts.Output.ShowDataLine();
    if (state.ArrowsOn) parts.Map.DrawDirectionArrow();
    if (state.SunOn) parts.Map.DrawSunOverlay();
    parts.Map.DrawOtherSatellites();
}

}  // namespace kelvora
