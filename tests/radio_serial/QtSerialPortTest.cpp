// The real serial port against a pseudo-terminal pair: the port opens the slave
// side, the test plays the radio on the master side.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <QCoreApplication>

#include <chrono>
#include <memory>
#include <string>

#include "QtSerialPort.h"
#include "SerialDevice.h"

namespace kelvora {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// The program always has its application object; the port's notifiers expect one.
class QtApplication : public ::testing::Environment {
public:
    void SetUp() override { app_ = std::make_unique<QCoreApplication>(argc_, argv_); }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[16] = "test";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QCoreApplication> app_;
};
[[maybe_unused]] ::testing::Environment* const kQtApplication = ::testing::AddGlobalTestEnvironment(new QtApplication);

class PseudoTerminalRadio : public ::testing::Test {
protected:
    void SetUp() override {
        int slave = -1;
        char name[256] = {};
        ASSERT_EQ(::openpty(&master_, &slave, name, nullptr, nullptr), 0);
        slavePath_ = name;
        // Keeps the slave's settings readable after the port is gone.
        slave_ = slave;
    }
    void TearDown() override {
        if (master_ >= 0) ::close(master_);
        if (slave_ >= 0) ::close(slave_);
    }

    TSerialSettings Settings() const {
        TSerialSettings settings;
        settings.PortNumber = 1;
        settings.DevicePath = slavePath_;
        settings.BaudRate = 9600;
        return settings;
    }
    void OpenPort(TQtSerialPort& port, const TSerialSettings& settings) {
        std::string error;
        ASSERT_TRUE(port.Open(settings, &error)) << error;
        ASSERT_TRUE(port.IsOpen());
    }

    void RadioSends(const std::string& bytes) {
        ASSERT_EQ(::write(master_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }
    // What the radio received: count bytes, or fewer when they do not come within 5 s.
    std::string RadioReceives(std::size_t count) {
        std::string bytes;
        const auto end = Clock::now() + 5s;
        while (bytes.size() < count && Clock::now() < end) {
            pollfd p{master_, POLLIN, 0};
            if (::poll(&p, 1, 100) <= 0) continue;
            char buffer[512];
            const ssize_t n = ::read(master_, buffer, std::min(sizeof buffer, count - bytes.size()));
            if (n <= 0) break;
            bytes.append(buffer, static_cast<std::size_t>(n));
        }
        return bytes;
    }
    void Unplug() {
        ::close(master_);
        master_ = -1;
    }

    int master_ = -1;
    int slave_ = -1;
    std::string slavePath_;
};

TEST_F(PseudoTerminalRadio, BytesWrittenArriveExactly) {
    TQtSerialPort port;
    OpenPort(port, Settings());
    std::string every;
    for (int b = 0; b < 256; ++b) every += static_cast<char>(b);  // NUL, CR, LF, XON, XOFF, ^C ... untouched
    port.Write(every);
    port.Write("FA00145800000;");
    EXPECT_EQ(RadioReceives(every.size() + 14), every + "FA00145800000;");
}

TEST_F(PseudoTerminalRadio, AnswersAreReadOnceAndWaitingEndsWhenEnoughArrived) {
    TQtSerialPort port;
    OpenPort(port, Settings());
    const std::string answer("\xFE\xFE\xE0\x60\x03\x00\x50\x80\x45\x01\xFD", 11);
    RadioSends(answer);
    const auto start = Clock::now();
    EXPECT_TRUE(port.WaitForInput(10, 20s));
    EXPECT_LT(Clock::now() - start, 10s);  // ended by the bytes, long before the deadline
    TCatBytes bytes;
    EXPECT_TRUE(port.ReadAll(&bytes));
    EXPECT_EQ(bytes, answer);
    EXPECT_TRUE(port.ReadAll(&bytes));
    EXPECT_EQ(bytes, "");
}

TEST_F(PseudoTerminalRadio, WaitingEndsAtTheDeadlineWhenNothingComes) {
    TQtSerialPort port;
    OpenPort(port, Settings());
    for (const auto deadline : {0ms, 150ms}) {
        const auto start = Clock::now();
        EXPECT_TRUE(port.WaitForInput(0, deadline));
        EXPECT_LT(Clock::now() - start, deadline + 5s);
    }
    // Too few bytes do not end the wait early, and are read afterwards.
    RadioSends("IF;");
    EXPECT_TRUE(port.WaitForInput(16, 300ms));
    TCatBytes bytes;
    EXPECT_TRUE(port.ReadAll(&bytes));
    EXPECT_EQ(bytes, "IF;");
}

TEST_F(PseudoTerminalRadio, ClearInputDiscardsTheAnswer) {
    TQtSerialPort port;
    OpenPort(port, Settings());
    RadioSends("RX0;");
    ASSERT_TRUE(port.WaitForInput(3, 5s));
    port.ClearInput();
    TCatBytes bytes;
    EXPECT_TRUE(port.ReadAll(&bytes));
    EXPECT_EQ(bytes, "");
}

TEST_F(PseudoTerminalRadio, UnpluggedRadioIsAFailureNotAHang) {
    TQtSerialPort port;
    OpenPort(port, Settings());
    port.Write("TX;");
    ASSERT_EQ(RadioReceives(3), "TX;");
    Unplug();
    const auto start = Clock::now();
    TCatBytes bytes;
    EXPECT_FALSE(port.WaitForInput(12, 2s));
    EXPECT_FALSE(port.ReadAll(&bytes));
    EXPECT_FALSE(port.Write("RX;"));  // no exception
    port.ClearInput();
    EXPECT_FALSE(port.WaitForInput(0, 0ms));
    EXPECT_FALSE(port.ReadAll(&bytes));
    EXPECT_FALSE(port.LineOn());
    EXPECT_TRUE(port.Failed());
    EXPECT_LT(Clock::now() - start, 10s);
}

// A radio that never answers (Yaesu) is only ever written to: the write itself fails.
TEST_F(PseudoTerminalRadio, UnpluggedRadioIsNoticedByTheNextWrite) {
    TQtSerialPort port;
    OpenPort(port, Settings());
    ASSERT_TRUE(port.Write(std::string("\x00\x00\x00\x00\x00", 5)));
    ASSERT_EQ(RadioReceives(5).size(), 5u);
    Unplug();
    EXPECT_FALSE(port.Write(std::string("\x14\x58\x00\x00\x01", 5)));
    EXPECT_TRUE(port.Failed());
}

TEST_F(PseudoTerminalRadio, ModemLinesOfAPseudoTerminalReadOffAndDoNoHarm) {
    TQtSerialPort port;
    TSerialSettings settings = Settings();
    settings.Rts = true;
    settings.Dtr = true;
    OpenPort(port, settings);
    port.SetRts(false);
    port.SetDtr(true);
    EXPECT_FALSE(port.LineOn());
    EXPECT_FALSE(port.LineOn());
    EXPECT_TRUE(port.IsOpen());
    EXPECT_FALSE(port.Failed());
    port.Write("ID;");
    EXPECT_EQ(RadioReceives(3), "ID;");
    RadioSends("ID019;");
    EXPECT_TRUE(port.WaitForInput(5, 5s));
    TCatBytes bytes;
    EXPECT_TRUE(port.ReadAll(&bytes));
    EXPECT_EQ(bytes, "ID019;");
}

TEST_F(PseudoTerminalRadio, SpeedAndStopBitsReachTheDevice) {
    struct Case {
        int baud;
        int stopBits;
        speed_t speed;  // what the device runs at afterwards
    } cases[] = {
        {4800, 2, B4800},
        {57600, 1, B57600},
        {0, 1, B19200},  // a baud-rate text the program does not know leaves the speed
    };
    for (const auto& c : cases) {
        termios before{};
        ASSERT_EQ(::tcgetattr(slave_, &before), 0);
        ::cfsetispeed(&before, B19200);
        ::cfsetospeed(&before, B19200);
        ASSERT_EQ(::tcsetattr(slave_, TCSANOW, &before), 0);
        {
            TQtSerialPort port;
            TSerialSettings settings = Settings();
            settings.BaudRate = c.baud;
            settings.StopBits = c.stopBits;
            OpenPort(port, settings);
            termios now{};
            ASSERT_EQ(::tcgetattr(slave_, &now), 0);
            EXPECT_EQ(::cfgetospeed(&now), c.speed) << c.baud;
            EXPECT_EQ((now.c_cflag & CSTOPB) != 0, c.stopBits == 2) << c.baud;
            EXPECT_EQ(now.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
            EXPECT_EQ(now.c_cflag & PARENB, 0u);
        }
    }
}

TEST(QtSerialPort, AMissingDeviceFailsWithAMessageNamingIt) {
    TQtSerialPort port;
    TSerialSettings settings;
    settings.PortNumber = 3;
    settings.DevicePath = "/dev/serial/by-id/usb-Kelvora_test_no_such_adapter-if00-port0";
    settings.BaudRate = 9600;
    std::string reason;
    EXPECT_FALSE(port.Open(settings, &reason));
    EXPECT_FALSE(port.IsOpen());
    EXPECT_FALSE(reason.empty());
    const std::string message = PortOpenFailureMessage(3, settings.DevicePath, reason, "/data/");
    EXPECT_EQ(message.rfind("Could not open COM3!\n", 0), 0u);
    EXPECT_NE(message.find(settings.DevicePath + ", which could not be opened: " + reason), std::string::npos)
        << message;
    EXPECT_NE(message.find("\"SerialPorts.SQF\" in the data folder (/data/)"), std::string::npos) << message;
    TCatBytes bytes;
    EXPECT_FALSE(port.ReadAll(&bytes));
    EXPECT_FALSE(port.WaitForInput(0, 10ms));
    EXPECT_FALSE(port.LineOn());
}

}  // namespace
}  // namespace kelvora
