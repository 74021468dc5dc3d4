#pragma once
// The "Setup" dialog: station, radio, rotor and servers on four pages, so that no
// settings file has to be edited by hand. "Store" checks every page and writes the
// files that changed; a value that cannot be stored is named below the pages and
// nothing is written. The settings are read at start-up: they take effect at the
// next start.

#include "SerialPort.h"
#include "SetupStore.h"

#include <QDialog>
#include <chrono>
#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMainWindow;
class QRadioButton;
class QTableWidget;
class QTabWidget;

namespace kelvora {

class TSetupDialog : public QDialog {
    Q_OBJECT
public:
    TSetupDialog(const QString& dataFolder, QChar systemDecimal, QWidget* parent = nullptr);

    // Reads the files again and shows their values (each time the dialog opens).
    void Reload();
    // "Store": true when the values were written (or nothing had changed).
    bool Store();
    void TestRadio();  // "Test" on the radio page
    void TestRotctld();
    void TestRigctld();

    // How long a "Test" waits for its answer, and the serial port it opens.
    std::chrono::milliseconds ProbeWait{1500};
    std::function<std::unique_ptr<ISerialPort>()> MakePort;

private:
    QWidget* StationPage();
    QWidget* RadioPage();
    QWidget* RotorPage();
    QWidget* ServersPage();
    void ShowValues(const TSetupValues& values);
    TSetupValues ShownValues() const;
    void FamilyChanged();
    void FillDevices(const QString& current);
    void ServerChoicesChanged();
    void AddDirectionRow(const QString& name, const QString& azimuth);
    void Tell(const QString& text, bool refused);

    QString dataFolder_;
    bool filling_ = false;  // the radio page's lists are being refilled
    QChar systemDecimal_;
    TSetupFiles files_;
    TRadioFields radio_;  // the models and baud rates of the families not shown
    QTabWidget* pages_ = nullptr;
    QLabel* message_ = nullptr;
    // Station
    QLineEdit *latitude_, *longitude_, *height_, *zone_, *minElevation_, *azimuthOffset_, *elevationOffset_;
    QComboBox* endStop_;
    // Radio
    QComboBox *family_, *model_, *baud_, *device_;
    QLineEdit *civRx_, *civTx_, *portNumber_, *catPause_;
    QCheckBox *rts_, *dtr_;
    QLabel* radioResult_;
    // Rotor
    QRadioButton *intervalMode_, *thresholdMode_;
    QLineEdit *interval_, *step_, *parkAzimuth_, *parkElevation_;
    QCheckBox *fixedStep_, *flip_, *extend450_, *park_;
    QTableWidget* directions_;
    // Servers
    QComboBox *rotorOutput_, *radioOutput_;
    QLineEdit *rotorServer_, *rotctld_, *radioService_, *rigctld_;
    QLabel *rotctldResult_, *rigctldResult_;
};

// The menu entry "S&etup" of the main window opens the dialog on the data folder.
void AttachSetupDialog(QMainWindow& mainWindow, const QString& dataFolder);

}  // namespace kelvora
