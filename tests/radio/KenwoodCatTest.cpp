// Kenwood ASCII commands and the "IF;" answer.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "CatTestText.h"
#include "KenwoodCat.h"

namespace kelvora {
namespace {

std::string Script(const TCatScript& script) { return testing::ScriptText(script, true); }

TEST(KenwoodFrequency, ElevenDigitsInHertz) {
    struct Case {
        TKenwoodModel model;
        bool vfoB;
        double kHz;
        const char* text;
    } cases[] = {
        {TKenwoodModel::TS790, false, 435123.456, "FA00435123450;"},  // worked example: no 1 Hz digit
        {TKenwoodModel::TS2000, false, 145990.001, "FA00145990001;"},  // worked example
        {TKenwoodModel::Others, true, 145990.009, "FB00145990000;"},
        {TKenwoodModel::TS2000, false, 145990.0, "FA00145990000;"},
        {TKenwoodModel::TS2000, true, 10489750.5, "FB10489750500;"},
        {TKenwoodModel::TS2000, false, 99999999.999, "FA99999999999;"},
    };
    for (const auto& c : cases) {
        const TKenwoodCat radio(c.model, '1', "TraceOff");
        EXPECT_EQ(radio.FrequencyCommand(c.vfoB, c.kHz), c.text) << c.kHz;
    }
    const TKenwoodCat radio(TKenwoodModel::TS2000, '1', "TraceOff");
    for (double bad : {0.0, -1.0, 0.0000001, 100000000.0, std::numeric_limits<double>::quiet_NaN(),
                       -std::numeric_limits<double>::infinity()})
        EXPECT_EQ(radio.FrequencyCommand(false, bad), "") << bad;
}

TEST(KenwoodInit, PortInitialisationAndControlCommandPerModel) {
    struct Case {
        TKenwoodModel model;
        const char* trace;
        const char* control;
        const char* init;
    } cases[] = {
        {TKenwoodModel::TS790, "TraceOn", "DC0;", "DC0; | P | FN0; | P | DC0; | P | FN0; | P"},
        {TKenwoodModel::Others, "TraceOn", "DC0;", "DC0; | P | FN0; | P"},
        {TKenwoodModel::TS2000, "TraceOff", "SA0110000;", "SA0010000; | P | FR0; | P | FT1; | P"},
        {TKenwoodModel::TS2000, "TraceOn", "SA0110110;", "SA0010000; | P | FR0; | P | FT1; | P"},
        {TKenwoodModel::TS2000, "traceoff", "SA0110110;", "SA0010000; | P | FR0; | P | FT1; | P"},  // not "TraceOff"
    };
    for (const auto& c : cases) {
        TKenwoodCat radio(c.model, '1', c.trace);
        EXPECT_EQ(radio.ControlCommand(), c.control);
        EXPECT_EQ(Script(radio.PortInitCommands()), c.init);
        EXPECT_EQ(radio.ModeCommand(), "MD4;");
    }
}

TEST(KenwoodModes, SatelliteTracingFollowsSenseVfoAndOption) {
    struct Case {
        const char* trace;
        bool vfo;
        bool inverting;
        const char* control;
    } cases[] = {
        {"TraceOn", true, true, "SA0110110;"},
        {"TraceOn", true, false, "SA0110100;"},
        {"TraceOn", false, true, "SA0110000;"},  // tracing needs the VFO mode
        {"TraceOff", true, true, "SA0110000;"},
    };
    for (const auto& c : cases) {
        TKenwoodCat radio(TKenwoodModel::TS2000, '1', c.trace);
        const TModeRequest m{"USB", "LSB", true, c.inverting, c.vfo};
        EXPECT_EQ(Script(radio.ModeCommands(m)),
                  std::string("AI0; | P | P | ") + c.control + " | P | MD2; | P | TS1; | P | MD1; | P | TS0; | P");
        // The next update sends the control command after the uplink.
        EXPECT_EQ(Script(radio.FrequencyUpdate({145990.001, 435000.0, 0.0, 0.0})),
                  std::string("FA00145990001; | P | FB00435000000; | P | ") + c.control + " | P");
    }
}

TEST(KenwoodModes, NoUplinkMeansNoSubBandCommands) {
    TKenwoodCat radio(TKenwoodModel::TS790, '1', "TraceOff");
    EXPECT_EQ(Script(radio.ModeCommands({"CW", "", false, false, true})), "AI0; | P | P | DC0; | P | MD3; | P");
    EXPECT_EQ(Script(radio.FrequencyUpdate({435123.456, 0.0, 0.0, 0.0})), "FA00435123450; | P");
    // Unknown modes keep the digit.
    EXPECT_EQ(Script(radio.ModeCommands({"DV", "", false, false, true})), "AI0; | P | P | DC0; | P | MD3; | P");
    EXPECT_EQ(Script(radio.ModeCommands({"CWN", "", false, false, true})), "AI0; | P | P | DC0; | P | MD7; | P");
}

TEST(KenwoodUpdate, Ts790SendsItsControlCommandTwiceAfterTheUplink) {
    TKenwoodCat radio(TKenwoodModel::TS790, '1', "TraceOff");
    EXPECT_FALSE(radio.ControlSent());
    EXPECT_EQ(Script(radio.FrequencyUpdate({435123.456, 145900.0, 0.0, 0.0})),
              "FA00435123450; | P | FB00145900000; | P | DC0; | P | DC0;");
    EXPECT_TRUE(radio.ControlSent());
    EXPECT_EQ(radio.ReceiveDisplayText(), "00435123.450");
    // Converter offsets come off each path.
    EXPECT_EQ(Script(radio.FrequencyUpdate({10489800.0, 2400100.0, 10345000.0, 1968000.0})),
              "FA00144800000; | P | FB00432100000; | P | DC0; | P | DC0;");
}

TEST(KenwoodStep, ControlOnceThenTheDownlinkAndOnTheTs2000TheUplink) {
    TKenwoodCat ts790(TKenwoodModel::TS790, '1', "TraceOff");
    EXPECT_EQ(Script(ts790.StepUpdate({435123.456, 145900.0, 0.0, 0.0})), "P | DC0; | P | FA00435123450;");
    EXPECT_EQ(Script(ts790.StepUpdate({435123.456, 145900.0, 0.0, 0.0})), "P | FA00435123450;");
    TKenwoodCat ts2000(TKenwoodModel::TS2000, '1', "TraceOff");
    EXPECT_EQ(Script(ts2000.StepUpdate({145990.001, 435000.0, 0.0, 0.0})), "P | FA00145990001; | P | FB00435000000;");
    EXPECT_EQ(Script(ts2000.StepUpdate({145990.001, 0.0, 0.0, 0.0})), "P | FA00145990001;");
}

TEST(KenwoodUpdate, UnusableFrequenciesSendNothing) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (TKenwoodModel model : {TKenwoodModel::TS790, TKenwoodModel::TS2000, TKenwoodModel::Others}) {
        TKenwoodCat radio(model, '1', "TraceOff");
        EXPECT_TRUE(radio.FrequencyUpdate({nan, 435000.0, 0.0, 0.0}).empty());
        EXPECT_TRUE(radio.FrequencyUpdate({145990.0, nan, 0.0, 0.0}).empty());
        EXPECT_TRUE(radio.FrequencyUpdate({145990.0, -435000.0, 0.0, 0.0}).empty());
        EXPECT_TRUE(radio.StepUpdate({0.0, 0.0, 0.0, 0.0}).empty());
        EXPECT_FALSE(radio.ControlSent());
    }
}

TEST(KenwoodAnswer, IfAnswerMustReportReceive) {
    // The 29th character (index 28) is the transmit flag of the "IF;" answer.
    const std::string head = "IF00145990000" + std::string(15, ' ');  // 28 characters
    struct Case {
        const char* what;
        std::string answer;
        bool receiving;
    } cases[] = {
        {"receiving", head + "0" + "20000000;", true},
        {"transmitting", head + "1" + "20000000;", false},
        {"exactly 28 characters", head.substr(0, 27) + ";", false},
        {"28 characters, no end", head, false},
        {"flag but no end", head + "0", false},
        {"ended before the flag", "IF;" + std::string(25, ' ') + "0;", false},
        {"another answer", "FA00145990000" + std::string(15, ' ') + "0;", false},
        {"garbage", std::string(40, '\xFF'), false},
        {"nothing", "", false},
    };
    for (const auto& c : cases) EXPECT_EQ(TKenwoodCat::AnswerSaysReceiving(c.answer), c.receiving) << c.what;
}

TEST(KenwoodScripts, SwitchesQueryAndQuit) {
    TKenwoodCat radio(TKenwoodModel::TS2000, '1', "TraceOff");
    EXPECT_EQ(Script(radio.ReceiveStateScript()), "C | IF; | A30/2 | R");
    EXPECT_EQ(Script(radio.TransmitOn()), "TX;");
    EXPECT_EQ(Script(radio.TransmitOff()), "RX;");
    EXPECT_EQ(Script(radio.ForceReceive()), "; | RX; | P");
    EXPECT_EQ(Script(radio.QuitCommands(TQuitPath::QuitMenu)), "FT0; | P");
    EXPECT_EQ(Script(radio.QuitCommands(TQuitPath::WindowClose)), "FT0; | P | RX; | P");
    EXPECT_TRUE(radio.CatOnCommands().empty());
    EXPECT_TRUE(radio.CatOffCommands().empty());
}

TEST(KenwoodModel, ModelTexts) {
    EXPECT_EQ(KenwoodModelOf("TS-790"), TKenwoodModel::TS790);
    EXPECT_EQ(KenwoodModelOf("TS-2000"), TKenwoodModel::TS2000);
    EXPECT_EQ(KenwoodModelOf("Others"), TKenwoodModel::Others);
    EXPECT_EQ(KenwoodModelOf("TS-2000X"), TKenwoodModel::Others);
}

}  // namespace
}  // namespace kelvora
