#include "RadioPart.h"

#include "CatRadioSetup.h"
#include "CatSteuerU.h"
#include "ConfigFile.h"
#include "ModeU.h"
#include "PatternFormat.h"
#include "RadioFiles.h"
#include "TrackingOutput.h"

#include <QWidget>

namespace kelvora {

TRadioPart::TRadioPart(TRadioPartSources sources, std::unique_ptr<ISerialPort> port, std::unique_ptr<ICatPause> pause)
    : in_(std::move(sources)), port_(std::move(port)), pause_(std::move(pause)),
      cat_(doppler_, *port_, *pause_, *this, in_.Server) {
    const QString dataFolder = in_.State.DataFolder;
    cat_.SetCorrectionModeSource([dataFolder] { return StoredCorrectionMode(dataFolder); });
}

TRadioPart::~TRadioPart() = default;

void TRadioPart::AttachWindow(IRadioWindow& window, QWidget* mainWindow) {
    window_ = &window;
    mainWindow_ = mainWindow;
    tuning_ = new TSeiten(cat_, doppler_, in_.State.DataFolder, in_.Prompt,
                          {[this] { window_->StopMainTimer(); }, [this] { window_->ResumeMainTimer(); }}, mainWindow);
}

char TRadioPart::DecimalSeparator() const { return in_.State.DecimalSeparator.toLatin1(); }

std::string TRadioPart::ActiveName() { return in_.SatelliteName(in_.Satellite.ActiveSet()); }

void TRadioPart::ShowCorrectionModeText() {
    if (window_) window_->ShowCorrectionModeText(QString::fromStdString(doppler_.CorrectionModeText()));
}

// ---- Start-up ----

void TRadioPart::ReadRadioFamily() { LoadRadioFamily(in_.State.DataFolder, definition_); }

void TRadioPart::ReadRadioDefinitions() {
    LoadRadioParameters(in_.State.DataFolder, definition_);
    if (window_) window_->EnableSatModeOff(SatModeOffEnabled(definition_));
}

void TRadioPart::InitCat() {
    // Before the port: with a radio server the port stays closed.
    cat_.Fields().UseRadioServer = in_.State.UseRadioServer;
    cat_.InitCat(CatRadioSetupOf(definition_));
    // "RTS12.SQF" comes after the command strings and before the port opens.
    LoadRtsDtr(in_.State.DataFolder, definition_);
}

bool TRadioPart::OpenCatPort(QString* message) {
    const int portNumber = in_.State.Station.PortNumber;
    std::string device;
    std::string text;
    if (portNumber > 0) {
        try {
            device = SerialDevicePath(in_.State.DataFolder, portNumber);
        } catch (const ConfigError& error) {
            if (message) *message = QString::fromStdString(error.what());
            return false;
        }
    }
    const bool opened = cat_.OpenCatPort(CatPortSettings(CatRadioSetupOf(definition_), portNumber, device), &text,
                                         in_.State.DataFolder.toStdString());
    if (!opened && message) *message = QString::fromStdString(text);
    return opened;
}

void TRadioPart::RadioServerLinked() {
    if (!cat_.Fields().CatOn) cat_.CatOff();
}

void TRadioPart::ReadCatTuning() {
    cat_.Fields().IntervalHz = LoadInterval(in_.State.DataFolder);
    cat_.SetCatPause(std::chrono::milliseconds(in_.State.Station.CatPauseMs));
}

void TRadioPart::ReadDoppler() { doppler_.SetTable(LoadDopplerTable(in_.State.DataFolder)); }

void TRadioPart::ReadCorrectionModes() {
    doppler_.SetCorrectionMode(LoadCorrectionMode(in_.State.DataFolder));
    ShowCorrectionModeText();
    // The last radio step of the start-up: from now on "C+" also checks the Icom bands.
    cat_.Fields().StartupDone = true;
}

// ---- The tick ----

void TRadioPart::UpdateDoppler() {
    if (doppler_.UpdateDoppler(in_.Satellite.RangeRate(), in_.Satellite.ActiveSet())) RefreshFrequencyDisplay();
}

void TRadioPart::BuildDopplerText() {
    const TDopplerState& s = doppler_.State();
    dopplerText_ =
        QString::fromStdString(DopplerLineText(s.DownShift, s.UpShift, doppler_.Set().UplinkKHz, DecimalSeparator()));
}

void TRadioPart::DrawDopplerText() {
    if (window_) window_->DrawDopplerText(dopplerText_);
}

void TRadioPart::ActiveSatelliteChanged(TSatelliteChange reason) {
    const std::string name = ActiveName();
    // The automatic change only picks the new satellite's frequency entry.
    if (reason == TSatelliteChange::Automatic) cat_.SelectFrequencySet(name);
    else cat_.SatelliteChanged(name, in_.Satellite.ActiveSet());
    if (tuning_) tuning_->ResetListPosition();
    // The new entry's own modes are in force: CW is off, and not offered for FM.
    cat_.Fields().CwActive = false;
    if (!window_) return;
    window_->ShowCwSwitch(!IsFmMode(doppler_.Set().DownlinkMode), false);
    if (doppler_.Set().Found) {
        RefreshFrequencyDisplay();
    } else {
        // No entry for this satellite: nothing of the previous one may stay on show,
        // and no blank bar either: the area is left white, as without a radio.
        window_->DrawFrequencyDisplay(QString());
        window_->DrawDopplerText(QString());
    }
}

void TRadioPart::ClearCatHoldState() {
    cat_.Fields().Hold = false;
    cat_.Fields().ReadBackArmed = 0;
}

void TRadioPart::ShutDownRadio(TShutdownPath path) {
    cat_.ShutdownRadio(path == TShutdownPath::WindowClose ? TQuitPath::WindowClose : TQuitPath::QuitMenu);
}

// ---- Operator commands ----

void TRadioPart::CatOnOff() { cat_.CatOnOff(); }

void TRadioPart::CwToggle() { cat_.CwToggle(); }

void TRadioPart::DialStep(double deltaHz) { cat_.DialStep(deltaHz); }

void TRadioPart::SatModeOff() { cat_.SatModeOff(); }

void TRadioPart::TxRxToggle() { cat_.TxRxToggle(); }

void TRadioPart::SpaceKey() { cat_.SpaceKey(); }

void TRadioPart::StatusBarClicked() {
    if (!window_) return;
    if (window_->TransmitLabelsShown()) cat_.TransmitLabelsHidden();
    else window_->ShowTransmitLabels();
}

void TRadioPart::CorrectionKey(double deltaHz) {
    if (tuning_) tuning_->CorrectionKey(in_.Satellite.ActiveSet(), deltaHz);
}

void TRadioPart::OpenTuningDialog() {
    if (tuning_) tuning_->OpenTuningDialog(ActiveName(), in_.Satellite.ActiveSet(), DecimalSeparator());
}

void TRadioPart::OpenModeDialog() {
    // Made at its first use: its address list comes from the files the start-up read.
    if (!mode_)
        mode_ = new TMode(
            cat_, doppler_, definition_, in_.State.DataFolder, in_.Prompt, [this] { ShowCorrectionModeText(); },
            mainWindow_);
    mode_->open();
}

// ---- What the conductor shows ----

void TRadioPart::ShowCatSwitch(bool on) {
    // The toggle texts are drawn from the tracking state: it follows the conductor.
    in_.State.Tracking.CatOn = on;
    if (window_) window_->ShowCatSwitch(on);
}

void TRadioPart::ShowCwSwitch(bool enabled, bool on) {
    if (window_) window_->ShowCwSwitch(enabled, on);
}

void TRadioPart::ShowTransmit(bool transmit) {
    if (window_) window_->ShowTransmit(transmit);
}

void TRadioPart::HideTransmitLabels() {
    if (window_) window_->HideTransmitLabels();
}

void TRadioPart::ShowCorrection(double hz) {
    if (!window_) return;
    window_->ShowCorrection(QString::fromStdString(FormatPattern(hz, "####0", DecimalSeparator())),
                            !doppler_.State().VfoMode);
}

void TRadioPart::ShowVfoMode(bool on) {
    if (window_) window_->ShowVfoMode(on);
    ShowCorrectionModeText();
}

void TRadioPart::RefreshFrequencyDisplay() {
    if (!window_ || !doppler_.Set().Found) return;
    window_->DrawFrequencyDisplay(QString::fromStdString(doppler_.FrequencyDisplay(DecimalSeparator())));
}

void TRadioPart::ShowMessage(const std::string& text) {
    in_.Prompt.Message(QString::fromStdString(text), IOperatorPrompt::Icon::Information);
}

void TRadioPart::HoldTrackingForStep() {
    if (window_) window_->HoldTrackingForStep();
}

void TRadioPart::ResetWarmUp() { in_.State.Tracking.ResetWarmUp(); }

}  // namespace kelvora
