#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "OrbitCli.h"
#include "OrbitModel.h"

namespace kelvora {
namespace {

const std::string kL1 = "1 25544U 98067A   24043.00684501  .00020902  00000+0  37609-3 0  9997";
const std::string kL2 = "2 25544  51.6406 220.6676 0001921 228.7563 273.9440 15.49783958438989";
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

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::vector<double> Cells(const std::string& line) {
    std::vector<double> cells;
    std::istringstream in(line);
    for (std::string c; std::getline(in, c, ',');) cells.push_back(c.empty() ? 0 : std::stod(c));
    return cells;
}

TEST(OrbitCli, ArgumentErrorsGiveOneLineAndStatus2) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"orbit"},
        {"eci", "--tle1", kL1, "--tle2", kL2},                       // no --minutes
        {"eci", "--tle1", kL1, "--tle2", kL2, "--minutes", "0,x"},
        {"eci", "--tle1", kL1, "--tle2", kL2.substr(0, 40), "--minutes", "0"},
        {"eci", "--tle1", kL2, "--tle2", kL1, "--minutes", "0"},     // swapped lines
        {"eci", "--tle1", kL1.substr(0, 68) + "8", "--tle2", kL2, "--minutes", "0"},
        {"look", "--tle1", kL1, "--tle2", kL2, "--station", "48,11", "--utc", "2024-02-12T00:00:00"},
        {"look", "--tle1", kL1, "--tle2", kL2, "--station", "95,11,0", "--utc", "2024-02-12T00:00:00"},
        {"look", "--tle1", kL1, "--tle2", kL2, "--station", "48,11,0", "--utc", "2024-02-30T00:00:00"},
        {"look", "--tle1", kL1, "--tle2", kL2, "--station", "48,11,0", "--utc", "2024-02-12 00:00:00"},
        {"passes", "--tle1", kL1, "--tle2", kL2, "--station", "48,11,0", "--utc",
         "2024-02-12T00:00:00", "--count", "0"},
        {"sun", "--utc"},
        {"sun", "--utc", "2024-02-12T00:00:00", "--tle1", kL1},
        {"sun", "--utc", "2024-02-12T00:00:00", "--century-base", "1950"},
        {"eci", "--elements", "sats.txt", "--minutes", "0"},                 // no --sat
        {"eci", "--sat", "ISS", "--minutes", "0"},                           // no --elements
        {"eci", "--tle1", kL1, "--tle2", kL2, "--elements", "sats.txt", "--sat", "ISS",
         "--minutes", "0"},
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

TEST(OrbitCli, Help) {
    const TRun r = RunTool({"--help"});
    EXPECT_EQ(r.code, 0);
    EXPECT_NE(r.out.find("passes"), std::string::npos);
}

TEST(OrbitCli, EciOfThe1980TestSet) {
    const TRun r = RunTool({"eci", "--tle1", kStr1, "--tle2", kStr2, "--minutes", "0,360",
                        "--century-base", "1900"});
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
    const std::vector<std::string> set = {"--tle1", kL1, "--tle2", kL2, "--station",
                                          "48.1,11.6,500", "--utc", "2024-02-12T00:00:00"};
    std::vector<std::string> look = {"look"};
    look.insert(look.end(), set.begin(), set.end());
    look.insert(look.end(), {"--step", "30", "--count", "3"});
    TRun r = RunTool(look);
    ASSERT_EQ(r.code, 0) << r.err;
    auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "utc,azimuth,elevation,range_km,range_rate_km_s,sub_lat,sub_lon,height_km,ma,orbit");
    EXPECT_EQ(lines[3].substr(0, 24), "2024-02-12T00:01:00.000,");
    EXPECT_NEAR(Cells(lines[1].substr(24))[6], 423.6, 1.0);  // height

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
    EXPECT_NEAR(sun[2], 198.38083, 0.01);
    EXPECT_NEAR(sun[3], -7.78507, 0.01);
}

TEST(OrbitCli, ElementFileSetsStandForTwoLines) {
    const TRun byLines = RunTool({"eci", "--tle1", kL1, "--tle2", kL2, "--minutes", "0,90"});
    const TRun byName =
        RunTool({"eci", "--elements", "sats.txt", "--sat", "ISS", "--minutes", "0,90"});
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
