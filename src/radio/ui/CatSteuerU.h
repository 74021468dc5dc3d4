#pragma once
// "CAT Tuning" (TSeiten): the operator picks a frequency entry of the active
// satellite, sets the update threshold and the satellite's correction, and sends
// typed receive and transmit frequencies. It stays alive while hidden; the list
// position is kept between openings. Everything it changes goes through the CAT
// conductor.

#include <QDialog>
#include <functional>
#include <string>

#include "CatTuning.h"
#include "OperatorPrompt.h"

class QGridLayout;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace kelvora {

class TCatControl;
class TDopplerModel;
class TUpDown;

// The main timer belongs to the window that runs the tracking.
struct TTuningTimerHooks {
    std::function<void()> StopMainTimer;
    std::function<void()> ResumeMainTimer;  // switches it on only in real-time mode
};

class TSeiten : public QDialog {
    Q_OBJECT
public:
    TSeiten(TCatControl& cat, TDopplerModel& doppler, QString dataFolder, IOperatorPrompt& prompt,
            TTuningTimerHooks timer, QWidget* mainWindow = nullptr);

    static constexpr const char* kValidNote =
        "Valid frequencies: 144000 - 146000,  430000 - 440000,  1260000 - 1300000";

    // Menu "&CAT": fills the fields and the list for the active satellite and shows
    // the dialog (not modally) centred on the main window.
    void OpenTuningDialog(const std::string& satName, int activeSlot, char decimalSeparator);
    // Every change of the active satellite starts the list at its first entry again.
    void ResetListPosition() { listPosition_ = 0; }
    int ListPosition() const { return listPosition_; }
    // The main window's correction keys: the active satellite through the same up-downs.
    void CorrectionKey(int activeSlot, double deltaHz);
    const TManualTuning& Manual() const { return manual_; }

    // Handlers.
    void txtRxChange(const QString& text);
    void txtTxChange(const QString& text);
    void cmdCatOkClick();
    void cmdIntvStoreClick();
    void SpnIntvClick(double deltaHz);
    void SpnKorrClick(double deltaHz);
    void lstFreClick(int row);
    void cmdCancelClick() { hide(); }  // "Continue"

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void AddUpDowns(QGridLayout* grid, int row, const char* prefix, void (TSeiten::*handler)(double));

    TCatControl& cat_;
    TDopplerModel& doppler_;
    QString dataFolder_;
    IOperatorPrompt& prompt_;
    TTuningTimerHooks timer_;
    QWidget* mainWindow_;
    TManualTuning manual_;
    std::string satName_;
    int correctionSlot_ = 0;
    int listPosition_ = 0;
    QLineEdit* interval_ = nullptr;
    QLineEdit* correction_ = nullptr;
    QListWidget* entries_ = nullptr;
    QLineEdit* rx_ = nullptr;
    QLineEdit* tx_ = nullptr;
    QPushButton* ok_ = nullptr;
};

}  // namespace kelvora
