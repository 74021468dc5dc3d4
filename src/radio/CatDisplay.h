#pragma once
// What the CAT conductor shows or asks of the main window, and what it sends to a
// radio server instead of the serial port. Both are seams: the window and the
// server link implement them, tests record them.

#include <string>

namespace kelvora {

class ICatDisplay {
public:
    virtual ~ICatDisplay() = default;
    virtual void ShowCatSwitch(bool on) = 0;  // lblCat "C+" / "C-"
    virtual void ShowCwSwitch(bool enabled, bool on) = 0;  // lblCW "CW+" / "CW-"
    virtual void ShowTransmit(bool transmit) = 0;  // the TX/RX labels: "TX" on red, "RX" on green
    virtual void HideTransmitLabels() = 0;
    virtual void ShowCorrection(double hz) = 0;  // lblRevNor, "####0"
    // lblVFO, the dial up-downs, the correction mode group and the status bar text.
    virtual void ShowVfoMode(bool on) = 0;
    virtual void RefreshFrequencyDisplay() = 0;
    virtual void ShowMessage(const std::string& text) = 0;
    // A manual step: the main timer stops and the pause timer resumes the tracking.
    virtual void HoldTrackingForStep() = 0;
    virtual void ResetWarmUp() = 0;  // the tracking cycle's warm-up flags
};

// The radio server: the same decisions as macros instead of bytes.
class IRadioServerLink {
public:
    virtual ~IRadioServerLink() = default;
    virtual void Open() = 0;  // "RaOpen"
    virtual void Close() = 0;  // "RaClose"
    virtual void SendFrequencies(double rxKHz, double txKHz) = 0;
    virtual void SendStep(double rxKHz) = 0;
    virtual void SendModes(const std::string& downlinkMode, const std::string& uplinkMode) = 0;
    virtual void CloseLink() = 0;
};

// Until the server link exists: a server that takes everything and does nothing.
class TNullRadioServerLink final : public IRadioServerLink {
public:
    void Open() override {}
    void Close() override {}
    void SendFrequencies(double, double) override {}
    void SendStep(double) override {}
    void SendModes(const std::string&, const std::string&) override {}
    void CloseLink() override {}
};

}  // namespace kelvora
