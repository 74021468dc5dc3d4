// The conductor's core: port, CAT on and off, the per-cycle update, the
// frequency and mode commands and the answers they depend on.
#include "CatControl.h"

#include "SerialDevice.h"

#include <algorithm>
#include <cmath>

namespace kelvora {

namespace {
// A frequency that is not finite or not above zero (a transmit frequency of 0
// means no uplink) never goes to a radio or a radio server.
bool Sendable(double rx, double tx) { return std::isfinite(rx) && rx > 0.0 && std::isfinite(tx) && tx >= 0.0; }

TCatScript OnePause() { return TCatScriptBuilder().Pause().Take(); }

// Frequencies are whole hertz; a move of exactly the interval must count as
// reaching it although 0.1 kHz has no exact binary form.
constexpr double kThresholdSlackKHz = 1e-6;
}  // namespace

bool IsValidManualFrequency(double kHz) {
    return (kHz > 143999.999 && kHz < 146000.0) || (kHz > 429999.999 && kHz < 440000.0) ||
           (kHz > 1259999.999 && kHz < 1300000.0);
}

TCatControl::TCatControl(TDopplerModel& doppler, ISerialPort& port, ICatPause& pauser, ICatDisplay& display,
                         IRadioServerLink& server)
    : Doppler_(doppler), Port_(port), Pauser_(pauser), Display_(display), Server_(server) {}

TCatProtocol* TCatControl::Protocol() const {
    if (Yaesu_) return Yaesu_.get();
    if (Icom_) return Icom_.get();
    return Kenwood_.get();
}

void TCatControl::InitCat(const TCatRadioSetup& setup) {
    Setup_ = setup;
    Yaesu_.reset();
    Icom_.reset();
    Kenwood_.reset();
    switch (setup.Family) {
        case TRadioFamily::Yaesu: {
            Yaesu_ = std::make_unique<TYaesuCat>(YaesuModelOf(setup.Model), setup.YaesuRxOpcode, setup.YaesuTxOpcode);
            Yaesu_->SetTransmitLock(S_.TransmitLock);
            // Rebuilt by the mode dialog: the entry in force keeps its shift direction.
            const TFrequencySet& set = Doppler_.Set();
            if (set.Found) Yaesu_->EntrySelected(set.DownlinkKHz, set.UplinkKHz);
            break;
        }
        case TRadioFamily::Icom:
            Icom_ = std::make_unique<TIcomCiv>(IcomModelOf(setup.Model), setup.IcomRxAddress, setup.IcomTxAddress);
            break;
        case TRadioFamily::Kenwood:
            Kenwood_ = std::make_unique<TKenwoodCat>(KenwoodModelOf(setup.Model), setup.KenwoodSatChar,
                                                     setup.KenwoodTraceOption);
            S_.KenwoodControlSent = false;
            break;
        case TRadioFamily::None:
            break;
    }
}

bool TCatControl::OpenCatPort(const TSerialSettings& settings, std::string* message, std::string_view dataFolder) {
    if (S_.UseRadioServer || S_.PortTried || settings.PortNumber <= 0) return true;
    S_.PortTried = true;
    std::string reason;
    if (!Port_.IsOpen() && !Port_.Open(settings, &reason)) {
        S_.PortNumber = 0;
        if (message) *message = PortOpenFailureMessage(settings.PortNumber, settings.DevicePath, reason, dataFolder);
        return false;
    }
    S_.PortNumber = settings.PortNumber;
    Run(OnePause());
    Port_.SetRts(settings.Rts);
    Port_.SetDtr(settings.Dtr);
    if (Kenwood_) Run(Kenwood_->PortInitCommands());
    return true;
}

bool TCatControl::Run(const TCatScript& script, TCatBytes* answer) {
    if (S_.CatError) return false;  // the radio is gone: nothing more goes to it
    if (script.empty()) return true;
    TCatRunResult result = RunCatScript({Port_, Pauser_, PauseLength_}, script);
    if (Kenwood_) S_.KenwoodControlSent = Kenwood_->ControlSent();
    if (answer) *answer = std::move(result.Answer);
    if (!result.Ok) ReadFailed();
    return result.Ok;
}

void TCatControl::ReadFailed() {
    // The error comes first so that CAT off sends nothing to the failed device.
    S_.CatError = true;
    CatOff();
}

void TCatControl::CatOnOff() {
    if (S_.CatError) {
        Display_.ShowMessage(kCatDisabledMessage);
        return;
    }
    if (S_.CatOn) CatOff();
    else CatOn();
}

void TCatControl::CatOn() {
    if (S_.CatError) return;
    Display_.ShowCatSwitch(true);
    S_.CatOn = true;
    S_.LastSentReference = 0.0;
    Display_.ResetWarmUp();
    if (S_.UseRadioServer) {
        Server_.Open();
        return;
    }
    if (Yaesu_ && S_.PortNumber > 0) Run(Yaesu_->CatOnCommands());
    if (Icom_ && PortOpen()) {
        if (S_.StartupDone) IcomBandCheck();
        Run(Icom_->CatOnCommands());
    }
}

void TCatControl::CatOff() {
    const bool wasOn = S_.CatOn;
    Display_.ShowCatSwitch(false);
    S_.CatOn = false;
    if (S_.UseRadioServer) {
        Server_.Close();
        return;
    }
    if (Yaesu_ && S_.PortNumber > 0) Run(Yaesu_->CatOffCommands());
    if (Icom_ && PortOpen() && wasOn) Run(Icom_->CatOffCommands());
}

void TCatControl::IcomBandCheck() {
    const TFrequencySet& set = Doppler_.Set();
    // Without an entry there is no downlink to compare the main band with.
    if (!Icom_ || !PortOpen() || !S_.CatOn || !set.Found) return;
    TCatBytes answer;
    if (!Run(Icom_->ReadFrequencyScript(), &answer)) return;
    const std::optional<TIcomFrequency> f = Icom_->ParseFrequencyAnswer(answer);
    if (f && TIcomCiv::MainBandElsewhere(f->KHz, set.DownlinkKHz, set.DownlinkOffsetKHz)) Run(Icom_->ExchangeScript());
}

void TCatControl::CycleUpdate() {
    const TFrequencySet& set = Doppler_.Set();
    const TDopplerState& st = Doppler_.State();
    if (!set.Found || st.DownShift == 0.0 || !S_.CatOn) return;
    if (S_.ModeCounter < kModeCounterLimit) {
        ++S_.ModeCounter;
        if (S_.ModeCounter == kModeCounterSend) SendModes();
    }
    switch (Setup_.Family) {
        case TRadioFamily::Yaesu:
            if (Yaesu_->Model() == TYaesuModel::FT736R || !S_.Hold) SendFrequencies(st.RxFrequency, st.TxFrequency);
            break;
        case TRadioFamily::Icom:
            if (!S_.UseRadioServer) IcomReadBack();
            if (!S_.Hold) SendFrequencies(st.RxFrequency, st.TxFrequency);
            break;
        case TRadioFamily::Kenwood:
            if (!S_.UseRadioServer) KenwoodReadBack();
            if (!S_.Hold) SendFrequencies(st.RxFrequency, st.TxFrequency);
            break;
        case TRadioFamily::None:
            break;
    }
}

void TCatControl::IcomReadBack() {
    if (!S_.CatOn || !Doppler_.State().VfoMode || S_.ReadBackArmed != 1 || !PortOpen()) return;
    if (!Run(TCatScriptBuilder().ReadAll().Take())) return;  // discard what waits
    S_.Hold = true;
    TCatBytes answer;
    if (!Run(Icom_->ReadFrequencyScript(), &answer)) return;
    const std::optional<TIcomFrequency> f = Icom_->ParseFrequencyAnswer(answer);
    // No answer reads as an empty text: it differs from what was sent, so this
    // cycle holds, and the next one (empty again) lets the update go out.
    const std::string text = f ? f->Text : std::string();
    if (text == Icom_->ReceiveText()) {
        S_.Hold = false;
        return;
    }
    Icom_->SetReceiveText(text);
    Run(TCatScriptBuilder().ClearInput().Take());
    if (f) Doppler_.CaptureDial(f->KHz);
}

void TCatControl::KenwoodReadBack() {
    if (!PortOpen()) return;
    S_.Hold = true;
    TCatBytes answer;
    if (!Run(Kenwood_->ReceiveStateScript(), &answer)) return;
    if (TKenwoodCat::AnswerSaysReceiving(answer)) S_.Hold = false;
}

TFrequencyRequest TCatControl::Request(double rx, double tx) const {
    const TFrequencySet& set = Doppler_.Set();
    return {rx, tx, set.DownlinkOffsetKHz, set.UplinkOffsetKHz};
}

void TCatControl::SendFrequencies(double rxKHz, double txKHz) {
    if (!Sendable(rxKHz, txKHz)) return;
    if (S_.PortNumber <= 0 && !S_.UseRadioServer) return;
    if (Icom_ && !S_.CatOn) return;
    if (Icom_ && PortOpen() && !Run(TCatScriptBuilder().ReadAll().Take())) return;  // discard what waits

    double reference = S_.LastSentReference;  // a forced update keeps the last one
    if (S_.ForceSend) {
        S_.ForceSend = false;
    } else {
        const int mode = Doppler_.State().CorrectionMode;
        reference = mode == 1 ? txKHz : mode == 2 ? rxKHz : std::max(rxKHz, txKHz);
        if (Icom_ && PortOpen()) Run(TCatScriptBuilder().ClearInput().Take());
        if (S_.SkipThresholdOnce) S_.SkipThresholdOnce = false;
        else if (std::fabs(reference - S_.LastSentReference) < S_.IntervalHz / 1000.0 - kThresholdSlackKHz) return;
        Doppler_.SetProportionalBase(rxKHz);
        if (Yaesu_ || Kenwood_) Run(OnePause());
    }
    bool sent = false;
    if (S_.UseRadioServer) {
        const TFrequencyRequest r = Request(rxKHz, txKHz);  // the server gets what the radio would
        Server_.SendFrequencies(RadioFrequency(r.Rx, r.DownlinkOffsetKHz), RadioFrequency(r.Tx, r.UplinkOffsetKHz));
        Run(OnePause());
        sent = true;
    } else {
        sent = SendFamilyUpdate(rxKHz, txKHz);
    }
    if (!sent) return;  // a refused update leaves the reference for the next try
    S_.LastSentReference = reference;
    S_.ReadBackArmed = 1;
}

bool TCatControl::IcomMayUpdate() {
    if (!Icom_->HasSatelliteBands()) return Port_.LineOn();
    TCatBytes answer;
    if (!Run(Icom_->TransmitStateScript(), &answer)) return false;
    return Icom_->ParseTransmitState(answer) == TIcomTransmitState::Receiving;
}

bool TCatControl::SendFamilyUpdate(double rx, double tx) {
    if (!PortOpen() || !Protocol()) return false;
    if (Icom_ && !IcomMayUpdate()) return false;
    const TCatScript script = Protocol()->FrequencyUpdate(Request(rx, tx));
    return !script.empty() && Run(script);
}

void TCatControl::SendModes() {
    const TFrequencySet& set = Doppler_.Set();
    const bool fm = IsFmMode(set.DownlinkMode);
    Display_.ShowCwSwitch(!fm, !fm && S_.CwActive);
    if (!set.Found || !(S_.UseRadioServer || S_.PortNumber > 0)) return;
    const bool vfoFollows = Yaesu_ || Kenwood_ || S_.UseRadioServer;
    Doppler_.ApplyDownlinkModeRule(CorrectionSource_ ? CorrectionSource_() : std::nullopt, vfoFollows);
    Display_.ShowVfoMode(Doppler_.State().VfoMode);
    if (S_.UseRadioServer) {
        Server_.SendModes(set.DownlinkMode, set.UplinkMode);
        Run(OnePause());
        return;
    }
    if (!Protocol() || !PortOpen()) return;
    const TModeRequest m{set.DownlinkMode, set.UplinkMode, set.HasUplink(), set.SenseSign > 0,
                         Doppler_.State().VfoMode};
    Run(Protocol()->ModeCommands(m));
}

}  // namespace kelvora
