// "Download Keps": the address list, what the operator is told, the transfer's
// progress bar and Cancel, and what the selection window hears of it.
#include "DownlKepsU.h"
#include "GroupTestSupport.h"
#include "DownloadTestSupport.h"
#include "LocalHttpServer.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace kelvora {
namespace {

using grouptest::CrLf;
using grouptest::KitFolder;
using grouptest::ScriptedPrompt;
using test::HttpResponse;
using test::LocalHttpServer;

const QByteArray Tle = test::IssTwoLineFile();

QStringList Texts(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
    return texts;
}

class DownloadKepsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(http.Listening());
        kit.Write("Celestrak.SQF", CrLf({"; addresses", http.Url("/keps/nasabare.txt"), "",
                                         http.Url("/gp.php?GROUP=amateur&FORMAT=xml"), http.Url("/slow/nasa.all")}));
        dialog = std::make_unique<TDownloadKeps>(kit.Folder(), prompt);
        dialog->Download().Limits.StallTimeoutMs = 60000;
        dialog->FileStored = [this](const QString& path) { stored << path; };
        dialog->ReturnToRememberedFile = [this] { ++returned; };
    }
    template <class T>
    T* Find(const char* name) {
        return dialog->findChild<T*>(name);
    }
    void Click(const char* button) { QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton); }
    void ChooseRow(int row) { Find<QListWidget>("lstCelesAdr")->setCurrentRow(row); }
    // Until the transfer has ended, or 10 s.
    void WaitForTheEnd() {
        const QDeadlineTimer deadline(10000);
        while (dialog->Download().Running() && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        ASSERT_FALSE(dialog->Download().Running()) << "no end within 10 s";
    }

    KitFolder kit;
    LocalHttpServer http;
    ScriptedPrompt prompt;
    std::unique_ptr<TDownloadKeps> dialog;
    QStringList stored;
    int returned = 0;
};

TEST_F(DownloadKepsTest, ListsTheAddressesWithTheFirstHighlighted) {
    EXPECT_EQ(dialog->windowTitle(), "Download Keps");
    EXPECT_FALSE(dialog->isModal());
    EXPECT_EQ(Find<QLabel>("Label1")->text(), "Select URL, then click on \"Download!\"");
    EXPECT_EQ(Find<QPushButton>("cmdDownload")->text(), "Download");
    EXPECT_EQ(Find<QPushButton>("cmdHelp")->text(), "Help");
    EXPECT_EQ(Find<QPushButton>("cmdQuit")->text(), "Quit");
    const QListWidget* list = Find<QListWidget>("lstCelesAdr");
    EXPECT_EQ(Texts(list), QStringList({http.Url("/keps/nasabare.txt"), "",
                                        http.Url("/gp.php?GROUP=amateur&FORMAT=xml"), http.Url("/slow/nasa.all")}));
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_FALSE(Find<QPushButton>("cmdCancel")->isEnabled());
    EXPECT_TRUE(prompt.Messages.isEmpty());
}

TEST_F(DownloadKepsTest, MissingAddressFileIsReportedAndLeavesTheListEmpty) {
    kit.Remove("Celestrak.SQF");
    TDownloadKeps withoutList(kit.Folder(), prompt);
    EXPECT_EQ(withoutList.findChild<QListWidget*>("lstCelesAdr")->count(), 0);
    ASSERT_EQ(prompt.Messages.size(), 1);
    EXPECT_TRUE(prompt.Messages[0].contains("Celestrak.SQF"));
}

TEST_F(DownloadKepsTest, DirectDownloadIsStoredToldAndListed) {
    http.Answer("/keps/nasabare.txt", HttpResponse("200 OK", Tle));
    Click("cmdDownload");
    EXPECT_FALSE(Find<QPushButton>("cmdDownload")->isEnabled());
    EXPECT_TRUE(Find<QPushButton>("cmdCancel")->isEnabled());
    WaitForTheEnd();
    EXPECT_EQ(prompt.Messages, QStringList{"Download succesful!"});
    EXPECT_EQ(stored, QStringList{kit.Path("Kepler/nasabare.txt")});
    EXPECT_EQ(kit.Read("Kepler/nasabare.txt"), Tle);
    EXPECT_TRUE(Find<QPushButton>("cmdDownload")->isEnabled());
    EXPECT_FALSE(Find<QPushButton>("cmdCancel")->isEnabled());
}

TEST_F(DownloadKepsTest, GroupQueryOfAnotherFormIsStoredAndListed) {
    http.Answer("/gp.php?GROUP=amateur&FORMAT=xml", HttpResponse("200 OK", "<?xml version=\"1.0\"?>\n<ndm/>\n"));
    ChooseRow(2);
    Click("cmdDownload");
    WaitForTheEnd();
    EXPECT_EQ(prompt.Messages, QStringList{"Downlaod successful!"});
    EXPECT_EQ(stored, QStringList{kit.Path("Kepler/amateur.xml")});
}

TEST_F(DownloadKepsTest, FailureIsToldWithItsReasonAndStoresNothing) {
    Click("cmdDownload");  // the server has no such file
    WaitForTheEnd();
    ASSERT_EQ(prompt.Messages.size(), 1);
    EXPECT_TRUE(prompt.Messages[0].startsWith("Download failed\n")) << prompt.Messages[0].toStdString();
    EXPECT_TRUE(stored.isEmpty());
}

TEST_F(DownloadKepsTest, EmptyEntryDoesNothing) {
    ChooseRow(1);
    Click("cmdDownload");
    EXPECT_FALSE(dialog->Download().Running());
    EXPECT_TRUE(http.Requests.isEmpty());
    EXPECT_TRUE(prompt.Messages.isEmpty());
}

TEST_F(DownloadKepsTest, CancelEndsTheTransferSilently) {
    http.Answer("/slow/nasa.all", {}, LocalHttpServer::TMode::Stall);
    kit.Write("Kepler/nasa.all", "OLD");
    ChooseRow(3);
    Click("cmdDownload");
    ASSERT_TRUE(dialog->Download().Running());
    Click("cmdCancel");
    EXPECT_FALSE(dialog->Download().Running());
    EXPECT_TRUE(prompt.Messages.isEmpty());
    EXPECT_EQ(kit.Read("Kepler/nasa.all"), "OLD");
    EXPECT_TRUE(Find<QPushButton>("cmdDownload")->isEnabled());
}

TEST_F(DownloadKepsTest, QuitEndsTheTransferAndReturnsTheSelectionWindowToItsFile) {
    http.Answer("/slow/nasa.all", {}, LocalHttpServer::TMode::Stall);
    dialog->show();
    ChooseRow(3);
    Click("cmdDownload");
    Click("cmdQuit");
    EXPECT_FALSE(dialog->Download().Running());
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(returned, 1);
    EXPECT_TRUE(prompt.Messages.isEmpty());
}

TEST_F(DownloadKepsTest, ClosingTheWindowActsAsQuit) {
    dialog->show();
    dialog->close();
    EXPECT_EQ(returned, 1);
}

TEST_F(DownloadKepsTest, HelpIsOneMessageEndingAtTheFaq) {
    Click("cmdHelp");
    ASSERT_EQ(prompt.Messages.size(), 1);
    EXPECT_TRUE(
        prompt.Messages[0].startsWith("To download a Keplerian data file select the address in the list and\r"));
    EXPECT_TRUE(prompt.Messages[0].endsWith("read the FAQ file, section 2."));
}

}  // namespace
}  // namespace kelvora
