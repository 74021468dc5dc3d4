#include "KenwoodCat.h"

#include <optional>

#include "FrequencyText.h"

namespace kelvora {

namespace {
constexpr size_t kReceiveFlagIndex = 28;  // the 29th character of the "IF;" answer
}

TKenwoodModel KenwoodModelOf(std::string_view modelText) {
    if (modelText == "TS-790") return TKenwoodModel::TS790;
    if (modelText == "TS-2000") return TKenwoodModel::TS2000;
    return TKenwoodModel::Others;
}

TKenwoodCat::TKenwoodCat(TKenwoodModel model, char satChar, std::string traceOption)
    : Model_(model), SatChar_(satChar), TraceOption_(std::move(traceOption)) {
    if (Ts790Set()) {
        Control_ = "DC0;";
        Control2_ = "DC0;";
    } else {
        // Any option text but "TraceOff" starts with tracing of an inverting transponder.
        Control_ = SatCommand(TraceOption_ == "TraceOff" ? "10000;" : "10110;");
    }
}

std::string TKenwoodCat::SatCommand(std::string_view tail) const {
    std::string command = "SA0";
    command += SatChar_;
    command += tail;
    return command;
}

std::string TKenwoodCat::FrequencyCommand(bool vfoB, double kHz) const {
    const std::optional<std::string> digits = FrequencyDigits(kHz, 8, 3);  // Hz, eleven digits
    if (!digits) return {};
    std::string hz = *digits;
    if (Ts790Set()) hz.back() = '0';
    return std::string(vfoB ? "FB" : "FA") + hz + ";";
}

void TKenwoodCat::SetModeDigit(std::string_view mode) {
    if (mode == "LSB") ModeDigit_ = '1';
    else if (mode == "USB") ModeDigit_ = '2';
    else if (mode == "CW") ModeDigit_ = '3';
    else if (mode == "FM" || mode == "FMN") ModeDigit_ = '4';
    else if (mode == "CWN") ModeDigit_ = '7';
}

bool TKenwoodCat::AnswerSaysReceiving(std::string_view answer) {
    if (answer.size() <= kReceiveFlagIndex || answer.substr(0, 2) != "IF") return false;
    // The flag must lie inside a complete answer, before its ";".
    const size_t end = answer.find(';');
    if (end == std::string_view::npos || end <= kReceiveFlagIndex) return false;
    return answer[kReceiveFlagIndex] == '0';
}

TCatScript TKenwoodCat::ReceiveStateScript() const {
    return TCatScriptBuilder()
        .ClearInput()
        .Write("IF;")
        .Await(kKenwoodReplyLength, kKenwoodReplyPauses)
        .ReadAll()
        .Take();
}

TCatScript TKenwoodCat::PortInitCommands() {
    TCatScriptBuilder b;
    switch (Model_) {
        case TKenwoodModel::TS790:
            b.Write(Control2_).Pause().Write("FN0;").Pause().Write(Control_).Pause().Write("FN0;").Pause();
            break;
        case TKenwoodModel::TS2000:
            b.Write("SA0010000;").Pause().Write("FR0;").Pause().Write("FT1;").Pause();
            break;
        case TKenwoodModel::Others:
            b.Write(Control2_).Pause().Write("FN0;").Pause();
            break;
    }
    return b.Take();
}

TCatScript TKenwoodCat::FrequencyUpdate(const TFrequencyRequest& f) {
    const double rx = RadioFrequency(f.Rx, f.DownlinkOffsetKHz);
    const std::string fa = FrequencyCommand(false, rx);
    if (fa.empty()) return {};
    const bool uplink = f.Tx != 0.0;
    const std::string fb = uplink ? FrequencyCommand(true, RadioFrequency(f.Tx, f.UplinkOffsetKHz)) : "";
    if (uplink && fb.empty()) return {};

    TCatScriptBuilder b;
    b.Write(fa).Pause();
    ReceiveDisplay_ = fa.substr(2, 8) + "." + fa.substr(10, 3);
    if (uplink) {
        b.Write(fb).Pause().Write(Control_).Pause();
        if (Ts790Set()) b.Write(Control_);
        ControlSent_ = true;
    }
    return b.Take();
}

TCatScript TKenwoodCat::StepUpdate(const TFrequencyRequest& f) {
    const std::string fa = FrequencyCommand(false, RadioFrequency(f.Rx, f.DownlinkOffsetKHz));
    if (fa.empty()) return {};
    const bool sendUplink = f.Tx != 0.0 && !Ts790Set();
    const std::string fb = sendUplink ? FrequencyCommand(true, RadioFrequency(f.Tx, f.UplinkOffsetKHz)) : "";
    if (sendUplink && fb.empty()) return {};

    TCatScriptBuilder b;
    b.Pause();
    if (!ControlSent_) {
        if (Ts790Set()) b.Write(Control_).Pause();
        ControlSent_ = true;
    }
    b.Write(fa);
    if (sendUplink) b.Pause().Write(fb);
    return b.Take();
}

TCatScript TKenwoodCat::ModeCommands(const TModeRequest& m) {
    if (Model_ == TKenwoodModel::TS2000) {
        // Tracing needs the VFO mode; the sense decides which way the sub band follows.
        if (m.VfoMode && TraceOption_ == "TraceOn") Control_ = SatCommand(m.Inverting ? "10110;" : "10100;");
        else Control_ = SatCommand("10000;");
    }
    TCatScriptBuilder b;
    b.Write("AI0;").Pause();
    SetModeDigit(m.DownlinkMode);
    b.Pause().Write(Control_);
    ControlSent_ = true;
    b.Pause().Write(ModeCommand()).Pause();
    if (m.HasUplink) {
        SetModeDigit(m.UplinkMode);
        b.Write("TS1;").Pause().Write(ModeCommand()).Pause().Write("TS0;").Pause();
        // The uplink's mode went out between TS1 and TS0; the control command stands.
        ControlSent_ = true;
    }
    return b.Take();
}

TCatScript TKenwoodCat::TransmitOn() { return TCatScriptBuilder().Write("TX;").Take(); }

TCatScript TKenwoodCat::TransmitOff() { return TCatScriptBuilder().Write("RX;").Take(); }

TCatScript TKenwoodCat::ForceReceive() { return TCatScriptBuilder().Write(";").Write("RX;").Pause().Take(); }

TCatScript TKenwoodCat::QuitCommands(TQuitPath path) {
    TCatScriptBuilder b;
    b.Write("FT0;").Pause();
    if (path == TQuitPath::WindowClose) b.Write("RX;").Pause();
    return b.Take();
}

}  // namespace kelvora
