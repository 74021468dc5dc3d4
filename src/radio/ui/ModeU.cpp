#include "ModeU.h"

#include "CatControl.h"
#include "CatRadioSetup.h"
#include "DialogButtons.h"
#include "RadioDefinition.h"
#include "RadioFiles.h"

#include <QButtonGroup>
#include <QFont>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

namespace kelvora {

QStringList TMode::CorrectionModeItems() { return {" Uplink +  Downlink ", " Uplink ", " Downlink "}; }

TMode::TMode(TCatControl& cat, TDopplerModel& doppler, const TRadioDefinition& definition, QString dataFolder,
             IOperatorPrompt& prompt, std::function<void()> correctionModeShown, QWidget* mainWindow)
    : QDialog(mainWindow), cat_(cat), doppler_(doppler), definition_(definition), dataFolder_(std::move(dataFolder)),
      prompt_(prompt), correctionModeShown_(std::move(correctionModeShown)), mainWindow_(mainWindow) {
    setObjectName("Mode");
    setWindowTitle("Mode");
    setModal(true);
    auto* layout = new QVBoxLayout(this);

    modeGroup_ = new QGroupBox("Doppler correction at:");
    modeGroup_->setObjectName("rdgModeKorr");
    auto* column = new QVBoxLayout(modeGroup_);
    modes_ = new QButtonGroup(modeGroup_);
    const QStringList items = CorrectionModeItems();
    for (int i = 0; i < items.size(); ++i) {
        auto* radio = new QRadioButton(items[i]);
        radio->setObjectName(QStringLiteral("rdgModeKorrItem%1").arg(i));
        modes_->addButton(radio, i);
        column->addWidget(radio);
    }
    layout->addWidget(modeGroup_);
    connect(modes_, &QButtonGroup::idClicked, this, &TMode::rdgModeKorrClick);

    auto* storeRow = new QHBoxLayout;
    store_ = new QPushButton("Store");
    store_->setObjectName("cmdStore");
    auto* storeLabel = new QLabel("(Correction Mode)");
    storeLabel->setObjectName("lblStore");
    storeRow->addWidget(store_);
    storeRow->addWidget(storeLabel);
    storeRow->addStretch();
    layout->addLayout(storeRow);
    connect(store_, &QPushButton::clicked, this, &TMode::cmdStoreClick);

    auto* addressCaption = new QLabel("Rx/Tx-Addresses (Icom)");
    addressCaption->setObjectName("lblAdress");
    layout->addWidget(addressCaption);
    addresses_ = new QListWidget;
    addresses_->setObjectName("lstAdress");
    addresses_->setFont(QFont("Liberation Mono", 10));
    for (const TIcomAddressPair& pair : definition_.IcomAddressTable)
        addresses_->addItem(QString::fromLatin1(IcomAddressListText(pair).c_str()));
    if (addresses_->count() > 0) addresses_->setCurrentRow(0);  // the pair in force after loading
    addresses_->setFixedHeight(8 * addresses_->fontMetrics().height());
    layout->addWidget(addresses_);

    auto* buttons = new QDialogButtonBox;
    layout->addWidget(buttons);
    QPushButton* ok = AddButton(buttons, "cmdOK", "OK", QDialogButtonBox::AcceptRole);
    QPushButton* cancel = AddButton(buttons, "cmdCancel", "Cancel", QDialogButtonBox::RejectRole);
    connect(ok, &QPushButton::clicked, this, &TMode::cmdOKClick);
    connect(cancel, &QPushButton::clicked, this, &TMode::cmdCancelClick);
}

void TMode::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
    if (mainWindow_) move(mainWindow_->geometry().center() - rect().center());
}

void TMode::FormShow() {
    modes_->button(doppler_.State().CorrectionMode)->setChecked(true);
    const bool vfo = doppler_.State().VfoMode;
    modeGroup_->setEnabled(vfo);
    store_->setEnabled(vfo);
}

void TMode::rdgModeKorrClick(int item) {
    doppler_.SetCorrectionMode(item);
    if (correctionModeShown_) correctionModeShown_();
}

void TMode::cmdStoreClick() {
    QString error;
    if (!StoreCorrectionMode(dataFolder_, doppler_.State().CorrectionMode, &error)) {
        prompt_.Message(error, IOperatorPrompt::Icon::Error);
        return;  // open, so that the operator sees what was not stored
    }
    close();
}

void TMode::cmdOKClick() {
    const int row = std::max(0, addresses_->currentRow());
    cat_.ApplyModeDialog(CatRadioSetupOf(definition_, static_cast<std::size_t>(row)));
    close();
}

}  // namespace kelvora
