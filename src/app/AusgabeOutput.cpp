// The tracking output of the main window: the data list with its heading, the
// frequency panel with its captions, the Doppler line and the status texts.

#include "AusgabeU.h"

#include "TextLineBox.h"
#include "TrackingOutput.h"
#include "UpDown.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace kelvora {

namespace {
const QColor kWhite(255, 255, 255);
const QColor kSilver(192, 192, 192);

QFont BoldMono(int pointSize) {
    QFont font("Liberation Mono", pointSize);
    font.setBold(true);
    return font;
}

QLabel* Caption(const char* name, const QString& text) {
    auto* label = new QLabel(text);
    label->setObjectName(name);
    QFont small = label->font();
    small.setPixelSize(10);
    label->setFont(small);
    return label;
}
}  // namespace

QWidget* TAusgabe::CreateOutputColumn() {
    auto* panel = new QWidget;
    panel->setObjectName("panLstAusgabe");
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    heading_ = new QLabel;
    heading_->setObjectName("lblKopfZeile");
    QFont headingFont("Liberation Mono");
    headingFont.setPixelSize(13);
    headingFont.setBold(true);
    heading_->setFont(headingFont);
    heading_->setAutoFillBackground(true);
    heading_->setStyleSheet("color: rgb(255,255,255); background: rgb(128,128,128);");
    column->addWidget(heading_);
    dataLine_ = new TTextLineBox("lstAusGabe", BoldMono(10));
    dataLine_->setMinimumWidth(0);
    column->addWidget(dataLine_);
    return panel;
}

QWidget* TAusgabe::CreateRxTxPanels() {
    auto* holder = new QWidget;
    auto* column = new QVBoxLayout(holder);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    auto* captions = new QWidget;
    captions->setObjectName("panUeberRxTx");
    auto* captionRow = new QHBoxLayout(captions);
    captionRow->setContentsMargins(0, 0, 0, 0);
    captionRow->addWidget(Caption("lblDown", "Downlink" + QString(12, ' ')));
    captionRow->addWidget(Caption("lblVorKorr", "Corr.(+/-)"));
    captionRow->addWidget(Caption("lblUp", "Uplink"));
    // The per-satellite correction (the radio part fills them).
    revNorRx_ = Caption("lblRevNorRx", QString());
    revNor_ = Caption("lblRevNor", QString());
    captionRow->addWidget(revNorRx_);
    captionRow->addWidget(revNor_);
    captionRow->addStretch(1);
    stepCaption_ = Caption("lblFrStep", QString::fromStdString(StepCaptionText(1)));
    captionRow->addWidget(stepCaption_);
    column->addWidget(captions);

    auto* panel = new QWidget;
    panel->setObjectName("panRxTx");
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    rxTx_ = new TTextLineBox("ptbRxTx", BoldMono(11));
    rxTx2_ = new TTextLineBox("ptbRxTx2", BoldMono(8));
    grid->addWidget(rxTx_, 0, 0);
    grid->addWidget(rxTx2_, 1, 0);
    // The five dial up-downs: 20, 100, 500, 1000 and 5000 Hz a click.
    auto* tuning = new QHBoxLayout;
    tuning->setSpacing(2);
    const std::pair<const char*, double> steps[] = {
        {"SpnVfo10", 20}, {"SpnVfo100", 100}, {"SpnVfo400", 500}, {"SpnVfo1000", 1000}, {"SpnVfo5000", 5000}};
    for (size_t k = 0; k < vfoSteps_.size(); ++k) {
        auto* upDown = new TUpDown(steps[k].first, Qt::Vertical, -30000, 30000, panel);
        const double stepHz = steps[k].second;
        connect(upDown, &TUpDown::Clicked, this,
                [this, stepHz](bool up) { emit DialStepClicked(up ? stepHz : -stepHz); });
        upDown->setEnabled(false);
        vfoSteps_[k] = upDown;
        tuning->addWidget(upDown);
    }
    grid->addLayout(tuning, 0, 1, 2, 1);
    grid->setColumnStretch(0, 1);
    column->addWidget(panel);
    return holder;
}

void TAusgabe::SetDataHeading(int layoutSize) {
    heading_->setText(QString::fromStdString(DataHeadingText(layoutSize)));
    stepCaption_->setText(QString::fromStdString(StepCaptionText(layoutSize)));
}

QString TAusgabe::DataHeading() const { return heading_->text(); }

void TAusgabe::DrawDataLine(const QString& text, bool aboveHorizon) {
    dataLine_->DrawText(QPoint(0, 0), text, aboveHorizon ? kWhite : kSilver);
}

void TAusgabe::DrawDopplerText(const QString& text) { rxTx2_->DrawText(QPoint(0, 0), text, kSilver); }

void TAusgabe::BlankDopplerText() { rxTx2_->DrawText(QPoint(0, 2), QString(DopplerBlankWidth, ' '), kSilver); }

void TAusgabe::BlankFrequencyDisplays() {
    rxTx_->DrawText(QPoint(0, 0), QString(FrequencyBlankWidth, ' '), kSilver);
    rxTx2_->DrawText(QPoint(0, 0), QString(DopplerBlankWidth, ' '), kSilver);
}

void TAusgabe::ClearFrequencyDisplays() {
    rxTx_->DrawText(QPoint(0, 0), QString(), kWhite);
    rxTx2_->DrawText(QPoint(0, 0), QString(), kWhite);
}

void TAusgabe::ShowStationText(const QString& text) { SetStatusPanel(1, text); }

void TAusgabe::ShowCorrectionModeText(const QString& text) { SetStatusPanel(3, text); }

void TAusgabe::DrawFrequencyDisplay(const QString& text) {
    rxTx_->DrawText(QPoint(0, 0), QString(26, ' '), kSilver);  // 26 blanks clear the last text
    rxTx_->DrawText(QPoint(0, 2), text, kSilver);
}

void TAusgabe::ShowCorrection(const QString& text, bool alsoReceive) {
    revNor_->setText(text);
    if (alsoReceive) revNorRx_->setText(text);
}

void TAusgabe::SetDialStepsEnabled(bool enabled) {
    for (TUpDown* upDown : vfoSteps_) {
        upDown->setEnabled(enabled);
        if (!enabled) upDown->SetPosition(0);
    }
}

void TAusgabe::SetToggleEnabled(TToggle toggle, bool enabled) { Toggle(toggle)->setEnabled(enabled); }

void TAusgabe::SetSatModeOffEnabled(bool enabled) { satModeOff_->setEnabled(enabled); }

void TAusgabe::ShowPreviewControls(bool preview) {
    for (TToggle toggle : {TToggle::Rotor, TToggle::Cat, TToggle::Wechsel, TToggle::Vfo})
        Toggle(toggle)->setVisible(!preview);
    Toggle(TToggle::VorZur)->setVisible(preview);
    upDown2_->setVisible(preview);
}

void TAusgabe::ShowStepFactor(const QString& text) { SetToggleText(TToggle::VorZur, text); }

void TAusgabe::SetRxTxEnabled(bool enabled) {
    rxTxEnabled_ = enabled;
    for (QLabel* label : txRx_) label->setEnabled(enabled);
}

}  // namespace kelvora
