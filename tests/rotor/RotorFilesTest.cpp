// The rotor files read from bytes, and what the Park button writes.
#include <gtest/gtest.h>

#include <string>

#include "RotorSettings.h"

namespace kelvora {
namespace {

using namespace std::string_literals;

struct TWiRotOptCase {
    std::string bytes;
    bool ok;
    char mode;
    double interval, step;
    std::string rule;
};

class WiRotOpt : public ::testing::TestWithParam<TWiRotOptCase> {};

TEST_P(WiRotOpt, ReadsFourLines) {
    const TWiRotOptCase c = GetParam();
    TRotorSettings settings;
    settings.RotorMode = 'x';
    std::string error;
    ASSERT_EQ(ReadWiRotOpt(c.bytes, settings, &error), c.ok) << error;
    if (!c.ok) {
        EXPECT_NE(error.find("WiRotOpt.SQF, line 2"), std::string::npos) << error;
        EXPECT_EQ(settings.RotorMode, 'x');  // untouched
        return;
    }
    EXPECT_EQ(settings.RotorMode, c.mode);
    EXPECT_DOUBLE_EQ(settings.IntervalSeconds, c.interval);
    EXPECT_DOUBLE_EQ(settings.StepDegrees, c.step);
    EXPECT_EQ(settings.AzimuthStepRule, c.rule);
}

INSTANTIATE_TEST_SUITE_P(Cases, WiRotOpt,
                         ::testing::Values(TWiRotOptCase{"w\r\n10\r\n5\r\nk\r\n", true, 'w', 10, 5, "k"},
                                           TWiRotOptCase{"i\n12.5\n2.5\nel\n", true, 'i', 12.5, 2.5, "el"},
                                           TWiRotOptCase{"w\r\n 10 seconds\r\n5\r\nk", true, 'w', 10, 5, "k"},
                                           // a number skips empty lines, so the rule moves up
                                           TWiRotOptCase{"w\r\n\r\n10\r\n5\r\nk\r\n", true, 'w', 10, 5, "k"},
                                           TWiRotOptCase{"w\r\n", true, 'w', 0, 0, ""},  // past the end: 0 and empty
                                           TWiRotOptCase{"", true, 26, 0, 0, ""},
                                           TWiRotOptCase{"\r\n10\r\n5\r\nk\r\n", true, '\r', 10, 5, "k"},
                                           TWiRotOptCase{"w\r\nten\r\n5\r\nk\r\n", false, 0, 0, 0, ""},
                                           TWiRotOptCase{"w\r\n2,5\r\n5\r\nk\r\n", false, 0, 0, 0, ""},
                                           TWiRotOptCase{"w\r\nnan\r\n5\r\nk\r\n", false, 0, 0, 0, ""},
                                           TWiRotOptCase{"w\r\n1e999\r\n5\r\nk\r\n", false, 0, 0, 0, ""}));

struct TFlipCase {
    std::string bytes;
    char endStop;
    bool flip, extend;
};

class FlipFile : public ::testing::TestWithParam<TFlipCase> {};

TEST_P(FlipFile, ReadsTheTwoOptionsAndKeeps450ApartFromFlipAndSouthStop) {
    const TFlipCase c = GetParam();
    TRotorSettings settings;
    ReadFlipFile(c.bytes, settings);  // read before the station settings, as at start-up
    ApplyStationRotorSettings(settings, c.endStop, 0, 0, 0);
    EXPECT_EQ(settings.FlipOn(), c.flip);
    EXPECT_EQ(settings.Extend450On(), c.extend);
    EXPECT_DOUBLE_EQ(settings.AzimuthRange(), c.extend ? 450 : 360);
    EXPECT_DOUBLE_EQ(settings.ElevationRange(), c.flip ? 180 : 90);
}

INSTANTIATE_TEST_SUITE_P(Cases, FlipFile,
                         ::testing::Values(TFlipCase{"+\r\n+\r\n", 'N', true, false},
                                           TFlipCase{"-\r\n+\r\n", 'N', false, true},
                                           TFlipCase{"-\n+\n", 'S', false, false},
                                           TFlipCase{"+\r\n-\r\n", 'S', true, false}, TFlipCase{"+", 'N', true, false},
                                           TFlipCase{"\r\n+\r\n", 'N', false, true}, TFlipCase{"", 'N', false, false}));

TEST(ParkFiles, ReadTheSwitchAndThePosition) {
    TRotorSettings settings;
    ReadParkFile("+\r\n", settings);
    EXPECT_TRUE(settings.ParkOn());
    ReadParkFile("", settings);
    EXPECT_FALSE(settings.ParkOn());

    struct {
        std::string bytes;
        bool ok;
        int azimuth, elevation;
    } cases[] = {{"180\r\n10\r\n", true, 180, 10},
                 {"270", true, 270, 0},
                 {" -5 \n 95\n", true, -5, 95},  // the range is the transform's business
                 {"", true, 0, 0},
                 {"x\r\n10\r\n", false, 0, 0},
                 {"12.5\r\n10\r\n", false, 0, 0},
                 {"99999999999\r\n", false, 0, 0}};
    for (const auto& c : cases) {
        TRotorSettings park;
        park.ParkAzimuth = 1;
        std::string error;
        EXPECT_EQ(ReadParkPosFile(c.bytes, park, &error), c.ok) << c.bytes;
        EXPECT_EQ(park.ParkAzimuth, c.ok ? c.azimuth : 1) << c.bytes;
        if (c.ok) {
            EXPECT_EQ(park.ParkElevation, c.elevation) << c.bytes;
        } else {
            EXPECT_NE(error.find("ParkPos.SQF, line 1"), std::string::npos) << error;
        }
    }
}

TEST(ParkFiles, WrittenAsTheyAreRead) {
    EXPECT_EQ(ParkFileText('+'), "+\r\n");
    EXPECT_EQ(ParkFileText('-'), "-\r\n");
    EXPECT_EQ(ParkFileText(26), "-\r\n");  // an option read past the end is stored as off
    EXPECT_EQ(ParkPosFileText(180, 10), "180\r\n10\r\n");
    TRotorSettings settings;
    ASSERT_TRUE(ReadParkPosFile(ParkPosFileText(-5, 95), settings));
    EXPECT_EQ(settings.ParkAzimuth, -5);
    EXPECT_EQ(settings.ParkElevation, 95);
}

TEST(StandPos, ReadsNamedDirectionsAndSkipsCommentsAndBrokenLines) {
    TRotorSettings settings;
    ReadStandPosFile(
        "; name,azimuth\r\n"
        "North,0\r\n"
        "Repeater Hill,273.5 deg\n"
        "\r\n"
        "no comma here\r\n"
        "Bad,east\r\n"
        "Empty,\r\n"
        ",45",
        settings);
    ASSERT_EQ(settings.StandardDirections.size(), 3u);
    EXPECT_EQ(settings.StandardDirections[0].Name, "North");
    EXPECT_DOUBLE_EQ(settings.StandardDirections[0].Azimuth, 0);
    EXPECT_EQ(settings.StandardDirections[1].Name, "Repeater Hill");
    EXPECT_DOUBLE_EQ(settings.StandardDirections[1].Azimuth, 273.5);
    EXPECT_EQ(settings.StandardDirections[2].Name, "");
    EXPECT_DOUBLE_EQ(settings.StandardDirections[2].Azimuth, 45);
    EXPECT_EQ(StandardDirectionListText(settings.StandardDirections[0]), "North    0");
    EXPECT_EQ(StandardDirectionListText(settings.StandardDirections[1]), "Repeater 273.5");
}

TEST(StandPos, KeepsAtMostFiftyEntries) {
    std::string bytes;
    for (int i = 0; i < 60; ++i) {
        bytes += 'D';
        bytes += std::to_string(i);
        bytes += ',';
        bytes += std::to_string(i);
        bytes += "\r\n";
    }
    TRotorSettings settings;
    ReadStandPosFile(bytes, settings);
    ASSERT_EQ(settings.StandardDirections.size(), 50u);
    EXPECT_EQ(settings.StandardDirections.back().Name, "D49");
}

// The refusal goes into a dialog: a damaged file's token is quoted short and
// printable, whatever its length and bytes.
TEST(RotorFiles, ARefusalQuotesAShortPrintableExcerpt) {
    const std::string longToken = "1" + std::string(100000, 'x');
    const std::string cases[] = {"w\r\n" + longToken + "\r\n", "w\r\n1\x01\x1b[2J\r\n", "w\r\n\x7f\r\n"};
    for (const std::string& bytes : cases) {
        TRotorSettings settings;
        std::string error;
        ASSERT_FALSE(ReadWiRotOpt(bytes, settings, &error));
        EXPECT_EQ(error.rfind("WiRotOpt.SQF, line 2: \"", 0), 0u) << error;
        EXPECT_LT(error.size(), 100u);
        for (const char c : error) EXPECT_GE(static_cast<unsigned char>(c), 0x20) << error;
    }
    TRotorSettings settings;
    std::string error;
    ASSERT_FALSE(ReadParkPosFile("1\x02\r\n", settings, &error));
    EXPECT_EQ(error, "ParkPos.SQF, line 1: \"1\\x02\" is not a valid number");
}

TEST(RotorFiles, GarbageNeverCrashes) {
    const std::string garbage[] = {"\0\0\0"s,           "\xff\xfe\r\r\r\n\n,,,,"s, ",\n;\n,\n"s, std::string(5000, '9'),
                                   "-\r\n-\r\n-\r\n-"s, "+\n+\n+\n+\n+\n"s};
    for (const std::string& bytes : garbage) {
        TRotorSettings settings;
        ReadWiRotOpt(bytes, settings);
        ReadFlipFile(bytes, settings);
        ReadParkFile(bytes, settings);
        ReadParkPosFile(bytes, settings);
        ReadStandPosFile(bytes, settings);
        for (const TStandardDirection& d : settings.StandardDirections)
            EXPECT_EQ(StandardDirectionListText(d).size(), 9 + d.AzimuthText.size());
    }
}

}  // namespace
}  // namespace kelvora
