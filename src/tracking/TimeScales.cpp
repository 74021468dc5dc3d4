#include "TimeScales.h"

#include "Clock.h"

namespace kelvora {

TDateTimeTexts FormatShownTime(double shownTime, const QString& timeScaleLetter) {
    const QDateTime dt = DaysToDateTime(shownTime);
    // Seconds are truncated, as a clock shows them.
    const QTime t = dt.time();
    const QTime whole(t.hour(), t.minute(), t.second());
    return {dt.date().toString("dd.MM.yyyy"), whole.toString("hh:mm:ss") + " " + timeScaleLetter};
}

}  // namespace kelvora
