// Files the operator's commands write, with a folder standing where the file should
// be: the write fails for real and the operator must see it.
#include "AusgabeU.h"
#include "ExitCodes.h"
#include "KitAppFixture.h"
#include "SatSU.h"

#include <QDir>
#include <QPushButton>
#include <gtest/gtest.h>

namespace kelvora::test {
namespace {

void BlockWithFolder(const KitFolderCopy& data, const QString& name) {
    data.Remove(name);
    ASSERT_TRUE(QDir().mkpath(data.Path(name)));
}

void Unblock(const KitFolderCopy& data, const QString& name) { ASSERT_TRUE(QDir(data.Path(name)).removeRecursively()); }

TEST(WriteFailures, OptionsStoreThatCannotWriteReportsAndStaysOpen) {
    KitApp k;
    TKelvoraApp& app = k.Create();
    app.FormShow();
    BlockWithFolder(k.data, "SatStartISS.SQF");
    app.ShowOptions();
    TSatSetup* dialog = app.OptionsDialog();
    auto* store = dialog->findChild<QPushButton*>("cmdOK");
    ASSERT_NE(store, nullptr);
    store->click();
    ASSERT_EQ(k.prompt.Messages.size(), 1);
    EXPECT_TRUE(k.prompt.Messages.front().contains("SatStartISS.SQF")) << k.prompt.Messages.front().toStdString();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(app.MainWindow()->InputEnabled());

    // Once the file can be written, the same "Store" writes it and closes.
    Unblock(k.data, "SatStartISS.SQF");
    store->click();
    EXPECT_EQ(k.prompt.Messages.size(), 1);
    EXPECT_EQ(k.data.Read("SatStartISS.SQF").count("\r\n"), 15);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(app.MainWindow()->InputEnabled());
}

TEST(WriteFailures, QuitThatCannotSaveTheWindowPositionReportsAndEndsWithStatus3) {
    KitApp k;
    TKelvoraApp& app = k.Create();
    app.FormShow();
    BlockWithFolder(k.data, "SatPosIss.SQF");
    int ended = -1;
    app.EndApplication = [&ended](int exitCode) { ended = exitCode; };
    app.menBeendenClick();
    ASSERT_EQ(k.prompt.Messages.size(), 1);
    EXPECT_TRUE(k.prompt.Messages.front().startsWith("The window position was not saved:\n"));
    EXPECT_TRUE(k.prompt.Messages.front().contains("SatPosIss.SQF")) << k.prompt.Messages.front().toStdString();
    EXPECT_TRUE(app.Ended());
    EXPECT_EQ(app.ExitCode(), ExitSaveFailed);
    EXPECT_EQ(ended, 3);  // the status scripts see, as README.md lists it
}

}  // namespace
}  // namespace kelvora::test
