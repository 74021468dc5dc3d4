#include "ElementDownload.h"

#include "SafeFile.h"

#include <QDir>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslError>

namespace kelvora {

QString DownloadMessage(const TDownloadResult& result) {
    const bool group = result.Kind == TDownloadKind::GroupQuery;
    switch (result.Outcome) {
        case TDownloadOutcome::Stored:
            return group ? QStringLiteral("Downlaod successful!") : QStringLiteral("Download succesful!");
        case TDownloadOutcome::NoKeplerianData:
            return QStringLiteral("No Keplerian data found!");
        case TDownloadOutcome::Failed: {
            const QString text = group ? QStringLiteral("Download failed!") : QStringLiteral("Download failed");
            return result.Reason.isEmpty() ? text : text + "\n" + result.Reason;
        }
        case TDownloadOutcome::Cancelled:
            break;
    }
    return QString();
}

TElementDownload::TElementDownload(QString keplerFolder, QObject* parent)
    : QObject(parent), keplerFolder_(std::move(keplerFolder)) {
    stallTimer_.setSingleShot(true);
    connect(&stallTimer_, &QTimer::timeout, this, &TElementDownload::Stalled);
}

TElementDownload::~TElementDownload() {
    if (reply_) {
        reply_->disconnect(this);
        reply_->abort();
        delete reply_;
    }
}

bool TElementDownload::Start(const QString& address) {
    if (running_) return false;
    running_ = true;
    cancelled_ = false;
    body_.clear();
    endReason_.clear();
    plan_ = PlanDownload(address);
    if (!plan_.Problem.isEmpty()) {
        FinishLater({plan_.Kind, TDownloadOutcome::Failed, {}, plan_.Problem});
        return true;
    }

    QNetworkRequest request(plan_.Request);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(Limits.MaxRedirects);
    QSslConfiguration ssl = ssl_;
    ssl.setPeerVerifyMode(QSslSocket::VerifyPeer);
    request.setSslConfiguration(ssl);

    reply_ = manager_.get(request);
    connect(reply_, &QNetworkReply::readyRead, this, &TElementDownload::ReadBody);
    connect(reply_, &QNetworkReply::metaDataChanged, this, [this] { stallTimer_.start(); });
    connect(reply_, &QNetworkReply::downloadProgress, this, [this](qint64 received, qint64 total) {
        stallTimer_.start();
        emit Progress(received, total);
    });
    // Never ignored: the reply then ends with the handshake error, and the operator
    // learns which check failed.
    connect(reply_, &QNetworkReply::sslErrors, this, [this](const QList<QSslError>& errors) {
        if (!errors.isEmpty() && endReason_.isEmpty())
            endReason_ = "The server's certificate was refused: " + errors.first().errorString();
    });
    connect(reply_, &QNetworkReply::finished, this, &TElementDownload::ReplyFinished);
    stallTimer_.start(Limits.StallTimeoutMs);
    return true;
}

void TElementDownload::Cancel() {
    if (!running_) return;
    cancelled_ = true;
    if (reply_) reply_->abort();
}

void TElementDownload::ReadBody() {
    if (!reply_) return;
    stallTimer_.start();
    body_ += reply_->readAll();
    if (TooLarge()) reply_->abort();
}

bool TElementDownload::TooLarge() {
    if (body_.size() <= Limits.MaxBytes) return false;
    endReason_ = QStringLiteral("The file is larger than %1 MiB.").arg(Limits.MaxBytes / (1024 * 1024));
    return true;
}

void TElementDownload::Stalled() {
    if (!reply_) return;
    endReason_ = QStringLiteral("The server sent nothing for %1 seconds.").arg(Limits.StallTimeoutMs / 1000.0);
    reply_->abort();
}

namespace {

QString ReplyProblem(const QNetworkReply& reply, int maxRedirects) {
    switch (reply.error()) {
        case QNetworkReply::InsecureRedirectError:
            return QStringLiteral("The server redirected an https address to http; it was not followed.");
        case QNetworkReply::RemoteHostClosedError:
            return QStringLiteral("The server closed the connection before the whole file came.");
        case QNetworkReply::TooManyRedirectsError:
            return QStringLiteral("More than %1 redirects.").arg(maxRedirects);
        default:
            return reply.errorString();
    }
}

}  // namespace

void TElementDownload::ReplyFinished() {
    stallTimer_.stop();
    if (!reply_) return;
    const QNetworkReply::NetworkError error = reply_->error();
    if (error == QNetworkReply::NoError) body_ += reply_->readAll();
    const int status = reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (error != QNetworkReply::NoError || TooLarge()) {
        const QString reason = endReason_.isEmpty() ? ReplyProblem(*reply_, Limits.MaxRedirects) : endReason_;
        Finish({plan_.Kind, TDownloadOutcome::Failed, {}, reason});
    } else if (status < 200 || status > 299) {
        Finish({plan_.Kind, TDownloadOutcome::Failed, {}, QStringLiteral("The server answered %1.").arg(status)});
    } else {
        Finish(Store());
    }
}

// An empty answer is no file: it would replace a good one with nothing.
TDownloadResult TElementDownload::Store() {
    if (body_.isEmpty()) return {plan_.Kind, TDownloadOutcome::Failed, {}, QStringLiteral("The server sent no data.")};
    if (plan_.Kind == TDownloadKind::ElementFile && !ContainsTwoLineData(body_))
        return {plan_.Kind, TDownloadOutcome::NoKeplerianData, {}, {}};
    const QString path = QDir(keplerFolder_).filePath(plan_.FileName);
    QString error;
    if (!QDir().mkpath(keplerFolder_)) error = "Cannot make the folder " + keplerFolder_;
    else if (WriteFileSafely(path, body_, &error)) return {plan_.Kind, TDownloadOutcome::Stored, path, {}};
    return {plan_.Kind, TDownloadOutcome::Failed, {}, error};
}

void TElementDownload::Finish(TDownloadResult result) {
    stallTimer_.stop();
    if (reply_) {
        reply_->disconnect(this);
        reply_->deleteLater();
        reply_ = nullptr;
    }
    if (cancelled_) result = {plan_.Kind, TDownloadOutcome::Cancelled, {}, {}};
    body_.clear();
    running_ = false;
    emit Finished(result);
}

void TElementDownload::FinishLater(TDownloadResult result) {
    QTimer::singleShot(0, this, [this, result] { Finish(result); });
}

}  // namespace kelvora
