#include "SatNameDlg.h"

#include "DataFolder.h"
#include "GroupDialogSupport.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kelvora {

QStringList TSatelliteName::ChoiceTexts() {
    return {"Use Sat Names from Source File", "Use NORVA Names if Available", "Display only Sats with NORVA Names"};
}

TSatelliteName::TSatelliteName(TNamingOptions& options, QString dataFolder, IOperatorPrompt& prompt, QWidget* parent)
    : QDialog(parent), options_(options), dataFolder_(std::move(dataFolder)), prompt_(prompt) {
    setObjectName("SatelliteName");
    setWindowTitle("Sat-Namen");
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* box = new QGroupBox;
    box->setObjectName("RgrpSatNamen");
    auto* column = new QVBoxLayout(box);
    choices_ = new QButtonGroup(box);
    const QStringList texts = ChoiceTexts();
    for (int i = 0; i < texts.size(); ++i) {
        auto* radio = new QRadioButton(texts[i]);
        radio->setObjectName(QStringLiteral("RgrpSatNamenItem%1").arg(i));
        choices_->addButton(radio, i);
        column->addWidget(radio);
    }
    layout->addWidget(box);
    connect(choices_, &QButtonGroup::idClicked, this, &TSatelliteName::RgrpSatNamenClick);

    auto* note = new QLabel(" Changes require a program re-start to take effect!  ");
    note->setObjectName("Label1");
    note->setAutoFillBackground(true);
    note->setStyleSheet("background-color: yellow;");
    layout->addWidget(note);

    auto* buttons = new QDialogButtonBox;
    layout->addWidget(buttons);
    QPushButton* store = AddButton(buttons, "Button2", "Store", QDialogButtonBox::AcceptRole);
    QPushButton* cancel = AddButton(buttons, "cmdCancel", "Cancel", QDialogButtonBox::RejectRole);
    connect(store, &QPushButton::clicked, this, &TSatelliteName::Button2Click);
    connect(cancel, &QPushButton::clicked, this, &TSatelliteName::cmdCancelClick);
}

void TSatelliteName::showEvent(QShowEvent* event) {
    FormActivate();
    QDialog::showEvent(event);
}

void TSatelliteName::FormActivate() { choices_->button(NamingChoiceOf(options_))->setChecked(true); }

void TSatelliteName::RgrpSatNamenClick(int item) { ApplyNamingChoice(options_, item); }

void TSatelliteName::Button2Click() {
    const QString path = DataFilePath(dataFolder_, QString::fromLatin1(kNameOptionsFile));
    std::string error;
    if (!WriteNameOptions(path.toStdString(), options_, &error)) {
        prompt_.Message(QString::fromStdString(error), IOperatorPrompt::Icon::Error);
        return;
    }
    close();
}

}  // namespace kelvora
