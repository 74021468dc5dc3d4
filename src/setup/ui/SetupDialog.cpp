#include "SetupDialog.h"

#include "DialogButtons.h"
#include "QtSerialPort.h"
#include "SerialDeviceList.h"
#include "SetupProbes.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMainWindow>
#include <QMenuBar>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kelvora {

namespace {
void SetItems(QComboBox* box, QStringList items, const QString& current) {
    if (!current.isEmpty() && !items.contains(current)) items.prepend(current);  // a text of the file stays choosable
    box->clear();
    box->addItems(items);
    box->setCurrentText(current);
}

QString Cell(const QTableWidget* table, int row, int column) {
    const QTableWidgetItem* item = table->item(row, column);
    return item ? item->text() : QString();
}
}  // namespace

TSetupDialog::TSetupDialog(const QString& dataFolder, QChar systemDecimal, QWidget* parent)
    : QDialog(parent), dataFolder_(dataFolder), systemDecimal_(systemDecimal) {
    setObjectName("TSetup");
    setWindowTitle("Setup");
    MakePort = [] { return std::make_unique<TQtSerialPort>(); };
    auto* layout = new QVBoxLayout(this);
    pages_ = new QTabWidget(this);
    pages_->setObjectName("pgcSetup");
    // In the order of TSetupPage.
    pages_->addTab(StationPage(), "Station");
    pages_->addTab(RadioPage(), "Radio");
    pages_->addTab(RotorPage(), "Rotor");
    pages_->addTab(ServersPage(), "Servers");
    layout->addWidget(pages_);
    auto* nextStart = new QLabel(
        "The program reads these settings when it starts: stored changes take effect at "
        "the next start.",
        this);
    nextStart->setObjectName("lblNextStart");
    nextStart->setWordWrap(true);
    layout->addWidget(nextStart);
    message_ = new QLabel(this);
    message_->setObjectName("lblSetupMessage");
    message_->setWordWrap(true);
    layout->addWidget(message_);
    auto* buttons = new QDialogButtonBox(this);
    layout->addWidget(buttons);
    connect(AddButton(buttons, "cmdStore", "Store", QDialogButtonBox::AcceptRole), &QPushButton::clicked, this, [this] {
        if (Store()) hide();
    });
    connect(AddButton(buttons, "cmdClose", "Close", QDialogButtonBox::RejectRole), &QPushButton::clicked, this,
            &QDialog::hide);
    Reload();
}

void TSetupDialog::Reload() {
    files_ = LoadSetupFiles(dataFolder_);
    ShowValues(SetupValuesOf(files_));
    Tell(QString(), false);
    radioResult_->clear();
    rotctldResult_->clear();
    rigctldResult_->clear();
}

void TSetupDialog::ShowValues(const TSetupValues& v) {
    latitude_->setText(v.Station.Latitude);
    longitude_->setText(v.Station.Longitude);
    height_->setText(v.Station.Height);
    zone_->setText(v.Station.ZoneText);
    minElevation_->setText(v.Station.MinElevation);
    endStop_->setCurrentIndex(v.Station.EndStop == 'S' ? 1 : 0);
    azimuthOffset_->setText(v.Station.AzimuthOffset);
    elevationOffset_->setText(v.Station.ElevationOffset);

    radio_ = v.Radio;
    filling_ = true;
    SetItems(family_, RadioFamilies(), radio_.Family);
    filling_ = false;
    FamilyChanged();
    civRx_->setText(radio_.IcomRxAddress);
    civTx_->setText(radio_.IcomTxAddress);
    rts_->setChecked(radio_.Rts);
    dtr_->setChecked(radio_.Dtr);
    portNumber_->setText(radio_.PortNumber);
    catPause_->setText(radio_.CatPause);
    FillDevices(radio_.DevicePath);

    (v.Rotor.ThresholdMode ? thresholdMode_ : intervalMode_)->setChecked(true);
    interval_->setText(v.Rotor.IntervalSeconds);
    step_->setText(v.Rotor.StepDegrees);
    fixedStep_->setChecked(v.Rotor.FixedAzimuthStep);
    flip_->setChecked(v.Rotor.Flip);
    extend450_->setChecked(v.Rotor.Extend450);
    park_->setChecked(v.Rotor.Park);
    parkAzimuth_->setText(v.Rotor.ParkAzimuth);
    parkElevation_->setText(v.Rotor.ParkElevation);
    directions_->setRowCount(0);
    for (const TDirectionRow& row : v.Rotor.StandardDirections) AddDirectionRow(row.Name, row.Azimuth);

    rotorOutput_->setCurrentIndex(int(v.Servers.Rotor));
    rotorServer_->setText(v.Servers.RotorServerPath);
    rotctld_->setText(v.Servers.RotctldAddress);
    radioOutput_->setCurrentIndex(int(v.Servers.Radio));
    radioService_->setText(v.Servers.RadioService);
    rigctld_->setText(v.Servers.RigctldAddress);
    ServerChoicesChanged();
}

TSetupValues TSetupDialog::ShownValues() const {
    TSetupValues v;
    v.Station = {latitude_->text(),      longitude_->text(),      height_->text(),
                 zone_->text(),          minElevation_->text(),   endStop_->currentIndex() == 1 ? 'S' : 'N',
                 azimuthOffset_->text(), elevationOffset_->text()};
    v.Radio = radio_;
    v.Radio.Family = family_->currentText();
    v.Radio.SetModel(model_->currentText());
    v.Radio.SetBaud(baud_->currentText());
    v.Radio.IcomRxAddress = civRx_->text();
    v.Radio.IcomTxAddress = civTx_->text();
    v.Radio.Rts = rts_->isChecked();
    v.Radio.Dtr = dtr_->isChecked();
    v.Radio.PortNumber = portNumber_->text();
    v.Radio.CatPause = catPause_->text();
    const int listed = device_->findText(device_->currentText());
    v.Radio.DevicePath = listed >= 0 && device_->itemData(listed).isValid() ? device_->itemData(listed).toString()
                                                                            : device_->currentText().trimmed();
    v.Rotor.ThresholdMode = thresholdMode_->isChecked();
    v.Rotor.IntervalSeconds = interval_->text();
    v.Rotor.StepDegrees = step_->text();
    v.Rotor.FixedAzimuthStep = fixedStep_->isChecked();
    v.Rotor.Flip = flip_->isChecked();
    v.Rotor.Extend450 = extend450_->isChecked();
    v.Rotor.Park = park_->isChecked();
    v.Rotor.ParkAzimuth = parkAzimuth_->text();
    v.Rotor.ParkElevation = parkElevation_->text();
    for (int row = 0; row < directions_->rowCount(); ++row)
        v.Rotor.StandardDirections.push_back({Cell(directions_, row, 0), Cell(directions_, row, 1)});
    v.Servers.Rotor = TRotorOutput(rotorOutput_->currentIndex());
    v.Servers.RotorServerPath = rotorServer_->text();
    v.Servers.RotctldAddress = rotctld_->text();
    v.Servers.Radio = TRadioOutput(radioOutput_->currentIndex());
    v.Servers.RadioService = radioService_->text();
    v.Servers.RigctldAddress = rigctld_->text();
    return v;
}

void TSetupDialog::FamilyChanged() {
    if (filling_) return;
    radio_.Family = family_->currentText();
    filling_ = true;
    const QString model = radio_.Model();
    const QString baud = radio_.Baud();
    SetItems(model_, ModelsOf(radio_.Family), model);
    SetItems(baud_, BaudRateTexts(), baud);
    filling_ = false;
    const bool icom = radio_.Family == "Icom";
    civRx_->setEnabled(icom);
    civTx_->setEnabled(icom);
}

void TSetupDialog::FillDevices(const QString& current) {
    device_->clear();
    for (const TSerialDeviceChoice& choice : AvailableSerialDevices()) {
        const QString shown =
            choice.Description.isEmpty() ? choice.Path : choice.Path + "  (" + choice.Description + ")";
        device_->addItem(shown, choice.Path);
    }
    const int listed = device_->findData(current);
    if (listed >= 0) device_->setCurrentIndex(listed);
    else device_->setCurrentText(current);
}

void TSetupDialog::ServerChoicesChanged() {
    const auto rotor = TRotorOutput(rotorOutput_->currentIndex());
    rotorServer_->setEnabled(rotor == TRotorOutput::DbusServer);
    rotctld_->setEnabled(rotor == TRotorOutput::Rotctld);
    const auto radio = TRadioOutput(radioOutput_->currentIndex());
    radioService_->setEnabled(radio == TRadioOutput::DbusServer);
    rigctld_->setEnabled(radio == TRadioOutput::Rigctld);
}

void TSetupDialog::AddDirectionRow(const QString& name, const QString& azimuth) {
    const int row = directions_->rowCount();
    directions_->insertRow(row);
    directions_->setItem(row, 0, new QTableWidgetItem(name));
    directions_->setItem(row, 1, new QTableWidgetItem(azimuth));
}

void TSetupDialog::Tell(const QString& text, bool refused) {
    message_->setText(text);
    message_->setStyleSheet(refused ? "color: rgb(176,0,0);" : QString());
}

bool TSetupDialog::Store() {
    TSetupRefusal refusal;
    QString message;
    switch (StoreSetup(dataFolder_, files_, ShownValues(), systemDecimal_, &refusal, &message)) {
        case TStoreResult::Stored:
            Tell("Stored. The changes take effect at the next start.", false);
            return true;
        case TStoreResult::Refused:
            pages_->setCurrentIndex(int(refusal.Page));
            Tell(message, true);
            return false;
        case TStoreResult::WriteFailed:
            Tell("Nothing was stored: " + message, true);
            return false;
    }
    return false;
}

void TSetupDialog::TestRadio() {
    TSetupRefusal refusal;
    const auto setup = RadioProbeSetupOf(ShownValues().Radio, files_, &refusal);
    if (!setup) {
        radioResult_->setText(refusal.Text());
        return;
    }
    radioResult_->setText("Testing ...");
    radioResult_->repaint();
    const std::unique_ptr<ISerialPort> port = MakePort();
    radioResult_->setText(ProbeRadio(*port, setup->Radio, setup->Port, ProbeWait));
}

void TSetupDialog::TestRotctld() { rotctldResult_->setText(ProbeHamlibServer(rotctld_->text(), "p", 2, ProbeWait)); }

void TSetupDialog::TestRigctld() { rigctldResult_->setText(ProbeHamlibServer(rigctld_->text(), "f", 1, ProbeWait)); }

void AttachSetupDialog(QMainWindow& mainWindow, const QString& dataFolder) {
    auto* entry = mainWindow.findChild<QAction*>("menStationSetup");
    if (!entry) return;
    QObject::connect(entry, &QAction::triggered, &mainWindow, [&mainWindow, dataFolder] {
        auto* dialog = mainWindow.findChild<TSetupDialog*>("TSetup");
        if (!dialog) dialog = new TSetupDialog(dataFolder, QLocale::system().decimalPoint().at(0), &mainWindow);
        else dialog->Reload();
        dialog->show();
        dialog->raise();
        dialog->activateWindow();
    });
}

}  // namespace kelvora
