#pragma once
// The radio part: the radio definition files, the Doppler model, the serial port,
// the CAT conductor and the radio dialogs, behind the radio operations the start-up
// and the tick call. The conductor decides; this part reads the files, hands it the
// active satellite and shows its results through the main window's radio controls.

#include "AppState.h"
#include "CatControl.h"
#include "CatDisplay.h"
#include "DopplerModel.h"
#include "OperatorPrompt.h"
#include "Parts.h"
#include "RadioDefinition.h"
#include "SerialPort.h"

#include <QString>
#include <functional>
#include <memory>
#include <string>

class QWidget;

namespace kelvora {

class TMode;
class TSeiten;

// What the radio shows on the main window.
class IRadioWindow {
public:
    virtual ~IRadioWindow() = default;
    virtual void ShowCatSwitch(bool on) = 0;  // lblCat "C+" / "C-"
    virtual void ShowCwSwitch(bool enabled, bool on) = 0;  // lblCW "CW+" / "CW-"
    virtual void ShowVfoMode(bool on) = 0;  // lblVFO "V+" / "V-", the dial up-downs
    virtual void ShowCorrection(const QString& text, bool alsoReceive) = 0;  // lblRevNor (and lblRevNorRx)
    virtual void ShowTransmit(bool transmit) = 0;  // the TX/RX labels
    virtual void HideTransmitLabels() = 0;
    virtual void ShowTransmitLabels() = 0;
    virtual bool TransmitLabelsShown() const = 0;
    virtual void DrawFrequencyDisplay(const QString& text) = 0;  // ptbRxTx
    virtual void DrawDopplerText(const QString& text) = 0;  // ptbRxTx2
    virtual void ShowCorrectionModeText(const QString& text) = 0;  // status panel 3
    virtual void EnableSatModeOff(bool enabled) = 0;  // "&Sat mode off"
    // A manual step: the main timer stops and the pause timer resumes the tracking.
    virtual void HoldTrackingForStep() = 0;
    virtual void StopMainTimer() = 0;
    // In real time only.
    virtual void ResumeMainTimer() = 0;
};

struct TRadioPartSources {
    TAppState& State;
    IOperatorPrompt& Prompt;
    ISatellitePart& Satellite;  // the active set and its range rate
    std::function<std::string(int set)> SatelliteName;  // the name of a set, as the element file has it
    IRadioServerLink& Server;  // where the CAT decisions go instead of the port when a radio server is used
};

class TRadioPart final : public IRadioPart, private ICatDisplay {
public:
    // The port and the pause: the real ones in the program, fakes in tests.
    TRadioPart(TRadioPartSources sources, std::unique_ptr<ISerialPort> port, std::unique_ptr<ICatPause> pause);
    ~TRadioPart() override;

    // The main window's radio controls and the two radio dialogs ("Mode", "CAT Tuning").
    void AttachWindow(IRadioWindow& window, QWidget* mainWindow);

    // Operator commands.
    void CatOnOff();  // lblCat
    void CwToggle();  // lblCW
    void DialStep(double deltaHz);  // SpnVfo10 .. SpnVfo5000
    void SatModeOff();  // "&Sat mode off"
    void TxRxToggle();  // lblTxRx, lblTxRx2, lblTxRx3
    void SpaceKey();
    // The status bar shows or hides the TX/RX labels; hiding them switches to receive.
    void StatusBarClicked();
    // The correction keys: the active satellite's correction through the CAT Tuning
    // dialog's up-downs.
    void CorrectionKey(double deltaHz);
    void OpenTuningDialog();  // "&CAT"
    void OpenModeDialog();  // "&Mode"
    // The radio server was linked at start-up: with CAT control off it hears so.
    void RadioServerLinked();

    TCatControl& Cat() { return cat_; }
    TDopplerModel& Doppler() { return doppler_; }
    const TRadioDefinition& Definition() const { return definition_; }

    // IRadioPart.
    void ReadRadioFamily() override;
    void ReadRadioDefinitions() override;
    void InitCat() override;
    bool OpenCatPort(QString* message) override;
    void ReadCatTuning() override;
    void ReadDoppler() override;
    void ReadCorrectionModes() override;
    void CatOn() override { cat_.CatOn(); }
    void CatOff() override { cat_.CatOff(); }
    void UpdateDoppler() override;
    bool HasFrequencyEntry() override { return doppler_.Set().Found; }
    void BuildDopplerText() override;
    void DrawDopplerText() override;
    double DownlinkShift() override { return doppler_.State().DownShift; }
    void CycleUpdate() override { cat_.CycleUpdate(); }
    void ActiveSatelliteChanged(TSatelliteChange reason) override;
    void ClearCatHoldState() override;
    void ShutDownRadio(TShutdownPath path) override;

private:
    // ICatDisplay: the conductor's results, on the window.
    void ShowCatSwitch(bool on) override;
    void ShowCwSwitch(bool enabled, bool on) override;
    void ShowTransmit(bool transmit) override;
    void HideTransmitLabels() override;
    void ShowCorrection(double hz) override;
    void ShowVfoMode(bool on) override;
    void RefreshFrequencyDisplay() override;
    void ShowMessage(const std::string& text) override;
    void HoldTrackingForStep() override;
    void ResetWarmUp() override;

    char DecimalSeparator() const;
    std::string ActiveName();
    void ShowCorrectionModeText();

    TRadioPartSources in_;
    std::unique_ptr<ISerialPort> port_;
    std::unique_ptr<ICatPause> pause_;
    TRadioDefinition definition_;
    TDopplerModel doppler_;
    TCatControl cat_;
    IRadioWindow* window_ = nullptr;
    QWidget* mainWindow_ = nullptr;
    TMode* mode_ = nullptr;
    TSeiten* tuning_ = nullptr;
    QString dopplerText_;
};

}  // namespace kelvora
