#pragma once
// Icom CI-V: frames FE FE <to> <from> <command> <data> FD on a bus where the
// interface echoes every frame it sends. The controller's address is 00 (E0 for
// the data-mode command); answers come back as FE FE 00 <radio> ....

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "CatScript.h"

namespace kelvora {

// The three models with satellite main and sub bands, and all the others.
enum class TIcomModel { IC910H, IC9100, IC9700, Other };
TIcomModel IcomModelOf(std::string_view modelText);  // "IC-910H", "IC-9100", "IC-9700", any other

// A frequency answer: the text as the radio's digits give it ("0145800.000") and
// its value in kHz.
struct TIcomFrequency {
    std::string Text;
    double KHz = 0.0;
};

// The radio's answer to the transmit-state query.
enum class TIcomTransmitState { Receiving, Transmitting, Unknown };

// Answers are waited for until more than this many bytes arrived or two pauses passed.
inline constexpr int kIcomAnswerBytes = 16;
inline constexpr int kIcomAnswerPauses = 2;
// The band check exchanges main and sub when the main band is this far from the downlink.
inline constexpr double kIcomOtherBandMinKHz = 50000.0;
inline constexpr double kIcomOtherBandMaxKHz = 500000.0;

class TIcomCiv final : public TCatProtocol {
public:
    TIcomCiv(TIcomModel model, std::uint8_t rxAddress, std::uint8_t txAddress);

    TIcomModel Model() const { return Model_; }
    bool HasSatelliteBands() const { return Model_ != TIcomModel::Other; }
    bool HasDataMode() const { return Model_ == TIcomModel::IC9100 || Model_ == TIcomModel::IC9700; }

    // Fixed commands, addressed to the receiving radio unless named otherwise.
    TCatBytes SelectMain() const;
    TCatBytes SelectSub() const;
    TCatBytes SplitOn() const;
    TCatBytes SplitOff() const;
    TCatBytes ReadFrequency() const;
    TCatBytes ExchangeMainSub() const;
    TCatBytes TransmitOnCommand() const;
    TCatBytes TransmitOffCommand() const;
    TCatBytes TransmitStateQuery() const;
    TCatBytes ReceiveAtShutdown() const;  // to the transmitting radio
    // FE FE a 00 05 + five BCD bytes, least significant first; empty when the
    // frequency is not finite, not above zero or 10 GHz and more.
    TCatBytes SetFrequency(std::uint8_t address, double kHz) const;
    // The set-mode buffer after setting `mode` for the downlink (to R) or the
    // uplink (to T); unknown modes leave the buffer, only the address changes.
    TCatBytes SetMode(std::string_view mode, bool uplink);
    TCatBytes DataMode(std::uint8_t address, bool on) const;

    // "0145990.000" for 145990 kHz: the digits the frequency command carries.
    static std::optional<std::string> FrequencyText(double kHz);
    const std::string& ReceiveText() const { return ReceiveText_; }
    const std::string& TransmitText() const { return TransmitText_; }
    // The read-back found the radio elsewhere: that is now the last known text.
    void SetReceiveText(std::string text) { ReceiveText_ = std::move(text); }

    // The answer bytes read after "read frequency" (echo included). nullopt for
    // no answer, a short or broken one, another radio's answer or digits that
    // are not decimal.
    std::optional<TIcomFrequency> ParseFrequencyAnswer(std::string_view answer) const;
    TIcomTransmitState ParseTransmitState(std::string_view answer) const;
    // The main band is on another band than the downlink (for example the uplink's).
    static bool MainBandElsewhere(double readKHz, double downlinkKHz, double downlinkOffsetKHz);

    // Clear, query, wait and read: the answer is what ReadAll returns.
    TCatScript ReadFrequencyScript() const;
    TCatScript TransmitStateScript() const;
    // After a band check that found the main band elsewhere.
    TCatScript ExchangeScript() const;

    void EntrySelected(double, double) override {}
    TCatScript PortInitCommands() override { return {}; }
    // What follows the band check: pause, split on, pause.
    TCatScript CatOnCommands() override;
    TCatScript CatOffCommands() override;
    // Assumes the permission (transmit-state answer or CTS) was granted.
    TCatScript FrequencyUpdate(const TFrequencyRequest& f) override;
    TCatScript StepUpdate(const TFrequencyRequest& f) override;
    TCatScript ModeCommands(const TModeRequest& m) override;
    TCatScript TransmitOn() override;
    TCatScript TransmitOff() override;
    TCatScript ForceReceive() override;
    TCatScript QuitCommands(TQuitPath path) override;

private:
    TCatBytes Frame(std::uint8_t to, std::initializer_list<std::uint8_t> body) const;
    // The set-frequency frame from the ten digits of a frequency (FrequencyDigits).
    TCatBytes SetFrequencyDigits(std::uint8_t address, const std::string& digits) const;
    // Set frequency with its wait and clear.
    void AppendSetFrequency(TCatScriptBuilder& b, const TCatBytes& command) const;

    TIcomModel Model_;
    std::uint8_t Rx_;
    std::uint8_t Tx_;
    TCatBytes ModeBuffer_;  // patched or rebuilt by each mode setting
    std::string ReceiveText_;
    std::string TransmitText_;
};

}  // namespace kelvora
