#include "MapPart.h"

#include "AusgabeU.h"
#include "MapOverlaysArrow.h"
#include "MapOverlaysOthers.h"
#include "MapOverlaysSun.h"
#include "MapOverlaysTrack.h"
#include "WindowSize.h"

namespace kelvora {

TMapPart::TMapPart(const QString& programFolder, TMapPartSources sources) : in_(sources), map_(programFolder) {}

void TMapPart::LoadMaps() {
    mapsLoaded_ = true;
    const TAppState& state = in_.State;
    const QString error = map_.LoadMapSet(PresetOfOption(state.Layout.WindowSizeOption), state.Tracking.Zoom2,
                                          MapStyleOf(state.Start.MapSet));
    map_.SetStation(state.Station.Latitude, state.Station.Longitude);
    if (!error.isEmpty()) in_.Prompt.Message(error, IOperatorPrompt::Icon::Error);
}

TOverlayContext TMapPart::OverlayContext() {
    TAppState& state = in_.State;
    TOverlayContext context{in_.Orbit, in_.Site, in_.Track, map_};
    context.Cursor = state.Time.DayCount;
    context.JulianDate = state.Time.JulianDate;
    context.ActiveSet = in_.Selection.ActiveSet;
    context.ArrowsOn = state.Tracking.ArrowsOn;
    context.Centre = MapCentreOf(state.Start.MapCentreSwitch, state.Start.MapCentreChoice);
    context.MapRedrawCounter = &state.Tracking.MapRedrawCounter;
    return context;
}

void TMapPart::DrawGroundTrackNow() {
    TOverlayContext context = OverlayContext();
    kelvora::DrawGroundTrack(context);
    main_->ShowMap(map_.View());
}

void TMapPart::SetContinuousTrack(bool on) { trackMode_ = on ? TGroundTrackMode::Continuous : TGroundTrackMode::Once; }

void TMapPart::ShowStationOnMap() { map_.SetStation(in_.State.Station.Latitude, in_.State.Station.Longitude); }

void TMapPart::ShowDarkMap() {
    if (!in_.Selection.OpenedFromMenu) main_->ShowMap(map_.NightPicture());
}

// The maps of the zoom are loaded with the window's maps (LoadMaps reads Zoom2).
void TMapPart::ZoomApplied(bool) {}

void TMapPart::MapSetApplied(bool) {
    if (mapsLoaded_) LoadMaps();  // at window creation the layout comes first
}

void TMapPart::MapPointAndComposeMap() {
    if (!in_.State.Tracking.ActiveComputable) {
        map_.ComposeMapWithoutSatellite();
        return;
    }
    const TTrackState& track = in_.Track;
    map_.ComposeMap({track.SubLatitude, track.SubLongitude, track.GeocentricRadius, track.Elevation});
}

void TMapPart::ComputeSunNow() {
    const TTimeScales& time = in_.State.Time;
    const double clockValue = time.ShownTime + time.ClockCorrection;
    kelvora::ComputeSunNow(sun_, clockValue, time.ClockCorrection, time.ClockOffset);
}

void TMapPart::DrawDirectionArrow() {
    if (!in_.State.Tracking.ActiveComputable) return;
    TOverlayContext context = OverlayContext();
    kelvora::DrawDirectionArrow(context, map_.SatellitePoint());
}

void TMapPart::DrawSunOverlay() {
    TOverlayContext context = OverlayContext();
    kelvora::DrawSunOverlay(context, sun_);
}

void TMapPart::DrawOtherSatellites() {
    TOverlayContext context = OverlayContext();
    if (in_.State.Tracking.MultiSat) {
        TOtherSatellites others;
        for (const TResolvedSatellite& r : in_.Selection.Resolved)
            others.Satellites.push_back({r.Set, r.Name, r.MapMarker});
        if (in_.Passes.size() != static_cast<size_t>(in_.Catalog.Count()) + 1)
            in_.Passes.assign(static_cast<size_t>(in_.Catalog.Count()) + 1, TPassInfo{});
        others.Passes = &in_.Passes;
        others.LayoutSize = in_.State.Layout.LayoutSize;
        kelvora::DrawOtherSatellites(context, others);
    }
    const TGroundTrackMode before = trackMode_;
    trackMode_ = FinishMapRefresh(context, trackMode_);
    if (before != trackMode_) main_->SetToggleText(TToggle::Spur, GroundTrackCaption(trackMode_));
    main_->ShowMap(map_.View());
}

}  // namespace kelvora
