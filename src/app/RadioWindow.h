#pragma once
// The main window's radio controls as the radio part sees them.

#include "RadioPart.h"

namespace kelvora {

class TAusgabe;
class TTickTimer;

class TRadioWindow final : public IRadioWindow {
public:
    TRadioWindow(TAusgabe& main, TTickTimer& ticks, const TAppState& state)
        : main_(main), ticks_(ticks), state_(state) {}

    void ShowCatSwitch(bool on) override;
    void ShowCwSwitch(bool enabled, bool on) override;
    void ShowVfoMode(bool on) override;
    void ShowCorrection(const QString& text, bool alsoReceive) override;
    void ShowTransmit(bool transmit) override;
    void HideTransmitLabels() override;
    void ShowTransmitLabels() override;
    bool TransmitLabelsShown() const override;
    void DrawFrequencyDisplay(const QString& text) override;
    void DrawDopplerText(const QString& text) override;
    void ShowCorrectionModeText(const QString& text) override;
    void EnableSatModeOff(bool enabled) override;
    void HoldTrackingForStep() override;
    void StopMainTimer() override;
    void ResumeMainTimer() override;

private:
    TAusgabe& main_;
    TTickTimer& ticks_;
    const TAppState& state_;
};

}  // namespace kelvora
