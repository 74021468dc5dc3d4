// The conductor's operator side: satellite and entry changes, the tuning
// dialog's values, the dial steps, the transmit/receive switch, "Sat mode off",
// the CW switch, the mode dialog and the shut-down.
#include <algorithm>
#include <cmath>

#include "CatControl.h"

namespace kelvora {

namespace {
TCatScript OnePause() { return TCatScriptBuilder().Pause().Take(); }
}  // namespace

void TCatControl::ShowCorrectionOf(int slot) {
    const auto& hz = Doppler_.State().SatCorrectionHz;
    Display_.ShowCorrection(slot >= 1 && static_cast<size_t>(slot) < hz.size() ? hz[static_cast<size_t>(slot)] : 0.0);
}

bool TCatControl::SelectFrequencySet(const std::string& satName) {
    if (!Doppler_.SelectFrequencySet(satName)) return false;
    S_.ModeCounter = 0;
    if (Yaesu_) Yaesu_->EntrySelected(Doppler_.Set().DownlinkKHz, Doppler_.Set().UplinkKHz);
    return true;
}

void TCatControl::SatelliteChanged(const std::string& satName, int slot) {
    ActiveSlot_ = slot;
    SelectFrequencySet(satName);
    ShowCorrectionOf(slot);
    if (Icom_) IcomBandCheck();
    S_.Hold = false;
    S_.ReadBackArmed = 0;
}

void TCatControl::ChooseEntry(const std::string& satName, int k) {
    S_.LastSentReference = 0.0;
    if (Doppler_.SelectFrequencySetAt(satName, k)) {
        S_.ModeCounter = 0;
        if (Yaesu_) {
            Yaesu_->EntrySelected(Doppler_.Set().DownlinkKHz, Doppler_.Set().UplinkKHz);
            if (S_.PortNumber > 0) Run(Yaesu_->ShiftCommandScript());
        }
    }
    ShowCorrectionOf(ActiveSlot_);
    if (Icom_) IcomBandCheck();
    if (S_.PortNumber > 0) Run(OnePause());
    Display_.ResetWarmUp();
    S_.Hold = false;
    S_.ReadBackArmed = 0;
}

void TCatControl::SendManualFrequencies(double rxKHz, double txKHz) {
    // An empty transmit field leaves the computed uplink.
    const double tx = txKHz > 0.0 ? txKHz : Doppler_.State().TxFrequency;
    S_.ForceSend = true;
    SendFrequencies(rxKHz, tx);
    // The tracking must not overwrite what the operator typed.
    CatOff();
}

bool TCatControl::StepInterval(double deltaHz) {
    if (!(S_.IntervalHz >= 0.0)) return false;
    S_.IntervalHz = std::max(0.0, std::trunc(S_.IntervalHz + deltaHz));
    return true;
}

void TCatControl::StepCorrection(int slot, double deltaHz) {
    if (slot < 1 || slot > kDopplerSlots) return;
    Doppler_.SetSatCorrectionHz(slot, Doppler_.State().SatCorrectionHz[static_cast<size_t>(slot)] + deltaHz);
    ShowCorrectionOf(slot);
    S_.LastSentReference = 0.0;
    Display_.RefreshFrequencyDisplay();
}

void TCatControl::DialStep(double deltaHz) {
    if (!S_.CatOn || !Doppler_.State().VfoMode) return;
    ManualStep(Doppler_.State().DialOffsetHz + deltaHz);
}

void TCatControl::ManualStep(double newDialOffsetHz) {
    if ((S_.PortNumber <= 0 && !S_.UseRadioServer) || !S_.CatOn || !Doppler_.Set().Found) return;
    if (!std::isfinite(newDialOffsetHz)) return;
    Display_.HoldTrackingForStep();
    Doppler_.ApplyDialStep(newDialOffsetHz, ActiveSlot_);
    Display_.RefreshFrequencyDisplay();
    const TDopplerState& st = Doppler_.State();
    if (!Doppler_.State().FrequenciesUsable) return;
    if (S_.UseRadioServer) {
        Server_.SendStep(RadioFrequency(st.RxFrequency, Doppler_.Set().DownlinkOffsetKHz));
        return;
    }
    if (PortOpen() && Protocol()) Run(Protocol()->StepUpdate(Request(st.RxFrequency, st.TxFrequency)));
}

void TCatControl::YaesuTransmitSwitch() {
    // The main VFO moves to the uplink before the radio goes to transmit.
    const TDopplerState& st = Doppler_.State();
    S_.Hold = false;
    S_.LastSentReference = 0.0;
    if (Doppler_.Set().Found) SendFrequencies(st.TxFrequency, st.TxFrequency);
    Run(TCatScriptBuilder().Append(Yaesu_->TransmitOn()).Pause().Take());
    S_.TransmitLock = true;
    Yaesu_->SetTransmitLock(true);
}

void TCatControl::YaesuReceiveSwitch() {
    Run(TCatScriptBuilder().Append(Yaesu_->TransmitOff()).Pause().Take());
    S_.TransmitLock = false;
    Yaesu_->SetTransmitLock(false);
    S_.Hold = false;
    S_.LastSentReference = 0.0;
    const TDopplerState& st = Doppler_.State();
    if (Doppler_.Set().Found) SendFrequencies(st.RxFrequency, st.TxFrequency);
}

void TCatControl::SwitchToTransmit() {
    S_.Transmitting = true;
    Display_.ShowTransmit(true);
    if (!PortOpen()) return;
    if (Yaesu_) YaesuTransmitSwitch();
    else if (Protocol()) Run(Protocol()->TransmitOn());
}

void TCatControl::SwitchToReceive(bool pttOff) {
    S_.Transmitting = false;
    Display_.ShowTransmit(false);
    if (!PortOpen()) return;
    if (Yaesu_) {
        if (pttOff) Run(Yaesu_->PttOff());
        YaesuReceiveSwitch();
    } else if (Protocol()) {
        Run(Protocol()->TransmitOff());
    }
}

void TCatControl::TransmitSwitch() { SwitchToTransmit(); }

void TCatControl::ReceiveSwitch() { SwitchToReceive(true); }

void TCatControl::TxRxToggle() {
    if (S_.Transmitting) ReceiveSwitch();
    else TransmitSwitch();
}

void TCatControl::TransmitLabelsHidden() {
    SwitchToReceive(false);
    Display_.HideTransmitLabels();
}

void TCatControl::SpaceKey() {
    // Each family its own switch bytes; a Yaesu gets its plain receive switch.
    if (S_.Transmitting) SwitchToReceive(false);
    else SwitchToTransmit();
}

void TCatControl::SatModeOff() {
    if (!Yaesu_ || Yaesu_->Model() == TYaesuModel::FT736R) return;  // the menu item is off for these
    if (S_.CatOn) {
        Display_.ShowCatSwitch(false);
        S_.CatOn = false;
    }
    if (S_.PortNumber > 0) Run(Yaesu_->SatModeOff());
}

void TCatControl::ShutdownRadio(TQuitPath path) {
    if (S_.CatError) return;  // the radio is gone: not one byte more
    S_.Transmitting = false;
    Display_.ShowTransmit(false);
    Display_.HideTransmitLabels();
    if (PortOpen() && Protocol()) Run(Protocol()->ForceReceive());
    if (S_.CatOn && !Yaesu_) CatOff();
    if (Yaesu_ && PortOpen()) {
        Run(Yaesu_->QuitCommands(path));  // the FT-847's CAT off is part of it
        if (Yaesu_->Model() == TYaesuModel::FT847) {
            Display_.ShowCatSwitch(false);
            S_.CatOn = false;
        }
    }
    if (Icom_ && PortOpen()) Run(Icom_->QuitCommands(path));
    if (S_.UseRadioServer) Server_.CloseLink();
    else if (Kenwood_ && PortOpen()) Run(Kenwood_->QuitCommands(path));
}

void TCatControl::CwOn() {
    S_.CwActive = true;
    Display_.ShowCwSwitch(true, true);
    Doppler_.SetModes("CW", "CW");
    SendModes();
}

void TCatControl::CwOff() {
    S_.CwActive = false;
    Display_.ShowCwSwitch(true, false);
    Doppler_.RestoreModes();
    SendModes();
}

void TCatControl::CwToggle() {
    if (S_.CwActive) CwOff();
    else CwOn();
}

void TCatControl::ApplyModeDialog(const TCatRadioSetup& setup) {
    InitCat(setup);
    SendModes();
    S_.SkipThresholdOnce = true;
    S_.LastSentReference = 0.0;
    Display_.ResetWarmUp();
    Display_.RefreshFrequencyDisplay();
}

}  // namespace kelvora
