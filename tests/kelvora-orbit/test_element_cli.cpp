// kelvora-orbit with the real element-file readers.
#include <gtest/gtest.h>

#include <sstream>

#include "ElementFileCli.h"
#include "OrbitCli.h"

namespace kelvora {
namespace {

std::string Fixture(const char* name) { return std::string(KELVORA_TEST_DATA_DIR) + "/elements/" + name; }

std::string RunTool(const std::vector<std::string>& args, int expectedCode = 0) {
    std::ostringstream out, err;
    EXPECT_EQ(RunOrbitCli(args, out, err, 2000, LoadElementFileForCli), expectedCode) << err.str();
    return out.str();
}

TEST(ElementCli, ListNamesEveryForm) {
    const struct {
        const char* file;
        const char* issRow;
    } cases[] = {
        {"three-line.tle", "3,ISS (ZARYA),25544,98067A,24043.00684501,tle\n"},
        {"verbose.txt", "3,ISS,,,24043.00684501,verbose\n"},
        {"omm.csv", "3,ISS (ZARYA),25544,98067A,24043.00684501,csv\n"},
        {"omm-document.xml", "3,ISS (ZARYA),25544,98067A,24043.00684501,xml\n"},
        {"omm.kvn", "3,ISS (ZARYA),25544,98067A,24043.00684501,kvn\n"},
    };
    for (const auto& c : cases) {
        const std::string out = RunTool({"list", "--elements", Fixture(c.file)});
        EXPECT_EQ(out.rfind("set,name,catalog,designator,epoch,form\n1,", 0), 0u) << out;
        EXPECT_NE(out.find(c.issRow), std::string::npos) << out;
    }
    // A plain two-line file has no names of its own: nothing is listed.
    EXPECT_EQ(RunTool({"list", "--elements", Fixture("two-line.tle")}), "set,name,catalog,designator,epoch,form\n");
    RunTool({"list", "--elements", Fixture("no-such-file.tle")}, 2);
}

TEST(ElementCli, SetByNameFromEachForm) {
    const std::string byTle =
        RunTool({"eci", "--elements", Fixture("three-line.tle"), "--sat", "ISS (ZARYA)", "--minutes", "0,720"});
    for (const char* file : {"omm.csv", "omm-document.xml", "omm.kvn"})
        EXPECT_EQ(RunTool({"eci", "--elements", Fixture(file), "--sat", "ISS (ZARYA)", "--minutes", "0,720"}), byTle)
            << file;
}

}  // namespace
}  // namespace kelvora
