#pragma once
// Yaesu CAT: every command is a block of five bytes, four parameters and the
// opcode. The radio answers nothing the program reads.

#include <array>
#include <cstdint>
#include <string_view>

#include "CatScript.h"

namespace kelvora {

enum class TYaesuModel { FT736R, FT847, Other };
TYaesuModel YaesuModelOf(std::string_view modelText);  // "FT-736R", "FT-847", any other text

namespace yaesu {
inline constexpr std::uint8_t kOpFrequency = 0x01;  // main VFO, per-cycle updates
inline constexpr std::uint8_t kOpMode = 0x07;
inline constexpr std::uint8_t kOpOffset = 0xF9;  // FT-736R uplink as offset from the downlink
inline const TCatBytes kCatOn("\x00\x00\x00\x00\x00", 5);
inline const TCatBytes kCatOff("\x80\x80\x80\x80\x80", 5);
inline const TCatBytes kShiftOff736("\x00\x00\x00\x00\x89", 5);
inline const TCatBytes kTransmit("\x80\x80\x80\x80\x08", 5);
inline const TCatBytes kReceive("\x80\x80\x80\x80\x88", 5);
inline const TCatBytes kPttOff("\x00\x00\x00\x00\x88", 5);
}  // namespace yaesu

class TYaesuCat final : public TCatProtocol {
public:
    // rxOpcode, txOpcode: the manual-step opcodes of the radio's parameter file.
    TYaesuCat(TYaesuModel model, std::uint8_t rxOpcode, std::uint8_t txOpcode);

    TYaesuModel Model() const { return Model_; }
    // The five bytes of a frequency with an opcode, or empty when the frequency is
    // not finite, not above zero, or outside what the format holds (below 1 GHz,
    // and the 1.2 GHz band written with the nibble C). Fills the shared buffer.
    TCatBytes EncodeFrequency(double kHz, std::uint8_t opcode);
    // The mode command: the mode code in byte 1 (an unknown mode keeps the byte),
    // bytes 2 to 4 as the previous frequency or mode command left them.
    TCatBytes EncodeMode(std::string_view mode);
    const TCatBytes& ShiftCommand() const { return Shift_; }
    TCatBytes SatModeOffCommand() const;
    // The FT-847 takes no frequency while it was switched to transmit by the switch.
    void SetTransmitLock(bool on) { TransmitLock_ = on; }
    bool TransmitLock() const { return TransmitLock_; }
    // The PTT-off command that precedes the receive switch of the TX/RX labels.
    TCatScript PttOff() const;
    // "Sat mode off" of the menu.
    TCatScript SatModeOff() const;
    // The shift command alone, sent when the operator picks another entry.
    TCatScript ShiftCommandScript() const;

    void EntrySelected(double downlinkKHz, double uplinkKHz) override;
    TCatScript PortInitCommands() override { return {}; }
    TCatScript CatOnCommands() override;
    TCatScript CatOffCommands() override;
    TCatScript FrequencyUpdate(const TFrequencyRequest& f) override;
    TCatScript StepUpdate(const TFrequencyRequest& f) override;
    TCatScript ModeCommands(const TModeRequest& m) override;
    TCatScript TransmitOn() override;
    TCatScript TransmitOff() override;
    TCatScript ForceReceive() override;
    TCatScript QuitCommands(TQuitPath path) override;

private:
    TCatBytes BufferBytes() const;
    // The FT-736R uplink as offset from the downlink (opcode F9); 0 is a valid offset.
    TCatBytes EncodeOffset(double kHz);
    void ChooseShift736(double rx, double tx);

    TYaesuModel Model_;
    std::uint8_t RxOpcode_;
    std::uint8_t TxOpcode_;
    std::array<std::uint8_t, 5> Buffer_{};  // shared by frequency and mode commands
    TCatBytes Shift_;  // shift direction; empty until known
    bool TransmitLock_ = false;
};

}  // namespace kelvora
