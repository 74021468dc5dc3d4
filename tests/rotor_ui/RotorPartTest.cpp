// The rotor part without its windows: the start-up files, the tick's decisions as
// they reach the server links, park, the flip decision from the predicted pass,
// the second instance, and what never leaves (values that are not numbers or lie
// outside the rotor's ranges).
#include <gtest/gtest.h>

#include <QDir>
#include <limits>

#include "ConfigFile.h"
#include "RotorPartTestSupport.h"

namespace kelvora {
namespace {

using test::kDay0;
using test::kSecond;
using test::Moving;
using test::RotorStation;
using Positions = std::vector<std::pair<double, double>>;

struct CycleCase {
    const char* Name;
    QByteArray WiRotOpt;
    double Azimuth, Elevation, AzimuthPerSecond;
    bool RotorOn;
    double MinElevation;
    double NextAosMinutes;  // from kDay0
    std::vector<int> SendTicks;  // of ticks 0..24
    std::pair<double, double> First;  // the first position sent
};

class RotorCycleCases : public ::testing::TestWithParam<CycleCase> {};

TEST_P(RotorCycleCases, SendsInTheTicksItsModeGives) {
    const CycleCase& c = GetParam();
    RotorStation s;
    s.Write("WiRotOpt.SQF", c.WiRotOpt);
    s.State.Station.MinElevation = c.MinElevation;
    s.State.Tracking.SizeForCatalog(2);
    s.State.Tracking.NextAos[1] = kDay0 + c.NextAosMinutes * 60.0 * kSecond;
    s.Satellite.Look = Moving(c.Azimuth, c.Elevation, c.AzimuthPerSecond);
    TRotorPart part({s.State, s.Prompt, s.Satellite, s.Links});
    s.ReadFiles(part);
    part.RotorToggleApplied(c.RotorOn);

    std::vector<int> sent;
    for (int tick = 0; tick < 25; ++tick) {
        const size_t before = s.Links.Positions.size();
        s.Tick(part, tick);
        if (s.Links.Positions.size() > before) sent.push_back(tick);
    }
    EXPECT_EQ(sent, c.SendTicks);
    if (!s.Links.Positions.empty()) {
        EXPECT_NEAR(s.Links.Positions.front().first, c.First.first, 1e-6);
        EXPECT_NEAR(s.Links.Positions.front().second, c.First.second, 1e-6);
    }
}

INSTANTIATE_TEST_SUITE_P(
    RotorPart, RotorCycleCases,
    ::testing::Values(
        // Once per interval, in its first cycle, aimed at its middle.
        CycleCase{"interval_10s", "i\r\n10\r\n5\r\nk\r\n", 100, 30, 1, true, 0, 0, {0, 11, 22}, {105, 30}},
        CycleCase{"threshold_rule_k", "w\r\n10\r\n5\r\nk\r\n", 100, 30, 1, true, 0, 0, {0, 6, 12, 18, 24}, {100, 30}},
        // At 60 degrees elevation the azimuth threshold is 5 / cos 60 = 10.
        CycleCase{
            "threshold_by_elevation", "w\r\n10\r\n5\r\nx\r\n", 100, 60, 1.5, true, 0, 0, {0, 7, 14, 21}, {100, 60}},
        CycleCase{"rotor_off", "w\r\n10\r\n5\r\nk\r\n", 100, 30, 1, false, 0, 0, {}, {}},
        CycleCase{"below_min_elevation", "i\r\n10\r\n5\r\nk\r\n", 100, -10, 0, true, 0, 0, {}, {}},
        // Below the horizon but above a negative minimum: only with AOS at most 15 min away.
        CycleCase{"before_aos_10min", "i\r\n10\r\n5\r\nk\r\n", 100, -3, 0, true, -5, 10, {0, 11, 22}, {100, 0}},
        CycleCase{"before_aos_20min", "i\r\n10\r\n5\r\nk\r\n", 100, -3, 0, true, -5, 20, {}, {}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(RotorPart, ParksOnceAfterThePass) {
    for (const char* mode : {"w", "i"}) {
        RotorStation s;
        s.Write("WiRotOpt.SQF", QByteArray(mode) + "\r\n2\r\n5\r\nk\r\n");
        s.Write("Park.SQF", "+\r\n");
        s.Satellite.Look = Moving(200, 10, 0, -1);  // sets 10 s after kDay0
        TRotorPart part({s.State, s.Prompt, s.Satellite, s.Links});
        s.ReadFiles(part);
        part.RotorToggleApplied(true);
        for (int tick = 0; tick < 30; ++tick) s.Tick(part, tick);
        ASSERT_FALSE(s.Links.Positions.empty()) << mode;
        EXPECT_EQ(s.Links.Positions.back(), std::make_pair(180.0, 0.0)) << mode;  // the kit's park position
        EXPECT_EQ(std::count(s.Links.Positions.begin(), s.Links.Positions.end(), std::make_pair(180.0, 0.0)), 1)
            << mode;
    }
}

TEST(RotorPart, SecondInstanceSendsNothingAndLeavesTheServers) {
    RotorStation s(true);
    s.State.UseRotorServer = s.State.UseRadioServer = true;
    s.Write("WiRotOpt.SQF", "w\r\n10\r\n5\r\nk\r\n");
    s.Write("Park.SQF", "+\r\n");
    s.Satellite.Look = Moving(100, 30, 1);
    TRotorPart part({s.State, s.Prompt, s.Satellite, s.Links});
    s.ReadFiles(part);
    part.RotorToggleApplied(true);
    for (int tick = 0; tick < 10; ++tick) s.Tick(part, tick);
    part.ExecuteManual("123", "45");
    part.StandardDirection(1);
    part.ParkClick(true);
    part.CorrectAzimuth(1);
    part.ShutDownRotor();
    EXPECT_TRUE(s.Links.Positions.empty());
    EXPECT_FALSE(s.State.UseRotorServer);
    EXPECT_FALSE(s.State.UseRadioServer);
    EXPECT_EQ(s.Links.Stopped, 1);
}

TEST(RotorPart, NothingThatIsNotANumberLeaves) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const char* mode : {"w", "i"}) {
        RotorStation s;
        s.Write("WiRotOpt.SQF", QByteArray(mode) + "\r\n2\r\n5\r\nk\r\n");
        TRotorPart part({s.State, s.Prompt, s.Satellite, s.Links});
        s.ReadFiles(part);
        part.RotorToggleApplied(true);
        int tick = 0;
        s.Satellite.Look = [&](int, double) { return std::optional<TSatelliteLook>({nan, 30, 0, 0}); };
        for (; tick < 5; ++tick) s.Tick(part, tick);
        s.Satellite.Look = [&](int, double) { return std::optional<TSatelliteLook>({100, nan, 0, 0}); };
        for (; tick < 10; ++tick) s.Tick(part, tick);
        s.Satellite.Look = [](int, double) { return std::optional<TSatelliteLook>(); };  // not computable
        for (; tick < 15; ++tick) s.Tick(part, tick);
        EXPECT_TRUE(s.Links.Positions.empty()) << mode;
        part.CorrectAzimuth(1);  // with the target a cycle may have left
        for (const auto& [az, el] : s.Links.Positions) EXPECT_TRUE(std::isfinite(az) && std::isfinite(el)) << mode;
    }
}

struct RangeCase {
    const char* Name;
    int AzimuthOffset, ElevationOffset;
    double Azimuth, Elevation;
    int AzimuthClicks, ElevationClicks;
    std::pair<double, double> Last;
};

class RotorRangeCases : public ::testing::TestWithParam<RangeCase> {};

// Offsets and corrections never push a position out of the rotor's ranges.
TEST_P(RotorRangeCases, PositionsStayWithinTheRanges) {
    const RangeCase& c = GetParam();
    RotorStation s;
    s.Write("WiRotOpt.SQF", "w\r\n10\r\n5\r\nk\r\n");
    s.State.Station.RotorValueA = c.AzimuthOffset;
    s.State.Station.RotorValueB = c.ElevationOffset;
    s.Satellite.Look = Moving(c.Azimuth, c.Elevation);
    TRotorPart part({s.State, s.Prompt, s.Satellite, s.Links});
    s.ReadFiles(part);
    part.RotorToggleApplied(true);
    s.Tick(part, 0);
    for (int i = 0; i < std::abs(c.AzimuthClicks); ++i) part.CorrectAzimuth(c.AzimuthClicks > 0 ? 1 : -1);
    for (int i = 0; i < std::abs(c.ElevationClicks); ++i) part.CorrectElevation(c.ElevationClicks > 0 ? 1 : -1);
    ASSERT_FALSE(s.Links.Positions.empty());
    for (const auto& [az, el] : s.Links.Positions) {
        EXPECT_GE(az, 0.0);
        EXPECT_LE(az, 360.0);
        EXPECT_GE(el, 0.0);
        EXPECT_LE(el, 90.0);
    }
    EXPECT_NEAR(s.Links.Positions.back().first, c.Last.first, 1e-9);
    EXPECT_NEAR(s.Links.Positions.back().second, c.Last.second, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(RotorPart, RotorRangeCases,
                         ::testing::Values(RangeCase{"offset_past_north", 10, 0, 355, 10, 0, 0, {5, 10}},
                                           RangeCase{"offset_below_horizon", 0, -20, 100, 10, 0, 0, {100, 0}},
                                           RangeCase{"correction_past_zenith", 0, 0, 100, 88, 0, 5, {100, 90}},
                                           RangeCase{"correction_below_north", 0, 0, 0.5, 20, -2, 0, {358.5, 20}},
                                           RangeCase{"offset_and_correction", 350, 5, 200, 86, 30, 1, {220, 90}}),
                         [](const auto& info) { return std::string(info.param.Name); });

struct FlipCase {
    const char* Name;
    QByteArray Flip;
    char EndStop;
    double SubLatitude;
    bool FlipOn, Extend450On;
    std::pair<double, double> Sent;  // the satellite at azimuth 30, elevation 70
};

class RotorFlipCases : public ::testing::TestWithParam<FlipCase> {};

// The end stop's side is decided in one place: an 'S' forbids only the 450-degree
// range; a south-stop rotor still flies a north-south pass over the top.
TEST_P(RotorFlipCases, EndStopSideAndThePredictedPass) {
    const FlipCase& c = GetParam();
    RotorStation s;
    s.Write("WiRotOpt.SQF", "w\r\n10\r\n5\r\nk\r\n");
    s.Write("Flip.SQF", c.Flip);
    s.State.Station.FlipSide = c.EndStop;
    s.Satellite.Look = [&](int, double) { return std::optional<TSatelliteLook>({30, 70, c.SubLatitude, 10}); };
    s.Satellite.Pass = TPredictedPass{kDay0, 10, 200};
    TRotorPart part({s.State, s.Prompt, s.Satellite, s.Links});
    s.ReadFiles(part);
    part.RotorToggleApplied(true);
    s.Tick(part, 0);
    EXPECT_EQ(part.Settings().FlipOn(), c.FlipOn);
    EXPECT_EQ(part.Settings().Extend450On(), c.Extend450On);
    ASSERT_EQ(s.Links.Positions.size(), 1u);
    EXPECT_EQ(s.Links.Positions[0], c.Sent);
}

INSTANTIATE_TEST_SUITE_P(
    RotorPart, RotorFlipCases,
    ::testing::Values(FlipCase{"north_stop_pass_north", "+\r\n-\r\n", 'N', 60, true, false, {210, 110}},
                      FlipCase{"north_stop_pass_south", "+\r\n-\r\n", 'N', 30, true, false, {30, 70}},
                      FlipCase{"south_stop_keeps_flip", "+\r\n-\r\n", 'S', 30, true, false, {210, 110}},
                      FlipCase{"south_stop_pass_north", "+\r\n-\r\n", 'S', 60, true, false, {30, 70}},
                      FlipCase{"south_stop_no_450", "-\r\n+\r\n", 'S', 30, false, false, {30, 70}},
                      FlipCase{"no_options", "-\r\n-\r\n", 'N', 60, false, false, {30, 70}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(RotorPart, ANewSatelliteStartsWithoutTheFlip) {
    RotorStation s;
    s.Write("WiRotOpt.SQF", "w\r\n10\r\n5\r\nk\r\n");
    s.Write("Flip.SQF", "+\r\n-\r\n");
    s.Satellite.Look = [](int set, double dayCount) {
        // Set 1 at 30/70, set 2 moving: every tick a move.
        const double step = (dayCount - kDay0) / kSecond * 10.0;
        return std::optional<TSatelliteLook>({set == 1 ? 30 : 40 + step, 70, 60, 10});
    };
    s.Satellite.Pass = TPredictedPass{kDay0, 10, 200};
    test::RecordingRotorWindow window;
    TRotorPart part({s.State, s.Prompt, s.Satellite, s.Links});
    part.AttachWindow(window, nullptr);
    s.ReadFiles(part);
    part.RotorToggleApplied(true);
    s.Tick(part, 0);
    EXPECT_EQ(s.Links.Positions.back(), std::make_pair(210.0, 110.0));
    EXPECT_EQ(window.Log.join(','), "yellow");

    // The operator picks a satellite whose pass has not been predicted yet.
    s.Satellite.Active = 2;
    s.Satellite.Pass.reset();
    part.ActiveSatelliteChanged(TSatelliteChange::LetterClick);
    s.Tick(part, 1);
    EXPECT_NEAR(s.Links.Positions.back().first, 50.0, 1e-4);
    EXPECT_EQ(s.Links.Positions.back().second, 70.0);
    EXPECT_EQ(window.Log.join(','), "yellow,normal");

    // Its pass is predicted: decided at the next cycle.
    s.Satellite.Pass = TPredictedPass{kDay0, 350, 170};
    s.Tick(part, 2);
    EXPECT_NEAR(s.Links.Positions.back().first, 242.5, 1e-4);  // 60 + 2.5, over the top
    EXPECT_EQ(s.Links.Positions.back().second, 110.0);
    EXPECT_EQ(window.Log.join(','), "yellow,normal,yellow");
}

TEST(RotorPart, StartUpFilesStopTheirStep) {
    {
        RotorStation s;
        s.Data.Remove("WiRotOpt.SQF");
        TRotorPart part({s.State, s.Prompt, s.Satellite, s.Links});
        part.ReadRotorFiles();
        EXPECT_THROW(part.ReadRotorOptions(), ConfigError);
    }
    {
        RotorStation s;
        s.Write("ParkPos.SQF", "18O\r\n0\r\n");
        TRotorPart part({s.State, s.Prompt, s.Satellite, s.Links});
        try {
            part.ReadRotorFiles();
            FAIL() << "no error";
        } catch (const ConfigError& error) {
            EXPECT_EQ(error.FileName(), "ParkPos.SQF");
            EXPECT_TRUE(QString(error.what()).contains("18O")) << error.what();
        }
    }
    RotorStation s;
    TRotorPart part({s.State, s.Prompt, s.Satellite, s.Links});
    s.ReadFiles(part);
    part.StartServers();
    EXPECT_EQ(s.Links.FilesRead, 1);
    EXPECT_EQ(s.Links.Started, 1);
    ASSERT_EQ(part.Settings().StandardDirections.size(), 4u);
    EXPECT_EQ(part.Settings().StandardDirections[1].Name, "East");
}

TEST(RotorPart, ParkButtonWritesBothFilesOrNeither) {
    RotorStation s;
    TRotorPart part({s.State, s.Prompt, s.Satellite, s.Links});
    s.ReadFiles(part);
    EXPECT_FALSE(part.ParkAzimuthChanged("200"));
    EXPECT_FALSE(part.ParkElevationChanged("10"));
    part.ParkClick(true);
    EXPECT_EQ(s.Links.Positions.back(), std::make_pair(200.0, 10.0));
    EXPECT_EQ(s.Data.Lines("ParkPos.SQF"), QStringList({"200", "10"}));
    EXPECT_EQ(s.Data.Read("Park.SQF"), "-\r\n");

    // ParkPos.SQF cannot be replaced: Park.SQF stays as it was too.
    s.Write("Park.SQF", "-\r\nkept\r\n");
    s.Data.Remove("ParkPos.SQF");
    ASSERT_TRUE(QDir(s.Data.Folder()).mkdir("ParkPos.SQF"));
    part.ParkAzimuthChanged("90");
    part.ParkClick(true);
    EXPECT_EQ(s.Data.Read("Park.SQF"), "-\r\nkept\r\n");
    ASSERT_EQ(s.Prompt.Messages.size(), 1);
    EXPECT_TRUE(s.Prompt.Messages[0].startsWith("The park position was not stored"));
}

TEST(RotorPart, ShutDownParksATrackingRotorAndStopsTheServers) {
    for (bool rotorOn : {true, false}) {
        RotorStation s;
        s.Write("WiRotOpt.SQF", "w\r\n10\r\n5\r\nk\r\n");
        s.Write("Park.SQF", "+\r\n");
        s.Satellite.Look = Moving(100, 30);
        TRotorPart part({s.State, s.Prompt, s.Satellite, s.Links});
        s.ReadFiles(part);
        part.RotorToggleApplied(true);
        s.Tick(part, 0);
        if (!rotorOn) part.RotorOnOff();
        part.ShutDownRotor();
        EXPECT_EQ(s.Links.Positions.back(), rotorOn ? std::make_pair(180.0, 0.0) : std::make_pair(100.0, 30.0));
        EXPECT_EQ(s.Links.Stopped, 1);
    }
}

TEST(RotorPart, TheSwitchFollowsTheRotor) {
    RotorStation s;
    test::RecordingRotorWindow window;
    TRotorPart part({s.State, s.Prompt, s.Satellite, s.Links});
    part.AttachWindow(window, nullptr);
    s.ReadFiles(part);
    part.RotorOnOff();
    EXPECT_TRUE(s.State.Tracking.RotorOn);
    part.ExecuteManual("10", "20");  // a manual position switches the rotor control off
    EXPECT_FALSE(s.State.Tracking.RotorOn);
    EXPECT_EQ(window.Log.join(','), "R+,R-");
    EXPECT_EQ(s.Links.Positions.back(), std::make_pair(10.0, 20.0));
}

TEST(RotorPart, NoMovesOutsideRealTime) {
    RotorStation s;
    s.Write("WiRotOpt.SQF", "w\r\n10\r\n5\r\nk\r\n");
    s.Satellite.Look = Moving(100, 30, 1);
    TRotorPart part({s.State, s.Prompt, s.Satellite, s.Links});
    s.ReadFiles(part);
    part.RotorToggleApplied(true);
    s.State.Tracking.TimeMode = TTimeMode::Preview;
    for (int tick = 0; tick < 10; ++tick) s.Tick(part, tick);
    EXPECT_TRUE(s.Links.Positions.empty());
}

}  // namespace
}  // namespace kelvora
