// The texts the rotor and radio servers receive, and the daemons' addresses.

#include "ServerTexts.h"

#include <gtest/gtest.h>

namespace kelvora {
namespace {

struct KindCase {
    const char* path;
    TRotorServerKind kind;
};

class RotorServerKindTest : public ::testing::TestWithParam<KindCase> {};

TEST_P(RotorServerKindTest, ComesFromTheLowerCasedFileName) {
    EXPECT_EQ(RotorServerKindOf(GetParam().path), GetParam().kind) << GetParam().path;
}

INSTANTIATE_TEST_SUITE_P(Paths, RotorServerKindTest,
                         ::testing::Values(KindCase{"C:\\Programme\\Rotor\\ServerEGIS", TRotorServerKind::Hundredths},
                                           KindCase{"/opt/rotor/serverLabJack", TRotorServerKind::Tenths},
                                           KindCase{"ServerRotix", TRotorServerKind::Tenths},
                                           KindCase{"C:\\Arswin\\ARSWIN32", TRotorServerKind::Arswin},
                                           KindCase{"arswin", TRotorServerKind::Arswin},
                                           KindCase{"/usr/bin/rotctld", TRotorServerKind::Rotctld},
                                           KindCase{"rotctld ", TRotorServerKind::Rotctld},
                                           KindCase{"/opt/egis/ServerEGIS2", TRotorServerKind::WholeDegrees},
                                           KindCase{"", TRotorServerKind::WholeDegrees}));

struct PositionCase {
    TRotorServerKind kind;
    double azimuth;
    double elevation;
    char separator;
    const char* text;
};

class RotorPositionTextTest : public ::testing::TestWithParam<PositionCase> {};

TEST_P(RotorPositionTextTest, IsTheServersFormat) {
    const PositionCase& c = GetParam();
    EXPECT_EQ(RotorPositionText(c.kind, c.azimuth, c.elevation, c.separator), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Servers, RotorPositionTextTest,
    ::testing::Values(PositionCase{TRotorServerKind::WholeDegrees, 122.5, 44.5, '.', "122 44"},
                      PositionCase{TRotorServerKind::WholeDegrees, 123.5, 45.5, '.', "124 46"},
                      PositionCase{TRotorServerKind::WholeDegrees, 123.4, 45.0, ',', "123 45"},
                      PositionCase{TRotorServerKind::WholeDegrees, 359.7, 0.2, '.', "360 0"},
                      PositionCase{TRotorServerKind::Hundredths, 122.5, 44.5, '.', "122.50 044.50"},
                      PositionCase{TRotorServerKind::Hundredths, 123.4, 45.0, ',', "123,40 045,00"},
                      PositionCase{TRotorServerKind::Tenths, 122.5, 44.5, '.', "122.5 044.5"},
                      PositionCase{TRotorServerKind::Tenths, 5.04, 110.0, '.', "005.0 110.0"},
                      PositionCase{TRotorServerKind::Rotctld, 210.0, 110.0, ',', "P 210.00 110.00"},
                      PositionCase{TRotorServerKind::Rotctld, 4.005, 2.0, '.', "P 4.01 2.00"}));

TEST(ArswinPokesTest, CarryTheWholeDegreesBehindTheirPrefixes) {
    const TArswinPokes pokes = ArswinPokesOf(122.5, 44.5);
    EXPECT_EQ(pokes.Azimuth, "GA:122");
    EXPECT_EQ(pokes.Elevation, "GE:44");
}

TEST(RadioServerMacroTest, FrequenciesModesAndStep) {
    EXPECT_EQ(RadioFrequencyMacro(145800.123, 435100.0, '.'), "SF0145800.123 0435100.000");
    EXPECT_EQ(RadioFrequencyMacro(145800.1234, 0.0, ','), "SF0145800,123 0000000,000");
    EXPECT_EQ(RadioStepMacro(29400.5, '.'), "SF0029400.500");
    EXPECT_EQ(RadioModeMacro("USB", "LSB"), "SMUSB LSB");
}

TEST(RigctldCommandTest, SplitFrequenciesInHertzAndModesWithTheDefaultPassband) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(RigctldFrequencyCommands(145800.1234, 435100.0), (Lines{"F 145800123", "S 1 VFOB", "I 435100000"}));
    EXPECT_EQ(RigctldFrequencyCommands(145800.0, 0.0), (Lines{"F 145800000"}));
    EXPECT_EQ(RigctldStepCommands(29400.5), (Lines{"F 29400500"}));
    EXPECT_EQ(RigctldModeCommands("USB", "LSB"), (Lines{"M USB 0", "X LSB 0"}));
    EXPECT_EQ(RigctldModeCommands("FM", ""), (Lines{"M FM 0"}));
}

struct HostPortCase {
    const char* text;
    const char* host;
    int port;
};

class HostPortTest : public ::testing::TestWithParam<HostPortCase> {};

TEST_P(HostPortTest, TakesWhatIsThereAndTheDefaultsForTheRest) {
    const THostPort address = ParseHostPort(GetParam().text, {"127.0.0.1", 4533});
    EXPECT_EQ(address.Host, GetParam().host) << GetParam().text;
    EXPECT_EQ(address.Port, GetParam().port) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, HostPortTest,
    ::testing::Values(HostPortCase{"", "127.0.0.1", 4533}, HostPortCase{"rotorpi:4600", "rotorpi", 4600},
                      HostPortCase{" 192.168.1.20 ", "192.168.1.20", 4533}, HostPortCase{":4600", "127.0.0.1", 4600},
                      HostPortCase{"[::1]:4600", "::1", 4600}, HostPortCase{"::1", "::1", 4533},
                      HostPortCase{"host:99999", "host", 4533}, HostPortCase{"host:45x", "host", 4533},
                      HostPortCase{"\x1a", "127.0.0.1", 4533}));

TEST(DaemonAnswerTest, OnlyANonZeroReportIsAnError) {
    EXPECT_EQ(DaemonErrorCode("RPRT 0"), 0);
    EXPECT_EQ(DaemonErrorCode("RPRT -1\n"), -1);
    EXPECT_EQ(DaemonErrorCode("RPRT -11"), -11);
    EXPECT_EQ(DaemonErrorCode("145800000"), 0);
    EXPECT_EQ(DaemonErrorCode("RPRT"), 0);
}

}  // namespace
}  // namespace kelvora
