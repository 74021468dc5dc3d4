// The group dialogs as the operator uses them: "Satellite Groups", "New Group",
// "Delete Group" and the quick switch.
#include "AddGroupU.h"
#include "DelGroupU.h"
#include "GroupTestSupport.h"
#include "SatFileU.h"
#include "SatfilesIIU.h"
#include "SmallFileSystem.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace kelvora {
namespace {

using grouptest::KitFolder;
using grouptest::ScriptedPrompt;

class GroupDialogsTest : public ::testing::Test {
protected:
    void SetUp() override {
        grouptest::WriteFiveGroups(kit);
        groups.Hooks.LoadSourceAndFilter = [] { return 2; };
        groups.ReadGroupList();
        groups.ReadGroupSources();
        ASSERT_TRUE(groups.OpenGroupSource(prompt));
        satFiles.UseGroupDialogs(&addGroup, &delGroup);
        satFiles.Closed = [this] { ++closed; };
        satFiles.ShowChosenGroup = [this](const QString& text) { chosen = text; };
    }
    void Click(QWidget* dialog, const char* button) {
        auto* b = dialog->findChild<QPushButton*>(button);
        ASSERT_NE(b, nullptr) << button;
        QTest::mouseClick(b, Qt::LeftButton);
    }
    QListWidget* List() { return satFiles.findChild<QListWidget*>("lstSatFiles"); }
    QStringList ListTexts(QListWidget* list) {
        QStringList texts;
        for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
        return texts;
    }

    KitFolder kit;
    ScriptedPrompt prompt;
    TSatGroups groups{kit.Folder()};
    TSatFiles satFiles{groups, prompt};
    TAddGroup addGroup{groups, prompt};
    TDelGroup delGroup{groups, prompt};
    int closed = 0;
    QString chosen;
};

TEST_F(GroupDialogsTest, OkSwitchesToTheHighlightedGroupAndCloses) {
    satFiles.show();
    EXPECT_EQ(ListTexts(List()), groups.Groups());
    EXPECT_EQ(List()->currentRow(), 0);
    List()->setCurrentRow(2);
    Click(&satFiles, "cmdOK");
    EXPECT_FALSE(satFiles.isVisible());
    EXPECT_FALSE(satFiles.Edited());
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(groups.CurrentGroup(), "Bravo");
}

TEST_F(GroupDialogsTest, FailedSwitchKeepsTheDialogOpen) {
    QFile::remove(kit.Path("Kepler/b.txt"));
    satFiles.show();
    List()->setCurrentRow(2);
    Click(&satFiles, "cmdOK");
    EXPECT_TRUE(satFiles.isVisible());
    EXPECT_EQ(groups.CurrentGroup(), "Standard");
    EXPECT_EQ(List()->currentRow(), 0);
}

TEST_F(GroupDialogsTest, EditSwitchesAndNamesTheChosenGroup) {
    satFiles.show();
    List()->setCurrentRow(3);
    Click(&satFiles, "cmdSatFWechsel");
    EXPECT_TRUE(satFiles.Edited());
    EXPECT_EQ(chosen, "Chosen: [Charlie]");
    EXPECT_FALSE(satFiles.isVisible());
}

TEST_F(GroupDialogsTest, CancelReturnsToTheRememberedGroup) {
    satFiles.show();
    List()->setCurrentRow(4);
    Click(&satFiles, "cmdCancel");
    EXPECT_FALSE(satFiles.isVisible());
    EXPECT_EQ(groups.ListPosition(), 0);
    EXPECT_EQ(groups.CurrentGroup(), "Standard");
}

TEST_F(GroupDialogsTest, NewGroupFromTheDialog) {
    satFiles.show();
    Click(&satFiles, "cmdAdd");
    ASSERT_TRUE(addGroup.isVisible());
    auto* name = addGroup.findChild<QLineEdit*>("edNewGroup");
    Click(&addGroup, "cmdOK");  // empty: refused, still open
    EXPECT_TRUE(addGroup.isVisible());
    EXPECT_EQ(prompt.Messages, QStringList{"Please enter a name for the new group."});
    QTest::keyClicks(name, "Echo");
    Click(&addGroup, "cmdOK");
    EXPECT_FALSE(addGroup.isVisible());
    EXPECT_EQ(ListTexts(List()).last(), "Echo");
    EXPECT_TRUE(kit.Exists("Echo.ISS"));
}

TEST_F(GroupDialogsTest, DeleteGroupFromTheDialog) {
    satFiles.show();
    List()->setCurrentRow(1);
    Click(&satFiles, "cmdRemove");
    ASSERT_TRUE(delGroup.isVisible());
    EXPECT_EQ(delGroup.findChild<QLineEdit*>("EdGroupName")->text(), "Alpha");
    prompt.Answers = {IOperatorPrompt::Answer::Yes};
    Click(&delGroup, "cmdDelete");
    EXPECT_FALSE(delGroup.isVisible());
    EXPECT_EQ(ListTexts(List()), QStringList({"Standard", "Bravo", "Charlie", "Delta"}));
    EXPECT_FALSE(kit.Exists("Alpha.ISS"));
}

TEST_F(GroupDialogsTest, QuickSwitch) {
    TSatFilesII quick(groups, prompt);
    groups.SetListPosition(1);
    quick.show();
    auto* list = quick.findChild<QListWidget*>("lstSatFilesII");
    EXPECT_EQ(ListTexts(list), groups.Groups());
    EXPECT_EQ(list->currentRow(), 1);

    // A missing source with the file dialog cancelled keeps it open.
    QFile::remove(kit.Path("Kepler/c.txt"));
    list->setCurrentRow(3);
    Click(&quick, "cmdOK");
    EXPECT_TRUE(quick.isVisible());
    EXPECT_EQ(groups.ListPosition(), 1);

    list->setCurrentRow(4);
    Click(&quick, "cmdOK");
    EXPECT_FALSE(quick.isVisible());
    EXPECT_EQ(groups.CurrentGroup(), "Delta");

    quick.show();
    list->setCurrentRow(2);
    Click(&quick, "cmdOK");
    quick.show();
    Click(&quick, "cmdCancel");
    EXPECT_EQ(groups.CurrentGroup(), "Bravo");
}

// One of the two lists lies on a full disk (linked from the data folder). The list of
// groups and the list of sources are read by the same positions: whichever write
// fails, the operator is told and neither list nor any group file changes, so every
// group keeps its own source.
TEST(GroupDialogsWriteFailure, EitherListFailingLeavesBothAsTheyWere) {
    struct Case {
        const char* what;
        bool add;
        QString fullFile;
    };
    const Case cases[] = {
        {"delete, source list on the full disk", false, "ISSSources.SQF"},
        {"delete, group list on the full disk", false, "ISSFiles8d.SQF"},
        {"add, source list on the full disk", true, "ISSSources.SQF"},
        {"add, group list on the full disk", true, "ISSFiles8d.SQF"},
    };
    for (const Case& c : cases) {
        test::SmallFileSystem disk{64};
        if (!disk.Mounted()) GTEST_SKIP() << disk.Why().toStdString();
        KitFolder kit;
        grouptest::WriteFiveGroups(kit);
        const QByteArray listBefore = kit.Read("ISSFiles8d.SQF"), sourcesBefore = kit.Read("ISSSources.SQF");
        ASSERT_TRUE(QFile::copy(kit.Path(c.fullFile), disk.Folder() + c.fullFile));
        kit.Remove(c.fullFile);
        ASSERT_TRUE(QFile::link(disk.Folder() + c.fullFile, kit.Path(c.fullFile)));
        ASSERT_TRUE(disk.Fill());

        ScriptedPrompt prompt;
        TSatGroups groups{kit.Folder()};
        groups.Hooks.LoadSourceAndFilter = [] { return 2; };
        groups.ReadGroupList();
        groups.ReadGroupSources();
        ASSERT_TRUE(groups.OpenGroupSource(prompt));
        TSatFiles satFiles{groups, prompt};
        TAddGroup addGroup{groups, prompt};
        TDelGroup delGroup{groups, prompt};
        satFiles.UseGroupDialogs(&addGroup, &delGroup);
        satFiles.show();
        auto* list = satFiles.findChild<QListWidget*>("lstSatFiles");
        if (c.add) {
            QTest::mouseClick(satFiles.findChild<QPushButton*>("cmdAdd"), Qt::LeftButton);
            QTest::keyClicks(addGroup.findChild<QLineEdit*>("edNewGroup"), "Echo");
            QTest::mouseClick(addGroup.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
            EXPECT_TRUE(addGroup.isVisible()) << c.what;
        } else {
            list->setCurrentRow(1);
            QTest::mouseClick(satFiles.findChild<QPushButton*>("cmdRemove"), Qt::LeftButton);
            prompt.Answers = {IOperatorPrompt::Answer::Yes};
            QTest::mouseClick(delGroup.findChild<QPushButton*>("cmdDelete"), Qt::LeftButton);
        }
        ASSERT_EQ(prompt.Messages.size(), 1) << c.what;
        EXPECT_TRUE(prompt.Messages[0].contains(c.fullFile)) << c.what << ": " << prompt.Messages[0].toStdString();
        EXPECT_EQ(kit.Read("ISSFiles8d.SQF"), listBefore) << c.what;
        EXPECT_EQ(kit.Read("ISSSources.SQF"), sourcesBefore) << c.what;
        EXPECT_TRUE(kit.Exists("Alpha.ISS")) << c.what;
        EXPECT_FALSE(kit.Exists("Echo.ISS")) << c.what;
        EXPECT_EQ(groups.Groups(), QStringList({"Standard", "Alpha", "Bravo", "Charlie", "Delta"})) << c.what;
        EXPECT_EQ(groups.Sources().mid(0, 5),
                  QStringList({"Kepler\\nasa.all", "Kepler\\a.txt", "Kepler\\b.txt", "Kepler\\c.txt", "Kepler\\d.txt"}))
            << c.what;
        EXPECT_EQ(list->count(), 5) << c.what;
        disk.Unmount();
    }
}

}  // namespace
}  // namespace kelvora
