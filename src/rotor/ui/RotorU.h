#pragma once
// "Rotor" (THinweise): manual azimuth and elevation with "Execute", the standard
// directions, the park position with "Park", and the operator's one-degree
// corrections. The rotor part does the work; the dialog shows, beeps and hides.

#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace kelvora {

class TRotorPart;
class TUpDown;

class THinweise : public QDialog {
    Q_OBJECT
public:
    // The dialog centres itself on mainWindow when it is shown.
    THinweise(TRotorPart& part, QWidget* mainWindow = nullptr);

    // "&Rotor": fills the fields from the rotor's state and shows the dialog.
    void Open();
    // lstStandR from the standard directions, the first one selected.
    void FillStandardDirections();

    // Handlers.
    void txtAzChange();
    void txtElChange();
    void cmdOKClick();  // "Execute"
    void lstStandRClick(int row);
    void cmdParkClick();
    void edParkAzChange();
    void edParkElChange();
    void SpinAzimClick(bool up);
    void SpinElevClick(bool up);
    void cmdCancelClick() { hide(); }  // "Continue"

    std::function<void()> Beep;  // the system beep
    std::function<void()> Hidden;  // the main window takes input again

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void AfterMove(bool beep, bool hideDialog);
    void ShowRanges();

    TRotorPart& part_;
    QWidget* mainWindow_;
    QLabel* elevationRange_ = nullptr;  // Label1
    QLabel* azimuthRange_ = nullptr;  // Label2
    QLineEdit* azimuth_ = nullptr;  // txtAz
    QLineEdit* elevation_ = nullptr;  // txtEl
    QPushButton* execute_ = nullptr;  // cmdOK
    QListWidget* directions_ = nullptr;  // lstStandR
    QLineEdit* parkAzimuth_ = nullptr;  // edParkAz
    QLineEdit* parkElevation_ = nullptr;  // edParkEl
    QLineEdit* azimuthCorrection_ = nullptr;  // txtKorrH
    QLineEdit* elevationCorrection_ = nullptr;  // txtKorrV
    TUpDown* spinAzimuth_ = nullptr;  // SpinAzim
    TUpDown* spinElevation_ = nullptr;  // SpinElev
};

}  // namespace kelvora
