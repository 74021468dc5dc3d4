#pragma once
// What the CAT benchmarks share: a satellite entry whose every cycle moves the
// downlink, the setup of each family, a display that shows nothing and CAT
// switched on past the mode commands.
#include <string>

#include "CatControl.h"
#include "CatDisplay.h"
#include "CatRadioSetup.h"
#include "DopplerModel.h"

namespace kelvora::bench {

inline const TDopplerEntry kEntry{"OSCAR-TEST", 435800.0, 145900.0, "USB", "LSB", "REV", 0.0, 0.0};

inline TCatRadioSetup Setup(TRadioFamily family, const char* model) {
    TCatRadioSetup s;
    s.Family = family;
    s.Model = model;
    s.YaesuRxOpcode = 30;
    s.YaesuTxOpcode = 46;
    s.IcomRxAddress = s.IcomTxAddress = 0xA2;
    s.KenwoodSatChar = '1';
    s.KenwoodTraceOption = "TraceOff";
    return s;
}

class SilentDisplay final : public ICatDisplay {
public:
    void ShowCatSwitch(bool) override {}
    void ShowCwSwitch(bool, bool) override {}
    void ShowTransmit(bool) override {}
    void HideTransmitLabels() override {}
    void ShowCorrection(double) override {}
    void ShowVfoMode(bool) override {}
    void RefreshFrequencyDisplay() override {}
    void ShowMessage(const std::string&) override {}
    void HoldTrackingForStep() override {}
    void ResetWarmUp() override {}
};

// Opens the port on the device, selects kEntry and switches CAT on; then runs the
// first three cycles, past the mode commands of the second. False when the port
// did not open.
inline bool StartCat(TCatControl& cat, TDopplerModel& doppler, const TCatRadioSetup& setup, const std::string& device) {
    doppler.SetTable({kEntry});
    cat.InitCat(setup);
    std::string message;
    if (!cat.OpenCatPort(CatPortSettings(setup, 1, device), &message)) return false;
    cat.SatelliteChanged(kEntry.Name, 1);
    cat.Fields().StartupDone = true;
    cat.CatOn();
    for (int i = 0; i < 3; ++i) {
        doppler.UpdateDoppler(-3.0 - i, 1);
        cat.CycleUpdate();
    }
    return true;
}

}  // namespace kelvora::bench
