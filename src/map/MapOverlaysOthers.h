#pragma once
// The other satellites of the selection that are marked for the map: each with
// its footprint outline, optionally its direction arrow, and a label with its
// letter, name and the time of its next rise (or, while it is up, its set).

#include "TrakStarU.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <vector>

namespace kelvora {

struct TOverlayContext;

// One selected satellite, in letter order (A first).
struct TOverlaySatellite {
    int Set = 0;  // set number (slot) of the loaded element file
    QString Name;
    bool MapMarker = false;
};

struct TOtherSatellites {
    std::vector<TOverlaySatellite> Satellites;  // the selection, letter order
    // Pass state per set number, read and updated by the pass search; a set
    // beyond its end gets a fresh prediction that is not kept.
    std::vector<TPassInfo>* Passes = nullptr;
    int LayoutSize = 1;  // 1..5, for the pass-time separator
    TPassRotationHook DecidePassRotation;
};

// letter + ":" + name + " L:" + LOS time while up (elevation >= 0), else
// " A:" + AOS time, + " ".
QString OtherSatelliteLabel(int letter, const QString& name, double elevation, const TPassInfo& pass);

// Draws a label with its top at the satellite's row, centred on its column
// and kept on the canvas; white, or red by the marker colour rule at the
// satellite's pixel. Returns the text's box.
QRect DrawSatelliteLabel(QImage& canvas, QPoint satellite, const QString& label);

// Draws every marked satellite except the active one. Afterwards the active
// satellite is the model's working copy and the track state is as before.
void DrawOtherSatellites(TOverlayContext& context, const TOtherSatellites& others);

}  // namespace kelvora
