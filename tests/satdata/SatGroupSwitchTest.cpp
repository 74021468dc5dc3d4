// Opening the current group's source file and switching groups.
#include "GroupTestSupport.h"
#include "SatGroups.h"

#include <gtest/gtest.h>

namespace kelvora {
namespace {

using grouptest::KitFolder;
using grouptest::ScriptedPrompt;

const QString MissingSourceText =
    "No source file was found for group Bravo.\n"
    "Please select a source file for this group after the 'OK'.\n\n"
    "IMPORTANT: In order to store the filename for later starts\n"
    "open the menu 'Satellites' and click the 'OK' button.";

// Five groups; the hooks record what the rest of the program would be asked to do.
class GroupSwitchTest : public ::testing::Test {
protected:
    void SetUp() override {
        grouptest::WriteFiveGroups(kit);
        groups.Hooks.ResetTrackingDisplay = [this] { ++resets; };
        groups.Hooks.ShowSourceInFileList = [this](const QString& folder, const QString& name, bool showPath) {
            shownFiles << folder + name + (showPath ? " +path" : "");
        };
        groups.Hooks.LoadSourceAndFilter = [this] {
            ++loads;
            return selectedAfterLoad;
        };
        groups.Hooks.ActivateFirstLetter = [this] { ++activations; };
        groups.Hooks.SetApplicationTitle = [this](const QString& t) { title = t; };
        groups.ReadGroupList();
        groups.ReadGroupSources();
        ASSERT_TRUE(groups.OpenGroupSource(prompt));
        shownFiles.clear();
        groups.RememberCurrent();
    }

    KitFolder kit;
    TSatGroups groups{kit.Folder()};
    ScriptedPrompt prompt;
    QStringList shownFiles;
    QString title;
    int resets = 0, loads = 0, activations = 0, selectedAfterLoad = 3;
};

TEST_F(GroupSwitchTest, SwitchLoadsTheGroupsSourceAndActivatesLetterA) {
    EXPECT_EQ(groups.SwitchGroup(2, TSwitchVariant::GroupDialog, prompt), TSwitchResult::Switched);
    EXPECT_EQ(groups.CurrentGroup(), "Bravo");
    EXPECT_EQ(groups.CurrentSource(), kit.Path("Kepler/b.txt"));
    EXPECT_TRUE(groups.SourceFileReady());
    EXPECT_EQ(shownFiles.last(), kit.Path("Kepler/b.txt +path"));
    EXPECT_EQ(resets, 1);
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(activations, 1);
    EXPECT_EQ(title, "KelvoraISS [Bravo]");
    EXPECT_TRUE(prompt.Messages.isEmpty());
}

TEST_F(GroupSwitchTest, QuickSwitchKeepsThePathLabelAndUsesTheShortTitle) {
    EXPECT_EQ(groups.SwitchGroup(2, TSwitchVariant::QuickSwitch, prompt), TSwitchResult::Switched);
    EXPECT_EQ(shownFiles.last(), kit.Path("Kepler/b.txt"));
    EXPECT_EQ(title, "Kelvora [Bravo]");
    EXPECT_EQ(groups.ListPosition(), 2);
}

TEST_F(GroupSwitchTest, MissingSourceWithTheDialogCancelledLeavesEverythingAsItWas) {
    QFile::remove(kit.Path("Kepler/b.txt"));
    title.clear();
    EXPECT_EQ(groups.SwitchGroup(2, TSwitchVariant::GroupDialog, prompt), TSwitchResult::SourceNotReady);
    EXPECT_EQ(prompt.Messages, QStringList{MissingSourceText});
    EXPECT_EQ(prompt.FileDialogFolders, QStringList{kit.Path("Kepler/")});
    EXPECT_EQ(groups.CurrentGroup(), "Standard");
    EXPECT_EQ(groups.ListPosition(), 0);
    EXPECT_EQ(groups.CurrentSource(), kit.Path("Kepler/nasa.all"));
    EXPECT_TRUE(groups.SourceFileReady());
    EXPECT_EQ(loads, 0);
    EXPECT_EQ(activations, 0);
    EXPECT_TRUE(title.isEmpty());
}

TEST_F(GroupSwitchTest, MissingSourceReplacedByTheOperatorsChoice) {
    QFile::remove(kit.Path("Kepler/b.txt"));
    prompt.FileAnswer = kit.Path("Kepler/c.txt");
    EXPECT_EQ(groups.SwitchGroup(2, TSwitchVariant::GroupDialog, prompt), TSwitchResult::Switched);
    EXPECT_EQ(groups.CurrentSource(), kit.Path("Kepler/c.txt"));
    EXPECT_TRUE(groups.SourceChosenByOperator());
    // Not stored: only the selection window's OK stores a source.
    EXPECT_EQ(kit.Lines("ISSSources.SQF")[2], "Kepler\\b.txt");
}

TEST_F(GroupSwitchTest, ChosenFileThatDoesNotExistIsReported) {
    QFile::remove(kit.Path("Kepler/b.txt"));
    prompt.FileAnswer = kit.Path("Kepler/gone.txt");
    EXPECT_EQ(groups.SwitchGroup(2, TSwitchVariant::GroupDialog, prompt), TSwitchResult::SourceNotReady);
    ASSERT_EQ(prompt.Messages.size(), 2);
    EXPECT_EQ(prompt.Messages[1],
              "The file was not found,\nplease, check the filename\nand call the menu File|Open.\n");
    EXPECT_EQ(groups.CurrentGroup(), "Standard");
}

TEST_F(GroupSwitchTest, MissingGroupFileSwitchesNothing) {
    const std::pair<TSwitchVariant, const char*> cases[] = {
        {TSwitchVariant::GroupDialog, "Datei Charlie.Sat not found!"},
        {TSwitchVariant::QuickSwitch, "File Charlie.Sat not found!"},
    };
    QFile::remove(kit.Path("Charlie.ISS"));
    for (const auto& [variant, message] : cases) {
        prompt.Messages.clear();
        EXPECT_EQ(groups.SwitchGroup(3, variant, prompt), TSwitchResult::GroupFileMissing);
        EXPECT_EQ(prompt.Messages, QStringList{message});
        EXPECT_EQ(groups.CurrentGroup(), "Standard");
        // The highlight returns to the current group, so a stored source lands on its line.
        EXPECT_EQ(groups.ListPosition(), 0);
        EXPECT_EQ(loads, 0);
    }
}

TEST_F(GroupSwitchTest, SourceWithoutTheGroupsSatellites) {
    selectedAfterLoad = 0;
    const std::pair<TSwitchVariant, const char*> cases[] = {
        {TSwitchVariant::GroupDialog, "No datas in source file\n for chosen satellite!"},
        {TSwitchVariant::QuickSwitch,
         "No datas in source file for chosen satellite!\nEdit the group in menu Satellites.\n"
         "The window will now be closed"},
    };
    for (const auto& [variant, message] : cases) {
        prompt.Messages.clear();
        EXPECT_EQ(groups.SwitchGroup(1, variant, prompt), TSwitchResult::NoSatellites);
        EXPECT_EQ(prompt.Messages, QStringList{message});
        EXPECT_EQ(groups.CurrentGroup(), "Alpha");  // current all the same, its file loaded
        EXPECT_EQ(activations, 0);
    }
}

TEST_F(GroupSwitchTest, CancelAfterASwitchRestoresTheRememberedGroup) {
    ASSERT_EQ(groups.SwitchGroup(4, TSwitchVariant::GroupDialog, prompt), TSwitchResult::Switched);
    groups.RestoreRemembered();
    EXPECT_EQ(groups.CurrentGroup(), "Standard");
    EXPECT_EQ(groups.ListPosition(), 0);
    EXPECT_EQ(groups.CurrentSource(), kit.Path("Kepler/nasa.all"));
}

}  // namespace
}  // namespace kelvora
