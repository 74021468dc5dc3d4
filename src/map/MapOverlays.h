#pragma once
// The map overlays drawn on top of the composed map on each map refresh: the
// direction arrows, the sun with the day/night boundary, the other marked
// satellites with their footprints and next pass times, and the active
// satellite's ground track for one revolution.
//
// Everything they read and write comes in through TOverlayContext; the caller
// owns all of it. The overlays select other satellites and propagate to other
// instants, so they change the model's working copy and the track state while
// they draw; each leaves both as it found them (the active satellite at the
// cycle's instant). The cycle's day count and Julian date are plain values
// here and are never moved.

#include "WorldMap.h"

#include <QPoint>
#include <QPointF>
#include <QString>
#include <optional>

namespace kelvora {

class TOrbitModel;
struct TObserverSite;
struct TTrackState;

struct TOverlayContext {
    TOrbitModel& Model;  // working copy: the active satellite on entry and exit
    TObserverSite& Site;
    TTrackState& Track;  // the active satellite at the cycle's instant; restored
    TWorldMap& Map;  // canvas drawn on; the satellite point is left unchanged
    double Cursor = 0.0;  // the cycle's day count
    double JulianDate = 0.0;  // the cycle's Julian date
    int ActiveSet = 0;  // set number (slot) of the active satellite
    bool ArrowsOn = false;  // lblArrow "D+"
    TMapCentre Centre = TMapCentre::Satellite;  // for the view copy after the track
    int* MapRedrawCounter = nullptr;  // the ground track sets it to 1 (no recomposition next tick)
};

// Propagates the model's working satellite to the cycle's instant plus
// offsetDays and gives its sub-satellite point on the map; leaves the result in
// the track state. Nothing when the set cannot be propagated or the position
// lies below the earth's surface.
std::optional<QPointF> PropagateToMapPoint(TOverlayContext& context, double offsetDays);

// Nearest pixel, halves to even.
QPoint RoundedPixel(QPointF point);

// lblSpur: off "G-", drawn once "Gt", drawn on every refresh "G+".
enum class TGroundTrackMode { Off, Once, Continuous };

QString GroundTrackCaption(TGroundTrackMode mode);

// What a click on lblSpur does.
struct TGroundTrackClick {
    TGroundTrackMode Next = TGroundTrackMode::Off;
    bool DrawNow = false;  // draw the track once right away
    bool ResetMapCounter = false;  // MapRedrawCounter := 0
};
TGroundTrackClick GroundTrackClicked(TGroundTrackMode current);

// The switches of one map refresh, as the main window's labels show them.
// The end of a map refresh: the view copy, then the ground track when it is
// continuous. Returns the ground-track mode afterwards: a track drawn once
// ("Gt") is gone with this refresh, so the switch falls back to off.
TGroundTrackMode FinishMapRefresh(TOverlayContext& context, TGroundTrackMode mode);

}  // namespace kelvora
