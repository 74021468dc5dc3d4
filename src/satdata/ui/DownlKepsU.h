#pragma once
// "Download Keps" (TDownloadKeps): fetches element files from the addresses of
// "Celestrak.SQF" into the data folder's "Kepler", beside the selection window and
// not modal. The transfer runs on the event loop (TElementDownload) with a progress
// bar and a Cancel button; the window itself only starts it and tells the outcome.

#include "ElementDownload.h"
#include "OperatorPrompt.h"

#include <QDialog>
#include <functional>

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace kelvora {

class TDownloadKeps : public QDialog {
    Q_OBJECT
public:
    // The address list is read here (ReadDownloadAddresses); a missing "Celestrak.SQF"
    // is reported through the prompt and leaves the list empty.
    TDownloadKeps(const QString& dataFolder, IOperatorPrompt& prompt, QWidget* parent = nullptr);

    // ---- Callbacks into the selection window (each may stay empty) ----
    // A file was stored in "Kepler" (either kind of download): list it.
    std::function<void(const QString& path)> FileStored;
    // Quit or close: the file list goes back to the file it showed when the dialog was
    // opened, and that file is loaded again.
    std::function<void()> ReturnToRememberedFile;

    // The transfer, for its limits and TLS settings.
    TElementDownload& Download() { return download_; }

    // ---- Event handlers (component + event) ----
    void ReadDownloadAddresses();
    void cmdDownloadClick();
    void cmdCancelClick();
    void cmdHelpClick();
    void cmdQuitClick() { reject(); }
    // Quit, Escape and the close button all end here (FormCloseQuery): a running
    // transfer is cancelled first.
    void reject() override;

private:
    void DownloadProgress(qint64 received, qint64 total);
    void DownloadFinished(const TDownloadResult& result);
    void ShowRunning(bool running);

    QString dataFolder_;
    IOperatorPrompt& prompt_;
    TElementDownload download_;

    QListWidget* lstCelesAdr_ = nullptr;
    QProgressBar* prgDownload_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
    QPushButton* cmdDownload_ = nullptr;
};

}  // namespace kelvora
