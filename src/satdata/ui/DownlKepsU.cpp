#include "DownlKepsU.h"

#include "GroupDialogSupport.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QVBoxLayout>

#include <algorithm>

namespace kelvora {

TDownloadKeps::TDownloadKeps(const QString& dataFolder, IOperatorPrompt& prompt, QWidget* parent)
    : QDialog(parent), dataFolder_(dataFolder), prompt_(prompt),
      download_(QDir(dataFolder).filePath(KeplerFolderName)) {
    setObjectName("DownloadKeps");
    setWindowTitle("Download Keps");
    setModal(false);
    auto* layout = new QVBoxLayout(this);

    auto* label1 = new QLabel("Select URL, then click on \"Download!\"");
    label1->setObjectName("Label1");
    label1->setStyleSheet("color: blue");
    layout->addWidget(label1);
    lstCelesAdr_ = new QListWidget;
    lstCelesAdr_->setObjectName("lstCelesAdr");
    lstCelesAdr_->setMinimumWidth(420);
    layout->addWidget(lstCelesAdr_);

    // Always in place, so that nothing jumps when a transfer starts.
    auto* transfer = new QHBoxLayout;
    prgDownload_ = new QProgressBar;
    prgDownload_->setObjectName("prgDownload");
    transfer->addWidget(prgDownload_, 1);
    cmdCancel_ = new QPushButton("Cancel");
    cmdCancel_->setObjectName("cmdCancel");
    cmdCancel_->setAutoDefault(false);
    transfer->addWidget(cmdCancel_);
    layout->addLayout(transfer);

    auto* buttons = new QDialogButtonBox;
    layout->addWidget(buttons);
    cmdDownload_ = AddButton(buttons, "cmdDownload", "Download", QDialogButtonBox::ActionRole);
    cmdDownload_->setDefault(true);
    QPushButton* help = AddButton(buttons, "cmdHelp", "Help", QDialogButtonBox::HelpRole);
    QPushButton* quit = AddButton(buttons, "cmdQuit", "Quit", QDialogButtonBox::RejectRole);
    connect(cmdDownload_, &QPushButton::clicked, this, &TDownloadKeps::cmdDownloadClick);
    connect(cmdCancel_, &QPushButton::clicked, this, &TDownloadKeps::cmdCancelClick);
    connect(help, &QPushButton::clicked, this, &TDownloadKeps::cmdHelpClick);
    connect(quit, &QPushButton::clicked, this, &TDownloadKeps::cmdQuitClick);

    connect(&download_, &TElementDownload::Progress, this, &TDownloadKeps::DownloadProgress);
    connect(&download_, &TElementDownload::Finished, this, &TDownloadKeps::DownloadFinished);
    ShowRunning(false);
    ReadDownloadAddresses();
}

void TDownloadKeps::ReadDownloadAddresses() {
    lstCelesAdr_->clear();
    ReportingFileErrors(prompt_, [this] { lstCelesAdr_->addItems(kelvora::ReadDownloadAddresses(dataFolder_)); });
    if (lstCelesAdr_->count() > 0) lstCelesAdr_->setCurrentRow(0);
}

void TDownloadKeps::cmdDownloadClick() {
    const QListWidgetItem* item = lstCelesAdr_->currentItem();
    if (!item || item->text().trimmed().isEmpty() || download_.Running()) return;
    if (download_.Start(item->text())) ShowRunning(true);
}

void TDownloadKeps::cmdCancelClick() { download_.Cancel(); }

void TDownloadKeps::cmdHelpClick() { prompt_.Message(DownloadHelpText(), IOperatorPrompt::Icon::Information); }

void TDownloadKeps::reject() {
    download_.Cancel();
    if (ReturnToRememberedFile) ReturnToRememberedFile();
    QDialog::reject();
}

void TDownloadKeps::DownloadProgress(qint64 received, qint64 total) {
    if (total <= 0) {
        prgDownload_->setRange(0, 0);  // size unknown: the bar only shows that it runs
        return;
    }
    prgDownload_->setRange(0, 1000);
    prgDownload_->setValue(static_cast<int>(std::min<qint64>(1000, received * 1000 / total)));
}

void TDownloadKeps::DownloadFinished(const TDownloadResult& result) {
    ShowRunning(false);
    const QString message = DownloadMessage(result);
    if (!message.isEmpty()) {
        const bool stored = result.Outcome == TDownloadOutcome::Stored;
        prompt_.Message(message, stored ? IOperatorPrompt::Icon::Information : IOperatorPrompt::Icon::Warning);
    }
    if (result.Outcome == TDownloadOutcome::Stored && FileStored) FileStored(result.StoredPath);
}

void TDownloadKeps::ShowRunning(bool running) {
    cmdDownload_->setEnabled(!running);
    cmdCancel_->setEnabled(running);
    prgDownload_->setRange(0, 1000);
    prgDownload_->setValue(0);
    prgDownload_->setTextVisible(running);
}

}  // namespace kelvora
