#pragma once
// The radio's serial port on QSerialPort, used without an event loop: every wait is
// a bounded poll of the device, so nothing here ever waits past its deadline.
//
// A device that fails (unplugged, the other end closed) makes WaitForInput and
// ReadAll report false from then on; the conductor switches CAT off. Modem lines a
// device cannot report or set (pseudo-terminals, some USB adapters) read off and
// are never a failure.

#include <QSerialPort>

#include "SerialPort.h"

namespace kelvora {

class TQtSerialPort final : public ISerialPort {
public:
    TQtSerialPort() = default;

    bool Open(const TSerialSettings& settings, std::string* error) override;
    bool IsOpen() const override { return port_.isOpen(); }
    void SetRts(bool on) override;
    void SetDtr(bool on) override;
    bool Write(const TCatBytes& bytes) override;
    bool WaitForInput(int moreThan, std::chrono::milliseconds deadline) override;
    bool ReadAll(TCatBytes* bytes) override;
    void ClearInput() override;
    bool LineOn() override;

    // The device has failed; nothing more is read or written.
    bool Failed() const { return failed_; }

private:
    // Takes what the device holds into the port's buffer without waiting.
    void Collect();
    // Notes a failure of the device; other errors are cleared.
    void CheckDevice();

    QSerialPort port_;
    bool failed_ = false;
};

}  // namespace kelvora
