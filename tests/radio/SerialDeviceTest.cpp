// The device of a CAT port number, the open-failure message and the update
// threshold file, from bytes.
#include <gtest/gtest.h>

#include <string>

#include "CatInterval.h"
#include "SerialDevice.h"

namespace kelvora {
namespace {

TEST(SerialDevice, PortNumbersMapToTheirLinesOrTheUsbDefault) {
    const std::string bytes =
        "; number=device\r\n"
        "\r\n"
        "1=/dev/serial/by-id/usb-Example_USB_Serial_A1B2-if00-port0\r\n"
        " 3 = /dev/ttyS0 \n"
        "12=/dev/ttyACM0";
    TSerialPortMap ports;
    ASSERT_TRUE(ReadSerialPortsFile(bytes, ports));
    struct Case {
        int port;
        const char* path;
    } cases[] = {
        {1, "/dev/serial/by-id/usb-Example_USB_Serial_A1B2-if00-port0"},
        {2, "/dev/ttyUSB1"},
        {3, "/dev/ttyS0"},
        {4, "/dev/ttyUSB3"},
        {10, "/dev/ttyUSB9"},
        {12, "/dev/ttyACM0"},
    };
    for (const auto& c : cases) EXPECT_EQ(DevicePathFor(ports, c.port), c.path) << c.port;
    EXPECT_EQ(DevicePathFor(TSerialPortMap{}, 1), "/dev/ttyUSB0");
}

TEST(SerialDevice, BadLinesAreNamedWithTheirLine) {
    const char* lines[] = {"/dev/ttyUSB0",
                           "0=/dev/ttyUSB0",
                           "one=/dev/ttyUSB0",
                           "2=",
                           "=/dev/ttyUSB0",
                           "-1=/dev/ttyUSB0",
                           "1=/dev/ttyUSB0\r\n1=/dev/ttyUSB1"};
    for (const char* line : lines) {
        TSerialPortMap ports{{7, "/dev/ttyS7"}};
        TFileError error;
        EXPECT_FALSE(ReadSerialPortsFile(std::string("; ports\r\n") + line + "\r\n", ports, &error)) << line;
        EXPECT_EQ(error.FileName, "SerialPorts.SQF");
        EXPECT_GE(error.Line, 2) << line;
        EXPECT_EQ(ports.size(), 1u) << "a bad file changes nothing";
    }
    TSerialPortMap ports;
    TFileError twice;
    ReadSerialPortsFile("1=/dev/ttyUSB0\r\n1=/dev/ttyUSB1\r\n", ports, &twice);
    EXPECT_EQ(twice.Text(), "SerialPorts.SQF, line 2: port 1 has a line already");
}

TEST(SerialDevice, OpenFailureMessageKeepsItsWordsAndNamesDeviceAndFile) {
    const std::string message =
        PortOpenFailureMessage(2, "/dev/ttyUSB1", "Permission denied", "/home/op/.config/Kelvora/");
    EXPECT_EQ(message,
              "Could not open COM2!\n"
              "Check whether COM2 is available on your system.\n"
              "If not,  open menu Setup / Radio Setup of the main program and select and store another COM port.\n"
              " If no port is available select 0 for the COM port number.\n"
              "\n"
              "COM2 is the device /dev/ttyUSB1, which could not be opened: Permission denied.\n"
              "The device of each COM number is set in the file \"SerialPorts.SQF\" in the data folder "
              "(/home/op/.config/Kelvora/), one line per port such as \"2=/dev/serial/by-id/...\".");
    const std::string bare = PortOpenFailureMessage(11, "/dev/ttyUSB10", "", "");
    EXPECT_NE(bare.find("Could not open COM11!\nCheck whether COM11 is available"), std::string::npos);
    EXPECT_NE(bare.find("COM11 is the device /dev/ttyUSB10.\n"), std::string::npos) << bare;
    EXPECT_NE(bare.find("in the data folder, one line"), std::string::npos) << bare;
}

TEST(CatInterval, FileReadsAndWritesTheThreshold) {
    struct Case {
        const char* bytes;
        double hz;
    } cases[] = {{"100\r\n", 100}, {"  250.5 Hz\r\n", 250.5}, {"", 0}, {"\r\n\r\n-10\r\n", -10}};
    for (const auto& c : cases) {
        double hz = 99;
        EXPECT_TRUE(ReadIntervalFile(c.bytes, hz)) << c.bytes;
        EXPECT_DOUBLE_EQ(hz, c.hz) << c.bytes;
    }
    double hz = 7;
    TFileError error;
    EXPECT_FALSE(ReadIntervalFile("\r\n1,5\r\n", hz, &error));
    EXPECT_EQ(error.Text(), "IntVCatISS.SQF, line 2: \"1,5\" is not a valid number");
    EXPECT_DOUBLE_EQ(hz, 7);

    EXPECT_EQ(IntervalFileText(100), "100\r\n");
    EXPECT_EQ(IntervalFileText(0), "0\r\n");
    EXPECT_EQ(IntervalFileText(1250.5), "1250.5\r\n");
    for (const double value : {0.1, 1e7, 333.0}) {
        double back = 0;
        ASSERT_TRUE(ReadIntervalFile(IntervalFileText(value), back));
        EXPECT_EQ(back, value);
    }
}

}  // namespace
}  // namespace kelvora
