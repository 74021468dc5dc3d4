#include "DopplerModel.h"

#include <algorithm>
#include <cmath>

#include "FrequencyText.h"

namespace kelvora {

namespace {
bool IsSlot(int slot) { return slot >= 1 && slot <= kDopplerSlots; }

bool Positive(double kHz) { return std::isfinite(kHz) && kHz > 0.0; }

// "#000000.000", with one blank in front below 10 GHz.
std::string DisplayFrequency(double kHz, char decimalSeparator) {
    const std::string text = FormatFixed(kHz, 6, 3, decimalSeparator);
    return kHz < 10000000.0 ? " " + text : text;
}
}  // namespace

bool IsFmMode(std::string_view mode) { return mode == "FM" || mode == "FMN"; }

double RoundShiftKHz(double kHz) { return std::nearbyint(kHz * 1000.0) / 1000.0; }

void TDopplerModel::Take(const TDopplerEntry& entry) {
    Set_.Found = true;
    Set_.DownlinkKHz = entry.DownlinkKHz;
    Set_.UplinkKHz = entry.UplinkKHz;
    Set_.DownlinkOffsetKHz = entry.DownlinkOffsetKHz;
    Set_.UplinkOffsetKHz = entry.UplinkOffsetKHz;
    Set_.DownlinkMode = Set_.SavedDownlinkMode = entry.DownlinkMode;
    Set_.UplinkMode = Set_.SavedUplinkMode = entry.UplinkMode;
    Set_.Sense = entry.Sense;
    Set_.SenseSign = entry.Sense == "REV" ? 1 : -1;
}

bool TDopplerModel::SelectFrequencySet(std::string_view satName) { return SelectFrequencySetAt(satName, 0); }

bool TDopplerModel::SelectFrequencySetAt(std::string_view satName, int k) {
    const auto first =
        std::find_if(Table_.begin(), Table_.end(), [&](const TDopplerEntry& e) { return e.Name == satName; });
    if (first == Table_.end()) {
        Set_.Found = false;
        return false;
    }
    // Only the satellite's own block: a position past it is a caller's slip,
    // not a reason to tune to another satellite.
    if (k < 0 || k >= EntryCountFrom(satName)) return false;
    Take(*(first + k));
    return true;
}

int TDopplerModel::EntryCountFrom(std::string_view satName) const {
    auto it = std::find_if(Table_.begin(), Table_.end(), [&](const TDopplerEntry& e) { return e.Name == satName; });
    int count = 0;
    for (; it != Table_.end() && it->Name == satName; ++it) ++count;
    return count;
}

void TDopplerModel::ComputeFrequencies(bool vfoRule, int activeSlot) {
    TDopplerState& s = State_;
    double rx = Set_.DownlinkKHz;
    double tx = Set_.UplinkKHz;
    switch (s.CorrectionMode) {
        case 1:  // the whole correction on the uplink
            tx += s.DownShift + s.UpShift;
            break;
        case 2:  // the whole correction on the downlink
            rx += s.DownShift + s.UpShift;
            break;
        default:
            rx += s.DownShift;
            tx += s.UpShift;
            break;
    }
    const double satKHz = SatCorrectionKHz(activeSlot);
    if (vfoRule) {
        // An inverting transponder moves the uplink against the dial.
        rx += s.DialOffsetKHz;
        tx += satKHz - Set_.SenseSign * s.DialOffsetKHz;
    } else {
        rx += satKHz;
        tx += (tx / s.ProportionalBase) * satKHz;
    }
    s.RxFrequency = rx;
    s.TxFrequency = Set_.HasUplink() ? tx : 0.0;
    s.FrequenciesUsable = Positive(s.RxFrequency) && (!Set_.HasUplink() || Positive(s.TxFrequency));
}

bool TDopplerModel::UpdateDoppler(double rangeRateKmS, int activeSlot) {
    if (!Set_.Found) return false;
    TDopplerState& s = State_;
    const double v = -rangeRateKmS;  // positive while the satellite approaches
    const double down = RoundShiftKHz(v * Set_.DownlinkKHz / kDopplerLightSpeedKmS);
    s.DownShiftDelta = down - s.DownShift;
    s.DownShift = down;
    if (Set_.HasUplink()) {
        const double up = RoundShiftKHz(-v * Set_.UplinkKHz / kDopplerLightSpeedKmS);
        s.UpShiftDelta = up - s.UpShift;
        s.UpShift = up;
    } else {
        s.UpShift = 0.0;
        s.UpShiftDelta = 0.0;
    }
    ComputeFrequencies(s.VfoMode, activeSlot);
    return s.DownShift != 0.0;
}

void TDopplerModel::ApplyDialStep(double dialOffsetHz, int activeSlot) {
    State_.DialOffsetHz = dialOffsetHz;
    State_.DialOffsetKHz = dialOffsetHz / 1000.0;
    ComputeFrequencies(true, activeSlot);
}

bool TDopplerModel::CaptureDial(double readKHz) {
    if (!State_.VfoMode || !Set_.Found) return false;
    const double shown = readKHz + Set_.DownlinkOffsetKHz;
    if (!std::isfinite(shown) || !Set_.InDownlinkWindow(shown)) return false;
    TDopplerState& s = State_;
    double dial = shown - Set_.DownlinkKHz + s.DownShiftDelta;
    if (s.CorrectionMode == 0) dial -= s.DownShift;
    if (s.CorrectionMode == 2) dial -= s.DownShift + s.UpShift;
    s.DialOffsetKHz = dial;
    s.DialOffsetHz = dial * 1000.0;
    return true;
}

bool TDopplerModel::SetCorrectionMode(int mode) {
    if (mode < 0 || mode > 2) return false;
    State_.CorrectionMode = mode;
    return true;
}

void TDopplerModel::SetVfoMode(bool on) {
    State_.VfoMode = on;
    if (on) return;
    State_.CorrectionMode = 0;
    State_.DialOffsetHz = 0.0;
    State_.DialOffsetKHz = 0.0;
}

void TDopplerModel::ApplyDownlinkModeRule(std::optional<int> storedCorrectionMode, bool vfoFollows) {
    if (IsFmMode(Set_.DownlinkMode)) {
        SetVfoMode(false);
        return;
    }
    if (storedCorrectionMode) SetCorrectionMode(*storedCorrectionMode);
    if (vfoFollows) SetVfoMode(true);
}

void TDopplerModel::SetSatCorrectionHz(int slot, double hz) {
    if (!IsSlot(slot) || !std::isfinite(hz)) return;
    hz = std::clamp(hz, -kSatCorrectionLimitHz, kSatCorrectionLimitHz);
    State_.SatCorrectionHz[static_cast<size_t>(slot)] = hz;
    State_.SatCorrectionKHz[static_cast<size_t>(slot)] = hz / 1000.0;
}

double TDopplerModel::SatCorrectionKHz(int slot) const {
    return IsSlot(slot) ? State_.SatCorrectionKHz[static_cast<size_t>(slot)] : 0.0;
}

void TDopplerModel::SetModes(std::string downlinkMode, std::string uplinkMode) {
    Set_.DownlinkMode = std::move(downlinkMode);
    Set_.UplinkMode = std::move(uplinkMode);
}

void TDopplerModel::RestoreModes() {
    Set_.DownlinkMode = Set_.SavedDownlinkMode;
    Set_.UplinkMode = Set_.SavedUplinkMode;
}

std::string TDopplerModel::CorrectionModeText() const {
    switch (State_.CorrectionMode) {
        case 1:
            return " Doppl.Corr.: Uplink";
        case 2:
            return " Doppl.Corr.: Downlink";
        default:
            return " Doppl.Corr.: Upl/Dwnl";
    }
}

std::string TDopplerModel::FrequencyDisplay(char decimalSeparator) const {
    if (!Set_.Found) return {};
    const std::string rx = DisplayFrequency(State_.RxFrequency, decimalSeparator);
    const std::string tx = Set_.UplinkKHz >= 1.0 ? DisplayFrequency(State_.TxFrequency, decimalSeparator)
                                                 : std::string(12, ' ');  // eleven blanks, one in front
    return rx + " " + tx + "   ";
}

}  // namespace kelvora
