#pragma once
// The time scales of a tick: shown time (days since 1899-12-30), day count and
// Julian date, and how the zone is split between the display and the orbit code.

#include <QString>

namespace kelvora {

struct TTimeScales {
    double ZoneHours = 0;  // local clock minus UTC
    QString TimeScaleLetter = "U";  // "U": shown time is UTC, "L": local time
    double ClockCorrection = 0;  // days, subtracted from the local clock for display
    double ClockOffset = 0;  // days, subtracted before propagation
    double ShownTime = 0;
    double DayCount = 0;
    double JulianDate = 0;

    // UTC mode corrects the clock before display; local mode leaves the display on the
    // local clock and lets the orbit code remove the zone itself.
    void ApplyTimeScale() {
        if (TimeScaleLetter == "L") {
            ClockOffset = ZoneHours / 24.0;
            ClockCorrection = 0;
        } else {
            ClockOffset = 0;
            ClockCorrection = ZoneHours / 24.0;
        }
    }

    void SetShownTime(double shown) {
        ShownTime = shown;
        DayCount = shown - 28491.0;
        JulianDate = shown + 2415018.5;
    }
};

// "dd.mm.yyyy" and "hh:nn:ss" + " " + letter of a shown time, as the date-time box draws them.
struct TDateTimeTexts {
    QString Date;
    QString Time;
};
TDateTimeTexts FormatShownTime(double shownTime, const QString& timeScaleLetter);

}  // namespace kelvora
