#include "Clock.h"
#include "QuietParts.h"
#include "TrackingCycle.h"

#include <QDateTime>
#include <gtest/gtest.h>
#include <map>

using namespace kelvora;
using kelvora::test::QuietParts;

namespace {
// Satellites whose elevations the test sets; records what the cycle asked for.
struct RecordingHooks : QuietParts {
    std::map<int, double> Elevation;
    std::map<int, bool> NotComputable;  // sets the model cannot give a position above ground for
    int Current = 0;
    bool FrequencyEntry = false;
    std::vector<std::string> Calls;
    std::map<int, TLetterColour> Painted;

    void SelectSatellite(int set) override { Current = set; }
    double PropagateAndLook(double, double) override { return Elevation[Current]; }
    bool Computable() override { return !NotComputable[Current]; }
    void UpdateDoppler() override { Calls.push_back("doppler"); }
    void CycleUpdate() override { Calls.push_back("cat"); }
    double DownlinkShift() override { return 1.5; }
    void MapPointAndComposeMap() override { Calls.push_back("map"); }
    void DrawOtherSatellites() override { Calls.push_back("show"); }
    bool HasFrequencyEntry() override { return FrequencyEntry; }
    void BlankDopplerText() override { Calls.push_back("blank"); }
    void SetDataServerItem() override { Calls.push_back("server"); }
    void PaintLetter(int letter, TLetterColour colour) override { Painted[letter] = colour; }
    void Beep() override { Calls.push_back("beep"); }
    void AdoptNewActiveSatellite(int) override { Calls.push_back("adopt"); }

    int Count(const std::string& name) const { return static_cast<int>(std::count(Calls.begin(), Calls.end(), name)); }
};

struct CycleFixture : ::testing::Test {
    TTrackingState state;
    TTimeScales time;
    RecordingHooks hooks;
    TrackingCycle cycle{state, time, hooks.Parts()};
    double localTime = DateTimeToDays(QDateTime(QDate(2024, 2, 12), QTime(14, 30, 5)));

    void Tick() {
        cycle.Tick(localTime);
        localTime += 1.0 / 86400.0;
    }
};
}  // namespace

TEST_F(CycleFixture, ClockTextsInUtcAndLocalMode) {
    struct Case {
        const char* letter;
        const char* date;
        const char* time;
        double offset;
        double correction;
    };
    const Case cases[] = {{"U", "12.02.2024", "12:30:05 U", 0.0, 2.0 / 24},
                          {"L", "12.02.2024", "14:30:05 L", 2.0 / 24, 0.0}};
    for (const Case& c : cases) {
        time.ZoneHours = 2;
        time.TimeScaleLetter = c.letter;
        time.ApplyTimeScale();
        EXPECT_DOUBLE_EQ(time.ClockOffset, c.offset);
        EXPECT_DOUBLE_EQ(time.ClockCorrection, c.correction);
        const TDateTimeTexts texts = cycle.Tick(localTime);
        EXPECT_EQ(texts.Date, c.date);
        EXPECT_EQ(texts.Time, c.time);
        // The instant handed to the orbit code is the same in both modes.
        EXPECT_NEAR(time.JulianDate - time.ClockOffset, 2460352.5 + 12.5 / 24 + 5.0 / 86400, 1e-8);
        EXPECT_NEAR(time.DayCount, time.JulianDate - 2443509.5, 1e-9);
    }
}

TEST_F(CycleFixture, MapRedrawnEveryIntervalPlusOneCycles) {
    hooks.Selected = {1};
    hooks.Active = 1;
    state.MapInterval = 5;
    ASSERT_TRUE(cycle.StartTracking(3));
    std::vector<int> redrawn;
    for (int c = 1; c <= 14; ++c) {
        const int before = hooks.Count("map");
        Tick();
        if (hooks.Count("map") > before) redrawn.push_back(c);
    }
    EXPECT_EQ(redrawn, (std::vector<int>{1, 7, 13}));
    EXPECT_EQ(hooks.Count("show"), 3);
}

TEST_F(CycleFixture, IntervalZeroOrBelowShowsTheMapEveryCycle) {
    for (int interval : {0, -3}) {
        TTrackingState s;
        RecordingHooks h;
        TrackingCycle c(s, time, h.Parts());
        h.Selected = {1};
        h.Active = 1;
        s.MapInterval = interval;
        c.StartTracking(1);
        for (int k = 0; k < 4; ++k) c.Tick(localTime);
        EXPECT_EQ(h.Count("map"), 4) << interval;
        EXPECT_EQ(h.Count("show"), 4) << interval;  // the view follows every recomposition
    }
}

TEST_F(CycleFixture, FrequencyOutputStartsOnTheSecondTickAfterAReset) {
    hooks.Selected = {2};
    hooks.Active = 2;
    hooks.FrequencyEntry = true;
    cycle.StartTracking(2);
    Tick();
    EXPECT_EQ(hooks.Count("blank"), 1);
    EXPECT_EQ(hooks.Count("server"), 0);
    Tick();
    EXPECT_EQ(hooks.Count("server"), 1);
    state.ResetWarmUp();  // as an automatic change does
    Tick();
    EXPECT_EQ(hooks.Count("server"), 1);
    Tick();
    EXPECT_EQ(hooks.Count("server"), 2);
}

TEST_F(CycleFixture, LettersRepaintedOnlyWhenASatelliteRisesOrSets) {
    hooks.Selected = {1, 2};
    hooks.Active = 1;
    hooks.Elevation = {{1, -10}, {2, -5}};
    cycle.StartTracking(2);
    Tick();  // LastElevation starts at -96: nothing rose, only the free letters are painted
    EXPECT_EQ(hooks.Painted.count(0), 0u);
    EXPECT_EQ(hooks.Painted.count(1), 0u);
    EXPECT_EQ(hooks.Painted.at(2), TLetterColour::Silver);
    hooks.Painted.clear();
    hooks.Elevation[2] = 0.5;  // B rises
    Tick();
    EXPECT_EQ(hooks.Painted.count(0), 0u);
    EXPECT_EQ(hooks.Painted.at(1), TLetterColour::White);
    hooks.Painted.clear();
    state.ForceLetterColours = true;
    Tick();
    EXPECT_EQ(hooks.Painted.at(0), TLetterColour::Silver);
    EXPECT_EQ(hooks.Painted.at(1), TLetterColour::White);
    EXPECT_FALSE(state.ForceLetterColours);
    EXPECT_DOUBLE_EQ(state.LastElevation[2], 0.5);
}

TEST_F(CycleFixture, SatelliteThatCannotBeComputedCountsAsFarBelowAndFeedsNoRadio) {
    // Set 1 (active) and set 2 report high elevations from positions the model
    // could not give; set 3 is fine.
    hooks.Selected = {1, 2, 3};
    hooks.Active = 1;
    state.CatOn = true;
    state.AutoChange = true;
    state.MinElevation = -5;
    hooks.Candidates = {2, 1};
    hooks.FrequencyEntry = true;
    hooks.Elevation = {{1, 30}, {2, 40}, {3, 10}};
    hooks.NotComputable = {{1, true}, {2, true}};
    cycle.StartTracking(3);
    state.ForceLetterColours = true;
    Tick();
    Tick();  // past the warm-up: a computable satellite would now reach the radio
    EXPECT_FALSE(state.ActiveComputable);
    EXPECT_EQ(hooks.Painted.at(0), TLetterColour::Silver);
    EXPECT_EQ(hooks.Painted.at(1), TLetterColour::Silver);
    EXPECT_EQ(hooks.Painted.at(2), TLetterColour::White);
    EXPECT_DOUBLE_EQ(state.LastElevation[1], NotComputableElevation);
    EXPECT_DOUBLE_EQ(state.LastElevation[2], NotComputableElevation);
    EXPECT_EQ(hooks.Count("doppler"), 0);
    EXPECT_EQ(hooks.Count("server"), 0);
    EXPECT_EQ(hooks.Count("cat"), 0);
    EXPECT_EQ(hooks.Count("blank"), 2);  // no stale Doppler text stays up
    EXPECT_EQ(hooks.Count("adopt"), 0);  // the priority change does not pick set 2

    hooks.NotComputable[1] = false;  // computable again: the radio work resumes
    Tick();
    EXPECT_TRUE(state.ActiveComputable);
    EXPECT_EQ(hooks.Count("doppler"), 1);
    EXPECT_EQ(hooks.Count("cat"), 1);
}

TEST_F(CycleFixture, AfterLosSetWhenTheActiveSatelliteSets) {
    hooks.Selected = {1};
    hooks.Active = 1;
    state.MinElevation = -5;
    cycle.StartTracking(1);
    const std::pair<double, char> steps[] = {{10, '-'}, {-1, '+'}, {-3, '+'}, {-6, '+'}, {-7, '-'}};
    for (const auto& [elevation, afterLos] : steps) {
        hooks.Elevation[1] = elevation;
        Tick();
        EXPECT_EQ(state.AfterLos, afterLos) << elevation;
    }
}

TEST_F(CycleFixture, AutomaticChangePrefersTheHigherRankedSatelliteThatRises) {
    // Candidates P1 (set 1) and P2 (set 2) in priority order; P2 is active and up.
    hooks.Selected = {1, 2};
    hooks.Active = 2;
    state.AutoChange = true;
    hooks.Candidates = {1, 2};
    hooks.Elevation = {{1, -3}, {2, 20}};
    cycle.StartTracking(2);
    Tick();
    Tick();
    EXPECT_EQ(hooks.Count("adopt"), 0);
    EXPECT_TRUE(state.WarmUp2);
    hooks.Elevation[1] = 0.2;  // P1 rises
    Tick();
    EXPECT_EQ(hooks.Count("beep"), 1);
    EXPECT_EQ(hooks.Count("adopt"), 1);
    EXPECT_EQ(state.CurrentSet, 1);
    EXPECT_FALSE(state.WarmUp1 || state.WarmUp2);
}

TEST_F(CycleFixture, AutomaticChangeIsAdoptedOnceEvenWhenTheCandidatesGoAway) {
    hooks.Selected = {1, 2};
    hooks.Active = 2;
    state.AutoChange = true;
    hooks.Candidates = {1, 2};
    hooks.Elevation = {{1, 10}, {2, 20}};
    cycle.StartTracking(2);
    Tick();
    ASSERT_EQ(hooks.Count("adopt"), 1);
    hooks.Candidates.clear();  // e.g. a new priority list without these satellites
    for (int k = 0; k < 5; ++k) Tick();
    EXPECT_EQ(hooks.Count("adopt"), 1);
    EXPECT_EQ(hooks.Count("beep"), 1);
}

TEST_F(CycleFixture, AutomaticChangeToASatelliteRisingSoon) {
    struct Case {
        double minutesToRise;
        bool changes;
    };
    for (const Case c : {Case{10, true}, Case{20, false}, Case{-1, true}}) {
        TTrackingState s;
        RecordingHooks h;
        TrackingCycle cyc(s, time, h.Parts());
        h.Selected = {1, 2};
        h.Active = 1;
        s.AutoChange = true;
        s.MinElevation = -5;
        h.Candidates = {2, 1};
        h.Elevation = {{1, -30}, {2, -2}};  // nobody up; set 2 above the minimum
        cyc.StartTracking(2);
        s.NextAos[2] = (localTime - QDate(1899, 12, 30).daysTo(QDate(1978, 1, 1))) +
                       c.minutesToRise / 1440.0;  // UTC clock: day count (from 1978-01-01) of the tick
        cyc.Tick(localTime);
        EXPECT_EQ(h.Count("adopt") > 0, c.changes) << c.minutesToRise;
    }
}

TEST_F(CycleFixture, NoChangeWhileTheActiveSatelliteLeadsOrTheSwitchIsOff) {
    hooks.Selected = {1, 2};
    hooks.Active = 1;
    hooks.Candidates = {1, 2};
    hooks.Elevation = {{1, 5}, {2, 50}};
    cycle.StartTracking(2);
    Tick();
    EXPECT_EQ(hooks.Count("adopt"), 0);  // switch off
    state.AutoChange = true;
    Tick();
    EXPECT_EQ(hooks.Count("adopt"), 0);  // the active one is first and up
    EXPECT_EQ(state.CurrentSet, 1);
}

TEST(TrackingCycleStart, TimerRunsOnlyInRealTime) {
    TTrackingState state;
    TTimeScales time;
    QuietParts hooks;
    TrackingCycle cycle(state, time, hooks.Parts());
    state.WarmUp1 = state.WarmUp2 = true;
    state.AfterLos = '+';
    EXPECT_TRUE(cycle.StartTracking(4));
    EXPECT_EQ(state.LastElevation.size(), 5u);
    EXPECT_DOUBLE_EQ(state.LastElevation[4], -96);
    EXPECT_FALSE(state.WarmUp1 || state.WarmUp2);
    EXPECT_EQ(state.AfterLos, '-');
    state.TimeMode = TTimeMode::Preview;
    EXPECT_FALSE(cycle.StartTracking(4));
}
