#pragma once
// "Mode" (TMode): the Doppler correction mode and the Icom address pair. A click
// in the group changes the mode at once; "Store" also writes "KorrMod.SQF"; "OK"
// puts the chosen address pair in force and sets the radio's modes again.

#include <QDialog>
#include <functional>

#include "OperatorPrompt.h"

class QButtonGroup;
class QGroupBox;
class QListWidget;
class QPushButton;

namespace kelvora {

class TCatControl;
class TDopplerModel;
struct TRadioDefinition;

class TMode : public QDialog {
    Q_OBJECT
public:
    // correctionModeShown refreshes the status bar text after a change of the mode.
    // The dialog centres itself on mainWindow when it is shown.
    TMode(TCatControl& cat, TDopplerModel& doppler, const TRadioDefinition& definition, QString dataFolder,
          IOperatorPrompt& prompt, std::function<void()> correctionModeShown, QWidget* mainWindow = nullptr);

    static QStringList CorrectionModeItems();

    // Handlers.
    void FormShow();  // the group shows the mode; group and "Store" only with the VFO mode
    void rdgModeKorrClick(int item);
    void cmdStoreClick();
    void cmdOKClick();
    void cmdCancelClick() { close(); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    TCatControl& cat_;
    TDopplerModel& doppler_;
    const TRadioDefinition& definition_;
    QString dataFolder_;
    IOperatorPrompt& prompt_;
    std::function<void()> correctionModeShown_;
    QWidget* mainWindow_;
    QGroupBox* modeGroup_ = nullptr;
    QButtonGroup* modes_ = nullptr;
    QPushButton* store_ = nullptr;
    QListWidget* addresses_ = nullptr;
};

}  // namespace kelvora
