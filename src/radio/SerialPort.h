#pragma once
// The radio's serial port as the CAT conductor sees it: open with the family's
// settings, write command bytes, take what the radio answered, watch one modem
// line. The real port sits on QSerialPort (radio_serial); tests use a scripted
// radio behind the same operations. No Qt here.

#include "CatScript.h"

#include <chrono>
#include <string>

namespace kelvora {

struct TSerialSettings {
    int PortNumber = 0;  // from the general configuration; 0: no CAT port
    std::string DevicePath;  // the device the number stands for ("SerialPorts.SQF")
    int BaudRate = 0;  // 0: leave the device's speed as it is
    int DataBits = 8;
    int StopBits = 1;  // 2 for the TS-790 and the FT-736R
    bool Rts = false;  // output line levels after opening ("RTS12.SQF")
    bool Dtr = false;
};

class ISerialPort {
public:
    virtual ~ISerialPort() = default;
    // False with a reason when the device cannot be opened; an open port is kept.
    virtual bool Open(const TSerialSettings& settings, std::string* error) = 0;
    virtual bool IsOpen() const = 0;
    virtual void SetRts(bool on) = 0;
    virtual void SetDtr(bool on) = 0;
    // Hands all bytes to the device before it returns; no answer is awaited.
    // Returns false when the device failed (unplugged, closed): a radio that never
    // answers is noticed only here.
    virtual bool Write(const TCatBytes& bytes) = 0;
    // Waits until more than moreThan bytes are waiting or the deadline has passed,
    // never longer. Returns false when the device failed (unplugged, closed).
    virtual bool WaitForInput(int moreThan, std::chrono::milliseconds deadline) = 0;
    // Everything waiting, at once and possibly nothing; false when the read failed.
    virtual bool ReadAll(TCatBytes* bytes) = 0;
    virtual void ClearInput() = 0;
    // The monitored input line (CTS); off when the device cannot report it.
    virtual bool LineOn() = 0;
};

// The CAT pause: a real wait on a monotonic clock in the program, nothing in tests.
class ICatPause {
public:
    virtual ~ICatPause() = default;
    virtual void Pause(std::chrono::milliseconds length) = 0;
};

}  // namespace kelvora
