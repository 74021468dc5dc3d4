#pragma once
// The CAT conductor: opens the radio's port, switches CAT control on and off,
// decides in every tracking cycle whether frequencies go out, schedules the mode
// commands, carries out the operator's steps and switches and shuts the radio
// down. The bytes come from the family classes; the conductor only orders them.
// Once a read from the radio failed (unplugged, switched off) nothing more is
// written to it for the rest of the run.

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "CatDisplay.h"
#include "CatInterval.h"
#include "CatRadioSetup.h"
#include "CatRunner.h"
#include "DopplerModel.h"
#include "IcomCiv.h"
#include "KenwoodCat.h"
#include "SerialPort.h"
#include "YaesuCat.h"

namespace kelvora {

inline constexpr int kModeCounterLimit = 5;
inline constexpr int kModeCounterSend = 2;  // the modes go out in the second cycle

inline constexpr char kCatDisabledMessage[] =
    "Cat control has been disabled because the radio was switched off or disconnected.\n"
    "Re-start KelvoraISS if you want to continue with CAT control. ";

struct TCatControlState {
    bool CatOn = false;
    bool UseRadioServer = false;
    bool PortTried = false;
    bool CatError = false;
    bool Hold = false;
    bool ForceSend = false;
    bool SkipThresholdOnce = false;
    double LastSentReference = 0.0;  // kHz; 0 forces the next update
    double IntervalHz = kDefaultIntervalHz;
    int ModeCounter = 0;
    int ReadBackArmed = 0;
    bool KenwoodControlSent = false;
    bool TransmitLock = false;
    bool StartupDone = false;
    int PortNumber = 0;  // 0: no CAT port (none configured, second instance, open failed)
    bool Transmitting = false;  // what the TX/RX labels show
    bool CwActive = false;
};

// The manual frequencies the tuning dialog accepts (kHz).
bool IsValidManualFrequency(double kHz);

class TCatControl {
public:
    TCatControl(TDopplerModel& doppler, ISerialPort& port, ICatPause& pauser, ICatDisplay& display,
                IRadioServerLink& server);

    TCatControlState& Fields() { return S_; }
    const TCatControlState& Fields() const { return S_; }
    void SetCatPause(std::chrono::milliseconds length) { PauseLength_ = length; }
    // Reads "KorrMod.SQF" for the mode setting; nullopt leaves the correction mode.
    void SetCorrectionModeSource(std::function<std::optional<int>()> source) { CorrectionSource_ = std::move(source); }
    TRadioFamily Family() const { return Setup_.Family; }
    const TCatRadioSetup& Setup() const { return Setup_; }
    int ActiveSlot() const { return ActiveSlot_; }

    // Builds the family's command strings; again after the mode dialog's OK.
    void InitCat(const TCatRadioSetup& setup);
    // Once per run. False with the message to show when the device cannot be
    // opened; the port number is 0 afterwards. Nothing happens (true) without a
    // port number, with a radio server or when it was tried before. The message
    // names the data folder whose "SerialPorts.SQF" maps the number to the device.
    bool OpenCatPort(const TSerialSettings& settings, std::string* message, std::string_view dataFolder = {});

    void CatOnOff();
    void CatOn();
    void CatOff();
    // After UpdateDoppler for the active satellite.
    void CycleUpdate();
    void SendFrequencies(double rxKHz, double txKHz);
    void SendModes();

    // Picks the first entry of the satellite (also the automatic change's only call).
    bool SelectFrequencySet(const std::string& satName);
    // A new tracking run or a letter click.
    void SatelliteChanged(const std::string& satName, int slot);
    // The tuning dialog's list: the k-th entry of the satellite.
    void ChooseEntry(const std::string& satName, int k);
    // The tuning dialog's "OK" with valid frequencies: forced out, then CAT off.
    void SendManualFrequencies(double rxKHz, double txKHz);
    // Interval up-downs; false while the interval is negative (they do nothing then).
    bool StepInterval(double deltaHz);
    // Correction up-downs and keys for the satellite in `slot`.
    void StepCorrection(int slot, double deltaHz);
    // The dial up-downs and keys: only while CAT control and the VFO mode are on.
    void DialStep(double deltaHz);
    // The dial offset is now newDialOffsetHz: both frequencies at once to the radio.
    void ManualStep(double newDialOffsetHz);

    void TransmitSwitch();
    void ReceiveSwitch();
    void TxRxToggle();  // a click on any TX/RX label
    void TransmitLabelsHidden();  // the status bar hides the labels: receive first
    void SpaceKey();
    void SatModeOff();
    void ShutdownRadio(TQuitPath path);

    void CwOn();
    void CwOff();
    void CwToggle();
    // The mode dialog's "OK" with the address pair chosen there.
    void ApplyModeDialog(const TCatRadioSetup& setup);

private:
    bool PortOpen() const { return S_.PortNumber > 0 && Port_.IsOpen(); }
    bool Run(const TCatScript& script, TCatBytes* answer = nullptr);
    void ReadFailed();
    void IcomBandCheck();
    void IcomReadBack();
    void KenwoodReadBack();
    bool IcomMayUpdate();
    bool SendFamilyUpdate(double rx, double tx);
    void SwitchToTransmit();
    // pttOff: the labels' receive side sends the Yaesu PTT off first.
    void SwitchToReceive(bool pttOff);
    void YaesuTransmitSwitch();
    void YaesuReceiveSwitch();
    void ShowCorrectionOf(int slot);
    TFrequencyRequest Request(double rx, double tx) const;
    TCatProtocol* Protocol() const;

    TDopplerModel& Doppler_;
    ISerialPort& Port_;
    ICatPause& Pauser_;
    ICatDisplay& Display_;
    IRadioServerLink& Server_;
    std::chrono::milliseconds PauseLength_{0};
    std::function<std::optional<int>()> CorrectionSource_;
    TCatControlState S_;
    TCatRadioSetup Setup_;
    std::unique_ptr<TYaesuCat> Yaesu_;
    std::unique_ptr<TIcomCiv> Icom_;
    std::unique_ptr<TKenwoodCat> Kenwood_;
    int ActiveSlot_ = 0;
};

}  // namespace kelvora
