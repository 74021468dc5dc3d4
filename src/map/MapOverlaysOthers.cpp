#include "MapOverlaysOthers.h"

#include "MapDrawing.h"
#include "MapOverlays.h"
#include "MapOverlaysArrow.h"
#include "MapOverlaysLabel.h"
#include "OrbitModel.h"
#include "SGP_Obs.h"

namespace kelvora {

namespace {

TPassInfo& PassOf(const TOtherSatellites& others, int set, TPassInfo& scratch) {
    if (others.Passes && set >= 0 && set < static_cast<int>(others.Passes->size()))
        return (*others.Passes)[static_cast<size_t>(set)];
    return scratch;
}

void DrawOne(TOverlayContext& context, const TOtherSatellites& others, int letter, const TOverlaySatellite& satellite) {
    if (!context.Model.SelectSatellite(satellite.Set)) return;
    const std::optional<QPointF> point = PropagateToMapPoint(context, 0.0);
    if (!point) return;
    const TTrackState& track = context.Track;
    const double elevation = track.Elevation;
    const TFootprintOutline outline =
        context.Map.FootprintOutline(track.SubLatitude, track.SubLongitude, track.GeocentricRadius);
    DrawFootprintOutline(context.Map.Canvas(), context.Map.Geometry(), outline, kMapWhite);
    if (context.ArrowsOn) DrawDirectionArrow(context, *point);

    TPassInfo scratch;
    TPassInfo& pass = PassOf(others, satellite.Set, scratch);
    PredictPass(context.Model, context.Site, context.Track, satellite.Set, pass, context.Cursor, others.LayoutSize,
                others.DecidePassRotation);
    DrawSatelliteLabel(context.Map.Canvas(), MapPixel(context.Map.Geometry(), *point),
                       OtherSatelliteLabel(letter, satellite.Name, elevation, pass));
}

}  // namespace

QRect DrawSatelliteLabel(QImage& canvas, QPoint satellite, const QString& label) {
    const QFont font = LabelFont();
    const QSize size = MapTextSize(canvas, label, font);
    const QPoint topLeft(CentredLeft(satellite.x(), size.width(), canvas.width()), satellite.y());
    DrawMapText(canvas, topLeft, label, font, MarkerColour(canvas, satellite, kMapWhite));
    return QRect(topLeft, size);
}

QString OtherSatelliteLabel(int letter, const QString& name, double elevation, const TPassInfo& pass) {
    const QString time = elevation >= 0.0 ? QStringLiteral(" L:") + QString::fromStdString(pass.LosText)
                                          : QStringLiteral(" A:") + QString::fromStdString(pass.AosText);
    return QChar(u'A' + letter) + QStringLiteral(":") + name + time + QStringLiteral(" ");
}

void DrawOtherSatellites(TOverlayContext& context, const TOtherSatellites& others) {
    const TTrackState before = context.Track;
    bool selectedOthers = false;
    const int count = static_cast<int>(others.Satellites.size());
    for (int letter = 0; letter < count; ++letter) {
        const TOverlaySatellite& satellite = others.Satellites[static_cast<size_t>(letter)];
        if (!satellite.MapMarker || satellite.Set == context.ActiveSet) continue;
        selectedOthers = true;
        DrawOne(context, others, letter, satellite);
    }
    if (selectedOthers) context.Model.SelectSatellite(context.ActiveSet);
    context.Track = before;
}

}  // namespace kelvora
