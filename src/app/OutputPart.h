#pragma once
// The output part: the main window's texts the tick and the start-up write (data
// line with the pass times, illumination, station, Doppler line, toggle captions),
// the tracking data server's line and the placing of the dialogs below the window.

#include "AppState.h"
#include "DopplerModel.h"
#include "ElementCatalog.h"
#include "OrbitModel.h"
#include "Parts.h"
#include "SGP_Obs.h"
#include "SatSelection.h"
#include "SonneU.h"
#include "Squint.h"
#include "TrackingDataServer.h"
#include "TrakStarU.h"

#include <QList>
#include <functional>
#include <vector>

class QWidget;

namespace kelvora {

class TAusgabe;

// What the output part reads and shares with the rest of the program.
struct TOutputPartSources {
    TAppState& State;
    TOrbitModel& Orbit;
    TObserverSite& Site;
    TTrackState& Track;
    const TSatSelection& Selection;
    const TElementCatalog& Catalog;
    const std::vector<TSquintSlot>& SquintSlots;
    const TSunState& Sun;
    std::vector<TPassInfo>& Passes;  // the pass cache the map's other satellites use too
    // The tuned frequencies and modes of the active satellite, for the data server.
    std::function<const TDopplerModel&()> Doppler;
    ITrackingDataServer& DataServer;
};

class TOutputPart final : public IOutputPart {
public:
    explicit TOutputPart(TOutputPartSources sources) : in_(sources) {}

    // The main window, once created; nothing is written before.
    void AttachWindow(TAusgabe& main) { main_ = &main; }
    // A dialog that opens centred below the main window's top.
    void AddPlacedDialog(QWidget* dialog) { placedDialogs_ << dialog; }

    void ShowStationText() override;
    void PlaceDialogs() override;
    void ClearIllumination() override;
    void ToggleLabelsChanged() override;
    void ShowIllumination() override;
    void ShowDataLine() override;
    void BlankDopplerText() override;
    void SetDataServerItem() override;
    void Beep() override;

private:
    void UpdatePassOfActive();

    TOutputPartSources in_;
    TAusgabe* main_ = nullptr;
    QList<QWidget*> placedDialogs_;
};

}  // namespace kelvora
