// When the conductor sends and when it holds back: the threshold, forced and
// once-unthresholded updates, the radio's own reports (Icom dial read-back and
// transmit state, Kenwood receive state), a radio unplugged mid-pass, the space
// key, frequencies that must never be encoded and the radio-server seam.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "CatControl.h"
#include "FakeRadio.h"

namespace kelvora {
namespace {

using testing::TCountingPause;
using testing::TFakeFamily;
using testing::TFakeRadioPort;
using testing::TRecordingDisplay;
using testing::TRecordingServer;

const TDopplerEntry kLinear{"OSCAR-TEST", 435800.0, 145900.0, "USB", "LSB", "REV", 0.0, 0.0};
const TDopplerEntry kNoUplink{"BEACON", 435800.0, 0.0, "USB", "USB", "nor", 0.0, 0.0};

TCatRadioSetup Radio(TRadioFamily family, const char* model, std::uint8_t address = 0xA2) {
    TCatRadioSetup s;
    s.Family = family;
    s.Model = model;
    s.YaesuRxOpcode = 30;
    s.YaesuTxOpcode = 46;
    s.IcomRxAddress = s.IcomTxAddress = address;
    s.KenwoodSatChar = '1';
    s.KenwoodTraceOption = "TraceOff";
    return s;
}

TFakeFamily FakeFamilyOf(TRadioFamily f) {
    return f == TRadioFamily::Icom      ? TFakeFamily::Icom
           : f == TRadioFamily::Kenwood ? TFakeFamily::Kenwood
                                        : TFakeFamily::Yaesu;
}

// A station with CAT on and the satellite chosen, before its first cycle.
struct Station {
    explicit Station(const TCatRadioSetup& setup, TDopplerEntry entry = kLinear, bool useServer = false)
        : Port(FakeFamilyOf(setup.Family), setup.IcomRxAddress), Cat(Doppler, Port, Pauser, Display, Server) {
        Doppler.SetTable({entry});
        Cat.Fields().UseRadioServer = useServer;
        Cat.InitCat(setup);
        std::string message;
        Cat.OpenCatPort(CatPortSettings(setup, 1, "/dev/ttyUSB0"), &message);
        Cat.SatelliteChanged(entry.Name, 1);
        Cat.Fields().StartupDone = true;
        Cat.CatOn();
        Port.Written.clear();
    }
    std::string Hex(const std::function<void()>& action) {
        const size_t before = Port.Written.size();
        action();
        return HexBytes(Port.Written.substr(before));
    }
    std::string Text(const std::function<void()>& action) {
        const size_t before = Port.Written.size();
        action();
        return Port.Written.substr(before);
    }
    void Cycle(double rangeRate = -2.99792486) {
        Doppler.UpdateDoppler(rangeRate, 1);
        Cat.CycleUpdate();
    }

    TDopplerModel Doppler;
    TFakeRadioPort Port;
    TCountingPause Pauser;
    TRecordingDisplay Display;
    TRecordingServer Server;
    TCatControl Cat;
};

TEST(CatThreshold, ReferenceMustMoveByTheIntervalPerCorrectionMode) {
    // Interval 100 Hz; the first update at (rx 435000, tx 145000) sets the reference.
    struct Case {
        int mode;
        double rx, tx;
        bool sent;
    } cases[] = {
        {0, 435000.099, 145000.0, false},  // the greater of the two moves 99 Hz
        {0, 435000.100, 145000.0, true},  {0, 435000.0, 145900.0, false},  // only the smaller one moved
        {1, 435000.0, 145000.099, false},  // uplink only: tx is the reference
        {1, 435900.0, 145000.100, true},  {2, 435000.099, 145900.0, false},  // downlink only: rx is the reference
        {2, 435000.100, 145000.0, true},
    };
    for (const Case& c : cases) {
        Station s(Radio(TRadioFamily::Yaesu, "FT-847"));
        s.Doppler.SetCorrectionMode(c.mode);
        s.Cat.SendFrequencies(435000.0, 145000.0);
        ASSERT_FALSE(s.Port.Written.empty());
        const std::string again = s.Hex([&] { s.Cat.SendFrequencies(c.rx, c.tx); });
        EXPECT_EQ(!again.empty(), c.sent) << "mode " << c.mode << " rx " << c.rx << " tx " << c.tx;
    }
}

TEST(CatThreshold, ForcedAndSkipOnceGoOutInsideTheInterval) {
    Station s(Radio(TRadioFamily::Yaesu, "FT-847"));
    s.Cat.SendFrequencies(435000.0, 0.0);
    EXPECT_EQ(s.Hex([&] { s.Cat.SendFrequencies(435000.05, 0.0); }), "");

    // Forced: sent at once, the reference stays that of the last update.
    s.Cat.Fields().ForceSend = true;
    EXPECT_EQ(s.Hex([&] { s.Cat.SendFrequencies(435000.05, 0.0); }), "43 50 00 05 01");
    EXPECT_FALSE(s.Cat.Fields().ForceSend);
    EXPECT_DOUBLE_EQ(s.Cat.Fields().LastSentReference, 435000.0);

    // Skip once: sent, the reference moves, and the next one is thresholded again.
    s.Cat.Fields().SkipThresholdOnce = true;
    EXPECT_EQ(s.Hex([&] { s.Cat.SendFrequencies(435000.06, 0.0); }), "43 50 00 06 01");
    EXPECT_DOUBLE_EQ(s.Cat.Fields().LastSentReference, 435000.06);
    EXPECT_EQ(s.Hex([&] { s.Cat.SendFrequencies(435000.07, 0.0); }), "");
}

TEST(CatCycle, ModesOnceInTheSecondCycleAndNothingWithoutAShift) {
    Station s(Radio(TRadioFamily::Kenwood, "TS-2000"));
    s.Cycle(0.0);  // downlink shift exactly 0: neither frequencies nor modes nor queries
    EXPECT_EQ(s.Port.Written, "");
    std::string all;
    for (int i = 0; i < 8; ++i) all += s.Text([&] { s.Cycle(); });
    size_t modes = 0;
    for (size_t at = all.find("AI0;"); at != std::string::npos; at = all.find("AI0;", at + 1)) ++modes;
    EXPECT_EQ(modes, 1u);
    EXPECT_EQ(s.Cat.Fields().ModeCounter, kModeCounterLimit);
}

TEST(CatCycle, AfterCatOnTheFirstUpdateAlwaysGoesOut) {
    Station s(Radio(TRadioFamily::Yaesu, "FT-847"));
    s.Cycle();
    EXPECT_EQ(s.Hex([&] { s.Cycle(); }), "01 58 04 36 07");  // modes only, frequencies within the interval
    s.Cat.CatOff();
    s.Cat.CatOn();
    EXPECT_EQ(s.Hex([&] { s.Cycle(); }), "43 58 04 36 01");
}

TEST(CatReadBack, IcomTakesOverTheOperatorsDialMovement) {
    Station s(Radio(TRadioFamily::Icom, "IC-9700"));
    s.Doppler.SetVfoMode(true);
    s.Cycle();  // sends 435804.358; the read-back is armed from now on
    ASSERT_EQ(s.Cat.Fields().ReadBackArmed, 1);
    EXPECT_EQ(s.Port.MainKHz, 435804.358);

    // The radio shows what was sent: the update may go out.
    s.Port.Written.clear();
    s.Cycle();
    EXPECT_FALSE(s.Cat.Fields().Hold);

    // The operator turns the dial 1.5 kHz up: this cycle holds and takes it over.
    s.Port.MainKHz = 435805.858;
    const std::string held = s.Hex([&] { s.Cycle(); });
    EXPECT_TRUE(s.Cat.Fields().Hold);
    EXPECT_EQ(held.find("FE FE A2 00 05"), std::string::npos) << "no frequency while holding";
    EXPECT_NEAR(s.Doppler.State().DialOffsetKHz, 1.5, 1e-9);

    // Next cycle: the radio is on the taken-over text, the new frequencies go out
    // and reproduce the operator's frequency.
    const std::string next = s.Hex([&] { s.Cycle(); });
    EXPECT_FALSE(s.Cat.Fields().Hold);
    EXPECT_NE(next.find("FE FE A2 00 05 58 58 80 35 04 FD"), std::string::npos) << next;
}

TEST(CatReadBack, IcomTransmittingOrCtsOffBlocksTheUpdate) {
    {
        Station s(Radio(TRadioFamily::Icom, "IC-910H", 0x60));
        s.Port.Transmitting = true;
        EXPECT_EQ(s.Hex([&] { s.Cycle(); }), "FE FE 60 00 1C 00 FD");  // the query only
        EXPECT_EQ(s.Cat.Fields().LastSentReference, 0.0);  // counts as not sent
        s.Port.Transmitting = false;
        s.Cycle();
        EXPECT_NE(s.Cat.Fields().LastSentReference, 0.0);
    }
    {
        Station s(Radio(TRadioFamily::Icom, "IC-821H", 0x4C));
        s.Port.Cts = false;
        EXPECT_EQ(s.Hex([&] { s.Cycle(); }), "");
    }
}

TEST(CatReadBack, KenwoodTransmittingHoldsTheFrequencies) {
    Station s(Radio(TRadioFamily::Kenwood, "TS-2000"));
    s.Port.Transmitting = true;
    EXPECT_EQ(s.Text([&] { s.Cycle(); }), "IF;");
    EXPECT_TRUE(s.Cat.Fields().Hold);
    s.Port.Transmitting = false;
    EXPECT_EQ(s.Text([&] { s.Cycle(); }), "AI0;SA0110000;MD2;TS1;MD1;TS0;IF;FA00435804358;FB00145898541;SA0110000;");
    EXPECT_FALSE(s.Cat.Fields().Hold);
}

TEST(CatUnplugged, ReadFailureSwitchesCatOffForGoodAndQuitSendsNothing) {
    for (const auto& setup : {Radio(TRadioFamily::Icom, "IC-9700"), Radio(TRadioFamily::Icom, "IC-821H", 0x4C),
                              Radio(TRadioFamily::Kenwood, "TS-2000"), Radio(TRadioFamily::Kenwood, "TS-790"),
                              Radio(TRadioFamily::Yaesu, "FT-847"), Radio(TRadioFamily::Yaesu, "FT-736R")}) {
        Station s(setup);
        s.Cycle();
        s.Cycle();  // the modes are out; from now on every cycle reads first
        s.Port.Unplugged = true;
        const size_t before = s.Port.Written.size();
        EXPECT_NO_THROW(s.Cycle(-3.5));  // the satellite has moved on: every family has something to send
        EXPECT_TRUE(s.Cat.Fields().CatError) << setup.Model;
        EXPECT_FALSE(s.Cat.Fields().CatOn);
        EXPECT_FALSE(s.Display.CatShown) << "the window shows C-";
        // Whatever the failing read was, nothing after it went to the device.
        const size_t afterFailure = s.Port.Written.size();
        const std::string tried = s.Port.Written.substr(before);
        // A Yaesu never answers: its first failed command is what gives the failure away.
        const bool oneCommand =
            tried.empty() || tried == "IF;" || (setup.Family == TRadioFamily::Yaesu && tried.size() == 5);
        EXPECT_TRUE(oneCommand) << setup.Model << ": at most the one command";

        // The tracking goes on without the radio; "C+" explains and changes nothing.
        s.Cycle();
        s.Cat.CatOnOff();
        ASSERT_EQ(s.Display.Messages.size(), 1u);
        EXPECT_EQ(s.Display.Messages[0],
                  "Cat control has been disabled because the radio was switched off or disconnected.\n"
                  "Re-start KelvoraISS if you want to continue with CAT control. ");
        EXPECT_FALSE(s.Cat.Fields().CatOn);
        s.Cat.TxRxToggle();
        s.Cat.ShutdownRadio(TQuitPath::WindowClose);
        EXPECT_EQ(s.Port.Written.size(), afterFailure) << setup.Model << ": not one byte after the failure";
    }
}

TEST(CatUnplugged, IcomBandCheckReadFailure) {
    Station s(Radio(TRadioFamily::Icom, "IC-9700"));
    s.Port.Unplugged = true;
    EXPECT_NO_THROW(s.Cat.SatelliteChanged("OSCAR-TEST", 1));
    EXPECT_TRUE(s.Cat.Fields().CatError);
    EXPECT_EQ(HexBytes(s.Port.Written), "FE FE A2 00 03 FD") << "no split off to a failed device";
}

TEST(CatSpaceKey, EachFamilyItsOwnBytesAndNeverAnothers) {
    struct Case {
        TCatRadioSetup setup;
        const char* first;  // transmit
        const char* second;  // receive
    } cases[] = {
        {Radio(TRadioFamily::Yaesu, "FT-847"), "14 58 98 54 01 80 80 80 80 08", "80 80 80 80 88 43 58 04 36 01"},
        {Radio(TRadioFamily::Icom, "IC-9700"), "FE FE A2 00 1C 00 01 FD", "FE FE A2 00 1C 00 00 FD"},
        {Radio(TRadioFamily::Icom, "IC-821H", 0x4C), "FE FE 4C 00 1C 00 01 FD", "FE FE 4C 00 1C 00 00 FD"},
        {Radio(TRadioFamily::Kenwood, "TS-2000"), "54 58 3B", "52 58 3B"},  // "TX;", "RX;"
    };
    for (const Case& c : cases) {
        Station s(c.setup);
        s.Doppler.UpdateDoppler(-2.99792486, 1);
        EXPECT_EQ(s.Hex([&] { s.Cat.SpaceKey(); }), c.first) << c.setup.Model;
        EXPECT_EQ(s.Display.Log.back(), "TX");
        EXPECT_EQ(s.Hex([&] { s.Cat.SpaceKey(); }), c.second) << c.setup.Model;
        EXPECT_EQ(s.Display.Log.back(), "RX");
    }
}

TEST(CatFrequencies, NeverEncodedWhenNotFiniteOrNotPositive) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const std::pair<double, double> bad[] = {{nan, 145900}, {inf, 145900},  {-435800, 145900}, {0, 145900},
                                             {435800, nan}, {435800, -inf}, {435800, -145900}};
    for (const auto& setup : {Radio(TRadioFamily::Yaesu, "FT-736R"), Radio(TRadioFamily::Icom, "IC-9700"),
                              Radio(TRadioFamily::Kenwood, "TS-2000")}) {
        for (const bool server : {false, true}) {
            for (const auto& [rx, tx] : bad) {
                Station s(setup, kLinear, server);
                s.Cat.Fields().ForceSend = true;
                s.Server.Calls.clear();
                s.Cat.SendFrequencies(rx, tx);
                EXPECT_EQ(s.Port.Written, "") << setup.Model << " " << rx << " " << tx;
                EXPECT_TRUE(s.Server.Calls.empty()) << setup.Model << " " << rx << " " << tx;
                EXPECT_EQ(s.Doppler.State().ProportionalBase, 1.0);
            }
        }
    }
    // A table line with a broken downlink: the cycle computes NaN and sends nothing.
    Station s(Radio(TRadioFamily::Kenwood, "TS-2000"), {"BROKEN", nan, 145900.0, "USB", "LSB", "nor", 0, 0});
    s.Cat.SatelliteChanged("BROKEN", 1);
    s.Doppler.UpdateDoppler(-3.0, 1);
    s.Cat.ManualStep(100.0);
    EXPECT_EQ(s.Port.Written.find("FA"), std::string::npos);
}

TEST(CatSwitch, IcomCatOffSendsSplitOffOnlyWhenItWasOn) {
    Station s(Radio(TRadioFamily::Icom, "IC-9700"));
    EXPECT_EQ(s.Hex([&] { s.Cat.CatOff(); }), "FE FE A2 00 0F 00 FD");
    EXPECT_EQ(s.Hex([&] { s.Cat.CatOff(); }), "");
}

TEST(CatSwitch, CwSwitchSendsCwModesAndRestoresTheEntrys) {
    Station s(Radio(TRadioFamily::Yaesu, "FT-847"));
    EXPECT_EQ(s.Hex([&] { s.Cat.CwToggle(); }), "02 00 00 00 07");
    EXPECT_EQ(s.Doppler.Set().UplinkMode, "CW");
    EXPECT_EQ(s.Hex([&] { s.Cat.CwToggle(); }), "01 00 00 00 07");
    EXPECT_EQ(s.Doppler.Set().UplinkMode, "LSB");
    EXPECT_EQ(s.Display.Log.back(), "V+");
}

TEST(CatSwitch, ManualStepHoldsTheTrackingAndNeedsCatOn) {
    Station s(Radio(TRadioFamily::Kenwood, "TS-790"));
    s.Doppler.UpdateDoppler(-2.99792486, 1);
    s.Doppler.SetVfoMode(true);
    s.Cat.CatOff();
    EXPECT_EQ(s.Text([&] { s.Cat.DialStep(500.0); }), "");
    EXPECT_EQ(s.Doppler.State().DialOffsetHz, 0.0);
    s.Cat.CatOn();
    EXPECT_EQ(s.Text([&] { s.Cat.DialStep(500.0); }), "DC0;FA00435804850;");
    EXPECT_NE(std::find(s.Display.Log.begin(), s.Display.Log.end(), "timer held"), s.Display.Log.end());
}

TEST(CatTuning, ManualFrequenciesGoOutForcedThenCatOff) {
    Station s(Radio(TRadioFamily::Kenwood, "TS-2000"));
    s.Cat.SendFrequencies(145990.001, 435000.0);
    EXPECT_TRUE(IsValidManualFrequency(145990.001));
    EXPECT_EQ(s.Text([&] { s.Cat.SendManualFrequencies(145990.001, 435000.0); }),
              "FA00145990001;FB00435000000;SA0110000;");
    EXPECT_FALSE(s.Cat.Fields().CatOn);
}

TEST(CatTuning, IntervalAndCorrectionUpDowns) {
    Station s(Radio(TRadioFamily::Yaesu, "FT-847"));
    s.Cat.Fields().IntervalHz = 0.0;
    EXPECT_TRUE(s.Cat.StepInterval(-10.0));
    EXPECT_EQ(s.Cat.Fields().IntervalHz, 0.0);
    EXPECT_TRUE(s.Cat.StepInterval(1000.7));
    EXPECT_EQ(s.Cat.Fields().IntervalHz, 1000.0);

    s.Cat.Fields().LastSentReference = 435000.0;
    s.Doppler.SetSatCorrectionHz(1, 49500.0);
    s.Cat.StepCorrection(1, 1000.0);
    EXPECT_EQ(s.Doppler.State().SatCorrectionHz[1], 50000.0);
    EXPECT_EQ(s.Doppler.SatCorrectionKHz(1), 50.0);
    EXPECT_EQ(s.Cat.Fields().LastSentReference, 0.0);
}

TEST(CatServer, DecisionsGoToTheRadioServerInsteadOfThePort) {
    Station s(Radio(TRadioFamily::Icom, "IC-9700"), kLinear, true);
    EXPECT_EQ(s.Server.Calls, (std::vector<std::string>{"RaOpen"}));
    s.Cycle();
    s.Cycle();
    EXPECT_EQ(s.Server.Calls.size(), 3u);
    EXPECT_EQ(s.Server.Calls[1].rfind("freq 435804.358", 0), 0u) << s.Server.Calls[1];
    EXPECT_EQ(s.Server.Calls[2], "modes USB/LSB");
    s.Cat.ShutdownRadio(TQuitPath::QuitMenu);
    EXPECT_EQ(s.Server.Calls.back(), "close link");
    EXPECT_EQ(s.Port.Written, "");
    EXPECT_EQ(s.Port.Opens, 0);
}

// Converters in both paths: the server is told the radio's dial frequencies, as the
// serial families are, never the satellite's.
TEST(CatServer, FrequenciesAndStepsLeaveWithoutTheConverterOffsets) {
    TDopplerEntry converted = kLinear;
    converted.DownlinkOffsetKHz = 406000.0;
    converted.UplinkOffsetKHz = 116000.0;
    Station s(Radio(TRadioFamily::Icom, "IC-9700"), converted, true);
    s.Cycle();
    s.Cycle();
    ASSERT_GE(s.Server.Calls.size(), 2u);
    EXPECT_EQ(s.Server.Calls[1].rfind("freq 29804.358", 0), 0u) << s.Server.Calls[1];
    EXPECT_NE(s.Server.Calls[1].find(" 2989"), std::string::npos) << s.Server.Calls[1];
}

TEST(CatPort, OpenFailureNamesTheDeviceAndLeavesNoPort) {
    TDopplerModel doppler;
    TFakeRadioPort port(TFakeFamily::Kenwood);
    port.FailOpen = true;
    TCountingPause pauser;
    TRecordingDisplay display;
    TNullRadioServerLink server;
    TCatControl cat(doppler, port, pauser, display, server);
    cat.InitCat(Radio(TRadioFamily::Kenwood, "TS-790"));
    std::string message;
    EXPECT_FALSE(cat.OpenCatPort(CatPortSettings(cat.Setup(), 12, "/dev/serial/by-id/usb-radio"), &message));
    EXPECT_EQ(message.rfind("Could not open COM12!\nCheck whether COM12 is available on your system.", 0), 0u);
    EXPECT_NE(message.find("/dev/serial/by-id/usb-radio"), std::string::npos);
    EXPECT_NE(message.find("SerialPorts.SQF"), std::string::npos);
    EXPECT_EQ(cat.Fields().PortNumber, 0);
    // Tried once: a second call does nothing.
    port.FailOpen = false;
    EXPECT_TRUE(cat.OpenCatPort(CatPortSettings(cat.Setup(), 12, "/dev/ttyUSB0"), &message));
    EXPECT_FALSE(port.IsOpen());
    cat.CatOn();
    cat.ShutdownRadio(TQuitPath::WindowClose);
    EXPECT_EQ(port.Written, "");
}

}  // namespace
}  // namespace kelvora
