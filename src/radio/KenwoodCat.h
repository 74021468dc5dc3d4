#pragma once
// Kenwood CAT: ASCII commands ending in ";". The TS-2000 has its own satellite
// commands; the TS-790 and "Others" (radios that understand the TS-790 set) share
// the rest.

#include <string>
#include <utility>
#include <string_view>

#include "CatScript.h"

namespace kelvora {

enum class TKenwoodModel { TS790, TS2000, Others };
// "TS-790", "TS-2000"; "Others" and any other text get the TS-790 command set.
TKenwoodModel KenwoodModelOf(std::string_view modelText);

// An "IF;" answer is waited for until more than this many bytes arrived or two pauses passed.
inline constexpr int kKenwoodReplyLength = 30;
inline constexpr int kKenwoodReplyPauses = 2;

class TKenwoodCat final : public TCatProtocol {
public:
    // satChar: the fourth character of the TS-2000 satellite commands;
    // traceOption: "TraceOff" or "TraceOn" as the parameter file says.
    TKenwoodCat(TKenwoodModel model, char satChar, std::string traceOption);

    TKenwoodModel Model() const { return Model_; }
    const std::string& ControlCommand() const { return Control_; }
    const std::string& ControlCommand2() const { return Control2_; }
    std::string ModeCommand() const { return std::string("MD") + ModeDigit_ + ";"; }
    // Whether the control command went out since the last mode setting.
    bool ControlSent() const { return ControlSent_; }

    // "FA"/"FB" + the frequency in Hz as eleven digits + ";"; the TS-790 set has
    // no 1 Hz digit. Empty when the frequency is not finite, not above zero or
    // 100 GHz and more.
    std::string FrequencyCommand(bool vfoB, double kHz) const;
    // The eleven digits with "." after the eighth, as the receive display shows them.
    std::string ReceiveDisplayText() const { return ReceiveDisplay_; }

    // The answer to "IF;": true only for a complete answer that reports receive
    // (its 29th character is "0"); a short, empty or foreign answer keeps the hold.
    static bool AnswerSaysReceiving(std::string_view answer);
    // Clear, "IF;", wait and read.
    TCatScript ReceiveStateScript() const;

    void EntrySelected(double, double) override {}
    TCatScript PortInitCommands() override;
    TCatScript CatOnCommands() override { return {}; }
    TCatScript CatOffCommands() override { return {}; }
    TCatScript FrequencyUpdate(const TFrequencyRequest& f) override;
    TCatScript StepUpdate(const TFrequencyRequest& f) override;
    TCatScript ModeCommands(const TModeRequest& m) override;
    TCatScript TransmitOn() override;
    TCatScript TransmitOff() override;
    TCatScript ForceReceive() override;
    TCatScript QuitCommands(TQuitPath path) override;

private:
    bool Ts790Set() const { return Model_ != TKenwoodModel::TS2000; }
    std::string SatCommand(std::string_view tail) const;
    void SetModeDigit(std::string_view mode);

    TKenwoodModel Model_;
    char SatChar_;
    std::string TraceOption_;
    std::string Control_;
    std::string Control2_;
    char ModeDigit_ = '4';
    bool ControlSent_ = false;
    std::string ReceiveDisplay_;
};

}  // namespace kelvora
