// The output side of the application object: illumination, the data line with the
// pass times, the station text, and the preview dialogs and map toggles wired.

#include "AusgabeU.h"
#include "KelvoraApp.h"
#include "MAinpU.h"
#include "MapToggles.h"
#include "PreviewControl.h"
#include "SatSU.h"
#include "TrackingOutput.h"
#include "VorschauU.h"

#include <QColor>

namespace kelvora {

namespace {
QColor ColourOf(const TRgb& rgb) { return QColor(rgb.R, rgb.G, rgb.B); }
}  // namespace

void TKelvoraApp::CreatePreviewDialogs() {
    vorschau_ = new TVorschau(main_);
    vorschau_->setObjectName("Vorschau");
    maInp_ = new TMAInp(state_.Layout.FontScale, main_);
    dialogs_ << vorschau_ << maInp_;
    placedDialogs_ << vorschau_;
    TPreviewSources sources;
    sources.LocalNow = [this] { return DateTimeToDays(clock_.LocalNow()); };
    sources.ActiveRevsPerDay = [this] {
        return TOrbitModel::IsValidSlot(state_.Tracking.ActiveSet) ? orbit_.Slot(state_.Tracking.ActiveSet).RevsPerDay
                                                                    : 0.0;
    };
    sources.ActiveMa = [this] { return track_.MA; };
    sources.ComputeSunAtCursor = [this] { kelvora::ComputeSunAtCursor(mapPart_.Sun(), state_.Time.DayCount, state_.Time.ClockOffset); };
    sources.ClearSelectionRequest = [this] { selection_.ShowRequestedByMenu = false; };
    sources.ReportError = [this](const QString& text) { prompt_.Message(text, IOperatorPrompt::Icon::Error); };
    preview_ = std::make_unique<TPreviewControl>(*main_, *ticks_, *vorschau_, *maInp_, state_, Parts(), sources);
}

void TKelvoraApp::WireMapToggles() {
    TMapToggleHooks hooks;
    hooks.LoadMapSet = [this] { mapPart_.LoadMaps(); };
    hooks.DrawGroundTrack = [this] { mapPart_.DrawGroundTrackNow(); };
    hooks.SetContinuousTrack = [this](bool on) { mapPart_.SetContinuousTrack(on); };
    hooks.ClearIllumination = [this] { main_->ClearIllumination(); };
    main_->WireMapToggles(state_, hooks);
    connect(main_, &TAusgabe::WindowSizeClicked, this, [this] {
        satSetup_->ChooseWindowSizeItem(NextWindowSizeItem(state_.Layout.WindowSizeOption, state_.Layout.FontScale));
    });
}

// The tracking data server is not built yet: nothing to publish to.
void TKelvoraApp::SetDataServerItem() {}

void TKelvoraApp::ShowStationText() {
    main_->ShowStationText(QString::fromStdString(
        StationText(state_.Station.Longitude, state_.Station.Latitude, state_.DecimalSeparator.toLatin1())));
}

void TKelvoraApp::ShowIllumination() {
    if (!state_.Tracking.ActiveComputable) {
        main_->ClearIllumination();
        return;
    }
    const TIllumination ill =
        kelvora::ShowIllumination(mapPart_.Sun(), track_.SubLatitude, track_.SubLongitude, track_.GeocentricRadius);
    main_->ShowIllumination(QString::fromStdString(ill.Text), ColourOf(ill.LabelColour), ColourOf(ill.TextColour));
}

void TKelvoraApp::UpdatePassOfActive() {
    const int set = state_.Tracking.ActiveSet;
    if (!TOrbitModel::IsValidSlot(set) || set > catalog_.Count()) return;
    if (passes_.size() != static_cast<size_t>(catalog_.Count()) + 1)
        passes_.assign(static_cast<size_t>(catalog_.Count()) + 1, TPassInfo{});
    TPassInfo& pass = passes_[static_cast<size_t>(set)];
    // A pass whose last event lies behind the cursor is predicted again.
    if (pass.LastEventTime < state_.Time.DayCount) pass.Below = pass.Above = 0;
    const TTrackState atCursor = track_;
    PredictPass(orbit_, site_, track_, set, pass, state_.Time.DayCount, state_.Layout.LayoutSize);
    track_ = atCursor;
    if (static_cast<size_t>(set) < state_.Tracking.NextAos.size())
        state_.Tracking.NextAos[static_cast<size_t>(set)] = pass.NextAos;
}

void TKelvoraApp::ShowDataLine() {
    if (!state_.Tracking.ActiveComputable) {
        // No numbers and no pass times from a position the model could not give.
        main_->DrawDataLine(QString::fromLatin1(NotComputableLineText(state_.Layout.LayoutSize).c_str()), false);
        return;
    }
    UpdatePassOfActive();
    const int set = state_.Tracking.ActiveSet;
    const bool hasSquint = static_cast<size_t>(set) < squintSlots_.size() &&
                           squintSlots_[static_cast<size_t>(set)].AttitudeText != "-";
    const std::string passText =
        static_cast<size_t>(set) < passes_.size() ? passes_[static_cast<size_t>(set)].PassTimeText : std::string();
    const std::string line = DataLineText(DataLineValuesOf(track_, hasSquint, passText), state_.Layout.LayoutSize,
                                          state_.DecimalSeparator.toLatin1());
    main_->DrawDataLine(QString::fromLatin1(line.c_str()), DataLineOnWhite(track_.Elevation));
}

void TKelvoraApp::BlankDopplerText() { main_->BlankDopplerText(); }

}  // namespace kelvora
