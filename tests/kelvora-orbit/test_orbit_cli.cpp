#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "CliOutput.h"
#include "FinishesWithin.h"
#include "OrbitCli.h"
#include "OrbitModel.h"
#include "SampleElements.h"

namespace kelvora {
namespace {

using testing::Cells;
using testing::Lines;

const std::string kL1 = testing::kIssLine1;
const std::string kL2 = testing::kIssLine2;
// Spacetrack Report No. 3 test set (1980 epoch: needs century base 1900).
const std::string kStr1 = "1 88888U          80275.98708465  .00073094  13844-3  66816-4 0    87";
const std::string kStr2 = "2 88888  72.8435 115.9689 0086731  52.6988 110.5714 16.05824518  1058";

struct TRun {
    int code;
    std::string out, err;
};

// A stand-in for the element-file readers: "sats.txt" holds the 1980 test set
// under a name with a comma and quotes, then the ISS; "bad.txt" cannot be read.
TCliElementFile FakeLoader(const std::string& path, TOrbitModel& model) {
    TCliElementFile file;
    if (path != "sats.txt") {
        file.Error = "cannot open " + path;
        return file;
    }
    model.TwoLineRecord(1) = {kStr1, kStr2};
    model.TwoLineRecord(2) = {kL1, kL2};
    model.ConvertTwoLine(2);
    file.Sets = {{"STR3, \"test\"", "88888", "", "tle"}, {"ISS", "25544", "98067A", "tle"}};
    file.Rejected = {"DEAD"};
    return file;
}

TRun RunTool(std::vector<std::string> args, const TCliElementLoader& loader = FakeLoader) {
    std::ostringstream out, err;
    const int code = RunOrbitCli(args, out, err, 2000, loader);
    return {code, out.str(), err.str()};
}

TEST(OrbitCli, ArgumentErrorsGiveOneLineAndStatus2) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"orbit"},
        {"eci", "--tle1", kL1, "--tle2", kL2},  // no --minutes
        {"eci", "--tle1", kL1, "--tle2", kL2, "--minutes", "0,x"},
        {"eci", "--tle1", kL1, "--tle2", kL2.substr(0, 40), "--minutes", "0"},
        {"eci", "--tle1", kL2, "--tle2", kL1, "--minutes", "0"},  // swapped lines
        {"eci", "--tle1", kL1.substr(0, 68) + "8", "--tle2", kL2, "--minutes", "0"},
        {"look", "--tle1", kL1, "--tle2", kL2, "--station", "48,11", "--utc", "2024-02-12T00:00:00"},
        {"look", "--tle1", kL1, "--tle2", kL2, "--station", "95,11,0", "--utc", "2024-02-12T00:00:00"},
        {"look", "--tle1", kL1, "--tle2", kL2, "--station", "48,11,0", "--utc", "2024-02-30T00:00:00"},
        {"look", "--tle1", kL1, "--tle2", kL2, "--station", "48,11,0", "--utc", "2024-02-12 00:00:00"},
        {"passes", "--tle1", kL1, "--tle2", kL2, "--station", "48,11,0", "--utc", "2024-02-12T00:00:00", "--count",
         "0"},
        {"sun", "--utc"},
        {"sun", "--utc", "2024-02-12T00:00:00", "--tle1", kL1},
        {"sun", "--utc", "2024-02-12T00:00:00", "--century-base", "1950"},
        {"eci", "--elements", "sats.txt", "--minutes", "0"},  // no --sat
        {"eci", "--sat", "ISS", "--minutes", "0"},  // no --elements
        {"eci", "--tle1", kL1, "--tle2", kL2, "--elements", "sats.txt", "--sat", "ISS", "--minutes", "0"},
        {"eci", "--elements", "sats.txt", "--sat", "iss", "--minutes", "0"},  // names match exactly
        {"eci", "--elements", "sats.txt", "--sat", "DEAD", "--minutes", "0"},
        {"eci", "--elements", "bad.txt", "--sat", "ISS", "--minutes", "0"},
        {"list"},
        {"list", "--elements", "sats.txt", "--sat", "ISS"},
        {"sun", "--utc", "2024-02-12T00:00:00", "--elements", "sats.txt"},
    };
    for (const auto& args : cases) {
        const TRun r = RunTool(args);
        EXPECT_EQ(r.code, 2) << (args.empty() ? "" : args[0]) << " " << r.err;
        EXPECT_TRUE(r.out.empty());
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_EQ(r.err.rfind("kelvora-orbit: ", 0), 0u) << r.err;
    }
}

// Numbers that once ran for hours or printed nonsense are refused at once
// (status 2); an instant too far from the epoch fails at once (status 1).
TEST(OrbitCli, NumbersBeyondTheirLimits) {
    const std::string eshail1 = testing::kEshail2Line1;
    const std::string eshail2 = testing::kEshail2Line2;
    const std::vector<std::string> set = {"--tle1", eshail1, "--tle2", eshail2};
    const std::vector<std::string> look = {"look", "--tle1", eshail1, "--tle2", eshail2, "--station", "48,11,500"};
    const auto with = [](std::vector<std::string> args, std::vector<std::string> more) {
        args.insert(args.end(), more.begin(), more.end());
        return args;
    };
    const struct {
        std::vector<std::string> args;
        int code;
        const char* message;
    } cases[] = {
        {with({"eci"}, with(set, {"--minutes", "1e11"})), 2, "--minutes"},
        {with({"eci"}, with(set, {"--minutes", "0,-1e15"})), 2, "--minutes"},
        {with({"eci"}, with(set, {"--minutes", "105192001"})), 2, "--minutes"},
        {with({"look"}, with(set, {"--station", "48,11,1e308", "--utc", "2024-02-12T00:00:00"})), 2,
         "--station must be"},
        {with({"look"}, with(set, {"--station", "48,11,-501", "--utc", "2024-02-12T00:00:00"})), 2,
         "--station must be"},
        {with({"look"}, with(set, {"--station", "48,11,10001", "--utc", "2024-02-12T00:00:00"})), 2,
         "--station must be"},
        {with({"look"}, with(set, {"--station", "48,-181,0", "--utc", "2024-02-12T00:00:00"})), 2, "--station must be"},
        {with(look, {"--utc", "9999-12-31T23:59:59", "--step", "1e308"}), 2, "--step"},
        {with(look, {"--utc", "2024-02-12T00:00:00", "--step", "864001"}), 2, "--step"},
        {with(look, {"--utc", "2024-02-12T00:00:00", "--step", "-864001"}), 2, "--step"},
        {with(look, {"--utc", "2024-02-12T00:00:00", "--step", "0", "--count", "2"}), 2, "--step"},
        {with(look, {"--utc", "2024-02-12T00:00:00", "--count", "100001"}), 2, "--count"},
        {with(look, {"--utc", "9999-12-31T23:59:59", "--step", "1", "--count", "2"}), 2,
         "beyond the years 100 to 9999"},
        {with(look, {"--utc", "1900-01-01T00:00:00", "--step", "-864000", "--count", "100000"}), 2,
         "beyond the years 100 to 9999"},
        {with({"passes"}, with(set, {"--station", "48,11,0", "--utc", "2024-02-12T00:00:00", "--count", "100001"})), 2,
         "--count"},
        {with(look, {"--utc", "9999-12-31T23:59:59", "--step", "-86400", "--count", "1000"}), 1,
         "propagation failed at 9999-12-31T23:59:59.000"},
    };
    for (const auto& c : cases) {
        const auto r = testing::ResultWithin(testing::kHangLimit, [args = c.args] { return RunTool(args); });
        ASSERT_TRUE(r.has_value()) << c.args[0] << " " << c.message << ": still running";
        EXPECT_EQ(r->code, c.code) << r->err;
        EXPECT_EQ(std::count(r->err.begin(), r->err.end(), '\n'), 1) << r->err;
        EXPECT_NE(r->err.find(c.message), std::string::npos) << r->err;
    }
}

// The edges themselves are accepted.
TEST(OrbitCli, NumbersAtTheirLimits) {
    const std::vector<std::string> station = {"--station", "-90,-180,-500", "--utc", "2024-02-12T00:00:00"};
    std::vector<std::string> look = {"look", "--tle1", kL1, "--tle2", kL2};
    look.insert(look.end(), station.begin(), station.end());
    look.insert(look.end(), {"--step", "-864000", "--count", "3"});
    TRun r = RunTool(look);
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(Lines(r.out).size(), 4u);
    EXPECT_EQ(Lines(r.out)[3].substr(0, 24), "2024-01-23T00:00:00.000,");

    r = RunTool({"look", "--tle1", kL1, "--tle2", kL2, "--station", "90,360,10000", "--utc", "2024-02-12T00:00:00",
                 "--step", "0"});
    EXPECT_EQ(r.code, 0) << r.err;

    r = RunTool({"eci", "--tle1", testing::kEshail2Line1, "--tle2", testing::kEshail2Line2, "--minutes",
                 "-105192000,105192000"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(Lines(r.out).size(), 3u);
}

// The deep-space test set of Spacetrack Report No. 3 as printed: line 1 ends
// after the B* field (61 characters), line 2 after the mean motion (63).
TEST(OrbitCli, ReportDeepSpaceSetAsPrinted) {
    const std::string l1 = "1 11801U          80230.29629788  .01431103  00000-0  14311-1";
    const std::string l2 = "2 11801  46.7916 230.4354 7318036  47.4722  10.4117  2.28537848";
    ASSERT_EQ(l1.size(), 61u);
    ASSERT_EQ(l2.size(), 63u);
    TRun r = RunTool({"eci", "--tle1", l1, "--tle2", l2, "--minutes", "0,360", "--century-base", "1900"});
    ASSERT_EQ(r.code, 0) << r.err;
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 3u);
    const std::vector<std::vector<double>> expected = {
        {0, 7473.37066650, 428.95261765, 5828.74786377, 5.10715413, 6.44468284, -0.18613096},
        {360, -3305.22537232, 32410.86328125, -24697.17675781, -1.30113538, -1.15131518, -0.28333528}};
    for (size_t i = 0; i < 2; ++i) {
        const auto cells = Cells(lines[i + 1]);
        ASSERT_EQ(cells.size(), 7u);
        for (size_t c = 0; c < 7; ++c) EXPECT_NEAR(cells[c], expected[i][c], c < 4 ? 0.05 : 2e-5);
    }
    // One character less and the B* exponent is cut off: refused.
    for (const auto& [a, b] : {std::pair{l1.substr(0, 60), l2}, std::pair{l1, l2.substr(0, 62)}}) {
        r = RunTool({"eci", "--tle1", a, "--tle2", b, "--minutes", "0", "--century-base", "1900"});
        EXPECT_EQ(r.code, 2);
        EXPECT_NE(r.err.find("is not a two-line element line"), std::string::npos) << r.err;
    }
}

TEST(OrbitCli, Help) {
    const TRun r = RunTool({"--help"});
    EXPECT_EQ(r.code, 0);
    EXPECT_NE(r.out.find("passes"), std::string::npos);
}

TEST(OrbitCli, EciOfThe1980TestSet) {
    const TRun r = RunTool({"eci", "--tle1", kStr1, "--tle2", kStr2, "--minutes", "0,360", "--century-base", "1900"});
    ASSERT_EQ(r.code, 0) << r.err;
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "minutes,x_km,y_km,z_km,vx_km_s,vy_km_s,vz_km_s");
    // Spacetrack Report No. 3, SGP4 at 0 and 360 minutes (single-precision print).
    const std::vector<std::vector<double>> expected = {
        {0, 2328.97048951, -5995.22076416, 1719.97067261, 2.91207230, -0.98341546, -7.09081703},
        {360, 2456.10705566, -6071.93853760, 1222.89727783, 2.67938992, -0.44829041, -7.22879231}};
    for (size_t i = 0; i < 2; ++i) {
        const auto cells = Cells(lines[i + 1]);
        ASSERT_EQ(cells.size(), 7u);
        for (size_t c = 0; c < 7; ++c) EXPECT_NEAR(cells[c], expected[i][c], c < 4 ? 0.02 : 2e-5);
    }
}

TEST(OrbitCli, LookPassesAndSun) {
    const std::vector<std::string> set = {
        "--tle1", kL1, "--tle2", kL2, "--station", "48.1,11.6,500", "--utc", "2024-02-12T00:00:00"};
    std::vector<std::string> look = {"look"};
    look.insert(look.end(), set.begin(), set.end());
    look.insert(look.end(), {"--step", "30", "--count", "3"});
    TRun r = RunTool(look);
    ASSERT_EQ(r.code, 0) << r.err;
    auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "utc,azimuth,elevation,range_km,range_rate_km_s,sub_lat,sub_lon,height_km,ma,orbit");
    EXPECT_EQ(lines[3].substr(0, 24), "2024-02-12T00:01:00.000,");
    // The values of each column: test_orbit_cli_reference.cpp.
    EXPECT_EQ(Cells(lines[1].substr(24)).size(), 9u);

    std::vector<std::string> passes = {"passes"};
    passes.insert(passes.end(), set.begin(), set.end());
    passes.insert(passes.end(), {"--count", "3"});
    r = RunTool(passes);
    ASSERT_EQ(r.code, 0) << r.err;
    lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "aos_utc,aos_azimuth,los_utc,los_azimuth");
    EXPECT_LT(lines[1], lines[2]);  // ISO times sort as text

    r = RunTool({"sun", "--utc", "1992-10-13T00:00:00"});
    ASSERT_EQ(r.code, 0) << r.err;
    lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 2u);
    const auto sun = Cells(lines[1]);
    // Meeus, Astronomical Algorithms, example 25.a (apparent right ascension and declination).
    EXPECT_NEAR(sun[2], 198.38083, 0.01);
    EXPECT_NEAR(sun[3], -7.78507, 0.01);
}

TEST(OrbitCli, ElementFileSetsStandForTwoLines) {
    const TRun byLines = RunTool({"eci", "--tle1", kL1, "--tle2", kL2, "--minutes", "0,90"});
    const TRun byName = RunTool({"eci", "--elements", "sats.txt", "--sat", "ISS", "--minutes", "0,90"});
    ASSERT_EQ(byName.code, 0) << byName.err;
    EXPECT_EQ(byName.out, byLines.out);

    const TRun list = RunTool({"list", "--elements", "sats.txt"});
    ASSERT_EQ(list.code, 0) << list.err;
    EXPECT_EQ(list.out,
              "set,name,catalog,designator,epoch,form\n"
              "1,\"STR3, \"\"test\"\"\",88888,,80275.98708465,tle\n"
              "2,ISS,25544,98067A,24043.00684501,tle\n");
    EXPECT_NE(list.err.find("1 set(s) left out"), std::string::npos);

    const TRun withoutReaders = RunTool({"list", "--elements", "sats.txt"}, {});
    EXPECT_EQ(withoutReaders.code, 2);
}

}  // namespace
}  // namespace kelvora
