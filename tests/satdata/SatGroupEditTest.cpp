// "New Group" and "Delete": the group list, the source list and the group files.
#include "GroupTestSupport.h"
#include "SatGroups.h"

#include <gtest/gtest.h>

namespace kelvora {
namespace {

using grouptest::CrLf;
using grouptest::KitFolder;
using grouptest::ScriptedPrompt;
using Answer = IOperatorPrompt::Answer;

class GroupEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        grouptest::WriteFiveGroups(kit);
        groups.Hooks.LoadSourceAndFilter = [this] {
            ++loads;
            return 2;
        };
        groups.ReadGroupList();
        groups.ReadGroupSources();
        groups.RememberCurrent();
    }
    KitFolder kit;
    TSatGroups groups{kit.Folder()};
    ScriptedPrompt prompt;
    int loads = 0;
};

TEST_F(GroupEditTest, NewGroupGoesBeforeTheCommentAndStartsFromStandard) {
    ASSERT_TRUE(groups.AddGroup("Echo", prompt));
    EXPECT_EQ(kit.Lines("ISSFiles8d.SQF"),
              QStringList({"Standard", "Alpha", "Bravo", "Charlie", "Delta", "Echo", "; comment", "kept"}));
    // The first six satellites of the template, with their markers.
    EXPECT_EQ(kit.Lines("Echo.ISS"), kit.Lines("Standard.ISS").mid(0, 12));
    const QStringList sources = kit.Lines("ISSSources.SQF");
    ASSERT_EQ(sources.size(), 12);
    EXPECT_EQ(sources[4], "Kepler\\d.txt");
    EXPECT_EQ(sources[5], "Kepler\\nasa.all");
    EXPECT_EQ(groups.Groups().size(), 6);
    EXPECT_TRUE(prompt.Messages.isEmpty());
}

TEST_F(GroupEditTest, ShortTemplateIsPaddedWithEmptyLines) {
    kit.Write("Standard.ISS", grouptest::GroupBytes({"ISS+", "AO-7-"}));
    ASSERT_TRUE(groups.AddGroup("Echo", prompt));
    EXPECT_EQ(kit.Read("Echo.ISS"), CrLf({"ISS", "+", "AO-7", "-", "", "", "", "", "", "", "", ""}));
}

TEST_F(GroupEditTest, LoadedGroupStaysCurrentAfterAnAdd) {
    ASSERT_EQ(groups.SwitchGroup(2, TSwitchVariant::GroupDialog, prompt), TSwitchResult::Switched);
    ASSERT_TRUE(groups.AddGroup("Echo", prompt));
    EXPECT_EQ(groups.CurrentGroup(), "Bravo");
    EXPECT_EQ(groups.ListPosition(), 2);
    EXPECT_EQ(groups.CurrentSource(), kit.Path("Kepler/b.txt"));
}

TEST_F(GroupEditTest, UnusableNamesAreRefusedAndNothingIsWritten) {
    const std::pair<QString, QString> cases[] = {
        {"", "Please enter a name for the new group."},
        {"Bravo", "The group Bravo already exists!"},
        {"../evil", "The name ../evil cannot be used as a group name!"},
        {"sub\\dir", "The name sub\\dir cannot be used as a group name!"},
        {".", "The name . cannot be used as a group name!"},
        {"..", "The name .. cannot be used as a group name!"},
        {";hidden", "The name ;hidden cannot be used as a group name!"},
        {"two\nlines", "The name two\nlines cannot be used as a group name!"},
        {QString::fromUtf8("Gruppe \u20ac"),
         QString::fromUtf8("The name Gruppe \u20ac cannot be used as a group name!")},
    };
    const QByteArray list = kit.Read("ISSFiles8d.SQF");
    const QByteArray sources = kit.Read("ISSSources.SQF");
    const QStringList files = kit.FileNames();
    for (const auto& [name, message] : cases) {
        prompt.Messages.clear();
        EXPECT_FALSE(groups.AddGroup(name, prompt));
        EXPECT_EQ(prompt.Messages, QStringList{message});
    }
    EXPECT_EQ(kit.Read("ISSFiles8d.SQF"), list);
    EXPECT_EQ(kit.Read("ISSSources.SQF"), sources);
    EXPECT_EQ(kit.FileNames(), files);
    EXPECT_FALSE(QFileInfo::exists(kit.Folder() + "../evil.ISS"));
}

TEST_F(GroupEditTest, ThirteenthGroupIsRefused) {
    QStringList twelve{"Standard"};
    for (int i = 2; i <= 12; ++i) twelve << QStringLiteral("G%1").arg(i);
    kit.Write("ISSFiles8d.SQF", CrLf(twelve));
    groups.ReadGroupList();
    EXPECT_FALSE(groups.AddGroup("G13", prompt));
    EXPECT_EQ(prompt.Messages, QStringList{"No more than 12 groups are possible!"});
    EXPECT_FALSE(kit.Exists("G13.ISS"));
}

TEST_F(GroupEditTest, DeletingTheThirdOfFiveRemovesItsLinesAndItsFile) {
    prompt.Answers = {Answer::Yes};
    ASSERT_TRUE(groups.DeleteGroup(2, prompt));
    EXPECT_EQ(prompt.Questions, QStringList{"Are you sure?"});
    EXPECT_EQ(prompt.QuestionIcons, QList<IOperatorPrompt::Icon>{IOperatorPrompt::Icon::Warning});
    EXPECT_EQ(kit.Lines("ISSFiles8d.SQF"), QStringList({"Standard", "Alpha", "Charlie", "Delta", "; comment", "kept"}));
    const QStringList sources = kit.Lines("ISSSources.SQF");
    ASSERT_EQ(sources.size(), 11);
    EXPECT_EQ(sources.mid(0, 4), QStringList({"Kepler\\nasa.all", "Kepler\\a.txt", "Kepler\\c.txt", "Kepler\\d.txt"}));
    EXPECT_FALSE(kit.Exists("Bravo.ISS"));
    EXPECT_TRUE(kit.Exists("Charlie.ISS"));
    EXPECT_EQ(groups.Groups(), QStringList({"Standard", "Alpha", "Charlie", "Delta"}));
}

TEST_F(GroupEditTest, DeleteRefusedOrDeclinedChangesNothing) {
    struct Case {
        int position;
        std::deque<Answer> answers;
        QStringList messages;
    } cases[] = {
        {0, {}, {"This group must not be deleted!"}},
        {2, {Answer::No}, {}},
        {2, {}, {}},  // unattended: the safe answer
    };
    const QByteArray list = kit.Read("ISSFiles8d.SQF");
    for (auto& c : cases) {
        prompt.Messages.clear();
        prompt.Answers = c.answers;
        EXPECT_FALSE(groups.DeleteGroup(c.position, prompt));
        EXPECT_EQ(prompt.Messages, c.messages);
    }
    EXPECT_EQ(kit.Read("ISSFiles8d.SQF"), list);
    EXPECT_TRUE(kit.Exists("Bravo.ISS"));
}

TEST_F(GroupEditTest, DeletingTheLoadedGroupLoadsTheFirstOne) {
    ASSERT_EQ(groups.SwitchGroup(3, TSwitchVariant::GroupDialog, prompt), TSwitchResult::Switched);
    groups.RememberCurrent();
    prompt.Answers = {Answer::Yes};
    ASSERT_TRUE(groups.DeleteGroup(3, prompt));
    EXPECT_EQ(groups.CurrentGroup(), "Standard");
    EXPECT_EQ(groups.ListPosition(), 0);
    EXPECT_EQ(groups.CurrentSource(), kit.Path("Kepler/nasa.all"));
    EXPECT_EQ(loads, 2);  // the first group's selection was loaded
    // Cancel in the group dialog now cannot bring the deleted group back.
    groups.RestoreRemembered();
    EXPECT_EQ(groups.CurrentGroup(), "Standard");
}

TEST_F(GroupEditTest, RememberedGroupFollowsItsNewPosition) {
    ASSERT_EQ(groups.SwitchGroup(4, TSwitchVariant::GroupDialog, prompt), TSwitchResult::Switched);
    groups.RememberCurrent();
    prompt.Answers = {Answer::Yes};
    ASSERT_TRUE(groups.DeleteGroup(1, prompt));
    EXPECT_EQ(groups.ListPosition(), 3);
    groups.RestoreRemembered();
    EXPECT_EQ(groups.CurrentGroup(), "Delta");
    EXPECT_EQ(groups.ListPosition(), 3);
}

}  // namespace
}  // namespace kelvora
