// The Doppler model driven with numbers: shifts, the three correction modes,
// transponder sense, dial step and capture, per-satellite correction, texts.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "DopplerModel.h"

namespace kelvora {
namespace {

constexpr double kC = kDopplerLightSpeedKmS;
constexpr int kSlot = 7;

TDopplerEntry Entry(std::string name, double down, double up, std::string sense = "nor") {
    TDopplerEntry e;
    e.Name = std::move(name);
    e.DownlinkKHz = down;
    e.UplinkKHz = up;
    e.DownlinkMode = "USB";
    e.UplinkMode = "LSB";
    e.Sense = std::move(sense);
    return e;
}

// A model with one satellite "SAT" selected.
TDopplerModel Selected(double down, double up, std::string sense = "nor") {
    TDopplerModel model;
    model.SetTable({Entry("SAT", down, up, std::move(sense))});
    EXPECT_TRUE(model.SelectFrequencySet("SAT"));
    return model;
}

TEST(DopplerRounding, HalvesGoToTheEvenHertz) {
    // Shift = v * downlink / c; with the downlink equal to c the shift is v itself.
    struct Case {
        double v;
        double shift;
    } cases[] = {
        {1.2345, 1.234},  // the 1.2345 kHz example: 1234.5 Hz goes down to even
        {1.2355, 1.236},  // 1235.5 Hz goes up to even
        {-1.2345, -1.234},  // negative halves likewise
        {0.0025, 0.002},  // 2.5 Hz
        {0.0004, 0.0},
    };
    for (const Case& c : cases) {
        TDopplerModel model = Selected(kC, 0.0);
        model.UpdateDoppler(-c.v, kSlot);
        EXPECT_DOUBLE_EQ(model.State().DownShift, c.shift) << c.v;
    }
}

TEST(DopplerModes, EachModePutsTheCorrectionWhereItSays) {
    // Downlink 145800, uplink 435000, approaching at 5 km/s:
    // DownShift = 5 * 145800 / c = 2.43168.. -> 2.432; UpShift = -5 * 435000 / c = -7.25501.. -> -7.255.
    struct Case {
        int mode;
        double rx;
        double tx;
    } cases[] = {
        {0, 145802.432, 434992.745},
        {1, 145800.000, 435000 + 2.432 - 7.255},  // all on the uplink, downlink nominal
        {2, 145800 + 2.432 - 7.255, 435000.000},  // all on the downlink, uplink nominal
    };
    for (const Case& c : cases) {
        TDopplerModel model = Selected(145800, 435000);
        ASSERT_TRUE(model.SetCorrectionMode(c.mode));
        EXPECT_TRUE(model.UpdateDoppler(-5.0, kSlot));
        const TDopplerState& s = model.State();
        EXPECT_DOUBLE_EQ(s.DownShift, 2.432);
        EXPECT_DOUBLE_EQ(s.UpShift, -7.255);
        EXPECT_DOUBLE_EQ(s.RxFrequency, c.rx) << "mode " << c.mode;
        EXPECT_DOUBLE_EQ(s.TxFrequency, c.tx) << "mode " << c.mode;
        EXPECT_TRUE(s.FrequenciesUsable);
    }
}

TEST(DopplerModes, NoUplinkGivesTxZeroInEveryMode) {
    for (int mode = 0; mode < 3; ++mode) {
        TDopplerModel model = Selected(145800, 0.0);
        model.SetCorrectionMode(mode);
        model.UpdateDoppler(-5.0, kSlot);
        EXPECT_DOUBLE_EQ(model.State().TxFrequency, 0.0);
        EXPECT_DOUBLE_EQ(model.State().UpShift, 0.0);
        EXPECT_TRUE(model.State().FrequenciesUsable);
    }
}

TEST(DopplerShifts, DeltasFollowTheChangeAndZeroRangeRateAsksNoRefresh) {
    TDopplerModel model = Selected(145800, 435000);
    model.UpdateDoppler(-5.0, kSlot);
    model.UpdateDoppler(3.0, kSlot);  // receding: -1.459 and +4.353 (hand computed)
    EXPECT_DOUBLE_EQ(model.State().DownShiftDelta, -1.459 - 2.432);
    EXPECT_DOUBLE_EQ(model.State().UpShiftDelta, 4.353 + 7.255);
    EXPECT_FALSE(model.UpdateDoppler(0.0, kSlot));
    EXPECT_DOUBLE_EQ(model.State().DownShift, 0.0);
    EXPECT_DOUBLE_EQ(model.State().UpShift, 0.0);
}

TEST(DopplerSense, DialStepMovesTheUplinkAgainstAnInvertingTransponder) {
    // Mode 0, shifts 2.432 / -7.255; dial +1000 Hz.
    struct Case {
        const char* sense;
        double tx;
    } cases[] = {
        {"REV", 434992.745 - 1.0},
        {"nor", 434992.745 + 1.0},
        {"rev", 434992.745 + 1.0},  // the sense text is compared exactly
    };
    for (const Case& c : cases) {
        TDopplerModel model = Selected(145800, 435000, c.sense);
        model.SetVfoMode(true);
        model.UpdateDoppler(-5.0, kSlot);
        model.ApplyDialStep(1000.0, kSlot);
        EXPECT_DOUBLE_EQ(model.State().DialOffsetKHz, 1.0);
        EXPECT_DOUBLE_EQ(model.State().RxFrequency, 145803.432) << c.sense;
        EXPECT_DOUBLE_EQ(model.State().TxFrequency, c.tx) << c.sense;
    }
}

TEST(DopplerDial, StepUsesTheCurrentShiftsInEachMode) {
    // Dial +500 Hz, sat correction +200 Hz, normal transponder (sign -1: Tx + dial).
    struct Case {
        int mode;
        double rx;
        double tx;
    } cases[] = {
        {0, 145800 + 2.432 + 0.5, 435000 - 7.255 + 0.2 + 0.5},
        {1, 145800 + 0.5, 435000 + 2.432 - 7.255 + 0.2 + 0.5},
        {2, 145800 + 2.432 - 7.255 + 0.5, 435000 + 0.2 + 0.5},
    };
    for (const Case& c : cases) {
        TDopplerModel model = Selected(145800, 435000);
        model.SetVfoMode(true);
        model.SetCorrectionMode(c.mode);
        model.SetSatCorrectionHz(kSlot, 200.0);
        model.UpdateDoppler(-5.0, kSlot);
        model.ApplyDialStep(500.0, kSlot);
        EXPECT_NEAR(model.State().RxFrequency, c.rx, 1e-9) << c.mode;
        EXPECT_NEAR(model.State().TxFrequency, c.tx, 1e-9) << c.mode;
    }
}

TEST(DopplerCorrection, VfoOffAddsTheSatCorrectionProportionallyOnTheUplink) {
    TDopplerModel model = Selected(145800, 435000);
    model.SetSatCorrectionHz(kSlot, 500.0);
    model.SetProportionalBase(145802.432);
    model.UpdateDoppler(-5.0, kSlot);
    // Rx + 0.5; Tx + Tx / base * 0.5 = 434992.745 + 434992.745 / 145802.432 * 0.5.
    EXPECT_DOUBLE_EQ(model.State().RxFrequency, 145802.932);
    EXPECT_NEAR(model.State().TxFrequency, 434994.2367197849, 1e-9);
    // Another slot has its own correction (none).
    model.UpdateDoppler(-5.0, kSlot + 1);
    EXPECT_DOUBLE_EQ(model.State().RxFrequency, 145802.432);
}

TEST(DopplerCorrection, IsLimitedAndIgnoresBadSlotsAndValues) {
    TDopplerModel model;
    model.SetSatCorrectionHz(1, 60000.0);
    model.SetSatCorrectionHz(2, -70000.0);
    model.SetSatCorrectionHz(3, std::numeric_limits<double>::quiet_NaN());
    model.SetSatCorrectionHz(0, 100.0);
    model.SetSatCorrectionHz(kDopplerSlots + 1, 100.0);
    EXPECT_DOUBLE_EQ(model.State().SatCorrectionHz[1], 50000.0);
    EXPECT_DOUBLE_EQ(model.SatCorrectionKHz(1), 50.0);
    EXPECT_DOUBLE_EQ(model.SatCorrectionKHz(2), -50.0);
    EXPECT_DOUBLE_EQ(model.SatCorrectionKHz(3), 0.0);
    EXPECT_DOUBLE_EQ(model.SatCorrectionKHz(0), 0.0);
    EXPECT_DOUBLE_EQ(model.SatCorrectionKHz(kDopplerSlots + 1), 0.0);
}

TEST(DopplerCapture, ATunedFrequencyIsReproducedByTheNextUpdate) {
    // Two cycles at -5 km/s (DownShift 2.432, delta 0), then the radio reads 145803.000.
    for (int mode : {0, 1, 2}) {
        TDopplerModel model = Selected(145800, 435000);
        model.SetVfoMode(true);
        model.SetCorrectionMode(mode);
        model.UpdateDoppler(-5.0, kSlot);
        model.UpdateDoppler(-5.0, kSlot);
        ASSERT_TRUE(model.CaptureDial(145803.0));
        model.UpdateDoppler(-5.0, kSlot);
        EXPECT_NEAR(model.State().RxFrequency, 145803.0, 1e-9) << mode;
    }
}

TEST(DopplerCapture, TakesTheDriftSinceAndTheConverterOffset) {
    // Downlink 10489800 through a converter of 10345000: the radio shows 144800 + shift.
    TDopplerEntry e = Entry("QO", 10489800, 2400000);
    e.DownlinkOffsetKHz = 10345000;
    TDopplerModel model;
    model.SetTable({e});
    model.SelectFrequencySet("QO");
    model.SetVfoMode(true);
    model.UpdateDoppler(0.0, kSlot);
    model.UpdateDoppler(-0.1, kSlot);  // 0.1 * 10489800 / c = 3.49900.. -> 3.499, delta 3.499
    ASSERT_TRUE(model.CaptureDial(144801.0));
    // dial = 144801 + 10345000 - 10489800 + 3.499 - 3.499 = 1.0 kHz (mode 0)
    EXPECT_NEAR(model.State().DialOffsetKHz, 1.0, 1e-9);
    EXPECT_NEAR(model.State().DialOffsetHz, 1000.0, 1e-6);
}

TEST(DopplerCapture, OutsideTheWindowOrWithVfoOffNothingChanges) {
    struct Case {
        double read;
        bool taken;
    } cases[] = {
        {145800 + 50000.0, false},  // the window is open at both ends
        {145800 - 50000.0, false},
        {145800 + 49999.999, true},
        {145800 - 49999.999, true},
        {std::numeric_limits<double>::quiet_NaN(), false},
        {std::numeric_limits<double>::infinity(), false},
    };
    for (const Case& c : cases) {
        TDopplerModel model = Selected(145800, 435000);
        model.SetVfoMode(true);
        EXPECT_EQ(model.CaptureDial(c.read), c.taken) << c.read;
        if (!c.taken) {
            EXPECT_DOUBLE_EQ(model.State().DialOffsetKHz, 0.0);
        }
    }
    TDopplerModel off = Selected(145800, 435000);
    EXPECT_FALSE(off.CaptureDial(145801.0));
}

TEST(DopplerUsable, BrokenNumbersAreFlaggedNeverUsable) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        const char* what;
        double down;
        double up;
        double rangeRate;
    } cases[] = {
        {"range rate not computed", 145800, 435000, nan},
        {"range rate infinite", 145800, 435000, std::numeric_limits<double>::infinity()},
        {"downlink unreadable", nan, 435000, -5.0},
        {"uplink unreadable", 145800, nan, -5.0},
        {"downlink negative", -145800, 0.0, -5.0},
        {"downlink zero", 0.0, 435000, -5.0},
    };
    for (const Case& c : cases) {
        TDopplerModel model = Selected(c.down, c.up);
        model.UpdateDoppler(c.rangeRate, kSlot);
        EXPECT_FALSE(model.State().FrequenciesUsable) << c.what;
    }
}

TEST(DopplerUsable, ADialThatPushesTheUplinkBelowZeroIsFlagged) {
    // Inverting transponder with a 0.001 kHz uplink: a +1 kHz dial gives Tx = -0.999.
    TDopplerModel model = Selected(145800, 0.001, "REV");
    model.SetVfoMode(true);
    model.UpdateDoppler(0.0, kSlot);
    EXPECT_TRUE(model.State().FrequenciesUsable);
    model.ApplyDialStep(1000.0, kSlot);
    EXPECT_DOUBLE_EQ(model.State().TxFrequency, 0.001 - 1.0);
    EXPECT_FALSE(model.State().FrequenciesUsable);
}

TEST(DopplerSelection, FirstEntryOrTheKthOfTheBlock) {
    TDopplerModel model;
    TDopplerEntry voice = Entry("ISS", 145800, 145200);
    voice.DownlinkMode = "FM";
    TDopplerEntry packet = Entry("ISS", 145825, 145825);
    TDopplerEntry other = Entry("AO-7", 145950, 432150, "REV");
    model.SetTable({other, voice, packet, Entry("XW-2", 145665, 435045)});

    ASSERT_TRUE(model.SelectFrequencySet("ISS"));
    EXPECT_DOUBLE_EQ(model.Set().DownlinkKHz, 145800);
    EXPECT_EQ(model.Set().SavedDownlinkMode, "FM");
    EXPECT_EQ(model.EntryCountFrom("ISS"), 2);
    ASSERT_TRUE(model.SelectFrequencySetAt("ISS", 1));
    EXPECT_DOUBLE_EQ(model.Set().DownlinkKHz, 145825);
    // Past the block: refused, the entry in force stays.
    EXPECT_FALSE(model.SelectFrequencySetAt("ISS", 2));
    EXPECT_TRUE(model.Set().Found);
    EXPECT_DOUBLE_EQ(model.Set().DownlinkKHz, 145825);

    ASSERT_TRUE(model.SelectFrequencySet("AO-7"));
    EXPECT_EQ(model.Set().SenseSign, 1);
    EXPECT_EQ(model.Set().SenseLabel(), "rev");
    // No entry (names are case-sensitive): Found off, the old values stay.
    EXPECT_FALSE(model.SelectFrequencySet("ao-7"));
    EXPECT_FALSE(model.Set().Found);
    EXPECT_DOUBLE_EQ(model.Set().DownlinkKHz, 145950);
    EXPECT_FALSE(model.UpdateDoppler(-5.0, kSlot));
    EXPECT_EQ(model.FrequencyDisplay('.'), "");
}

TEST(DopplerModes, CwSwitchAndRestoreKeepTheEntrysModes) {
    TDopplerModel model = Selected(145800, 435000);
    model.SetModes("CW", "CW");
    EXPECT_EQ(model.Set().DownlinkMode, "CW");
    model.RestoreModes();
    EXPECT_EQ(model.Set().DownlinkMode, "USB");
    EXPECT_EQ(model.Set().UplinkMode, "LSB");
}

TEST(DopplerVfo, SwitchingOffClearsTheDialAndForcesModeZero) {
    TDopplerModel model = Selected(145800, 435000);
    model.SetVfoMode(true);
    model.SetCorrectionMode(2);
    model.ApplyDialStep(1500.0, kSlot);
    EXPECT_EQ(model.CorrectionModeText(), " Doppl.Corr.: Downlink");
    model.SetVfoMode(false);
    EXPECT_EQ(model.State().CorrectionMode, 0);
    EXPECT_DOUBLE_EQ(model.State().DialOffsetHz, 0.0);
    EXPECT_DOUBLE_EQ(model.State().DialOffsetKHz, 0.0);
    EXPECT_EQ(model.CorrectionModeText(), " Doppl.Corr.: Upl/Dwnl");
    EXPECT_TRUE(model.SetCorrectionMode(1));
    EXPECT_EQ(model.CorrectionModeText(), " Doppl.Corr.: Uplink");
    EXPECT_FALSE(model.SetCorrectionMode(3));
    EXPECT_EQ(model.State().CorrectionMode, 1);
}

TEST(DopplerVfo, ModeSettingRuleByDownlinkMode) {
    struct Case {
        const char* downlinkMode;
        bool vfoFollows;  // Yaesu, Kenwood or a radio server; not Icom
        bool vfoBefore;
        bool vfoAfter;
        int modeAfter;  // the stored mode is 2
    } cases[] = {
        {"FM", true, true, false, 0},  // FM: VFO off, mode forced to 0
        {"FMN", false, true, false, 0},  {"USB", true, false, true, 2},
        {"USB", false, false, false, 2},  // Icom: VFO unchanged, mode still loaded
        {"FMD", false, true, true, 2},
    };
    for (const Case& c : cases) {
        TDopplerEntry e = Entry("SAT", 145800, 435000);
        e.DownlinkMode = c.downlinkMode;
        TDopplerModel model;
        model.SetTable({e});
        model.SelectFrequencySet("SAT");
        model.SetVfoMode(c.vfoBefore);
        model.ApplyDownlinkModeRule(2, c.vfoFollows);
        EXPECT_EQ(model.State().VfoMode, c.vfoAfter) << c.downlinkMode;
        EXPECT_EQ(model.State().CorrectionMode, c.modeAfter) << c.downlinkMode;
    }
}

TEST(DopplerDisplay, PanelTextAsThePatternGivesIt) {
    struct Case {
        double down;
        double up;
        double rangeRate;
        char separator;
        std::string text;
    } cases[] = {
        // "#000000.000", one blank in front below 10000000 kHz; Rx + " " + Tx + "   ".
        // Shifts at -5 km/s: +2.432 and -7.255 (hand computed above).
        {145800, 435000, -5.0, '.', " 145802.432  434992.745   "},
        {145800, 435000, -5.0, ',', " 145802,432  434992,745   "},
        // No uplink, or one below 1 kHz: eleven blanks and the blank in front.
        {145800, 0.0, -5.0, '.', " 145802.432 " + std::string(12, ' ') + "   "},
        {145800, 0.5, -5.0, '.', " 145802.432 " + std::string(12, ' ') + "   "},
        {10489800, 1296000, 0.0, '.', "10489800.000  1296000.000   "},
    };
    for (const Case& c : cases) {
        TDopplerModel model = Selected(c.down, c.up);
        model.UpdateDoppler(c.rangeRate, kSlot);
        EXPECT_EQ(model.FrequencyDisplay(c.separator), c.text);
    }
}

}  // namespace
}  // namespace kelvora
