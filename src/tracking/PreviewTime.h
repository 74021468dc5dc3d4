#pragma once
// Preview time and MA stepping: the display shows the active satellite at an instant
// the operator picks, moved only by the operator's steps. The arithmetic and the
// order of one snapshot live here; the dialogs and the window only call them.

#include "TimeScales.h"
#include "Parts.h"
#include "TrackingState.h"

#include <functional>
#include <optional>
#include <string_view>

namespace kelvora {

struct TPreviewStart {
    int Day = 1, Month = 1, Year = 2000;
    int Hour = 0, Minute = 0, Second = 0;
};

struct TPreviewInterval {
    int Hours = 0, Minutes = 2, Seconds = 0;
};

struct TPreviewState {
    TPreviewInterval Interval;  // as the dialog shows it
    double IntervalDays = 2.0 / 1440;  // what a step moves
    int StepFactor = 1;  // 1 "F-", 5 "F+"
    int LastArrowPosition = 0;
    double MaTarget = 0;
    bool Initialised = false;  // the dialog was filled with the current time
};

constexpr int ArrowMinimum = -10000;
constexpr int ArrowMaximum = 10000;

// The start fields of a shown time, seconds set to 0.
TPreviewStart PreviewStartOf(double shownTime);
// The shown time of the start fields; nothing for a date that does not exist.
std::optional<double> ShownTimeOf(const TPreviewStart& start);
// 15 minutes for slow satellites (at most 6.4 revolutions per day), else 2 minutes.
TPreviewInterval DefaultPreviewInterval(double revsPerDay);
// In days; an interval of 0 steps by 2 minutes.
double PreviewIntervalDays(const TPreviewInterval& interval);

// "F-" <-> "F+".
void ToggleStepFactor(TPreviewState& state);
inline const char* StepFactorText(const TPreviewState& state) { return state.StepFactor == 5 ? "F+" : "F-"; }
// The arrow control at its new position: the signed step in days, 0 when the
// position did not change (a click at an end position).
double ArrowStepDays(TPreviewState& state, int newPosition);

// txtMA's text as the MA target: the first "," read as ".", reading stops at the
// first character that does not fit, nothing readable gives 0.
double ParseMaTarget(std::string_view text);
// The warning label is shown for targets outside 0 .. 256.
inline bool MaTargetWarned(double target) { return target < 0 || target > 256; }
// Days until the satellite reaches the target MA from maNow: a fraction of a
// revolution ahead (0 when already there; more than one revolution above 256).
double MaAdvanceDays(double target, double maNow, double revsPerDay);

// Shown times the calendar can show (years 100 to 9999).
bool ShownTimeInRange(double shownTime);

// Moves the displayed instant to a day count; the Julian date and shown time follow.
void SetPreviewDayCount(TTimeScales& time, double dayCount);

// Calls ShowSnapshot needs beyond the parts.
struct TSnapshotHooks {
    std::function<void(const TDateTimeTexts&)> DrawDateTime;
    std::function<void()> ComputeSunAtCursor;
};

// One display of the active satellite at the shown instant. Uses the parts for
// the satellite, map, data line and Doppler text, but never the data server, the
// CAT cycle or the rotor. Without an active satellite only the time is drawn.
void ShowSnapshot(TTrackingState& state, const TTimeScales& time, TParts parts, const TSnapshotHooks& extra);

}  // namespace kelvora
