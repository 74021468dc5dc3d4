// What each radio receives from CAT on to the end of the program, byte for byte,
// for every model family: the radio is scripted (Icom echo and replies, Kenwood
// "IF;" answers, Yaesu silence) and every byte written is recorded. The expected
// bytes are worked out by hand from the command descriptions.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "CatControl.h"
#include "FakeRadio.h"

namespace kelvora {
namespace {

using testing::TCountingPause;
using testing::TFakeFamily;
using testing::TFakeRadioPort;
using testing::TRecordingDisplay;

// One linear transponder: USB down, LSB up, inverting.
const TDopplerEntry kEntry{"OSCAR-TEST", 435800.0, 145900.0, "USB", "LSB", "REV", 0.0, 0.0};
// Approaching at c / 100000: downlink shift +4.358 kHz, uplink shift -1.459 kHz.
constexpr double kRangeRate = -2.99792486;

struct ModelCase {
    const char* name;
    TCatRadioSetup setup;
    TFakeFamily family;
    std::uint8_t address;
    bool ascii;  // Kenwood: compare the text itself
    const char* open;
    const char* catOn;
    const char* cycle1;
    const char* cycle2;  // the mode commands
    const char* step;  // dial +100 Hz
    const char* transmit;
    const char* receive;
    const char* satModeOff;
    const char* quit;
    const char* close;
};

TCatRadioSetup Yaesu(const char* model) {
    TCatRadioSetup s;
    s.Family = TRadioFamily::Yaesu;
    s.Model = model;
    s.BaudText = "4800";
    s.YaesuRxOpcode = 30;  // 1E
    s.YaesuTxOpcode = 46;  // 2E
    return s;
}
TCatRadioSetup Icom(const char* model, std::uint8_t address) {
    TCatRadioSetup s;
    s.Family = TRadioFamily::Icom;
    s.Model = model;
    s.BaudText = "19200";
    s.IcomRxAddress = s.IcomTxAddress = address;
    return s;
}
TCatRadioSetup Kenwood(const char* model) {
    TCatRadioSetup s;
    s.Family = TRadioFamily::Kenwood;
    s.Model = model;
    s.BaudText = "9600";
    s.KenwoodSatChar = '1';
    s.KenwoodTraceOption = "TraceOff";
    return s;
}

const ModelCase kCases[] = {
    {"FT-847", Yaesu("FT-847"), TFakeFamily::Yaesu, 0, false, "", "00 00 00 00 00 00 00 00 00 09", "43 58 04 36 01",
     "01 58 04 36 07",  // bytes 2-4 left by the frequency command
     "43 58 04 46 1E 14 58 98 44 2E", "14 58 98 44 01 80 80 80 80 08", "00 00 00 00 88 80 80 80 80 88 43 58 04 46 01",
     "80 80 80 80 8E", "80 80 80 80 88 00 00 00 00 89 80 80 80 80 8E 80 80 80 80 80",
     "80 80 80 80 88 00 00 00 00 89 80 80 80 80 8E 80 80 80 80 80"},
    {"FT-736R", Yaesu("FT-736R"), TFakeFamily::Yaesu, 0, false, "", "00 00 00 00 00 00 00 00 00 09",
     "00 00 00 00 09 43 58 04 36 01 28 99 05 82 F9", "01 99 05 82 07 00 00 00 00 09", "43 58 04 46 1E 14 58 98 44 2E",
     "00 00 00 00 09 14 58 98 44 01 00 00 00 00 F9 80 80 80 80 08",  // both VFOs on the uplink: offset 0
     "00 00 00 00 88 80 80 80 80 88 00 00 00 00 09 43 58 04 46 01 28 99 06 02 F9",
     "",  // the menu item is off for this model
     "80 80 80 80 88 00 00 00 00 89 80 80 80 80 80", "80 80 80 80 88 00 00 00 00 89 80 80 80 80 80"},
    {"IC-9700", Icom("IC-9700", 0xA2), TFakeFamily::Icom, 0xA2, false, "",
     "FE FE A2 00 03 FD FE FE A2 00 07 B0 FD FE FE A2 00 0F 01 FD",  // main band on 145.9 MHz: exchange
     "FE FE A2 00 1C 00 FD FE FE A2 00 07 00 FD FE FE A2 00 05 58 43 80 35 04 FD "
     "FE FE A2 00 07 01 FD FE FE A2 00 05 41 85 89 45 01 FD FE FE A2 00 07 00 FD",
     "FE FE A2 00 06 01 FD FE FE A2 E0 1A 06 00 00 FD FE FE A2 00 07 01 FD FE FE A2 00 06 00 FD "
     "FE FE A2 E0 1A 06 00 00 FD FE FE A2 00 07 00 FD FE FE A2 00 0F 01 FD",
     "FE FE A2 00 05 58 44 80 35 04 FD", "FE FE A2 00 1C 00 01 FD", "FE FE A2 00 1C 00 00 FD", "",
     "FE FE A2 00 1C 00 00 FD FE FE A2 00 0F 00 FD",
     "FE FE A2 00 1C 00 00 FD FE FE A2 00 0F 00 FD FE FE A2 00 1C 00 00 FD"},
    {"IC-910H", Icom("IC-910H", 0x60), TFakeFamily::Icom, 0x60, false, "",
     "FE FE 60 00 03 FD FE FE 60 00 07 B0 FD FE FE 60 00 0F 01 FD",
     "FE FE 60 00 1C 00 FD FE FE 60 00 07 00 FD FE FE 60 00 05 58 43 80 35 04 FD "
     "FE FE 60 00 07 01 FD FE FE 60 00 05 41 85 89 45 01 FD FE FE 60 00 07 00 FD",
     "FE FE 60 00 06 01 FD FE FE 60 00 07 01 FD FE FE 60 00 06 00 FD FE FE 60 00 07 00 FD FE FE 60 00 0F 01 FD",
     "FE FE 60 00 05 58 44 80 35 04 FD", "FE FE 60 00 1C 00 01 FD", "FE FE 60 00 1C 00 00 FD", "",
     "FE FE 60 00 1C 00 00 FD FE FE 60 00 0F 00 FD",
     "FE FE 60 00 1C 00 00 FD FE FE 60 00 0F 00 FD FE FE 60 00 1C 00 00 FD"},
    {"other Icom", Icom("IC-821H", 0x4C), TFakeFamily::Icom, 0x4C, false, "",
     "FE FE 4C 00 03 FD FE FE 4C 00 07 B0 FD FE FE 4C 00 0F 01 FD",
     // no transmit-state query: CTS gives the permission
     "FE FE 4C 00 07 00 FD FE FE 4C 00 05 58 43 80 35 04 FD "
     "FE FE 4C 00 07 01 FD FE FE 4C 00 05 41 85 89 45 01 FD FE FE 4C 00 07 00 FD",
     "FE FE 4C 00 06 01 FD FE FE 4C 00 07 01 FD FE FE 4C 00 06 00 FD FE FE 4C 00 07 00 FD FE FE 4C 00 0F 01 FD",
     "FE FE 4C 00 05 58 44 80 35 04 FD", "FE FE 4C 00 1C 00 01 FD", "FE FE 4C 00 1C 00 00 FD", "",
     "FE FE 4C 00 1C 00 00 FD FE FE 4C 00 0F 00 FD",
     "FE FE 4C 00 1C 00 00 FD FE FE 4C 00 0F 00 FD FE FE 4C 00 1C 00 00 FD"},
    {"TS-2000", Kenwood("TS-2000"), TFakeFamily::Kenwood, 0, true, "SA0010000;FR0;FT1;", "",
     "IF;FA00435804358;FB00145898541;SA0110000;", "AI0;SA0110000;MD2;TS1;MD1;TS0;IF;", "FA00435804458;FB00145898441;",
     "TX;", "RX;", "", ";RX;FT0;", ";RX;FT0;RX;"},
    {"TS-790", Kenwood("TS-790"), TFakeFamily::Kenwood, 0, true, "DC0;FN0;DC0;FN0;", "",
     "IF;FA00435804350;FB00145898540;DC0;DC0;",  // no 1 Hz digit
     "AI0;DC0;MD2;TS1;MD1;TS0;IF;",
     "FA00435804450;",  // the step sends no uplink
     "TX;", "RX;", "", ";RX;FT0;", ";RX;FT0;RX;"},
};

class Station {
public:
    explicit Station(const ModelCase& c)
        : Case(c), Port(c.family, c.address), Cat(Doppler, Port, Pauser, Display, Server) {
        Doppler.SetTable({kEntry});
        Cat.InitCat(c.setup);
    }

    // The bytes an action writes, as hex (or text for Kenwood).
    std::string Bytes(const std::function<void()>& action) {
        const size_t before = Port.Written.size();
        action();
        const std::string bytes = Port.Written.substr(before);
        return Case.ascii ? bytes : HexBytes(bytes);
    }
    void Cycle() {
        Doppler.UpdateDoppler(kRangeRate, 1);
        Cat.CycleUpdate();
    }

    const ModelCase& Case;
    TDopplerModel Doppler;
    TFakeRadioPort Port;
    TCountingPause Pauser;
    TRecordingDisplay Display;
    TNullRadioServerLink Server;
    TCatControl Cat;
};

// Start-up, CAT on by the operator, two cycles, a dial step, TX and back to RX.
void RunPass(Station& s, const ModelCase& c, bool check) {
    std::string message;
    const std::string open =
        s.Bytes([&] { EXPECT_TRUE(s.Cat.OpenCatPort(CatPortSettings(c.setup, 3, "/dev/ttyUSB2"), &message)); });
    const std::string changed = s.Bytes([&] { s.Cat.SatelliteChanged("OSCAR-TEST", 1); });
    s.Cat.Fields().StartupDone = true;
    const std::string catOn = s.Bytes([&] { s.Cat.CatOn(); });
    const std::string cycle1 = s.Bytes([&] { s.Cycle(); });
    const std::string cycle2 = s.Bytes([&] { s.Cycle(); });
    s.Doppler.SetVfoMode(true);  // the operator's "V+" (Yaesu and Kenwood have it already)
    const std::string step = s.Bytes([&] { s.Cat.DialStep(100.0); });
    const std::string transmit = s.Bytes([&] { s.Cat.TxRxToggle(); });
    const std::string receive = s.Bytes([&] { s.Cat.TxRxToggle(); });
    if (!check) return;
    EXPECT_EQ(open, c.open) << c.name;
    EXPECT_EQ(changed, "") << c.name << ": CAT is still off";
    EXPECT_EQ(catOn, c.catOn) << c.name;
    EXPECT_EQ(cycle1, c.cycle1) << c.name;
    EXPECT_EQ(cycle2, c.cycle2) << c.name;
    EXPECT_EQ(step, c.step) << c.name;
    EXPECT_EQ(transmit, c.transmit) << c.name;
    EXPECT_EQ(receive, c.receive) << c.name;
}

TEST(CatControlStreams, EachModelFromCatOnToTheEnd) {
    for (const ModelCase& c : kCases) {
        {
            Station s(c);
            RunPass(s, c, true);
            EXPECT_EQ(s.Bytes([&] { s.Cat.ShutdownRadio(TQuitPath::QuitMenu); }), c.quit) << c.name;
        }
        {
            Station s(c);
            RunPass(s, c, false);
            EXPECT_EQ(s.Bytes([&] { s.Cat.ShutdownRadio(TQuitPath::WindowClose); }), c.close) << c.name;
        }
        {
            Station s(c);
            RunPass(s, c, false);
            EXPECT_EQ(s.Bytes([&] { s.Cat.SatModeOff(); }), c.satModeOff) << c.name;
        }
    }
}

TEST(CatControlStreams, PortSettingsPerModel) {
    struct Case {
        TCatRadioSetup setup;
        int baud;
        int stopBits;
    } cases[] = {
        {Yaesu("FT-847"), 4800, 1},
        {[] {
             auto s = Yaesu("FT-736R");
             s.BaudText = "9600";
             return s;
         }(),
         4800, 2},
        {Kenwood("TS-790"), 4800, 2},
        {[] {
             auto s = Kenwood("TS-2000");
             s.BaudText = "4800";
             return s;
         }(),
         4800, 2},
        {Kenwood("TS-2000"), 9600, 1},
        {[] {
             auto s = Icom("IC-9700", 0xA2);
             s.BaudText = "115200";
             return s;
         }(),
         0, 1},  // speed left as it is
    };
    for (const Case& c : cases) {
        const TSerialSettings s = CatPortSettings(c.setup, 4, "/dev/ttyS3");
        EXPECT_EQ(s.BaudRate, c.baud) << c.setup.Model;
        EXPECT_EQ(s.StopBits, c.stopBits) << c.setup.Model;
        EXPECT_EQ(s.DataBits, 8);
        EXPECT_EQ(s.DevicePath, "/dev/ttyS3");
    }
}

}  // namespace
}  // namespace kelvora
