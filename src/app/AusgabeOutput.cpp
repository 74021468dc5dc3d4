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
#include <algorithm>

namespace kelvora {

namespace {
const QColor kWhite(255, 255, 255);
const QColor kSilver(192, 192, 192);

QFont BoldMono(int pointSize) {
    QFont font("Liberation Mono", pointSize);
    font.setBold(true);
    return font;
}

QFont BoldMonoPixels(int pixelSize) {
    QFont font("Liberation Mono");
    font.setPixelSize(pixelSize);
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

    // Both panels end with the step column at their right edge, set to one width by
    // PlaceDialSteps: so lblFrStep stands over the up-downs at every size.
    auto* captions = new QWidget;
    captions->setObjectName("panUeberRxTx");
    captionRow_ = new QHBoxLayout(captions);
    captionRow_->setContentsMargins(0, 0, 0, 0);
    revNorRx_ = Caption("lblRevNorRx", QString());  // the per-satellite correction
    revNor_ = Caption("lblRevNor", QString());  // (the radio part fills them)
    stepCaption_ = Caption("lblFrStep", QString::fromStdString(StepCaptionText(1)));
    rxTxCaptions_ = {Caption("lblDown", "Downlink" + QString(12, ' ')),
                     Caption("lblVorKorr", "Corr.(+/-)"),
                     Caption("lblUp", "Uplink"),
                     revNorRx_,
                     revNor_,
                     stepCaption_};
    for (QLabel* caption : rxTxCaptions_) {
        if (caption == stepCaption_) captionRow_->addStretch(1);
        captionRow_->addWidget(caption);
    }
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
    stepStrip_ = new QWidget(panel);
    const std::pair<const char*, double> steps[] = {
        {"SpnVfo10", 20}, {"SpnVfo100", 100}, {"SpnVfo400", 500}, {"SpnVfo1000", 1000}, {"SpnVfo5000", 5000}};
    for (size_t k = 0; k < vfoSteps_.size(); ++k) {
        auto* upDown = new TUpDown(steps[k].first, Qt::Vertical, -30000, 30000, stepStrip_);
        const double stepHz = steps[k].second;
        connect(upDown, &TUpDown::Clicked, this,
                [this, stepHz](bool up) { emit DialStepClicked(up ? stepHz : -stepHz); });
        upDown->setEnabled(false);
        upDown->resize(upDown->sizeHint());
        vfoSteps_[k] = upDown;
    }
    stepStrip_->setFixedHeight(vfoSteps_[0]->height());
    grid->addWidget(stepStrip_, 0, 1, 2, 1, Qt::AlignTop);
    grid->setColumnStretch(0, 1);
    column->addWidget(panel);
    PlaceDialSteps();
    return holder;
}

void TAusgabe::PlaceDialSteps() {
    const QString text = stepCaption_->text();
    const QFontMetrics metrics(stepCaption_->font());
    const int width = metrics.horizontalAdvance(text);
    stepCaption_->setFixedWidth(width);
    stepStrip_->setFixedWidth(width);
    // Each up-down stands centred under its number of the caption.
    qsizetype end = 0;
    for (TUpDown* upDown : vfoSteps_) {
        qsizetype start = end;
        while (start < text.size() && text[start] == ' ') ++start;
        end = text.indexOf(' ', start);
        if (end < 0) end = text.size();
        const int centre =
            (metrics.horizontalAdvance(text.left(start)) + metrics.horizontalAdvance(text.left(end))) / 2;
        upDown->move(std::clamp(centre - upDown->width() / 2, 0, std::max(0, width - upDown->width())), 0);
    }
}

void TAusgabe::ApplyRxTxFonts(int layoutSize) {
    // The smallest window leaves the frequency panel about a third of its row: smaller
    // type there keeps the widest frequency pair ("1296000.000  2400000.000") and
    // every caption whole.
    const bool smallest = layoutSize == 1;
    for (QLabel* caption : rxTxCaptions_) {
        QFont font = caption->font();
        font.setPixelSize(smallest ? 7 : 10);
        caption->setFont(font);
    }
    captionRow_->setSpacing(smallest ? 2 : -1);
    rxTx_->SetLineFont(smallest ? BoldMonoPixels(10) : BoldMono(11));
    rxTx2_->SetLineFont(smallest ? BoldMonoPixels(8) : BoldMono(8));
}

void TAusgabe::SetDataHeading(int layoutSize) {
    heading_->setText(QString::fromStdString(DataHeadingText(layoutSize)));
    stepCaption_->setText(QString::fromStdString(StepCaptionText(layoutSize)));
    ApplyRxTxFonts(layoutSize);
    PlaceDialSteps();
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
