#pragma once
// The map part: the world map, the sun and the ground-track mode, and what the tick
// and the start-up draw on the map. It reads the orbit, the observer, the active
// satellite's track and the selection owned by the satellite side.

#include "AppState.h"
#include "ElementCatalog.h"
#include "MapOverlays.h"
#include "OperatorPrompt.h"
#include "OrbitModel.h"
#include "Parts.h"
#include "SGP_Obs.h"
#include "SatSelection.h"
#include "SonneU.h"
#include "TrakStarU.h"
#include "WorldMap.h"

#include <vector>

namespace kelvora {

class TAusgabe;

// What the map part reads and shares with the rest of the program.
struct TMapPartSources {
    TAppState& State;
    TOrbitModel& Orbit;
    TObserverSite& Site;
    TTrackState& Track;
    const TSatSelection& Selection;
    const TElementCatalog& Catalog;
    std::vector<TPassInfo>& Passes;  // the pass cache the data line fills too
    IOperatorPrompt& Prompt;
};

class TMapPart final : public IMapPart {
public:
    TMapPart(const QString& programFolder, TMapPartSources sources);

    // The main window, once created; nothing is drawn before.
    void AttachWindow(TAusgabe& main) { main_ = &main; }
    // The maps of the current size, zoom and style (errors are told the operator).
    void LoadMaps();
    // The map toggles: one revolution now, or continuously.
    void DrawGroundTrackNow();
    void SetContinuousTrack(bool on);

    TWorldMap& Map() { return map_; }
    TSunState& Sun() { return sun_; }

    void ShowStationOnMap() override;
    void ShowDarkMap() override;
    void ZoomApplied(bool zoom2) override;
    void MapSetApplied(bool blueMarble) override;
    void MapPointAndComposeMap() override;
    void ComputeSunNow() override;
    void DrawDirectionArrow() override;
    void DrawSunOverlay() override;
    void DrawOtherSatellites() override;

private:
    TOverlayContext OverlayContext();

    TMapPartSources in_;
    TAusgabe* main_ = nullptr;
    TWorldMap map_;
    TSunState sun_;
    TGroundTrackMode trackMode_ = TGroundTrackMode::Off;
    bool mapsLoaded_ = false;
};

}  // namespace kelvora
