#include "RotorPart.h"

#include "ConfigFile.h"
#include "PassRotation.h"
#include "RotorFiles.h"
#include "RotorU.h"

#include <QWidget>
#include <cmath>

namespace kelvora {

TRotorPart::TRotorPart(TRotorPartSources sources) : in_(sources) {
    settings_.SecondInstance = in_.State.SecondInstance;
}

TRotorPart::~TRotorPart() = default;

void TRotorPart::AttachWindow(IRotorWindow& window, QWidget* mainWindow) {
    window_ = &window;
    dialog_ = new THinweise(*this, mainWindow);
    dialog_->Hidden = [this] { window_->EnableMainWindow(true); };
}

// ---- Start-up ----

void TRotorPart::ReadRotorFiles() { LoadRotorFiles(in_.State.DataFolder, settings_); }

void TRotorPart::ReadRotorOptions() {
    LoadRotorOptions(in_.State.DataFolder, settings_);
    // The station settings are read by now. The end stop's side is applied here
    // only: an 'S' switches the 450-degree range off, while flying over the top
    // stays allowed (the pass decision has its own rule for a south stop).
    const TStationSettings& station = in_.State.Station;
    ApplyStationRotorSettings(settings_, station.FlipSide, station.MinElevation, station.RotorValueA,
                              station.RotorValueB);
    settings_.SecondInstance = in_.State.SecondInstance;
    if (dialog_) dialog_->FillStandardDirections();
}

void TRotorPart::RereadRotorOptions() {
    try {
        LoadWiRotOpt(in_.State.DataFolder, settings_);
    } catch (const ConfigError& error) {
        in_.Prompt.Message(QString::fromStdString(error.what()), IOperatorPrompt::Icon::Error);
    }
}

void TRotorPart::RotorToggleApplied(bool on) {
    state_.RotorOn = on;
    if (on) state_.StepCounter = 0;
}

// ---- The tick ----

void TRotorPart::RotorCycle() {
    // The preview and the MA steps move the shown time only: the antenna stays.
    if (in_.State.Tracking.TimeMode != TTimeMode::RealTime) return;
    const int set = in_.Satellite.ActiveSet();
    DecideNewPass(set);
    TRotorCycleInputs inputs;
    inputs.Now = in_.State.Time.DayCount;
    inputs.ActiveSlot = set;
    const std::vector<double>& nextAos = in_.State.Tracking.NextAos;
    inputs.NextAos = set > 0 && static_cast<size_t>(set) < nextAos.size() ? nextAos[static_cast<size_t>(set)] : 0.0;
    inputs.AfterLos = in_.State.Tracking.AfterLos == '+';
    inputs.Look = [this, set](double dayCount) -> std::optional<TRotorLook> {
        const std::optional<TSatelliteLook> look = in_.Satellite.LookAt(set, dayCount);
        if (!look) return std::nullopt;
        return TRotorLook{look->Azimuth, look->Elevation};
    };
    Send(kelvora::RotorCycle(settings_, state_, inputs));
}

// The flip decision follows the pass prediction: a pass not yet decided for this
// set (a new prediction, or any after a change of satellite) is decided now.
void TRotorPart::DecideNewPass(int set) {
    const std::optional<TPredictedPass> pass = in_.Satellite.PredictedPass(set);
    const auto decided = decidedPasses_.find(set);
    if (!pass) {
        if (decided == decidedPasses_.end()) return;
        decidedPasses_.erase(decided);
        SetPassRotation(state_, set, false, false);
        return;
    }
    if (decided != decidedPasses_.end() && decided->second == *pass) return;
    decidedPasses_[set] = *pass;
    const TStationSettings& station = in_.State.Station;
    kelvora::DecidePassRotation(
        settings_, state_, set, in_.Satellite.RevsPerDay(set), {pass->AosTime, pass->AosAzimuth, pass->LosAzimuth},
        {station.Latitude, station.Longitude}, [this, set](double dayCount) {
            const std::optional<TSatelliteLook> look = in_.Satellite.LookAt(set, dayCount);
            return look ? std::optional<TSubPoint>({look->SubLatitude, look->SubLongitude}) : std::nullopt;
        });
}

void TRotorPart::ActiveSatelliteChanged(TSatelliteChange reason) {
    if (reason == TSatelliteChange::LetterClick) ResetForSatellite(state_);
    else if (reason == TSatelliteChange::Automatic) state_.StepCounter = 0;
    // No flip is carried to another satellite or element file; the pass of the
    // active one is decided again at the next cycle.
    state_.PassFlip.fill(false);
    state_.PassExtend.fill(false);
    decidedPasses_.clear();
    ShowPassColour();
}

void TRotorPart::ShutDownRotor() {
    // Tracking was under way: the antenna is left parked as after a pass.
    if (settings_.ParkOn() && state_.RotorOn && !state_.Parked) {
        Send(ParkNow(settings_, state_));
        state_.Parked = true;
    }
    // A second copy leaves the servers of the first one connected.
    if (in_.State.SecondInstance) in_.State.UseRotorServer = in_.State.UseRadioServer = false;
    in_.Links.StopServers();
}

// ---- Sending ----

void TRotorPart::Send(const TRotorDecision& decision) {
    ShowPassColour();
    if (!decision) return;
    // The core keeps every position within the rotor's ranges; a value that is not
    // a number never reaches a server, whatever produced it.
    if (!std::isfinite(decision->Azimuth) || !std::isfinite(decision->Elevation)) return;
    in_.Links.SendRotorPosition(decision->Azimuth, decision->Elevation);
}

void TRotorPart::ShowSwitch() {
    // The toggle texts are drawn from the tracking state: it follows the rotor.
    in_.State.Tracking.RotorOn = state_.RotorOn;
    if (window_) window_->ShowRotorSwitch(state_.RotorOn);
}

void TRotorPart::ShowPassColour() {
    if (state_.LabelYellow == shownYellow_) return;
    shownYellow_ = state_.LabelYellow;
    if (window_) window_->ShowRotorPassColour(shownYellow_);
}

// ---- Operator commands ----

void TRotorPart::RotorOnOff() {
    kelvora::RotorOnOff(state_);
    ShowSwitch();
}

void TRotorPart::OpenRotorDialog() {
    if (!dialog_) return;
    if (window_) window_->EnableMainWindow(false);
    dialog_->Open();
}

TRotorDialogResult TRotorPart::Apply(const TRotorDialogResult& result) {
    Send(result.Command);
    ShowSwitch();
    if (result.WriteParkFiles) {
        QString error;
        if (!StoreParkFiles(in_.State.DataFolder, settings_, &error))
            in_.Prompt.Message("The park position was not stored:\n" + error, IOperatorPrompt::Icon::Error);
    }
    return result;
}

TRotorDialogResult TRotorPart::ExecuteManual(std::string_view azimuthText, std::string_view elevationText) {
    return Apply(kelvora::ExecuteManual(settings_, state_, azimuthText, elevationText));
}

TRotorDialogResult TRotorPart::StandardDirection(int index) {
    return Apply(kelvora::StandardDirection(settings_, state_, index));
}

TRotorDialogResult TRotorPart::ParkClick(bool parkFieldHasText) {
    return Apply(cmdParkClick(settings_, state_, parkFieldHasText));
}

bool TRotorPart::ParkAzimuthChanged(std::string_view text) { return edParkAzChange(settings_, text); }

bool TRotorPart::ParkElevationChanged(std::string_view text) { return edParkElChange(settings_, text); }

std::string TRotorPart::CorrectAzimuth(int delta) {
    const TCorrectionResult result = kelvora::CorrectAzimuth(settings_, state_, in_.Satellite.ActiveSet(), delta);
    Send(result.Command);
    return result.Text;
}

std::string TRotorPart::CorrectElevation(int delta) {
    const TCorrectionResult result = kelvora::CorrectElevation(settings_, state_, in_.Satellite.ActiveSet(), delta);
    Send(result.Command);
    return result.Text;
}

}  // namespace kelvora
