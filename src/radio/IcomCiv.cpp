#include "IcomCiv.h"

#include <cmath>

#include "FrequencyText.h"

namespace kelvora {

namespace {
constexpr std::uint8_t kPreamble = 0xFE;
constexpr std::uint8_t kEnd = 0xFD;
constexpr std::uint8_t kController = 0x00;
constexpr std::uint8_t kDataController = 0xE0;
constexpr size_t kModeByte = 5;  // the byte after 06 in the set-mode buffer
constexpr size_t kAddressByte = 2;  // destination

std::uint8_t Byte(std::string_view bytes, size_t i) { return static_cast<std::uint8_t>(bytes[i]); }

// Where the bytes FE FE 00 <from> <command> start, or npos.
size_t FindAnswer(std::string_view answer, std::uint8_t from, std::uint8_t command) {
    const char header[] = {static_cast<char>(kPreamble), static_cast<char>(kPreamble), static_cast<char>(kController),
                           static_cast<char>(from), static_cast<char>(command)};
    return answer.find(std::string_view(header, sizeof header));
}

bool IsBcd(std::uint8_t b) { return (b >> 4) <= 9 && (b & 0x0F) <= 9; }
}  // namespace

TIcomModel IcomModelOf(std::string_view modelText) {
    if (modelText == "IC-910H") return TIcomModel::IC910H;
    if (modelText == "IC-9100") return TIcomModel::IC9100;
    if (modelText == "IC-9700") return TIcomModel::IC9700;
    return TIcomModel::Other;
}

TIcomCiv::TIcomCiv(TIcomModel model, std::uint8_t rxAddress, std::uint8_t txAddress)
    : Model_(model), Rx_(rxAddress), Tx_(txAddress), ModeBuffer_(Frame(rxAddress, {0x06, 0x05})) {}

TCatBytes TIcomCiv::Frame(std::uint8_t to, std::initializer_list<std::uint8_t> body) const {
    TCatBytes frame{static_cast<char>(kPreamble), static_cast<char>(kPreamble), static_cast<char>(to),
                    static_cast<char>(kController)};
    for (const std::uint8_t b : body) frame += static_cast<char>(b);
    frame += static_cast<char>(kEnd);
    return frame;
}

TCatBytes TIcomCiv::SelectMain() const { return Frame(Rx_, {0x07, 0x00}); }
TCatBytes TIcomCiv::SelectSub() const { return Frame(Rx_, {0x07, 0x01}); }
TCatBytes TIcomCiv::SplitOn() const { return Frame(Rx_, {0x0F, 0x01}); }
TCatBytes TIcomCiv::SplitOff() const { return Frame(Rx_, {0x0F, 0x00}); }
TCatBytes TIcomCiv::ReadFrequency() const { return Frame(Rx_, {0x03}); }
TCatBytes TIcomCiv::ExchangeMainSub() const { return Frame(Rx_, {0x07, 0xB0}); }
TCatBytes TIcomCiv::TransmitOnCommand() const { return Frame(Rx_, {0x1C, 0x00, 0x01}); }
TCatBytes TIcomCiv::TransmitOffCommand() const { return Frame(Rx_, {0x1C, 0x00, 0x00}); }
TCatBytes TIcomCiv::TransmitStateQuery() const { return Frame(Rx_, {0x1C, 0x00}); }
TCatBytes TIcomCiv::ReceiveAtShutdown() const { return Frame(Tx_, {0x1C, 0x00, 0x00}); }

namespace {
std::string TextOfDigits(const std::string& digits) {
    std::string text = digits.substr(0, 7);
    text += '.';
    text += digits.substr(7);
    return text;
}
}  // namespace

std::optional<std::string> TIcomCiv::FrequencyText(double kHz) {
    const std::optional<std::string> digits = FrequencyDigits(kHz, 7, 3);
    if (!digits) return std::nullopt;
    return TextOfDigits(*digits);
}

TCatBytes TIcomCiv::SetFrequency(std::uint8_t address, double kHz) const {
    const std::optional<std::string> d = FrequencyDigits(kHz, 7, 3);  // ten digits, 1 Hz
    return d ? SetFrequencyDigits(address, *d) : TCatBytes();
}

TCatBytes TIcomCiv::SetFrequencyDigits(std::uint8_t address, const std::string& d) const {
    auto pair = [&](size_t i) {  // digits i and i+1 (0-based) as one BCD byte
        return static_cast<std::uint8_t>((d[i] - '0') * 16 + (d[i + 1] - '0'));
    };
    return Frame(address, {0x05, pair(8), pair(6), pair(4), pair(2), pair(0)});
}

TCatBytes TIcomCiv::SetMode(std::string_view mode, bool uplink) {
    auto rebuild = [&](std::initializer_list<std::uint8_t> body) { ModeBuffer_ = Frame(Rx_, body); };
    auto patch = [&](std::uint8_t code) { ModeBuffer_[kModeByte] = static_cast<char>(code); };
    if (mode == "USB") patch(0x01);
    else if (mode == "LSB") patch(0x00);
    else if (mode == "CW" || mode == "CWN") rebuild({0x06, 0x03, 0x01});
    else if (HasSatelliteBands()) {
        if (mode == "FM" || mode == "FMD") rebuild({0x06, 0x05, 0x01});
        else if (mode == "FMN") rebuild({0x06, 0x05, 0x02});
        else if (mode == "DV") rebuild({0x06, 0x17});
        else if (mode == "USB-D") rebuild({0x06, 0x01});
        else if (mode == "LSB-D") rebuild({0x06, 0x00});
    } else if (mode == "FM" || mode == "FMN") {
        patch(0x05);
    }
    ModeBuffer_[kAddressByte] = static_cast<char>(uplink ? Tx_ : Rx_);
    return ModeBuffer_;
}

TCatBytes TIcomCiv::DataMode(std::uint8_t address, bool on) const {
    const char d = on ? 0x01 : 0x00;
    return TCatBytes{static_cast<char>(kPreamble),
                     static_cast<char>(kPreamble),
                     static_cast<char>(address),
                     static_cast<char>(kDataController),
                     0x1A,
                     0x06,
                     d,
                     d,
                     static_cast<char>(kEnd)};
}

std::optional<TIcomFrequency> TIcomCiv::ParseFrequencyAnswer(std::string_view answer) const {
    // The echo of the query comes first; an answer without it is too short to trust.
    if (answer.size() <= 16) return std::nullopt;
    const size_t at = FindAnswer(answer, Rx_, 0x03);
    if (at == std::string_view::npos) return std::nullopt;
    const size_t data = at + 5;
    if (answer.size() < data + 6 || Byte(answer, data + 5) != kEnd) return std::nullopt;
    std::string digits;
    long long hz = 0;
    for (size_t i = 5; i-- > 0;) {  // most significant pair last on the wire
        const std::uint8_t b = Byte(answer, data + i);
        if (!IsBcd(b)) return std::nullopt;
        digits += static_cast<char>('0' + (b >> 4));
        digits += static_cast<char>('0' + (b & 0x0F));
        hz = hz * 100 + (b >> 4) * 10 + (b & 0x0F);
    }
    TIcomFrequency f;
    f.Text = digits.substr(0, 7) + "." + digits.substr(7);
    // From the digits, not the text: reading "0145800.500" back would follow the
    // desktop's decimal comma and drop the hertz.
    f.KHz = static_cast<double>(hz) / 1000.0;
    return f;
}

TIcomTransmitState TIcomCiv::ParseTransmitState(std::string_view answer) const {
    const size_t at = FindAnswer(answer, Rx_, 0x1C);
    if (at == std::string_view::npos || answer.size() < at + 8) return TIcomTransmitState::Unknown;
    if (Byte(answer, at + 5) != 0x00 || Byte(answer, at + 7) != kEnd) return TIcomTransmitState::Unknown;
    switch (Byte(answer, at + 6)) {
        case 0x00:
            return TIcomTransmitState::Receiving;
        case 0x01:
            return TIcomTransmitState::Transmitting;
        default:
            return TIcomTransmitState::Unknown;
    }
}

bool TIcomCiv::MainBandElsewhere(double readKHz, double downlinkKHz, double downlinkOffsetKHz) {
    const double d = std::fabs(downlinkKHz - downlinkOffsetKHz - readKHz);
    return d > kIcomOtherBandMinKHz && d < kIcomOtherBandMaxKHz;
}

TCatScript TIcomCiv::ReadFrequencyScript() const {
    return TCatScriptBuilder()
        .ClearInput()
        .Write(ReadFrequency())
        .Await(kIcomAnswerBytes, kIcomAnswerPauses)
        .ReadAll()
        .Take();
}

TCatScript TIcomCiv::TransmitStateScript() const {
    return TCatScriptBuilder()
        .ClearInput()
        .Write(TransmitStateQuery())
        .Await(kIcomAnswerBytes, kIcomAnswerPauses)
        .ReadAll()
        .Take();
}

TCatScript TIcomCiv::ExchangeScript() const { return TCatScriptBuilder().Write(ExchangeMainSub()).Pause().Take(); }

TCatScript TIcomCiv::CatOnCommands() { return TCatScriptBuilder().Pause().Write(SplitOn()).Pause().Take(); }

TCatScript TIcomCiv::CatOffCommands() { return TCatScriptBuilder().Write(SplitOff()).Take(); }

void TIcomCiv::AppendSetFrequency(TCatScriptBuilder& b, const TCatBytes& command) const {
    b.Write(command).Await(16, 3).ClearInput();
}

TCatScript TIcomCiv::FrequencyUpdate(const TFrequencyRequest& f) {
    // Each frequency is formatted once: its command and its text come from the same digits.
    const std::optional<std::string> rx = FrequencyDigits(RadioFrequency(f.Rx, f.DownlinkOffsetKHz), 7, 3);
    if (!rx) return {};
    const bool uplink = f.Tx != 0.0;
    const std::optional<std::string> tx =
        uplink ? FrequencyDigits(RadioFrequency(f.Tx, f.UplinkOffsetKHz), 7, 3) : std::nullopt;
    if (uplink && !tx) return {};

    TCatScriptBuilder b;
    b.ClearInput().Write(SelectMain()).Await(12, 1).ClearInput();
    AppendSetFrequency(b, SetFrequencyDigits(Rx_, *rx));
    ReceiveText_ = TextOfDigits(*rx);
    if (uplink) {
        b.Write(SelectSub()).Await(12, 2).ClearInput();
        AppendSetFrequency(b, SetFrequencyDigits(Tx_, *tx));
        TransmitText_ = TextOfDigits(*tx);
    }
    return b.Write(SelectMain()).Await(12, 2).ClearInput().Take();
}

TCatScript TIcomCiv::StepUpdate(const TFrequencyRequest& f) {
    // The uplink follows with the next per-cycle update.
    const TCatBytes rxCommand = SetFrequency(Rx_, RadioFrequency(f.Rx, f.DownlinkOffsetKHz));
    if (rxCommand.empty()) return {};
    TCatScriptBuilder b;
    b.Pause();
    AppendSetFrequency(b, rxCommand);
    return b.Take();
}

TCatScript TIcomCiv::ModeCommands(const TModeRequest& m) {
    auto isData = [](const std::string& mode) { return mode == "USB-D" || mode == "LSB-D"; };
    TCatScriptBuilder b;
    b.Pause();
    const TCatBytes down = SetMode(m.DownlinkMode, false);
    b.Pause().Write(down).Pause();
    if (HasDataMode()) {
        b.Write(DataMode(Rx_, isData(m.DownlinkMode))).Pause();
        if (m.DownlinkMode == "FMD") b.Pause().Write(DataMode(Rx_, true));
    }
    if (!m.HasUplink) return b.Take();
    b.Write(SelectSub());
    const TCatBytes up = SetMode(m.UplinkMode, true);
    b.Pause().Write(up).Pause();
    if (HasDataMode()) b.Write(DataMode(Tx_, isData(m.UplinkMode))).Pause();
    b.Pause();
    if (HasDataMode() && m.UplinkMode == "FMD") b.Pause().Write(DataMode(Rx_, true));
    return b.Pause().Write(SelectMain()).Pause().Write(SplitOn()).Pause().ClearInput().Pause().Take();
}

TCatScript TIcomCiv::TransmitOn() { return TCatScriptBuilder().Write(TransmitOnCommand()).Take(); }

TCatScript TIcomCiv::TransmitOff() { return TCatScriptBuilder().Write(TransmitOffCommand()).Take(); }

TCatScript TIcomCiv::ForceReceive() { return TCatScriptBuilder().Write(ReceiveAtShutdown()).Pause().Take(); }

TCatScript TIcomCiv::QuitCommands(TQuitPath path) {
    TCatScriptBuilder b;
    if (path == TQuitPath::WindowClose) b.Write(ReceiveAtShutdown());
    return b.Pause().Take();
}

}  // namespace kelvora
