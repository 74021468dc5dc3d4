#include "MapOverlaysTrack.h"

#include "MapOverlays.h"
#include "OrbitModel.h"
#include "SGP_Obs.h"

#include <QColor>
#include <cmath>

namespace kelvora {

namespace {

// Rounding noise must not add a dot at exactly one revolution.
constexpr double kEndTolerance = 1e-9;  // days

}  // namespace

double TrackStartMinutes(bool arrowsOn, bool zoom2) {
    if (!arrowsOn) return 2.0;
    return zoom2 ? 4.0 : 7.0;
}

std::vector<double> TrackOffsets(double startMinutes, double revsPerDay) {
    std::vector<double> offsets;
    if (!(revsPerDay > 0.0) || !std::isfinite(revsPerDay)) return offsets;
    const double end = 1.0 / revsPerDay - kEndTolerance;
    const double start = startMinutes / 1440.0;
    // Counted by index: a running sum would drift over hundreds of steps.
    for (int i = 0;; ++i) {
        const double offset = start + i * kTrackStep;
        if (!(offset < end)) break;
        offsets.push_back(offset);
    }
    return offsets;
}

void CopyTrackDot(QImage& canvas, QPoint upperLeft) {
    const QColor white(255, 255, 255);
    const QColor black(0, 0, 0);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const QPoint p = upperLeft + QPoint(column, row);
            if (!canvas.valid(p)) continue;
            canvas.setPixelColor(p, row < 2 && column < 2 ? white : black);
        }
    }
}

int DrawGroundTrack(TOverlayContext& context) {
    const TTrackState before = context.Track;
    const QPointF satellitePoint = context.Map.SatellitePoint();
    int dots = 0;
    if (context.Model.SelectSatellite(context.ActiveSet)) {
        const double start = TrackStartMinutes(context.ArrowsOn, context.Map.Zoom2());
        for (double offset : TrackOffsets(start, context.Model.Model().RevsPerDay)) {
            const std::optional<QPointF> point = PropagateToMapPoint(context, offset);
            if (!point) continue;
            CopyTrackDot(context.Map.Canvas(), MapPixel(context.Map.Geometry(), *point));
            ++dots;
        }
    }
    context.Track = before;
    context.Map.SetSatellitePoint(satellitePoint);
    context.Map.ShowMapView(context.Centre);
    if (context.MapRedrawCounter) *context.MapRedrawCounter = 1;
    return dots;
}

}  // namespace kelvora
