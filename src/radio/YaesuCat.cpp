#include "YaesuCat.h"

#include <cmath>
#include <optional>
#include <string>

#include "FrequencyText.h"

namespace kelvora {

namespace {
constexpr double kShiftWindowKHz = 50.0;  // FT-736R: rx and tx this close share one band

TCatBytes Block(std::uint8_t b1, std::uint8_t b2, std::uint8_t b3, std::uint8_t b4, std::uint8_t op) {
    return TCatBytes{static_cast<char>(b1), static_cast<char>(b2), static_cast<char>(b3), static_cast<char>(b4),
                     static_cast<char>(op)};
}

TCatBytes ShiftFor(bool downlinkAbove) { return Block(0, 0, 0, 0, downlinkAbove ? 0x09 : 0x49); }

int HexDigit(char c) { return c >= '0' && c <= '9' ? c - '0' : c - 'A' + 10; }
}  // namespace

TYaesuModel YaesuModelOf(std::string_view modelText) {
    if (modelText == "FT-736R") return TYaesuModel::FT736R;
    if (modelText == "FT-847") return TYaesuModel::FT847;
    return TYaesuModel::Other;
}

TYaesuCat::TYaesuCat(TYaesuModel model, std::uint8_t rxOpcode, std::uint8_t txOpcode)
    : Model_(model), RxOpcode_(rxOpcode), TxOpcode_(txOpcode) {
    if (Model_ == TYaesuModel::FT847) Shift_ = Block(0x89, 0, 0, 0, 0x09);
}

TCatBytes TYaesuCat::BufferBytes() const { return Block(Buffer_[0], Buffer_[1], Buffer_[2], Buffer_[3], Buffer_[4]); }

TCatBytes TYaesuCat::EncodeFrequency(double kHz, std::uint8_t opcode) {
    // "0000000.00" without the point: nine digits, 10 Hz steps.
    const std::optional<std::string> digits = FrequencyDigits(kHz, 7, 2);
    if (!digits) return {};
    std::string eight;
    if ((*digits)[0] == '0') {
        eight = digits->substr(1);
    } else if (digits->compare(0, 2, "12") == 0) {
        // The 1.2 GHz band: "12" becomes the nibble C (set in place: "C" + ... trips
        // GCC 12's -Wrestrict at -O3).
        eight = digits->substr(1);
        eight[0] = 'C';
    } else {
        return {};  // 1 GHz and more outside that band does not fit
    }
    for (int i = 0; i < 4; ++i)
        Buffer_[static_cast<size_t>(i)] = static_cast<std::uint8_t>(HexDigit(eight[static_cast<size_t>(2 * i)]) * 16 +
                                                                    HexDigit(eight[static_cast<size_t>(2 * i + 1)]));
    Buffer_[4] = opcode;
    return BufferBytes();
}

TCatBytes TYaesuCat::EncodeOffset(double kHz) {
    // Both VFOs on one frequency (the transmit switch) is an offset of zero, a
    // value the frequency digits refuse but the radio takes.
    if (std::isfinite(kHz) && kHz >= 0.0 && kHz < 0.005) {
        Buffer_ = {0, 0, 0, 0, yaesu::kOpOffset};
        return BufferBytes();
    }
    return EncodeFrequency(kHz, yaesu::kOpOffset);
}

TCatBytes TYaesuCat::EncodeMode(std::string_view mode) {
    if (mode == "LSB") Buffer_[0] = 0x00;
    else if (mode == "USB") Buffer_[0] = 0x01;
    else if (mode == "CW") Buffer_[0] = 0x02;
    else if (mode == "CWN") Buffer_[0] = 0x82;
    else if (mode == "FM") Buffer_[0] = 0x08;
    else if (mode == "FMN") Buffer_[0] = 0x88;
    Buffer_[4] = yaesu::kOpMode;
    return BufferBytes();
}

TCatBytes TYaesuCat::SatModeOffCommand() const {
    return Model_ == TYaesuModel::FT736R ? yaesu::kCatOff : Block(0x80, 0x80, 0x80, 0x80, 0x8E);
}

void TYaesuCat::EntrySelected(double downlinkKHz, double uplinkKHz) { Shift_ = ShiftFor(downlinkKHz > uplinkKHz); }

void TYaesuCat::ChooseShift736(double rx, double tx) {
    if (std::fabs(rx - tx) >= kShiftWindowKHz) return;
    if (rx > tx) Shift_ = ShiftFor(true);
    if (rx < tx) Shift_ = ShiftFor(false);
}

TCatScript TYaesuCat::ShiftCommandScript() const {
    TCatScriptBuilder b;
    if (!Shift_.empty()) b.Write(Shift_);
    return b.Take();
}

TCatScript TYaesuCat::CatOnCommands() {
    return TCatScriptBuilder().Write(yaesu::kCatOn).Pause().Append(ShiftCommandScript()).Pause().Take();
}

TCatScript TYaesuCat::CatOffCommands() {
    TCatScriptBuilder b;
    if (Model_ == TYaesuModel::FT736R) b.Write(yaesu::kShiftOff736).Pause().Write(SatModeOffCommand());
    if (Model_ == TYaesuModel::FT847) b.Pause().Write(yaesu::kCatOff);
    return b.Take();
}

TCatScript TYaesuCat::FrequencyUpdate(const TFrequencyRequest& f) {
    if (Model_ == TYaesuModel::FT847 && TransmitLock_) return {};
    const bool is736 = Model_ == TYaesuModel::FT736R;
    // Encode everything first: a frequency that cannot be encoded stops the whole update.
    const TCatBytes rx = EncodeFrequency(RadioFrequency(f.Rx, f.DownlinkOffsetKHz), yaesu::kOpFrequency);
    if (rx.empty()) return {};
    // The uplink goes out only on the FT-736R, but a broken one means a broken
    // entry: no model gets any of it, as with the other families.
    const double tx = RadioFrequency(f.Tx, f.UplinkOffsetKHz);
    if (f.Tx != 0.0 && !(std::isfinite(tx) && tx > 0.0)) return {};
    TCatBytes offset;
    if (is736 && f.Tx != 0.0) {
        offset = EncodeOffset(std::fabs(tx - f.Rx));
        if (offset.empty()) return {};
    }
    TCatScriptBuilder b;
    if (is736) {
        ChooseShift736(f.Rx, f.Tx);
        b.Append(ShiftCommandScript()).Pause();
    }
    b.Write(rx).Pause();
    if (!offset.empty()) b.Write(offset);
    return b.Pause().Take();
}

TCatScript TYaesuCat::StepUpdate(const TFrequencyRequest& f) {
    const TCatBytes rx = EncodeFrequency(RadioFrequency(f.Rx, f.DownlinkOffsetKHz), RxOpcode_);
    if (rx.empty()) return {};
    TCatBytes tx;
    if (f.Tx != 0.0) {
        tx = EncodeFrequency(RadioFrequency(f.Tx, f.UplinkOffsetKHz), TxOpcode_);
        if (tx.empty()) return {};
    }
    TCatScriptBuilder b;
    b.Pause().Write(rx);
    if (!tx.empty()) b.Pause().Write(tx);
    return b.Take();
}

TCatScript TYaesuCat::ModeCommands(const TModeRequest& m) {
    // Only the downlink mode goes to a Yaesu radio.
    TCatScriptBuilder b;
    b.Write(EncodeMode(m.DownlinkMode)).Pause();
    if (Model_ == TYaesuModel::FT736R) b.Append(ShiftCommandScript());
    return b.Pause().Take();
}

TCatScript TYaesuCat::TransmitOn() { return TCatScriptBuilder().Write(yaesu::kTransmit).Take(); }

TCatScript TYaesuCat::TransmitOff() { return TCatScriptBuilder().Write(yaesu::kReceive).Take(); }

TCatScript TYaesuCat::PttOff() const { return TCatScriptBuilder().Write(yaesu::kPttOff).Take(); }

TCatScript TYaesuCat::ForceReceive() { return TCatScriptBuilder().Write(yaesu::kReceive).Pause().Take(); }

TCatScript TYaesuCat::QuitCommands(TQuitPath) {
    TCatScriptBuilder b;
    if (!Shift_.empty()) {
        TCatBytes shiftOff = Shift_;
        shiftOff[4] = static_cast<char>(0x89);
        b.Write(shiftOff);
    }
    b.Pause().Write(SatModeOffCommand());
    if (Model_ == TYaesuModel::FT847) b.Pause().Write(yaesu::kCatOff);
    return b.Pause().Take();
}

TCatScript TYaesuCat::SatModeOff() const {
    TCatScriptBuilder b;
    b.Write(SatModeOffCommand());
    if (Model_ != TYaesuModel::FT847) b.Pause().Write(yaesu::kCatOff);
    return b.Take();
}

}  // namespace kelvora
