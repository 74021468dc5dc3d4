// The radio definition files read from bytes, and the port settings they give.
#include <gtest/gtest.h>

#include <string>

#include "CatRadioSetup.h"
#include "RadioDefinition.h"

namespace kelvora {
namespace {

TEST(RadioDefinition, FamilyTextMatchesExactly) {
    struct Case {
        const char* bytes;
        TRadioFamily family;
    } cases[] = {
        {"Yaesu\r\n", TRadioFamily::Yaesu}, {"Icom\r\n", TRadioFamily::Icom},   {"Kenwood", TRadioFamily::Kenwood},
        {"yaesu\r\n", TRadioFamily::None},  // no family: no CAT output of any family
        {"ICOM\r\n", TRadioFamily::None},   {"Yaesu \r\n", TRadioFamily::None}, {"", TRadioFamily::None},
    };
    for (const auto& c : cases) {
        TRadioDefinition radio;
        ReadTrxFile(c.bytes, radio);
        EXPECT_EQ(radio.FamilyKind(), c.family) << c.bytes;
    }
}

TEST(RadioDefinition, YaesuParGivesOpcodesBaudAndModel) {
    TRadioDefinition radio;
    ASSERT_TRUE(ReadYaesuPar("30\r\n46\r\n4800\r\nFT-847\r\n", radio));
    EXPECT_EQ(radio.YaesuRxOpcode, 30);
    EXPECT_EQ(radio.YaesuTxOpcode, 46);
    EXPECT_EQ(radio.YaesuBaud, "4800");
    EXPECT_EQ(radio.YaesuModel, "FT-847");
}

TEST(RadioDefinition, YaesuParBadOpcodeNamesFileAndLine) {
    struct Case {
        const char* bytes;
        int line;
        const char* text;
    } cases[] = {
        {"1\r\nx1\r\n9600\r\nOther\r\n", 2, "\"x1\" is not a valid number"},
        {"256\r\n1\r\n9600\r\nOther\r\n", 1, "\"256\" is not a valid number: an opcode is one byte (0 to 255)"},
        {"1\r\n-1\r\n", 2, "\"-1\" is not a valid number: an opcode is one byte (0 to 255)"},
        {"1.5\r\n1\r\n", 1, "\"1.5\" is not a valid number"},
    };
    for (const auto& c : cases) {
        TRadioDefinition radio;
        TFileError error;
        EXPECT_FALSE(ReadYaesuPar(c.bytes, radio, &error)) << c.bytes;
        std::string expected = "YaesuPar.SQF, line ";  // appended, as below
        expected.append(std::to_string(c.line)).append(": ").append(c.text);
        EXPECT_EQ(error.Text(), expected) << c.bytes;
    }
}

TEST(RadioDefinition, IcomAddressLinesAndTheirListTexts) {
    struct Case {
        const char* line;
        int rx;
        int tx;
        const char* listText;
    } cases[] = {
        {"096 096", 0x60, 0x60, " 096    096"},
        {"$60 $A2", 0x60, 0xA2, " $60    $A2"},
        {"124 $7c", 124, 0x7C, " 124    $7c"},
        {"96  96 ", 96, 96, " 96     96 "},  // blanks inside a column do not count
        {"000 255", 0, 255, " 000    255"},
    };
    for (const auto& c : cases) {
        TRadioDefinition radio;
        ASSERT_TRUE(ReadIcomPar(std::string("9600\r\n") + c.line + "\r\n", radio)) << c.line;
        ASSERT_EQ(radio.IcomAddressTable.size(), 1u) << c.line;
        EXPECT_EQ(radio.IcomAddressTable[0].RxAddress, c.rx) << c.line;
        EXPECT_EQ(radio.IcomAddressTable[0].TxAddress, c.tx) << c.line;
        EXPECT_EQ(IcomAddressListText(radio.IcomAddressTable[0]), c.listText) << c.line;
    }
}

TEST(RadioDefinition, IcomParSkipsCommentsAndEmptyLinesAndKeepsTwelvePairs) {
    std::string bytes = "19200\r\n; rx tx\r\n\r\n";
    // Appended piece by piece: GCC 12 at -O3 misreads "0" + std::to_string(...) as an overlapping copy.
    for (int i = 1; i <= 14; ++i)
        bytes.append("0").append(std::to_string(10 + i)).append(" 0").append(std::to_string(50 + i)).append("\r\n");
    TRadioDefinition radio;
    ASSERT_TRUE(ReadIcomPar(bytes, radio));
    EXPECT_EQ(radio.IcomBaud, "19200");
    ASSERT_EQ(radio.IcomAddressTable.size(), kIcomAddressTableSize);
    EXPECT_EQ(radio.IcomAddressTable.front().RxAddress, 11);
    EXPECT_EQ(radio.IcomAddressTable.back().RxAddress, 22);
    EXPECT_EQ(radio.IcomAddressTable.back().TxAddress, 62);
}

TEST(RadioDefinition, IcomParBadAddressNamesFileAndLine) {
    const char* lines[] = {"0x6 096", "096", "256 096", "096 $G0", "-12 096", "$   096"};
    for (const char* line : lines) {
        TRadioDefinition radio;
        TFileError error;
        EXPECT_FALSE(ReadIcomPar(std::string("9600\r\n; pairs\r\n") + line + "\r\n", radio, &error)) << line;
        EXPECT_EQ(error.FileName, "IcomPar.SQF");
        EXPECT_EQ(error.Line, 3) << line;
        EXPECT_NE(error.Message.find(line), std::string::npos) << error.Message;
    }
}

TEST(RadioDefinition, KenwoodParAndRts12) {
    TRadioDefinition radio;
    ReadKenwoodPar("TS-2000\r\n57600\r\n1 sat\r\nTraceOn\r\n", radio);
    EXPECT_EQ(radio.KenwoodModel, "TS-2000");
    EXPECT_EQ(radio.KenwoodBaud, "57600");
    EXPECT_EQ(radio.SatChar, '1');
    EXPECT_EQ(radio.TraceOption, "TraceOn");

    struct Case {
        const char* bytes;
        bool rts;
        bool dtr;
    } cases[] = {{"+\r\n+\r\n-\r\n", true, false},
                 {"-\r\n-\r\n+\r\n", false, true},
                 {"+\r\n", true, false},
                 {" +\r\nx\r\n+ on\r\n", false, true},
                 {"", false, false}};
    for (const auto& c : cases) {
        ReadRts12(c.bytes, radio);
        EXPECT_EQ(radio.RtsOn, c.rts) << c.bytes;
        EXPECT_EQ(radio.DtrOn, c.dtr) << c.bytes;
    }
}

TEST(RadioDefinition, SatModeOffOnlyForYaesuOtherThanFt736r) {
    struct Case {
        const char* family;
        const char* model;
        bool enabled;
    } cases[] = {{"Yaesu", "FT-847", true},  {"Yaesu", "Other", true},  {"Yaesu", "FT-736R", false},
                 {"yaesu", "FT-847", false}, {"Icom", "FT-847", false}, {"Kenwood", "Other", false}};
    for (const auto& c : cases) {
        TRadioDefinition radio;
        radio.Family = c.family;
        radio.YaesuModel = c.model;
        EXPECT_EQ(SatModeOffEnabled(radio), c.enabled) << c.family << " " << c.model;
    }
}

TEST(RadioDefinition, BaudRateTexts) {
    struct Case {
        const char* text;
        int rate;
    } cases[] = {{"1200", 1200},   {"4800", 4800}, {"9600", 9600}, {"19200", 19200}, {"38400", 38400},
                 {"57600", 57600}, {"115200", 0},  {"2400", 0},    {"9600 ", 0},     {"", 0}};
    for (const auto& c : cases) EXPECT_EQ(BaudRateOfText(c.text), c.rate) << c.text;
}

TEST(RadioDefinition, SerialSettingsPerFamilyAndModel) {
    struct Case {
        const char* family;
        const char* yaesuModel;
        const char* kenwoodModel;
        int baud;
        int stopBits;
    } cases[] = {
        {"Yaesu", "FT-847", "TS-790", 38400, 1},  // the Kenwood model does not count for a Yaesu
        {"Yaesu", "FT-736R", "Others", 4800, 2},    {"Icom", "FT-736R", "TS-790", 19200, 1},
        {"Kenwood", "FT-736R", "TS-2000", 9600, 1}, {"Kenwood", "Other", "TS-790", 4800, 2},
        {"yaesu", "FT-736R", "TS-790", 0, 1},  // no family: the speed is left
    };
    for (const auto& c : cases) {
        TRadioDefinition radio;
        radio.Family = c.family;
        radio.YaesuModel = c.yaesuModel;
        radio.YaesuBaud = "38400";
        radio.IcomBaud = "19200";
        radio.KenwoodModel = c.kenwoodModel;
        radio.KenwoodBaud = "9600";
        radio.RtsOn = true;
        const TSerialSettings settings = CatPortSettings(CatRadioSetupOf(radio), 3, "/dev/ttyUSB2");
        EXPECT_EQ(settings.BaudRate, c.baud) << c.family << " " << c.yaesuModel << " " << c.kenwoodModel;
        EXPECT_EQ(settings.StopBits, c.stopBits) << c.family << " " << c.yaesuModel << " " << c.kenwoodModel;
        EXPECT_EQ(settings.DataBits, 8);
        EXPECT_EQ(settings.PortNumber, 3);
        EXPECT_EQ(settings.DevicePath, "/dev/ttyUSB2");
        EXPECT_TRUE(settings.Rts);
        EXPECT_FALSE(settings.Dtr);
    }
}

}  // namespace
}  // namespace kelvora
