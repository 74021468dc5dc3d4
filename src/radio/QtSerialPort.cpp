#include "QtSerialPort.h"

#include <QFile>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace kelvora {

namespace {

using Clock = std::chrono::steady_clock;

// Writing a few command bytes never takes this long on a working device; a device
// that does not take them is left behind rather than hanging the window.
constexpr std::chrono::milliseconds kWriteLimit{2000};

bool IsDeviceFailure(QSerialPort::SerialPortError error) {
    switch (error) {
        case QSerialPort::NoError:
        case QSerialPort::TimeoutError:
        case QSerialPort::UnsupportedOperationError:
            return false;
        default:
            return true;
    }
}

// The speed the device runs at now, 0 when it cannot be read. QSerialPort always
// sets a speed when it opens, so "leave the speed" means setting this one again.
int CurrentSpeed(const QByteArray& path) {
    const int fd = ::open(path.constData(), O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return 0;
    termios tio{};
    const bool read = ::tcgetattr(fd, &tio) == 0;
    ::close(fd);
    if (!read) return 0;
    switch (::cfgetospeed(&tio)) {
        case B1200:
            return 1200;
        case B2400:
            return 2400;
        case B4800:
            return 4800;
        case B9600:
            return 9600;
        case B19200:
            return 19200;
        case B38400:
            return 38400;
        case B57600:
            return 57600;
        case B115200:
            return 115200;
        default:
            return 0;
    }
}

int Milliseconds(Clock::duration d) {
    return static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(d).count());
}

}  // namespace

bool TQtSerialPort::Open(const TSerialSettings& settings, std::string* error) {
    if (port_.isOpen()) return true;
    const QByteArray path = QByteArray::fromStdString(settings.DevicePath);
    const int speed = settings.BaudRate > 0 ? settings.BaudRate : CurrentSpeed(path);
    port_.setPortName(QFile::decodeName(path));
    if (speed > 0) port_.setBaudRate(speed);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(settings.StopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    if (!port_.open(QIODevice::ReadWrite)) {
        if (error) *error = port_.errorString().toStdString();
        port_.clearError();
        return false;
    }
    failed_ = false;
    SetRts(settings.Rts);
    SetDtr(settings.Dtr);
    return true;
}

void TQtSerialPort::SetRts(bool on) {
    if (!port_.isOpen() || failed_) return;
    port_.setRequestToSend(on);
    port_.clearError();  // a device without modem lines keeps working
}

void TQtSerialPort::SetDtr(bool on) {
    if (!port_.isOpen() || failed_) return;
    port_.setDataTerminalReady(on);
    port_.clearError();
}

bool TQtSerialPort::Write(const TCatBytes& bytes) {
    if (!port_.isOpen() || failed_) return false;
    if (bytes.empty()) return true;
    port_.write(bytes.data(), static_cast<qint64>(bytes.size()));
    const auto end = Clock::now() + kWriteLimit;
    while (port_.bytesToWrite() > 0 && !failed_) {
        const int remaining = Milliseconds(end - Clock::now());
        if (remaining <= 0) break;
        port_.waitForBytesWritten(remaining);
        CheckDevice();
    }
    return !failed_;
}

bool TQtSerialPort::WaitForInput(int moreThan, std::chrono::milliseconds deadline) {
    if (!port_.isOpen() || failed_) return false;
    const auto end = Clock::now() + deadline;
    Collect();
    while (!failed_ && port_.bytesAvailable() <= moreThan) {
        const int remaining = Milliseconds(end - Clock::now());
        if (remaining <= 0) break;
        port_.waitForReadyRead(remaining);
        CheckDevice();
    }
    return !failed_;
}

bool TQtSerialPort::ReadAll(TCatBytes* bytes) {
    if (bytes) bytes->clear();
    if (!port_.isOpen() || failed_) return false;
    Collect();
    const QByteArray data = port_.readAll();
    CheckDevice();
    if (bytes) bytes->assign(data.constData(), static_cast<std::size_t>(data.size()));
    return !failed_;
}

void TQtSerialPort::ClearInput() {
    if (!port_.isOpen() || failed_) return;
    port_.clear(QSerialPort::Input);
    CheckDevice();
}

bool TQtSerialPort::LineOn() {
    if (!port_.isOpen() || failed_) return false;
    const bool on = port_.pinoutSignals().testFlag(QSerialPort::ClearToSendSignal);
    // A device that cannot report its lines says so through an error; the line is
    // then off and the port goes on working.
    if (port_.error() != QSerialPort::NoError) {
        port_.clearError();
        return false;
    }
    return on;
}

void TQtSerialPort::Collect() {
    // Each poll with no time-out moves what the device holds into the buffer; it
    // is false once nothing more is waiting.
    for (int round = 0; round < 64 && !failed_; ++round) {
        const bool more = port_.waitForReadyRead(0);
        CheckDevice();
        if (!more) break;
    }
}

void TQtSerialPort::CheckDevice() {
    const QSerialPort::SerialPortError error = port_.error();
    if (error == QSerialPort::NoError) return;
    if (IsDeviceFailure(error)) failed_ = true;
    port_.clearError();
}

}  // namespace kelvora
