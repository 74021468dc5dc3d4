// The radio's files in a data folder: the kit's definitions, missing and damaged
// files, the update threshold stored and read back, the serial device of a port.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "ConfigFile.h"
#include "KitDataFolder.h"
#include "RadioFiles.h"

namespace kelvora {
namespace {

using test::KitDataFolder;

std::string ErrorOf(const std::function<void()>& load) {
    try {
        load();
    } catch (const ConfigError& error) {
        return error.what();
    }
    return "no error";
}

TEST(RadioFiles, TheKitDefinesAYaesuWithOneIcomAddressPair) {
    KitDataFolder data;
    TRadioDefinition radio;
    LoadRadioFamily(data.Folder(), radio);
    LoadRadioParameters(data.Folder(), radio);
    LoadRtsDtr(data.Folder(), radio);
    EXPECT_EQ(radio.FamilyKind(), TRadioFamily::Yaesu);
    EXPECT_EQ(radio.YaesuModel, "Other");
    EXPECT_EQ(radio.YaesuBaud, "9600");
    ASSERT_EQ(radio.IcomAddressTable.size(), 1u);
    EXPECT_EQ(radio.IcomAddressTable[0].RxAddress, 0x60);
    EXPECT_EQ(radio.KenwoodModel, "Others");
    EXPECT_EQ(radio.TraceOption, "TraceOff");
    EXPECT_FALSE(radio.RtsOn);
    EXPECT_FALSE(radio.DtrOn);
    EXPECT_DOUBLE_EQ(LoadInterval(data.Folder()), 100);
    EXPECT_EQ(SerialDevicePath(data.Folder(), 1), "/dev/ttyUSB0");  // the kit's file has comments only
}

TEST(RadioFiles, MissingOrDamagedFilesAreNamed) {
    struct Case {
        const char* file;
        const char* bytes;  // nullptr: the file is missing
        std::function<void(const QString&)> load;
        const char* error;
    } cases[] = {
        {"TRX.SQF", nullptr,
         [](const QString& f) {
             TRadioDefinition r;
             LoadRadioFamily(f, r);
         },
         "TRX.SQF: File not found"},
        {"KenwoodPar.SQF", nullptr,
         [](const QString& f) {
             TRadioDefinition r;
             LoadRadioParameters(f, r);
         },
         "KenwoodPar.SQF: File not found"},
        {"RTS12.SQF", nullptr,
         [](const QString& f) {
             TRadioDefinition r;
             LoadRtsDtr(f, r);
         },
         "RTS12.SQF: File not found"},
        {"IcomPar.SQF", "9600\r\n096 09x\r\n",
         [](const QString& f) {
             TRadioDefinition r;
             LoadRadioParameters(f, r);
         },
         "IcomPar.SQF, line 2: \"096 09x\" is not an address pair"},
        {"YaesuPar.SQF", "1\r\nfour\r\n",
         [](const QString& f) {
             TRadioDefinition r;
             LoadRadioParameters(f, r);
         },
         "YaesuPar.SQF, line 2: \"four\" is not a valid number"},
        {"IntVCatISS.SQF", "1OO\r\n", [](const QString& f) { LoadInterval(f); },
         "IntVCatISS.SQF, line 1: \"1OO\" is not a valid number"},
        {"SerialPorts.SQF", "1:/dev/ttyS0\r\n", [](const QString& f) { SerialDevicePath(f, 1); },
         "SerialPorts.SQF, line 1: \"1:/dev/ttyS0\" is not a port line"},
    };
    for (const auto& c : cases) {
        KitDataFolder data;
        if (c.bytes) data.Write(c.file, c.bytes);
        else data.Remove(c.file);
        const std::string error = ErrorOf([&] { c.load(data.Folder()); });
        EXPECT_EQ(error.rfind(c.error, 0), 0u) << c.file << ": " << error;
    }
}

TEST(RadioFiles, StoredIntervalReadsBackAndMissingFileIsOneHundred) {
    KitDataFolder data;
    data.Remove("IntVCatISS.SQF");
    EXPECT_DOUBLE_EQ(LoadInterval(data.Folder()), 100);
    QString error;
    ASSERT_TRUE(StoreInterval(data.Folder(), 350, &error)) << error.toStdString();
    EXPECT_EQ(data.Read("IntVCatISS.SQF"), QByteArray("350\r\n"));
    EXPECT_DOUBLE_EQ(LoadInterval(data.Folder()), 350);
}

TEST(RadioFiles, StoredCorrectionModeReplacesTheFile) {
    KitDataFolder data;
    QString error;
    ASSERT_TRUE(StoreCorrectionMode(data.Folder(), 2, &error)) << error.toStdString();
    EXPECT_EQ(data.Read("KorrMod.SQF"), QByteArray("2\r\n"));
    ASSERT_TRUE(StoreCorrectionMode(data.Folder(), 0, &error)) << error.toStdString();
    EXPECT_EQ(data.Read("KorrMod.SQF"), QByteArray("0\r\n"));
}

TEST(RadioFiles, SerialDeviceFromTheDataFolder) {
    KitDataFolder data;
    data.Write("SerialPorts.SQF", "; mine\r\n2=/dev/serial/by-id/usb-Example-if00-port0\r\n");
    EXPECT_EQ(SerialDevicePath(data.Folder(), 2), "/dev/serial/by-id/usb-Example-if00-port0");
    EXPECT_EQ(SerialDevicePath(data.Folder(), 1), "/dev/ttyUSB0");
    data.Remove("SerialPorts.SQF");
    EXPECT_EQ(SerialDevicePath(data.Folder(), 2), "/dev/ttyUSB1");
}

}  // namespace
}  // namespace kelvora
