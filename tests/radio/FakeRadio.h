#pragma once
// A scripted radio behind the serial-port seam: it records every byte written
// and answers as each family does (an Icom interface echoes every frame and the
// radio replies; a Kenwood answers "IF;"; a Yaesu is silent). The pause counts
// instead of waiting; the display and the radio server record what they are told.
#include <chrono>
#include <cmath>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "CatDisplay.h"
#include "SerialPort.h"

namespace kelvora::testing {

enum class TFakeFamily { Yaesu, Icom, Kenwood };

class TFakeRadioPort final : public ISerialPort {
public:
    TFakeRadioPort(TFakeFamily family, std::uint8_t icomAddress = 0) : Family(family), Address(icomAddress) {}

    TFakeFamily Family;
    std::uint8_t Address;
    bool FailOpen = false;
    bool Unplugged = false;  // the device disappeared: waits and reads fail
    bool Cts = true;
    bool Transmitting = false;  // what the radio reports
    double MainKHz = 145900.0;  // Icom dial of the main and the sub band
    double SubKHz = 435800.0;
    bool SubSelected = false;
    std::string Written;  // every byte the program tried to write
    std::string Input;  // waiting to be read
    std::vector<std::chrono::milliseconds> Deadlines;
    TSerialSettings Settings;
    bool Rts = false, Dtr = false;
    int Opens = 0;

    bool Open(const TSerialSettings& settings, std::string* error) override {
        if (FailOpen) {
            if (error) *error = "no such device";
            return false;
        }
        ++Opens;
        Settings = settings;
        return Opened_ = true;
    }
    bool IsOpen() const override { return Opened_; }
    void SetRts(bool on) override { Rts = on; }
    void SetDtr(bool on) override { Dtr = on; }
    // Written keeps what was tried, also on an unplugged device.
    bool Write(const TCatBytes& bytes) override {
        Written += bytes;
        if (Unplugged) return false;
        if (Family == TFakeFamily::Icom) AnswerIcom(bytes);
        if (Family == TFakeFamily::Kenwood && bytes == "IF;") Input += KenwoodIf();
        return true;
    }
    bool WaitForInput(int, std::chrono::milliseconds deadline) override {
        Deadlines.push_back(deadline);
        return !Unplugged;
    }
    bool ReadAll(TCatBytes* bytes) override {
        if (Unplugged) return false;
        *bytes = std::exchange(Input, {});
        return true;
    }
    void ClearInput() override { Input.clear(); }
    bool LineOn() override { return Cts; }

    // The "IF;" answer: 38 characters, the 29th is the transmit flag.
    std::string KenwoodIf() const {
        std::string a = "IF00435800000     +000000000";
        a += Transmitting ? '1' : '0';
        a += "20000080;";
        return a;
    }
    // Ten BCD digits of kHz with 1 Hz resolution, least significant pair first.
    static std::string Bcd(double kHz) {
        long long hz = std::llround(kHz * 1000.0);
        std::string out;
        for (int i = 0; i < 5; ++i) {
            const int lo = static_cast<int>(hz % 10);
            hz /= 10;
            const int hi = static_cast<int>(hz % 10);
            hz /= 10;
            out += static_cast<char>(hi * 16 + lo);
        }
        return out;
    }
    static double FromBcd(const std::string& five) {
        double hz = 0;
        for (int i = 4; i >= 0; --i) {
            const auto b = static_cast<unsigned char>(five[static_cast<size_t>(i)]);
            hz = hz * 100 + (b >> 4) * 10 + (b & 0x0F);
        }
        return hz / 1000.0;
    }

private:
    std::string Reply(std::initializer_list<int> body) const {
        std::string r{'\xFE', '\xFE', '\x00', static_cast<char>(Address)};
        for (int b : body) r += static_cast<char>(b);
        return r + '\xFD';
    }
    void AnswerIcom(const std::string& frame) {
        Input += frame;  // the interface echoes
        if (frame.size() < 6 || static_cast<std::uint8_t>(frame[2]) != Address) return;
        const auto cmd = static_cast<std::uint8_t>(frame[4]);
        const std::string data = frame.substr(5, frame.size() - 6);
        if (cmd == 0x03) {
            Input += Reply({0x03}).insert(5, Bcd(MainKHz));
            return;
        }
        if (cmd == 0x1C && data == std::string(1, '\0')) {
            Input += Reply({0x1C, 0x00, Transmitting ? 0x01 : 0x00});
            return;
        }
        if (cmd == 0x05 && data.size() == 5) (SubSelected ? SubKHz : MainKHz) = FromBcd(data);
        if (cmd == 0x07 && data == std::string(1, '\0')) SubSelected = false;
        if (cmd == 0x07 && data == "\x01") SubSelected = true;
        if (cmd == 0x07 && data == "\xB0") std::swap(MainKHz, SubKHz);
        Input += Reply({0xFB});
    }
    bool Opened_ = false;
};

class TCountingPause final : public ICatPause {
public:
    int Count = 0;
    std::chrono::milliseconds Total{0};
    void Pause(std::chrono::milliseconds length) override {
        ++Count;
        Total += length;
    }
};

class TRecordingDisplay final : public ICatDisplay {
public:
    std::vector<std::string> Log;
    std::vector<std::string> Messages;
    bool CatShown = false;
    void ShowCatSwitch(bool on) override { Log.push_back((CatShown = on) ? "C+" : "C-"); }
    void ShowCwSwitch(bool enabled, bool on) override {
        Log.push_back(std::string(on ? "CW+" : "CW-") + (enabled ? "" : " disabled"));
    }
    void ShowTransmit(bool transmit) override { Log.push_back(transmit ? "TX" : "RX"); }
    void HideTransmitLabels() override { Log.push_back("hide TX/RX"); }
    void ShowCorrection(double hz) override { Log.push_back("correction " + std::to_string(std::lround(hz))); }
    void ShowVfoMode(bool on) override { Log.push_back(on ? "V+" : "V-"); }
    void RefreshFrequencyDisplay() override { Log.push_back("display"); }
    void ShowMessage(const std::string& text) override { Messages.push_back(text); }
    void HoldTrackingForStep() override { Log.push_back("timer held"); }
    void ResetWarmUp() override { Log.push_back("warm-up"); }
};

class TRecordingServer final : public IRadioServerLink {
public:
    std::vector<std::string> Calls;
    void Open() override { Calls.push_back("RaOpen"); }
    void Close() override { Calls.push_back("RaClose"); }
    void SendFrequencies(double rx, double tx) override {
        Calls.push_back("freq " + std::to_string(rx) + " " + std::to_string(tx));
    }
    void SendStep(double rx) override { Calls.push_back("step " + std::to_string(rx)); }
    void SendModes(const std::string& down, const std::string& up) override {
        Calls.push_back("modes " + down + "/" + up);
    }
    void CloseLink() override { Calls.push_back("close link"); }
};

}  // namespace kelvora::testing
