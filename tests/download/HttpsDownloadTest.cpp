// https is fetched as https with the server's certificate checked, and a redirect
// never leads from https to http. The server's certificate is made for the run.

#include "ElementDownload.h"
#include "DownloadTestSupport.h"
#include "LocalHttpServer.h"

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

const QByteArray Tle = test::IssTwoLineFile();
const QByteArray OldFile = "THE OLD FILE\r\n";

class HttpsDownloadTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { certificate_ = test::MakeTestCertificate(&why_); }
    void SetUp() override {
        if (!certificate_) GTEST_SKIP() << "https cases skipped: " << why_.toStdString();
        https_.emplace(&*certificate_);
        ASSERT_TRUE(https_->Listening());
        ASSERT_TRUE(http_.Listening());
        download_.Limits.StallTimeoutMs = 2000;
        QSslConfiguration trusting = QSslConfiguration::defaultConfiguration();
        trusting.addCaCertificate(certificate_->Certificate);
        download_.SetSslConfiguration(trusting);
        QDir().mkpath(Kepler());
        QFile old(QDir(Kepler()).filePath("nasabare.txt"));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(OldFile);
    }
    QString Kepler() const { return data_.filePath("Kepler"); }
    QByteArray ReadKepler(const QString& name) const {
        QFile file(QDir(Kepler()).filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    static inline std::optional<test::TTestCertificate> certificate_;
    static inline QString why_;
    QTemporaryDir data_;
    LocalHttpServer http_;
    std::optional<LocalHttpServer> https_;
    TElementDownload download_{Kepler()};
};

TEST_F(HttpsDownloadTest, TrustedServerIsFetchedOverHttps) {
    https_->Answer("/tle/nasabare.txt", HttpResponse("200 OK", Tle));
    const TDownloadResult result = RunDownload(download_, https_->Url("/tle/nasabare.txt"));
    EXPECT_EQ(result.Outcome, TDownloadOutcome::Stored) << result.Reason.toStdString();
    EXPECT_EQ(ReadKepler("nasabare.txt"), Tle);
}

// The old behaviour fetched an https group query as http.
TEST_F(HttpsDownloadTest, GroupQueryStaysHttps) {
    https_->Answer("/gp.php?GROUP=amateur&FORMAT=tle", HttpResponse("200 OK", Tle));
    const TDownloadResult result = RunDownload(download_, https_->Url("/gp.php?GROUP=amateur&FORMAT=tle"));
    EXPECT_EQ(result.Outcome, TDownloadOutcome::Stored) << result.Reason.toStdString();
    EXPECT_EQ(https_->Requests, QStringList{"/gp.php?GROUP=amateur&FORMAT=tle"});
    EXPECT_EQ(ReadKepler("amateur.tle"), Tle);
}

TEST_F(HttpsDownloadTest, UntrustedCertificateIsRefused) {
    download_.SetSslConfiguration(QSslConfiguration::defaultConfiguration());
    https_->Answer("/tle/nasabare.txt", HttpResponse("200 OK", Tle));
    const TDownloadResult result = RunDownload(download_, https_->Url("/tle/nasabare.txt"));
    EXPECT_EQ(result.Outcome, TDownloadOutcome::Failed);
    EXPECT_TRUE(result.Reason.contains("certificate")) << result.Reason.toStdString();
    EXPECT_TRUE(https_->Requests.isEmpty());
    EXPECT_EQ(ReadKepler("nasabare.txt"), OldFile);
}

TEST_F(HttpsDownloadTest, RedirectToHttpIsRefused) {
    http_.Answer("/tle/nasabare.txt", HttpResponse("200 OK", Tle));
    https_->Answer("/tle/nasabare.txt", HttpRedirect("302 Found", http_.Url("/tle/nasabare.txt").toLatin1()));
    const TDownloadResult result = RunDownload(download_, https_->Url("/tle/nasabare.txt"));
    EXPECT_EQ(result.Outcome, TDownloadOutcome::Failed);
    EXPECT_TRUE(http_.Requests.isEmpty());
    EXPECT_EQ(ReadKepler("nasabare.txt"), OldFile);
}

TEST_F(HttpsDownloadTest, RedirectFromHttpToHttpsIsFollowed) {
    https_->Answer("/tle/nasabare.txt", HttpResponse("200 OK", Tle));
    http_.Answer("/tle/nasabare.txt",
                 HttpRedirect("301 Moved Permanently", https_->Url("/tle/nasabare.txt").toLatin1()));
    const TDownloadResult result = RunDownload(download_, http_.Url("/tle/nasabare.txt"));
    EXPECT_EQ(result.Outcome, TDownloadOutcome::Stored) << result.Reason.toStdString();
    EXPECT_EQ(ReadKepler("nasabare.txt"), Tle);
}

}  // namespace
}  // namespace kelvora
