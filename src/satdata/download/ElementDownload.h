#pragma once
// One element download at a time, on the event loop: the caller is never blocked,
// hears of the progress and of the end by signals, and may cancel. The body is held
// in memory (bounded) and stored in "Kepler" only when the whole transfer succeeded,
// through a temporary file renamed over the old one, so a failed, cut or cancelled
// transfer leaves any earlier file as it was. https is fetched as https with the
// certificate checked; redirects are followed a bounded number of times and never
// from https to http; a transfer that stalls is ended.

#include "DownloadAddresses.h"

#include <QNetworkAccessManager>
#include <QObject>
#include <QSslConfiguration>
#include <QTimer>

class QNetworkReply;

namespace kelvora {

enum class TDownloadOutcome {
    Stored,  // the file is in "Kepler"
    NoKeplerianData,  // an element file without a two-line pair: nothing stored
    Failed,  // the address, the transfer or the write failed: nothing stored
    Cancelled,  // the caller ended it: nothing stored
};

struct TDownloadResult {
    TDownloadKind Kind = TDownloadKind::ElementFile;
    TDownloadOutcome Outcome = TDownloadOutcome::Failed;
    QString StoredPath;  // with Stored
    QString Reason;  // with Failed: what went wrong, for the operator
};

// The box the operator sees at the end; empty for a cancelled download. The fixed
// text comes first; a failure adds its reason on the next line.
QString DownloadMessage(const TDownloadResult& result);

struct TDownloadLimits {
    int StallTimeoutMs = 30000;  // no byte for this long ends the transfer
    int MaxRedirects = 10;
    qint64 MaxBytes = 64 * 1024 * 1024;  // as much as the element readers read
};

class TElementDownload : public QObject {
    Q_OBJECT
public:
    // keplerFolder: where files are stored (made when missing).
    explicit TElementDownload(QString keplerFolder, QObject* parent = nullptr);
    ~TElementDownload() override;

    TDownloadLimits Limits;
    // The TLS settings of every request; the default trusts the system's authorities.
    // Peer verification stays on whatever is set here.
    void SetSslConfiguration(const QSslConfiguration& configuration) { ssl_ = configuration; }

    // Starts the download of an address; false (and nothing happens) while another
    // runs. Every started download ends with exactly one Finished, never from inside
    // Start itself.
    bool Start(const QString& address);
    // Ends a running download with Cancelled; nothing when none runs.
    void Cancel();
    bool Running() const { return running_; }

signals:
    // total is -1 while the size is not known.
    void Progress(qint64 received, qint64 total);
    void Finished(const kelvora::TDownloadResult& result);

private:
    void ReadBody();
    bool TooLarge();  // sets the reason
    void Stalled();
    void ReplyFinished();
    TDownloadResult Store();
    void Finish(TDownloadResult result);
    void FinishLater(TDownloadResult result);

    QString keplerFolder_;
    QNetworkAccessManager manager_;
    QSslConfiguration ssl_ = QSslConfiguration::defaultConfiguration();
    QTimer stallTimer_;
    QNetworkReply* reply_ = nullptr;
    TDownloadPlan plan_;
    QByteArray body_;
    QString endReason_;  // set when this side ended the transfer
    bool cancelled_ = false;
    bool running_ = false;
};

}  // namespace kelvora
