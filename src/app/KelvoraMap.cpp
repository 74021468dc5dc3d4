// The map side of the application object: the world map and its overlays, the sun
// and illumination, the data line with the pass times, and the preview dialogs.

#include "AusgabeU.h"
#include "KelvoraApp.h"
#include "MAinpU.h"
#include "MapOverlaysArrow.h"
#include "MapOverlaysOthers.h"
#include "MapOverlaysSun.h"
#include "MapOverlaysTrack.h"
#include "MapToggles.h"
#include "PreviewControl.h"
#include "SatSU.h"
#include "TrackingOutput.h"
#include "VorschauU.h"
#include "WindowSize.h"

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
    sources.ComputeSunAtCursor = [this] { kelvora::ComputeSunAtCursor(sun_, state_.Time.DayCount, state_.Time.ClockOffset); };
    sources.ClearSelectionRequest = [this] { selection_.ShowRequestedByMenu = false; };
    sources.ReportError = [this](const QString& text) { prompt_.Message(text, IOperatorPrompt::Icon::Error); };
    preview_ = std::make_unique<TPreviewControl>(*main_, *ticks_, *vorschau_, *maInp_, state_, Parts(), sources);
}

void TKelvoraApp::WireMapToggles() {
    TMapToggleHooks hooks;
    hooks.LoadMapSet = [this] { LoadMaps(); };
    hooks.DrawGroundTrack = [this] {
        TOverlayContext context = OverlayContext();
        kelvora::DrawGroundTrack(context);
        main_->ShowMap(map_.View());
    };
    hooks.SetContinuousTrack = [this](bool on) {
        trackMode_ = on ? TGroundTrackMode::Continuous : TGroundTrackMode::Once;
    };
    hooks.ClearIllumination = [this] { main_->ClearIllumination(); };
    main_->WireMapToggles(state_, hooks);
    connect(main_, &TAusgabe::WindowSizeClicked, this, [this] {
        satSetup_->ChooseWindowSizeItem(NextWindowSizeItem(state_.Layout.WindowSizeOption, state_.Layout.FontScale));
    });
}

void TKelvoraApp::MapSetApplied(bool) {
    if (mapsLoaded_) LoadMaps();  // at window creation the layout comes first
}

void TKelvoraApp::LoadMaps() {
    mapsLoaded_ = true;
    const QString error = map_.LoadMapSet(PresetOfOption(state_.Layout.WindowSizeOption), state_.Tracking.Zoom2,
                                          MapStyleOf(state_.Start.MapSet));
    map_.SetStation(state_.Station.Latitude, state_.Station.Longitude);
    if (!error.isEmpty()) prompt_.Message(error, IOperatorPrompt::Icon::Error);
}

TOverlayContext TKelvoraApp::OverlayContext() {
    TOverlayContext context{orbit_, site_, track_, map_};
    context.Cursor = state_.Time.DayCount;
    context.JulianDate = state_.Time.JulianDate;
    context.ActiveSet = state_.Tracking.ActiveSet;
    context.ArrowsOn = state_.Tracking.ArrowsOn;
    context.Centre = MapCentreOf(state_.Start.MapCentreSwitch, state_.Start.MapCentreChoice);
    context.MapRedrawCounter = &state_.Tracking.MapRedrawCounter;
    return context;
}

void TKelvoraApp::ShowStationOnMap() { map_.SetStation(state_.Station.Latitude, state_.Station.Longitude); }

// The maps of the zoom are loaded with the window's maps (LoadMaps reads Zoom2).
void TKelvoraApp::ZoomApplied(bool) {}

// The tracking data server is not built yet: nothing to publish to.
void TKelvoraApp::SetDataServerItem() {}

void TKelvoraApp::ShowStationText() {
    main_->ShowStationText(QString::fromStdString(
        StationText(state_.Station.Longitude, state_.Station.Latitude, state_.DecimalSeparator.toLatin1())));
}

void TKelvoraApp::ShowDarkMap() {
    if (!selection_.OpenedFromMenu) main_->ShowMap(map_.NightPicture());
}

void TKelvoraApp::MapPointAndComposeMap() {
    if (!state_.Tracking.ActiveComputable) {
        map_.ComposeMapWithoutSatellite();
        return;
    }
    map_.ComposeMap({track_.SubLatitude, track_.SubLongitude, track_.GeocentricRadius, track_.Elevation});
}

void TKelvoraApp::ComputeSunNow() {
    const double clockValue = state_.Time.ShownTime + state_.Time.ClockCorrection;
    kelvora::ComputeSunNow(sun_, clockValue, state_.Time.ClockCorrection, state_.Time.ClockOffset);
}

void TKelvoraApp::ShowIllumination() {
    if (!state_.Tracking.ActiveComputable) {
        main_->ClearIllumination();
        return;
    }
    const TIllumination ill =
        kelvora::ShowIllumination(sun_, track_.SubLatitude, track_.SubLongitude, track_.GeocentricRadius);
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

void TKelvoraApp::DrawDirectionArrow() {
    if (!state_.Tracking.ActiveComputable) return;
    TOverlayContext context = OverlayContext();
    kelvora::DrawDirectionArrow(context, map_.SatellitePoint());
}

void TKelvoraApp::BlankDopplerText() { main_->BlankDopplerText(); }

void TKelvoraApp::DrawSunOverlay() {
    TOverlayContext context = OverlayContext();
    kelvora::DrawSunOverlay(context, sun_);
}

void TKelvoraApp::DrawOtherSatellites() {
    TOverlayContext context = OverlayContext();
    if (state_.Tracking.MultiSat) {
        TOtherSatellites others;
        for (const TResolvedSatellite& r : selection_.Resolved) others.Satellites.push_back({r.Set, r.Name, r.MapMarker});
        if (passes_.size() != static_cast<size_t>(catalog_.Count()) + 1)
            passes_.assign(static_cast<size_t>(catalog_.Count()) + 1, TPassInfo{});
        others.Passes = &passes_;
        others.LayoutSize = state_.Layout.LayoutSize;
        kelvora::DrawOtherSatellites(context, others);
    }
    const TGroundTrackMode before = trackMode_;
    trackMode_ = FinishMapRefresh(context, trackMode_);
    if (before != trackMode_) main_->SetToggleText("lblSpur", GroundTrackCaption(trackMode_));
    main_->ShowMap(map_.View());
}

}  // namespace kelvora
