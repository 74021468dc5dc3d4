#pragma once
// How old the active satellite's elements are at the shown instant. The models
// drift by kilometres a day away from the epoch; after some weeks a low satellite
// may even come out below the ground, so the operator is warned once per load.

#include <QString>

namespace kelvora {

// "SatStartISS.SQF" line 16: the age in days from which elements count as stale.
constexpr int DefaultStaleElementDays = 30;
// A whole number of days above 0; a missing or empty line, 0 or anything else
// gives the default.
int StaleElementDaysOf(const QString& lineText);

// Days from the elements' epoch to the instant, both Julian dates in UTC;
// negative before the epoch.
inline double ElementAgeDays(double julianEpoch, double julianDateUtc) { return julianDateUtc - julianEpoch; }
inline bool ElementsStale(double ageDays, int thresholdDays) { return ageDays > thresholdDays; }

// The warning for the operator, naming the satellite, the element file and the
// age in whole days.
QString StaleElementsWarning(const QString& satelliteName, const QString& fileName, double ageDays);

}  // namespace kelvora
