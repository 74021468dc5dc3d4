#pragma once
// What the download tests share: a two-line file to serve and a download run to its
// end without blocking the test run.

#include "ElementDownload.h"
#include "SampleElements.h"

#include <QByteArray>
#include <QEventLoop>
#include <QTimer>
#include <gtest/gtest.h>
#include <optional>

namespace kelvora::test {

// The ISS with its community name, as a two-line file with CR LF.
inline QByteArray IssTwoLineFile() {
    return QByteArray("ISS (ZARYA)\r\n") + kelvora::testing::kIssLine1 + "\r\n" + kelvora::testing::kIssLine2 + "\r\n";
}

// Runs one download to its end; a download that never ends fails after 10 s
// instead of blocking the run.
inline TDownloadResult RunDownload(TElementDownload& download, const QString& address) {
    std::optional<TDownloadResult> result;
    QEventLoop loop;
    const auto connection =
        QObject::connect(&download, &TElementDownload::Finished, &loop, [&](const TDownloadResult& r) {
            result = r;
            loop.quit();
        });
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    EXPECT_TRUE(download.Start(address));
    EXPECT_FALSE(result.has_value()) << "ended inside Start";
    if (!result) loop.exec();
    QObject::disconnect(connection);
    EXPECT_TRUE(result.has_value()) << "no end within 10 s";
    return result.value_or(TDownloadResult{});
}

}  // namespace kelvora::test
