// Preview and MA stepping as plain arithmetic, and the steps of one snapshot.

#include "CalendarTime.h"
#include "PreviewTime.h"
#include "QuietParts.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

using namespace kelvora;
using kelvora::test::QuietParts;

namespace {
constexpr double kMinute = 1.0 / 1440;

// Records every hook a snapshot may touch, the ones it must not touch included.
struct SnapshotHooks : QuietParts {
    std::vector<std::string> Calls;
    bool FrequencyEntry = true;
    double Rate = 0.5;

    void SelectSatellite(int set) override { Calls.push_back("select " + std::to_string(set)); }
    double PropagateAndLook(double, double) override {
        Calls.push_back("look");
        return 10;
    }
    void SubSatellitePoint() override { Calls.push_back("subpoint"); }
    void MapPointAndComposeMap() override { Calls.push_back("map"); }
    void ComputeSunNow() override { Calls.push_back("sun now"); }
    void ShowIllumination() override { Calls.push_back("illumination"); }
    void UpdateDoppler() override { Calls.push_back("doppler"); }
    void ComputeSquint() override { Calls.push_back("squint"); }
    void ShowDataLine() override { Calls.push_back("data line"); }
    void DrawDirectionArrow() override { Calls.push_back("arrow"); }
    bool HasFrequencyEntry() override { return FrequencyEntry; }
    void BlankDopplerText() override { Calls.push_back("blank"); }
    void BuildDopplerText() override { Calls.push_back("build text"); }
    void SetDataServerItem() override { Calls.push_back("SERVER"); }
    double RangeRate() override { return Rate; }
    void DrawDopplerText() override { Calls.push_back("draw text"); }
    void CycleUpdate() override { Calls.push_back("CAT"); }
    void DrawSunOverlay() override { Calls.push_back("sun overlay"); }
    void DrawOtherSatellites() override { Calls.push_back("others"); }
    void RotorCycle() override { Calls.push_back("ROTOR"); }
};
}  // namespace

TEST(PreviewTime, IntervalOfZeroStepsTwoMinutesAndFastStepsFiveTimesAsFar) {
    TPreviewState state;
    state.IntervalDays = PreviewIntervalDays({0, 0, 0});
    EXPECT_NEAR(ArrowStepDays(state, 1), 2 * kMinute, 1e-12);
    ToggleStepFactor(state);
    EXPECT_STREQ(StepFactorText(state), "F+");
    EXPECT_NEAR(ArrowStepDays(state, 2), 10 * kMinute, 1e-12);
    EXPECT_NEAR(ArrowStepDays(state, 1), -10 * kMinute, 1e-12);
    ToggleStepFactor(state);
    EXPECT_STREQ(StepFactorText(state), "F-");
    EXPECT_NEAR(PreviewIntervalDays({1, 30, 15}), 1.0 / 24 + 30 * kMinute + 15.0 / 86400, 1e-12);
}

TEST(PreviewTime, ArrowAtItsEndPositionDoesNotStep) {
    TPreviewState state;
    state.LastArrowPosition = ArrowMaximum - 1;
    EXPECT_GT(ArrowStepDays(state, ArrowMaximum), 0);
    EXPECT_EQ(ArrowStepDays(state, ArrowMaximum), 0);  // the control stays at its end
    EXPECT_LT(ArrowStepDays(state, ArrowMaximum - 1), 0);
}

TEST(PreviewTime, DefaultIntervalFollowsTheMeanMotion) {
    struct Case {
        double revs;
        int minutes;
    };
    for (const Case& c : {Case{15.5, 2}, Case{2, 15}, Case{6.4, 15}, Case{6.41, 2}}) {
        const TPreviewInterval i = DefaultPreviewInterval(c.revs);
        EXPECT_EQ(i.Hours, 0);
        EXPECT_EQ(i.Minutes, c.minutes) << c.revs;
        EXPECT_EQ(i.Seconds, 0);
    }
}

TEST(PreviewTime, StartFieldsDropTheSecondsAndRefuseDatesThatDoNotExist) {
    const double shown = ShownTimeOf(2024, 2, 12, 23, 59, 59.9996);  // rounds to the next second
    const TPreviewStart s = PreviewStartOf(shown);
    EXPECT_EQ(s.Day, 13);
    EXPECT_EQ(s.Hour, 0);
    EXPECT_EQ(s.Minute, 0);
    EXPECT_EQ(s.Second, 0);
    EXPECT_FALSE(ShownTimeOf(TPreviewStart{31, 2, 2024, 12, 0, 0}).has_value());
    EXPECT_FALSE(ShownTimeOf(TPreviewStart{29, 2, 2023, 12, 0, 0}).has_value());
    ASSERT_TRUE(ShownTimeOf(TPreviewStart{29, 2, 2024, 12, 0, 0}).has_value());
    EXPECT_DOUBLE_EQ(*ShownTimeOf(TPreviewStart{29, 2, 2024, 12, 0, 0}), ShownTimeOf(2024, 2, 29, 12, 0, 0));
}

TEST(MaStepping, AdvanceToTheTargetPhase) {
    // Half a revolution of a 90-minute orbit.
    EXPECT_NEAR(MaAdvanceDays(64, 192, 16) * 1440, 45, 1e-9);
    EXPECT_NEAR(MaAdvanceDays(192, 64, 16) * 1440, 45, 1e-9);
    EXPECT_EQ(MaAdvanceDays(100, 100, 16), 0);
    EXPECT_NEAR(MaAdvanceDays(512, 0, 16) * 1440, 180, 1e-9);  // two revolutions
    EXPECT_EQ(MaAdvanceDays(64, 192, 0), 0);  // no period to step by
}

TEST(MaStepping, TargetTextAndWarning) {
    struct Case {
        const char* text;
        double value;
        bool warned;
    };
    const Case cases[] = {
        {"", 0, false},      {"64", 64, false},      {"12,5", 12.5, false}, {"12.5abc", 12.5, false},
        {"abc", 0, false},   {" 7", 7, false},       {"-3", -3, true},      {"1,5,6", 1.5, false},
        {"256", 256, false}, {"256.1", 256.1, true}, {"1e5", 1, false},     {"nan", 0, false},
    };
    for (const Case& c : cases) {
        const double value = ParseMaTarget(c.text);
        EXPECT_DOUBLE_EQ(value, c.value) << c.text;
        EXPECT_EQ(MaTargetWarned(value), c.warned) << c.text;
    }
}

TEST(Snapshot, StepsInTheirNeededOrderWithoutServerRadioOrRotor) {
    TTrackingState state;
    state.CurrentSet = 1;
    state.SunOn = true;
    state.ArrowsOn = true;
    TTimeScales time;
    SetPreviewDayCount(time, 16843.5);
    SnapshotHooks hooks;
    hooks.Active = 3;
    TSnapshotHooks extra;
    extra.DrawDateTime = [&](const TDateTimeTexts& t) { hooks.Calls.push_back("clock " + t.Time.toStdString()); };
    extra.ComputeSunAtCursor = [&] { hooks.Calls.push_back("sun at cursor"); };
    ShowSnapshot(state, time, hooks.Parts(), extra);
    const auto count = [&](const std::string& call) {
        return std::count(hooks.Calls.begin(), hooks.Calls.end(), call);
    };
    // Every step once; nothing for the data server, the radio or the rotor.
    for (const char* call :
         {"select 3", "clock 12:00:00 U", "look", "subpoint", "doppler", "build text", "draw text", "sun at cursor",
          "map", "illumination", "squint", "data line", "arrow", "sun overlay", "others"})
        EXPECT_EQ(count(call), 1) << call;
    for (const char* call : {"SERVER", "CAT", "ROTOR", "blank", "sun now"}) EXPECT_EQ(count(call), 0) << call;
    // The order that matters: each step after the ones whose results it uses, the
    // overlays on the composed map.
    const auto at = [&](const std::string& call) {
        return std::find(hooks.Calls.begin(), hooks.Calls.end(), call) - hooks.Calls.begin();
    };
    const std::pair<const char*, const char*> before[] = {{"select 3", "look"},
                                                          {"look", "subpoint"},
                                                          {"look", "doppler"},
                                                          {"doppler", "build text"},
                                                          {"build text", "draw text"},
                                                          {"subpoint", "map"},
                                                          {"sun at cursor", "illumination"},
                                                          {"sun at cursor", "sun overlay"},
                                                          {"look", "squint"},
                                                          {"squint", "data line"},
                                                          {"map", "arrow"},
                                                          {"map", "sun overlay"},
                                                          {"map", "others"}};
    for (const auto& [first, then] : before) EXPECT_LT(at(first), at(then)) << first << " before " << then;
    EXPECT_EQ(state.CurrentSet, 3);
    EXPECT_NEAR(time.JulianDate, 16843.5 + 2443509.5, 1e-9);

    // Standing still: the Doppler line keeps its text; without a frequency entry
    // there is none to build.
    hooks.Calls.clear();
    hooks.Rate = 0;
    state.SunOn = state.ArrowsOn = false;
    ShowSnapshot(state, time, hooks.Parts(), extra);
    EXPECT_EQ(std::count(hooks.Calls.begin(), hooks.Calls.end(), "draw text"), 0);
    EXPECT_EQ(std::count(hooks.Calls.begin(), hooks.Calls.end(), "sun at cursor"), 0);
    hooks.FrequencyEntry = false;
    ShowSnapshot(state, time, hooks.Parts(), extra);
    EXPECT_EQ(std::count(hooks.Calls.begin(), hooks.Calls.end(), "build text"), 1);
}
