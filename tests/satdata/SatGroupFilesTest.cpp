// The group list, the source list and the group files as files.
#include "GroupTestSupport.h"
#include "SatGroups.h"

#include "ConfigFile.h"

#include <gtest/gtest.h>

namespace kelvora {
namespace {

using grouptest::CrLf;
using grouptest::KitFolder;

struct GroupListCase {
    const char* what;
    QByteArray file;
    QStringList names;  // ReadGroupNames
    QStringList skippingNames;  // ReadGroupNamesSkippingComments
};

TEST(GroupListTest, ReadingRulesAndLimits) {
    QStringList thirteen;
    for (int i = 1; i <= 13; ++i) thirteen << QStringLiteral("G%1").arg(i);
    const GroupListCase cases[] = {
        {"comment ends the list", CrLf({"Standard", "A", "; note", "B"}), {"Standard", "A"}, {"Standard", "A", "B"}},
        {"empty line is a name", CrLf({"Standard", "", "A"}), {"Standard", "", "A"}, {"Standard", "", "A"}},
        {"LF only, no final line end", "Standard\nA", {"Standard", "A"}, {"Standard", "A"}},
        {"at most twelve", CrLf(thirteen), thirteen.mid(0, 12), thirteen.mid(0, 12)},
        {"empty file", "", {}, {}},
    };
    for (const auto& c : cases) {
        KitFolder kit;
        kit.Write("ISSFiles8d.SQF", c.file);
        EXPECT_EQ(ReadGroupNames(kit.Folder()), c.names) << c.what;
        EXPECT_EQ(ReadGroupNamesSkippingComments(kit.Folder()), c.skippingNames) << c.what;
    }
}

TEST(GroupListTest, MissingListIsAFileError) {
    KitFolder kit;
    QFile::remove(kit.Path("ISSFiles8d.SQF"));
    EXPECT_THROW(ReadGroupNames(kit.Folder()), ConfigError);
    TSatGroups groups(kit.Folder());
    EXPECT_THROW(groups.ReadGroupList(), ConfigError);
}

TEST(GroupListTest, FirstGroupIsCurrentAndNamesTheTitle) {
    KitFolder kit;
    grouptest::WriteFiveGroups(kit);
    TSatGroups groups(kit.Folder());
    QString title;
    groups.Hooks.SetApplicationTitle = [&](const QString& t) { title = t; };
    groups.ReadGroupList();
    EXPECT_EQ(groups.Groups().size(), 5);
    EXPECT_EQ(groups.CurrentGroup(), "Standard");
    EXPECT_EQ(groups.ListPosition(), 0);
    EXPECT_EQ(title, "KelvoraISS [Standard]");
}

TEST(SourceListTest, StoredSourcesResolve) {
    const QString folder = "/data/Kelvora/";
    const std::pair<const char*, const char*> cases[] = {
        {"Kepler\\nasa.all", "/data/Kelvora/Kepler/nasa.all"},
        {"Kepler/amsat.txt", "/data/Kelvora/Kepler/amsat.txt"},
        {"KeplerFile.txt", "/data/Kelvora/KeplerFile.txt"},
        {"/home/op/keps/nasa.all", "/home/op/keps/nasa.all"},
        {"kepler\\nasa.all", "kepler/nasa.all"},  // the rule is case-sensitive
        {"", ""},
    };
    for (const auto& [stored, resolved] : cases) EXPECT_EQ(ResolveSourcePath(folder, stored), resolved) << stored;
}

TEST(SourceListTest, CurrentSourceFollowsTheHighlightedGroupAndAtMostTwelveLinesAreRead) {
    KitFolder kit;
    grouptest::WriteFiveGroups(kit);
    QStringList fourteen;
    for (int i = 1; i <= 14; ++i) fourteen << QStringLiteral("/keps/%1.txt").arg(i);
    kit.Write("ISSSources.SQF", CrLf(fourteen));
    TSatGroups groups(kit.Folder());
    groups.ReadGroupList();
    groups.SetListPosition(3);
    groups.ReadGroupSources();
    EXPECT_EQ(groups.Sources().size(), 12);
    EXPECT_EQ(groups.CurrentSource(), "/keps/4.txt");
    EXPECT_EQ(groups.SourceFolder(), "/keps/");
    EXPECT_EQ(groups.SourceFileName(), "4.txt");
}

TEST(SourceListTest, StoreWritesTwelveLinesWithTheHighlightedGroupsSource) {
    KitFolder kit;
    grouptest::WriteFiveGroups(kit);
    TSatGroups groups(kit.Folder());
    groups.ReadGroupList();
    groups.SetListPosition(2);
    QString error;
    ASSERT_TRUE(groups.StoreGroupSource("/keps/new.txt", &error)) << error.toStdString();
    const QStringList lines = kit.Lines("ISSSources.SQF");
    ASSERT_EQ(lines.size(), 12);
    EXPECT_EQ(lines[1], "Kepler\\a.txt");
    EXPECT_EQ(lines[2], "/keps/new.txt");
    EXPECT_EQ(lines[3], "Kepler\\c.txt");
    EXPECT_EQ(groups.CurrentSource(), "/keps/new.txt");
}

TEST(GroupFileTest, PairsReadBackAsWritten) {
    KitFolder kit;
    kit.Write("G.ISS", "ISS\r\n+\r\n\r\n+\r\nAO-7\r\nx\r\nFO-29");
    const std::vector<TGroupEntry> entries = ReadGroupFile(kit.Path("G.ISS"));
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_TRUE(entries[0].MapMarker);
    EXPECT_EQ(entries[1].Name, "");  // kept: the sort dialog shows every pair
    EXPECT_FALSE(entries[2].MapMarker);  // anything but "+" is off
    EXPECT_EQ(entries[3].Name, "FO-29");  // a missing marker line reads as off
    EXPECT_FALSE(entries[3].MapMarker);
    EXPECT_EQ(GroupFileBytes(entries), QByteArray("ISS\r\n+\r\n\r\n+\r\nAO-7\r\n-\r\nFO-29\r\n-\r\n"));
}

}  // namespace
}  // namespace kelvora
