// Damaged group and source lists: the names and paths read from them become file
// names, so a line that cannot be one is refused naming the file and line.
#include "GroupTestSupport.h"
#include "SatGroups.h"

#include "ConfigFile.h"

#include <gtest/gtest.h>

namespace kelvora {
namespace {

using grouptest::CrLf;
using grouptest::KitFolder;

struct DamageCase {
    const char* file;
    QByteArray content;
    int line;  // 0: read without error
};

TEST(GroupDamageTest, UnusableNamesAndPathsAreRefusedWithTheirLine) {
    const DamageCase cases[] = {
        {"ISSFiles8d.SQF", CrLf({"../../../../etc/hostname"}), 1},
        {"ISSFiles8d.SQF", CrLf({"Standard", "a/b"}), 2},
        {"ISSFiles8d.SQF", CrLf({"Standard", "sub\\dir"}), 2},
        {"ISSFiles8d.SQF", CrLf({"Standard", "", "."}), 3},
        {"ISSFiles8d.SQF", QByteArray("Standard\r\nnul\0name\r\n", 20), 2},
        {"ISSFiles8d.SQF", CrLf({"Standard", "; ../not/read"}), 0},  // after the end of the list
        {"ISSFiles8d.SQF", CrLf({"Standard", "", "Alpha"}), 0},  // an empty line keeps its place
        {"ISSSources.SQF", CrLf({"Kepler\\nasa.all", "/keps/\x01.txt"}), 2},
        {"ISSSources.SQF", QByteArray("Kepler\\nasa\0.all\r\n", 18), 1},
        {"ISSSources.SQF", CrLf({"Kepler\\nasa.all", "", "/home/op/keps/amsat.txt"}), 0},
    };
    for (const DamageCase& c : cases) {
        KitFolder kit;
        kit.Write(c.file, c.content);
        const std::string what = std::string(c.file) + ": " + c.content.toPercentEncoding().toStdString();
        try {
            if (QString(c.file) == GroupListFileName) {
                ReadGroupNames(kit.Folder());
                ReadGroupNamesSkippingComments(kit.Folder());
            } else {
                ReadSourceLines(kit.Folder());
            }
            EXPECT_EQ(c.line, 0) << what;
        } catch (const ConfigError& e) {
            EXPECT_EQ(e.FileName(), c.file) << what;
            EXPECT_EQ(e.Line(), c.line) << what;
        }
    }
}

TEST(GroupDamageTest, NoFileOutsideTheDataFolderIsLookedFor) {
    KitFolder kit;
    kit.Write("ISSFiles8d.SQF", CrLf({"Standard", "../outside"}));
    TSatGroups groups(kit.Folder());
    EXPECT_THROW(groups.ReadGroupList(), ConfigError);
    EXPECT_TRUE(groups.Groups().isEmpty());
}

TEST(GroupDamageTest, TypedNamesAndNamesReadShareOneCheck) {
    for (const char* name : {"", ".", "..", "a/b", "a\\b", ";x", "tab\there"})
        EXPECT_FALSE(IsUsableGroupName(QString::fromLatin1(name))) << name;
    for (const char* name : {"Standard", "My group", "AO-7 & SO-50", "...x"})
        EXPECT_TRUE(IsUsableGroupName(QString::fromLatin1(name))) << name;
    EXPECT_EQ(CheckNewGroupName("../x", {}), TGroupNameProblem::Unusable);
}

}  // namespace
}  // namespace kelvora
