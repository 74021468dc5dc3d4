#include "RotorU.h"

#include "DialogButtons.h"
#include "RotorPart.h"
#include "UpDown.h"

#include <QApplication>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace kelvora {

namespace {

QLineEdit* Field(const char* name, int width, bool readOnly = false) {
    auto* edit = new QLineEdit;
    edit->setObjectName(name);
    edit->setFixedWidth(width);
    edit->setReadOnly(readOnly);
    return edit;
}

QLabel* Caption(const QString& text, const char* name = nullptr) {
    auto* label = new QLabel(text);
    if (name) label->setObjectName(name);
    return label;
}

std::string Latin1(const QLineEdit* edit) { return edit->text().toLatin1().toStdString(); }

}  // namespace

THinweise::THinweise(TRotorPart& part, QWidget* mainWindow)
    : QDialog(mainWindow), part_(part), mainWindow_(mainWindow) {
    setObjectName("Hinweise");
    setWindowTitle("Rotor");
    Beep = [] { QApplication::beep(); };
    auto* layout = new QVBoxLayout(this);

    auto* manual = new QGroupBox("Position");
    manual->setObjectName("grpPosition");
    auto* grid = new QGridLayout(manual);
    azimuth_ = Field("txtAz", 60);
    elevation_ = Field("txtEl", 60);
    azimuthRange_ = Caption("0 - 360", "Label2");
    elevationRange_ = Caption("0 - 90", "Label1");
    grid->addWidget(Caption("Azimuth"), 0, 0);
    grid->addWidget(azimuth_, 0, 1);
    grid->addWidget(azimuthRange_, 0, 2);
    grid->addWidget(Caption("Elevation"), 1, 0);
    grid->addWidget(elevation_, 1, 1);
    grid->addWidget(elevationRange_, 1, 2);
    execute_ = new QPushButton("Execute");
    execute_->setObjectName("cmdOK");
    grid->addWidget(execute_, 0, 3, 2, 1);
    layout->addWidget(manual);
    connect(azimuth_, &QLineEdit::textEdited, this, &THinweise::txtAzChange);
    connect(elevation_, &QLineEdit::textEdited, this, &THinweise::txtElChange);
    connect(execute_, &QPushButton::clicked, this, &THinweise::cmdOKClick);

    auto* standard = new QGroupBox("Standard directions");
    standard->setObjectName("grpStandR");
    auto* standardColumn = new QVBoxLayout(standard);
    directions_ = new QListWidget;
    directions_->setObjectName("lstStandR");
    directions_->setFont(QFont("Liberation Mono", 10));
    directions_->setFixedHeight(6 * directions_->fontMetrics().height());
    standardColumn->addWidget(directions_);
    layout->addWidget(standard);
    connect(directions_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { lstStandRClick(directions_->row(item)); });

    auto* park = new QGroupBox("Park position");
    park->setObjectName("grpPark");
    auto* parkGrid = new QGridLayout(park);
    parkAzimuth_ = Field("edParkAz", 60);
    parkElevation_ = Field("edParkEl", 60);
    parkGrid->addWidget(Caption("Azimuth"), 0, 0);
    parkGrid->addWidget(parkAzimuth_, 0, 1);
    parkGrid->addWidget(Caption("Elevation"), 1, 0);
    parkGrid->addWidget(parkElevation_, 1, 1);
    auto* parkButton = new QPushButton("Park");
    parkButton->setObjectName("cmdPark");
    parkGrid->addWidget(parkButton, 0, 2, 2, 1);
    layout->addWidget(park);
    connect(parkAzimuth_, &QLineEdit::textEdited, this, &THinweise::edParkAzChange);
    connect(parkElevation_, &QLineEdit::textEdited, this, &THinweise::edParkElChange);
    connect(parkButton, &QPushButton::clicked, this, &THinweise::cmdParkClick);

    auto* corrections = new QGroupBox("Corrections");
    corrections->setObjectName("grpKorr");
    auto* correctionGrid = new QGridLayout(corrections);
    azimuthCorrection_ = Field("txtKorrH", 50, true);
    elevationCorrection_ = Field("txtKorrV", 50, true);
    spinAzimuth_ = new TUpDown("SpinAzim", Qt::Vertical, -360, 360);
    spinElevation_ = new TUpDown("SpinElev", Qt::Vertical, -180, 180);
    correctionGrid->addWidget(Caption("Azimuth"), 0, 0);
    correctionGrid->addWidget(azimuthCorrection_, 0, 1);
    correctionGrid->addWidget(spinAzimuth_, 0, 2);
    correctionGrid->addWidget(Caption("Elevation"), 1, 0);
    correctionGrid->addWidget(elevationCorrection_, 1, 1);
    correctionGrid->addWidget(spinElevation_, 1, 2);
    layout->addWidget(corrections);
    connect(spinAzimuth_, &TUpDown::Clicked, this, &THinweise::SpinAzimClick);
    connect(spinElevation_, &TUpDown::Clicked, this, &THinweise::SpinElevClick);

    auto* buttons = new QDialogButtonBox;
    layout->addWidget(buttons);
    QPushButton* cancel = AddButton(buttons, "cmdCancel", "Continue", QDialogButtonBox::RejectRole);
    connect(cancel, &QPushButton::clicked, this, &THinweise::cmdCancelClick);
}

void THinweise::FillStandardDirections() {
    directions_->clear();
    for (const TStandardDirection& direction : part_.Settings().StandardDirections)
        directions_->addItem(QString::fromLatin1(StandardDirectionListText(direction).c_str()));
    if (directions_->count() > 0) directions_->setCurrentRow(0);
}

void THinweise::Open() {
    execute_->setEnabled(!azimuth_->text().isEmpty() || !elevation_->text().isEmpty());
    const TRotorState& state = part_.RotorState();
    azimuthCorrection_->setText(QString::fromStdString(CorrectionText(state.AzimuthCorrection)));
    elevationCorrection_->setText(QString::fromStdString(CorrectionText(state.ElevationCorrection)));
    parkAzimuth_->setText(QString::number(part_.Settings().ParkAzimuth));
    parkElevation_->setText(QString::number(part_.Settings().ParkElevation));
    show();
}

void THinweise::showEvent(QShowEvent* event) {
    ShowRanges();
    QDialog::showEvent(event);
    if (mainWindow_) move(mainWindow_->geometry().center() - rect().center());
}

void THinweise::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (Hidden) Hidden();
}

void THinweise::ShowRanges() {
    elevationRange_->setText(part_.Settings().FlipOn() ? "0 - 180" : "0 - 90");
    azimuthRange_->setText(part_.Settings().Extend450On() ? "0 - 450" : "0 - 360");
}

void THinweise::txtAzChange() {
    const TEntryCheck check = CheckAzimuthEntry(part_.Settings(), Latin1(azimuth_));
    if (!check.LimitedText.empty()) azimuth_->setText(QString::fromStdString(check.LimitedText));
    if (check.EnableExecute) execute_->setEnabled(true);
    if (check.Beep) Beep();
}

void THinweise::txtElChange() {
    const TEntryCheck check = CheckElevationEntry(part_.Settings(), Latin1(elevation_));
    if (check.EnableExecute) execute_->setEnabled(true);
    if (check.Beep) Beep();
}

void THinweise::AfterMove(bool beep, bool hideDialog) {
    if (beep) Beep();
    if (hideDialog) hide();
}

void THinweise::cmdOKClick() {
    const TRotorDialogResult result = part_.ExecuteManual(Latin1(azimuth_), Latin1(elevation_));
    AfterMove(result.Beep, result.HideDialog);
}

void THinweise::lstStandRClick(int row) {
    const TRotorDialogResult result = part_.StandardDirection(row);
    AfterMove(result.Beep, result.HideDialog);
}

void THinweise::cmdParkClick() {
    const bool hasText = !parkAzimuth_->text().isEmpty() || !parkElevation_->text().isEmpty();
    const TRotorDialogResult result = part_.ParkClick(hasText);
    AfterMove(result.Beep, result.HideDialog);
}

void THinweise::edParkAzChange() {
    if (part_.ParkAzimuthChanged(Latin1(parkAzimuth_))) Beep();
}

void THinweise::edParkElChange() {
    if (part_.ParkElevationChanged(Latin1(parkElevation_))) Beep();
}

void THinweise::SpinAzimClick(bool up) {
    azimuthCorrection_->setText(QString::fromStdString(part_.CorrectAzimuth(up ? 1 : -1)));
}

void THinweise::SpinElevClick(bool up) {
    elevationCorrection_->setText(QString::fromStdString(part_.CorrectElevation(up ? 1 : -1)));
}

}  // namespace kelvora
