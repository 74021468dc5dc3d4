// The names list, the naming options file and the name lookup.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "ElementTestSupport.h"
#include "SatNameU.h"

namespace kelvora {
namespace {

using testing::Naming;

const std::string kList =
    "07530 74089B   AO-7\r\n"
    "25544 98067A   ISS   \r\n"  // name padded with blanks
    " 7531 74089C   SHORT NUMBER\r\n"  // catalog number with a leading blank
    "25544 98067A   SECOND ISS\r\n"  // a later duplicate never wins
    "\r\n"  // a blank line is no entry to match
    "43700 18090A   A NAME LONGER THAN TWENTY-FOUR COLUMNS\r\n";

TEST(SatNames, NamesListColumns) {
    const TNamesList list = ParseNorvaNames(kList);
    ASSERT_EQ(list.Entries().size(), 6u);
    EXPECT_EQ(list.Entries()[1].Name, "ISS   ");
    EXPECT_EQ(list.Entries()[2].CatalogNumber, " 7531");
    EXPECT_EQ(list.Entries()[5].Name, "A NAME LONGER THAN TWENT");
    EXPECT_EQ(list.Entries()[5].Designator, "18090A");

    std::string longList;
    for (int k = 0; k < 3100; ++k) longList += "00001 00001A   X\r\n";
    EXPECT_EQ(ParseNorvaNames(longList).Entries().size(), 3001u);
}

TEST(SatNames, Lookup) {
    const TNamesList list = ParseNorvaNames(kList);
    const struct {
        const char* what;
        TNamingOptions options;
        const char* file;
        const char* catalog;
        const char* designator;
        const char* name;
    } cases[] = {
        {"I: found, first entry wins", Naming('+', '+', 'I'), "ZARYA", "25544", "", "ISS   "},
        {"I: not found keeps file name", Naming('+', '-', 'I'), "FOO", "99999", "98067A", "FOO"},
        {"I: 7530 with a blank is not 07531", Naming('+', '+', 'I'), "X", "07531", "", "X"},
        {"D: found", Naming('+', '-', 'D'), "ZARYA", "", "98067A", "ISS   "},
        {"D: not found, keep on", Naming('+', '+', 'D'), "FOO", "25544", "99001A", "FOO"},
        {"D: not found, keep off", Naming('+', '-', 'D'), "FOO", "25544", "99001A", ""},
        {"D: empty designator matches no blank line", Naming('+', '+', 'D'), "FOO", "", "", "FOO"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LookupNorvaName(list, c.options, c.file, c.catalog, c.designator), c.name) << c.what;
}

// Option item 2 ("only names-list names") with a three-line file: key "I"
// keeps a satellite without an entry, key "D" leaves it out.
TEST(SatNames, ThreeLineFileWithOnlyNamesListNames) {
    const std::string file = testing::FixtureBytes("three-line.tle");
    const struct {
        char key;
        const char* listed;
    } cases[] = {{'I', "AO-7|PHASE 3B (AO-10)|ISS   "}, {'D', "AO-7|ISS   "}};
    for (const auto& c : cases) {
        testing::TLoaded loaded;
        loaded.Names = ParseNorvaNames(kList);
        loaded.Options = Naming('+', '-', c.key);
        loaded.Load(file);
        EXPECT_EQ(loaded.Names1ToN(), c.listed) << c.key;
    }
}

class SatNameFiles : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("kelvora-names-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::string Path(const char* name) const { return (dir_ / name).string(); }
    void Write(const char* name, const std::string& bytes) const {
        std::ofstream(Path(name), std::ios::binary) << bytes;
    }
    std::filesystem::path dir_;
};

TEST_F(SatNameFiles, OptionsFileCharacters) {
    const struct {
        std::string bytes;
        char use, keep, key;
        bool workingUse, workingKeep;
        int item;
    } cases[] = {
        {"+\r\n+\r\nI\r\n", '+', '+', 'I', true, true, 1},
        {"+\r\n-\r\nD\r\n", '+', '-', 'D', true, false, 2},
        {"-xyz\r\n+\r\n", '-', '+', '\x1a', false, true, 0},  // past the end: code 26
        {"\r\n\r\n\r\n", '\r', '\r', '\r', false, false, 0},  // empty lines: CR
    };
    for (const auto& c : cases) {
        Write(kNameOptionsFile, c.bytes);
        TNamingOptions o;
        ASSERT_TRUE(ReadNameOptions(Path(kNameOptionsFile), o));
        EXPECT_EQ(o.UseNorvaNames, c.use);
        EXPECT_EQ(o.KeepSourceNames, c.keep);
        EXPECT_EQ(o.NameLookupKey, c.key);
        EXPECT_EQ(o.WorkingUseNorvaNames, c.workingUse);
        EXPECT_EQ(o.WorkingKeepSourceNames, c.workingKeep);
        EXPECT_EQ(NamingChoiceOf(o), c.item);
    }
}

TEST_F(SatNameFiles, StoreWritesTheForcedKeyThroughATemporaryFile) {
    Write(kNameOptionsFile, "-\r\n+\r\nZ\r\n");
    TNamingOptions o;
    ASSERT_TRUE(ReadNameOptions(Path(kNameOptionsFile), o));
    testing::TLoaded loaded;
    loaded.Options = o;
    loaded.Load(testing::FixtureBytes("omm.csv"));
    ApplyNamingChoice(loaded.Options, 2);
    std::string error;
    ASSERT_TRUE(WriteNameOptions(Path(kNameOptionsFile), loaded.Options, &error)) << error;
    std::ifstream in(Path(kNameOptionsFile), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "+\r\n-\r\nI\r\n");
    // Nothing is left beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), {}), 1);

    // A folder that does not exist fails without creating anything.
    EXPECT_FALSE(WriteNameOptions(Path("missing/SatNameOpt.SQF"), o, &error));
    EXPECT_FALSE(error.empty());
}

TEST_F(SatNameFiles, MissingFilesAreErrors) {
    TNamesList list({{"25544", "98067A", "ISS"}});
    TNamingOptions o = Naming('+', '+', 'D');
    EXPECT_FALSE(ReadNorvaNames(Path(kNorvaNamesFile), list));
    EXPECT_FALSE(ReadNameOptions(Path(kNameOptionsFile), o));
    EXPECT_EQ(list.Entries().size(), 1u);
    EXPECT_EQ(o.NameLookupKey, 'D');

    Write(kNorvaNamesFile, kList);
    ASSERT_TRUE(ReadNorvaNames(Path(kNorvaNamesFile), list));
    EXPECT_EQ(list.Entries().size(), 6u);
}

}  // namespace
}  // namespace kelvora
