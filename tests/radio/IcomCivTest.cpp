// Icom CI-V frames with the radio's addresses, and the answers read back.
#include <gtest/gtest.h>

#include <clocale>
#include <limits>
#include <string>

#include "CatTestText.h"
#include "IcomCiv.h"

namespace kelvora {
namespace {

using testing::Bytes;
using testing::ScriptText;

constexpr std::uint8_t kR = 0x60;  // receiving radio (main band)
constexpr std::uint8_t kT = 0x62;  // transmitting radio (sub band), a second address on the bus

TEST(IcomFrames, FixedCommandsCarryTheirAddress) {
    const TIcomCiv radio(TIcomModel::IC9700, kR, kT);
    struct Case {
        TCatBytes bytes;
        const char* hex;
    } cases[] = {
        {radio.SelectMain(), "FE FE 60 00 07 00 FD"},
        {radio.SelectSub(), "FE FE 60 00 07 01 FD"},
        {radio.SplitOn(), "FE FE 60 00 0F 01 FD"},
        {radio.SplitOff(), "FE FE 60 00 0F 00 FD"},
        {radio.ReadFrequency(), "FE FE 60 00 03 FD"},
        {radio.ExchangeMainSub(), "FE FE 60 00 07 B0 FD"},
        {radio.TransmitOnCommand(), "FE FE 60 00 1C 00 01 FD"},
        {radio.TransmitOffCommand(), "FE FE 60 00 1C 00 00 FD"},
        {radio.TransmitStateQuery(), "FE FE 60 00 1C 00 FD"},
        {radio.ReceiveAtShutdown(), "FE FE 62 00 1C 00 00 FD"},
        {radio.DataMode(kR, true), "FE FE 60 E0 1A 06 01 01 FD"},
        {radio.DataMode(kT, false), "FE FE 62 E0 1A 06 00 00 FD"},
    };
    for (const auto& c : cases) EXPECT_EQ(HexBytes(c.bytes), c.hex);
}

TEST(IcomFrames, FrequencyIsFiveBcdBytesLeastSignificantFirst) {
    const TIcomCiv radio(TIcomModel::IC910H, kR, kT);
    struct Case {
        double kHz;
        const char* hex;
    } cases[] = {
        {145990.0, "FE FE 60 00 05 00 00 99 45 01 FD"},  // worked example
        {1296123.456, "FE FE 60 00 05 56 34 12 96 12 FD"},
        {145990.0005, "FE FE 60 00 05 01 00 99 45 01 FD"},  // half a hertz rounds up
        {9999999.999, "FE FE 60 00 05 99 99 99 99 99 FD"},
    };
    for (const auto& c : cases) EXPECT_EQ(HexBytes(radio.SetFrequency(kR, c.kHz)), c.hex) << c.kHz;
    for (double bad : {0.0, -145990.0, 0.0004, 10000000.0, std::numeric_limits<double>::quiet_NaN(),
                       std::numeric_limits<double>::infinity()})
        EXPECT_TRUE(radio.SetFrequency(kR, bad).empty()) << bad;
    EXPECT_EQ(TIcomCiv::FrequencyText(145990.0), "0145990.000");
}

TEST(IcomModes, SatelliteModelsRebuildOthersPatch) {
    struct Case {
        TIcomModel model;
        std::vector<std::pair<const char*, bool>> steps;  // mode, uplink
        const char* hex;  // the buffer after the last step
    } cases[] = {
        {TIcomModel::IC910H, {{"FM", false}}, "FE FE 60 00 06 05 01 FD"},
        {TIcomModel::IC910H, {{"FMN", false}}, "FE FE 60 00 06 05 02 FD"},
        {TIcomModel::IC9700, {{"FMD", false}}, "FE FE 60 00 06 05 01 FD"},
        {TIcomModel::IC9700, {{"DV", false}}, "FE FE 60 00 06 17 FD"},
        {TIcomModel::IC9100, {{"USB-D", true}}, "FE FE 62 00 06 01 FD"},
        {TIcomModel::IC9100, {{"LSB-D", false}}, "FE FE 60 00 06 00 FD"},
        {TIcomModel::IC910H, {{"USB", false}}, "FE FE 60 00 06 01 FD"},  // patched start buffer
        {TIcomModel::IC910H, {{"FM", false}, {"USB", false}}, "FE FE 60 00 06 01 01 FD"},  // filter stays
        {TIcomModel::IC910H, {{"CWN", true}}, "FE FE 62 00 06 03 01 FD"},
        {TIcomModel::IC910H, {{"FM", false}, {"XYZ", true}}, "FE FE 62 00 06 05 01 FD"},  // unknown: only the address
        {TIcomModel::Other, {{"FM", false}}, "FE FE 60 00 06 05 FD"},
        {TIcomModel::Other, {{"CW", false}, {"FMN", false}}, "FE FE 60 00 06 05 01 FD"},
        {TIcomModel::Other, {{"USB", false}, {"FMD", true}}, "FE FE 62 00 06 01 FD"},
        {TIcomModel::Other, {{"LSB", false}, {"DV", false}}, "FE FE 60 00 06 00 FD"},
        {TIcomModel::Other, {{"USB-D", false}}, "FE FE 60 00 06 05 FD"},
    };
    for (const auto& c : cases) {
        TIcomCiv radio(c.model, kR, kT);
        TCatBytes last;
        for (const auto& [mode, uplink] : c.steps) last = radio.SetMode(mode, uplink);
        EXPECT_EQ(HexBytes(last), c.hex) << c.steps.back().first;
    }
}

TEST(IcomModes, ModeCommandSequences) {
    struct Case {
        TIcomModel model;
        TModeRequest request;
        const char* script;
    } cases[] = {
        {TIcomModel::IC9700,
         {"USB-D", "LSB", true, false, true},
         "P | P | FE FE 60 00 06 01 FD | P | FE FE 60 E0 1A 06 01 01 FD | P | FE FE 60 00 07 01 FD | P | "
         "FE FE 62 00 06 00 FD | P | FE FE 62 E0 1A 06 00 00 FD | P | P | P | FE FE 60 00 07 00 FD | P | "
         "FE FE 60 00 0F 01 FD | P | C | P"},
        {TIcomModel::IC9100,
         {"FMD", "", false, false, false},
         "P | P | FE FE 60 00 06 05 01 FD | P | FE FE 60 E0 1A 06 00 00 FD | P | P | FE FE 60 E0 1A 06 01 01 FD"},
        {TIcomModel::IC9700,
         {"USB", "FMD", true, false, true},
         "P | P | FE FE 60 00 06 01 FD | P | FE FE 60 E0 1A 06 00 00 FD | P | FE FE 60 00 07 01 FD | P | "
         "FE FE 62 00 06 05 01 FD | P | FE FE 62 E0 1A 06 00 00 FD | P | P | P | FE FE 60 E0 1A 06 01 01 FD | P | "
         "FE FE 60 00 07 00 FD | P | FE FE 60 00 0F 01 FD | P | C | P"},
        {TIcomModel::IC910H, {"FM", "FM", false, false, false}, "P | P | FE FE 60 00 06 05 01 FD | P"},
        {TIcomModel::Other,
         {"FMD", "FMD", true, false, true},
         "P | P | FE FE 60 00 06 05 FD | P | FE FE 60 00 07 01 FD | P | FE FE 62 00 06 05 FD | P | P | P | "
         "FE FE 60 00 07 00 FD | P | FE FE 60 00 0F 01 FD | P | C | P"},
    };
    for (const auto& c : cases) {
        TIcomCiv radio(c.model, kR, kT);
        EXPECT_EQ(ScriptText(radio.ModeCommands(c.request)), c.script) << c.request.DownlinkMode;
    }
}

TEST(IcomUpdate, MainThenSubThenMainWithWaitsAndTexts) {
    TIcomCiv radio(TIcomModel::IC9700, kR, kT);
    EXPECT_EQ(ScriptText(radio.FrequencyUpdate({145990.0, 435000.0, 0.0, 0.0})),
              "C | FE FE 60 00 07 00 FD | A12/1 | C | FE FE 60 00 05 00 00 99 45 01 FD | A16/3 | C | "
              "FE FE 60 00 07 01 FD | A12/2 | C | FE FE 62 00 05 00 00 00 35 04 FD | A16/3 | C | "
              "FE FE 60 00 07 00 FD | A12/2 | C");
    EXPECT_EQ(radio.ReceiveText(), "0145990.000");
    EXPECT_EQ(radio.TransmitText(), "0435000.000");

    // Converter offsets come off; no uplink: no sub band.
    EXPECT_EQ(ScriptText(radio.FrequencyUpdate({10489800.0, 0.0, 10345000.0, 0.0})),
              "C | FE FE 60 00 07 00 FD | A12/1 | C | FE FE 60 00 05 00 00 80 44 01 FD | A16/3 | C | "
              "FE FE 60 00 07 00 FD | A12/2 | C");
    EXPECT_EQ(radio.ReceiveText(), "0144800.000");
    EXPECT_EQ(radio.TransmitText(), "0435000.000");
}

TEST(IcomUpdate, StepSendsTheDownlinkOnly) {
    TIcomCiv radio(TIcomModel::Other, kR, kT);
    EXPECT_EQ(ScriptText(radio.StepUpdate({145990.5, 435000.0, 0.0, 0.0})),
              "P | FE FE 60 00 05 00 05 99 45 01 FD | A16/3 | C");
}

TEST(IcomUpdate, UnusableFrequenciesSendNothingAndKeepTheTexts) {
    TIcomCiv radio(TIcomModel::IC9700, kR, kT);
    radio.FrequencyUpdate({145990.0, 435000.0, 0.0, 0.0});
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const TFrequencyRequest& f :
         {TFrequencyRequest{nan, 435000.0, 0.0, 0.0}, TFrequencyRequest{145990.0, nan, 0.0, 0.0},
          TFrequencyRequest{145990.0, -1.0, 0.0, 0.0}, TFrequencyRequest{-145990.0, 0.0, 0.0, 0.0},
          TFrequencyRequest{12000000.0, 0.0, 0.0, 0.0}})
        EXPECT_TRUE(radio.FrequencyUpdate(f).empty()) << f.Rx << " " << f.Tx;
    for (double rx : {nan, -145990.0, 0.0, 12000000.0})
        EXPECT_TRUE(radio.StepUpdate({rx, 0.0, 0.0, 0.0}).empty()) << rx;
    EXPECT_EQ(radio.ReceiveText(), "0145990.000");
}

TEST(IcomScripts, SwitchesQueriesAndShutdown) {
    TIcomCiv radio(TIcomModel::IC910H, kR, kT);
    EXPECT_EQ(ScriptText(radio.ReadFrequencyScript()), "C | FE FE 60 00 03 FD | A16/2 | R");
    EXPECT_EQ(ScriptText(radio.TransmitStateScript()), "C | FE FE 60 00 1C 00 FD | A16/2 | R");
    EXPECT_EQ(ScriptText(radio.ExchangeScript()), "FE FE 60 00 07 B0 FD | P");
    EXPECT_EQ(ScriptText(radio.CatOnCommands()), "P | FE FE 60 00 0F 01 FD | P");
    EXPECT_EQ(ScriptText(radio.CatOffCommands()), "FE FE 60 00 0F 00 FD");
    EXPECT_EQ(ScriptText(radio.TransmitOn()), "FE FE 60 00 1C 00 01 FD");
    EXPECT_EQ(ScriptText(radio.TransmitOff()), "FE FE 60 00 1C 00 00 FD");
    EXPECT_EQ(ScriptText(radio.ForceReceive()), "FE FE 62 00 1C 00 00 FD | P");
    EXPECT_EQ(ScriptText(radio.QuitCommands(TQuitPath::QuitMenu)), "P");
    EXPECT_EQ(ScriptText(radio.QuitCommands(TQuitPath::WindowClose)), "FE FE 62 00 1C 00 00 FD | P");
    EXPECT_TRUE(radio.PortInitCommands().empty());
}

TEST(IcomAnswers, FrequencyAnswerAfterTheEcho) {
    const TIcomCiv radio(TIcomModel::IC910H, kR, kT);
    const std::string echo = "FE FE 60 00 03 FD ";
    struct Case {
        const char* what;
        std::string hex;
        const char* text;  // nullptr: rejected
    } cases[] = {
        {"echo and answer (34 hex digits)", echo + "FE FE 00 60 03 00 00 80 45 01 FD", "0145800.000"},
        {"answer without echo (22 hex digits)", "FE FE 00 60 03 00 00 80 45 01 FD", nullptr},
        {"another radio's answer", echo + "FE FE 00 62 03 00 00 80 45 01 FD", nullptr},
        {"cut after the digits", "00 00 " + echo + "FE FE 00 60 03 00 00 80 45 01", nullptr},
        {"cut inside the digits", "00 00 00 00 " + echo + "FE FE 00 60 03 00 00 80", nullptr},
        {"digits that are no BCD", echo + "FE FE 00 60 03 00 0A 80 45 01 FD", nullptr},
        {"garbage", "FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF", nullptr},
        {"nothing", "", nullptr},
        {"an error reply", echo + "FE FE 00 60 FA FD FE FE 00 60 FA FD", nullptr},
        {"noise before the echo", "00 FE " + echo + "FE FE 00 60 03 56 34 12 96 12 FD", "1296123.456"},
    };
    for (const auto& c : cases) {
        const auto f = radio.ParseFrequencyAnswer(Bytes(c.hex));
        if (c.text == nullptr) {
            EXPECT_FALSE(f.has_value()) << c.what;
        } else {
            ASSERT_TRUE(f.has_value()) << c.what;
            EXPECT_EQ(f->Text, c.text) << c.what;
        }
    }
    EXPECT_DOUBLE_EQ(radio.ParseFrequencyAnswer(Bytes(cases[0].hex))->KHz, 145800.0);
}

// The program runs in the desktop's locale (the application object sets it); a
// decimal comma there must not cut the hertz off a frequency read back.
class DecimalCommaLocale {
public:
    DecimalCommaLocale() : before_(std::setlocale(LC_NUMERIC, nullptr)) {
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "nl_NL.UTF-8", "ru_RU.UTF-8"})
            if (std::setlocale(LC_NUMERIC, name) && std::localeconv()->decimal_point == std::string(",")) return;
        std::setlocale(LC_NUMERIC, before_.c_str());
    }
    ~DecimalCommaLocale() { std::setlocale(LC_NUMERIC, before_.c_str()); }
    bool Active() const { return std::localeconv()->decimal_point == std::string(","); }

private:
    std::string before_;
};

TEST(IcomAnswers, FrequencyValueKeepsTheHertzUnderADecimalComma) {
    const DecimalCommaLocale comma;
    if (!comma.Active()) GTEST_SKIP() << "no locale with a decimal comma is installed";
    const TIcomCiv radio(TIcomModel::IC9700, kR, kT);
    const auto f = radio.ParseFrequencyAnswer(Bytes("FE FE 60 00 03 FD FE FE 00 60 03 21 05 80 45 01 FD"));
    ASSERT_TRUE(f.has_value());
    EXPECT_EQ(f->Text, "0145800.521");
    EXPECT_DOUBLE_EQ(f->KHz, 145800.521);
}

TEST(IcomAnswers, TransmitStateAnswer) {
    const TIcomCiv radio(TIcomModel::IC9700, kR, kT);
    const std::string echo = "FE FE 60 00 1C 00 FD ";
    struct Case {
        std::string hex;
        TIcomTransmitState state;
    } cases[] = {
        {echo + "FE FE 00 60 1C 00 00 FD", TIcomTransmitState::Receiving},
        {echo + "FE FE 00 60 1C 00 01 FD", TIcomTransmitState::Transmitting},
        {echo, TIcomTransmitState::Unknown},  // no answer
        {echo + "FE FE 00 62 1C 00 00 FD", TIcomTransmitState::Unknown},  // another radio
        {echo + "FE FE 00 60 1C 00 00", TIcomTransmitState::Unknown},  // cut
        {echo + "FE FE 00 60 1C 00 07 FD", TIcomTransmitState::Unknown},  // no such state
        {"01 1C 00 00 FD", TIcomTransmitState::Unknown},  // the bytes without a frame
        {echo + "FE FE 00 60 FA FD", TIcomTransmitState::Unknown},  // error reply
        {"", TIcomTransmitState::Unknown},
    };
    for (const auto& c : cases) EXPECT_EQ(radio.ParseTransmitState(Bytes(c.hex)), c.state) << c.hex;
}

TEST(IcomBandCheck, ExchangesOnlyForAnotherBand) {
    struct Case {
        double read;
        double downlink;
        double offset;
        bool exchange;
    } cases[] = {
        {435000, 145800, 0, true},  // main band on the uplink's band
        {145900, 145800, 0, false},  // d = 100
        {195800, 145800, 0, false},  // d = 50000 exactly
        {645800, 145800, 0, false},  // d = 500000 exactly
        {144800, 10489800, 10345000, false},
        {435000, 10489800, 10345000, true},
        {std::numeric_limits<double>::quiet_NaN(), 145800, 0, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TIcomCiv::MainBandElsewhere(c.read, c.downlink, c.offset), c.exchange) << c.read;
}

TEST(IcomModel, ModelTextsAreExact) {
    EXPECT_EQ(IcomModelOf("IC-910H"), TIcomModel::IC910H);
    EXPECT_EQ(IcomModelOf("IC-9100"), TIcomModel::IC9100);
    EXPECT_EQ(IcomModelOf("IC-9700"), TIcomModel::IC9700);
    EXPECT_EQ(IcomModelOf("IC-821H"), TIcomModel::Other);
    EXPECT_EQ(IcomModelOf("ic-9700"), TIcomModel::Other);
}

}  // namespace
}  // namespace kelvora
