#pragma once
// The Doppler and frequency model: from the nominal frequencies of the active
// satellite to the receive and transmit frequencies the radio must be tuned to now.
// It computes and never talks to the radio. All frequencies are kHz; the shifts
// are kept to 1 Hz (three decimals).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvora {

// Speed of light as the frequency tables were made with; not the SI value.
inline constexpr double kDopplerLightSpeedKmS = 299792.486;
// A frequency read back belongs to the downlink when it lies strictly inside
// downlink +- this many kHz.
inline constexpr double kDownlinkWindowKHz = 50000.0;
// Per-satellite correction limit, Hz.
inline constexpr double kSatCorrectionLimitHz = 50000.0;
// Slots of the satellite selection are 1 .. kDopplerSlots.
inline constexpr int kDopplerSlots = 2000;

// One line of the frequency table "Doppler.SQF".
struct TDopplerEntry {
    std::string Name;
    double DownlinkKHz = 0.0;
    double UplinkKHz = 0.0;  // 0: the entry has no uplink
    std::string DownlinkMode;
    std::string UplinkMode;
    std::string Sense;  // "REV": inverting transponder
    double DownlinkOffsetKHz = 0.0;
    double UplinkOffsetKHz = 0.0;
};

using TDopplerTable = std::vector<TDopplerEntry>;

// The entry in force for the active satellite.
struct TFrequencySet {
    bool Found = false;
    double DownlinkKHz = 0.0;
    double UplinkKHz = 0.0;
    double DownlinkOffsetKHz = 0.0;
    double UplinkOffsetKHz = 0.0;
    std::string DownlinkMode;  // the modes sent to the radio (the CW switch changes them)
    std::string UplinkMode;
    std::string SavedDownlinkMode;  // the entry's own modes, restored when CW goes off
    std::string SavedUplinkMode;
    std::string Sense;
    int SenseSign = -1;  // +1 inverting ("REV"), -1 normal

    bool HasUplink() const { return UplinkKHz != 0.0; }
    // "rev" or "nor", the label beside the correction.
    std::string SenseLabel() const { return SenseSign > 0 ? "rev" : "nor"; }
    // Whether a frequency read back from the radio (offset already added back)
    // belongs to this downlink.
    bool InDownlinkWindow(double kHz) const {
        return kHz > DownlinkKHz - kDownlinkWindowKHz && kHz < DownlinkKHz + kDownlinkWindowKHz;
    }
};

struct TDopplerState {
    double DownShift = 0.0;  // kHz, whole Hz
    double UpShift = 0.0;
    double DownShiftDelta = 0.0;
    double UpShiftDelta = 0.0;
    double RxFrequency = 0.0;
    double TxFrequency = 0.0;  // 0 when the entry has no uplink
    // False when Rx, or Tx of an entry with an uplink, is not finite or not above
    // zero (a broken table line, a range rate that could not be computed): such
    // frequencies are shown but must never be sent.
    bool FrequenciesUsable = false;
    int CorrectionMode = 0;  // 0 both links, 1 uplink only, 2 downlink only
    bool VfoMode = false;
    double DialOffsetKHz = 0.0;
    double DialOffsetHz = 0.0;
    std::vector<double> SatCorrectionHz = std::vector<double>(kDopplerSlots + 1, 0.0);
    std::vector<double> SatCorrectionKHz = std::vector<double>(kDopplerSlots + 1, 0.0);
    double ProportionalBase = 1.0;  // Rx at the last frequency update sent
};

// "FM" and "FMN": no VFO mode and no CW switch.
bool IsFmMode(std::string_view mode);

// Rounds kHz to whole Hz, halves to even (1.2345 -> 1.234, 1.2355 -> 1.236).
double RoundShiftKHz(double kHz);

class TDopplerModel {
public:
    void SetTable(TDopplerTable table) { Table_ = std::move(table); }
    const TDopplerTable& Table() const { return Table_; }
    const TFrequencySet& Set() const { return Set_; }
    const TDopplerState& State() const { return State_; }

    // Takes the first entry named `satName` (exact, case-sensitive). False, with
    // Found off and the previous values kept, when there is none. On success the
    // caller resets its mode-command counter.
    bool SelectFrequencySet(std::string_view satName);
    // The k-th entry (from 0) of the block that starts at the first entry of
    // `satName`. No entry of that name: false with Found off; k outside the
    // block: false and nothing changes.
    bool SelectFrequencySetAt(std::string_view satName, int k);
    // Entries named satName from its first entry on, the list of the tuning dialog.
    int EntryCountFrom(std::string_view satName) const;

    // Once per tracking cycle; rangeRateKmS positive while the distance grows,
    // activeSlot the active satellite's slot. True when the frequency display is
    // to be refreshed (the downlink shift is not 0). Nothing while Found is off.
    bool UpdateDoppler(double rangeRateKmS, int activeSlot);
    // The operator moved the dial by the up-downs; recomputes both frequencies
    // from the current shifts with the VFO rule.
    void ApplyDialStep(double dialOffsetHz, int activeSlot);
    // A receive frequency read back from the radio as it shows it; true when it
    // was taken over as the dial offset (VFO mode on, inside the downlink window).
    bool CaptureDial(double readKHz);

    // False (and no change) for a mode outside 0..2.
    bool SetCorrectionMode(int mode);
    void SetVfoMode(bool on);
    // Hz, limited to -50000..50000; ignored for a slot outside 1..2000 or a
    // value that is not finite.
    void SetSatCorrectionHz(int slot, double hz);
    double SatCorrectionKHz(int slot) const;
    // The conductor's note of the Rx of each update it sends.
    void SetProportionalBase(double rxKHz) { State_.ProportionalBase = rxKHz; }
    // The CW switch changes the modes sent; RestoreModes brings back the entry's.
    void SetModes(std::string downlinkMode, std::string uplinkMode);
    void RestoreModes();

    // The VFO rule when the modes of an entry are set: an FM downlink ("FM",
    // "FMN") switches the VFO mode off; any other takes the stored correction
    // mode (when the file gave one) and, when vfoFollows (Yaesu, Kenwood, a radio
    // server), switches the VFO mode on.
    void ApplyDownlinkModeRule(std::optional<int> storedCorrectionMode, bool vfoFollows);

    // Status bar text of the correction mode.
    std::string CorrectionModeText() const;
    // The receive/transmit panel text; empty while Found is off.
    std::string FrequencyDisplay(char decimalSeparator) const;

private:
    void Take(const TDopplerEntry& entry);
    void ComputeFrequencies(bool vfoRule, int activeSlot);

    TDopplerTable Table_;
    TFrequencySet Set_;
    TDopplerState State_;
};

}  // namespace kelvora
