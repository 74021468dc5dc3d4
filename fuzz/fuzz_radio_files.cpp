// libFuzzer target: the radio core's readers and answer parsers. The first byte
// picks which one gets the rest: a radio definition file, "SerialPorts.SQF",
// "Doppler.SQF", "KorrMod.SQF", "IntVCatISS.SQF", an Icom answer (read against
// every model and a few addresses) or a Kenwood answer. Besides crashes, each
// result is held to what its callers rely on; a broken promise traps. Built and
// run by scripts/fuzz.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "FuzzChecks.h"
#include "CatInterval.h"
#include "CatScript.h"
#include "DopplerFile.h"
#include "DopplerModel.h"
#include "IcomCiv.h"
#include "KenwoodCat.h"
#include "RadioDefinition.h"
#include "SerialDevice.h"
#include "YaesuCat.h"

namespace {

using namespace kelvora;
using fuzz::OneLine;
using fuzz::Require;

// A refusal names its file and a line of it, in a short text without control
// characters (the message goes into a dialog).
void CheckRefusal(const TFileError& error, std::string_view fileName) {
    Require(error.FileName == fileName, "the refusal names its file");
    Require(error.Line >= 1, "the refusal names a line");
    const std::string text = error.Text();
    Require(text.rfind(fileName, 0) == 0, "the error text starts with the file name");
    Require(text.size() < 400, "short error text");
    for (const char c : text) Require(static_cast<unsigned char>(c) >= 0x20, "printable error text");
}

void DefinitionFiles(std::uint8_t which, std::string_view bytes) {
    TRadioDefinition radio;
    TFileError error;
    switch (which) {
        case 0:
            ReadTrxFile(bytes, radio);
            Require(OneLine(radio.Family), "family is one line");
            (void)SatModeOffEnabled(radio);
            break;
        case 1:
            if (!ReadYaesuPar(bytes, radio, &error)) return CheckRefusal(error, "YaesuPar.SQF");
            Require(OneLine(radio.YaesuBaud) && OneLine(radio.YaesuModel), "Yaesu texts are one line");
            (void)BaudRateOfText(radio.YaesuBaud);
            break;
        case 2:
            if (!ReadIcomPar(bytes, radio, &error)) return CheckRefusal(error, "IcomPar.SQF");
            Require(radio.IcomAddressTable.size() <= kIcomAddressTableSize, "at most twelve address pairs");
            for (const TIcomAddressPair& pair : radio.IcomAddressTable) {
                Require(pair.RxText.size() <= 3 && pair.TxText.size() <= 3, "address columns of three");
                Require(IcomAddressListText(pair).size() <= 11, "list item of one line pair");
            }
            break;
        case 3:
            ReadIcomName(bytes, radio);
            Require(OneLine(radio.IcomModel), "Icom model is one line");
            break;
        case 4:
            ReadKenwoodPar(bytes, radio);
            Require(OneLine(radio.KenwoodModel) && OneLine(radio.TraceOption), "Kenwood texts are one line");
            break;
        default:
            ReadRts12(bytes, radio);
            break;
    }
}

void SerialPortsFile(std::string_view bytes) {
    TSerialPortMap ports{{99, "/dev/before"}};
    TFileError error;
    if (!ReadSerialPortsFile(bytes, ports, &error)) {
        CheckRefusal(error, kSerialPortsFileName);
        Require(ports.size() == 1 && ports.at(99) == "/dev/before", "a refused file leaves the ports");
        return;
    }
    for (const auto& [number, path] : ports) {
        Require(number >= 1, "port numbers from 1");
        Require(!path.empty() && OneLine(path), "a path of one line");
        Require(path.front() != ' ' && path.back() != ' ', "blanks around the path do not count");
        Require(DevicePathFor(ports, number) == path, "the file's line wins");
    }
    (void)PortOpenFailureMessage(1, DevicePathFor(ports, 1), "gone", "/data");
}

// One frequency update and the mode commands of each family for the entry in force.
void EncodeForEachFamily(const TFrequencySet& set, const TDopplerState& state) {
    TYaesuCat yaesu(TYaesuModel::FT847, 30, 46);
    TIcomCiv icom(TIcomModel::IC9700, 0xA2, 0xA2);
    TKenwoodCat kenwood(TKenwoodModel::TS2000, '1', "TraceOff");
    const TFrequencyRequest request{state.RxFrequency, state.TxFrequency, set.DownlinkOffsetKHz, set.UplinkOffsetKHz};
    const TModeRequest modes{set.DownlinkMode, set.UplinkMode, set.HasUplink(), set.SenseSign > 0, state.VfoMode};
    for (TCatProtocol* protocol : {static_cast<TCatProtocol*>(&yaesu), static_cast<TCatProtocol*>(&icom),
                                   static_cast<TCatProtocol*>(&kenwood)}) {
        protocol->EntrySelected(set.DownlinkKHz, set.UplinkKHz);
        (void)WrittenBytes(protocol->FrequencyUpdate(request));
        (void)WrittenBytes(protocol->ModeCommands(modes));
    }
}

void DopplerTable(std::string_view bytes) {
    const TDopplerTable table = ParseDopplerTable(bytes);
    Require(table.size() <= kDopplerTableSize, "at most 2000 entries");
    for (const TDopplerEntry& entry : table) {
        Require(OneLine(entry.Name) && OneLine(entry.DownlinkMode) && OneLine(entry.UplinkMode), "fields of one line");
    }
    TDopplerModel doppler;
    doppler.SetTable(table);
    for (std::size_t i = 0; i < table.size() && i < 4; ++i) {
        if (!doppler.SelectFrequencySet(table[i].Name)) continue;
        doppler.ApplyDownlinkModeRule(1, true);
        doppler.UpdateDoppler(-3.25, 1);
        const TDopplerState& s = doppler.State();
        if (s.FrequenciesUsable) {
            Require(std::isfinite(s.RxFrequency) && s.RxFrequency > 0.0, "a usable downlink is finite and positive");
            Require(!doppler.Set().HasUplink() || (std::isfinite(s.TxFrequency) && s.TxFrequency > 0.0),
                    "a usable uplink is finite and positive");
        }
        (void)doppler.FrequencyDisplay(',');
        EncodeForEachFamily(doppler.Set(), s);
    }
}

void CorrectionModeFile(std::string_view bytes) {
    const std::optional<int> mode = ParseCorrectionMode(bytes);
    if (!mode) return;
    Require(*mode >= 0 && *mode <= 2, "correction mode 0 to 2");
    Require(ParseCorrectionMode(CorrectionModeFileText(*mode)) == mode, "the stored mode reads back");
}

void IntervalFile(std::string_view bytes) {
    double interval = -7.0;
    TFileError error;
    if (!ReadIntervalFile(bytes, interval, &error)) {
        CheckRefusal(error, "IntVCatISS.SQF");
        Require(interval == -7.0, "a refused file leaves the interval");
        return;
    }
    Require(std::isfinite(interval), "a finite interval");
    double again = 0.0;
    Require(ReadIntervalFile(IntervalFileText(interval), again) && again == interval, "the stored interval reads back");
}

// The value of the five BCD bytes of an Icom frequency, least significant pair first, in Hz.
long long BcdHz(std::string_view data) {
    long long hz = 0;
    for (std::size_t i = 5; i-- > 0;) {
        const auto b = static_cast<std::uint8_t>(data[i]);
        hz = hz * 100 + (b >> 4) * 10 + (b & 0x0F);
    }
    return hz;
}

void IcomFrequency(const TIcomCiv& icom, std::uint8_t address, std::string_view answer) {
    const std::optional<TIcomFrequency> f = icom.ParseFrequencyAnswer(answer);
    if (!f) return;
    Require(answer.size() > 16, "an answer carries the echo");
    const char header[] = {'\xFE', '\xFE', '\x00', static_cast<char>(address), '\x03'};
    const std::size_t at = answer.find(std::string_view(header, sizeof header));
    Require(at != std::string_view::npos && at + 11 <= answer.size(), "the answer's frame is there");
    Require(answer[at + 10] == '\xFD', "the frame ends in FD");
    const long long hz = BcdHz(answer.substr(at + 5, 5));
    Require(std::isfinite(f->KHz) && f->KHz >= 0.0 && f->KHz < 1e7, "a frequency below 10 GHz");
    Require(std::llround(f->KHz * 1000.0) == hz, "the value is the frame's digits");
    Require(f->Text.size() == 11 && f->Text[7] == '.', "the text is seven digits, point, three");
    if (f->KHz <= 0.0) return;
    Require(TIcomCiv::FrequencyText(f->KHz) == f->Text, "the text is the value's");
    // The value set again gives the digits read.
    const TCatBytes set = icom.SetFrequency(address, f->KHz);
    Require(set.size() == 11 && set.substr(5, 5) == answer.substr(at + 5, 5), "the value encodes to its digits");
    (void)TIcomCiv::MainBandElsewhere(f->KHz, 145900.0, 0.0);
}

void IcomTransmitState(const TIcomCiv& icom, std::uint8_t address, std::string_view answer) {
    const TIcomTransmitState state = icom.ParseTransmitState(answer);
    if (state == TIcomTransmitState::Unknown) return;
    const char flag = state == TIcomTransmitState::Transmitting ? '\x01' : '\x00';
    const char frame[] = {'\xFE', '\xFE', '\x00', static_cast<char>(address), '\x1C', '\x00', flag, '\xFD'};
    Require(answer.find(std::string_view(frame, sizeof frame)) != std::string_view::npos,
            "a known transmit state stands in a frame of this radio");
}

void IcomAnswers(std::string_view answer) {
    static constexpr std::uint8_t kAddresses[] = {0x00, 0x60, 0x7C, 0xA2, 0xE0, 0xFD, 0xFE};
    for (const TIcomModel model : {TIcomModel::IC910H, TIcomModel::IC9100, TIcomModel::IC9700, TIcomModel::Other}) {
        for (const std::uint8_t address : kAddresses) {
            const TIcomCiv icom(model, address, address);
            IcomFrequency(icom, address, answer);
            IcomTransmitState(icom, address, answer);
        }
    }
}

void KenwoodAnswer(std::string_view answer) {
    if (!TKenwoodCat::AnswerSaysReceiving(answer)) return;
    Require(answer.substr(0, 2) == "IF", "an \"IF\" answer");
    const std::size_t end = answer.find(';');
    Require(end != std::string_view::npos && end > 28, "the flag lies inside a complete answer");
    Require(answer[28] == '0', "the flag says receive");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::uint8_t which = data[0] % 12;
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    if (which < 6) DefinitionFiles(which, bytes);
    else if (which == 6) SerialPortsFile(bytes);
    else if (which == 7) DopplerTable(bytes);
    else if (which == 8) CorrectionModeFile(bytes);
    else if (which == 9) IntervalFile(bytes);
    else if (which == 10) IcomAnswers(bytes);
    else KenwoodAnswer(bytes);
    return 0;
}
