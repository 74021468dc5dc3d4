#pragma once
// What the overlay tests share: the real element file of the test data, a
// station, the world map at a chosen size (black pictures: no map files are
// needed) and an overlay context over all of it.

#include "MapOverlays.h"
#include "OrbitModel.h"
#include "SGP_Obs.h"
#include "SGP_Time.h"
#include "ThreeLineFile.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <string>
#include <vector>

namespace kelvora::test {

inline constexpr double kFeb12 = 16843.0;  // 2024-02-12 00:00 UTC as a day count

using testing::SlotOf;

// Pixels of exactly that colour.
inline std::vector<QPoint> PixelsOf(const QImage& image, const QColor& colour) {
    std::vector<QPoint> found;
    const QRgb wanted = colour.rgb() & 0xFFFFFFu;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFFu) == wanted) found.emplace_back(x, y);
    return found;
}

class OverlayFixture {
protected:
    TOrbitModel model{2000};
    TObserverSite site;
    TTrackState track;
    TWorldMap map;
    std::vector<std::string> names;
    int mapCounter = 0;

    OverlayFixture() {
        names = testing::LoadThreeLineFile(model, KELVORA_TEST_DATA_DIR "/amateur-2024-02-12.tle");
        SetupObserver(site, 48.1, 11.6, 500.0);
    }

    // The map at a preset and zoom, all black.
    void UseMap(TSizePreset preset, bool zoom2) {
        map.LoadMapSet(preset, zoom2, TMapStyle::Political);
        map.Canvas().fill(Qt::black);
    }

    // What the cycle has done before the overlays: the active satellite
    // selected and propagated to the cursor, its sub-point and map point.
    TOverlayContext Context(int activeSet, double cursor) {
        model.SelectSatellite(activeSet);
        const double jd = JulianDateOfDayCount(cursor);
        PropagateAndLook(model, site, track, jd, cursor);
        SubSatellitePoint(track, jd, model.ClockOffset());
        map.SetSatellitePoint(map.MapPoint(track.SubLatitude, track.SubLongitude));
        TOverlayContext context{model, site, track, map};
        context.Cursor = cursor;
        context.JulianDate = jd;
        context.ActiveSet = activeSet;
        context.MapRedrawCounter = &mapCounter;
        return context;
    }
};

}  // namespace kelvora::test
