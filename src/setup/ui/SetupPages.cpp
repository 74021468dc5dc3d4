// The four pages of the "Setup" dialog: their fields, under their component names.
#include "SetupDialog.h"

#include "RadioSetup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kelvora {

namespace {
template <typename W>
W* Named(W* widget, const char* name) {
    widget->setObjectName(name);
    return widget;
}

QLineEdit* Edit(const char* name, const QString& hint) {
    auto* edit = Named(new QLineEdit, name);
    edit->setToolTip(hint);
    return edit;
}

QLabel* Result(const char* name) {
    auto* label = Named(new QLabel, name);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QHBoxLayout* Row(std::initializer_list<QWidget*> widgets) {
    auto* row = new QHBoxLayout;
    for (QWidget* w : widgets) row->addWidget(w);
    return row;
}
}  // namespace

QWidget* TSetupDialog::StationPage() {
    auto* page = Named(new QWidget, "tabStation");
    auto* form = new QFormLayout(page);
    latitude_ = Edit("txtLatitude", "Degrees, north positive (-90 to 90)");
    longitude_ = Edit("txtLongitude", "Degrees, east positive (-180 to 360)");
    height_ = Edit("txtHeight", "Metres above sea level (-500 to 10000)");
    zone_ = Edit("txtZone", "\"auto\" takes the computer's time zone; otherwise hours east of UTC (-14 to 14)");
    minElevation_ = Edit("txtMinElevation", "Degrees: automatic change and rotor start above this (-90 to 90)");
    endStop_ = Named(new QComboBox, "cboEndStop");
    endStop_->addItem("North (N)", QChar('N'));
    endStop_->addItem("South (S)", QChar('S'));
    azimuthOffset_ = Edit("txtAzimuthOffset", "Whole degrees added to every azimuth sent (-360 to 360)");
    elevationOffset_ = Edit("txtElevationOffset", "Whole degrees added to every elevation sent (-360 to 360)");
    form->addRow("Latitude", latitude_);
    form->addRow("Longitude", longitude_);
    form->addRow("Height (m)", height_);
    form->addRow("Time zone", zone_);
    form->addRow("Minimum elevation", minElevation_);
    form->addRow("Rotor end stop", endStop_);
    form->addRow("Azimuth offset", azimuthOffset_);
    form->addRow("Elevation offset", elevationOffset_);
    return page;
}

QWidget* TSetupDialog::RadioPage() {
    auto* page = Named(new QWidget, "tabRadio");
    auto* form = new QFormLayout(page);
    family_ = Named(new QComboBox, "cboFamily");
    family_->addItems(RadioFamilies());
    model_ = Named(new QComboBox, "cboModel");
    model_->setEditable(true);
    baud_ = Named(new QComboBox, "cboBaud");
    civRx_ = Edit("txtCivRx", "Icom: receiving radio's CI-V address, decimal or \"$\" hexadecimal ($60)");
    civTx_ = Edit("txtCivTx", "Icom: transmitting radio's CI-V address");
    rts_ = Named(new QCheckBox("RTS on"), "chkRts");
    dtr_ = Named(new QCheckBox("DTR on"), "chkDtr");
    portNumber_ = Edit("txtPortNumber", "The CAT port's number (COM1 = 1); 0: no CAT port");
    catPause_ = Edit("txtCatPause", "Milliseconds to wait after each command (0 to 10000)");
    device_ = Named(new QComboBox, "cboDevice");
    device_->setEditable(true);
    device_->setMinimumWidth(360);
    device_->setToolTip("The device of the port number: choose a port or type a path");
    auto* test = Named(new QPushButton("Test"), "cmdRadioTest");
    radioResult_ = Result("lblRadioTest");
    form->addRow("Radio", family_);
    form->addRow("Model", model_);
    form->addRow("Baud rate", baud_);
    form->addRow("CI-V address (receive)", civRx_);
    form->addRow("CI-V address (transmit)", civTx_);
    form->addRow("Lines after opening", Row({rts_, dtr_}));
    form->addRow("CAT port number", portNumber_);
    form->addRow("Serial device", device_);
    form->addRow("CAT pause (ms)", catPause_);
    form->addRow(test, radioResult_);
    connect(family_, &QComboBox::currentTextChanged, this, [this] { FamilyChanged(); });
    connect(model_, &QComboBox::currentTextChanged, this, [this](const QString& text) { radio_.SetModel(text); });
    connect(baud_, &QComboBox::currentTextChanged, this, [this](const QString& text) { radio_.SetBaud(text); });
    connect(test, &QPushButton::clicked, this, &TSetupDialog::TestRadio);
    return page;
}

QWidget* TSetupDialog::RotorPage() {
    auto* page = Named(new QWidget, "tabRotor");
    auto* layout = new QHBoxLayout(page);
    auto* left = new QFormLayout;
    intervalMode_ = Named(new QRadioButton("Every"), "rdoInterval");
    thresholdMode_ = Named(new QRadioButton("When moved by"), "rdoThreshold");
    interval_ = Edit("txtInterval", "Interval mode: seconds between moves (1 to 3600)");
    step_ = Edit("txtStep", "Threshold mode: degrees the satellite moves before the rotor follows (0.1 to 90)");
    fixedStep_ = Named(new QCheckBox("Same threshold in azimuth at every elevation"), "chkFixedStep");
    flip_ = Named(new QCheckBox("Flip (elevation 0-180)"), "chkFlip");
    extend450_ = Named(new QCheckBox("450 degrees azimuth"), "chk450");
    park_ = Named(new QCheckBox("Park after each pass"), "chkPark");
    parkAzimuth_ = Edit("txtParkAz", "Whole degrees (0 to 360)");
    parkElevation_ = Edit("txtParkEl", "Whole degrees (0 to 90)");
    left->addRow(intervalMode_, Row({interval_, new QLabel("seconds")}));
    left->addRow(thresholdMode_, Row({step_, new QLabel("degrees")}));
    left->addRow(fixedStep_);
    left->addRow(flip_);
    left->addRow(extend450_);
    left->addRow(park_);
    left->addRow("Park azimuth", parkAzimuth_);
    left->addRow("Park elevation", parkElevation_);
    layout->addLayout(left);

    auto* box = Named(new QGroupBox("Standard directions"), "grpStandPos");
    auto* right = new QVBoxLayout(box);
    directions_ = Named(new QTableWidget(0, 2), "tblStandPos");
    directions_->setHorizontalHeaderLabels({"Name", "Azimuth"});
    directions_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    directions_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    directions_->setMinimumWidth(220);
    directions_->verticalHeader()->setVisible(false);
    auto* add = Named(new QPushButton("Add"), "cmdAddDirection");
    auto* remove = Named(new QPushButton("Delete"), "cmdDeleteDirection");
    right->addWidget(directions_);
    right->addLayout(Row({add, remove}));
    layout->addWidget(box);
    connect(add, &QPushButton::clicked, this, [this] {
        AddDirectionRow("", "0");
        directions_->setCurrentCell(directions_->rowCount() - 1, 0);
    });
    connect(remove, &QPushButton::clicked, this, [this] {
        if (directions_->currentRow() >= 0) directions_->removeRow(directions_->currentRow());
    });
    return page;
}

QWidget* TSetupDialog::ServersPage() {
    auto* page = Named(new QWidget, "tabServers");
    auto* layout = new QVBoxLayout(page);
    auto* rotorBox = Named(new QGroupBox("Rotor positions go to"), "grpRotorServer");
    auto* rotor = new QFormLayout(rotorBox);
    rotorOutput_ = Named(new QComboBox, "cboRotorOutput");
    rotorOutput_->addItems({"no rotor server", "a D-Bus rotor server", "rotctld (Hamlib)"});
    rotorServer_ = Edit("txtRotorServer", "The rotor server program's path, without \".exe\"");
    rotctld_ = Edit("txtRotctld", "host:port of rotctld");
    auto* rotTest = Named(new QPushButton("Test"), "cmdRotctldTest");
    rotctldResult_ = Result("lblRotctldTest");
    rotor->addRow("Output", rotorOutput_);
    rotor->addRow("Server program", rotorServer_);
    rotor->addRow("rotctld at", rotctld_);
    rotor->addRow(rotTest, rotctldResult_);

    auto* radioBox = Named(new QGroupBox("Radio frequencies go to"), "grpRadioServer");
    auto* radio = new QFormLayout(radioBox);
    radioOutput_ = Named(new QComboBox, "cboRadioOutput");
    radioOutput_->addItems({"the serial CAT port", "a D-Bus radio server", "rigctld (Hamlib)"});
    radioService_ = Edit("txtRadioService", "The radio server's service name");
    rigctld_ = Edit("txtRigctld", "host:port of rigctld");
    auto* rigTest = Named(new QPushButton("Test"), "cmdRigctldTest");
    rigctldResult_ = Result("lblRigctldTest");
    radio->addRow("Output", radioOutput_);
    radio->addRow("Service name", radioService_);
    radio->addRow("rigctld at", rigctld_);
    radio->addRow(rigTest, rigctldResult_);
    layout->addWidget(rotorBox);
    layout->addWidget(radioBox);
    layout->addStretch();
    connect(rotorOutput_, &QComboBox::currentIndexChanged, this, [this] { ServerChoicesChanged(); });
    connect(radioOutput_, &QComboBox::currentIndexChanged, this, [this] { ServerChoicesChanged(); });
    connect(rotTest, &QPushButton::clicked, this, &TSetupDialog::TestRotctld);
    connect(rigTest, &QPushButton::clicked, this, &TSetupDialog::TestRigctld);
    return page;
}

}  // namespace kelvora
