#include "RotorDialogActions.h"

#include <cmath>
#include <optional>

#include "RotorFileReader.h"

namespace kelvora {

namespace {

// Empty: nullopt with ok; not a number: nullopt and not ok.
std::optional<double> EntryValue(std::string_view text, bool& ok) {
    text = TrimBlanks(text);
    ok = true;
    if (text.empty()) return std::nullopt;
    double value = 0.0;
    if (!ParseDecimalText(text, value)) {
        ok = false;
        return std::nullopt;
    }
    return value;
}

std::string WholeText(double value) { return std::to_string(static_cast<long long>(std::llround(value))); }

// A manual move: rotor control off, never over the top, the label back to
// normal, the target elevation 0 afterwards and the dialog hidden.
TRotorDialogResult ManualSend(const TRotorSettings& settings, TRotorState& state, double azimuth, double elevation) {
    TRotorDialogResult result;
    state.RotorOn = false;
    state.ManualMove = true;
    result.Command = SendManualTarget(settings, state, azimuth, elevation);
    state.ManualMove = false;
    state.LabelYellow = false;
    state.TargetElevation = 0.0;
    result.HideDialog = true;
    return result;
}

bool ParkFieldChange(int& field, int maximum, std::string_view text) {
    int value = 0;
    if (!ParseWholeNumberText(TrimBlanks(text), value)) return true;
    field = value;
    return value < 0 || value > maximum;
}

TCorrectionResult Correct(const TRotorSettings& settings, TRotorState& state, int activeSlot, int& correction,
                          int delta) {
    correction += delta;
    return {SendPosition(settings, state, activeSlot), CorrectionText(correction)};
}
}  // namespace

TEntryCheck CheckElevationEntry(const TRotorSettings& settings, std::string_view text) {
    TEntryCheck check;
    bool ok = false;
    const std::optional<double> value = EntryValue(text, ok);
    if (!ok) {
        check.Beep = true;
    } else if (value) {
        check.EnableExecute = *value >= 0.0 && *value <= settings.ElevationRange();
        check.Beep = !check.EnableExecute;
    }
    return check;
}

TEntryCheck CheckAzimuthEntry(const TRotorSettings& settings, std::string_view text) {
    TEntryCheck check;
    bool ok = false;
    const std::optional<double> value = EntryValue(text, ok);
    if (!ok) {
        check.Beep = true;
    } else if (value) {
        const double range = settings.AzimuthRange();
        if (*value > range) {
            check.LimitedText = WholeText(range);
            check.Beep = true;
            check.EnableExecute = true;
        } else {
            check.EnableExecute = *value >= 0.0;
            check.Beep = !check.EnableExecute;
        }
    }
    return check;
}

TRotorDialogResult ExecuteManual(const TRotorSettings& settings, TRotorState& state, std::string_view azimuthText,
                                 std::string_view elevationText) {
    TRotorDialogResult result;
    bool azimuthOk = false;
    bool elevationOk = false;
    const std::optional<double> azimuth = EntryValue(azimuthText, azimuthOk);
    const std::optional<double> elevation = EntryValue(elevationText, elevationOk);
    if (!azimuthOk || !elevationOk || (!azimuth && !elevation)) {
        result.Beep = true;
        return result;
    }
    return ManualSend(settings, state, azimuth.value_or(state.TargetAzimuth),
                      elevation.value_or(state.TargetElevation));
}

TRotorDialogResult StandardDirection(const TRotorSettings& settings, TRotorState& state, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= settings.StandardDirections.size()) return {};
    return ManualSend(settings, state, settings.StandardDirections[static_cast<std::size_t>(index)].Azimuth, 0.0);
}

TRotorDialogResult cmdParkClick(const TRotorSettings& settings, TRotorState& state, bool parkFieldHasText) {
    TRotorDialogResult result;
    result.WriteParkFiles = true;
    if (!parkFieldHasText) {
        result.Beep = true;
        return result;
    }
    result.Command = ParkNow(settings, state);
    state.TargetElevation = 0.0;
    state.LabelYellow = false;
    result.HideDialog = true;
    return result;
}

bool edParkAzChange(TRotorSettings& settings, std::string_view text) {
    return ParkFieldChange(settings.ParkAzimuth, 360, text);
}

bool edParkElChange(TRotorSettings& settings, std::string_view text) {
    return ParkFieldChange(settings.ParkElevation, 90, text);
}

TCorrectionResult CorrectAzimuth(const TRotorSettings& settings, TRotorState& state, int activeSlot, int delta) {
    return Correct(settings, state, activeSlot, state.AzimuthCorrection, delta);
}

TCorrectionResult CorrectElevation(const TRotorSettings& settings, TRotorState& state, int activeSlot, int delta) {
    return Correct(settings, state, activeSlot, state.ElevationCorrection, delta);
}

std::string CorrectionText(int correction) {
    std::string text(" ");  // appended: " " + ... trips GCC 12's -Wrestrict at -O3
    text += std::to_string(correction);
    return text;
}

}  // namespace kelvora
