// Element files with broken or hostile content load without a crash or a
// hang; sets the models cannot run on are left out and reported.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "ElementFileCli.h"
#include "ElementTestSupport.h"
#include "FinishesWithin.h"
#include "OrbitCli.h"
#include "SGP4SDP4.h"
#include "TextReplace.h"

namespace kelvora {
namespace {

using testing::FixtureBytes;
using testing::Replaced;
using testing::TLoaded;

std::string RandomBytes(unsigned seed, std::size_t size) {
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& c : bytes) c = static_cast<char>(random() & 0xFF);
    return bytes;
}

// Whatever was listed must be named and propagatable, numbered densely.
void ExpectSoundCatalog(const TLoaded& loaded, const std::string& what) {
    EXPECT_EQ(loaded.Result.Count, loaded.Catalog.Count()) << what;
    for (int n = 1; n <= loaded.Catalog.Count(); ++n) {
        EXPECT_FALSE(loaded.Catalog.Name(n).empty()) << what << " set " << n;
        EXPECT_TRUE(CanPropagate(loaded.Model->Slot(n))) << what << " set " << n;
    }
}

TEST(ElementBadInput, HostileContentLoadsWithoutCrash) {
    const std::string tle = FixtureBytes("three-line.tle");
    std::string manyLines;
    for (int k = 0; k < 6000; ++k) manyLines += "1 \r\n";
    const std::string binary = RandomBytes(7, 20000);
    const struct {
        const char* what;
        std::string bytes;
        int count;  // -1: only the catalog's soundness is checked
    } cases[] = {
        {"empty file", "", 0},
        {"random bytes", binary, -1},
        {"random bytes after a two-line header", tle + binary, -1},
        {"random bytes in a CSV", "OBJECT_NAME\r\n" + binary, -1},
        {"random bytes in XML", "<?xml\r\n" + binary, -1},
        {"random bytes in KVN", "CCSDS_OMM_VERS\r\n" + binary, -1},
        {"random bytes in verbose", "Satellite: X\r\n" + binary, -1},
        {"NUL bytes in a name", Replaced(tle, "ISS", std::string("IS\0S", 4)), 3},
        {"line of 100000 characters", std::string(100000, 'x') + "\r\n" + tle, 3},
        {"6000 lines of '1 '", manyLines, 0},
        {"set beyond line 5600", manyLines + tle, 0},
        {"truncated last set", tle.substr(0, tle.size() - 30), 2},
        {"only CR", std::string(5000, '\r'), 0},
        {"whole XML document on one long line", "<?xml\r\n" + std::string(200000, '<'), 0},
    };
    for (const auto& c : cases) {
        TLoaded loaded;
        loaded.Load(c.bytes);
        ExpectSoundCatalog(loaded, c.what);
        if (c.count >= 0) {
            EXPECT_EQ(loaded.Catalog.Count(), c.count) << c.what;
        }
    }
}

TEST(ElementBadInput, UnpropagatableSetsAreLeftOutAndReported) {
    const std::string csv = FixtureBytes("omm.csv");
    const std::string kvn = FixtureBytes("omm.kvn");
    const std::string tle = FixtureBytes("three-line.tle");
    const struct {
        const char* what;
        std::string bytes;
        std::string listed;
    } cases[] = {
        {"mean motion nan", Replaced(csv, "2.05865131", "nan"), "OSCAR 7 (AO-7)|ISS (ZARYA)"},
        {"mean motion 1e999", Replaced(csv, "2.05865131", "1e999"), "OSCAR 7 (AO-7)|ISS (ZARYA)"},
        {"negative mean motion", Replaced(csv, "2.05865131", "-2.05865131"), "OSCAR 7 (AO-7)|ISS (ZARYA)"},
        {"eccentricity 1", Replaced(csv, ".6032036", "1.0"), "OSCAR 7 (AO-7)|ISS (ZARYA)"},
        {"eccentricity below 0", Replaced(csv, ".6032036", "-.1"), "OSCAR 7 (AO-7)|ISS (ZARYA)"},
        {"first set rejected", Replaced(kvn, "12.53672066", "0"), "PHASE 3B (AO-10)|ISS (ZARYA)"},
        {"epoch without a date", Replaced(tle, "24040.20323029", "24040020323029"), "OSCAR 7 (AO-7)|ISS (ZARYA)"},
        {"two-line set without mean motion", Replaced(tle, " 2.05865131", "           "), "OSCAR 7 (AO-7)|ISS (ZARYA)"},
    };
    for (const auto& c : cases) {
        TLoaded loaded;
        loaded.Load(c.bytes);
        EXPECT_EQ(loaded.Names1ToN(), c.listed) << c.what;
        EXPECT_EQ(loaded.Result.RejectedCount, 1) << c.what;
        ASSERT_EQ(loaded.Result.RejectedNames.size(), 1u) << c.what;
        EXPECT_NE(ElementLoadNote(loaded.Result).find(loaded.Result.RejectedNames[0]), std::string::npos);
        ExpectSoundCatalog(loaded, c.what);
    }

    // The model's slots move with the catalog: set 2 is now the ISS.
    TLoaded loaded;
    loaded.Load(Replaced(csv, "2.05865131", "0"));
    EXPECT_DOUBLE_EQ(loaded.Model->Slot(2).RevsPerDay, 15.49783958);
    EXPECT_EQ(loaded.Model->OmmTexts(2).MeanMotion, "15.49783958");
    EXPECT_DOUBLE_EQ(loaded.Model->Model().RevsPerDay, 15.49783958);
}

TEST(ElementBadInput, NoDataSetKeepsThePreviousCatalog) {
    TLoaded loaded;
    loaded.Load(FixtureBytes("three-line.tle"), "/keps/good.tle");
    loaded.Load("nothing here\r\n", "/keps/empty.txt");
    EXPECT_TRUE(loaded.Result.NoDataSet);
    EXPECT_TRUE(loaded.Catalog.NoDataSet());
    EXPECT_EQ(loaded.Catalog.Count(), 3);
    EXPECT_EQ(NoDataSetMessage(loaded.Catalog.SourceFileName()), " No Data Set found  in empty.txt ! ");

    // A recognised form without a listed set empties the catalog: not NoDataSet.
    loaded.Load("1 x\r\n2 y\r\n");
    EXPECT_FALSE(loaded.Result.NoDataSet);
    EXPECT_EQ(loaded.Catalog.Count(), 0);
}

TEST(ElementBadInput, UnreadableFileChangesNothing) {
    TLoaded loaded;
    loaded.Load(FixtureBytes("three-line.tle"), "good.tle");
    const std::filesystem::path dir = std::filesystem::temp_directory_path();
    for (const std::string& path : {(dir / "kelvora-no-such-file.tle").string(), dir.string()}) {
        const TElementLoadResult r = LoadElementFile(path, loaded.Options, loaded.Names, *loaded.Model, loaded.Catalog);
        EXPECT_FALSE(r.FileRead) << path;
        EXPECT_FALSE(r.Error.empty());
        EXPECT_EQ(loaded.Catalog.Count(), 3);
        EXPECT_EQ(loaded.Catalog.SourceFileName(), "good.tle");
    }
    const TElementLoadResult r = LoadElementFile(std::string(KELVORA_TEST_DATA_DIR) + "/elements/omm.kvn",
                                                 loaded.Options, loaded.Names, *loaded.Model, loaded.Catalog);
    EXPECT_TRUE(r.FileRead);
    EXPECT_EQ(r.Format, TElementFileFormat::efOmmKvn);
    EXPECT_EQ(loaded.Catalog.SourceFileName(), "omm.kvn");
}

// A FIFO, a device or a folder in an element file's place is refused at once,
// naming the file, in the program and in the tool; opening a FIFO that nobody
// writes to used to block for ever.
TEST(ElementBadInput, OnlyRegularFilesAreRead) {
    std::string folder = (std::filesystem::temp_directory_path() / "kelvora-fifo-XXXXXX").string();
    ASSERT_NE(::mkdtemp(folder.data()), nullptr);
    struct TRemove {
        std::string path;
        ~TRemove() { std::filesystem::remove_all(path); }
    } remove{folder};
    const std::string fifo = folder + "/keps.txt";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& path : {fifo, std::string("/dev/null"), folder}) {
        const auto result = testing::ResultWithin(testing::kHangLimit, [path] {
            TLoaded loaded;
            return LoadElementFile(path, loaded.Options, loaded.Names, *loaded.Model, loaded.Catalog);
        });
        ASSERT_TRUE(result.has_value()) << path << ": still blocked";
        EXPECT_FALSE(result->FileRead) << path;
        EXPECT_NE(result->Error.find(path), std::string::npos) << result->Error;
    }
    const auto tool = testing::ResultWithin(testing::kHangLimit, [fifo] {
        std::ostringstream out, err;
        const int code = RunOrbitCli({"list", "--elements", fifo}, out, err, 2000, LoadElementFileForCli);
        return std::pair{code, err.str()};
    });
    ASSERT_TRUE(tool.has_value()) << "kelvora-orbit list: still blocked";
    EXPECT_EQ(tool->first, 2);
    EXPECT_EQ(tool->second, "kelvora-orbit: cannot read " + fifo + ": not a regular file\n");
}

// A file longer than the cap is read up to the cap only; the load says so, and so do
// the note the operator is shown after a load and the tool. The files are sparse:
// one set at the start, then zeros up to the size.
TEST(ElementBadInput, AFileLongerThanTheCapIsCutAndSaysSo) {
    std::string folder = (std::filesystem::temp_directory_path() / "kelvora-big-XXXXXX").string();
    ASSERT_NE(::mkdtemp(folder.data()), nullptr);
    struct TRemove {
        std::string path;
        ~TRemove() { std::filesystem::remove_all(path); }
    } remove{folder};
    const std::string set = FixtureBytes("three-line.tle");
    const std::string firstSet = set.substr(0, set.find("\n", set.find("\n2 ") + 1) + 1);
    const struct {
        std::size_t size;
        bool cut, tool;
    } cases[] = {
        {set.size(), false, true}, {kMaxElementFileBytes, false, false}, {kMaxElementFileBytes + 1, true, true}};
    for (const auto& c : cases) {
        const std::string path = folder + "/big.tle";
        {
            std::ofstream out(path, std::ios::binary | std::ios::trunc);
            out << firstSet;
        }
        std::filesystem::resize_file(path, c.size);
        TLoaded loaded;
        const TElementLoadResult r = LoadElementFile(path, loaded.Options, loaded.Names, *loaded.Model, loaded.Catalog);
        ASSERT_TRUE(r.FileRead) << r.Error;
        EXPECT_EQ(r.Cut, c.cut) << c.size;
        EXPECT_EQ(loaded.Catalog.Count(), 1) << c.size;
        EXPECT_EQ(ElementLoadNote(r).find("Element file cut: only its first 64 MiB were read") != std::string::npos,
                  c.cut)
            << ElementLoadNote(r);

        if (!c.tool) continue;
        std::ostringstream out, err;
        EXPECT_EQ(RunOrbitCli({"list", "--elements", path}, out, err, 2000, LoadElementFileForCli), 0);
        EXPECT_EQ(err.str(), c.cut ? "kelvora-orbit: " + path + " was cut: only its first 64 MiB were read\n" : "");
    }
    // Cut and sets left out: both are said.
    TElementLoadResult both;
    both.Cut = true;
    both.RejectedCount = 1;
    both.RejectedNames = {"DEAD"};
    EXPECT_EQ(
        ElementLoadNote(both),
        " Element file cut: only its first 64 MiB were read. 1 set left out (elements cannot be computed): DEAD ");
}

}  // namespace
}  // namespace kelvora
