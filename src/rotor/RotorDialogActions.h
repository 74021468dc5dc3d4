#pragma once
// The operations of the "Rotor" dialog as plain calls: manual positions,
// standard directions, park, and the operator's one-degree corrections. The
// dialog shows, beeps and hides as the results say; nothing here knows a window.

#include <string>
#include <string_view>

#include "RotorPositioning.h"
#include "RotorSettings.h"

namespace kelvora {

struct TRotorDialogResult {
    TRotorDecision Command;  // the position for the rotor server, if any
    bool Beep = false;
    bool HideDialog = false;  // also: lblRotor back to its normal colour when a move was made
    bool WriteParkFiles = false;  // "Park.SQF" and "ParkPos.SQF" are to be rewritten
};

// txtEl / txtAz after each change. A value within the range enables "Execute";
// anything else beeps. An azimuth above the range is limited to it (LimitedText
// is then the text the field should show). An empty field neither beeps nor enables.
struct TEntryCheck {
    bool EnableExecute = false;
    bool Beep = false;
    std::string LimitedText;
};
TEntryCheck CheckElevationEntry(const TRotorSettings& settings, std::string_view text);
TEntryCheck CheckAzimuthEntry(const TRotorSettings& settings, std::string_view text);

// "Execute": the entered position, rotor control off. An empty field keeps the
// current target of its axis; both empty, or text that is not a number, beeps.
TRotorDialogResult ExecuteManual(const TRotorSettings& settings, TRotorState& state, std::string_view azimuthText,
                                 std::string_view elevationText);

// A click on entry index (0-based) of the standard directions: that azimuth at
// elevation 0, rotor control off. An index outside the list does nothing.
TRotorDialogResult StandardDirection(const TRotorSettings& settings, TRotorState& state, int index);

// "Park": the park position when either park field holds text, else a beep; the
// park files are rewritten in both cases.
TRotorDialogResult cmdParkClick(const TRotorSettings& settings, TRotorState& state, bool parkFieldHasText);

// edParkAz / edParkEl after each change: a whole number is taken as the park
// azimuth (0..360) or elevation (0..90); outside that range it beeps but is taken
// all the same. Text that is not a whole number beeps and changes nothing. Returns
// whether to beep.
bool edParkAzChange(TRotorSettings& settings, std::string_view text);
bool edParkElChange(TRotorSettings& settings, std::string_view text);

// SpinAzim / SpinElev: the correction by delta (+1 or -1), at once sent with the
// current target. Text is what txtKorrH / txtKorrV show.
struct TCorrectionResult {
    TRotorDecision Command;
    std::string Text;
};
TCorrectionResult CorrectAzimuth(const TRotorSettings& settings, TRotorState& state, int activeSlot, int delta);
TCorrectionResult CorrectElevation(const TRotorSettings& settings, TRotorState& state, int activeSlot, int delta);

// " " + the correction formatted "##0", as both correction fields show it.
std::string CorrectionText(int correction);

}  // namespace kelvora
