#include "CatSteuerU.h"

#include "CatControl.h"
#include "CatTuningTexts.h"
#include "DialogButtons.h"
#include "RadioFiles.h"
#include "UpDown.h"

#include <QBoxLayout>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

namespace kelvora {

namespace {
QLineEdit* ReadOnlyField(const char* name) {
    auto* field = new QLineEdit;
    field->setObjectName(name);
    field->setReadOnly(true);
    field->setFont(QFont("Liberation Mono", 10));
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(QString(14, 'X')));
    return field;
}

QLabel* Caption(const char* name, const QString& text) {
    auto* label = new QLabel(text);
    label->setObjectName(name);
    return label;
}
}  // namespace

TSeiten::TSeiten(TCatControl& cat, TDopplerModel& doppler, QString dataFolder, IOperatorPrompt& prompt,
                 TTuningTimerHooks timer, QWidget* mainWindow)
    : QDialog(mainWindow), cat_(cat), doppler_(doppler), dataFolder_(std::move(dataFolder)), prompt_(prompt),
      timer_(std::move(timer)), mainWindow_(mainWindow) {
    setObjectName("Seiten");
    setWindowTitle("CAT Tuning");
    setModal(false);
    auto* layout = new QVBoxLayout(this);

    entries_ = new QListWidget;
    entries_->setObjectName("lstFre");
    entries_->setFont(QFont("Liberation Mono", 10));
    entries_->setMinimumWidth(entries_->fontMetrics().horizontalAdvance(QString(34, 'X')));
    entries_->setFixedHeight(7 * entries_->fontMetrics().height());
    layout->addWidget(entries_);
    connect(entries_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { lstFreClick(entries_->row(item)); });

    auto* manual = new QGroupBox;
    manual->setObjectName("grpManual");
    auto* grid = new QGridLayout(manual);
    rx_ = new QLineEdit;
    rx_->setObjectName("txtRx");
    tx_ = new QLineEdit;
    tx_->setObjectName("txtTx");
    ok_ = new QPushButton("OK");
    ok_->setObjectName("cmdCatOk");
    ok_->setEnabled(false);  // until the receive field holds a valid frequency
    grid->addWidget(Caption("lblRx", "Rx (kHz)"), 0, 0);
    grid->addWidget(rx_, 0, 1);
    grid->addWidget(Caption("lblTx", "Tx (kHz)"), 1, 0);
    grid->addWidget(tx_, 1, 1);
    grid->addWidget(ok_, 0, 2, 2, 1);
    auto* note = Caption("lblValid", kValidNote);
    grid->addWidget(note, 2, 0, 1, 3);
    layout->addWidget(manual);
    connect(rx_, &QLineEdit::textChanged, this, &TSeiten::txtRxChange);
    connect(tx_, &QLineEdit::textChanged, this, &TSeiten::txtTxChange);
    connect(ok_, &QPushButton::clicked, this, &TSeiten::cmdCatOkClick);

    // Threshold and correction share the columns: caption, field, the three up-downs.
    auto* steps = new QGridLayout;
    interval_ = ReadOnlyField("txtIntv");
    steps->addWidget(Caption("lblIntv", "Interval (Hz)"), 0, 0);
    steps->addWidget(interval_, 0, 1);
    AddUpDowns(steps, 0, "SpnIntv", &TSeiten::SpnIntvClick);
    auto* store = new QPushButton("Store Interval");
    store->setObjectName("cmdIntvStore");
    steps->addWidget(store, 0, 5);
    correction_ = ReadOnlyField("txtKorr");
    steps->addWidget(Caption("lblKorr", "Correction (Hz)"), 1, 0);
    steps->addWidget(correction_, 1, 1);
    AddUpDowns(steps, 1, "SpnKorr", &TSeiten::SpnKorrClick);
    steps->setColumnStretch(0, 1);
    layout->addLayout(steps);
    connect(store, &QPushButton::clicked, this, &TSeiten::cmdIntvStoreClick);

    auto* buttons = new QDialogButtonBox;
    layout->addWidget(buttons);
    QPushButton* proceed = AddButton(buttons, "cmdCancel", "Continue", QDialogButtonBox::RejectRole);
    connect(proceed, &QPushButton::clicked, this, &TSeiten::cmdCancelClick);
}

void TSeiten::AddUpDowns(QGridLayout* grid, int row, const char* prefix, void (TSeiten::*handler)(double)) {
    int columnIndex = 2;
    for (int step : {10, 100, 1000}) {
        auto* column = new QVBoxLayout;
        column->setSpacing(1);
        auto* upDown = new TUpDown(QStringLiteral("%1%2").arg(prefix).arg(step), Qt::Vertical, -30000, 30000);
        auto* label = new QLabel(QString::number(step));
        label->setAlignment(Qt::AlignHCenter);
        column->addWidget(upDown, 0, Qt::AlignHCenter);
        column->addWidget(label);
        grid->addLayout(column, row, columnIndex++);
        connect(upDown, &TUpDown::Clicked, this,
                [this, handler, step](bool up) { (this->*handler)(up ? step : -step); });
    }
}

void TSeiten::OpenTuningDialog(const std::string& satName, int activeSlot, char decimalSeparator) {
    satName_ = satName;
    interval_->setText(QString::fromLatin1(IntervalFieldText(cat_.Fields().IntervalHz).c_str()));
    correctionSlot_ = activeSlot;
    correction_->setText(
        QString::fromLatin1(CorrectionOpeningText(doppler_.State().SatCorrectionHz.at(
                                                      static_cast<size_t>(std::clamp(activeSlot, 0, kDopplerSlots))))
                                .c_str()));
    entries_->clear();
    const std::vector<std::string> items = TuningListItems(doppler_, satName, decimalSeparator);
    for (const std::string& item : items) entries_->addItem(QString::fromLatin1(item.c_str()));
    const int blank = doppler_.Set().Found ? 0 : 1;
    if (static_cast<int>(items.size()) > blank && listPosition_ < entries_->count())
        entries_->setCurrentRow(listPosition_);
    show();
    raise();
    if (mainWindow_) move(mainWindow_->geometry().center() - rect().center());
}

void TSeiten::CorrectionKey(int activeSlot, double deltaHz) {
    correctionSlot_ = activeSlot;
    SpnKorrClick(deltaHz);
}

void TSeiten::txtRxChange(const QString& text) {
    if (manual_.EditRx(text.toLatin1().toStdString()).ConversionError)
        prompt_.Message("Invalid input!", IOperatorPrompt::Icon::Warning);
    ok_->setEnabled(manual_.OkEnabled());
}

void TSeiten::txtTxChange(const QString& text) {
    if (manual_.EditTx(text.toLatin1().toStdString()).ConversionError)
        prompt_.Message("Invalid input!", IOperatorPrompt::Icon::Warning);
}

void TSeiten::cmdCatOkClick() {
    switch (manual_.OkDecision()) {
        case TManualTuning::TOkDecision::AskRx:
            prompt_.Message("Please, enter a valid Rx-Frequency!");
            return;
        case TManualTuning::TOkDecision::AskTx:
            prompt_.Message("Please, enter a valid Tx-Frequency ein!");
            return;
        case TManualTuning::TOkDecision::Nothing:
            return;
        case TManualTuning::TOkDecision::Send:
            break;
    }
    if (timer_.StopMainTimer) timer_.StopMainTimer();
    // Sent at once, then CAT control goes off so the tracking keeps these frequencies.
    cat_.SendManualFrequencies(manual_.ManualRxKHz, manual_.ManualTxKHz);
    hide();  // the main timer comes back with the hide
}

void TSeiten::cmdIntvStoreClick() {
    QString error;
    if (!StoreInterval(dataFolder_, cat_.Fields().IntervalHz, &error))
        prompt_.Message(error, IOperatorPrompt::Icon::Error);
}

void TSeiten::SpnIntvClick(double deltaHz) {
    if (!cat_.StepInterval(deltaHz)) return;
    interval_->setText(QString::fromLatin1(IntervalFieldText(cat_.Fields().IntervalHz).c_str()));
}

void TSeiten::SpnKorrClick(double deltaHz) {
    if (correctionSlot_ < 1 || correctionSlot_ > kDopplerSlots) return;
    cat_.StepCorrection(correctionSlot_, deltaHz);
    const double hz = doppler_.State().SatCorrectionHz[static_cast<size_t>(correctionSlot_)];
    correction_->setText(QString::fromLatin1(CorrectionStepText(hz, deltaHz).c_str()));
}

void TSeiten::lstFreClick(int row) {
    if (row < 0) return;
    listPosition_ = row;
    cat_.ChooseEntry(satName_, row);
    if (timer_.ResumeMainTimer) timer_.ResumeMainTimer();
}

void TSeiten::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    // A minimised main window hides the dialog too; only the operator's hide counts.
    if (!event->spontaneous() && timer_.ResumeMainTimer) timer_.ResumeMainTimer();
}

}  // namespace kelvora
