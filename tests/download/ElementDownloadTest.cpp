// The transfer against local servers: what is stored in "Kepler", and that a failed,
// cut, stalled, cancelled or refused transfer leaves the file that was there before
// byte for byte. Plain http here; https with a certificate made for the run below.

#include "ElementDownload.h"
#include "DownloadTestSupport.h"
#include "LocalHttpServer.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <optional>

namespace kelvora {
namespace {

using test::HttpRedirect;
using test::HttpResponse;
using test::LocalHttpServer;
using test::RunDownload;
using Mode = LocalHttpServer::TMode;

const QByteArray Tle = test::IssTwoLineFile();
const QByteArray Xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ndm><omm><body><segment/></body></omm></ndm>\n";
const QByteArray Csv = "OBJECT_NAME,OBJECT_ID,EPOCH,MEAN_MOTION\nISS (ZARYA),1998-067A,2024-02-12T12:00:00,15.72\n";
const QByteArray OldFile = "THE OLD FILE\r\n1 00001U\r\n2 00001\r\n";

class DownloadFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(http_.Listening());
        download_.Limits.StallTimeoutMs = 300;
    }
    QString Kepler() const { return data_.filePath("Kepler"); }
    void WriteKepler(const QString& name, const QByteArray& bytes) const {
        QDir().mkpath(Kepler());
        QFile file(QDir(Kepler()).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray ReadKepler(const QString& name) const {
        QFile file(QDir(Kepler()).filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    // Everything in "Kepler", hidden temporary files included.
    QStringList KeplerFiles() const { return QDir(Kepler()).entryList(QDir::Files | QDir::Hidden, QDir::Name); }

    QTemporaryDir data_;
    LocalHttpServer http_;
    TElementDownload download_{Kepler()};
};

struct Route {
    QByteArray Path;
    QByteArray Raw;
    Mode How = Mode::Answer;
};

struct TransferCase {
    const char* Name;
    std::vector<Route> Routes;
    QByteArray Path;  // asked for
    const char* Target;  // its name in "Kepler"
    bool OldFileThere;  // written before, so a failure can be seen to keep it
    TDownloadOutcome Outcome;
    QByteArray Stored;  // the content with Stored
};

void PrintTo(const TransferCase& c, std::ostream* os) { *os << c.Name; }

class TransferTest : public DownloadFixture, public ::testing::WithParamInterface<TransferCase> {};

TEST_P(TransferTest, StoresOnlyAWholeGoodAnswer) {
    const TransferCase& c = GetParam();
    for (const Route& route : c.Routes) http_.Answer(route.Path, route.Raw, route.How);
    if (c.OldFileThere) WriteKepler(c.Target, OldFile);

    const TDownloadResult result = RunDownload(download_, http_.Url(QString::fromLatin1(c.Path)));

    EXPECT_EQ(result.Outcome, c.Outcome) << result.Reason.toStdString();
    if (c.Outcome == TDownloadOutcome::Stored) {
        EXPECT_EQ(result.StoredPath, QDir(Kepler()).filePath(c.Target));
        EXPECT_EQ(ReadKepler(c.Target), c.Stored);
    } else {
        EXPECT_EQ(ReadKepler(c.Target), c.OldFileThere ? OldFile : QByteArray("<missing>"));
    }
    if (c.Outcome == TDownloadOutcome::Failed) {
        EXPECT_FALSE(result.Reason.isEmpty());
    }
    // Nothing else is left behind: no temporary file, no half file under another name.
    EXPECT_EQ(KeplerFiles(),
              c.OldFileThere || c.Outcome == TDownloadOutcome::Stored ? QStringList{c.Target} : QStringList{});
}

constexpr auto Stored = TDownloadOutcome::Stored;
constexpr auto Failed = TDownloadOutcome::Failed;
constexpr auto NoData = TDownloadOutcome::NoKeplerianData;

// Content-Length promises more than comes.
const QByteArray CutOff = "HTTP/1.1 200 OK\r\nContent-Length: 5000\r\nConnection: close\r\n\r\n" + Tle;

INSTANTIATE_TEST_SUITE_P(
    Http, TransferTest,
    ::testing::Values(
        TransferCase{"DirectTwoLineFile",
                     {{"/tle/nasabare.txt", HttpResponse("200 OK", Tle)}},
                     "/tle/nasabare.txt",
                     "nasabare.txt",
                     false,
                     Stored,
                     Tle},
        TransferCase{"DirectReplacesOld",
                     {{"/tle/nasa.all", HttpResponse("200 OK", Tle)}},
                     "/tle/nasa.all",
                     "nasa.all",
                     true,
                     Stored,
                     Tle},
        TransferCase{"DirectXmlRejected",
                     {{"/omm/nasa.all", HttpResponse("200 OK", Xml)}},
                     "/omm/nasa.all",
                     "nasa.all",
                     true,
                     NoData,
                     {}},
        TransferCase{"DirectCsvRejected",
                     {{"/omm/nasa.all", HttpResponse("200 OK", Csv)}},
                     "/omm/nasa.all",
                     "nasa.all",
                     true,
                     NoData,
                     {}},
        TransferCase{"NotFound", {}, "/tle/nasa.all", "nasa.all", true, Failed, {}},
        TransferCase{"ServerError",
                     {{"/tle/nasa.all", HttpResponse("500 Internal Server Error", Tle)}},
                     "/tle/nasa.all",
                     "nasa.all",
                     true,
                     Failed,
                     {}},
        TransferCase{"RedirectChain",
                     {{"/current/nasabare.txt", HttpRedirect("302 Found", "/mirror/a")},
                      {"/mirror/a", HttpRedirect("301 Moved Permanently", "/final/b.txt")},
                      {"/final/b.txt", HttpResponse("200 OK", Tle)}},
                     "/current/nasabare.txt",
                     "nasabare.txt",
                     true,
                     Stored,
                     Tle},
        TransferCase{"RedirectLoop",
                     {{"/loop/nasa.all", HttpRedirect("302 Found", "/loop/nasa.all")}},
                     "/loop/nasa.all",
                     "nasa.all",
                     true,
                     Failed,
                     {}},
        TransferCase{"StallsBeforeAnswer",
                     {{"/slow/nasa.all", {}, Mode::Stall}},
                     "/slow/nasa.all",
                     "nasa.all",
                     true,
                     Failed,
                     {}},
        TransferCase{
            "StallsMidBody", {{"/slow/nasa.all", CutOff, Mode::Stall}}, "/slow/nasa.all", "nasa.all", true, Failed, {}},
        TransferCase{"CutOffMidBody", {{"/cut/nasa.all", CutOff}}, "/cut/nasa.all", "nasa.all", true, Failed, {}},
        TransferCase{"EmptyAnswer",
                     {{"/empty/nasa.all", HttpResponse("200 OK", {})}},
                     "/empty/nasa.all",
                     "nasa.all",
                     true,
                     Failed,
                     {}},
        TransferCase{"GroupQueryTle",
                     {{"/gp.php?GROUP=amateur&FORMAT=tle", HttpResponse("200 OK", Tle)}},
                     "/gp.php?GROUP=amateur&FORMAT=tle",
                     "amateur.tle",
                     true,
                     Stored,
                     Tle},
        // A group query stores whatever form it asked for; the readers know them all.
        TransferCase{"GroupQueryXmlStored",
                     {{"/gp.php?GROUP=amateur&FORMAT=xml", HttpResponse("200 OK", Xml)}},
                     "/gp.php?GROUP=amateur&FORMAT=xml",
                     "amateur.xml",
                     false,
                     Stored,
                     Xml},
        TransferCase{"GroupQueryCsvStored",
                     {{"/gp.php?GROUP=weather&FORMAT=csv", HttpResponse("200 OK", Csv)}},
                     "/gp.php?GROUP=weather&FORMAT=csv",
                     "weather.csv",
                     false,
                     Stored,
                     Csv},
        TransferCase{"GroupQueryNotFound", {}, "/gp.php?GROUP=amateur&FORMAT=tle", "amateur.tle", true, Failed, {}}),
    [](const ::testing::TestParamInfo<TransferCase>& info) { return std::string(info.param.Name); });

TEST_F(DownloadFixture, CraftedGroupNameFetchesAndWritesNothing) {
    const TDownloadResult result = RunDownload(download_, http_.Url("/gp.php?GROUP=../../evil&FORMAT=tle"));
    EXPECT_EQ(result.Outcome, Failed);
    EXPECT_EQ(result.Kind, TDownloadKind::GroupQuery);
    EXPECT_TRUE(http_.Requests.isEmpty());
    EXPECT_FALSE(QFile::exists(QDir(Kepler()).filePath("../../evil.tle")));
    EXPECT_FALSE(QFile::exists(data_.filePath("evil.tle")));
}

TEST_F(DownloadFixture, OtherSchemesAreRefused) {
    EXPECT_EQ(RunDownload(download_, "file://" + data_.filePath("nasa.all")).Outcome, Failed);
    EXPECT_EQ(RunDownload(download_, "ftp://127.0.0.1/nasa.all").Outcome, Failed);
    EXPECT_TRUE(KeplerFiles().isEmpty());
}

TEST_F(DownloadFixture, LargerThanTheBoundIsNotStored) {
    download_.Limits.MaxBytes = 1000;
    QByteArray big;
    while (big.size() <= 1000) big += Tle;
    http_.Answer("/big/nasa.all", HttpResponse("200 OK", big));
    WriteKepler("nasa.all", OldFile);
    const TDownloadResult result = RunDownload(download_, http_.Url("/big/nasa.all"));
    EXPECT_EQ(result.Outcome, Failed);
    EXPECT_EQ(ReadKepler("nasa.all"), OldFile);
}

TEST_F(DownloadFixture, CancelEndsTheTransferAndKeepsTheOldFile) {
    http_.Answer("/slow/nasa.all", {}, Mode::Stall);
    download_.Limits.StallTimeoutMs = 60000;
    WriteKepler("nasa.all", OldFile);
    std::optional<TDownloadResult> result;
    QObject::connect(&download_, &TElementDownload::Finished, [&](const TDownloadResult& r) { result = r; });
    ASSERT_TRUE(download_.Start(http_.Url("/slow/nasa.all")));
    EXPECT_FALSE(download_.Start(http_.Url("/slow/nasa.all"))) << "a second download while one runs";
    const QDeadlineTimer deadline(10000);
    while (http_.Requests.isEmpty() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    ASSERT_EQ(http_.Requests.size(), 1);

    download_.Cancel();

    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->Outcome, TDownloadOutcome::Cancelled);
    EXPECT_EQ(DownloadMessage(*result), QString());
    EXPECT_FALSE(download_.Running());
    EXPECT_EQ(ReadKepler("nasa.all"), OldFile);
}

TEST_F(DownloadFixture, ReportsProgress) {
    http_.Answer("/tle/nasabare.txt", HttpResponse("200 OK", Tle));
    qint64 last = -1;
    QObject::connect(&download_, &TElementDownload::Progress, [&](qint64 received, qint64 total) {
        EXPECT_EQ(total, Tle.size());
        last = received;
    });
    EXPECT_EQ(RunDownload(download_, http_.Url("/tle/nasabare.txt")).Outcome, Stored);
    EXPECT_EQ(last, Tle.size());
}

struct MessageCase {
    TDownloadKind Kind;
    TDownloadOutcome Outcome;
    const char* Reason;
    const char* Message;
};

class DownloadMessageTest : public ::testing::TestWithParam<MessageCase> {};

TEST_P(DownloadMessageTest, IsTheFixedTextThenTheReason) {
    const MessageCase& c = GetParam();
    EXPECT_EQ(DownloadMessage({c.Kind, c.Outcome, {}, c.Reason}), QString(c.Message));
}

constexpr auto File = TDownloadKind::ElementFile;
constexpr auto Group = TDownloadKind::GroupQuery;

INSTANTIATE_TEST_SUITE_P(Texts, DownloadMessageTest,
                         ::testing::Values(MessageCase{File, Stored, "", "Download succesful!"},
                                           MessageCase{File, NoData, "", "No Keplerian data found!"},
                                           MessageCase{File, Failed, "Timed out.", "Download failed\nTimed out."},
                                           MessageCase{Group, Stored, "", "Downlaod successful!"},
                                           MessageCase{Group, Failed, "404", "Download failed!\n404"},
                                           MessageCase{Group, TDownloadOutcome::Cancelled, "", ""}));

}  // namespace
}  // namespace kelvora
