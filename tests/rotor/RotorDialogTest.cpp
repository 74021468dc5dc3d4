// The rotor dialog's operations without a dialog.
#include <gtest/gtest.h>

#include "RotorDialogActions.h"

namespace kelvora {
namespace {

struct TEntryCase {
    char flip, extend450;
    const char* text;
    bool enable, beep;
    const char* limited;
};

class ElevationEntry : public ::testing::TestWithParam<TEntryCase> {};
class AzimuthEntry : public ::testing::TestWithParam<TEntryCase> {};

TRotorSettings Ranges(const TEntryCase& c) {
    TRotorSettings settings;
    settings.FlipOption = c.flip;
    settings.Extend450Option = c.extend450;
    return settings;
}

TEST_P(ElevationEntry, EnablesExecuteWithinTheRange) {
    const TEntryCase c = GetParam();
    const TEntryCheck check = CheckElevationEntry(Ranges(c), c.text);
    EXPECT_EQ(check.EnableExecute, c.enable) << c.text;
    EXPECT_EQ(check.Beep, c.beep) << c.text;
}

TEST_P(AzimuthEntry, EnablesExecuteAndLimitsToTheRange) {
    const TEntryCase c = GetParam();
    const TEntryCheck check = CheckAzimuthEntry(Ranges(c), c.text);
    EXPECT_EQ(check.EnableExecute, c.enable) << c.text;
    EXPECT_EQ(check.Beep, c.beep) << c.text;
    EXPECT_EQ(check.LimitedText, c.limited) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ElevationEntry,
    ::testing::Values(TEntryCase{'-', '-', "45", true, false, ""}, TEntryCase{'-', '-', "90", true, false, ""},
                      TEntryCase{'-', '-', "95", false, true, ""}, TEntryCase{'+', '-', "95", true, false, ""},
                      TEntryCase{'+', '-', "181", false, true, ""}, TEntryCase{'-', '-', "-1", false, true, ""},
                      TEntryCase{'-', '-', "abc", false, true, ""}, TEntryCase{'-', '-', "", false, false, ""}));

INSTANTIATE_TEST_SUITE_P(
    Cases, AzimuthEntry,
    ::testing::Values(TEntryCase{'-', '-', "360", true, false, ""}, TEntryCase{'-', '-', "400", true, true, "360"},
                      TEntryCase{'-', '+', "400", true, false, ""}, TEntryCase{'-', '+', "500", true, true, "450"},
                      TEntryCase{'-', '-', "-3", false, true, ""}, TEntryCase{'-', '-', "x", false, true, ""},
                      TEntryCase{'-', '-', "", false, false, ""}));

// A flipped pass in progress on slot 1: manual moves must not be flipped.
struct RotorDialog : ::testing::Test {
    void SetUp() override {
        settings.FlipOption = '+';
        settings.ParkAzimuth = 180;
        settings.ParkElevation = 10;
        settings.StandardDirections = {{"North", 0, "0"}, {"Repeater", 273, "273"}};
        state.RotorOn = true;
        SetPassRotation(state, 1, true, false);
        state.TargetAzimuth = 30;
        state.TargetElevation = 70;
        ASSERT_TRUE(SendPosition(settings, state, 1)->Flipped);
        ASSERT_TRUE(state.LabelYellow);
    }
    TRotorSettings settings;
    TRotorState state;
};

TEST_F(RotorDialog, ExecuteSendsTheEntryUnflippedAndSwitchesTrackingOff) {
    const TRotorDialogResult result = ExecuteManual(settings, state, "120", "45");
    ASSERT_TRUE(result.Command);
    EXPECT_DOUBLE_EQ(result.Command->Azimuth, 120);
    EXPECT_DOUBLE_EQ(result.Command->Elevation, 45);
    EXPECT_FALSE(result.Command->Flipped);
    EXPECT_TRUE(result.HideDialog);
    EXPECT_FALSE(state.RotorOn);
    EXPECT_FALSE(state.LabelYellow);
    EXPECT_FALSE(state.ManualMove);
    EXPECT_DOUBLE_EQ(state.TargetElevation, 0);
    // A correction afterwards moves from the manual azimuth, still unflipped.
    const TCorrectionResult corrected = CorrectAzimuth(settings, state, 1, +1);
    ASSERT_TRUE(corrected.Command);
    EXPECT_DOUBLE_EQ(corrected.Command->Azimuth, 121);
    EXPECT_DOUBLE_EQ(corrected.Command->Elevation, 0);
    EXPECT_FALSE(corrected.Command->Flipped);
    EXPECT_EQ(corrected.Text, " 1");
}

TEST_F(RotorDialog, ExecuteBeepsForEmptyOrBadFieldsAndKeepsAnEmptyAxis) {
    for (const auto& [az, el] : {std::pair{"", ""}, std::pair{"abc", "10"}, std::pair{"10", "1,5"}}) {
        const TRotorDialogResult result = ExecuteManual(settings, state, az, el);
        EXPECT_TRUE(result.Beep) << az << "/" << el;
        EXPECT_FALSE(result.Command) << az << "/" << el;
        EXPECT_TRUE(state.RotorOn) << az << "/" << el;
    }
    const TRotorDialogResult result = ExecuteManual(settings, state, "", "30");
    ASSERT_TRUE(result.Command);
    EXPECT_DOUBLE_EQ(result.Command->Azimuth, 30);  // the current target's azimuth
    EXPECT_DOUBLE_EQ(result.Command->Elevation, 30);
}

TEST_F(RotorDialog, StandardDirectionPointsAtTheHorizon) {
    const TRotorDialogResult result = StandardDirection(settings, state, 1);
    ASSERT_TRUE(result.Command);
    EXPECT_DOUBLE_EQ(result.Command->Azimuth, 273);
    EXPECT_DOUBLE_EQ(result.Command->Elevation, 0);
    EXPECT_FALSE(result.Command->Flipped);
    EXPECT_FALSE(state.RotorOn);
    EXPECT_FALSE(StandardDirection(settings, state, 2).Command);
    EXPECT_FALSE(StandardDirection(settings, state, -1).Command);
}

TEST_F(RotorDialog, ParkSendsTheParkPositionOrBeepsAndAlwaysWritesTheFiles) {
    const TRotorDialogResult beep = cmdParkClick(settings, state, false);
    EXPECT_TRUE(beep.Beep);
    EXPECT_FALSE(beep.Command);
    EXPECT_TRUE(beep.WriteParkFiles);

    EXPECT_TRUE(edParkElChange(settings, "120"));  // beeps, taken all the same
    EXPECT_EQ(settings.ParkElevation, 120);
    EXPECT_TRUE(edParkAzChange(settings, "east"));  // not a number: unchanged
    EXPECT_EQ(settings.ParkAzimuth, 180);
    EXPECT_FALSE(edParkAzChange(settings, " 200 "));
    const TRotorDialogResult park = cmdParkClick(settings, state, true);
    ASSERT_TRUE(park.Command);
    EXPECT_DOUBLE_EQ(park.Command->Azimuth, 200);
    EXPECT_DOUBLE_EQ(park.Command->Elevation, 120);  // within 0..180 with the flip option
    EXPECT_FALSE(park.Command->Flipped);
    EXPECT_TRUE(park.WriteParkFiles);
    EXPECT_TRUE(park.HideDialog);
    EXPECT_DOUBLE_EQ(state.TargetElevation, 0);
    settings.FlipOption = '-';
    EXPECT_DOUBLE_EQ(ParkNow(settings, state)->Elevation, 90);  // limited to the rotor's range
}

TEST_F(RotorDialog, CorrectionsDuringAFlippedPassAreSentFlipped) {
    EXPECT_EQ(CorrectElevation(settings, state, 1, +1).Text, " 1");
    const TCorrectionResult result = CorrectElevation(settings, state, 1, +1);
    EXPECT_EQ(result.Text, " 2");
    ASSERT_TRUE(result.Command);
    EXPECT_TRUE(result.Command->Flipped);
    EXPECT_DOUBLE_EQ(result.Command->Azimuth, 210);
    EXPECT_DOUBLE_EQ(result.Command->Elevation, 108);  // 180 - (70 + 2)
    EXPECT_EQ(CorrectAzimuth(settings, state, 1, -1).Text, " -1");
}

TEST_F(RotorDialog, SecondInstanceSendsNothing) {
    settings.SecondInstance = true;
    EXPECT_FALSE(ExecuteManual(settings, state, "120", "45").Command);
    EXPECT_FALSE(StandardDirection(settings, state, 0).Command);
    EXPECT_FALSE(cmdParkClick(settings, state, true).Command);
    EXPECT_FALSE(CorrectAzimuth(settings, state, 1, +1).Command);
}

}  // namespace
}  // namespace kelvora
