#pragma once
// What a radio operation sends, as a list of steps the conductor carries out on
// the serial port: bytes to write, CAT pauses, input to discard, answers to wait
// for and read. The protocol classes build these lists from plain values; they
// never touch a port, so a test compares the lists byte for byte.

#include <string>
#include <string_view>
#include <vector>

namespace kelvora {

using TCatBytes = std::string;  // one byte per char, as written to the port

enum class TCatStepKind {
    Write,  // Bytes, written as one block
    Pause,  // one CAT pause
    ClearInput,  // discard everything waiting
    Await,  // wait until more than MinBytes have arrived or Pauses CAT pauses passed
    ReadAll,  // read everything waiting: the answer of the operation
};

struct TCatStep {
    TCatStepKind Kind = TCatStepKind::Pause;
    TCatBytes Bytes;
    int MinBytes = 0;
    int Pauses = 0;

    bool operator==(const TCatStep&) const = default;
};

using TCatScript = std::vector<TCatStep>;

// Small builders so the protocol files read like the command sequences they are.
class TCatScriptBuilder {
public:
    // The longest update (an Icom's, with its uplink) has 16 steps: one allocation.
    TCatScriptBuilder() { Script_.reserve(16); }
    TCatScriptBuilder& Write(TCatBytes bytes) {
        Script_.push_back({TCatStepKind::Write, std::move(bytes), 0, 0});
        return *this;
    }
    TCatScriptBuilder& Pause() {
        Script_.push_back({TCatStepKind::Pause, {}, 0, 0});
        return *this;
    }
    TCatScriptBuilder& ClearInput() {
        Script_.push_back({TCatStepKind::ClearInput, {}, 0, 0});
        return *this;
    }
    TCatScriptBuilder& Await(int minBytes, int pauses) {
        Script_.push_back({TCatStepKind::Await, {}, minBytes, pauses});
        return *this;
    }
    TCatScriptBuilder& ReadAll() {
        Script_.push_back({TCatStepKind::ReadAll, {}, 0, 0});
        return *this;
    }
    TCatScriptBuilder& Append(const TCatScript& more) {
        Script_.insert(Script_.end(), more.begin(), more.end());
        return *this;
    }
    TCatScript Take() { return std::move(Script_); }

private:
    TCatScript Script_;
};

// Everything written by a script, concatenated: what the radio receives.
TCatBytes WrittenBytes(const TCatScript& script);
// Bytes as upper-case hexadecimal pairs separated by blanks ("FE FE 60 00 03 FD").
std::string HexBytes(std::string_view bytes);

// The frequencies of one update. Rx and Tx are the corrected frequencies before
// the converter offsets come off; Tx 0 means no uplink.
struct TFrequencyRequest {
    double Rx = 0.0;
    double Tx = 0.0;
    double DownlinkOffsetKHz = 0.0;
    double UplinkOffsetKHz = 0.0;
};

// The frequency that goes to the radio: the computed one less the converter
// offset of its path when it is greater than that offset.
double RadioFrequency(double kHz, double offsetKHz);

// What the mode commands need from the entry in force and the Doppler model.
struct TModeRequest {
    std::string DownlinkMode;
    std::string UplinkMode;
    bool HasUplink = false;
    bool Inverting = false;  // sense "REV"
    bool VfoMode = false;  // after the mode setting's own VFO decision
};

// Which way the program ends: the quit menu or the window's close button.
enum class TQuitPath { QuitMenu, WindowClose };

// One radio family's commands. Reads and decisions on answers stay with the
// conductor; the family classes add their answer parsers beside these.
class TCatProtocol {
public:
    virtual ~TCatProtocol() = default;
    // A new frequency entry is in force (the Yaesu shift direction follows it).
    virtual void EntrySelected(double downlinkKHz, double uplinkKHz) = 0;
    virtual TCatScript PortInitCommands() = 0;
    virtual TCatScript CatOnCommands() = 0;
    virtual TCatScript CatOffCommands() = 0;
    // Empty when nothing may go out (a frequency that cannot be encoded, a locked
    // transmitter): the update then counts as not sent.
    virtual TCatScript FrequencyUpdate(const TFrequencyRequest& f) = 0;
    virtual TCatScript StepUpdate(const TFrequencyRequest& f) = 0;
    virtual TCatScript ModeCommands(const TModeRequest& m) = 0;
    // The family's own transmit and receive switch bytes; empty when it has none.
    virtual TCatScript TransmitOn() = 0;
    virtual TCatScript TransmitOff() = 0;
    virtual TCatScript ForceReceive() = 0;
    virtual TCatScript QuitCommands(TQuitPath path) = 0;
};

}  // namespace kelvora
